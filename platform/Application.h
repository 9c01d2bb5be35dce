// The application object: catches any exception that would otherwise escape an event handler.
#pragma once

#include <QApplication>

namespace festoon {

class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// On a Wayland desktop, run through XWayland (the xcb platform) unless the user chose a platform.
void PreferX11Platform();

} // namespace festoon
