// The mask blend: exact luminance, the documented results of one and two passes, and the optimised
// kernels checked byte for byte against the plain reference on seeded random pictures.
#include "core/Bitmap.h"
#include "core/MaskBlend.h"
#include "core/MaskBlendRows.h"
#include "tests/core/RandomBitmap.h"
#include "tests/reference/MaskBlendReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace festoon {
namespace {

struct LuminanceCase {
    int red, green, blue, expected;
};

class MaskLuminanceTest : public testing::TestWithParam<LuminanceCase> {};

TEST_P(MaskLuminanceTest, RoundsHalvesToEven) {
    const LuminanceCase c = GetParam();
    EXPECT_EQ(MaskLuminance(c.red, c.green, c.blue), c.expected);
    EXPECT_EQ(FastMaskLuminance(c.blue, c.green, c.red), static_cast<unsigned>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, MaskLuminanceTest,
                         testing::Values(LuminanceCase{0, 255, 0, 150}, LuminanceCase{0, 0, 255, 28},
                                         LuminanceCase{200, 100, 40, 123}, LuminanceCase{128, 128, 128, 128},
                                         LuminanceCase{255, 0, 0, 76}, LuminanceCase{0, 0, 0, 0},
                                         LuminanceCase{255, 255, 255, 255},
                                         LuminanceCase{5, 0, 0, 2},   // 1.5 rounds up to even
                                         LuminanceCase{15, 0, 0, 4},  // 4.5 rounds down to even
                                         LuminanceCase{25, 0, 0, 8},  // 7.5
                                         LuminanceCase{1, 1, 0, 1})); // 0.89

TEST(MaskBlendArithmetic, DivisionShortcutsAreExactOverTheirWholeRange) {
    for (unsigned v = 0; v <= 25599; ++v) {
        ASSERT_EQ(DivideBy100(v), v / 100) << v;
    }
    for (unsigned x = 0; x <= 65535; ++x) {
        ASSERT_EQ(DivideBy255(x), x / 255) << x;
    }
}

TEST(MaskBlendArithmetic, FastLuminanceMatchesForEveryColour) {
    for (int r = 0; r < 256; ++r) {
        for (int g = 0; g < 256; ++g) {
            for (int b = 0; b < 256; ++b) {
                ASSERT_EQ(FastMaskLuminance(b, g, r), MaskLuminance(r, g, b)) << r << " " << g << " " << b;
            }
        }
    }
}

TEST(MaskBlend, WhiteMaskKeepsTheObjectAndBlackShowsBeneath) {
    std::mt19937 random(7);
    const QImage object = RandomBitmap(37, 11, random);
    const QImage beneath = RandomBitmap(37, 11, random);
    for (int passes = 1; passes <= 2; ++passes) {
        QImage layer = object.copy();
        MaskBlend(layer, beneath, SolidBitmap(37, 11, qRgb(255, 255, 255)), passes);
        EXPECT_EQ(layer, object) << passes << " passes";
        layer = object.copy();
        MaskBlend(layer, beneath, SolidBitmap(37, 11, qRgb(0, 0, 0)), passes);
        EXPECT_EQ(layer, beneath) << passes << " passes";
    }
}

TEST(MaskBlend, GreyMaskMixesAndASecondPassMovesTowardsBeneath) {
    const QImage grey = SolidBitmap(20, 3, qRgb(128, 128, 128));
    QImage layer = SolidBitmap(20, 3, qRgb(255, 255, 255));
    const QImage black = SolidBitmap(20, 3, qRgb(0, 0, 0));
    MaskBlend(layer, black, grey);
    EXPECT_EQ(layer.pixel(19, 2), qRgb(128, 128, 128));
    MaskBlend(layer, black, grey);
    EXPECT_EQ(layer.pixel(19, 2), qRgb(64, 64, 64));

    layer = SolidBitmap(20, 3, qRgb(0, 0, 0));
    MaskBlend(layer, SolidBitmap(20, 3, qRgb(255, 255, 255)), grey, 1);
    EXPECT_EQ(layer.pixel(0, 0), qRgb(127, 127, 127));
    layer = SolidBitmap(20, 3, qRgb(0, 0, 0));
    MaskBlend(layer, SolidBitmap(20, 3, qRgb(255, 255, 255)), grey, 2);
    EXPECT_EQ(layer.pixel(17, 1), qRgb(190, 190, 190));
}

void BlendRows(MaskBlendRowKernel kernel, QImage& layer, const QImage& under, const QImage& mask,
               int passes) {
    for (int y = 0; y < layer.height(); ++y) {
        kernel(layer.scanLine(y), under.constScanLine(y), mask.constScanLine(y), layer.width(), passes);
    }
}

// Seeded random pictures of odd widths, so that every kernel's remainder path is used, over about
// ten million pixels in all; one and two passes.
void ExpectSameAsReference(const std::function<void(QImage&, const QImage&, const QImage&, int)>& blend) {
    std::mt19937 random(20261207);
    const int widths[] = {1, 5, 15, 16, 17, 31, 33, 47, 49, 255, 641, 1001, 1771};
    for (const int width : widths) {
        const int height = std::max(3, 400000 / width);
        const QImage object = RandomBitmap(width, height, random);
        const QImage beneath = RandomBitmap(width, height, random);
        const QImage mask = RandomBitmap(width, height, random);
        for (int passes = 1; passes <= 2; ++passes) {
            QImage expected = object.copy();
            for (int pass = 0; pass < passes; ++pass) {
                MaskBlendReference(expected, beneath, mask);
            }
            QImage actual = object.copy();
            blend(actual, beneath, mask, passes);
            ASSERT_EQ(actual, expected) << "width " << width << ", " << passes << " passes";
        }
    }
}

TEST(MaskBlend, DispatchedBlendMatchesTheReference) {
    ExpectSameAsReference([](QImage& l, const QImage& u, const QImage& m, int passes) {
        if (passes == 1) {
            MaskBlend(l, u, m);
        } else {
            MaskBlend(l, u, m, passes);
        }
    });
}

TEST(MaskBlend, PortableKernelMatchesTheReference) {
    ExpectSameAsReference([](QImage& l, const QImage& u, const QImage& m, int passes) {
        BlendRows(MaskBlendRowScalar, l, u, m, passes);
    });
}

TEST(MaskBlend, Avx2KernelMatchesTheReference) {
    if (!CpuHasAvx2()) {
        GTEST_SKIP() << "this processor has no AVX2";
    }
    ExpectSameAsReference([](QImage& l, const QImage& u, const QImage& m, int passes) {
        BlendRows(MaskBlendRowAvx2, l, u, m, passes);
    });
}

TEST(MaskBlend, MismatchedSizesBlendOnlyTheSharedArea) {
    QImage layer = SolidBitmap(9, 6, qRgb(200, 200, 200));
    MaskBlend(layer, SolidBitmap(5, 8, qRgb(0, 0, 0)), SolidBitmap(20, 4, qRgb(0, 0, 0)), 2);
    EXPECT_EQ(layer.pixel(4, 3), qRgb(0, 0, 0));
    EXPECT_EQ(layer.pixel(5, 3), qRgb(200, 200, 200));
    EXPECT_EQ(layer.pixel(4, 4), qRgb(200, 200, 200));
}

TEST(MaskBlend, BlendsPicturesOfOtherFormatsAsTwentyFourBit) {
    QImage layer(4, 4, QImage::Format_RGB32);
    layer.fill(qRgb(10, 20, 30));
    QImage mask(4, 4, QImage::Format_Grayscale8);
    mask.fill(0);
    MaskBlend(layer, SolidBitmap(4, 4, qRgb(1, 2, 3)), mask);
    EXPECT_EQ(layer.format(), kBitmapFormat);
    EXPECT_EQ(layer.pixel(3, 3), qRgb(1, 2, 3));
}

} // namespace
} // namespace festoon
