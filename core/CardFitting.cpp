// Fitting a card to another canvas.
#include "core/CardFitting.h"

#include "core/Bitmap.h"
#include "core/FrameBlend.h"

#include <algorithm>
#include <cmath>

namespace festoon {
namespace {

int Scaled(int value, int to, int from) {
    return static_cast<int>(std::lround(static_cast<double>(value) * to / from));
}

QRect ScaledBounds(const QRect& bounds, QSize to, QSize from) {
    return {Scaled(bounds.x(), to.width(), from.width()), Scaled(bounds.y(), to.height(), from.height()),
            std::max(1, Scaled(bounds.width(), to.width(), from.width())),
            std::max(1, Scaled(bounds.height(), to.height(), from.height()))};
}

} // namespace

Composition FitCardToCanvas(const Composition& card, QSize canvas) {
    const QSize from = card.CanvasSize();
    if (from == canvas || from.isEmpty() || canvas.isEmpty()) {
        return card;
    }
    CompositionParts parts;
    parts.canvasSize = canvas;
    parts.cleanBackdrop = StretchBitmap(card.CleanBackdrop(), canvas.width(), canvas.height());
    parts.backdropOriginal = card.BackdropOriginal();
    parts.frame = card.LaidFrame();
    parts.backdrop =
        parts.frame ? FramedBackdrop(parts.cleanBackdrop, parts.frame->picture, parts.frame->mask, canvas)
                    : parts.cleanBackdrop;
    for (Layer layer : card.Layers()) {
        layer.bounds = ScaledBounds(layer.bounds, canvas, from);
        parts.layers.append(std::move(layer));
    }
    for (int slot = 1; slot <= Composition::kSlotCount; ++slot) {
        parts.slotNames[static_cast<size_t>(slot - 1)] = card.SlotName(slot);
    }
    parts.selectedSlot = card.SelectedSlot();
    parts.selectionMarked = card.SelectionMarked();
    return Composition::FromParts(std::move(parts));
}

} // namespace festoon
