// Choosing the backdrop and removing a frame with Del Frame, on a 1024 x 768 screen (canvas 876 x 667).
#include "tests/app/EditingFixture.h"

#include <QPainter>

namespace {

const QSize kCanvas(876, 667);

using BackdropTest = EditingFixture;

TEST_F(BackdropTest, LargeAndSmallPicturesBothFillTheCanvas) {
    folder.writeBmp(QStringLiteral("large.bmp"), SolidPicture(1600, 1200, qRgb(10, 20, 30)));
    folder.writeBmp(QStringLiteral("small.bmp"), SolidPicture(100, 100, qRgb(30, 20, 10)));
    const TImg* photo = PlaceSolid(QRect(50, 50, 100, 100), qRgb(200, 200, 200));

    ChooseBackdrop(QStringLiteral("large.bmp"));
    EXPECT_EQ(window->ImBackDrop->Picture(),
              SolidPicture(kCanvas.width(), kCanvas.height(), qRgb(10, 20, 30)));
    ChooseBackdrop(QStringLiteral("small.bmp"));
    const QImage expected = SolidPicture(kCanvas.width(), kCanvas.height(), qRgb(30, 20, 10));
    EXPECT_EQ(window->ImBackDrop->Picture(), expected);
    EXPECT_EQ(window->CleanBackdropBmp, expected);
    EXPECT_EQ(window->ComposedBmp, expected); // recomposed over the new backdrop; the object is topmost
    EXPECT_NE(photo->Picture().pixel(0, 0), kMarkColour);
    EXPECT_EQ(window->LayerList.first(), window->ImBackDrop);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(BackdropTest, PictureIsStretchedAcrossTheWholeCanvas) {
    QImage halves = SolidPicture(100, 100, qRgb(255, 0, 0));
    QPainter(&halves).fillRect(50, 0, 50, 100, QColor(0, 0, 255));
    folder.writeBmp(QStringLiteral("halves.bmp"), halves);
    ChooseBackdrop(QStringLiteral("halves.bmp"));
    const QImage& backdrop = window->ImBackDrop->Picture();
    EXPECT_EQ(backdrop.pixel(437, 666), qRgb(255, 0, 0));
    EXPECT_EQ(backdrop.pixel(438, 0), qRgb(0, 0, 255));
}

TEST_F(BackdropTest, JpegNamedAsBitmapFailsAndLeavesTheBackdrop) {
    folder.writeJpeg(QStringLiteral("back.bmp"), SolidPicture(100, 100, qRgb(0, 255, 0)));
    const QImage backdropBefore = window->ImBackDrop->Picture();
    const QImage cleanBefore = window->CleanBackdropBmp;
    const QImage composedBefore = window->ComposedBmp;
    ChooseBackdrop(QStringLiteral("back.bmp"));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Bitmap image is not valid")});
    EXPECT_EQ(window->ImBackDrop->Picture(), backdropBefore);
    EXPECT_EQ(window->CleanBackdropBmp, cleanBefore);
    EXPECT_EQ(window->ComposedBmp, composedBefore);
}

TEST_F(BackdropTest, DelFrameRestoresTheLastChosenBackdrop) {
    folder.writeBmp(QStringLiteral("back.BMP"), SolidPicture(300, 200, qRgb(60, 70, 80)));
    const QImage chosen = SolidPicture(kCanvas.width(), kCanvas.height(), qRgb(60, 70, 80));
    PaintFrame();
    ChooseBackdrop(QStringLiteral("back.BMP")); // discards the frame
    EXPECT_EQ(window->ImBackDrop->Picture(), chosen);

    PaintFrame();
    ASSERT_NE(window->ImBackDrop->Picture(), chosen);
    Click(window->ImgBtn2);
    EXPECT_EQ(window->ImBackDrop->Picture(), chosen);
    EXPECT_EQ(window->ComposedBmp, chosen);
}

TEST_F(BackdropTest, CancelChangesNothing) {
    const qint64 backdropBefore = window->ImBackDrop->Picture().cacheKey();
    const QImage cleanBefore = window->CleanBackdropBmp;
    festoon::DialogScript::AnswerOpen(std::nullopt);
    Click(window->BtnBackDrop);
    EXPECT_EQ(window->ImBackDrop->Picture().cacheKey(), backdropBefore);
    EXPECT_EQ(window->CleanBackdropBmp, cleanBefore);
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
