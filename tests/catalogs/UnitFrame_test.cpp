// The frame palette: a frame is blended into the backdrop from the clean copy, replaced by the next,
// taken off by Del Frame and by a new backdrop, and a failing file changes nothing.
#include "app/img.h"
#include "catalogs/UnitFrame.h"
#include "core/FrameBlend.h"
#include "platform/Dialogs.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QPainter>

namespace {

// A frame item: the frame in one colour, its mask white (the opening) on the left half only.
void WriteFrame(const TestProgramFolder& folder, int item, QRgb colour) {
    folder.writeArtwork(QStringLiteral("pic/Frame/1/big/%1.ssl").arg(item), SolidPicture(80, 60, colour));
    QImage mask = SolidPicture(40, 30, qRgb(0, 0, 0));
    QPainter(&mask).fillRect(0, 0, 20, 30, Qt::white);
    folder.writeArtwork(QStringLiteral("pic/Frame/1/mask/%1.ssl").arg(item), mask);
}

class FramePaletteTest : public CanvasTest {
  protected:
    FramePaletteTest() {
        WriteFrame(folder, 3, qRgb(220, 0, 0));
        WriteFrame(folder, 5, qRgb(0, 0, 220));
        palette = new TFormFrame(mainWindow.get());
        canvas = mainWindow->CanvasSize();
    }
    QRgb LeftColour() const { return mainWindow->ImBackDrop->Picture().pixel(5, canvas.height() / 2); }
    QRgb RightColour() const {
        return mainWindow->ImBackDrop->Picture().pixel(canvas.width() - 5, canvas.height() / 2);
    }
    TFormFrame* palette = nullptr;
    QSize canvas;
};

} // namespace

TEST_F(FramePaletteTest, AFrameIsBlendedIntoTheBackdropAtTheCanvasSize) {
    const QImage clean = mainWindow->CleanBackdropBmp;
    palette->ThumbnailClick(3);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QImage framed = mainWindow->ImBackDrop->Picture();
    EXPECT_EQ(framed.size(), canvas);
    EXPECT_TRUE(Near(LeftColour(), TestProgramFolder::StartBackdrop().pixel(0, 0)));
    EXPECT_TRUE(Near(RightColour(), qRgb(220, 0, 0)));
    EXPECT_EQ(mainWindow->CleanBackdropBmp, clean);
    EXPECT_EQ(mainWindow->ComposedBmp.size(), canvas);
    EXPECT_TRUE(Near(mainWindow->ComposedBmp.pixel(canvas.width() - 5, 5), qRgb(220, 0, 0)));
}

TEST_F(FramePaletteTest, ANewFrameReplacesTheOldAndDelFrameRestores) {
    palette->ThumbnailClick(3);
    palette->ThumbnailClick(5);
    EXPECT_TRUE(Near(RightColour(), qRgb(0, 0, 220)));
    EXPECT_TRUE(Near(LeftColour(), TestProgramFolder::StartBackdrop().pixel(0, 0)));
    mainWindow->ImgBtn2Click();
    EXPECT_TRUE(Near(RightColour(), TestProgramFolder::StartBackdrop().pixel(0, 0)));
}

TEST_F(FramePaletteTest, ANewBackdropDropsTheFrameAndTheNextFrameFramesIt) {
    palette->ThumbnailClick(3);
    folder.writeBmp("backdrop.bmp", SolidPicture(50, 50, qRgb(0, 160, 0)));
    festoon::DialogScript::Begin();
    festoon::DialogScript::AnswerOpen(folder.file("backdrop.bmp"));
    mainWindow->BtnBackDropClick();
    festoon::DialogScript::End();
    EXPECT_EQ(RightColour(), qRgb(0, 160, 0));
    palette->ThumbnailClick(5);
    EXPECT_EQ(LeftColour(), qRgb(0, 160, 0));
    EXPECT_TRUE(Near(RightColour(), qRgb(0, 0, 220)));
}

TEST_F(FramePaletteTest, AFailingMaskLeavesBackdropAndCanvasAsTheyWere) {
    folder.remove("pic/Frame/1/mask/5.ssl");
    palette->ThumbnailClick(3);
    const QImage backdrop = mainWindow->ImBackDrop->Picture();
    const QImage composed = mainWindow->ComposedBmp;
    EXPECT_ANY_THROW(palette->ThumbnailClick(5));
    EXPECT_EQ(mainWindow->ImBackDrop->Picture(), backdrop);
    EXPECT_EQ(mainWindow->ComposedBmp, composed);
}

TEST_F(FramePaletteTest, APhotoStaysAboveTheFrame) {
    TImg* photo = PlaceSolidObject(1, "man1", QRect(canvas.width() - 60, 10, 50, 50), qRgb(250, 250, 0));
    photo->Mask = SolidPicture(2, 2, qRgb(128, 128, 128));
    palette->ThumbnailClick(3);
    // A grey mask mixes the photo with the framed backdrop beneath it, two passes: nearer the frame.
    const QRgb shown = photo->Picture().pixel(25, 25);
    EXPECT_GT(qRed(shown), 200);
    EXPECT_LT(qGreen(shown), 100);
}
