// Hit testing through the same pixel rule as rendering: the mask pixel a canvas pixel shows.
#include "core/HitTest.h"

#include "core/Bitmap.h"
#include "core/MaskBlend.h"
#include "core/TurnGeometry.h"

namespace festoon {

bool ShowsAt(const Layer& layer, QPoint pixel) {
    if (layer.mask.isNull()) {
        return false;
    }
    const std::optional<QPoint> local = LocalPixel(PlacementOf(layer), pixel);
    if (!local) {
        return false;
    }
    const qint64 w = layer.bounds.width(), h = layer.bounds.height();
    const int x = static_cast<int>(local->x() * layer.mask.width() / w);
    const int y = static_cast<int>(local->y() * layer.mask.height() / h);
    const QRgb m = layer.mask.pixel(x, y);
    return MaskLuminance(qRed(m), qGreen(m), qBlue(m)) > 0;
}

int TopmostShownAt(const Composition& card, QPoint pixel) {
    const QList<Layer>& layers = card.Layers();
    for (auto layer = layers.crbegin(); layer != layers.crend(); ++layer) {
        if (ShowsAt(*layer, pixel)) {
            return layer->slot;
        }
    }
    return 0;
}

} // namespace festoon
