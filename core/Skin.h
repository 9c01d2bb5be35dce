// Window skins: enlarging a skin to the screen and cutting a window's shape out of it.
#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>

namespace festoon {

// Enlarges the skin to target by repeating its middle column, then its middle row; nothing is scaled.
// A target narrower than the skin drops the middle and lets the right part overwrite the left.
[[nodiscard]] QImage StretchSkin(const QImage& skin, QSize target);

// The union of one-pixel-wide vertical strips covering each column's runs of non-key pixels. A run
// ending at a key pixel in row y covers rows runTop to y - 1; a run still open at the last row stops
// short of that row. An all-key bitmap gives an empty region.
[[nodiscard]] QRegion BitmapToRegion(const QImage& bitmap, QRgb key);

} // namespace festoon
