// A window's shape from its skin: vertical strips over each column's runs of non-key pixels.
#include "platform/Bitmap.h"
#include "platform/Skin.h"

namespace festoon {

QRegion BitmapToRegion(const QImage& source, QRgb key) {
    const QImage bitmap = ToBitmap24(source);
    QRegion region;
    const int h = bitmap.height();
    for (int x = 0; x < bitmap.width(); ++x) {
        bool inRun = false;
        int runTop = 0;
        for (int y = 0; y < h; ++y) {
            const uchar* p = bitmap.constScanLine(y) + x * 3;
            const bool isKey = qRgb(p[2], p[1], p[0]) == (key & 0xFFFFFF) + 0xFF000000u;
            if (!isKey && !inRun) {
                inRun = true;
                runTop = y;
            }
            if ((isKey || y == h - 1) && inRun) {
                if (y > runTop) {
                    region += QRect(x, runTop, 1, y - runTop);
                }
                inRun = false;
            }
        }
    }
    return region;
}

} // namespace festoon
