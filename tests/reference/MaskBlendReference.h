// The plain scalar mask blend, written straight from its definition: the reference every optimised
// blend kernel is checked against, in the tests and the benchmarks.
#pragma once

#include <QImage>

namespace festoon {

// One pass of layer := ((255 - a) * under + a * layer) / 255 over the area the three share, a the mask
// pixel's luminance; all three must be 24-bit.
void MaskBlendReference(QImage& layer, const QImage& under, const QImage& mask);

} // namespace festoon
