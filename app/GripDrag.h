// What dragging a grip does to an object: the move, the resizes from any side or corner (with their
// proportions kept on request), and the turn about the centre (in steps of 15 degrees on request).
#pragma once

#include "app/EditZones.h"

// The placement of an object that started at `start` when `grip` is dragged from `from` to `to`.
// `constrained` (Shift held) keeps the proportions of a resize and snaps a turn to 15 degrees. The
// side or corner opposite a resize handle stays where it was; an edge handle with the proportions
// kept grows the other sides evenly about the middle of that edge.
[[nodiscard]] festoon::Placement DraggedPlacement(const festoon::Placement& start, Grip grip, QPoint from,
                                                  QPoint to, bool constrained);

// The step a turn snaps to with Shift held, in degrees.
constexpr double kTurnSnap = 15;
