// Where the main window's controls sit on its 752 x 550 skin, as the window lays them out.
#pragma once

#include <QColor>
#include <QRect>

namespace art::mainwindow {

inline constexpr int kWidth = 752;
inline constexpr int kHeight = 550;
inline const QRect kCanvasPanel(114, 58, 614, 480);
inline const QRect kButtonColumn(26, 112, 80, 353);
inline const QRect kCopyButton(35, 80, 30, 30);
inline const QRect kDeleteButton(69, 80, 30, 30);
inline const QRect kWindowButtons(kWidth - 77, 14, 30, 16);
// The flat colour behind the button column; the column buttons use it as their transparent colour.
inline const QColor kColumnColour(64, 38, 23);
inline const QColor kKey(255, 0, 255);

} // namespace art::mainwindow
