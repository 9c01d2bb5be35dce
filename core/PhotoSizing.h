// How large a photo becomes on a card: the picture kept with the object, and the object's size.
#pragma once

#include <QRect>
#include <QSize>

namespace festoon {

// The size of a photo's kept picture on a canvas of `canvas`. A photo taller than the canvas ends up
// exactly as high as the canvas, its width in proportion even where that exceeds the canvas; a shorter
// one keeps its height and is cut to the canvas width. A very thin photo keeps at least one pixel.
[[nodiscard]] QSize PhotoSourceSize(QSize photo, QSize canvas);

// The object's size: the kept picture's proportions with the longer side 400 pixels (at least 1 x 1).
[[nodiscard]] QSize PhotoDisplaySize(QSize source);

} // namespace festoon
