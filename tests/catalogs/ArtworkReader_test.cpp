// Artwork files: the first 16 bytes never matter, short files fail with the decoder's message, and the
// thumbnail helpers read exactly the files they are asked for.
#include "catalogs/Thumbnails.h"
#include "controls/img.h"
#include "core/ArtworkReader.h"
#include "core/FileIO.h"
#include "core/JpegCodec.h"
#include "core/PlatformError.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QPainter>
#include <QRandomGenerator>
#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage GradientPicture() {
    QImage picture = SolidPicture(37, 23, qRgb(0, 0, 0));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x * 7, y * 11, (x * y) % 256));
        }
    }
    return picture;
}

QByteArray WithPrefix(QByteArray jpeg, const QByteArray& prefix) {
    jpeg.replace(0, 16, prefix);
    return jpeg;
}

} // namespace

TEST(ArtworkReader, FirstSixteenBytesNeverMatter) {
    const QByteArray jpeg = festoon::EncodeJpeg(GradientPicture(), 90);
    const QImage expected = festoon::DecodeJpeg(jpeg);

    QByteArray randomPrefix(16, '\0');
    QRandomGenerator generator(20261207);
    for (char& byte : randomPrefix) {
        byte = static_cast<char>(generator.bounded(256));
    }
    for (const QByteArray& prefix : {QByteArray(16, '\0'), randomPrefix}) {
        EXPECT_EQ(festoon::DecodeArtwork(WithPrefix(jpeg, prefix)), expected);
    }
}

TEST(ArtworkReader, ReadingLeavesTheFileAsItWas) {
    TestProgramFolder folder(false);
    folder.writeArtwork("a.ssl", GradientPicture());
    const QByteArray before = festoon::ReadWholeFile(folder.file("a.ssl"));
    const QImage picture = festoon::ReadArtworkFile(folder.file("a.ssl"));
    EXPECT_EQ(picture.size(), QSize(37, 23));
    EXPECT_EQ(festoon::ReadWholeFile(folder.file("a.ssl")), before);
}

TEST(ArtworkReader, FailuresCarryThePlatformMessages) {
    TestProgramFolder folder(false);
    folder.writeBytes("short.ssl", QByteArray(10, '\x11'));
    try {
        (void)festoon::ReadArtworkFile(folder.file("short.ssl"));
        FAIL() << "a 10-byte file decoded";
    } catch (const festoon::PlatformError& error) {
        EXPECT_TRUE(error.message().startsWith("JPEG error #")) << error.message().toStdString();
    }
    try {
        (void)festoon::ReadArtworkFile(folder.file("missing.ssl"));
        FAIL() << "a missing file decoded";
    } catch (const festoon::PlatformError& error) {
        EXPECT_EQ(error.message(), "Cannot open file " + folder.file("missing.ssl"));
    }
}

TEST(Thumbnails, NamesFollowTheLayout) {
    EXPECT_EQ(festoon::ThumbnailName(1), "Im1");
    EXPECT_EQ(festoon::ThumbnailName(3), "Im3");
    EXPECT_EQ(festoon::ThumbnailName(4), "im4");
    EXPECT_EQ(festoon::ThumbnailName(10), "im10");
    EXPECT_EQ(festoon::ThumbnailName(11), "Im11");
    EXPECT_EQ(festoon::ThumbnailName(20), "Im20");
}

TEST(Thumbnails, ArtworkPathsIgnoreLetterCaseAndKeepMissingNamesWhole) {
    TestProgramFolder folder(false);
    folder.writeArtwork("pic/Frame/1/big/3.ssl", SolidPicture(4, 4, qRgb(1, 2, 3)));
    EXPECT_EQ(festoon::ArtworkPath(folder.file("pic/frame/1/"), "BIG\\3.ssl"),
              folder.file("pic/Frame/1/big/3.ssl"));
    EXPECT_EQ(festoon::ArtworkPath(folder.file("pic/Frame/1/"), "mask\\3.ssl"),
              folder.file("pic/Frame/1/mask/3.ssl"));
}

TEST(Thumbnails, AFailingFileStopsTheFillWhereItIs) {
    TestProgramFolder folder(false);
    WriteThumbnailPage(folder, "old/", 1, 5);
    WriteThumbnailPage(folder, "new/", 2, 5);
    folder.remove("new/4.ssl");
    std::array<std::unique_ptr<TImg>, 5> owners;
    std::array<TImg*, 5> thumbnails{};
    for (size_t i = 0; i < owners.size(); ++i) {
        owners[i] = std::make_unique<TImg>();
        thumbnails[i] = owners[i].get();
    }
    festoon::FillThumbnails(folder.file("old/"), thumbnails);
    EXPECT_THROW(festoon::FillThumbnails(folder.file("new/"), thumbnails), festoon::PlatformError);
    for (int item = 1; item <= 5; ++item) {
        const int page = item < 4 ? 2 : 1;
        EXPECT_TRUE(
            Near(MiddleColour(thumbnails[static_cast<size_t>(item - 1)]->Picture()), ItemColour(page, item)))
            << "item " << item;
    }
}
