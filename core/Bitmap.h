// 24-bit bitmaps (bytes blue, green, red) and the drawing operations every part of the program uses.
// All stretching in the program goes through StretchDraw so that results are exact and repeatable.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace festoon {

constexpr QImage::Format kBitmapFormat = QImage::Format_BGR888;

// A new w x h 24-bit bitmap filled with black; w or h may be 0 (a null image).
[[nodiscard]] QImage MakeBitmap(int w, int h);

// The same picture as a 24-bit bitmap (a shallow copy when it already is one).
[[nodiscard]] QImage ToBitmap24(const QImage& image);

// Fills the whole bitmap with one colour.
void FillBitmap(QImage& bitmap, QRgb colour);

// A new w x h 24-bit bitmap filled with one colour.
[[nodiscard]] QImage SolidBitmap(int w, int h, QRgb colour);

// Nearest-neighbour stretch of the whole of src into dstRect of dst: destination pixel dx of the
// rectangle takes source column dx * sw / dw (integer division), rows likewise. Parts of dstRect that
// lie outside dst are clipped; dst is made 24-bit if it is not, src is read as 24-bit.
void StretchDraw(const QImage& src, QImage& dst, const QRect& dstRect);

// A new w x h 24-bit bitmap holding src stretched over the whole of it.
[[nodiscard]] QImage StretchBitmap(const QImage& src, int w, int h);

// Draws src unscaled with its top-left corner at topLeft of dst, clipped to both images; dst is made
// 24-bit if it is not.
void DrawUnscaled(const QImage& src, QImage& dst, QPoint topLeft);

// Copies srcRect of src to dst with its top-left at dstTopLeft, clipped to both images; destination
// pixels whose source lies outside src are left as they were. dst is made 24-bit if it is not; src
// and dst may be the same picture (the copy reads it as it was before).
void CopyBlock(const QImage& src, const QRect& srcRect, QImage& dst, QPoint dstTopLeft);

} // namespace festoon
