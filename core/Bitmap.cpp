// 24-bit bitmap operations; every one is clipped so that it never reads or writes outside an image.
#include "core/Bitmap.h"

#include "core/RowStretcher.h"

#include <cstring>

namespace festoon {
namespace {

constexpr int kBytesPerPixel = 3;

// Makes `image` 24-bit in place, so that the byte loops below may address it as blue, green, red.
void MakeBitmap24(QImage& image) {
    if (!image.isNull() && image.format() != kBitmapFormat) {
        image = image.convertToFormat(kBitmapFormat);
    }
}

} // namespace

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

QImage SolidBitmap(int w, int h, QRgb colour) {
    QImage bitmap = MakeBitmap(w, h);
    FillBitmap(bitmap, colour);
    return bitmap;
}

void StretchDraw(const QImage& source, QImage& dst, const QRect& dstRect) {
    const QImage src = ToBitmap24(source);
    MakeBitmap24(dst);
    if (src.isNull() || dst.isNull() || dstRect.width() <= 0 || dstRect.height() <= 0) {
        return;
    }
    const QRect visible = dstRect.intersected(dst.rect());
    if (visible.isEmpty()) {
        return;
    }
    const RowStretcher stretcher(src, dstRect, visible);
    const size_t rowBytes = static_cast<size_t>(visible.width()) * kBytesPerPixel;
    uchar* destBits = dst.bits();
    const qsizetype destStride = dst.bytesPerLine();
    const uchar* previousSourceRow = nullptr;
    const uchar* previousDestRow = nullptr;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const uchar* sourceRow = stretcher.SourceRow(y);
        uchar* out = destBits + y * destStride + visible.left() * kBytesPerPixel;
        if (sourceRow == previousSourceRow) {
            std::memcpy(out, previousDestRow, rowBytes); // an enlarged row repeats the one above
        } else {
            stretcher.DrawRow(y, out);
        }
        previousSourceRow = sourceRow;
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
    MakeBitmap24(dst);
    if (src.isNull() || dst.isNull()) {
        return;
    }
    // Clip the source rectangle to the source, shifting the destination with it, then to dst.
    QRect from = srcRect.intersected(src.rect());
    const QPoint to = dstTopLeft + (from.topLeft() - srcRect.topLeft());
    const QRect target = QRect(to, from.size()).intersected(dst.rect());
    if (target.isEmpty()) {
        return;
    }
    from = QRect(from.topLeft() + (target.topLeft() - to), target.size());
    const size_t rowBytes = static_cast<size_t>(target.width()) * kBytesPerPixel;
    const uchar* sourceBits = src.constBits();
    uchar* destBits = dst.bits();
    for (int row = 0; row < target.height(); ++row) {
        std::memmove(destBits + (target.top() + row) * dst.bytesPerLine() + target.left() * kBytesPerPixel,
                     sourceBits + (from.top() + row) * src.bytesPerLine() + from.left() * kBytesPerPixel,
                     rowBytes);
    }
}

} // namespace festoon
