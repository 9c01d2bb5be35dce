// 24-bit bitmap operations; every one is clipped so that it never reads or writes outside an image.
#include "platform/Bitmap.h"

#include "platform/PlatformError.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace festoon {

void CheckPictureSize(int w, int h) {
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide ||
        static_cast<qint64>(w) * h > kMaxPicturePixels) {
        throw PlatformError::PictureTooLarge(w, h);
    }
}

QImage MakeBitmap(int w, int h) {
    if (w <= 0 || h <= 0) {
        return QImage();
    }
    QImage bitmap(w, h, kBitmapFormat);
    if (!bitmap.isNull()) {
        bitmap.fill(Qt::black);
    }
    return bitmap;
}

QImage ToBitmap24(const QImage& image) {
    if (image.isNull() || image.format() == kBitmapFormat) {
        return image;
    }
    return image.convertToFormat(kBitmapFormat);
}

void FillBitmap(QImage& bitmap, QRgb colour) {
    bitmap.fill(QColor::fromRgb(colour));
}

void StretchDraw(const QImage& source, QImage& dst, const QRect& dstRect) {
    const QImage src = ToBitmap24(source);
    if (src.isNull() || dst.isNull() || dstRect.width() <= 0 || dstRect.height() <= 0) {
        return;
    }
    const QRect visible = dstRect.intersected(dst.rect());
    if (visible.isEmpty()) {
        return;
    }
    const qint64 sw = src.width(), sh = src.height();
    const qint64 dw = dstRect.width(), dh = dstRect.height();
    // Byte offset of the source pixel for each visible destination column.
    std::vector<int> columnOffset(static_cast<size_t>(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x) {
        const qint64 dx = x - dstRect.left();
        columnOffset[static_cast<size_t>(x - visible.left())] = static_cast<int>(dx * sw / dw) * 3;
    }
    const uchar* previousSourceRow = nullptr;
    uchar* previousDestRow = nullptr;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const qint64 dy = y - dstRect.top();
        const uchar* srcRow = src.constScanLine(static_cast<int>(dy * sh / dh));
        uchar* out = dst.scanLine(y) + visible.left() * 3;
        if (srcRow == previousSourceRow) {
            // Enlarged rows repeat the row above.
            std::memcpy(out, previousDestRow, static_cast<size_t>(visible.width()) * 3);
        } else {
            for (size_t i = 0; i < columnOffset.size(); ++i) {
                const uchar* p = srcRow + columnOffset[i];
                out[i * 3] = p[0];
                out[i * 3 + 1] = p[1];
                out[i * 3 + 2] = p[2];
            }
        }
        previousSourceRow = srcRow;
        previousDestRow = out;
    }
}

QImage StretchBitmap(const QImage& src, int w, int h) {
    QImage bitmap = MakeBitmap(w, h);
    StretchDraw(src, bitmap, QRect(0, 0, w, h));
    return bitmap;
}

void DrawUnscaled(const QImage& src, QImage& dst, QPoint topLeft) {
    CopyBlock(src, src.rect(), dst, topLeft);
}

void CopyBlock(const QImage& source, const QRect& srcRect, QImage& dst, QPoint dstTopLeft) {
    const QImage src = ToBitmap24(source);
    if (src.isNull() || dst.isNull()) {
        return;
    }
    // Clip the source rectangle to the source, shifting the destination with it, then to dst.
    QRect from = srcRect.intersected(src.rect());
    QPoint to = dstTopLeft + (from.topLeft() - srcRect.topLeft());
    const QRect target = QRect(to, from.size()).intersected(dst.rect());
    if (target.isEmpty()) {
        return;
    }
    from = QRect(from.topLeft() + (target.topLeft() - to), target.size());
    const size_t rowBytes = static_cast<size_t>(target.width()) * 3;
    for (int row = 0; row < target.height(); ++row) {
        std::memcpy(dst.scanLine(target.top() + row) + target.left() * 3,
                    src.constScanLine(from.top() + row) + from.left() * 3, rowBytes);
    }
}

} // namespace festoon
