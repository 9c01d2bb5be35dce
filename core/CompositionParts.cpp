// Rebuilding a card from its parts, as a card file keeps them: every rule the card's operations keep is
// checked here, so that a card read from a file is one the program could have made.
#include "core/Composition.h"

#include "core/Bitmap.h"

#include <bitset>
#include <cmath>
#include <stdexcept>

namespace festoon {
namespace {

void Require(bool rule, const char* broken) {
    if (!rule) {
        throw std::invalid_argument(broken);
    }
}

bool IsBitmapOrNull(const QImage& image) {
    return image.isNull() || image.format() == kBitmapFormat;
}

bool CoversCanvas(const QImage& image, QSize canvas) {
    return !image.isNull() && image.format() == kBitmapFormat && image.size() == canvas;
}

} // namespace

Composition Composition::FromParts(CompositionParts parts) {
    Require(!parts.canvasSize.isEmpty(), "the canvas has no size");
    Require(CoversCanvas(parts.backdrop, parts.canvasSize), "the backdrop does not cover the canvas");
    Require(CoversCanvas(parts.cleanBackdrop, parts.canvasSize),
            "the backdrop without a frame does not cover the canvas");
    if (parts.frame) {
        Require(IsBitmapOrNull(parts.frame->picture) && IsBitmapOrNull(parts.frame->mask),
                "the frame is not a 24-bit picture");
    }
    for (const QString& name : parts.slotNames) {
        Require(!name.isNull(), "a slot has no name");
    }
    Require(parts.layers.size() <= kSlotCount, "there are more objects than slots");
    std::bitset<kSlotCount + 1> used;
    for (const Layer& layer : parts.layers) {
        Require(layer.slot >= 1 && layer.slot <= kSlotCount, "an object has no slot");
        Require(!used.test(static_cast<size_t>(layer.slot)), "two objects share a slot");
        used.set(static_cast<size_t>(layer.slot));
        Require(layer.name == parts.slotNames[static_cast<size_t>(layer.slot - 1)],
                "an object's name is not its slot's");
        Require(layer.blendPasses == 1 || layer.blendPasses == 2,
                "an object is blended neither once nor twice");
        Require(IsBitmapOrNull(layer.picture) && IsBitmapOrNull(layer.mask),
                "an object's picture is not a 24-bit picture");
        Require(std::isfinite(layer.angle) && layer.angle >= 0 && layer.angle < 360,
                "an object is turned by an angle out of range");
        Require(!layer.lettering || (layer.lettering->outlineWidth >= 0 &&
                                     layer.lettering->outlineWidth <= Lettering::kMaxOutlineWidth),
                "lettering has an outline too wide");
    }
    Require(parts.selectedSlot == 0 || (parts.selectedSlot >= 1 && parts.selectedSlot <= kSlotCount &&
                                        used.test(static_cast<size_t>(parts.selectedSlot))),
            "the selection is not an object");
    Require(!parts.selectionMarked || parts.selectedSlot != 0, "the selection marks show on no object");

    Composition card;
    card.canvasSize_ = parts.canvasSize;
    card.backdrop_ = std::move(parts.backdrop);
    card.cleanBackdrop_ = std::move(parts.cleanBackdrop);
    card.backdropOriginal_ = std::move(parts.backdropOriginal);
    card.frame_ = std::move(parts.frame);
    card.layers_ = std::move(parts.layers);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        card.slotNames_[static_cast<size_t>(slot)] =
            std::move(parts.slotNames[static_cast<size_t>(slot - 1)]);
    }
    card.selectedSlot_ = parts.selectedSlot;
    card.selectionMarked_ = parts.selectionMarked;
    return card;
}

} // namespace festoon
