// Export resampling: reductions average, enlargements interpolate, and every output pixel sits where
// the program's own stretch takes its pixel from.
#include "core/Bitmap.h"
#include "core/Resample.h"

#include <functional>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

QImage Columns(int w, int h, const std::function<int(int x)>& level) {
    QImage picture = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uchar* pixel = picture.scanLine(y) + x * 3;
            pixel[0] = pixel[1] = pixel[2] = static_cast<uchar>(level(x));
        }
    }
    return picture;
}

int Level(const QImage& picture, int x, int y = 0) {
    return picture.constScanLine(y)[x * 3];
}

} // namespace

TEST(Resample, AReductionAveragesAroundThePixelTheStretchTakes) {
    // One-pixel stripes reduced to a third: every output pixel averages the stripe the stretch takes and
    // its two neighbours, never one stripe alone.
    const QImage stripes = Columns(300, 6, [](int x) { return x % 2 == 0 ? 0 : 255; });
    const QImage reduced = ResampleBitmap(stripes, QSize(100, 2));
    const QImage stretched = StretchBitmap(stripes, 100, 2);
    for (int x = 1; x < 99; ++x) {
        EXPECT_NEAR(Level(reduced, x), x % 2 == 0 ? 170 : 85, 1) << x;
    }
    EXPECT_EQ(Level(stretched, 3), 255); // the stretch shows one stripe of three
    // A ramp reduced: each output pixel has the level of the stretch's pixel, the mean around it.
    const QImage ramp = Columns(240, 3, [](int x) { return x; });
    const QImage reducedRamp = ResampleBitmap(ramp, QSize(80, 3));
    const QImage stretchedRamp = StretchBitmap(ramp, 80, 3);
    for (int x = 1; x < 80; ++x) {
        EXPECT_EQ(Level(reducedRamp, x, 1), Level(stretchedRamp, x, 1)) << x;
    }
}

TEST(Resample, AnEnlargementInterpolatesAndTheSameSizeIsThePictureItself) {
    const QImage two = Columns(2, 1, [](int x) { return x * 240; });
    const QImage wide = ResampleBitmap(two, QSize(8, 1));
    EXPECT_EQ(Level(wide, 0), 0);
    EXPECT_EQ(Level(wide, 7), 240);
    int between = 0;
    for (int x = 1; x < 8; ++x) {
        EXPECT_GE(Level(wide, x), Level(wide, x - 1));
        between += Level(wide, x) > 0 && Level(wide, x) < 240;
    }
    EXPECT_GE(between, 3);
    const QImage ramp = Columns(17, 5, [](int x) { return x * 15; });
    EXPECT_EQ(ResampleBitmap(ramp, ramp.size()), ramp);
    EXPECT_TRUE(ResampleBitmap(QImage(), QSize(4, 4)).isNull());
    EXPECT_TRUE(ResampleBitmap(ramp, QSize(0, 4)).isNull());
    // A single pixel fills any size.
    EXPECT_EQ(ResampleBitmap(Columns(1, 1, [](int) { return 77; }), QSize(5, 3)),
              SolidBitmap(5, 3, qRgb(77, 77, 77)));
}
