// A card written to a card file and read back: the same card, rendered identically, written the same
// way again; files on disk replaced whole.
#include "core/CardFile.h"
#include "core/CardRendering.h"
#include "core/PlatformError.h"
#include "core/ZipReader.h"
#include "tests/cardfile/CardFileTestSupport.h"
#include "tests/core/CodecTestPictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using festoon::Composition;
using festoon::test::GreyNoise;
using festoon::test::RichCard;

struct NamedCard {
    const char* what;
    Composition card;
};

QList<NamedCard> Cards() {
    Composition cleared = RichCard();
    cleared.ClearForNewTask(QStringLiteral("not"));
    cleared.PlaceArtwork(NoisePicture(40, 40, 20), GreyNoise(40, 40, 21), 1);
    Composition full(QSize(200, 100), NoisePicture(20, 10, 22));
    for (int i = 0; i < Composition::kSlotCount; ++i) {
        full.PlaceObject(QRect(i * 4, i * 2, 30, 20), NoisePicture(6, 4, 23 + i), GreyNoise(3, 3, 80 + i));
    }
    Composition turned = RichCard();
    turned.SetAngle(turned.TopLayer()->slot, 33.25);
    turned.Mirror(turned.Layers().first().slot, false);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setItalic(true);
    const festoon::Lettering lettering{.text = QStringLiteral("two\nlines & <marks>"),
                                       .font = font,
                                       .colour = QColor(10, 20, 30),
                                       .outlineColour = QColor(200, 100, 0),
                                       .outlineWidth = 3,
                                       .shadow = true};
    turned.PlaceLettering(NoisePicture(30, 20, 40), GreyNoise(30, 20, 41), lettering);
    turned.SetAngle(turned.TopLayer()->slot, 270);
    return {{"rich", RichCard()},
            {"turned, mirrored and lettered", turned},
            {"cleared for a new task", cleared},
            {"only a backdrop", Composition(QSize(64, 48), NoisePicture(7, 5, 24))},
            {"every slot in use", full}};
}

TEST(CardFileRoundTripTest, TheRichCardHasEveryStateAFileMustKeep) {
    const Composition card = RichCard();
    EXPECT_EQ(card.SlotName(2), QStringLiteral("x2"));
    EXPECT_EQ(card.LayerInSlot(2), nullptr);
    EXPECT_TRUE(card.LaidFrame().has_value());
    EXPECT_EQ(card.TopLayer()->blendPasses, 1);
    EXPECT_NE(card.CleanBackdrop(), card.Backdrop());
}

TEST(CardFileRoundTripTest, EveryCardReadsBackEqualRendersIdenticallyAndWritesTheSameBytes) {
    for (const auto& [what, card] : Cards()) {
        SCOPED_TRACE(what);
        const QByteArray file = festoon::EncodeCardFile(card);
        const Composition read = festoon::DecodeCardFile(file);
        EXPECT_TRUE(read == card);
        const festoon::RenderedCard shown = festoon::RenderCard(read);
        const festoon::RenderedCard expected = festoon::RenderCard(card);
        EXPECT_EQ(shown.composed, expected.composed);
        EXPECT_EQ(shown.pictures, expected.pictures);
        EXPECT_EQ(festoon::CardPicture(read), festoon::CardPicture(card));
        EXPECT_EQ(festoon::EncodeCardFile(read), file);
    }
}

TEST(CardFileRoundTripTest, AFileOfTheFirstVersionOpensWithItsObjectsUpright) {
    const Composition card = RichCard();
    const festoon::ZipReader zip = festoon::ZipReader::FromBytes(festoon::EncodeCardFile(card));
    QString stack = QString::fromUtf8(zip.Read(QStringLiteral("stack.xml"), 1 << 20));
    ASSERT_TRUE(stack.contains(QStringLiteral("festoon:version=\"2\"")));
    ASSERT_FALSE(stack.contains(QStringLiteral("festoon:angle")));
    stack.replace(QStringLiteral("festoon:version=\"2\""), QStringLiteral("festoon:version=\"1\""));
    EXPECT_TRUE(festoon::DecodeCardFile(festoon::test::Replaced(
                    festoon::EncodeCardFile(card), QStringLiteral("stack.xml"), stack.toUtf8())) == card);
}

