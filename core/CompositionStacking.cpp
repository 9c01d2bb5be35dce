// The card's operations on one object wherever it lies in the stack: selecting it, restacking it,
// turning and mirroring it, and drawing its lettering anew.
#include "core/Composition.h"

#include "core/Bitmap.h"
#include "core/TurnGeometry.h"

#include <algorithm>

namespace festoon {

void Composition::Select(int slot) {
    if (LayerIndex(slot) >= 0) {
        selectedSlot_ = slot;
        selectionMarked_ = true;
    }
}

void Composition::ClearSelection() {
    selectedSlot_ = 0;
    selectionMarked_ = false;
}

void Composition::Restack(qsizetype from, qsizetype to) {
    if (from < 0) {
        return;
    }
    const int slot = layers_[from].slot;
    layers_.move(from, std::clamp<qsizetype>(to, 0, layers_.size() - 1));
    Select(slot);
}

void Composition::BringToFront(int slot) {
    Restack(LayerIndex(slot), layers_.size() - 1);
}

void Composition::BringForward(int slot) {
    const qsizetype index = LayerIndex(slot);
    Restack(index, index + 1);
}

void Composition::SendBackward(int slot) {
    const qsizetype index = LayerIndex(slot);
    Restack(index, index - 1);
}

void Composition::SendToBack(int slot) {
    Restack(LayerIndex(slot), 0);
}

void Composition::SetAngle(int slot, double degrees) {
    if (Layer* layer = MutableLayer(slot)) {
        const double angle = NormalAngle(degrees);
        if (angle != layer->angle) {
            layer->angle = angle;
            layer->blendPasses = 1;
        }
    }
}

void Composition::Mirror(int slot, bool across) {
    if (Layer* layer = MutableLayer(slot)) {
        bool& mirrored = across ? layer->mirroredAcross : layer->mirroredUpDown;
        mirrored = !mirrored;
        layer->angle = NormalAngle(-layer->angle);
        layer->blendPasses = 1;
    }
}

bool Composition::ReplaceLettering(int slot, const QImage& picture, const QImage& mask,
                                   const Lettering& lettering) {
    Layer* layer = MutableLayer(slot);
    if (layer == nullptr || !layer->lettering || mask.isNull()) {
        return false;
    }
    // The new words keep the stretch the old ones were given.
    const QSize before = layer->mask.size(), after = mask.size();
    const int w = before.width() > 0
                      ? static_cast<int>(qint64{after.width()} * layer->bounds.width() / before.width())
                      : after.width();
    const int h = before.height() > 0
                      ? static_cast<int>(qint64{after.height()} * layer->bounds.height() / before.height())
                      : after.height();
    // A turned object turns about its centre: the new bounds keep the old centre so that it stays put.
    const QPoint centre = layer->bounds.center();
    QRect bounds(layer->bounds.topLeft(), QSize(std::max(1, w), std::max(1, h)));
    if (layer->angle != 0) {
        bounds.moveCenter(centre);
    }
    layer->bounds = bounds;
    layer->picture = ToBitmap24(picture);
    layer->mask = ToBitmap24(mask);
    layer->lettering = lettering;
    layer->blendPasses = 2;
    return true;
}

} // namespace festoon
