// The application object: catches any exception that would otherwise escape an event handler.
#pragma once

#include <QApplication>

namespace festoon {

class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The program's name as people see it: window titles and message boxes. It is not set as Qt's display name,
// which the window system would append to every title ("Festoon – Masks — Festoon").
inline QString ProgramName() {
    return QStringLiteral("Festoon");
}

// On a Wayland desktop, run through XWayland (the xcb platform) unless the user chose a platform.
void PreferX11Platform();

} // namespace festoon
