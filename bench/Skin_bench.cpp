// The main window's skin on a 1920 x 1080 screen (1916 x 1055): stretching it and cutting the shape,
// beside copying the same pixels and uniting the shape strip by strip.
#include "bench/BenchPictures.h"
#include "core/Bitmap.h"
#include "core/Skin.h"

#include <cstring>

namespace festoon::bench {
namespace {

const QSize kTarget(1916, 1055);
const double kPixels = double(kTarget.width()) * kTarget.height();

void BM_StretchSkin(benchmark::State& state) {
    const QImage skin = ShapedSkin(752, 550);
    for (auto _ : state) {
        benchmark::DoNotOptimize(StretchSkin(skin, kTarget).constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_StretchSkin)->Unit(benchmark::kMillisecond);

// Allocating and filling a picture of the stretched skin's size.
void BM_SkinSizedCopy(benchmark::State& state) {
    const QImage source = RandomBitmap(kTarget.width(), kTarget.height(), 31);
    for (auto _ : state) {
        QImage copy(source.size(), source.format());
        std::memcpy(copy.bits(), source.constBits(), static_cast<size_t>(source.sizeInBytes()));
        benchmark::DoNotOptimize(copy.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_SkinSizedCopy)->Unit(benchmark::kMillisecond);

void BM_BitmapToRegion(benchmark::State& state) {
    const QImage skin = StretchSkin(ShapedSkin(752, 550), kTarget);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BitmapToRegion(skin, skin.pixel(0, 0)).rectCount());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_BitmapToRegion)->Unit(benchmark::kMillisecond);

// The shape built as it is defined, one strip per column run united into the region.
void BM_BitmapToRegionStripUnion(benchmark::State& state) {
    const QImage skin = StretchSkin(ShapedSkin(752, 550), kTarget);
    const QRgb key = skin.pixel(0, 0) & 0xFFFFFF;
    for (auto _ : state) {
        QRegion region;
        const int h = skin.height();
        for (int x = 0; x < skin.width(); ++x) {
            int runTop = -1;
            for (int y = 0; y < h; ++y) {
                const bool isKey = (skin.pixel(x, y) & 0xFFFFFF) == key;
                if (!isKey && runTop < 0) {
                    runTop = y;
                }
                if ((isKey || y == h - 1) && runTop >= 0) {
                    region += QRect(x, runTop, 1, y - runTop);
                    runTop = -1;
                }
            }
        }
        benchmark::DoNotOptimize(region.rectCount());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_BitmapToRegionStripUnion)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace festoon::bench
