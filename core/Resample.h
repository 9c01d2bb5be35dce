// Resampling a picture to another size with care for its detail, for exports: where it is reduced each
// pixel becomes the average of the area it covers (no moiré from skipped pixels), and where it is
// enlarged pixels are interpolated between their neighbours (no blocks). Each output pixel is centred
// where the program's own nearest-neighbour stretch (StretchDraw) takes its pixel from, on average, so
// that an export lays every part exactly where the canvas shows it.
#pragma once

#include <QImage>
#include <QSize>

namespace festoon {

// The picture (any format, read as a 24-bit bitmap) resampled to `size`, as a 24-bit bitmap. Each axis is
// reduced or enlarged on its own; edges repeat the outermost pixels. A null picture or an empty size gives
// a null image; so does a size there is no memory for.
[[nodiscard]] QImage ResampleBitmap(const QImage& picture, QSize size);

} // namespace festoon
