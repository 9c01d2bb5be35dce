// The reference turned object: one LocalPixel, one lookup and one division per channel for each pixel.
#include "tests/reference/TurnedObjectReference.h"

#include "core/Bitmap.h"
#include "core/MaskBlend.h"

namespace festoon {
namespace {

QRgb Stretched(const QImage& source, QPoint local, QSize bounds) {
    if (source.isNull()) {
        return qRgb(0, 0, 0);
    }
    const qint64 x = qint64{local.x()} * source.width() / bounds.width();
    const qint64 y = qint64{local.y()} * source.height() / bounds.height();
    return source.pixel(static_cast<int>(x), static_cast<int>(y));
}

int Blend(int under, int layer, int a) {
    return ((255 - a) * under + a * layer) / 255;
}

} // namespace

QImage RenderTurnedObjectReference(const QImage& composed, const Placement& placement, const QImage& picture,
                                   const QImage& mask, int passes) {
    const QRect rect = ShownRect(placement);
    if (placement.bounds.isEmpty()) {
        return QImage();
    }
    QImage result = MakeBitmap(rect.width(), rect.height());
    for (int y = 0; y < rect.height(); ++y) {
        for (int x = 0; x < rect.width(); ++x) {
            const QPoint canvas = rect.topLeft() + QPoint(x, y);
            const QRgb under = composed.rect().contains(canvas) ? composed.pixel(canvas) : qRgb(0, 0, 0);
            const std::optional<QPoint> local = LocalPixel(placement, canvas);
            if (!local) {
                result.setPixel(x, y, under);
                continue;
            }
            const QRgb m = Stretched(mask, *local, placement.bounds.size());
            const int a = MaskLuminance(qRed(m), qGreen(m), qBlue(m));
            const QRgb p = Stretched(picture, *local, placement.bounds.size());
            int r = qRed(p), g = qGreen(p), b = qBlue(p);
            for (int pass = 0; pass < passes; ++pass) {
                r = Blend(qRed(under), r, a);
                g = Blend(qGreen(under), g, a);
                b = Blend(qBlue(under), b, a);
            }
            result.setPixel(x, y, qRgb(r, g, b));
        }
    }
    return result;
}

} // namespace festoon
