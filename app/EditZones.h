// The zones of a selected object that a press on the editing surface acts on, and the smallest size a
// resize may give.
#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

// The cursor a press at `point` would act with, for an object with `bounds`: the move cursor inside,
// the resize cursors along the right edge, the bottom edge and at their corner (six pixels wide), the
// arrow outside. Nothing on the one column and row between the move zone and the resize zones, where
// the cursor keeps its shape.
[[nodiscard]] std::optional<Qt::CursorShape> ZoneCursor(const QRect& bounds, QPoint point);

// The side a resize gives an object that started with `startSide`: never below 16 pixels, so that the
// move zone and both resize zones can still be grabbed, or below the start side when that was smaller.
[[nodiscard]] int ClampSide(int side, int startSide);
