// Exports rendered afresh at their size: at the canvas size they look like the saved picture, and at
// three times it a photo's fine detail survives that the canvas cannot hold.
#include "core/CardExport.h"
#include "core/CardRendering.h"
#include "core/JpegCodec.h"
#include "core/PictureDecoding.h"
#include "tests/support/PictureVariants.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

// Gentle waves of colour, with nothing sharp in them: a photo's sky, skin and lawns.
QImage SmoothPicture(int w, int h, double phase) {
    QImage picture(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
            row[x * 3 + 0] = static_cast<uchar>(128 + 90 * std::sin(6 * u + phase));
            row[x * 3 + 1] = static_cast<uchar>(128 + 90 * std::cos(5 * v + 2 * u));
            row[x * 3 + 2] = static_cast<uchar>(128 + 90 * std::sin(4 * (u + v) + phase));
        }
    }
    return picture;
}

QImage WhiteMask() {
    QImage mask(4, 4, QImage::Format_BGR888);
    mask.fill(Qt::white);
    return mask;
}

// The largest difference between the means of corresponding 8 x 8 blocks, over every channel.
double LargestBlockMeanDifference(const QImage& a, const QImage& b) {
    double largest = 0;
    for (int by = 0; by + 8 <= a.height(); by += 8) {
        for (int bx = 0; bx + 8 <= a.width(); bx += 8) {
            for (int channel = 0; channel < 3; ++channel) {
                int sumA = 0, sumB = 0;
                for (int y = by; y < by + 8; ++y) {
                    for (int x = bx; x < bx + 8; ++x) {
                        sumA += a.constScanLine(y)[x * 3 + channel];
                        sumB += b.constScanLine(y)[x * 3 + channel];
                    }
                }
                largest = std::max(largest, std::abs(sumA - sumB) / 64.0);
            }
        }
    }
    return largest;
}

// A card of every kind of part: a backdrop and two photos kept with their files, artwork at full size
// placed at a third of it, lettering, and a frame; the photos' masks as large as the default mask.
Composition EveryKindOfPart(QSize canvas) {
    const QByteArray backdrop = EncodeJpeg(SmoothPicture(1600, 1000, 0.5), 95);
    Composition card(canvas, DecodeKeptPicture(backdrop, {}).picture);
    card.SetBackdrop(DecodeKeptPicture(backdrop, canvas).picture, backdrop);
    for (const double phase : {1.0, 2.5}) {
        const QByteArray photo = EncodeJpeg(SmoothPicture(2400, 1600, phase), 95);
        card.PlacePhoto(DecodeKeptPicture(photo, canvas).picture, festoon::testing::SoftOvalMask(800, 600),
                        photo);
        card.SetBounds(card.SelectedSlot(),
                       QRect(QPoint(40 + static_cast<int>(phase * 60), 30), QSize(400, 267)));
    }
    card.PlaceArtwork(SmoothPicture(360, 240, 4.0), festoon::testing::SoftOvalMask(360, 240), 3);
    card.PlaceObject(QRect(300, 200, 200, 80), SmoothPicture(200, 80, 5.0),
                     festoon::testing::SoftOvalMask(200, 80));
    card.SetAngle(card.SelectedSlot(), 30); // exports turn it as the canvas does
    card.Mirror(card.SelectedSlot(), true);
    card.LayFrame(SmoothPicture(500, 300, 3.0), festoon::testing::SoftOvalMask(500, 300));
    return card;
}

} // namespace

TEST(CardExport, AtTheCanvasSizeItLooksLikeTheSavedPicture) {
    const Composition card = EveryKindOfPart(QSize(640, 400));
    const QImage saved = CardPicture(card);
    const QImage exported = RenderCardAt(card, card.CanvasSize());
    ASSERT_EQ(exported.size(), saved.size());
    EXPECT_LE(LargestBlockMeanDifference(exported, saved), 2.0);
}

