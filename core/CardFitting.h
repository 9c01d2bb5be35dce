// A card made on another screen, fitted to this one's canvas.
#pragma once

#include "core/Composition.h"

#include <QSize>

namespace festoon {

// The card stretched over a canvas of `canvas`, as its backdrop always is: every object's place and size
// scale with the canvas (each side at least one pixel), the backdrop and its frame are laid again at the
// new size, and names, stack and selection stay. A card of that size already comes back unchanged.
[[nodiscard]] Composition FitCardToCanvas(const Composition& card, QSize canvas);

} // namespace festoon
