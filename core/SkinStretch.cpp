// Enlarging a window skin to the screen by repeating its middle column and middle row.
#include "core/Bitmap.h"
#include "core/Skin.h"

#include <cstring>

namespace festoon {
namespace {

constexpr int kBytesPerPixel = 3;

// The horizontal pass: columns 0..m-1 stay, column m fills m..m+e, columns m+1.. end at the right
// edge. Copied in that order, so that on a narrower target the right part overwrites the left.
QImage RepeatMiddleColumn(const QImage& skin, int targetWidth) {
    const int w = skin.width(), h = skin.height();
    const int m = w / 2;
    const int e = targetWidth - w;
    QImage wide = MakeBitmap(targetWidth, h);
    CopyBlock(skin, QRect(0, 0, m, h), wide, QPoint(0, 0));
    for (int y = 0; y < h && e >= 0; ++y) {
        const uchar* middle = skin.constScanLine(y) + m * kBytesPerPixel;
        uchar* out = wide.scanLine(y) + m * kBytesPerPixel;
        for (int i = 0; i <= e; ++i, out += kBytesPerPixel) {
            std::memcpy(out, middle, kBytesPerPixel);
        }
    }
    CopyBlock(skin, QRect(m + 1, 0, w - m - 1, h), wide, QPoint(m + e + 1, 0));
    return wide;
}

// The vertical pass, the same on rows.
QImage RepeatMiddleRow(const QImage& skin, int targetHeight) {
    const int w = skin.width(), h = skin.height();
    const int m = h / 2;
    const int e = targetHeight - h;
    QImage tall = MakeBitmap(w, targetHeight);
    CopyBlock(skin, QRect(0, 0, w, m), tall, QPoint(0, 0));
    const size_t rowBytes = static_cast<size_t>(w) * kBytesPerPixel;
    for (int i = 0; i <= e; ++i) {
        std::memcpy(tall.scanLine(m + i), skin.constScanLine(m), rowBytes);
    }
    CopyBlock(skin, QRect(0, m + 1, w, h - m - 1), tall, QPoint(0, m + e + 1));
    return tall;
}

} // namespace

QImage StretchSkin(const QImage& skin, QSize target) {
    const QImage s = ToBitmap24(skin);
    if (s.isNull() || target.width() <= 0 || target.height() <= 0) {
        return QImage();
    }
    return RepeatMiddleRow(RepeatMiddleColumn(s, target.width()), target.height());
}

} // namespace festoon
