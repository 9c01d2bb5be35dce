// The application object and the choice of display platform.
#include "platform/Application.h"

#include "platform/ErrorReporting.h"

namespace festoon {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("festoon"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    // The one place where a failed user action ends: reported, and the event loop goes on.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentException();
        return false;
    }
}

void PreferX11Platform() {
    // Window positions, shapes and dragging behave the same everywhere under X11 or XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

} // namespace festoon
