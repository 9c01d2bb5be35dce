// Rendering an object: the part of the composed picture beneath it, its picture and mask stretched to
// its bounds, then the blend passes.
#include "platform/RenderObject.h"

#include "platform/Bitmap.h"
#include "platform/MaskBlend.h"

namespace festoon {
namespace {

// Makes `bitmap` w x h and 24-bit, reusing its memory when the size already fits.
void Resize(QImage& bitmap, int w, int h) {
    if (bitmap.width() != w || bitmap.height() != h || bitmap.format() != kBitmapFormat) {
        bitmap = MakeBitmap(w, h);
    }
}

} // namespace

QImage RenderObject(const QImage& composed, const QRect& bounds, const QImage& picture, const QImage& mask,
                    int passes, RenderScratch& scratch) {
    const int w = bounds.width(), h = bounds.height();
    Resize(scratch.under, w, h);
    if (!composed.rect().contains(bounds)) {
        scratch.under.fill(Qt::black);
    }
    CopyBlock(composed, bounds, scratch.under, QPoint(0, 0));
    Resize(scratch.layer, w, h);
    StretchDraw(picture, scratch.layer, QRect(0, 0, w, h));
    Resize(scratch.mask, w, h);
    StretchDraw(mask, scratch.mask, QRect(0, 0, w, h));
    for (int pass = 0; pass < passes; ++pass) {
        MaskBlend(scratch.layer, scratch.under, scratch.mask);
    }
    return scratch.layer.copy();
}

} // namespace festoon
