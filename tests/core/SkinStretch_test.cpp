// Enlarging a skin by repeating its middle column and row, compared with a pixel-by-pixel model of
// the three block copies of each pass.
#include "core/Bitmap.h"
#include "core/Skin.h"

#include <gtest/gtest.h>

#include <vector>

namespace festoon {
namespace {

// A skin whose every pixel is distinct: the colour holds x + 1024 y.
QImage NumberedSkin(int w, int h) {
    QImage image = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, 0xFF000000u | static_cast<QRgb>(x + 1024 * y));
        }
    }
    return image;
}

// For each target index, the source index it shows (-1: none, left black), by the three copies in
// order: 0..m-1 stay, m fills m..m+e, m+1.. end at the far edge.
std::vector<int> SourceIndex(int size, int target) {
    std::vector<int> source(static_cast<size_t>(target), -1);
    const int m = size / 2, e = target - size;
    const auto put = [&](int to, int from) {
        if (to >= 0 && to < target) {
            source[static_cast<size_t>(to)] = from;
        }
    };
    for (int i = 0; i < m; ++i) {
        put(i, i);
    }
    for (int i = 0; i <= e; ++i) {
        put(m + i, m);
    }
    for (int i = m + 1; i < size; ++i) {
        put(i + e, i);
    }
    return source;
}

void ExpectModel(const QImage& skin, QSize target) {
    const QImage stretched = StretchSkin(skin, target);
    ASSERT_EQ(stretched.size(), target);
    ASSERT_EQ(stretched.format(), kBitmapFormat);
    const std::vector<int> column = SourceIndex(skin.width(), target.width());
    const std::vector<int> row = SourceIndex(skin.height(), target.height());
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const int sx = column[static_cast<size_t>(x)], sy = row[static_cast<size_t>(y)];
            const QRgb expected = sx < 0 || sy < 0 ? 0xFF000000u : skin.pixel(sx, sy);
            ASSERT_EQ(stretched.pixel(x, y), expected) << "at " << x << ", " << y;
        }
    }
}

TEST(StretchSkin, DesignSkinOnA1024By768Screen) {
    const QImage skin = NumberedSkin(752, 550);
    const QImage stretched = StretchSkin(skin, QSize(1020, 743));
    ASSERT_EQ(stretched.size(), QSize(1020, 743));
    const auto source = [&](int x, int y) { return stretched.pixel(x, y) & 0xFFFFFF; };
    const auto at = [](int x, int y) { return static_cast<QRgb>(x + 1024 * y); };
    EXPECT_EQ(source(0, 0), at(0, 0));
    EXPECT_EQ(source(375, 274), at(375, 274));
    EXPECT_EQ(source(376, 275), at(376, 275));
    EXPECT_EQ(source(644, 468), at(376, 275));
    EXPECT_EQ(source(500, 10), at(376, 10));
    EXPECT_EQ(source(645, 469), at(377, 276));
    EXPECT_EQ(source(1019, 742), at(751, 549));
    EXPECT_EQ(source(1019, 0), at(751, 0));
    EXPECT_EQ(source(0, 742), at(0, 549));
    ExpectModel(skin, QSize(1020, 743));
}

TEST(StretchSkin, SameSizeCopiesTheSkinUnchanged) {
    const QImage skin = NumberedSkin(752, 550);
    EXPECT_EQ(StretchSkin(skin, QSize(752, 550)), skin);
}

TEST(StretchSkin, NarrowerScreenDropsTheMiddleAndOverlapsTheParts) {
    const QImage skin = NumberedSkin(40, 30);
    ExpectModel(skin, QSize(39, 29)); // E = -1: the middle column and row are dropped
    ExpectModel(skin, QSize(36, 25)); // E < -1: the right part overwrites the end of the left part
    ExpectModel(skin, QSize(5, 4));
    const QImage stretched = StretchSkin(skin, QSize(37, 30));
    EXPECT_EQ(stretched.pixel(18, 0), skin.pixel(21, 0)); // m + E + 1 = 20 - 3 + 1
    EXPECT_EQ(stretched.pixel(17, 0), skin.pixel(17, 0));
}

TEST(StretchSkin, SmallSkinsFollowTheBlockCopies) {
    for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(5, 4), QSize(6, 7)}) {
        for (const QSize target : {QSize(1, 1), QSize(3, 2), QSize(9, 11), size}) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " to "
                                            << target.width() << "x" << target.height());
            ExpectModel(NumberedSkin(size.width(), size.height()), target);
        }
    }
}

TEST(StretchSkin, NoSkinOrNoTargetGivesNoPicture) {
    EXPECT_TRUE(StretchSkin(QImage(), QSize(10, 10)).isNull());
    EXPECT_TRUE(StretchSkin(NumberedSkin(4, 4), QSize(0, 10)).isNull());
}

} // namespace
} // namespace festoon
