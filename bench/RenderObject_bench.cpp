// A recomposition's worth of rendering: 50 objects of 400 x 400, two passes each, on the canvas of a
// 1920 x 1080 screen, their pictures and masks 600 x 600 so that every object is stretched. Beside it
// the memory floor over the same pixels, and the same rendering with the plain reference blend.
#include "bench/BenchPictures.h"
#include "bench/MemoryFloor.h"
#include "core/Bitmap.h"
#include "core/MaskBlend.h"
#include "core/RenderObject.h"
#include "tests/reference/MaskBlendReference.h"

#include <vector>

namespace festoon::bench {
namespace {

constexpr int kObjects = 50;
constexpr int kSide = 400;
constexpr int kSourceSide = 600;
constexpr double kPixels = double(kObjects) * kSide * kSide;

struct Canvas {
    QImage composed = RandomBitmap(1772, 979, 11);
    std::vector<QImage> pictures, masks;
    std::vector<QRect> bounds;

    Canvas() {
        for (int i = 0; i < kObjects; ++i) {
            pictures.push_back(RandomBitmap(kSourceSide, kSourceSide, 100 + i));
            masks.push_back(RandomBitmap(kSourceSide, kSourceSide, 200 + i));
            bounds.emplace_back((i * 137) % (composed.width() - kSide),
                                (i * 89) % (composed.height() - kSide), kSide, kSide);
        }
    }
};

// Renders every object bottom-up and draws all but the topmost into the composed picture.
void BM_RenderObjects(benchmark::State& state) {
    Canvas canvas;
    RenderScratch scratch;
    for (auto _ : state) {
        for (int i = 0; i < kObjects; ++i) {
            const QImage picture = RenderObject(canvas.composed, canvas.bounds[i], canvas.pictures[i],
                                                canvas.masks[i], 2, scratch);
            if (i + 1 < kObjects) {
                DrawUnscaled(picture, canvas.composed, canvas.bounds[i].topLeft());
            }
        }
        benchmark::DoNotOptimize(canvas.composed.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_RenderObjects)->Unit(benchmark::kMillisecond);

// The same work with the plain loops: fresh bitmaps, the reference blend twice.
void BM_RenderObjectsReference(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        for (int i = 0; i < kObjects; ++i) {
            const QRect& b = canvas.bounds[i];
            QImage under = canvas.composed.copy(b);
            QImage layer = StretchBitmap(canvas.pictures[i], kSide, kSide);
            const QImage mask = StretchBitmap(canvas.masks[i], kSide, kSide);
            MaskBlendReference(layer, under, mask);
            MaskBlendReference(layer, under, mask);
            if (i + 1 < kObjects) {
                DrawUnscaled(layer, canvas.composed, b.topLeft());
            }
        }
        benchmark::DoNotOptimize(canvas.composed.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_RenderObjectsReference)->Unit(benchmark::kMillisecond);

// The memory floor of the same pixels: per object, its part of the composed picture, its own picture
// and its own mask read over the object's pixels, and one object-sized picture written.
void BM_RenderFloor(benchmark::State& state) {
    Canvas canvas;
    QImage out = RandomBitmap(kSide, kSide, 21);
    for (auto _ : state) {
        for (int i = 0; i < kObjects; ++i) {
            ReadThreeWriteOne(out, canvas.composed, canvas.bounds[i].topLeft(), canvas.pictures[i],
                              canvas.masks[i]);
        }
        benchmark::DoNotOptimize(out.constBits());
    }
    SetMegapixelRate(state, kPixels);
}
BENCHMARK(BM_RenderFloor)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace festoon::bench
