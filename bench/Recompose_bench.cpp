// Whole recompositions of a card of 50 objects of 400 x 400 (pictures and masks 600 x 600, so that every
// object is stretched), on one render thread and on two: on the canvas of a 1920 x 1080 screen
// (1772 x 979) and on that of a 4K screen (3692 x 2059). Beside each, the memory floor of the same
// pixels: the canvas copied once, and per object three object-sized reads and one write. Each
// multi-thread run also reports the largest byte difference from the one-thread rendering.
#include "bench/BenchPictures.h"
#include "bench/MemoryFloor.h"
#include "core/BandPool.h"
#include "core/CardRenderer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace festoon::bench {
namespace {

constexpr int kObjects = 50;
constexpr int kSide = 400;
constexpr int kSourceSide = 600;

QSize CanvasOf(int screen) {
    return screen == 0 ? QSize(1772, 979) : QSize(3692, 2059);
}

// The card, its objects spread over the canvas as in the render benchmark, recomposed.
const Composition& FullCard(int screen) {
    static Composition cards[2];
    Composition& card = cards[screen];
    if (card.CanvasSize().isEmpty()) {
        const QSize canvas = CanvasOf(screen);
        card = Composition(canvas, RandomBitmap(canvas.width(), canvas.height(), 11));
        for (int i = 0; i < kObjects; ++i) {
            card.PlaceObject(QRect((i * 137) % (canvas.width() - kSide), (i * 89) % (canvas.height() - kSide),
                                   kSide, kSide),
                             RandomBitmap(kSourceSide, kSourceSide, 100 + i),
                             RandomBitmap(kSourceSide, kSourceSide, 200 + i));
        }
    }
    return card;
}

int LargestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format()) {
        return 256;
    }
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        for (qsizetype i = 0; i < a.bytesPerLine(); ++i) {
            largest = std::max(largest, std::abs(rowA[i] - rowB[i]));
        }
    }
    return largest;
}

int LargestDifference(const RenderedCard& a, const RenderedCard& b) {
    int largest = LargestDifference(a.composed, b.composed);
    for (qsizetype i = 0; i < a.pictures.size(); ++i) {
        largest = std::max(largest, LargestDifference(a.pictures[i], b.pictures[i]));
    }
    return largest;
}

// Arguments: the screen (0: 1920 x 1080, 1: 4K), the render threads.
void BM_RecomposeCard(benchmark::State& state) {
    const Composition& card = FullCard(static_cast<int>(state.range(0)));
    SetRenderThreads(1);
    const RenderedCard oneThread = RenderCard(card);
    SetRenderThreads(static_cast<int>(state.range(1)));
    // As the window renders: the memory of the last rendering is used again.
    CardRenderer renderer;
    for (auto _ : state) {
        renderer.RenderAll(card);
        benchmark::DoNotOptimize(renderer.Rendered().composed.constBits());
    }
    state.counters["largest difference"] = LargestDifference(renderer.Rendered(), oneThread);
    SetRenderThreads(0);
    SetMegapixelRate(state, double(kObjects) * kSide * kSide);
}
BENCHMARK(BM_RecomposeCard)
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Selecting the bottom object of the 1920 x 1080 card, which raises it to the top, and bringing the
// rendering up to date; each iteration raises the object then at the bottom. Argument: the threads.
void BM_SelectBottomObject(benchmark::State& state) {
    Composition card = FullCard(0);
    SetRenderThreads(static_cast<int>(state.range(0)));
    CardRenderer renderer;
    renderer.Render(card);
    for (auto _ : state) {
        card.SelectAndRaise(card.Layers().first().slot);
        renderer.Render(card);
        benchmark::DoNotOptimize(renderer.Rendered().composed.constBits());
    }
    SetRenderThreads(1);
    state.counters["largest difference"] = LargestDifference(renderer.Rendered(), RenderCard(card));
    SetRenderThreads(0);
}
BENCHMARK(BM_SelectBottomObject)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor, on one thread: the canvas copied, then per object its part of the canvas, its picture and
// its mask read and one object-sized picture written.
void BM_RecomposeFloor(benchmark::State& state) {
    const Composition& card = FullCard(static_cast<int>(state.range(0)));
    const QImage& backdrop = card.Backdrop();
    QImage canvas = backdrop.copy();
    QImage out = RandomBitmap(kSide, kSide, 21);
    for (auto _ : state) {
        std::memcpy(canvas.bits(), backdrop.constBits(), static_cast<size_t>(backdrop.sizeInBytes()));
        for (const Layer& layer : card.Layers()) {
            ReadThreeWriteOne(out, canvas, layer.bounds.topLeft(), layer.picture, layer.mask);
        }
        benchmark::DoNotOptimize(out.constBits());
    }
    SetMegapixelRate(state, double(kObjects) * kSide * kSide);
}
BENCHMARK(BM_RecomposeFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace festoon::bench
