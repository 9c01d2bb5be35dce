// Program entry: the single-instance guard, the application object, the command line, the windows in
// their creation order, the recovery of an earlier card, and the event loop.
#include "app/CardRecovery.h"
#include "app/GivenFiles.h"
#include "app/Unit1.h"
#include "catalogs/Palettes.h"
#include "platform/Application.h"
#include "platform/ErrorReporting.h"
#include "platform/SingleInstance.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// The files named on the command line, as absolute paths. --help and --version answer and end here.
QStringList FilesFromCommandLine(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Decorate photos with frames, masks, cartoons, flowers and lettering."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QStringLiteral(
            "Photos to put on the card (JPEG or BMP), each as a new piece, or a card file (.ora) to open."),
        QStringLiteral("[FILE...]"));
    parser.process(app);
    QStringList files;
    for (const QString& argument : parser.positionalArguments()) {
        files.append(festoon::GivenPath(argument, QDir::currentPath()));
    }
    return files;
}

} // namespace

int main(int argc, char** argv) {
    festoon::PreferX11Platform();
    // The guard comes first, before the application object, and releases its lock when main returns.
    festoon::SingleInstanceGuard guard;
    festoon::Application app(argc, argv);
    app.setApplicationVersion(QStringLiteral(FESTOON_VERSION));
    const QStringList files = FilesFromCommandLine(app);
    if (!guard.isFirst()) {
        // The running program opens the files and comes to the front; this start shows nothing.
        if (!guard.askFirstToOpen(files) && !files.isEmpty()) {
            std::fprintf(stderr, "festoon: the running Festoon did not answer; the files were not opened\n");
            return 1;
        }
        return 0;
    }

    // A start file that cannot be read is reported ("Cannot open file ...") and the program ends.
    std::unique_ptr<TFormMain> mainWindow;
    if (!festoon::RunReportingErrors([&] { mainWindow = std::make_unique<TFormMain>(); })) {
        return 1;
    }
    CreatePalettes({mainWindow.get(), mainWindow.get(), &mainWindow->WindowDrag});
    QObject::connect(&guard, &festoon::SingleInstanceGuard::filesGiven, mainWindow.get(),
                     &TFormMain::OpenGivenFiles);
    guard.listen(mainWindow.get());

    // Closing the main window ends the program even while a palette is open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(mainWindow.get(), &TFormMain::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    mainWindow->show();
    // The card is kept recoverable from the first change on; one left by an earlier run is offered back.
    CardRecovery recovery(*mainWindow, festoon::RecoveryFilePath());
    recovery.OfferRecovery();
    // The files of the command line open once the window is up, so that a message about one shows over it.
    if (!files.isEmpty()) {
        QTimer::singleShot(0, mainWindow.get(), [&mainWindow, files] { mainWindow->OpenGivenFiles(files); });
    }
    const int exitCode = QApplication::exec();
    recovery.Flush();
    DestroyPalettes();
    return exitCode;
}
