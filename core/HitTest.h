// Which object a press lands on: the topmost one whose visible pixels lie under the pointer, that is
// whose mask is not black there (its stretched, turned and mirrored mask, as rendering finds it). Where an
// object is transparent a press reaches what lies beneath.
#pragma once

#include "core/Composition.h"

#include <QPoint>

namespace festoon {

[[nodiscard]] bool ShowsAt(const Layer& layer, QPoint pixel);

// The slot of the topmost object showing at `pixel`, or 0 over bare backdrop.
[[nodiscard]] int TopmostShownAt(const Composition& card, QPoint pixel);

} // namespace festoon