TEST(CardExport, AtThreeTimesAPhotosTwoPixelStripesAreResolved) {
    // Stripes two pixels wide across a 6000 x 4000 photo laid over the whole card.
    QImage stripes(6000, 4000, QImage::Format_BGR888);
    for (int y = 0; y < stripes.height(); ++y) {
        uchar* row = stripes.scanLine(y);
        for (int x = 0; x < stripes.width(); ++x) {
            row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = (x / 2) % 2 == 0 ? 20 : 235;
        }
    }
    const QByteArray photo = EncodeJpeg(stripes, 95);
    const QSize canvas(1920, 1080);
    Composition card(canvas, SmoothPicture(64, 36, 0));
    card.PlacePhoto(DecodeKeptPicture(photo, canvas).picture, WhiteMask(), photo);
    card.SetBounds(card.SelectedSlot(), QRect(QPoint(0, 0), canvas));

    const QSize size = ExportSizeForLongSide(canvas, 3 * canvas.width());
    const QImage exported = RenderCardAt(card, size);
    ASSERT_EQ(exported.size(), QSize(5760, 3240));
    // The 6000 stripes' period of 4 pixels becomes 3.84: a row has a dark-to-light turn every 3.84 pixels,
    // each with almost the full contrast.
    const auto count = [](const QImage& picture, int y, int from, int to) {
        int turns = 0, strongTurns = 0;
        const uchar* row = picture.constScanLine(y);
        for (int x = from + 1; x < to; ++x) {
            const bool rising = row[x * 3] > 128 && row[(x - 1) * 3] <= 128;
            turns += rising;
            strongTurns += rising && row[x * 3] - row[(x - 1) * 3] > 80;
        }
        return std::pair(turns, strongTurns);
    };
    const auto [turns, strong] = count(exported, 1600, 1000, 2000);
    EXPECT_NEAR(turns, 1000 / 3.84, 8);
    EXPECT_GT(strong, turns * 3 / 4);
    // The saved picture cannot hold them: what it shows has another period altogether.
    const QImage saved = CardPicture(card);
    const auto [savedTurns, savedStrong] = count(saved, 500, 300, 1300);
    EXPECT_GT(std::abs(savedTurns - 1000 / (4 / 3.125)), 50) << savedTurns << " " << savedStrong;
}

TEST(CardExport, SizesKeepTheCardsProportions) {
    const QSize card(1772, 979);
    EXPECT_EQ(ExportSizeForLongSide(card, 5316), QSize(5316, 2937));
    EXPECT_EQ(ExportSizeForLongSide(QSize(979, 1772), 5316), QSize(2937, 5316));
    EXPECT_EQ(ExportSizeForLongSide(QSize(4000, 1), 100), QSize(100, 1));
    // A4 (297 x 210 mm) at 300 dpi is 3508 x 2480 pixels; the wide card is held by the paper's length, a
    // tall one by its height, the paper turned to suit.
    EXPECT_EQ(ExportSizeForPaper(card, QSizeF(210, 297), 300), QSize(3508, 1938));
    EXPECT_EQ(ExportSizeForPaper(QSize(1000, 1000), QSizeF(210, 297), 300), QSize(2480, 2480));
    EXPECT_EQ(ExportSizeForPaper(QSize(600, 1000), QSizeF(100, 150), 300).height(), 1772);
    // Bounds scale edge by edge, so that objects side by side stay side by side.
    EXPECT_EQ(ExportBounds(QRect(10, 20, 30, 40), QSize(100, 100), QSize(300, 300)), QRect(30, 60, 90, 120));
    EXPECT_EQ(ExportBounds(QRect(1, 1, 1, 1), QSize(100, 100), QSize(40, 40)).size(), QSize(1, 1));
}

TEST(CardExport, CancellingStopsTheRender) {
    const Composition card = EveryKindOfPart(QSize(320, 200));
    DecodeControl control;
    control.cancelled = true;
    EXPECT_THROW((void)RenderCardAt(card, QSize(960, 600), &control), DecodeCancelled);
    DecodeControl running;
    EXPECT_EQ(RenderCardAt(card, QSize(960, 600), &running).size(), QSize(960, 600));
    EXPECT_EQ(running.progress.load(), 999);
}
