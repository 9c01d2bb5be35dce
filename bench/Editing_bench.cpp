// Editing at screen rate. One frame of a live drag: a 400 x 400 object (its pictures 600 x 600) moved a
// pixel over a 1920 x 1080 card of 50 objects, rendered over the card beneath it and drawn into the
// screen's picture; beside it the whole card rendered again, which is what a frame would cost without the
// picture beneath kept. And one 400 x 400 object rendered turned by 30 degrees against the same object
// upright, and against the plain reference of the turned rendering.
#include "bench/BenchPictures.h"
#include "core/Bitmap.h"
#include "core/CardRendering.h"
#include "core/LiveDrag.h"
#include "core/TurnedObject.h"
#include "tests/reference/TurnedObjectReference.h"

#include <QPainter>

namespace festoon::bench {
namespace {

constexpr int kObjects = 50;
constexpr int kSide = 400;
constexpr int kSourceSide = 600;
constexpr QSize kCanvas(1920, 1080);

Composition CardOfFiftyObjects() {
    Composition card(kCanvas, RandomBitmap(640, 360, 7));
    for (int i = 0; i < kObjects; ++i) {
        card.PlaceObject(
            QRect((i * 137) % (kCanvas.width() - kSide), (i * 89) % (kCanvas.height() - kSide), kSide, kSide),
            RandomBitmap(kSourceSide, kSourceSide, 100 + i), RandomBitmap(kSourceSide, kSourceSide, 200 + i));
    }
    card.Recompose();
    return card;
}

// A frame: the dragged object rendered at its new place and drawn, with the picture beneath where it
// was and where it is, into the screen's picture, as the editing surface paints it.
void BM_LiveDragFrame(benchmark::State& state) {
    const Composition card = CardOfFiftyObjects();
    const int dragged = card.Layers()[kObjects / 2].slot;
    LiveDrag drag(card, dragged);
    QImage screen = drag.Beneath().convertToFormat(QImage::Format_RGB32);
    const QImage beneath = screen;
    Placement placement{card.LayerInSlot(dragged)->bounds};
    int step = 0;
    for (auto _ : state) {
        const QRect before = ShownRect(placement);
        placement.bounds.moveTo(placement.bounds.topLeft() + QPoint((step++ % 2) == 0 ? 1 : -1, 0));
        const QImage piece = drag.Frame(placement).convertToFormat(QImage::Format_RGB32);
        QPainter painter(&screen);
        painter.drawImage(before.topLeft(), beneath, before);
        painter.drawImage(ShownRect(placement).topLeft(), piece);
        benchmark::DoNotOptimize(screen.constBits());
    }
    SetMegapixelRate(state, double(kSide) * kSide);
}
BENCHMARK(BM_LiveDragFrame)->Unit(benchmark::kMillisecond);

// The whole card rendered and shown again.
void BM_WholeCardFrame(benchmark::State& state) {
    const Composition card = CardOfFiftyObjects();
    RenderScratch scratch;
    for (auto _ : state) {
        const QImage shown =
            ShownCanvas(RenderCard(card, scratch), card).convertToFormat(QImage::Format_RGB32);
        benchmark::DoNotOptimize(shown.constBits());
    }
    SetMegapixelRate(state, double(kSide) * kSide);
}
BENCHMARK(BM_WholeCardFrame)->Unit(benchmark::kMillisecond);

struct OneObject {
    QImage composed = RandomBitmap(1000, 800, 3);
    QImage picture = RandomBitmap(kSourceSide, kSourceSide, 4);
    QImage mask = RandomBitmap(kSourceSide, kSourceSide, 5);
    QRect bounds{200, 150, kSide, kSide};
};

void BM_RenderUpright(benchmark::State& state) {
    const OneObject object;
    RenderScratch scratch;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RenderObject(object.composed, object.bounds, object.picture, object.mask, 2, scratch)
                .constBits());
    }
    SetMegapixelRate(state, double(kSide) * kSide);
}
BENCHMARK(BM_RenderUpright)->Unit(benchmark::kMillisecond);

void BM_RenderTurned(benchmark::State& state) {
    const OneObject object;
    RenderScratch scratch;
    const Placement placement{object.bounds, 30};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RenderTurnedObject(object.composed, placement, object.picture, object.mask, 2, scratch)
                .constBits());
    }
    SetMegapixelRate(state, double(kSide) * kSide);
}
BENCHMARK(BM_RenderTurned)->Unit(benchmark::kMillisecond);

void BM_RenderTurnedReference(benchmark::State& state) {
    const OneObject object;
    const Placement placement{object.bounds, 30};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RenderTurnedObjectReference(object.composed, placement, object.picture, object.mask, 2)
                .constBits());
    }
    SetMegapixelRate(state, double(kSide) * kSide);
}
BENCHMARK(BM_RenderTurnedReference)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace festoon::bench
