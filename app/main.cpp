// Program entry (start-up order is completed with the main window).
#include "platform/Application.h"

#include <QWidget>

int main(int argc, char** argv) {
    festoon::PreferX11Platform();
    festoon::Application app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
