// Choosing pictures for the screen's device pixel ratio: the file drawn for the ratio where it can be
// read, the plain picture otherwise, and the layout's logical size at every ratio.
#include "core/PlatformError.h"
#include "platform/ScreenPictures.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

// A folder of pictures in memory: reading a name that is not there fails as a missing file does.
class PictureShelf {
  public:
    void Put(const QString& path, QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        pictures_.insert(path, picture);
    }
    [[nodiscard]] PictureReader Reader() {
        return [this](const QString& path) {
            reads.append(path);
            if (!pictures_.contains(path)) {
                throw PlatformError::CannotOpen(path);
            }
            return pictures_.value(path);
        };
    }
    QStringList reads;

  private:
    QHash<QString, QImage> pictures_;
};

class ScreenPicturesTest : public ::testing::Test {
  protected:
    void TearDown() override { SetPictureRatio(0); }
    PictureShelf shelf;
};

TEST(PathAtRatio, PutsTheRatioBeforeTheFilesExtension) {
    EXPECT_EQ(PathAtRatio(QStringLiteral(":/art/buttons/New_rest.bmp"), 2), ":/art/buttons/New_rest@2x.bmp");
    EXPECT_EQ(PathAtRatio(QStringLiteral("/opt/festoon/pic/mask/1/small/3.ssl"), 2),
              "/opt/festoon/pic/mask/1/small/3@2x.ssl");
    // A dot in a folder's name is no extension; a file without one takes the suffix at its end.
    EXPECT_EQ(PathAtRatio(QStringLiteral("/home/a.b/main/skin"), 2), "/home/a.b/main/skin@2x");
    EXPECT_EQ(PathAtRatio(QStringLiteral("/home/a.b/main/skin.tar.bmp"), 2),
              "/home/a.b/main/skin.tar@2x.bmp");
    EXPECT_EQ(PathAtRatio(QStringLiteral("/home/main/mainx.bmp"), 1), "/home/main/mainx.bmp");
}

TEST_F(ScreenPicturesTest, AtRatioTwoThePictureDrawnForItIsChosenWithItsRatio) {
    SetPictureRatio(2);
    shelf.Put("face.bmp", QSize(80, 33));
    shelf.Put("face@2x.bmp", QSize(160, 66));
    const QImage picture = ReadForScreen("face.bmp", shelf.Reader());
    EXPECT_EQ(picture.size(), QSize(160, 66));
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(80, 33));
    EXPECT_EQ(shelf.reads, QStringList{"face@2x.bmp"});
}

TEST_F(ScreenPicturesTest, AtRatioOneThePlainPictureIsReadEvenWhereASharperOneExists) {
    SetPictureRatio(1);
    shelf.Put("face.bmp", QSize(80, 33));
    shelf.Put("face@2x.bmp", QSize(160, 66));
    const QImage picture = ReadForScreen("face.bmp", shelf.Reader());
    EXPECT_EQ(picture.size(), QSize(80, 33));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    EXPECT_EQ(shelf.reads, QStringList{"face.bmp"});
}

TEST_F(ScreenPicturesTest, WithoutAPictureForTheRatioThePlainOneIsShownAndItsErrorsStand) {
    SetPictureRatio(2);
    shelf.Put("thumbnail.ssl", QSize(80, 80));
    const QImage picture = ReadForScreen("thumbnail.ssl", shelf.Reader());
    EXPECT_EQ(picture.size(), QSize(80, 80));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    // Neither can be read: the plain picture's error is the one the user sees.
    try {
        (void)ReadForScreen("missing.ssl", shelf.Reader());
        ADD_FAILURE() << "no error for a missing picture";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.message(), "Cannot open file missing.ssl");
    }
}

TEST_F(ScreenPicturesTest, ASkinShapesItsWindowPlainAndIsShownFittedInDevicePixels) {
    shelf.Put("skin.bmp", QSize(10, 10));
    shelf.Put("skin@2x.bmp", QSize(20, 20));
    shelf.Put("plain.bmp", QSize(10, 10));
    QList<QSize> askedFor;
    const auto fit = [&askedFor](const QImage& picture, QSize size) {
        askedFor.append(size);
        return picture.scaled(size);
    };
    SetPictureRatio(1);
    const WindowSkin plainScreen = SkinForScreen("skin.bmp", shelf.Reader(), QSize(30, 25), fit);
    EXPECT_EQ(plainScreen.plain.size(), QSize(30, 25));
    EXPECT_EQ(plainScreen.shown, plainScreen.plain);
    EXPECT_EQ(askedFor, QList<QSize>{QSize(30, 25)});

    SetPictureRatio(2);
    askedFor.clear();
    const WindowSkin sharpScreen = SkinForScreen("skin.bmp", shelf.Reader(), QSize(30, 25), fit);
    EXPECT_EQ(askedFor, QList<QSize>({QSize(30, 25), QSize(60, 50)}));
    EXPECT_EQ(sharpScreen.plain.size(), QSize(30, 25));
    EXPECT_EQ(sharpScreen.plain.devicePixelRatio(), 1.0);
    EXPECT_EQ(sharpScreen.shown.size(), QSize(60, 50));
    EXPECT_EQ(sharpScreen.shown.devicePixelRatio(), 2.0);
    // Without a skin drawn for the ratio the plain one is shown; without any the error stands.
    const WindowSkin fallback = SkinForScreen("plain.bmp", shelf.Reader(), QSize(30, 25), fit);
    EXPECT_EQ(fallback.shown, fallback.plain);
    EXPECT_THROW((void)SkinForScreen("missing.bmp", shelf.Reader(), QSize(30, 25), fit), PlatformError);
}

} // namespace
