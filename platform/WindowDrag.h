// The state of dragging a borderless window by its background. The frame, cartoon and flower palettes
// share the main window's, so a drag begun on one of them and ended on another ends both.
#pragma once

#include <QPoint>

namespace festoon {

struct WindowDrag {
    bool dragging = false;
    QPoint anchor; // where the pointer took hold, in the window's own coordinates
};

} // namespace festoon
