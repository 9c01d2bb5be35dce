// A window's shape from its skin, compared with the union of per-column strips it is defined by.
#include "core/Bitmap.h"
#include "core/Skin.h"

#include <gtest/gtest.h>

#include <random>

namespace festoon {
namespace {

constexpr QRgb kKey = qRgb(255, 0, 255);
constexpr QRgb kSolid = qRgb(10, 20, 30);

// Rows of a picture: '#' solid, '.' key.
QImage Picture(const std::vector<std::string>& rows) {
    QImage image = MakeBitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#' ? kSolid : kKey);
        }
    }
    return image;
}

// The shape as defined: for every column, one strip per run of non-key pixels; a run ending at key
// row y covers runTop..y-1, a run still open at the last row stops short of it.
QRegion StripUnion(const QImage& image, QRgb key) {
    QRegion region;
    const int h = image.height();
    for (int x = 0; x < image.width(); ++x) {
        bool inRun = false;
        int runTop = 0;
        for (int y = 0; y < h; ++y) {
            const bool isKey = (image.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF);
            if (!isKey && !inRun) {
                inRun = true;
                runTop = y;
            }
            if ((isKey || y == h - 1) && inRun) {
                region += QRect(x, runTop, 1, y - runTop);
                inRun = false;
            }
        }
    }
    return region;
}

TEST(BitmapToRegion, AllKeyColumnAddsNothing) {
    const QImage image = Picture({"#.#", "#.#", "#.#", "#.#"});
    const QRegion region = BitmapToRegion(image, kKey);
    EXPECT_EQ(region, QRegion(0, 0, 1, 3) + QRegion(2, 0, 1, 3));
    EXPECT_FALSE(region.contains(QPoint(1, 1)));
}

TEST(BitmapToRegion, KeyAtTopAndBottomGivesOneStripOverTheRun) {
    const QImage image = Picture({".", "#", "#", "#", "."});
    EXPECT_EQ(BitmapToRegion(image, kKey), QRegion(0, 1, 1, 3));
}

TEST(BitmapToRegion, RunReachingTheLastRowStopsShortOfIt) {
    const QImage image = Picture({"..", "##", "##", "##"});
    EXPECT_EQ(BitmapToRegion(image, kKey), QRegion(0, 1, 2, 2));
    EXPECT_TRUE(BitmapToRegion(Picture({"#"}), kKey).isEmpty());
}

TEST(BitmapToRegion, AllKeyGivesAnEmptyRegion) {
    EXPECT_TRUE(BitmapToRegion(Picture({"...", "...", "..."}), kKey).isEmpty());
    EXPECT_TRUE(BitmapToRegion(QImage(), kKey).isEmpty());
}

TEST(BitmapToRegion, KeyComparesColourOnly) {
    const QImage image = Picture({"#..", "#..", "#.."});
    EXPECT_EQ(BitmapToRegion(image, kKey & 0x00FFFFFF), QRegion(0, 0, 1, 2));
}

TEST(BitmapToRegion, ShapedSkinMatchesTheStripUnion) {
    const QImage image = Picture({
        "....##....",
        "..######..",
        ".########.",
        "##########",
        "###....###",
        "###....###",
        "##########",
        ".##....##.",
        "..........",
    });
    EXPECT_EQ(BitmapToRegion(image, kKey), StripUnion(image, kKey));
}

TEST(BitmapToRegion, RandomPicturesMatchTheStripUnion) {
    std::mt19937 random(4242);
    for (int trial = 0; trial < 60; ++trial) {
        std::uniform_int_distribution<int> side(1, 40);
        const int w = side(random), h = side(random);
        std::bernoulli_distribution keyed(trial % 3 == 0 ? 0.1 : 0.5);
        QImage image = MakeBitmap(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                image.setPixel(x, y, keyed(random) ? kKey : kSolid);
            }
        }
        ASSERT_EQ(BitmapToRegion(image, kKey), StripUnion(image, kKey)) << "trial " << trial;
    }
}

} // namespace
} // namespace festoon
