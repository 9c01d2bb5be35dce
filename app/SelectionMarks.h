// The selection marks: eight small red squares at the corners and edge middles of the selected object.
#pragma once

#include <QImage>
#include <QRect>

// Draws the marks of an object with `bounds` into a canvas-sized 24-bit picture, clipped to both the
// object and the picture: 6 x 6 squares of red 254, green 3, blue 3.
void DrawSelectionMarks(QImage& canvas, const QRect& bounds);
