// The artwork generator: draws every picture the program ships. Run at build time as
//   festoon_artwork <program folder> <resource folder>
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"

#include "core/PlatformError.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: festoon_artwork <program folder> <resource folder>\n");
        return 2;
    }
    const ArtworkOutput out(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    try {
        DrawMainWindowArt(out);
        DrawPaletteSkins(out);
        DrawMaskCatalog(out);
        DrawFrameCatalog(out);
        DrawCartoonCatalog(out);
        DrawFlowerCatalog(out);
        DrawBalloonCatalog(out);
    } catch (const festoon::PlatformError& error) {
        std::fprintf(stderr, "festoon_artwork: %s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "festoon_artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
