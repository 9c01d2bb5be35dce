// Composition: a card as a value. The backdrop, the objects stacked on it and the selection, with the
// operations a user performs on them. Copying a card shares every picture with the original (Qt's
// implicit sharing), so copies are cheap and can be kept, compared and rendered anywhere.
#pragma once

#include "core/CardChanges.h"
#include "core/Layer.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

namespace festoon {

// A frame laid over the backdrop: its picture and its mask, each at its own size.
struct Frame {
    QImage picture;
    QImage mask;
    friend bool operator==(const Frame&, const Frame&) = default;
};

struct CompositionParts;

class Composition {
  public:
    static constexpr int kSlotCount = 50;

    Composition() = default;
    // A card rebuilt from everything it holds, as a card file keeps it. The parts must describe a card the
    // operations below could have made: throws std::invalid_argument naming the first rule broken.
    [[nodiscard]] static Composition FromParts(CompositionParts parts);
    // An empty card on a canvas of `canvasSize` whose backdrop is `backdrop`, at any size; it is kept
    // stretched over the canvas, and the clean backdrop is the same picture.
    Composition(QSize canvasSize, const QImage& backdrop);

    // --- what the card holds ---
    [[nodiscard]] QSize CanvasSize() const { return canvasSize_; }
    // The backdrop as shown, a frame included; stretched over the canvas.
    [[nodiscard]] const QImage& Backdrop() const { return backdrop_; }
    // The backdrop as last chosen, without a frame.
    [[nodiscard]] const QImage& CleanBackdrop() const { return cleanBackdrop_; }
    // The bytes of the file the clean backdrop was read from, for exports; empty when it came from none.
    [[nodiscard]] const QByteArray& BackdropOriginal() const { return backdropOriginal_; }
    [[nodiscard]] const std::optional<Frame>& LaidFrame() const { return frame_; }
    // Every picture the card holds is a 24-bit bitmap (or null).
    // The objects from the bottom layer to the topmost.
    [[nodiscard]] const QList<Layer>& Layers() const { return layers_; }
    [[nodiscard]] bool IsEmpty() const { return layers_.isEmpty(); }
    [[nodiscard]] const Layer* TopLayer() const;
    [[nodiscard]] const Layer* LayerInSlot(int slot) const;
    // Index in Layers() of the object in `slot`, or -1.
    [[nodiscard]] qsizetype LayerIndex(int slot) const;
    // Every slot keeps a name, in use or not: "d<slot>" at first; free slots keep the name they were
    // left with, and artwork placed in a slot takes it over.
    [[nodiscard]] const QString& SlotName(int slot) const;
    // The lowest slot without an object, or the last slot when all are in use.
    [[nodiscard]] int FirstFreeSlot() const;
    // The selected object's slot, or 0; the selection marks show on it only while SelectionMarked().
    [[nodiscard]] int SelectedSlot() const { return selectedSlot_; }
    [[nodiscard]] bool SelectionMarked() const { return selectionMarked_; }

    // --- placing: each new object goes to the first free slot as the topmost, selected, marked
    // object, and the card is recomposed; each returns the slot ---
    // A photo at 10, 10, sized by the photo rules, with a copy of the default mask, named "man<slot>";
    // `original` is the file it was read from, kept with it (see Layer::original).
    int PlacePhoto(const QImage& photo, const QImage& defaultMask, const QByteArray& original = {});
    // The same with the photo's top-left corner at `topLeft` (a photo dropped on the canvas).
    int PlacePhotoAt(const QImage& photo, const QImage& defaultMask, QPoint topLeft,
                     const QByteArray& original = {});
    // A piece of artwork at 10, 10, its size the picture's divided by `divisor` (at least 1 x 1); it
    // keeps its picture and mask at full size and takes over the slot's name.
    int PlaceArtwork(const QImage& picture, const QImage& mask, int divisor);
    // Lettering at 14, 10: a picture of one colour seen through the mask of its words.
    int PlaceLettering(const QImage& mask, const QColor& colour);
    // Any picture with its mask at the given bounds; it takes over the slot's name.
    int PlaceObject(const QRect& bounds, const QImage& picture, const QImage& mask);
    // A copy of the topmost object 20 pixels right of and below it, named after it: source name, slot,
    // "x". Nothing without objects (returns 0).
    int CopyTop();
    // The same for the object in `slot`, wherever it lies in the stack; 0 when there is none.
    int CopyObject(int slot);
    // Lettering drawn as `picture` through `mask` at 14, 10, remembering what it was made from.
    int PlaceLettering(const QImage& picture, const QImage& mask, const Lettering& lettering);

