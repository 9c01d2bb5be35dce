// Rendering one canvas object over the composed picture beneath it.
#pragma once

#include <QImage>
#include <QRect>

namespace festoon {

// Scratch bitmaps shared by every rendering; under and mask keep their memory from one object of a
// size to the next.
struct RenderScratch {
    QImage under; // the part of the composed picture beneath the object
    QImage layer; // the object's picture stretched to its bounds; receives the blend and is returned
    QImage mask;  // the object's mask stretched to its bounds
};

// Renders an object with the given bounds: under := composed[bounds] (black where bounds leave the
// canvas), layer := picture stretched, mask := mask stretched, then `passes` blends of layer over under.
// Returns a new bounds-sized bitmap holding the result; an empty bounds gives a null image. A null
// picture or mask counts as black. The result shares its pixels with scratch.layer
// until the next rendering; writing to either detaches it as usual.
[[nodiscard]] QImage RenderObject(const QImage& composed, const QRect& bounds, const QImage& picture,
                                  const QImage& mask, int passes, RenderScratch& scratch);

} // namespace festoon
