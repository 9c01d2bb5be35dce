// The rendering of a rectangle of the card, row by row: each object's stretched picture and mask rows
// blended over the composed canvas's row beneath, then copied into it.
#include "core/CardArea.h"

#include "core/BandPool.h"
#include "core/Bitmap.h"
#include "core/CardBands.h"
#include "core/CardRendering.h"
#include "core/MaskBlendRows.h"
#include "core/StretchedRows.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace festoon {
namespace {

constexpr int kBytesPerPixel = 3;

RenderTarget::Rows RowsOf(QImage& image) {
    if (image.isNull()) {
        return {};
    }
    return {image.bits(), image.bytesPerLine()};
}

uchar* Pixel(const RenderTarget::Rows& rows, int x, int y) {
    return rows.bits + y * rows.stride + static_cast<qsizetype>(x) * kBytesPerPixel;
}

void CopyBackdrop(const RenderTarget& target, const QRect& part) {
    StretchedRows backdrop(target.backdrop, target.canvas.size(), part);
    for (int y = part.top(); y <= part.bottom(); ++y) {
        backdrop.Row(y, Pixel(target.composed, part.left(), y));
    }
}

// One object over the rows and columns of `part` (inside its bounds).
class ObjectPart {
  public:
    ObjectPart(const RenderTarget& target, const Layer& layer, size_t index, const QRect& part)
        : target_(target), bounds_(layer.bounds), part_(part), out_(target.objects[index]),
          local_(part.translated(-layer.bounds.topLeft())), stretched_(target.stretched[index]),
          passes_(layer.blendPasses), rowBytes_(static_cast<size_t>(part.width()) * kBytesPerPixel) {
        if (stretched_ == nullptr) {
            picture_.emplace(target.pictures[index], layer.bounds.size(), local_);
            mask_.emplace(target.masks[index], layer.bounds.size(), local_);
            maskRow_.resize(rowBytes_);
        }
    }

    void Render(bool drawIntoCanvas) {
        const MaskBlendRowKernel blendRow = FastestMaskBlendRow();
        for (int y = part_.top(); y <= part_.bottom(); ++y) {
            const int localY = y - bounds_.top();
            uchar* row = Pixel(out_, local_.left(), localY);
            const uchar* maskRow = PictureAndMaskRow(localY, row);
            const QRect inCanvas = RowInCanvas(y);
            if (passes_ > 0) {
                blendRow(row, Under(y, inCanvas), maskRow, part_.width(), passes_);
            }
            if (drawIntoCanvas && !inCanvas.isEmpty()) {
                std::memcpy(Pixel(target_.composed, inCanvas.left(), y),
                            row + static_cast<size_t>(inCanvas.left() - part_.left()) * kBytesPerPixel,
                            static_cast<size_t>(inCanvas.width()) * kBytesPerPixel);
            }
        }
    }

  private:
    // Writes the picture's row to `row` and gives the mask's.
    const uchar* PictureAndMaskRow(int localY, uchar* row) {
        if (stretched_ != nullptr) {
            const size_t offset = static_cast<size_t>(local_.left()) * kBytesPerPixel;
            std::memcpy(row, stretched_->picture.constScanLine(localY) + offset, rowBytes_);
            return stretched_->mask.constScanLine(localY) + offset;
        }
        picture_->Row(localY, row);
        mask_->Row(localY, maskRow_.data());
        return maskRow_.data();
    }

    [[nodiscard]] QRect RowInCanvas(int y) const {
        return QRect(part_.left(), y, part_.width(), 1).intersected(target_.canvas);
    }

    // The composed canvas's row beneath the part, black where the part leaves the canvas.
    const uchar* Under(int y, const QRect& inCanvas) {
        if (inCanvas.width() == part_.width()) {
            return Pixel(target_.composed, part_.left(), y);
        }
        underRow_.assign(rowBytes_, 0);
        if (!inCanvas.isEmpty()) {
            std::memcpy(underRow_.data() +
                            static_cast<size_t>(inCanvas.left() - part_.left()) * kBytesPerPixel,
                        Pixel(target_.composed, inCanvas.left(), y),
                        static_cast<size_t>(inCanvas.width()) * kBytesPerPixel);
        }
        return underRow_.data();
    }

