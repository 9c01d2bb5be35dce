// The frame palette: a frame is blended into the backdrop from the clean copy, replaced by the next,
// taken off again and by a new backdrop, and a failing file changes nothing.
#include "catalogs/UnitFrame.h"
#include "core/CardRendering.h"
#include "core/PlatformError.h"
#include "tests/catalogs/TestCard.h"

#include <QPainter>

namespace {

// A frame item: the frame in one colour, its mask white (the opening) on the left half only.
void WriteFrame(const TestProgramFolder& folder, int item, QRgb colour) {
    folder.writeArtwork(QStringLiteral("pic/Frame/1/big/%1.ssl").arg(item), SolidPicture(80, 60, colour));
    QImage mask = SolidPicture(40, 30, qRgb(0, 0, 0));
    QPainter(&mask).fillRect(0, 0, 20, 30, Qt::white);
    folder.writeArtwork(QStringLiteral("pic/Frame/1/mask/%1.ssl").arg(item), mask);
}

const QRgb kStartColour = TestProgramFolder::StartBackdrop().pixel(0, 0);

class FramePaletteTest : public PaletteTest {
  protected:
    FramePaletteTest() {
        WriteFrame(folder, 3, qRgb(220, 0, 0));
        WriteFrame(folder, 5, qRgb(0, 0, 220));
        palette = new TFormFrame(Context());
    }
    // The backdrop as the card shows it, stretched over the canvas.
    [[nodiscard]] QImage Backdrop() const { return festoon::RenderCard(Card()).composed; }
    [[nodiscard]] QRgb LeftColour() const { return Backdrop().pixel(5, canvas.height() / 2); }
    [[nodiscard]] QRgb RightColour() const {
        return Backdrop().pixel(canvas.width() - 5, canvas.height() / 2);
    }

    TFormFrame* palette = nullptr;
    const QSize canvas = TestCard::kCanvasSize;
};

} // namespace

TEST_F(FramePaletteTest, AFrameIsBlendedIntoTheBackdropAtTheCanvasSize) {
    const QImage clean = Card().CleanBackdrop();
    palette->ThumbnailClick(3);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QImage& framed = Card().Backdrop();
    EXPECT_EQ(framed.size(), canvas);
    EXPECT_TRUE(Near(framed.pixel(5, canvas.height() / 2), kStartColour));
    EXPECT_TRUE(Near(framed.pixel(canvas.width() - 5, canvas.height() / 2), qRgb(220, 0, 0)));
    EXPECT_EQ(Card().CleanBackdrop(), clean);
    ASSERT_TRUE(Card().LaidFrame().has_value());
    EXPECT_EQ(Card().LaidFrame()->picture.size(), QSize(80, 60));
    EXPECT_EQ(Card().LaidFrame()->mask.size(), QSize(40, 30));
    const QImage saved = festoon::CardPicture(Card());
    EXPECT_EQ(saved.size(), canvas);
    EXPECT_TRUE(Near(saved.pixel(canvas.width() - 5, 5), qRgb(220, 0, 0)));
}

TEST_F(FramePaletteTest, ANewFrameReplacesTheOldAndRemovingItRestores) {
    palette->ThumbnailClick(3);
    palette->ThumbnailClick(5);
    EXPECT_TRUE(Near(RightColour(), qRgb(0, 0, 220)));
    EXPECT_TRUE(Near(LeftColour(), kStartColour));
    testCard.card.RemoveFrame(); // Del Frame
    EXPECT_TRUE(Near(RightColour(), kStartColour));
    EXPECT_FALSE(Card().LaidFrame().has_value());
}

TEST_F(FramePaletteTest, ANewBackdropDropsTheFrameAndTheNextFrameFramesIt) {
    palette->ThumbnailClick(3);
    testCard.card.SetBackdrop(SolidPicture(50, 50, qRgb(0, 160, 0)));
    EXPECT_EQ(RightColour(), qRgb(0, 160, 0));
    palette->ThumbnailClick(5);
    EXPECT_EQ(LeftColour(), qRgb(0, 160, 0));
    EXPECT_TRUE(Near(RightColour(), qRgb(0, 0, 220)));
}

TEST_F(FramePaletteTest, AFailingMaskLeavesBackdropAndCardAsTheyWere) {
    folder.remove("pic/Frame/1/mask/5.ssl");
    palette->ThumbnailClick(3);
    const festoon::Composition before = Card();
    EXPECT_THROW(palette->ThumbnailClick(5), festoon::PlatformError);
    EXPECT_EQ(Card().Backdrop(), before.Backdrop());
    EXPECT_TRUE(Card() == before) << "the card changed";
}

TEST_F(FramePaletteTest, APhotoStaysAboveTheFrame) {
    const int photo = PlacePhoto(QRect(canvas.width() - 60, 10, 50, 50), qRgb(250, 250, 0),
                                 SolidPicture(2, 2, qRgb(128, 128, 128)));
    palette->ThumbnailClick(3);
    // A grey mask mixes the photo with the framed backdrop beneath it, two passes: nearer the frame.
    const QRgb shown = RenderedPicture(photo).pixel(25, 25);
    EXPECT_GT(qRed(shown), 200);
    EXPECT_LT(qGreen(shown), 100);
}
