// Loading a photo through the Photo button: where it lands and with which mask, the file format told by
// its content, and files that fail.
#include "tests/app/EditingFixture.h"

#include <QBuffer>

namespace {

class LoadTest : public EditingFixture {
  protected:
    // Answers the open dialog with `relative` in the program folder and clicks Photo.
    void LoadPhoto(const QString& relative) {
        festoon::DialogScript::AnswerOpen(folder.file(relative));
        Click(window->BtnLoad);
        FinishLoads();
    }
};

TEST_F(LoadTest, PhotoIsSizedForTheCanvasTopmostSelectedWithTheDefaultMask) {
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(3000, 2000, qRgb(0, 0, 255)));
    PlaceSolid(QRect(50, 50, 100, 100), qRgb(1, 1, 1));
    LoadPhoto(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const festoon::Layer& photo = LayerIn(2);
    EXPECT_EQ(photo.name, QStringLiteral("man2"));
    EXPECT_EQ(photo.picture.size(), QSize(1000, 667));
    EXPECT_EQ(photo.bounds, QRect(10, 10, 400, 266));
    EXPECT_EQ(window->Card().TopLayer()->slot, 2);
    EXPECT_EQ(window->Card().SelectedSlot(), 2);
    EXPECT_EQ(window->DragSlot, 2);
    EXPECT_EQ(photo.mask, window->DefaultMask());
    EXPECT_EQ(window->DefaultMask().size(), TestProgramFolder::StartDefaultMask().size());
    EXPECT_TRUE(ShowsMarks(2));
}

TEST_F(LoadTest, PhotoTakesTheFirstFreeSlot) {
    folder.writeJpeg(QStringLiteral("photo.jpg"), SolidPicture(300, 200, qRgb(0, 0, 255)));
    for (int i = 0; i < 3; ++i) {
        PlaceSolid(QRect(20 * i, 0, 10, 10), qRgb(9, 9, 9));
    }
    window->DeleteTopObject(); // slot 3 is free again
    LoadPhoto(QStringLiteral("photo.jpg"));
    EXPECT_EQ(LayerIn(3).name, QStringLiteral("man3"));
}

TEST_F(LoadTest, UpperCaseBmpNameIsReadAsABitmap) {
    folder.writeBmp(QStringLiteral("PHOTO.BMP"), SolidPicture(120, 80, qRgb(12, 34, 56)));
    LoadPhoto(QStringLiteral("PHOTO.BMP"));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(LayerIn(1).picture, SolidPicture(120, 80, qRgb(12, 34, 56)));
}

TEST_F(LoadTest, FileThatFailsToDecodeChangesNothing) {
    PlaceSolid(QRect(50, 50, 100, 100), qRgb(1, 1, 1));
    const festoon::Composition before = window->Card();
    const QImage shownBefore = window->ImTouMing->ShownCanvas();
    folder.writeBytes(QStringLiteral("broken.jpg"), QByteArray("not a picture at all"));
    folder.writeBytes(QStringLiteral("notes.bmp"), QByteArray("not a bitmap either"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    SolidPicture(60, 40, qRgb(0, 0, 255)).save(&buffer, "png");
    folder.writeBytes(QStringLiteral("cut.png"), png.left(png.size() / 2));

    LoadPhoto(QStringLiteral("broken.jpg"));
    LoadPhoto(QStringLiteral("notes.bmp"));
    LoadPhoto(QStringLiteral("missing.jpg"));
    LoadPhoto(QStringLiteral("cut.png"));

    ASSERT_EQ(errors.size(), 4);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("JPEG error #"))) << errors[0].toStdString();
    EXPECT_EQ(errors[1], QStringLiteral("Bitmap image is not valid"));
    EXPECT_EQ(errors[2], QStringLiteral("Cannot open file ") + folder.file(QStringLiteral("missing.jpg")));
    EXPECT_TRUE(errors[3].contains(folder.file(QStringLiteral("cut.png")))) << errors[3].toStdString();
    EXPECT_EQ(window->Card(), before);
    EXPECT_EQ(window->ImTouMing->ShownCanvas(), shownBefore);
}

TEST_F(LoadTest, ACutOutTakesItsAlphaAsItsMaskAndEveryPhotoKeepsItsFile) {
    QImage sticker(80, 60, QImage::Format_ARGB32);
    sticker.fill(qRgba(0, 0, 0, 0));
    for (int y = 10; y < 50; ++y) {
        for (int x = 20; x < 60; ++x) {
            sticker.setPixel(x, y, qRgba(250, 200, 0, 255));
        }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    sticker.save(&buffer, "png");
    folder.writeBytes(QStringLiteral("sticker.jpg"), png); // named as a JPEG, a PNG inside
    LoadPhoto(QStringLiteral("sticker.jpg"));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const festoon::Layer& cutOut = LayerIn(1);
    EXPECT_EQ(cutOut.original, png);
    ASSERT_EQ(cutOut.mask.size(), QSize(80, 60));
    EXPECT_LT(qRed(cutOut.mask.pixel(2, 2)), 16); // transparent: the card shows through
    EXPECT_EQ(cutOut.mask.pixel(40, 30), kWhite); // opaque: the sticker shows
    EXPECT_EQ(cutOut.picture.pixel(40, 30), qRgb(250, 200, 0));
}

TEST_F(LoadTest, CancelChangesNothing) {
    const festoon::Composition before = window->Card();
    festoon::DialogScript::AnswerOpen(std::nullopt);
    Click(window->BtnLoad);
    EXPECT_EQ(window->Card(), before);
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
