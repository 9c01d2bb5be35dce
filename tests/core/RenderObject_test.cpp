// Rendering one object over the composed picture: what lies beneath, stretching, passes, and objects
// that reach past the canvas.
#include "core/Bitmap.h"
#include "core/MaskBlend.h"
#include "core/RenderObject.h"
#include "tests/core/RandomBitmap.h"
#include "tests/reference/MaskBlendReference.h"

#include <gtest/gtest.h>

#include <random>

namespace festoon {
namespace {

constexpr QRgb kBlack = 0xFF000000;

class RenderObjectTest : public testing::Test {
  protected:
    std::mt19937 random{99};
    QImage composed = RandomBitmap(60, 40, random);
    RenderScratch scratch;
};

TEST_F(RenderObjectTest, WhiteMaskShowsThePictureStretchedToTheBounds) {
    const QImage picture = RandomBitmap(7, 13, random);
    const QImage result = RenderObject(composed, QRect(5, 6, 21, 17), picture,
                                       SolidBitmap(3, 3, qRgb(255, 255, 255)), 2, scratch);
    EXPECT_EQ(result, StretchBitmap(picture, 21, 17));
}

TEST_F(RenderObjectTest, BlackMaskShowsTheComposedPictureBeneath) {
    const QRect bounds(10, 4, 30, 20);
    for (int passes = 1; passes <= 2; ++passes) {
        const QImage result = RenderObject(composed, bounds, RandomBitmap(9, 9, random),
                                           SolidBitmap(2, 2, qRgb(0, 0, 0)), passes, scratch);
        EXPECT_EQ(result, composed.copy(bounds)) << passes << " passes";
    }
}

TEST_F(RenderObjectTest, PassesBlendTheSameUnderAndMaskEachTime) {
    const QRect bounds(3, 2, 33, 19);
    const QImage picture = RandomBitmap(50, 30, random);
    const QImage mask = RandomBitmap(11, 40, random);
    QImage expected = StretchBitmap(picture, 33, 19);
    const QImage under = composed.copy(bounds);
    const QImage stretchedMask = StretchBitmap(mask, 33, 19);
    MaskBlendReference(expected, under, stretchedMask);
    MaskBlendReference(expected, under, stretchedMask);
    EXPECT_EQ(RenderObject(composed, bounds, picture, mask, 2, scratch), expected);
}

// An enlarged picture repeats source rows; each repeated row must be blended from the stretched
// picture, not from the row above after that row was blended.
TEST_F(RenderObjectTest, EnlargedPictureBlendsEveryRowFromThePicture) {
    const QRect bounds(4, 3, 40, 30);
    const QImage picture = RandomBitmap(10, 7, random);
    const QImage mask = RandomBitmap(17, 23, random);
    QImage expected = StretchBitmap(picture, 40, 30);
    const QImage under = composed.copy(bounds);
    const QImage stretchedMask = StretchBitmap(mask, 40, 30);
    MaskBlendReference(expected, under, stretchedMask);
    MaskBlendReference(expected, under, stretchedMask);
    EXPECT_EQ(RenderObject(composed, bounds, picture, mask, 2, scratch), expected);
}

TEST_F(RenderObjectTest, ScratchBitmapsReusedForObjectsOfOtherSizes) {
    const QImage big = RenderObject(composed, QRect(0, 0, 50, 30), RandomBitmap(5, 5, random),
                                    SolidBitmap(1, 1, qRgb(255, 255, 255)), 2, scratch);
    const QImage picture = RandomBitmap(5, 5, random);
    const QImage small = RenderObject(composed, QRect(1, 1, 8, 6), picture,
                                      SolidBitmap(1, 1, qRgb(255, 255, 255)), 2, scratch);
    EXPECT_EQ(small, StretchBitmap(picture, 8, 6));
    EXPECT_EQ(big.size(), QSize(50, 30)); // the first result is a picture of its own

    // A scratch bitmap may itself be the picture rendered next.
    const QImage again = RenderObject(composed, QRect(0, 0, 16, 12), scratch.layer,
                                      SolidBitmap(1, 1, qRgb(255, 255, 255)), 1, scratch);
    EXPECT_EQ(again, StretchBitmap(small, 16, 12));
}

TEST_F(RenderObjectTest, MissingPictureOrMaskCountsAsBlack) {
    const QRect bounds(2, 2, 10, 10);
    EXPECT_EQ(RenderObject(composed, bounds, QImage(), SolidBitmap(1, 1, qRgb(255, 255, 255)), 1, scratch),
              SolidBitmap(10, 10, kBlack));
    EXPECT_EQ(RenderObject(composed, bounds, RandomBitmap(4, 4, random), QImage(), 1, scratch),
              composed.copy(bounds));
}

TEST_F(RenderObjectTest, EmptyBoundsGiveNoPicture) {
    EXPECT_TRUE(RenderObject(composed, QRect(5, 5, 0, 9), composed, composed, 2, scratch).isNull());
    EXPECT_TRUE(RenderObject(composed, QRect(5, 5, 9, -3), composed, composed, 2, scratch).isNull());
}

// Objects reaching past each edge and corner of the 60 x 40 canvas, and one wholly outside it.
class RenderObjectOutsideTest : public RenderObjectTest, public testing::WithParamInterface<QPoint> {};

TEST_P(RenderObjectOutsideTest, UnderIsBlackOutsideTheCanvas) {
    const QRect bounds(GetParam(), QSize(24, 18));
    const QImage result = RenderObject(composed, bounds, RandomBitmap(6, 6, random),
                                       SolidBitmap(1, 1, qRgb(0, 0, 0)), 2, scratch);
    ASSERT_EQ(result.size(), bounds.size());
    for (int y = 0; y < bounds.height(); ++y) {
        for (int x = 0; x < bounds.width(); ++x) {
            const QPoint onCanvas = bounds.topLeft() + QPoint(x, y);
            const QRgb expected = composed.rect().contains(onCanvas) ? composed.pixel(onCanvas) : kBlack;
            ASSERT_EQ(result.pixel(x, y), expected) << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EdgesAndCorners, RenderObjectOutsideTest,
                         testing::Values(QPoint(-10, 10), QPoint(50, 10), QPoint(20, -9), QPoint(20, 30),
                                         QPoint(-10, -9), QPoint(50, -9), QPoint(-10, 30), QPoint(50, 30),
                                         QPoint(70, 50)));

} // namespace
} // namespace festoon
