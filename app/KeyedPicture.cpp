// Cutting a picture's transparent colour out so that only the other pixels are painted.
#include "app/KeyedPicture.h"

#include "core/Bitmap.h"

QImage KeyOutColour(const QImage& source, QRgb key, const QRect& area) {
    const QRect visible = area.intersected(source.rect());
    if (visible.isEmpty()) {
        return QImage();
    }
    const QImage picture = festoon::ToBitmap24(source);
    const uchar keyBlue = static_cast<uchar>(qBlue(key));
    const uchar keyGreen = static_cast<uchar>(qGreen(key));
    const uchar keyRed = static_cast<uchar>(qRed(key));
    QImage keyed(visible.size(), QImage::Format_ARGB32_Premultiplied);
    bool anyOpaque = false;
    for (int y = 0; y < visible.height(); ++y) {
        const uchar* in = picture.constScanLine(visible.top() + y) + visible.left() * 3;
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < visible.width(); ++x, in += 3) {
            const bool isKey = in[0] == keyBlue && in[1] == keyGreen && in[2] == keyRed;
            out[x] = isKey ? 0u : qRgb(in[2], in[1], in[0]);
            anyOpaque = anyOpaque || !isKey;
        }
    }
    return anyOpaque ? keyed : QImage();
}
