// Blending a frame into the backdrop: the pixel work of the frame palette, without widgets.
#pragma once

#include <QImage>
#include <QSize>

namespace festoon {

// The clean backdrop, the frame and its mask, each stretched to canvasSize, blended per pixel as
// (a * backdrop + (255 - a) * frame) div 255 with a the mask pixel's luminance: white shows the
// backdrop, black the frame. Returns a new 24-bit bitmap of canvasSize.
[[nodiscard]] QImage FramedBackdrop(const QImage& cleanBackdrop, const QImage& frame, const QImage& mask,
                                    QSize canvasSize);

} // namespace festoon
