// The screen size the main window fills; tests set it to try every screen headless.
#pragma once

#include <QSize>

namespace festoon {

// The primary screen's full size in pixels, or the size set by SetScreenSize.
[[nodiscard]] QSize ScreenSize();
// Overrides the screen size (an invalid size returns to the real screen).
void SetScreenSize(QSize size);

} // namespace festoon
