// Enlarging a window skin to the screen by repeating its middle column and middle row.
#include "platform/Bitmap.h"
#include "platform/Skin.h"

namespace festoon {
namespace {

// One pass along x (horizontal) of the skin's columns into a bitmap `target` wide.
QImage RepeatMiddleColumn(const QImage& s, int target) {
    const int w = s.width(), h = s.height();
    QImage b = MakeBitmap(target, h);
    const int m = w / 2;
    const int e = target - w;
    CopyBlock(s, QRect(0, 0, m, h), b, QPoint(0, 0));
    for (int i = 0; i <= e; ++i) {
        CopyBlock(s, QRect(m, 0, 1, h), b, QPoint(m + i, 0));
    }
    CopyBlock(s, QRect(m + 1, 0, w - m - 1, h), b, QPoint(m + e + 1, 0));
    return b;
}

QImage Transposed(const QImage& image) {
    QImage t = MakeBitmap(image.height(), image.width());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            uchar* p = t.scanLine(x) + y * 3;
            p[0] = row[x * 3];
            p[1] = row[x * 3 + 1];
            p[2] = row[x * 3 + 2];
        }
    }
    return t;
}

} // namespace

QImage StretchSkin(const QImage& skin, QSize target) {
    const QImage s = ToBitmap24(skin);
    if (s.isNull() || target.width() <= 0 || target.height() <= 0) {
        return QImage();
    }
    const QImage wide = RepeatMiddleColumn(s, target.width());
    return Transposed(RepeatMiddleColumn(Transposed(wide), target.height()));
}

} // namespace festoon
