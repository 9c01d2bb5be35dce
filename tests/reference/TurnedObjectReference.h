// The plain turned-object rendering, pixel by pixel from its definition: the reference the turned-object
// kernel is checked against, in the tests and the benchmarks.
#pragma once

#include "core/TurnGeometry.h"

#include <QImage>

namespace festoon {

// For every pixel of ShownRect(placement): what lies beneath it in `composed` (black off the canvas);
// where LocalPixel finds a pixel (u, v) of the bounds, the picture's pixel (u·pw / w, v·ph / h) blended
// `passes` times over it through the mask's pixel found the same way. A null picture or mask is black.
[[nodiscard]] QImage RenderTurnedObjectReference(const QImage& composed, const Placement& placement,
                                                 const QImage& picture, const QImage& mask, int passes);

} // namespace festoon
