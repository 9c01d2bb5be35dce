// The main window's own paths on a 1920 x 1080 screen, in the program tree the build ships (build/bin):
// a recomposition with 50 photos placed through the Photo button, beside one rendering pass over the
// same objects without the window; and filling a palette page of 20 thumbnails, beside the bare decode
// of the same 20 files. Run by hand: build/bin/festoon_window_bench.
#include "app/EditingSurface.h"
#include "app/Unit1.h"
#include "catalogs/GridPalette.h"
#include "catalogs/Thumbnails.h"
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitMask.h"
#include "core/ArtworkReader.h"
#include "core/Bitmap.h"
#include "core/HitTest.h"
#include "core/JpegCodec.h"
#include "core/RenderObject.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PictureLoading.h"
#include "platform/Screen.h"

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int kPhotos = 50;
const QSize kScreen(1920, 1080);
const QSize kPhotoSize(3000, 2000);      // a camera's picture, shown at 400 x 266
const QSize kLargePhotoSize(4000, 3000); // a larger camera's, shown at 400 x 300

// A smooth picture with fine detail, which compresses like a photo.
QImage PhotoLikePicture(QSize size) {
    QImage picture = festoon::MakeBitmap(size.width(), size.height());
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

// The main window of the shipped tree with photos loaded through the Photo button and spread over
// the canvas, made once for all benchmarks.
struct LoadedWindow {
    QTemporaryDir photos;
    std::unique_ptr<TFormMain> window;

    LoadedWindow(int count, QSize photoSize) {
        const QString photo = photos.filePath(QStringLiteral("photo.jpg"));
        QFile file(photo);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(festoon::EncodeJpeg(PhotoLikePicture(photoSize), 85)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(photo));
            std::exit(1);
        }
        file.close();
        window = std::make_unique<TFormMain>();
        window->show();
        festoon::DialogScript::Begin();
        for (int i = 0; i < count; ++i) {
            festoon::DialogScript::AnswerOpen(photo);
            window->BtnLoadClick();
        }
        window->Loading().WaitUntilIdle();
        festoon::DialogScript::End();
        // Spread over the canvas.
        const QSize canvas = window->CanvasSize();
        festoon::Composition card = window->Card();
        for (int i = 0; i < count; ++i) {
            const QRect bounds = card.Layers()[i].bounds;
            card.SetBounds(card.Layers()[i].slot,
                           QRect(QPoint((i * 137) % (canvas.width() - bounds.width()),
                                        (i * 89) % (canvas.height() - bounds.height())),
                                 bounds.size()));
        }
        card.Recompose();
        window->ReplaceCard(card);
        Made().push_back(this);
    }

    // Closes every window made, while the application object still exists (the windows themselves are
    // static, and would otherwise be destroyed after it).
    static void CloseAll() {
        for (LoadedWindow* loaded : Made()) {
            loaded->window.reset();
        }
    }

    static std::vector<LoadedWindow*>& Made() {
        static std::vector<LoadedWindow*> made;
        return made;
    }

    static LoadedWindow& Get() {
        static LoadedWindow loaded(kPhotos, kPhotoSize);
        return loaded;
    }

    // Windows with one and with 50 photos of 4000 x 3000, for dragging.
    static LoadedWindow& ForDrag(int count) {
        static LoadedWindow one(1, kLargePhotoSize);
        static LoadedWindow full(kPhotos, kLargePhotoSize);
        return count == 1 ? one : full;
    }
};

void SendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// The centre of the topmost object, where a press drags it.
QPoint TopCentre(const TFormMain& window) {
    return window.Card().TopLayer()->bounds.center();
}

// Clicks the topmost object until the objects lie above the editing surface, as they do after a drag:
// a click on them then selects one and brings the surface to the front for the drag.
void ObjectsToFront(TFormMain& window) {
    for (int click = 0; click < 2; ++click) {
        const QPoint centre = TopCentre(window);
        SendMouse(window.ImTouMing, QEvent::MouseButtonPress, centre, Qt::LeftButton);
        const bool surfaceTookIt = window.ImTouMing->BandVisible();
        SendMouse(window.ImTouMing, QEvent::MouseButtonRelease, centre, Qt::NoButton);
        if (surfaceTookIt) {
            return; // a drag of no length, after which the surface goes back
        }
    }
}

// Selects the topmost object with a click and presses on it again through the surface: a drag begins.
void StartDrag(TFormMain& window, QPoint start) {
    SendMouse(window.ImTouMing, QEvent::MouseButtonPress, start, Qt::LeftButton);
    SendMouse(window.ImTouMing, QEvent::MouseButtonRelease, start, Qt::NoButton);
    SendMouse(window.ImTouMing, QEvent::MouseMove, start, Qt::NoButton);
    SendMouse(window.ImTouMing, QEvent::MouseButtonPress, start, Qt::LeftButton);
}

