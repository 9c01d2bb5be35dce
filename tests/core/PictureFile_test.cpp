// Photos and backdrops: the lower-case path text decides the reader; saved files are complete.
#include "core/BmpCodec.h"
#include "core/FileIO.h"
#include "core/JpegCodec.h"
#include "core/PictureFile.h"
#include "core/PlatformError.h"
#include "tests/core/CodecTestPictures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST_F(PictureFileTest, PathTextChoosesTheReader) {
    const QImage picture = NoisePicture(9, 7, 1);
    SaveBmpFile(picture, path(QStringLiteral("PHOTO.BMP")));
    EXPECT_EQ(LoadPictureFile(path(QStringLiteral("PHOTO.BMP"))), picture);

    // A JPEG whose path contains ".bmp" goes to the bitmap reader and fails there.
    SaveJpegFile(picture, path(QStringLiteral("holiday.bmp.jpg")), 85);
    EXPECT_EQ(LoadFailure(path(QStringLiteral("holiday.bmp.jpg"))),
              QStringLiteral("Bitmap image is not valid"));

    // Any other path is read as a JPEG, whatever its extension.
    SaveJpegFile(picture, path(QStringLiteral("photo.png")), 85);
    EXPECT_EQ(LoadPictureFile(path(QStringLiteral("photo.png"))).size(), picture.size());
    SaveBmpFile(picture, path(QStringLiteral("bitmap.jpg")));
    EXPECT_TRUE(LoadFailure(path(QStringLiteral("bitmap.jpg"))).startsWith(QStringLiteral("JPEG error #")));
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
