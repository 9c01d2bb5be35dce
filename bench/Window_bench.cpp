// The main window's own paths on a 1920 x 1080 screen, in the program tree the build ships (build/bin):
// a recomposition with 50 photos placed through the Photo button, beside one rendering pass over the
// same objects without the window; and filling a palette page of 20 thumbnails, beside the bare decode
// of the same 20 files. Run by hand: build/bin/festoon_window_bench.
#include "app/Unit1.h"
#include "catalogs/GridPalette.h"
#include "catalogs/Thumbnails.h"
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitMask.h"
#include "core/ArtworkReader.h"
#include "core/Bitmap.h"
#include "core/JpegCodec.h"
#include "core/RenderObject.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PictureLoading.h"
#include "platform/Screen.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kPhotos = 50;
const QSize kScreen(1920, 1080);
const QSize kPhotoSize(3000, 2000); // a camera's picture, shown at 400 x 266

// A smooth picture with fine detail, which compresses like a photo.
QImage PhotoLikePicture() {
    QImage picture = festoon::MakeBitmap(kPhotoSize.width(), kPhotoSize.height());
    for (int y = 0; y < picture.height(); ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const int grain = (x * 7 + y * 13) % 17;
            row[x * 3 + 0] = static_cast<uchar>((x * 255 / picture.width() + grain) % 256);
            row[x * 3 + 1] = static_cast<uchar>((y * 255 / picture.height() + grain) % 256);
            row[x * 3 + 2] = static_cast<uchar>(((x + y) * 127 / picture.height() + grain) % 256);
        }
    }
    return picture;
}

// The main window of the shipped tree with 50 photos loaded through the Photo button and spread over
// the canvas, made once for all benchmarks.
struct LoadedWindow {
    QTemporaryDir photos;
    std::unique_ptr<TFormMain> window;

    LoadedWindow() {
        const QString photo = photos.filePath(QStringLiteral("photo.jpg"));
        QFile file(photo);
        if (!file.open(QIODevice::WriteOnly) || file.write(festoon::EncodeJpeg(PhotoLikePicture(), 85)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(photo));
            std::exit(1);
        }
        file.close();
        window = std::make_unique<TFormMain>();
        window->show();
        festoon::DialogScript::Begin();
        for (int i = 0; i < kPhotos; ++i) {
            festoon::DialogScript::AnswerOpen(photo);
            window->BtnLoadClick();
        }
        window->Loading().WaitUntilIdle();
        festoon::DialogScript::End();
        // Spread over the canvas.
        const QSize canvas = window->CanvasSize();
        festoon::Composition card = window->Card();
        for (int i = 0; i < kPhotos; ++i) {
            const QRect bounds = card.Layers()[i].bounds;
            card.SetBounds(card.Layers()[i].slot,
                           QRect(QPoint((i * 137) % (canvas.width() - bounds.width()),
                                        (i * 89) % (canvas.height() - bounds.height())),
                                 bounds.size()));
        }
        card.Recompose();
        window->ReplaceCard(card);
    }

    static LoadedWindow& Get() {
        static LoadedWindow loaded;
        return loaded;
    }
};

void BM_RecomposeWindow(benchmark::State& state) {
    TFormMain& window = *LoadedWindow::Get().window;
    for (auto _ : state) {
        window.BtnchonghuaClick();
        benchmark::DoNotOptimize(window.RenderedCard().composed.constBits());
    }
    state.counters["objects"] = static_cast<double>(window.Card().Layers().size());
}
BENCHMARK(BM_RecomposeWindow)->Unit(benchmark::kMillisecond);

// The pixel work of the same recomposition alone: every object rendered once over a copy of the
// composed canvas, in layer order, without the controls.
void BM_RecomposeRenderPass(benchmark::State& state) {
    const QList<festoon::Layer>& layers = LoadedWindow::Get().window->Card().Layers();
    QImage composed = LoadedWindow::Get().window->RenderedCard().composed.copy();
    festoon::RenderScratch scratch;
    for (auto _ : state) {
        for (qsizetype i = 0; i < layers.size(); ++i) {
            const festoon::Layer& layer = layers[i];
            const QImage picture =
                festoon::RenderObject(composed, layer.bounds, layer.picture, layer.mask, 2, scratch);
            if (i + 1 < layers.size()) {
                festoon::DrawUnscaled(picture, composed, layer.bounds.topLeft());
            }
        }
        benchmark::DoNotOptimize(composed.constBits());
    }
}
BENCHMARK(BM_RecomposeRenderPass)->Unit(benchmark::kMillisecond);

// Page 1 of a palette read into its 20 thumbnails, the palette shown so that each thumbnail repaints.
// A palette made beside the loaded window, which it would act on.
template <typename Palette> std::unique_ptr<Palette> MakePalette() {
    TFormMain* window = LoadedWindow::Get().window.get();
    return std::make_unique<Palette>(PaletteContext{nullptr, window, &window->WindowDrag});
}

template <typename Palette> void BM_FillThumbnails(benchmark::State& state) {
    const auto made = MakePalette<Palette>();
    Palette& palette = *made;
    palette.show();
    const QString folder = palette.ThumbnailFolder(1);
    for (auto _ : state) {
        palette.FillThumbnails(folder);
    }
}
BENCHMARK(BM_FillThumbnails<TFormCartoon>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillThumbnails<TFormMask>)->Unit(benchmark::kMillisecond);

// The bare decode of the same 20 files.
template <typename Palette> void BM_DecodeThumbnails(benchmark::State& state) {
    const QString folder = MakePalette<Palette>()->ThumbnailFolder(1);
    for (auto _ : state) {
        for (int item = 1; item <= TGridPalette::kItemCount; ++item) {
            benchmark::DoNotOptimize(
                festoon::ReadArtworkFile(festoon::ArtworkPath(folder, QString::number(item) + ".ssl")));
        }
    }
}
BENCHMARK(BM_DecodeThumbnails<TFormCartoon>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeThumbnails<TFormMask>)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    festoon::Application app(argc, argv);
    festoon::SetScreenSize(kScreen);
    festoon::SetExecutableFolder(QStringLiteral(FESTOON_PROGRAM_FOLDER));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
