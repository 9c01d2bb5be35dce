// The picture beneath a dragged object, and the object rendered over it frame after frame.
#include "core/LiveDrag.h"

#include "core/Bitmap.h"
#include "core/TurnedObject.h"

namespace festoon {

LiveDrag::LiveDrag(const Composition& card, int slot, const RenderedCard* rendered) {
    const Layer* top = card.TopLayer();
    if (top != nullptr && top->slot == slot && rendered != nullptr &&
        rendered->pictures.size() == card.Layers().size()) {
        beneath_ = rendered->composed;
        layer_ = *top;
        return;
    }
    const QSize canvas = card.CanvasSize();
    beneath_ = StretchBitmap(card.Backdrop(), canvas.width(), canvas.height());
    for (const Layer& layer : card.Layers()) {
        if (layer.slot == slot) {
            layer_ = layer;
            continue;
        }
        DrawUnscaled(RenderLayer(beneath_, layer, scratch_), beneath_, ShownRect(layer).topLeft());
    }
}

QImage LiveDrag::Frame(const Placement& placement) {
    Layer moved = layer_;
    moved.bounds = placement.bounds;
    moved.angle = placement.angle;
    moved.mirroredAcross = placement.mirroredAcross;
    moved.mirroredUpDown = placement.mirroredUpDown;
    moved.blendPasses = 1;
    return RenderLayer(beneath_, moved, scratch_);
}

} // namespace festoon