    const RenderTarget& target_;
    const QRect bounds_;
    const QRect part_;
    const RenderTarget::Rows out_;
    const QRect local_; // the part in the object's own coordinates
    const StretchCache::Stretched* stretched_;
    std::optional<StretchedRows> picture_;
    std::optional<StretchedRows> mask_;
    const int passes_;
    const size_t rowBytes_;
    std::vector<uchar> maskRow_;
    std::vector<uchar> underRow_;
};

} // namespace

RenderTarget::RenderTarget(const Composition& card, RenderedCard& rendered, const std::vector<QRect>& areas,
                           const StretchCache* cache)
    : canvas(QPoint(0, 0), card.CanvasSize()), backdrop(ToBitmap24(card.Backdrop())) {
    const auto reached = [&areas](const QRect& rect) {
        return std::any_of(areas.begin(), areas.end(),
                           [&rect](const QRect& area) { return area.intersects(rect); });
    };
    if (reached(canvas)) {
        composed = RowsOf(rendered.composed);
    }
    if (composed.bits == nullptr) {
        canvas = QRect(); // objects see black beneath them, and nothing is drawn into a canvas
    }
    const QList<Layer>& layers = card.Layers();
    objects.reserve(static_cast<size_t>(layers.size()));
    for (qsizetype i = 0; i < layers.size(); ++i) {
        objects.push_back(reached(layers[i].bounds) ? RowsOf(rendered.pictures[i]) : Rows());
        pictures.push_back(ToBitmap24(layers[i].picture));
        masks.push_back(ToBitmap24(layers[i].mask));
        stretched.push_back(cache == nullptr ? nullptr : cache->Find(layers[i]));
    }
}

void RenderCardArea(const Composition& card, const RenderTarget& target, const QRect& area) {
    const QRect canvasPart = area.intersected(target.canvas);
    if (!canvasPart.isEmpty()) {
        CopyBackdrop(target, canvasPart);
    }
    const QList<Layer>& layers = card.Layers();
    for (qsizetype i = 0; i < layers.size(); ++i) {
        const size_t index = static_cast<size_t>(i);
        const QRect part = layers[i].bounds.intersected(area);
        if (target.objects[index].bits != nullptr && !part.isEmpty()) {
            ObjectPart(target, layers[i], index, part).Render(i + 1 < layers.size());
        }
    }
}

} // namespace festoon

namespace festoon {

QRect WholeCard(const Composition& card) {
    QRect whole = card.CanvasSize().isEmpty() ? QRect() : QRect(QPoint(0, 0), card.CanvasSize());
    for (const Layer& layer : card.Layers()) {
        if (!layer.bounds.isEmpty()) {
            whole |= layer.bounds;
        }
    }
    return whole;
}

QImage UnfilledBitmap(QSize size) {
    return size.isEmpty() ? QImage() : QImage(size, kBitmapFormat);
}

void RenderAreas(const Composition& card, RenderedCard& rendered, const std::vector<QRect>& areas,
                 const StretchCache* cache) {
    std::vector<QRect> objects;
    objects.reserve(static_cast<size_t>(card.Layers().size()));
    for (const Layer& layer : card.Layers()) {
        objects.push_back(layer.bounds);
    }
    const RenderTarget target(card, rendered, areas, cache);
    const std::vector<QRect> bands = SplitIntoBands(areas, target.canvas, objects, RenderThreads());
    RunOnRenderThreads(static_cast<int>(bands.size()),
                       [&](int band) { RenderCardArea(card, target, bands[static_cast<size_t>(band)]); });
}

} // namespace festoon
