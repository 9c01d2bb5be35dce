// The frame blend: white shows the backdrop, black the frame, greys mix by the mask's luminance, and
// every picture is stretched to the canvas first.
#include "core/FrameBlend.h"
#include "tests/support/TestProgramFolder.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct BlendCase {
    QRgb mask;
    int weight; // the luminance a of the mask pixel
};

class FrameBlendWeights : public ::testing::TestWithParam<BlendCase> {};

} // namespace

TEST_P(FrameBlendWeights, EachChannelIsTheWeightedMix) {
    const QRgb backdrop = qRgb(200, 10, 90);
    const QRgb frame = qRgb(20, 250, 131);
    const int a = GetParam().weight;
    const QImage result = festoon::FramedBackdrop(SolidPicture(3, 2, backdrop), SolidPicture(5, 5, frame),
                                                  SolidPicture(1, 1, GetParam().mask), QSize(4, 3));
    ASSERT_EQ(result.size(), QSize(4, 3));
    auto mix = [a](int b, int f) { return (a * b + (255 - a) * f) / 255; };
    const QRgb expected = qRgb(mix(qRed(backdrop), qRed(frame)), mix(qGreen(backdrop), qGreen(frame)),
                               mix(qBlue(backdrop), qBlue(frame)));
    EXPECT_EQ(result.pixel(0, 0), expected);
    EXPECT_EQ(result.pixel(3, 2), expected);
}

INSTANTIATE_TEST_SUITE_P(MaskPixels, FrameBlendWeights,
                         ::testing::Values(BlendCase{qRgb(255, 255, 255), 255}, BlendCase{qRgb(0, 0, 0), 0},
                                           BlendCase{qRgb(128, 128, 128), 128},
                                           BlendCase{qRgb(255, 0, 0), 76}));

TEST(FrameBlend, WhiteGivesTheBackdropAndBlackTheFrameExactly) {
    const QImage white =
        festoon::FramedBackdrop(SolidPicture(2, 2, qRgb(9, 8, 7)), SolidPicture(2, 2, qRgb(1, 2, 3)),
                                SolidPicture(2, 2, qRgb(255, 255, 255)), QSize(2, 2));
    const QImage black =
        festoon::FramedBackdrop(SolidPicture(2, 2, qRgb(9, 8, 7)), SolidPicture(2, 2, qRgb(1, 2, 3)),
                                SolidPicture(2, 2, qRgb(0, 0, 0)), QSize(2, 2));
    EXPECT_EQ(white.pixel(1, 1), qRgb(9, 8, 7));
    EXPECT_EQ(black.pixel(1, 1), qRgb(1, 2, 3));
}

TEST(FrameBlend, FrameAndMaskOfOtherSizesAreStretchedToTheCanvas) {
    // An 800 x 600 frame, red above and blue below; a 400 x 300 mask, white on the left half.
    QImage frame = SolidPicture(800, 600, qRgb(255, 0, 0));
    QImage mask = SolidPicture(400, 300, qRgb(0, 0, 0));
    {
        QPainter frameDrawer(&frame);
        frameDrawer.fillRect(0, 300, 800, 300, QColor(0, 0, 255));
        QPainter maskDrawer(&mask);
        maskDrawer.fillRect(0, 0, 200, 300, Qt::white);
    }
    const QRgb backdrop = qRgb(0, 200, 0);
    const QImage result =
        festoon::FramedBackdrop(SolidPicture(640, 480, backdrop), frame, mask, QSize(608, 474));
    ASSERT_EQ(result.size(), QSize(608, 474));
    // Column dx takes mask column dx * 400 / 608: 303 is still in the white half, 304 is not.
    EXPECT_EQ(result.pixel(303, 10), backdrop);
    EXPECT_EQ(result.pixel(304, 10), qRgb(255, 0, 0));
    // Row dy takes frame row dy * 600 / 474: 236 is still red, 237 is blue.
    EXPECT_EQ(result.pixel(500, 236), qRgb(255, 0, 0));
    EXPECT_EQ(result.pixel(500, 237), qRgb(0, 0, 255));
}
