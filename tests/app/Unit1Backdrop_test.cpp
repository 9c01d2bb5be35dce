// Choosing the backdrop and removing a frame with Del Frame, on a 1024 x 768 screen (canvas 876 x 667).
#include "core/FileIO.h"
#include "tests/app/EditingFixture.h"

#include <QPainter>

namespace {

const QSize kCanvas(876, 667);

using BackdropTest = EditingFixture;

QImage Filled(QRgb colour) {
    return SolidPicture(kCanvas.width(), kCanvas.height(), colour);
}

TEST_F(BackdropTest, LargeAndSmallPicturesBothFillTheCanvas) {
    folder.writeBmp(QStringLiteral("large.bmp"), SolidPicture(1600, 1200, qRgb(10, 20, 30)));
    folder.writeBmp(QStringLiteral("small.bmp"), SolidPicture(100, 100, qRgb(30, 20, 10)));
    const int photo = PlaceSolid(QRect(50, 50, 100, 100), qRgb(200, 200, 200));

    ChooseBackdrop(QStringLiteral("large.bmp"));
    EXPECT_EQ(window->Card().Backdrop(), Filled(qRgb(10, 20, 30)));
    ChooseBackdrop(QStringLiteral("small.bmp"));
    EXPECT_EQ(window->Card().Backdrop(), Filled(qRgb(30, 20, 10)));
    EXPECT_EQ(window->Card().CleanBackdrop(), Filled(qRgb(30, 20, 10)));
    // Recomposed over the new backdrop; the object is topmost, without its marks.
    EXPECT_EQ(window->RenderedCard().composed, Filled(qRgb(30, 20, 10)));
    EXPECT_EQ(Shown({0, 0}), qRgb(30, 20, 10));
    EXPECT_FALSE(ShowsMarks(photo));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(BackdropTest, PictureIsStretchedAcrossTheWholeCanvas) {
    QImage halves = SolidPicture(100, 100, qRgb(255, 0, 0));
    QPainter(&halves).fillRect(50, 0, 50, 100, QColor(0, 0, 255));
    folder.writeBmp(QStringLiteral("halves.bmp"), halves);
    ChooseBackdrop(QStringLiteral("halves.bmp"));
    EXPECT_EQ(Shown({437, 666}), qRgb(255, 0, 0));
    EXPECT_EQ(Shown({438, 0}), qRgb(0, 0, 255));
}

TEST_F(BackdropTest, AJpegNamedAsABitmapIsReadAsTheJpegItIsAndTextAsABitmapFails) {
    folder.writeJpeg(QStringLiteral("back.bmp"), SolidPicture(100, 100, qRgb(0, 255, 0)));
    ChooseBackdrop(QStringLiteral("back.bmp"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(window->Card().BackdropOriginal(),
              festoon::ReadWholeFile(folder.file(QStringLiteral("back.bmp"))));
    const QColor shown = QColor(Shown({300, 300}));
    EXPECT_NEAR(shown.green(), 255, 4);
    EXPECT_NEAR(shown.red(), 0, 4);

    folder.writeBytes(QStringLiteral("text.bmp"), QByteArray("no bitmap here"));
    const festoon::Composition before = window->Card();
    const QImage shownBefore = window->ImTouMing->ShownCanvas();
    ChooseBackdrop(QStringLiteral("text.bmp"));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Bitmap image is not valid")});
    EXPECT_EQ(window->Card(), before);
    EXPECT_EQ(window->ImTouMing->ShownCanvas(), shownBefore);
}

TEST_F(BackdropTest, DelFrameRestoresTheLastChosenBackdrop) {
    folder.writeBmp(QStringLiteral("back.BMP"), SolidPicture(300, 200, qRgb(60, 70, 80)));
    LayFrame();
    ChooseBackdrop(QStringLiteral("back.BMP")); // discards the frame
    EXPECT_EQ(window->Card().Backdrop(), Filled(qRgb(60, 70, 80)));

    LayFrame();
    EXPECT_EQ(Shown({10, 10}), qRgb(150, 90, 20));
    Click(window->ImgBtn2);
    EXPECT_EQ(window->Card().Backdrop(), Filled(qRgb(60, 70, 80)));
    EXPECT_EQ(window->ImTouMing->ShownCanvas(),
              Filled(qRgb(60, 70, 80)).convertToFormat(QImage::Format_RGB32));
}

TEST_F(BackdropTest, CancelChangesNothing) {
    const festoon::Composition before = window->Card();
    festoon::DialogScript::AnswerOpen(std::nullopt);
    Click(window->BtnBackDrop);
    EXPECT_EQ(window->Card(), before);
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
