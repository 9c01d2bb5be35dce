// The mask blend on a canvas-sized picture, beside pixman's OVER through an a8 mask, the memory floor
// and memcpy over the same number of pixels.
#include "bench/BenchPictures.h"
#include "bench/MemoryFloor.h"
#include "core/MaskBlend.h"
#include "tests/reference/MaskBlendReference.h"

#include <cstring>
#include <memory>
#include <pixman.h>
#include <vector>

namespace festoon::bench {
namespace {

constexpr int kWidth = 1772; // the canvas on a 1920 x 1080 screen
constexpr int kHeight = 979;
constexpr double kPixels = double(kWidth) * kHeight;

struct BlendPictures {
    QImage layer = RandomBitmap(kWidth, kHeight, 1);
    QImage under = RandomBitmap(kWidth, kHeight, 2);
    QImage mask = RandomBitmap(kWidth, kHeight, 3);
};

void BM_MaskBlend(benchmark::State& state) {
    BlendPictures p;
    for (auto _ : state) {
        MaskBlend(p.layer, p.under, p.mask);
        benchmark::DoNotOptimize(p.layer.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_MaskBlend)->Unit(benchmark::kMillisecond);

void BM_MaskBlendTwoPasses(benchmark::State& state) {
    BlendPictures p;
    for (auto _ : state) {
        MaskBlend(p.layer, p.under, p.mask, 2);
        benchmark::DoNotOptimize(p.layer.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_MaskBlendTwoPasses)->Unit(benchmark::kMillisecond);

void BM_MaskBlendReference(benchmark::State& state) {
    BlendPictures p;
    for (auto _ : state) {
        MaskBlendReference(p.layer, p.under, p.mask);
        benchmark::DoNotOptimize(p.layer.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_MaskBlendReference)->Unit(benchmark::kMillisecond);

using PixmanImage = std::unique_ptr<pixman_image_t, decltype(&pixman_image_unref)>;

PixmanImage MakePixmanImage(pixman_format_code_t format, std::vector<std::uint32_t>& bits, int strideWords,
                            std::uint32_t seed) {
    bits.resize(static_cast<size_t>(strideWords) * kHeight);
    std::uint32_t state = seed;
    for (std::uint32_t& word : bits) {
        state = state * 1664525u + 1013904223u;
        word = state;
    }
    return PixmanImage(pixman_image_create_bits(format, kWidth, kHeight, bits.data(), strideWords * 4),
                       &pixman_image_unref);
}

// pixman's fastest general path for an object through a mask: OVER, a8r8g8b8 source, a8 mask,
// x8r8g8b8 destination.
void BM_PixmanOverA8(benchmark::State& state) {
    std::vector<std::uint32_t> sourceBits, maskBits, destBits;
    const PixmanImage source = MakePixmanImage(PIXMAN_a8r8g8b8, sourceBits, kWidth, 4);
    const PixmanImage mask = MakePixmanImage(PIXMAN_a8, maskBits, (kWidth + 3) / 4, 5);
    const PixmanImage dest = MakePixmanImage(PIXMAN_x8r8g8b8, destBits, kWidth, 6);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, source.get(), mask.get(), dest.get(), 0, 0, 0, 0, 0, 0,
                                 kWidth, kHeight);
        benchmark::DoNotOptimize(destBits.data());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_PixmanOverA8)->Unit(benchmark::kMillisecond);

void BM_MemoryFloor(benchmark::State& state) {
    BlendPictures p;
    for (auto _ : state) {
        ReadThreeWriteOne(p.layer, p.layer, QPoint(0, 0), p.under, p.mask);
        benchmark::DoNotOptimize(p.layer.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_MemoryFloor)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State& state) {
    const QImage source = RandomBitmap(kWidth, kHeight, 7);
    QImage dest = RandomBitmap(kWidth, kHeight, 8);
    for (auto _ : state) {
        std::memcpy(dest.bits(), source.constBits(), static_cast<size_t>(source.sizeInBytes()));
        benchmark::DoNotOptimize(dest.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace festoon::bench
