// Rendering one canvas object over the composed picture beneath it.
#pragma once

#include <QImage>
#include <QRect>

namespace festoon {

// Scratch bitmaps shared by every rendering, so that a recomposition allocates nothing per object
// once they have grown to the largest object.
struct RenderScratch {
    QImage under; // the part of the composed picture beneath the object
    QImage layer; // the object's picture stretched to its bounds; receives the blend
    QImage mask;  // the object's mask stretched to its bounds
};

// Renders an object with the given bounds: under := composed[bounds] (black where bounds leave the
// canvas), layer := picture stretched, mask := mask stretched, then `passes` blends of layer over under.
// Returns a new bounds-sized bitmap holding the result. bounds must have positive width and height.
[[nodiscard]] QImage RenderObject(const QImage& composed, const QRect& bounds, const QImage& picture,
                                  const QImage& mask, int passes, RenderScratch& scratch);

} // namespace festoon
