// The plain rendering of a card, written straight from its definition: whole bitmaps, one object after
// the other, the reference blend. The banded, parallel and partial renderings are checked against it.
#pragma once

#include "core/CardRendering.h"

namespace festoon {

// The composed canvas (backdrop, then every object but the topmost) and each object's picture.
[[nodiscard]] RenderedCard RenderCardReference(const Composition& card);

} // namespace festoon
