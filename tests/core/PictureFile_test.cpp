// Photos and backdrops: the content decides the reader, the path only the message for content of no
// known format; saved files are complete.
#include "core/BmpCodec.h"
#include "core/FileIO.h"
#include "core/JpegCodec.h"
#include "core/PictureFile.h"
#include "core/PlatformError.h"
#include "tests/core/CodecTestPictures.h"
#include "tests/support/PictureVariants.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

using namespace festoon;

namespace {

QString LoadFailure(const QString& path) {
    try {
        (void)LoadPictureFile(path);
    } catch (const PlatformError& error) {
        return error.message();
    }
    return QStringLiteral("(loaded)");
}

class PictureFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(PictureFileTest, ContentChoosesTheReaderWhateverTheName) {
    const QImage picture = NoisePicture(9, 7, 1);
    SaveBmpFile(picture, path(QStringLiteral("PHOTO.BMP")));
    EXPECT_EQ(LoadPictureFile(path(QStringLiteral("PHOTO.BMP"))), picture);

    // A JPEG whose path contains ".bmp" is read as the JPEG it is, and a bitmap named .jpg as a bitmap.
    SaveJpegFile(picture, path(QStringLiteral("holiday.bmp.jpg")), 85);
    EXPECT_EQ(LoadPictureFile(path(QStringLiteral("holiday.bmp.jpg"))).size(), picture.size());
    SaveBmpFile(picture, path(QStringLiteral("bitmap.jpg")));
    EXPECT_EQ(LoadPictureFile(path(QStringLiteral("bitmap.jpg"))), picture);
    // A PNG named .jpg opens too.
    ASSERT_TRUE(picture.save(path(QStringLiteral("sticker.jpg")), "png"));
    EXPECT_EQ(LoadPictureFile(path(QStringLiteral("sticker.jpg"))), picture);
}

TEST_F(PictureFileTest, SavedFilesHoldTheEncodedPicture) {
    const QImage picture = GradientPicture(30, 20);
    SaveJpegFile(picture, path(QStringLiteral("out.jpg")), 85);
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("out.jpg"))), EncodeJpeg(picture, 85));
    SaveBmpFile(picture, path(QStringLiteral("out.bmp")));
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("out.bmp"))), EncodeBmp(picture));
}

TEST_F(PictureFileTest, MissingFileIsReportedWithItsPath) {
    const QString missing = path(QStringLiteral("gone.jpg"));
    EXPECT_EQ(LoadFailure(missing), QStringLiteral("Cannot open file ") + missing);
    const QString unwritable = path(QStringLiteral("none/out.jpg"));
    EXPECT_THROW(SaveJpegFile(GradientPicture(4, 4), unwritable, 85), PlatformError);
}

TEST_F(PictureFileTest, FileOfNoKnownFormatIsRefusedOnItsFirstBytes) {
    for (const char* name : {"notes.bmp", "notes.jpg"}) {
        QFile text(path(QString::fromLatin1(name)));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("Dear Ann, see you on Sunday") > 0);
    }
    EXPECT_EQ(LoadFailure(path(QStringLiteral("notes.bmp"))), PlatformError::InvalidBitmap().message());
    EXPECT_EQ(LoadFailure(path(QStringLiteral("notes.jpg"))), PlatformError::Jpeg(JERR_NO_SOI).message());
    // Too short to tell: each decoder refuses it with its own message, as before.
    QFile one(path(QStringLiteral("one.jpg")));
    ASSERT_TRUE(one.open(QIODevice::WriteOnly) && one.write("\xFF", 1) == 1);
    one.close();
    EXPECT_TRUE(LoadFailure(path(QStringLiteral("one.jpg"))).startsWith(QStringLiteral("JPEG error #")));
}

TEST_F(PictureFileTest, PhotosOfEveryKindAndSizeStillLoad) {
    using festoon::testing::JpegVariant;
    const struct {
        const char* what;
        QSize size;
        JpegVariant variant;
    } photos[] = {
        {"12 MP baseline", {4000, 3000}, {92}},
        {"24 MP progressive", {6000, 4000}, {90, true}},
        {"16 MP CMYK", {4928, 3264}, {90, false, false, true}},
        {"20 MP greyscale progressive", {5472, 3648}, {90, true, true}},
        {"12 MP 4:4:4 with restart markers", {4000, 3000}, {95, false, false, false, true, 4}},
        {"48 MP baseline", {8000, 6000}, {85}},
    };
    for (const auto& photo : photos) {
        const QString file = path(QStringLiteral("photo.jpg"));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(festoon::testing::EncodeJpegVariant(
            festoon::testing::PhotoLikePicture(photo.size.width(), photo.size.height()), photo.variant));
        out.close();
        EXPECT_EQ(LoadFailure(file), QStringLiteral("(loaded)")) << photo.what;
    }
}

TEST_F(PictureFileTest, PreviewFitsTheBoxAndKnowsThePicturesSize) {
    SaveJpegFile(festoon::testing::PhotoLikePicture(1600, 1000), path(QStringLiteral("wide.jpg")), 90);
    const PreviewPicture jpeg = LoadPicturePreview(path(QStringLiteral("wide.jpg")), QSize(200, 200));
    EXPECT_EQ(jpeg.picture.size(), QSize(200, 125));
    EXPECT_EQ(jpeg.fileSize, QSize(1600, 1000));
    SaveBmpFile(NoisePicture(300, 100, 2), path(QStringLiteral("strip.bmp")));
    const PreviewPicture bmp = LoadPicturePreview(path(QStringLiteral("strip.bmp")), QSize(200, 200));
    EXPECT_EQ(bmp.picture.size(), QSize(200, 66));
    EXPECT_EQ(bmp.fileSize, QSize(300, 100));
    // The same limits as a load: a scan bomb gives no preview.
    QFile bomb(path(QStringLiteral("bomb.jpg")));
    ASSERT_TRUE(bomb.open(QIODevice::WriteOnly));
    bomb.write(festoon::testing::ProgressiveManyScans(1000, 1000, 14, 2000));
    bomb.close();
    EXPECT_THROW((void)LoadPicturePreview(path(QStringLiteral("bomb.jpg")), QSize(200, 200)), PlatformError);
}
