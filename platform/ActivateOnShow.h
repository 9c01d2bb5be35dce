// Modal dialogs take the keyboard as soon as they are shown, even where the window system does not
// activate them by itself (no window manager, offscreen); otherwise the first key typed is lost.
#pragma once

#include <QTimer>
#include <QWidget>

namespace festoon {

// Call just before exec(): the request runs once the dialog's own event loop is running.
inline void ActivateOnShow(QWidget& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.activateWindow(); });
}

} // namespace festoon
