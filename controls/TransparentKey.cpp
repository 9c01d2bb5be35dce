// Keys out the colour of a bitmap's bottom-left pixel, as transparent bitmaps are drawn.
#include "controls/TransparentKey.h"

QImage KeyOutBottomLeftColour(const QImage& picture) {
    if (picture.isNull())
        return {};
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((row[x] & RGB_MASK) == key)
                row[x] = 0;
        }
    }
    return keyed;
}
