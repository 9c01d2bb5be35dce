// The card's operations, with the rules users know: which slot a new object takes, how it is named,
// where it lands, and what each operation does to the stack and the selection.
#include "core/Composition.h"

#include "core/Bitmap.h"
#include "core/FrameBlend.h"
#include "core/PhotoSizing.h"

#include <algorithm>
#include <bit>

namespace festoon {
namespace {

constexpr QPoint kPhotoPosition(10, 10);
constexpr QPoint kArtworkPosition(10, 10);
constexpr QPoint kLetteringPosition(14, 10);
// A copy lands this far right of and below its source, so that both stay visible.
constexpr int kCopyOffset = 20;

} // namespace

Composition::Composition(QSize canvasSize, const QImage& backdrop)
    : canvasSize_(canvasSize), backdrop_(StretchBitmap(backdrop, canvasSize.width(), canvasSize.height())),
      cleanBackdrop_(backdrop_) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        slotNames_[static_cast<size_t>(slot)] = QStringLiteral("d") + QString::number(slot);
    }
    TouchedEverything();
}

const Layer* Composition::TopLayer() const {
    return layers_.isEmpty() ? nullptr : &layers_.last();
}

qsizetype Composition::LayerIndex(int slot) const {
    const auto found = std::find_if(layers_.cbegin(), layers_.cend(),
                                    [slot](const Layer& layer) { return layer.slot == slot; });
    return found == layers_.cend() ? -1 : found - layers_.cbegin();
}

const Layer* Composition::LayerInSlot(int slot) const {
    const qsizetype index = LayerIndex(slot);
    return index < 0 ? nullptr : &layers_[index];
}

Layer* Composition::MutableLayer(int slot) {
    const qsizetype index = LayerIndex(slot);
    return index < 0 ? nullptr : &layers_[index];
}

const QString& Composition::SlotName(int slot) const {
    static const QString none;
    return slot >= 1 && slot <= kSlotCount ? slotNames_[static_cast<size_t>(slot)] : none;
}

int Composition::FirstFreeSlot() const {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (LayerIndex(slot) < 0) {
            return slot;
        }
    }
    return kSlotCount;
}

int Composition::Place(Layer layer) {
    // A slot taken again while all are in use keeps one layer, moved to the top: a second entry would
    // render the same object twice.
    QList<QRect> touched = {layer.bounds};
    const qsizetype previous = LayerIndex(layer.slot);
    if (previous >= 0) {
        touched.append(layers_[previous].bounds);
        layers_.removeAt(previous);
    }
    if (layer.name.isNull()) {
        layer.name = SlotName(layer.slot);
    }
    slotNames_[static_cast<size_t>(layer.slot)] = layer.name;
    const int slot = layer.slot;
    layers_.append(std::move(layer));
    Recompose();
    Touched(touched);
    selectedSlot_ = slot;
    selectionMarked_ = true;
    return slot;
}

int Composition::PlacePhoto(const QImage& photo, const QImage& defaultMask, const QByteArray& original) {
    return PlacePhotoAt(photo, defaultMask, kPhotoPosition, original);
}

int Composition::PlacePhotoAt(const QImage& photo, const QImage& defaultMask, QPoint topLeft,
                              const QByteArray& original) {
    const QSize source = PhotoSourceSize(photo.size(), canvasSize_);
    Layer layer;
    layer.slot = FirstFreeSlot();
    layer.name = QStringLiteral("man") + QString::number(layer.slot);
    layer.bounds = QRect(topLeft, PhotoDisplaySize(source));
    layer.picture = StretchBitmap(photo, source.width(), source.height());
    layer.mask = ToBitmap24(defaultMask);
    layer.original = original;
    return Place(std::move(layer));
}

int Composition::PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) {
    // A picture smaller than the divisor still gives an object that can be rendered.
    const QSize size(std::max(1, picture.width() / divisor), std::max(1, picture.height() / divisor));
    return PlaceObject(QRect(kArtworkPosition, size), picture, mask);
}

int Composition::PlaceLettering(const QImage& mask, const QColor& colour) {
    return PlaceObject(QRect(kLetteringPosition, mask.size()),
                       SolidBitmap(mask.width(), mask.height(), colour.rgb()), mask);
}

int Composition::PlaceObject(const QRect& bounds, const QImage& picture, const QImage& mask) {
    Layer layer;
    layer.slot = FirstFreeSlot();
    layer.bounds = bounds;
    layer.picture = ToBitmap24(picture);
    layer.mask = ToBitmap24(mask);
    return Place(std::move(layer));
}

int Composition::PlaceLettering(const QImage& picture, const QImage& mask, const Lettering& lettering) {
    const int slot = PlaceObject(QRect(kLetteringPosition, mask.size()), picture, mask);
    MutableLayer(slot)->lettering = lettering;
    return slot;
}

int Composition::CopyTop() {
    return layers_.isEmpty() ? 0 : CopyObject(layers_.last().slot);
}

