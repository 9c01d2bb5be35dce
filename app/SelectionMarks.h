// The selection marks: eight small red squares at the corners and edge middles of the selected object,
// and the turn handle above its top middle.
#pragma once

#include "core/TurnGeometry.h"

#include <QImage>
#include <QPolygon>
#include <QRect>

// Draws the marks of an object placed at `placement` into a canvas-sized 24-bit picture, clipped to both
// the object and the picture: 6 x 6 squares of red 254, green 3, blue 3, turned with the object; and
// the turn handle, a ring on a short stem above the middle of the top edge.
void DrawSelectionMarks(QImage& canvas, const festoon::Placement& placement);

// Every pixel that DrawSelectionMarks may draw for an object placed at `placement`.
[[nodiscard]] QRect SelectionMarksExtent(const festoon::Placement& placement);

// The outline of an object as it lies on the canvas: its bounds' corners, turned with it.
[[nodiscard]] QPolygon ObjectOutline(const festoon::Placement& placement);
