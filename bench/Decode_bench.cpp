// Opening pictures: the open dialog's preview of a 6000 x 4000 photo beside the full decode of the same
// photo, and the refusal of a scan bomb (2,000 scans over 4000 x 4000) beside that full decode. The
// full decode also reports, as a counter, how far the peak memory of opening the photo from its file
// rises.
#include "core/JpegCodec.h"
#include "core/PictureFile.h"
#include "core/PlatformError.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/PictureVariants.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

const QSize kPreviewBox(200, 200);

const QByteArray& Photo() {
    static const QByteArray photo =
        festoon::testing::EncodeJpegVariant(festoon::testing::PhotoLikePicture(6000, 4000), {90});
    return photo;
}

// The photo as a file, for the peak memory of opening it as the Photo button does.
QString PhotoFile(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Photo()) != Photo().size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

void BM_FullDecode6000x4000(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(festoon::DecodeJpeg(Photo()));
    }
    const QTemporaryDir folder;
    const QString path = PhotoFile(folder);
    const std::optional<long long> growth = PeakMemoryGrowth([&] { (void)festoon::LoadPictureFile(path); });
    if (growth) {
        state.counters["open peak MiB"] = static_cast<double>(*growth) / (1024 * 1024);
        state.counters["picture MiB"] = 6000.0 * 4000 * 3 / (1024 * 1024);
    }
}
BENCHMARK(BM_FullDecode6000x4000)->Unit(benchmark::kMillisecond);

void BM_Preview6000x4000(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(festoon::DecodePreview(Photo(), kPreviewBox));
    }
}
BENCHMARK(BM_Preview6000x4000)->Unit(benchmark::kMillisecond);

void BM_RefuseScanBomb(benchmark::State& state) {
    const QByteArray bomb = festoon::testing::ProgressiveManyScans(4000, 4000, 14, 2000);
    for (auto _ : state) {
        try {
            (void)festoon::DecodeJpeg(bomb);
            state.SkipWithError("the scan bomb was decoded");
        } catch (const festoon::PlatformError&) {
        }
    }
}
BENCHMARK(BM_RefuseScanBomb)->Unit(benchmark::kMillisecond);

} // namespace