int Composition::CopyObject(int slot) {
    const Layer* source = LayerInSlot(slot);
    if (source == nullptr) {
        return 0;
    }
    Layer copy = *source;
    copy.slot = FirstFreeSlot();
    copy.name = source->name + QString::number(copy.slot) + QStringLiteral("x");
    copy.bounds.translate(kCopyOffset, kCopyOffset);
    return Place(std::move(copy));
}

void Composition::SelectAndRaise(int slot) {
    const qsizetype index = LayerIndex(slot);
    if (index < 0) {
        return;
    }
    layers_.move(index, layers_.size() - 1);
    Recompose();
    Touched({layers_.last().bounds});
    selectedSlot_ = slot;
    selectionMarked_ = true;
}

void Composition::SetBounds(int slot, const QRect& bounds) {
    Layer* layer = MutableLayer(slot);
    if (layer == nullptr) {
        return;
    }
    const QRect before = layer->bounds;
    layer->bounds = bounds;
    layer->blendPasses = 1;
    selectionMarked_ = false;
    Touched({before, bounds});
}

bool Composition::DeleteTop() {
    return !layers_.isEmpty() && DeleteObject(layers_.last().slot);
}

bool Composition::DeleteObject(int slot) {
    const qsizetype index = LayerIndex(slot);
    if (index < 0) {
        return false;
    }
    slotNames_[static_cast<size_t>(slot)] = QStringLiteral("x") + QString::number(slot);
    const QRect removed = layers_[index].bounds;
    layers_.removeAt(index);
    Recompose();
    Touched({removed});
    // The selection passes to the new topmost object, which a press on the editing surface acts on.
    selectedSlot_ = layers_.isEmpty() ? 0 : layers_.last().slot;
    return true;
}

bool Composition::MaskPhoto(const QImage& mask) {
    for (qsizetype i = layers_.size() - 1; i >= 0; --i) {
        if (layers_[i].name.contains(QStringLiteral("man"))) {
            layers_[i].mask = ToBitmap24(mask);
            Recompose();
            Touched({layers_[i].bounds});
            return true;
        }
    }
    return false;
}

void Composition::SetBackdrop(const QImage& picture, const QByteArray& original) {
    backdrop_ = StretchBitmap(picture, canvasSize_.width(), canvasSize_.height());
    cleanBackdrop_ = backdrop_;
    backdropOriginal_ = original;
    frame_.reset();
    Recompose();
    TouchedEverything();
}

void Composition::LayFrame(const QImage& picture, const QImage& mask) {
    backdrop_ = FramedBackdrop(cleanBackdrop_, picture, mask, canvasSize_);
    frame_ = Frame{ToBitmap24(picture), ToBitmap24(mask)};
    Recompose();
    TouchedEverything();
}

void Composition::RemoveFrame() {
    backdrop_ = StretchBitmap(cleanBackdrop_, canvasSize_.width(), canvasSize_.height());
    frame_.reset();
    Recompose();
    TouchedEverything();
}

void Composition::ClearForNewTask(const QString& prefix) {
    if (layers_.isEmpty()) {
        backdrop_ = StretchBitmap(cleanBackdrop_, canvasSize_.width(), canvasSize_.height());
        frame_.reset();
        TouchedEverything();
        return;
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        slotNames_[static_cast<size_t>(slot)] = prefix + QString::number(slot);
    }
    layers_.clear();
    selectedSlot_ = 0;
    selectionMarked_ = false;
    TouchedEverything();
}

void Composition::Recompose() {
    QList<QRect> touched;
    for (Layer& layer : layers_) {
        if (layer.blendPasses != 2) {
            touched.append(layer.bounds);
            layer.blendPasses = 2;
        }
    }
    selectionMarked_ = false;
    Touched(touched);
}

void Composition::Touched(const QList<QRect>& rects) {
    changes_.Touched(rects, RenderFingerprint());
}

void Composition::TouchedEverything() {
    changes_.TouchedEverything(RenderFingerprint());
}

quint64 Composition::RenderFingerprint() const {
    Fingerprint fingerprint;
    fingerprint.Add(QRect(QPoint(0, 0), canvasSize_));
    fingerprint.Add(backdrop_.cacheKey());
    for (const Layer& layer : layers_) {
        fingerprint.Add(quint64(layer.slot));
        fingerprint.Add(layer.bounds);
        fingerprint.Add(layer.picture.cacheKey());
        fingerprint.Add(layer.mask.cacheKey());
        fingerprint.Add(quint64(layer.blendPasses));
        fingerprint.Add(std::bit_cast<quint64>(layer.angle));
        fingerprint.Add(quint64(layer.mirroredAcross) | (quint64(layer.mirroredUpDown) << 1));
    }
    return fingerprint.Value();
}

std::optional<QList<QRect>> Composition::TouchedSince(const Composition& earlier) const {
    return changes_.Since(earlier.changes_, earlier.RenderFingerprint(), RenderFingerprint());
}

} // namespace festoon
