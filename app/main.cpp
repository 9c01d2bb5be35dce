// Program entry: the single-instance guard, the application object, the windows in their creation
// order, and the event loop.
#include "app/CardRecovery.h"
#include "app/Unit1.h"
#include "catalogs/Palettes.h"
#include "platform/Application.h"
#include "platform/ErrorReporting.h"
#include "platform/SingleInstance.h"

#include <memory>

int main(int argc, char** argv) {
    festoon::PreferX11Platform();
    // The guard comes first, before the application object, and releases its lock when main returns.
    festoon::SingleInstanceGuard guard;
    festoon::Application app(argc, argv);
    if (!guard.isFirst()) {
        guard.askFirstToShow();
        return 0;
    }

    // A start file that cannot be read is reported ("Cannot open file ...") and the program ends.
    std::unique_ptr<TFormMain> mainWindow;
    if (!festoon::RunReportingErrors([&] { mainWindow = std::make_unique<TFormMain>(); })) {
        return 1;
    }
    CreatePalettes({mainWindow.get(), mainWindow.get(), &mainWindow->WindowDrag});
    guard.listen(mainWindow.get());

    // Closing the main window ends the program even while a palette is open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(mainWindow.get(), &TFormMain::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    mainWindow->show();
    // The card is kept recoverable from the first change on; one left by an earlier run is offered back.
    CardRecovery recovery(*mainWindow, festoon::RecoveryFilePath());
    recovery.OfferRecovery();
    const int exitCode = QApplication::exec();
    recovery.Flush();
    DestroyPalettes();
    return exitCode;
}
