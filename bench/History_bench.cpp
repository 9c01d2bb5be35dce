// Undo and redo on a full card: one step undone or redone and shown again, beside one recomposition of
// the same card; and what a long history of moves and deletions of large photos adds to the process's
// memory, beside the size of one photo's pixels.
#include "bench/BenchPictures.h"
#include "core/CardHistory.h"
#include "core/CardRendering.h"
#include "core/Composition.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <unistd.h>

namespace {

using festoon::CardHistory;
using festoon::Composition;

constexpr int kPhotos = 50;
const QSize kCanvas(1772, 979); // the canvas of a 1920 x 1080 screen
const QSize kPhotoSize(3000, 2000);

// 50 photos of a camera's size placed through the photo rules, spread over the canvas.
const Composition& FullCard() {
    static const Composition card = [] {
        Composition made(kCanvas, festoon::bench::RandomBitmap(640, 480, 1));
        const QImage mask = festoon::bench::RandomBitmap(64, 64, 2);
        for (int i = 0; i < kPhotos; ++i) {
            const int slot = made.PlacePhoto(
                festoon::bench::RandomBitmap(kPhotoSize.width(), kPhotoSize.height(), 10 + i), mask);
            made.SetBounds(slot, made.LayerInSlot(slot)->bounds.translated((i % 10) * 130, (i / 10) * 120));
        }
        made.Recompose();
        return made;
    }();
    return card;
}

void BM_HistoryRecompose(benchmark::State& state) {
    const Composition& card = FullCard(); // made before the clock starts
    for (auto _ : state) {
        benchmark::DoNotOptimize(festoon::RenderCard(card));
    }
}
BENCHMARK(BM_HistoryRecompose)->Unit(benchmark::kMillisecond);

// Each iteration undoes or redoes one move of a middle object and renders the card it gives.
void BM_UndoRedoStep(benchmark::State& state) {
    Composition card = FullCard();
    CardHistory history;
    history.Record(card);
    card.SetBounds(card.Layers()[25].slot, QRect(300, 200, 400, 266));
    for (auto _ : state) {
        card = history.CanUndo() ? history.Undo(card) : history.Redo(card);
        benchmark::DoNotOptimize(festoon::RenderCard(card));
    }
}
BENCHMARK(BM_UndoRedoStep)->Unit(benchmark::kMillisecond);

double ResidentMiB() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Not a speed: the counters say how many MiB 200 moves and 50 deletions, all kept for undo, added to
// the resident memory, and one photo's pixels in MiB for scale.
void BM_HistoryMemory(benchmark::State& state) {
    for (auto _ : state) {
        Composition card = FullCard();
        CardHistory history;
        const double before = ResidentMiB();
        for (int move = 0; move < 200; ++move) {
            history.Record(card);
            const festoon::Layer& layer = card.Layers()[move % card.Layers().size()];
            card.SetBounds(layer.slot, layer.bounds.translated(1, 1));
        }
        for (int deletion = 0; deletion < kPhotos; ++deletion) {
            history.Record(card);
            card.DeleteTop();
        }
        state.counters["added_MiB"] = ResidentMiB() - before;
        state.counters["photo_MiB"] = kPhotoSize.width() * kPhotoSize.height() * 3 / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(history);
    }
}
BENCHMARK(BM_HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
