// The export renderer. Objects are made ready (decoded, resampled) a few at a time on the machine's
// cores, and blended over the backdrop one after another in their stacking order, so that memory holds
// only the export and the objects under way, whatever the number and size of the photos.
#include "core/CardExport.h"

#include "core/Bitmap.h"
#include "core/FrameBlend.h"
#include "core/LetteringPicture.h"
#include "core/ObjectAlpha.h"
#include "core/ParallelTasks.h"
#include "core/PictureDecoding.h"
#include "core/PlatformError.h"
#include "core/RenderObject.h"
#include "core/Resample.h"
#include "core/TurnedObject.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace festoon {
namespace {

// Blend passes of every object in a finished card.
constexpr int kFinishedPasses = 2;
constexpr double kMillimetresPerInch = 25.4;

int ScaledEdge(int edge, int to, int from) {
    return static_cast<int>(std::lround(static_cast<double>(edge) * to / from));
}

QImage DecodedOrNull(const QByteArray& original, QSize needed, DecodeControl* control) {
    if (original.isEmpty()) {
        return {};
    }
    try {
        DecodedPicture decoded = DecodeKeptPicture(original, needed, control);
        return decoded.withAlpha.isNull() ? decoded.picture : ObjectFromAlpha(decoded.withAlpha, 1.0).picture;
    } catch (const PlatformError&) {
        return {}; // the picture the card holds stands in for it
    }
}

void Report(DecodeControl* control, int done, int total) {
    if (control != nullptr) {
        control->progress.store(std::clamp(done * 1000 / std::max(total, 1), 0, 999),
                                std::memory_order_relaxed);
    }
}

} // namespace

QSize ExportSizeForLongSide(QSize canvas, int longSide) {
    if (canvas.isEmpty() || longSide < 1) {
        return {};
    }
    const bool wide = canvas.width() >= canvas.height();
    const int shortSide = std::max(1, ScaledEdge(wide ? canvas.height() : canvas.width(), longSide,
                                                 wide ? canvas.width() : canvas.height()));
    return wide ? QSize(longSide, shortSide) : QSize(shortSide, longSide);
}

QSize ExportSizeForPaper(QSize canvas, QSizeF paperMm, int dpi) {
    if (canvas.isEmpty() || paperMm.isEmpty()) {
        return {};
    }
    // The paper's long side along the card's long side.
    const double longMm = std::max(paperMm.width(), paperMm.height());
    const double shortMm = std::min(paperMm.width(), paperMm.height());
    const bool wide = canvas.width() >= canvas.height();
    const QSizeF paperPixels =
        QSizeF(wide ? longMm : shortMm, wide ? shortMm : longMm) * dpi / kMillimetresPerInch;
    const QSize fitted = QSizeF(canvas).scaled(paperPixels, Qt::KeepAspectRatio).toSize();
    return ExportSizeForLongSide(canvas, std::max(fitted.width(), fitted.height()));
}

QRect ExportBounds(const QRect& bounds, QSize canvas, QSize size) {
    const int left = ScaledEdge(bounds.left(), size.width(), canvas.width());
    const int top = ScaledEdge(bounds.top(), size.height(), canvas.height());
    const int right = ScaledEdge(bounds.left() + bounds.width(), size.width(), canvas.width());
    const int bottom = ScaledEdge(bounds.top() + bounds.height(), size.height(), canvas.height());
    return {left, top, std::max(1, right - left), std::max(1, bottom - top)};
}

// Lettering enlarged is drawn again in its font at the size it needs, sharp; at most this many pixels,
// beyond which it is enlarged from that.
constexpr qint64 kMostLetteringPixels = 64LL * 1024 * 1024;

// How much larger than its own picture an object of `size` shows lettering, or 1 when it shows it no
// larger.
double LetteringScale(const Layer& layer, QSize size) {
    if (!layer.lettering || layer.picture.isNull()) {
        return 1.0;
    }
    const QSize own = layer.picture.size();
    double scale = std::max(static_cast<double>(size.width()) / own.width(),
                            static_cast<double>(size.height()) / own.height());
    const double most =
        std::sqrt(static_cast<double>(kMostLetteringPixels) / (double(own.width()) * own.height()));
    return std::max(1.0, std::min(scale, most));
}

ExportedObject ExportObject(const Layer& layer, QSize size, DecodeControl* control) {
    if (const double scale = LetteringScale(layer, size); scale > 1.0) {
        const LetteringPicture drawn = DrawLettering(*layer.lettering, scale);
        ThrowIfCancelled(control);
        return {ResampleBitmap(drawn.picture, size), ResampleBitmap(drawn.mask, size)};
    }
    QImage picture = DecodedOrNull(layer.original, size, control);
    if (picture.isNull()) {
        picture = layer.picture;
    }
    ThrowIfCancelled(control);
    return {ResampleBitmap(picture, size), ResampleBitmap(layer.mask, size)};
}

QImage ExportBackdrop(const Composition& card, QSize size, DecodeControl* control) {
    QImage clean = DecodedOrNull(card.BackdropOriginal(), size, control);
    clean = ResampleBitmap(clean.isNull() ? card.CleanBackdrop() : clean, size);
    if (const std::optional<Frame>& frame = card.LaidFrame()) {
        return FramedBackdrop(clean, ResampleBitmap(frame->picture, size), ResampleBitmap(frame->mask, size),
                              size);
    }
    return clean;
}

QImage RenderCardAt(const Composition& card, QSize size, DecodeControl* control) {
    const QSize canvas = card.CanvasSize();
    if (canvas.isEmpty() || size.isEmpty()) {
        return {};
    }
    const QList<Layer>& layers = card.Layers();
    const int total = static_cast<int>(layers.size()) + 1;
    QImage composed = ExportBackdrop(card, size, control);
    if (composed.isNull()) {
        throw std::bad_alloc();
    }
    Report(control, 1, total);
    RenderScratch scratch;
    const int workers = WorkerCount();
    std::vector<ExportedObject> ready(static_cast<size_t>(workers));
    for (int first = 0; first < layers.size(); first += workers) {
        const int count = std::min(workers, static_cast<int>(layers.size()) - first);
        RunTasks(count, workers, [&](int index, int) {
            const Layer& layer = layers[first + index];
            ready[static_cast<size_t>(index)] =
                ExportObject(layer, ExportBounds(layer.bounds, canvas, size).size(), control);
        });
        for (int index = 0; index < count; ++index) {
            const Layer& layer = layers[first + index];
            // A turned or mirrored object is turned and mirrored at the export's size, by the same rule.
            Placement placement = PlacementOf(layer);
            placement.bounds = ExportBounds(layer.bounds, canvas, size);
            ExportedObject& object = ready[static_cast<size_t>(index)];
            const QImage blended = IsUpright(placement)
                                       ? RenderObject(composed, placement.bounds, object.picture, object.mask,
                                                      kFinishedPasses, scratch)
                                       : RenderTurnedObject(composed, placement, object.picture, object.mask,
                                                            kFinishedPasses, scratch);
            if (blended.isNull()) {
                throw std::bad_alloc();
            }
            DrawUnscaled(blended, composed, ShownRect(placement).topLeft());
            object = {};
            Report(control, first + index + 2, total);
        }
        ThrowIfCancelled(control);
    }
    return composed;
}

} // namespace festoon
