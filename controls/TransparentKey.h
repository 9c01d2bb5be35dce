// Bitmaps whose bottom-left pixel names the colour that is not painted (button faces, glyphs).
#pragma once

#include <QImage>

// Returns an ARGB copy of picture in which every pixel of the bottom-left pixel's colour is fully
// transparent; a null picture stays null.
[[nodiscard]] QImage KeyOutBottomLeftColour(const QImage& picture);
