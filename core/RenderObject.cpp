// Rendering an object: the part of the composed picture beneath it, its picture and mask stretched to
// its bounds, then the blend passes. The stretches and the blend go row by row, so that the blend
// finds its rows still in the processor's nearest cache.
#include "core/RenderObject.h"

#include "core/Bitmap.h"
#include "core/MaskBlendRows.h"
#include "core/StretchedRows.h"

#include <cstring>

namespace festoon {
namespace {

// Makes `bitmap` w x h and 24-bit, keeping its memory when the size already fits. The pixels are left
// as they are: every caller overwrites all of them.
void Resize(QImage& bitmap, int w, int h) {
    if (bitmap.width() != w || bitmap.height() != h || bitmap.format() != kBitmapFormat) {
        bitmap = QImage(w, h, kBitmapFormat);
    }
}

// Asks for the next under row while this one is blended: the under rows are short pieces of the much
// wider composed picture, which the processor's own prefetching picks up too late.
void Prefetch(const uchar* bytes, int count) {
    for (int offset = 0; offset < count; offset += 64) {
        __builtin_prefetch(bytes + offset);
    }
}

} // namespace

QImage RenderObject(const QImage& composedPicture, const QRect& bounds, const QImage& objectPicture,
                    const QImage& objectMask, int passes, RenderScratch& scratch) {
    const int w = bounds.width(), h = bounds.height();
    if (w <= 0 || h <= 0) {
        return QImage();
    }
    // Shallow copies taken before the scratch bitmaps change, so that passing one of them in is safe.
    const QImage composed = ToBitmap24(composedPicture), picture = objectPicture, mask = objectMask;
    Resize(scratch.under, w, h);
    Resize(scratch.mask, w, h);
    // The layer becomes the result, which the caller keeps: it gets fresh memory each time instead of
    // being blended in reused memory and then copied out.
    scratch.layer = QImage(w, h, kBitmapFormat);
    if (scratch.under.isNull() || scratch.layer.isNull() || scratch.mask.isNull()) {
        return QImage(); // no memory for an object this large
    }
    // An object inside the canvas copies its under rows in the loop below, just before they are blended.
    const bool inside = composed.rect().contains(bounds);
    if (!inside) {
        scratch.under.fill(Qt::black);
        CopyBlock(composed, bounds, scratch.under, QPoint(0, 0));
    }

    StretchedRows layerRows(ToBitmap24(picture), scratch.layer.size(), scratch.layer.rect());
    StretchedRows maskRows(ToBitmap24(mask), scratch.mask.size(), scratch.mask.rect());
    const MaskBlendRowKernel blendRow = FastestMaskBlendRow();
    uchar* underBits = scratch.under.bits();
    for (int y = 0; y < h; ++y) {
        uchar* underRow = underBits + y * scratch.under.bytesPerLine();
        if (inside) {
            std::memcpy(underRow, composed.constScanLine(bounds.top() + y) + bounds.left() * 3,
                        static_cast<size_t>(w) * 3);
            if (y + 1 < h) {
                Prefetch(composed.constScanLine(bounds.top() + y + 1) + bounds.left() * 3, w * 3);
            }
        }
        uchar* layerRow = scratch.layer.scanLine(y);
        uchar* maskRow = scratch.mask.scanLine(y);
        layerRows.Row(y, layerRow);
        maskRows.Row(y, maskRow);
        if (passes > 0) {
            blendRow(layerRow, underRow, maskRow, w, passes);
        }
    }
    return scratch.layer;
}

} // namespace festoon