    // --- editing ---
    // Raises the object to the top, selects and marks it, and recomposes.
    void SelectAndRaise(int slot);
    // Gives an object new bounds at the end of a drag; it is shown blended once, without marks, until
    // the next recomposition. The stack and the selection stay.
    void SetBounds(int slot, const QRect& bounds);
    // Removes the topmost object (its slot is renamed "x<slot>"), recomposes, and selects the new
    // topmost object; false without objects.
    bool DeleteTop();
    // The same for the object in `slot`, wherever it lies in the stack; false when there is none.
    bool DeleteObject(int slot);

    // --- selection, stacking, turning (CompositionStacking.cpp); each does nothing for an empty slot ---
    // Selects and marks the object where it lies, without recomposing.
    void Select(int slot);
    // Nothing selected, no marks.
    void ClearSelection();
    // Moves the object to the top, one step up, one step down or to the bottom of the stack, and selects
    // and marks it; the objects keep their blends.
    void BringToFront(int slot);
    void BringForward(int slot);
    void SendBackward(int slot);
    void SendToBack(int slot);
    // Turns the object to `degrees` about the centre of its bounds; it is shown blended once, as after
    // a drag, until the next recomposition. The marks stay as they were.
    void SetAngle(int slot, double degrees);
    // Mirrors the object as it is seen: left to right (`across`) or top to bottom. A turned object
    // mirrored is turned the other way.
    void Mirror(int slot, bool across);
    // Lettering drawn anew, in place: the same top-left corner, the same stretch of its picture, angle
    // and mirroring; false when the slot holds no lettering.
    bool ReplaceLettering(int slot, const QImage& picture, const QImage& mask, const Lettering& lettering);
    // Gives the highest photo (a name containing "man") the mask and recomposes; false without a photo,
    // in which case nothing changes.
    bool MaskPhoto(const QImage& mask);

    // --- the backdrop; each recomposes ---
    // A new backdrop, stretched to the canvas: it replaces the frame and becomes the clean backdrop;
    // `original` is the file it was read from, kept for exports.
    void SetBackdrop(const QImage& picture, const QByteArray& original = {});
    // The clean backdrop with the frame blended in at the canvas size; replaces an earlier frame.
    void LayFrame(const QImage& picture, const QImage& mask);
    // Back to the clean backdrop.
    void RemoveFrame();

    // --- a new task ---
    // Removes every object and renames all slots prefix + slot; the backdrop stays, a frame included.
    // Without objects it removes the frame instead. The prefix is "Not" when the user declined to save
    // and "not" after the save.
    void ClearForNewTask(const QString& prefix);

    // Shows every object blended twice over what lies beneath it again, without marks.
    void Recompose();

    // --- what changed ---
    // The rectangles of the canvas (they may reach past it) whose rendering the operations from
    // `earlier` to this card touched; nullopt when that is not known, and the whole card must be
    // rendered: this card does not come from `earlier` through operations that each stated what they
    // touched, or one of them touched everything. Operations that do not state what they touched are
    // safe: the cards compare fingerprints of everything rendering reads.
    [[nodiscard]] std::optional<QList<QRect>> TouchedSince(const Composition& earlier) const;

    friend bool operator==(const Composition&, const Composition&) = default;

  private:
    // States what an operation touched, after it changed the card (see CardChanges).
    void Touched(const QList<QRect>& rects);
    void TouchedEverything();
    [[nodiscard]] quint64 RenderFingerprint() const;

    int Place(Layer layer);
    void MarkRecomposed();
    Layer* MutableLayer(int slot);
    // Moves the object at `from` in the stack to `to` and selects and marks it.
    void Restack(qsizetype from, qsizetype to);

    QSize canvasSize_;
    QImage backdrop_;
    QImage cleanBackdrop_;
    QByteArray backdropOriginal_;
    std::optional<Frame> frame_;
    QList<Layer> layers_;
    std::array<QString, kSlotCount + 1> slotNames_; // index 0 unused
    int selectedSlot_ = 0;
    bool selectionMarked_ = false;
    CardChanges changes_;
};

// Everything a card holds, the objects from the bottom layer to the topmost; slotNames[i] names slot i + 1.
struct CompositionParts {
    QSize canvasSize;
    QImage backdrop;
    QImage cleanBackdrop;
    QByteArray backdropOriginal;
    std::optional<Frame> frame;
    QList<Layer> layers;
    std::array<QString, Composition::kSlotCount> slotNames;
    int selectedSlot = 0;
    bool selectionMarked = false;
};

} // namespace festoon