TEST(CardFileRoundTripTest, APictureSharedByObjectsIsStoredOnceAndSharedAgainWhenRead) {
    Composition card(QSize(100, 100), NoisePicture(10, 10, 30));
    const QImage photo = NoisePicture(50, 50, 31);
    const QImage mask = GreyNoise(50, 50, 32);
    card.PlaceObject(QRect(0, 0, 50, 50), photo, mask);
    card.CopyTop();
    card.CopyTop();
    const QByteArray file = festoon::EncodeCardFile(card);
    const QStringList own =
        festoon::ZipReader::FromBytes(file).Names().filter(QStringLiteral("festoon/"), Qt::CaseSensitive);
    EXPECT_EQ(own.size(), 2); // the picture and the mask; the clean backdrop is the backdrop's layer
    const Composition read = festoon::DecodeCardFile(file);
    EXPECT_EQ(read.Layers()[0].picture.constBits(), read.Layers()[2].picture.constBits());
}

TEST(CardFileRoundTripTest, PhotosKeepTheirFilesByteForByteOncePerFileAndOlderFilesOpenWithout) {
    Composition card(QSize(100, 100), NoisePicture(10, 10, 33));
    const QByteArray original = festoon::test::Png(NoisePicture(300, 200, 34));
    card.PlacePhoto(NoisePicture(300, 200, 34), GreyNoise(8, 8, 35), original);
    card.CopyTop();
    const QByteArray file = festoon::EncodeCardFile(card);
    const festoon::ZipReader zip = festoon::ZipReader::FromBytes(file);
    EXPECT_EQ(zip.Names().filter(QStringLiteral("festoon/original-")).size(), 1);
    const Composition read = festoon::DecodeCardFile(file);
    ASSERT_EQ(read.Layers().size(), 2);
    EXPECT_EQ(read.Layers()[0].original, original);
    EXPECT_EQ(read.Layers()[1].original, original);
    // A file written before photos kept their files: the same card, without them.
    QByteArray stack = zip.Read(QStringLiteral("stack.xml"), 1 << 20);
    stack.replace(" festoon:original=\"festoon/original-1\"", "");
    const Composition older = festoon::DecodeCardFile(
        festoon::test::Replaced(festoon::test::Replaced(file, QStringLiteral("stack.xml"), stack),
                                QStringLiteral("festoon/original-1"), {}));
    EXPECT_TRUE(older.Layers()[0].original.isEmpty());
    EXPECT_EQ(older.Layers()[0].picture, card.Layers()[0].picture);
    // A kept file that is no picture is damage.
    EXPECT_THROW((void)festoon::DecodeCardFile(festoon::test::Replaced(
                     file, QStringLiteral("festoon/original-1"), "no picture at all")),
                 festoon::PlatformError);
}

TEST(CardFileRoundTripTest, AWriterThatKeepsThePngsOfTheLastCardWritesWhatAFreshOneWrites) {
    festoon::CardFileWriter writer;
    Composition card = RichCard();
    const std::function<void(Composition&)> edits[] = {
        [](Composition& c) { c.SetBounds(c.TopLayer()->slot, QRect(3, 4, 50, 60)); },
        [](Composition& c) { c.SetBounds(c.TopLayer()->slot, QRect(3, 4, 51, 60)); },
        [](Composition& c) { c.MaskPhoto(GreyNoise(9, 9, 40)); },
        [](Composition& c) { c.SelectAndRaise(4); },
        [](Composition& c) { c.DeleteTop(); },
        [](Composition& c) { c.RemoveFrame(); },
        [](Composition& c) { c.SetBackdrop(NoisePicture(5, 5, 41)); },
    };
    for (const auto& edit : edits) {
        (void)writer.Encode(card);
        edit(card);
        EXPECT_EQ(writer.Encode(card), festoon::EncodeCardFile(card));
    }
}

TEST(CardFileRoundTripTest, AFileOnDiskIsReplacedWholeAndAFailedWriteLeavesNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("card.ora"));
    festoon::WriteCardFile(Composition(QSize(30, 20), NoisePicture(3, 2, 33)), path);
    const Composition card = RichCard();
    festoon::WriteCardFile(card, path);
    EXPECT_TRUE(festoon::ReadCardFile(path) == card);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("card.ora")});

    const QString unwritable = folder.filePath(QStringLiteral("missing/card.ora"));
    EXPECT_THROW(festoon::WriteCardFile(card, unwritable), festoon::PlatformError);
    EXPECT_FALSE(QFile::exists(unwritable));
    EXPECT_THROW((void)festoon::EncodeCardFile(Composition()), festoon::PlatformError);
}

} // namespace
