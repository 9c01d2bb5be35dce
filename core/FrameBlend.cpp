// The frame blend, expressed through the canvas's mask blend with the backdrop as the layer.
#include "core/FrameBlend.h"

#include "core/Bitmap.h"
#include "core/MaskBlend.h"

namespace festoon {

QImage FramedBackdrop(const QImage& cleanBackdrop, const QImage& frame, const QImage& mask,
                      QSize canvasSize) {
    const int width = canvasSize.width();
    const int height = canvasSize.height();
    QImage result = StretchBitmap(cleanBackdrop, width, height);
    const QImage stretchedFrame = StretchBitmap(frame, width, height);
    const QImage stretchedMask = StretchBitmap(mask, width, height);
    MaskBlend(result, stretchedFrame, stretchedMask);
    return result;
}

} // namespace festoon
