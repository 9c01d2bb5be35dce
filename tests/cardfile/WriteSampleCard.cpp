// Writes a card file and its finished picture as a BMP, for checks by readers outside the program.
// Usage: festoon_sample_card <card.ora> <picture.bmp>; the card's folder is made if need be.
#include "core/CardFile.h"
#include "core/CardRendering.h"
#include "core/PictureFile.h"
#include "core/PlatformError.h"
#include "tests/cardfile/CardFileTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <card.ora> <picture.bmp>\n", argv[0]);
        return 2;
    }
    try {
        const festoon::Composition card = festoon::test::RichCard();
        QDir().mkpath(QFileInfo(QString::fromLocal8Bit(argv[1])).path());
        festoon::WriteCardFile(card, QString::fromLocal8Bit(argv[1]));
        festoon::SaveBmpFile(festoon::CardPicture(card), QString::fromLocal8Bit(argv[2]));
    } catch (const festoon::PlatformError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
