// Saving and opening a card of 50 objects on a 1920 x 1080 canvas, ten of them photos of 6000 x 4000,
// beside Qt encoding and decoding the same photos' pixels as PNG once, on one thread, at the same level.
// Placed as photos, the pictures are kept at the canvas height; the full-size variant keeps all
// 240 megapixels, as objects placed at their own size would.
#include "bench/BenchPictures.h"
#include "core/Bitmap.h"
#include "core/CardFile.h"
#include "core/PngCodec.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace festoon::bench {
namespace {

constexpr QSize kCanvas(1920, 1080);
constexpr int kPhotos = 10;
constexpr int kArtwork = 40;

// Smooth light and colour with sensor-like noise: compresses about as well as a photo does.
QImage PhotoLike(int w, int h, std::uint32_t seed) {
    QImage photo = MakeBitmap(w, h);
    std::mt19937 random(seed);
    for (int y = 0; y < h; ++y) {
        uchar* row = photo.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t noise = random();
            row[3 * x] = static_cast<uchar>((x * 180 / w + (noise & 7)) & 0xFF);
            row[3 * x + 1] = static_cast<uchar>((y * 200 / h + ((noise >> 3) & 7)) & 0xFF);
            row[3 * x + 2] = static_cast<uchar>(((x + y) * 120 / (w + h) + 60 + ((noise >> 6) & 7)) & 0xFF);
        }
    }
    return photo;
}

QImage RoundMask(int w, int h) {
    QImage mask = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        uchar* row = mask.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const double edge = std::clamp((1.0 - (dx * dx + dy * dy)) * 8.0, 0.0, 1.0);
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = static_cast<uchar>(edge * 255);
        }
    }
    return mask;
}

struct BenchCard {
    QList<QImage> photos;
    Composition card;
};

// Ten photos (kept whole when `fullSize`), forty pieces of artwork of 300 x 300, a frame.
BenchCard MakeCard(bool fullSize) {
    BenchCard made{{}, Composition(kCanvas, PhotoLike(1920, 1080, 1))};
    const QImage photoMask = RoundMask(400, 300);
    for (int i = 0; i < kPhotos; ++i) {
        made.photos.append(PhotoLike(6000, 4000, 10 + i));
        if (fullSize) {
            made.card.PlaceObject(QRect(i * 150, i * 60, 600, 400), made.photos.last(), photoMask);
        } else {
            made.card.PlacePhoto(made.photos.last(), photoMask);
            made.card.SetBounds(made.card.SelectedSlot(), QRect(i * 150, i * 60, 400, 266));
        }
    }
    for (int i = 0; i < kArtwork; ++i) {
        made.card.PlaceArtwork(PhotoLike(300, 300, 100 + i), RoundMask(300, 300), 1 + i % 3);
        made.card.SetBounds(made.card.SelectedSlot(), QRect(40 * i, 20 * (i % 40), 150, 150));
    }
    made.card.LayFrame(PhotoLike(800, 600, 200), RoundMask(800, 600));
    return made;
}

const BenchCard& Card(bool fullSize) {
    static const BenchCard placed = MakeCard(false);
    static const BenchCard full = MakeCard(true);
    return fullSize ? full : placed;
}

// The photos as the card keeps them.
QList<QImage> KeptPhotos(bool fullSize) {
    QList<QImage> kept;
    for (const Layer& layer : Card(fullSize).card.Layers()) {
        if (layer.name.startsWith(QStringLiteral("man")) || layer.picture.width() == 6000) {
            kept.append(layer.picture);
        }
    }
    return kept;
}

void BM_SaveCard(benchmark::State& state) {
    const Composition& card = Card(state.range(0) != 0).card;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        bytes = EncodeCardFile(card).size();
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

// Saving again after one object moved, as while a card is made: only what changed is encoded.
void BM_SaveMovedCard(benchmark::State& state) {
    Composition card = Card(state.range(0) != 0).card;
    CardFileWriter writer;
    (void)writer.Encode(card);
    int step = 0;
    for (auto _ : state) {
        card.SetBounds(card.TopLayer()->slot, QRect(100 + ++step % 2, 100, 150, 150));
        benchmark::DoNotOptimize(writer.Encode(card));
    }
}

void BM_OpenCard(benchmark::State& state) {
    const QByteArray file = EncodeCardFile(Card(state.range(0) != 0).card);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeCardFile(file));
    }
}

void BM_PhotosAsPng(benchmark::State& state) {
    const QList<QImage> photos = KeptPhotos(state.range(0) != 0);
    for (auto _ : state) {
        for (const QImage& photo : photos) {
            benchmark::DoNotOptimize(EncodePng(photo));
        }
    }
}

void BM_PhotosFromPng(benchmark::State& state) {
    QList<QByteArray> pngs;
    for (const QImage& photo : KeptPhotos(state.range(0) != 0)) {
        pngs.append(EncodePng(photo));
    }
    QImageReader::setAllocationLimit(1024);
    for (auto _ : state) {
        for (QByteArray& png : pngs) {
            QBuffer buffer(&png);
            benchmark::DoNotOptimize(QImageReader(&buffer, "png").read());
        }
    }
}

// Saving and opening use every core: the wall clock is what a user waits for.
#define FESTOON_CARD_BENCHMARK(name)                                                                         \
    BENCHMARK(name)                                                                                          \
        ->ArgName("full_size")                                                                               \
        ->Arg(0)                                                                                             \
        ->Arg(1)                                                                                             \
        ->Unit(benchmark::kMillisecond)                                                                      \
        ->UseRealTime()                                                                                      \
        ->Iterations(3)
FESTOON_CARD_BENCHMARK(BM_SaveCard);
FESTOON_CARD_BENCHMARK(BM_SaveMovedCard);
FESTOON_CARD_BENCHMARK(BM_OpenCard);
FESTOON_CARD_BENCHMARK(BM_PhotosAsPng);
FESTOON_CARD_BENCHMARK(BM_PhotosFromPng);

} // namespace
} // namespace festoon::bench
