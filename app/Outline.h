// The rubber band's outline: a rectangle drawn as the platform's default pen and brush draw it.
#pragma once

#include <QImage>
#include <QPoint>

// Draws the rectangle from `from` to `to` with a black one-pixel border and a white solid fill, covering
// the pixels from `from` up to but not including `to` (the platform's rectangle rule); clipped to the
// bitmap. Nothing is drawn when `to` is not below and right of `from`.
void DrawOutlinedRectangle(QImage& bitmap, QPoint from, QPoint to);
