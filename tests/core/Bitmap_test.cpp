// Bitmap helpers: exact nearest-neighbour source choice, and clipping of every drawing operation.
#include "core/Bitmap.h"

#include <gtest/gtest.h>

namespace festoon {
namespace {

constexpr QRgb kUntouched = 0xFF123456;

// A bitmap whose every pixel is distinct, so that a drawn pixel tells which source pixel it came from.
QImage NumberedBitmap(int w, int h, QImage::Format format = kBitmapFormat) {
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
        }
    }
    return image;
}

struct StretchCase {
    QSize source;
    QRect target; // in a 40 x 30 destination
};

class StretchDrawTest : public testing::TestWithParam<StretchCase> {};

// Every destination pixel inside the target rectangle takes source (dx * sw / dw, dy * sh / dh);
// every pixel outside it is left alone.
TEST_P(StretchDrawTest, PicksTheExactSourcePixelAndClips) {
    const StretchCase c = GetParam();
    const QImage source = NumberedBitmap(c.source.width(), c.source.height());
    QImage dst = SolidBitmap(40, 30, kUntouched);
    StretchDraw(source, dst, c.target);
    for (int y = 0; y < dst.height(); ++y) {
        for (int x = 0; x < dst.width(); ++x) {
            QRgb expected = kUntouched;
            if (c.target.contains(x, y)) {
                const qint64 dx = x - c.target.left(), dy = y - c.target.top();
                expected = source.pixel(static_cast<int>(dx * source.width() / c.target.width()),
                                        static_cast<int>(dy * source.height() / c.target.height()));
            }
            ASSERT_EQ(dst.pixel(x, y), expected) << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StretchDrawTest,
    testing::Values(StretchCase{{7, 5}, {0, 0, 40, 30}},     // enlarge
                    StretchCase{{97, 61}, {0, 0, 40, 30}},   // shrink
                    StretchCase{{40, 30}, {0, 0, 40, 30}},   // same size
                    StretchCase{{40, 3}, {3, 2, 40, 30}},    // same width, clipped right and bottom
                    StretchCase{{4, 4}, {5, 5, 11, 9}},      // no row padding in the source
                    StretchCase{{1, 1}, {2, 3, 9, 9}},       // a single pixel fills the rectangle
                    StretchCase{{300, 2}, {10, 10, 3, 3}},   // wide source, tiny target
                    StretchCase{{13, 17}, {-6, 4, 20, 10}},  // clipped left
                    StretchCase{{13, 17}, {4, -7, 20, 12}},  // clipped top
                    StretchCase{{13, 17}, {-5, -5, 50, 40}}, // clipped on every side
                    StretchCase{{13, 17}, {30, 25, 20, 12}}, // clipped right and bottom
                    StretchCase{{13, 17}, {-30, 2, 20, 12}}, // wholly outside
                    StretchCase{{13, 17}, {2, 2, 0, 5}}));   // empty target

TEST(StretchDraw, ConvertsSourceAndDestinationOfOtherFormats) {
    const QImage source = NumberedBitmap(5, 4, QImage::Format_ARGB32);
    QImage dst(10, 8, QImage::Format_RGB32);
    dst.fill(kUntouched);
    StretchDraw(source, dst, QRect(0, 0, 10, 8));
    EXPECT_EQ(dst.format(), kBitmapFormat);
    EXPECT_EQ(dst.pixel(9, 7), source.pixel(4, 3));
    EXPECT_EQ(dst.pixel(3, 2), source.pixel(1, 1));
}

TEST(StretchDraw, NullSourceDrawsNothing) {
    QImage dst = SolidBitmap(4, 4, kUntouched);
    StretchDraw(QImage(), dst, dst.rect());
    EXPECT_EQ(dst.pixel(2, 2), kUntouched);
}

struct BlockCase {
    QRect from; // in a 12 x 10 source
    QPoint to;  // in a 9 x 7 destination
};

class CopyBlockTest : public testing::TestWithParam<BlockCase> {};

// Destination pixels whose source lies inside both srcRect and the source take it; all others stay.
TEST_P(CopyBlockTest, CopiesOnlyWhatLiesInsideBothImages) {
    const BlockCase c = GetParam();
    const QImage source = NumberedBitmap(12, 10);
    QImage dst = SolidBitmap(9, 7, kUntouched);
    CopyBlock(source, c.from, dst, c.to);
    for (int y = 0; y < dst.height(); ++y) {
        for (int x = 0; x < dst.width(); ++x) {
            const QPoint s = QPoint(x, y) - c.to + c.from.topLeft();
            const bool copied = c.from.contains(s) && source.rect().contains(s);
            ASSERT_EQ(dst.pixel(x, y), copied ? source.pixel(s) : kUntouched) << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, CopyBlockTest,
                         testing::Values(BlockCase{{2, 3, 4, 2}, {1, 1}},       // inside both
                                         BlockCase{{-3, 2, 6, 4}, {0, 0}},      // source rect left of source
                                         BlockCase{{8, -2, 6, 5}, {2, 2}},      // past source top and right
                                         BlockCase{{5, 7, 6, 6}, {0, 0}},       // past source bottom
                                         BlockCase{{0, 0, 12, 10}, {-4, -3}},   // dst left and top
                                         BlockCase{{0, 0, 12, 10}, {5, 4}},     // dst right and bottom
                                         BlockCase{{-2, -2, 20, 20}, {-1, -1}}, // everything clipped
                                         BlockCase{{0, 0, 3, 3}, {9, 0}},       // wholly outside dst
                                         BlockCase{{20, 20, 3, 3}, {0, 0}}));   // wholly outside source

TEST(CopyBlock, WithinOneImageReadsThePictureAsItWasBefore) {
    QImage image = NumberedBitmap(6, 6);
    const QImage before = image.copy();
    CopyBlock(image, QRect(0, 0, 4, 4), image, QPoint(1, 1));
    EXPECT_EQ(image.pixel(1, 1), before.pixel(0, 0));
    EXPECT_EQ(image.pixel(4, 4), before.pixel(3, 3));
}

} // namespace
} // namespace festoon
