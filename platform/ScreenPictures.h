// Pictures for the screen: where the screen has two device pixels to a logical one, the skins, button
// faces, glyphs and thumbnails are read from pictures drawn for that ratio ("name@2x.ext" beside
// "name.ext"), so that nothing on the screen is enlarged by stretching. The pictures' logical size, and
// so every window's layout, stays the same at every ratio.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace festoon {

// Reads a picture file, throwing PlatformError when it cannot.
using PictureReader = std::function<QImage(const QString& path)>;

// The device pixel ratio the pictures are chosen for: 2 on a screen of 1.5 device pixels to a logical
// one or more, else 1; or the ratio set by SetPictureRatio.
[[nodiscard]] int PictureRatio();
// Chooses the pictures for `ratio` (1 or 2) whatever the screen; 0 returns to the screen's.
void SetPictureRatio(int ratio);

// The file of the picture drawn for `ratio`: "main/mainx@2x.bmp" for "main/mainx.bmp" at 2; the path
// itself at 1.
[[nodiscard]] QString PathAtRatio(const QString& path, int ratio);

// The picture at `path` for the screen: the one drawn for PictureRatio(), with that device pixel ratio,
// where it can be read, and otherwise the picture itself (with the errors of reading it).
[[nodiscard]] QImage ReadForScreen(const QString& path, const PictureReader& read);

// A window's skin, enlarged to the window by `fit` (given the size in the picture's own pixels).
struct WindowSkin {
    QImage plain; // the picture itself at the window's logical size: it shapes the window (throws as read)
    QImage shown; // what the screen shows: the picture drawn for its ratio where there is one, else plain
};
[[nodiscard]] WindowSkin SkinForScreen(const QString& path, const PictureReader& read, QSize logicalSize,
                                       const std::function<QImage(const QImage&, QSize)>& fit);

} // namespace festoon
