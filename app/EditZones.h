// The zones of a selected object that a press on the canvas acts on: the eight handles and the edges
// between them that resize it, the inside that moves it, and the turn handle above its top middle. A
// turned object's zones turn with it; their cursors point the way the handle pulls.
#pragma once

#include "core/TurnGeometry.h"

#include <QPoint>
#include <QRect>
#include <optional>

enum class Grip { None, Move, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight, Turn };

// The grip a press at `point` takes on an object placed at `placement`, its turn handle included when
// `turnHandle` (while the marks show). Move inside; Left, Right, Top and Bottom within six pixels of the
// edges, corners where two of those meet; None outside. Nothing on the one column and row between the
// move zone and the right and bottom zones, where the cursor keeps its shape.
[[nodiscard]] std::optional<Grip> GripAt(const festoon::Placement& placement, QPoint point, bool turnHandle);

// The cursor of a grip on an object turned by `angle` degrees.
[[nodiscard]] Qt::CursorShape GripCursor(Grip grip, double angle);

// The cursor a press at `point` would act with on an upright object with `bounds`, as GripAt finds it.
[[nodiscard]] std::optional<Qt::CursorShape> ZoneCursor(const QRect& bounds, QPoint point);

// Where the turn handle of an object sits on the canvas: above the middle of its top edge.
[[nodiscard]] QPointF TurnHandleCentre(const festoon::Placement& placement);

// The side a resize gives an object that started with `startSide`: never below 16 pixels, so that the
// move zone and both resize zones can still be grabbed, or below the start side when that was smaller.
[[nodiscard]] int ClampSide(int side, int startSide);
