// The turned-object kernel. Along a row of the canvas the position in the bounds moves by a constant
// step, so the row's positions are found by adding that step, in the same integers LocalPixel uses;
// the span of a row that lies on the object is found by solving its four limits exactly, so that no
// pixel is tested one by one.
#include "core/TurnedObject.h"

#include "core/Bitmap.h"
#include "core/MaskBlendRows.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace festoon {
namespace {

using Int = std::int64_t;

Int FloorDivide(Int a, Int b) { // b > 0
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The i with 0 <= start + i * step < limit, as [first, last) clipped to [0, count).
TurnedSampler::Span Within(Int start, Int step, Int limit, int count) {
    Int first = 0, last = count;
    if (step == 0) {
        if (start < 0 || start >= limit) {
            return {0, 0};
        }
    } else if (step > 0) {
        first = FloorDivide(-start + step - 1, step);       // ceil(-start / step)
        last = FloorDivide(limit - start + step - 1, step); // ceil((limit - start) / step)
    } else {
        first = FloorDivide(start - limit, -step) + 1;
        last = FloorDivide(start, -step) + 1;
    }
    first = std::clamp<Int>(first, 0, count);
    last = std::clamp<Int>(last, first, count);
    return {static_cast<int>(first), static_cast<int>(last)};
}

} // namespace

TurnedSampler::Source TurnedSampler::Prepare(const QImage& picture, const Placement& placement) {
    Source source;
    source.bitmap = ToBitmap24(picture);
    const Int w = placement.bounds.width(), h = placement.bounds.height();
    if (source.bitmap.isNull() || w <= 0 || h <= 0) {
        return source;
    }
    // The mirroring is laid into the tables: column x of the bounds shows what column w - 1 - x would.
    const Int sw = source.bitmap.width(), sh = source.bitmap.height();
    source.column.resize(static_cast<size_t>(w));
    for (Int x = 0; x < w; ++x) {
        const Int shown = placement.mirroredAcross ? w - 1 - x : x;
        source.column[static_cast<size_t>(x)] = static_cast<qsizetype>(shown * sw / w) * 3;
    }
    source.row.resize(static_cast<size_t>(h));
    for (Int y = 0; y < h; ++y) {
        const Int shown = placement.mirroredUpDown ? h - 1 - y : y;
        source.row[static_cast<size_t>(y)] = source.bitmap.constScanLine(static_cast<int>(shown * sh / h));
    }
    return source;
}

TurnedSampler::TurnedSampler(const Placement& placement, const QImage& picture, const QImage& mask)
    : placement_(placement), turn_(TurnFor(placement.angle)), rect_(ShownRect(placement)),
      picture_(Prepare(picture, placement)), mask_(Prepare(mask, placement)) {}

TurnedSampler::Span TurnedSampler::RowSpan(int y) const {
    const QRect& b = placement_.bounds;
    const Int w = b.width(), h = b.height();
    if (w <= 0 || h <= 0 || mask_.bitmap.isNull()) {
        return {0, 0};
    }
    const Int dx = 2 * Int{rect_.x()} + 1 - (2 * Int{b.x()} + w);
    const Int dy = 2 * (Int{rect_.y()} + y) + 1 - (2 * Int{b.y()} + h);
    const Int u = dx * turn_.cosine + dy * turn_.sine + w * kTurnOne;
    const Int v = dy * turn_.cosine - dx * turn_.sine + h * kTurnOne;
    const Span across = Within(u, 2 * turn_.cosine, 2 * w * kTurnOne, rect_.width());
    const Span down = Within(v, -2 * turn_.sine, 2 * h * kTurnOne, rect_.width());
    const int first = std::max(across.first, down.first);
    return {first, std::max(first, std::min(across.last, down.last))};
}

void TurnedSampler::SampleRow(int y, const Span& span, uchar* pictureRow, uchar* maskRow) const {
    const QRect& b = placement_.bounds;
    const Int w = b.width(), h = b.height();
    const Int dx = 2 * (Int{rect_.x()} + span.first) + 1 - (2 * Int{b.x()} + w);
    const Int dy = 2 * (Int{rect_.y()} + y) + 1 - (2 * Int{b.y()} + h);
    Int u = dx * turn_.cosine + dy * turn_.sine + w * kTurnOne;
    Int v = dy * turn_.cosine - dx * turn_.sine + h * kTurnOne;
    const Int du = 2 * turn_.cosine, dv = -2 * turn_.sine;
    const Int lastColumn = w - 1, lastRow = h - 1;
    const bool hasPicture = !picture_.bitmap.isNull();
    for (int x = span.first; x < span.last; ++x, u += du, v += dv) {
        // The span is exact; the clamps only guard the reads.
        const auto column = static_cast<size_t>(std::clamp<Int>(u >> 17, 0, lastColumn));
        const auto row = static_cast<size_t>(std::clamp<Int>(v >> 17, 0, lastRow));
        const uchar* m = mask_.row[row] + mask_.column[column];
        uchar* maskOut = maskRow + x * 3;
        maskOut[0] = m[0];
        maskOut[1] = m[1];
        maskOut[2] = m[2];
        uchar* pictureOut = pictureRow + x * 3;
        if (hasPicture) {
            const uchar* p = picture_.row[row] + picture_.column[column];
            pictureOut[0] = p[0];
            pictureOut[1] = p[1];
            pictureOut[2] = p[2];
        } else {
            pictureOut[0] = pictureOut[1] = pictureOut[2] = 0;
        }
    }
}

QImage RenderTurnedObject(const QImage& composedPicture, const Placement& placement, const QImage& picture,
                          const QImage& mask, int passes, RenderScratch& scratch) {
    if (placement.bounds.width() <= 0 || placement.bounds.height() <= 0) {
        return QImage();
    }
    const QImage composed = ToBitmap24(composedPicture);
    const TurnedSampler sampler(placement, picture, mask);
    const QRect& rect = sampler.Rect();
    const int w = rect.width(), h = rect.height();
    if (scratch.mask.size() != rect.size() || scratch.mask.format() != kBitmapFormat) {
        scratch.mask = QImage(rect.size(), kBitmapFormat);
    }
    scratch.layer = QImage(rect.size(), kBitmapFormat);
    if (scratch.mask.isNull() || scratch.layer.isNull()) {
        return QImage();
    }
    // Inside the canvas the rows beneath are read where they lie; otherwise a copy, black off the canvas.
    const bool inside = composed.rect().contains(rect);
    if (!inside) {
        if (scratch.under.size() != rect.size() || scratch.under.format() != kBitmapFormat) {
            scratch.under = QImage(rect.size(), kBitmapFormat);
        }
        if (scratch.under.isNull()) {
            return QImage();
        }
        scratch.under.fill(Qt::black);
        CopyBlock(composed, rect, scratch.under, QPoint(0, 0));
    }
    const MaskBlendRowKernel blendRow = FastestMaskBlendRow();
    for (int y = 0; y < h; ++y) {
        const uchar* underRow = inside ? composed.constScanLine(rect.top() + y) + rect.left() * 3
                                       : scratch.under.constScanLine(y);
        uchar* layerRow = scratch.layer.scanLine(y);
        uchar* maskRow = scratch.mask.scanLine(y);
        const TurnedSampler::Span span = sampler.RowSpan(y);
        // Off the object the result is what lies beneath, exactly as a black mask would leave it.
        std::memcpy(layerRow, underRow, static_cast<size_t>(span.first) * 3);
        std::memcpy(layerRow + span.last * 3, underRow + span.last * 3,
                    static_cast<size_t>(w - span.last) * 3);
        if (span.last > span.first) {
            sampler.SampleRow(y, span, layerRow, maskRow);
            if (passes > 0) {
                blendRow(layerRow + span.first * 3, underRow + span.first * 3, maskRow + span.first * 3,
                         span.last - span.first, passes);
            }
        }
    }
    return scratch.layer;
}

QImage RenderLayer(const QImage& composed, const Layer& layer, RenderScratch& scratch) {
    const Placement placement = PlacementOf(layer);
    if (IsUpright(placement)) {
        return RenderObject(composed, layer.bounds, layer.picture, layer.mask, layer.blendPasses, scratch);
    }
    return RenderTurnedObject(composed, placement, layer.picture, layer.mask, layer.blendPasses, scratch);
}

} // namespace festoon