// The pointer moved with the button held, and the repaint it asks for.
void MoveHeld(TFormMain& window, QPoint position) {
    SendMouse(window.ImTouMing, QEvent::MouseMove, position, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// A whole drag of the topmost object as a user makes it, with one object or with 50 on the card: a
// click that selects it, then a press on it, 20 pointer moves and the release that moves it, each
// repaint included. Argument: the number of objects.
void BM_WholeDrag(benchmark::State& state) {
    TFormMain& window = *LoadedWindow::ForDrag(static_cast<int>(state.range(0))).window;
    int step = 0;
    qint64 moved = 0;
    ObjectsToFront(window);
    for (auto _ : state) {
        const QPoint start = TopCentre(window);
        StartDrag(window, start);
        // Back and forth, so that the object stays on the canvas.
        const int direction = (step++ % 2 == 0) ? 1 : -1;
        for (int move = 1; move <= 20; ++move) {
            MoveHeld(window, start + QPoint(direction * move * 3, direction * move));
        }
        SendMouse(window.ImTouMing, QEvent::MouseButtonRelease,
                  start + QPoint(direction * 60, direction * 20), Qt::NoButton);
        QCoreApplication::processEvents();
        moved += std::abs(TopCentre(window).x() - start.x());
    }
    state.counters["objects"] = static_cast<double>(window.Card().Layers().size());
    // How far each drag moved the object, to show that it did.
    state.counters["pixels moved"] =
        benchmark::Counter(static_cast<double>(moved), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeDrag)->Arg(1)->Arg(kPhotos)->Unit(benchmark::kMillisecond);

// One pointer move of a drag with its repaint, with one object or with 50 on the card.
void BM_DragMove(benchmark::State& state) {
    TFormMain& window = *LoadedWindow::ForDrag(static_cast<int>(state.range(0))).window;
    ObjectsToFront(window);
    const QPoint start = TopCentre(window);
    StartDrag(window, start);
    int step = 0;
    for (auto _ : state) {
        MoveHeld(window, start + QPoint((step % 40) * 2, (step % 40)));
        ++step;
    }
    // Whether the band followed the pointer, to show that the drag was on.
    state.counters["band moved"] =
        window.ImTouMing->BandVisible() &&
        window.ImTouMing->Band().topLeft() != window.Card().TopLayer()->bounds.topLeft();
    // Released where it started: the card is as it was.
    SendMouse(window.ImTouMing, QEvent::MouseButtonRelease, start, Qt::NoButton);
    QCoreApplication::processEvents();
    state.counters["objects"] = static_cast<double>(window.Card().Layers().size());
}
BENCHMARK(BM_DragMove)->Arg(1)->Arg(kPhotos)->Unit(benchmark::kMicrosecond);

// A canvas pixel where a press lands on the object in `slot`, if it shows anywhere.
std::optional<QPoint> ShownPointOf(const festoon::Composition& card, int slot) {
    const QRect bounds = card.LayerInSlot(slot)->bounds.intersected(QRect(QPoint(0, 0), card.CanvasSize()));
    for (int y = bounds.top(); y <= bounds.bottom(); y += 3) {
        for (int x = bounds.left(); x <= bounds.right(); x += 3) {
            if (festoon::TopmostShownAt(card, QPoint(x, y)) == slot) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// Selecting (and so raising) the bottom object of the card of 50 photos by a press on it, until the
// window's canvas is up to date; each iteration raises the object then at the bottom.
void BM_SelectBottomWindow(benchmark::State& state) {
    TFormMain& window = *LoadedWindow::Get().window;
    for (auto _ : state) {
        state.PauseTiming();
        const std::optional<QPoint> at = ShownPointOf(window.Card(), window.Card().Layers().first().slot);
        state.ResumeTiming();
        if (!at) {
            state.SkipWithError("the bottom object is hidden under the others");
            break;
        }
        SendMouse(window.ImTouMing, QEvent::MouseButtonPress, *at, Qt::LeftButton);
        SendMouse(window.ImTouMing, QEvent::MouseButtonRelease, *at, Qt::NoButton);
        benchmark::DoNotOptimize(window.RenderedCard().composed.constBits());
    }
}
BENCHMARK(BM_SelectBottomWindow)->Unit(benchmark::kMillisecond);

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
    LoadedWindow::CloseAll();
    return 0;
}
