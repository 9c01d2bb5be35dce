// Photos in and cards out at full size: loading a 6000 x 4000 JPEG photo from its file to the object on
// a 1772 x 979 canvas, rendered there, beside the same load with a full decode; exporting a card of 50
// objects, five of them 6000 x 4000 photos, at three times the canvas (5316 x 2937) as a JPEG file, beside
// saving the same card at the canvas size. The export also reports its peak memory as a counter.
#include "core/CardRendering.h"
#include "core/Composition.h"
#include "core/ExportFile.h"
#include "core/PhotoSizing.h"
#include "core/PictureFile.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/PictureVariants.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

const QSize kCanvas(1772, 979);

QImage Solid(int w, int h, QRgb colour) {
    QImage picture(w, h, QImage::Format_BGR888);
    picture.fill(colour);
    return picture;
}

struct PhotoFile {
    QTemporaryDir folder;
    QString path;
    QByteArray bytes;
};

const PhotoFile& Photo() {
    static PhotoFile* photo = [] {
        auto* made = new PhotoFile;
        made->bytes =
            festoon::testing::EncodeJpegVariant(festoon::testing::PhotoLikePicture(6000, 4000), {90});
        made->path = made->folder.filePath(QStringLiteral("photo.jpg"));
        QFile file(made->path);
        if (!file.open(QIODevice::WriteOnly) || file.write(made->bytes) != made->bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(made->path));
            std::exit(1);
        }
        return made;
    }();
    return *photo;
}

void BM_LoadPhoto6000x4000(benchmark::State& state) {
    (void)Photo(); // made before the clock runs
    const QImage mask = festoon::testing::SoftOvalMask(64, 64);
    for (auto _ : state) {
        festoon::Composition card(kCanvas, Solid(8, 8, qRgb(240, 230, 210)));
        const festoon::LoadedPicture loaded = festoon::ReadPictureFile(
            Photo().path, nullptr, [](QSize inFile) { return festoon::PhotoSourceSize(inFile, kCanvas); });
        card.PlacePhoto(loaded.decoded.picture, mask, loaded.original);
        benchmark::DoNotOptimize(festoon::RenderCard(card));
    }
}
BENCHMARK(BM_LoadPhoto6000x4000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reference: the photo decoded in full, as loading did before.
void BM_LoadPhotoFullDecode(benchmark::State& state) {
    (void)Photo();
    const QImage mask = festoon::testing::SoftOvalMask(64, 64);
    for (auto _ : state) {
        festoon::Composition card(kCanvas, Solid(8, 8, qRgb(240, 230, 210)));
        card.PlacePhoto(festoon::LoadPictureFile(Photo().path), mask);
        benchmark::DoNotOptimize(festoon::RenderCard(card));
    }
}
BENCHMARK(BM_LoadPhotoFullDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// Five photos kept with their files, spread over the canvas at their first size, and 45 pieces of
// artwork of 300 x 300 at their full size, masked softly, over a backdrop.
festoon::Composition FiftyObjectCard() {
    festoon::Composition card(kCanvas, festoon::testing::PhotoLikePicture(1772, 979, 5));
    const QImage photo = festoon::ReadPictureFile(Photo().path, nullptr, [](QSize inFile) {
                             return festoon::PhotoSourceSize(inFile, kCanvas);
                         }).decoded.picture;
    for (int i = 0; i < 5; ++i) {
        card.PlacePhoto(photo, festoon::testing::SoftOvalMask(64, 64), Photo().bytes);
        card.SetBounds(card.SelectedSlot(), QRect(QPoint(20 + i * 340, 40 + (i % 2) * 400), QSize(400, 267)));
    }
    const QImage artworkMask = festoon::testing::SoftOvalMask(300, 300);
    for (int i = 0; i < 45; ++i) {
        card.PlaceArtwork(festoon::testing::PhotoLikePicture(300, 300, 10 + i), artworkMask, 2);
        card.SetBounds(card.SelectedSlot(), QRect(QPoint((i * 157) % 1600, (i * 89) % 830), QSize(150, 150)));
    }
    card.Recompose();
    return card;
}

void BM_Export3x(benchmark::State& state) {
    const festoon::Composition card = FiftyObjectCard();
    const QTemporaryDir folder;
    festoon::ExportSettings settings;
    settings.size = kCanvas * 3;
    const QString path = folder.filePath(QStringLiteral("card.jpg"));
    for (auto _ : state) {
        festoon::ExportCard(card, settings, path);
    }
    const std::optional<long long> growth =
        PeakMemoryGrowth([&] { festoon::ExportCard(card, settings, path); });
    if (growth) {
        state.counters["peak MiB"] = static_cast<double>(*growth) / (1024 * 1024);
    }
}
BENCHMARK(BM_Export3x)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The reference: the same card saved as Save does, at the canvas size.
void BM_SaveAtCanvasSize(benchmark::State& state) {
    const festoon::Composition card = FiftyObjectCard();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("card.jpg"));
    for (auto _ : state) {
        festoon::SaveJpegFile(festoon::CardPicture(card), path, 85);
    }
}
BENCHMARK(BM_SaveAtCanvasSize)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
