// Converting between an object's picture and mask and a picture with alpha, through lookup tables.
#include "core/ObjectAlpha.h"

#include "core/Bitmap.h"
#include "core/MaskBlend.h"
#include "core/TurnedObject.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace festoon {
namespace {

using ByteTable = std::array<std::uint8_t, 256>;

constexpr ByteTable MakeTwoBlendAlphas() {
    ByteTable alphas{};
    for (int m = 0; m < 256; ++m) {
        alphas[static_cast<size_t>(m)] = static_cast<std::uint8_t>((m * m + 127) / 255);
    }
    return alphas;
}
constexpr ByteTable kTwoBlendAlphas = MakeTwoBlendAlphas();

// Two blends never show more than they did for a larger mask value, so the nearest is found by a walk.
constexpr ByteTable MakeMasksForAlphas() {
    ByteTable masks{};
    int m = 0;
    for (int alpha = 0; alpha < 256; ++alpha) {
        while (m < 255 && kTwoBlendAlphas[static_cast<size_t>(m + 1)] <= alpha) {
            ++m;
        }
        int best = m;
        const int below = alpha - kTwoBlendAlphas[static_cast<size_t>(m)];
        if (m < 255 && kTwoBlendAlphas[static_cast<size_t>(m + 1)] - alpha < below) {
            best = m + 1;
        }
        masks[static_cast<size_t>(alpha)] = static_cast<std::uint8_t>(best);
    }
    return masks;
}
constexpr ByteTable kMasksForAlphas = MakeMasksForAlphas();

} // namespace

std::uint8_t TwoBlendAlpha(std::uint8_t m) {
    return kTwoBlendAlphas[m];
}

std::uint8_t MaskForAlpha(std::uint8_t alpha) {
    return kMasksForAlphas[alpha];
}

namespace {

// The turned object's picture and mask over the part `shown` of its ShownRect, as its rendering samples
// them; black off the object.
void SampleTurned(const Layer& layer, const QRect& shown, QImage& picture, QImage& mask) {
    const TurnedSampler sampler(PlacementOf(layer), layer.picture, layer.mask);
    const QRect& rect = sampler.Rect();
    QImage fullPicture = MakeBitmap(rect.width(), rect.height());
    QImage fullMask = MakeBitmap(rect.width(), rect.height());
    for (int y = 0; y < rect.height(); ++y) {
        sampler.SampleRow(y, sampler.RowSpan(y), fullPicture.scanLine(y), fullMask.scanLine(y));
    }
    picture = fullPicture.copy(shown.translated(-rect.topLeft()));
    mask = fullMask.copy(shown.translated(-rect.topLeft()));
}

} // namespace

QImage ObjectWithAlpha(const Layer& layer, QSize canvas) {
    const QRect shown = ShownRect(layer).intersected(QRect(QPoint(0, 0), canvas));
    if (shown.isEmpty()) {
        return {};
    }
    QImage picture = MakeBitmap(shown.width(), shown.height());
    QImage mask = MakeBitmap(shown.width(), shown.height());
    if (IsUpright(PlacementOf(layer))) {
        // Both are drawn at the whole bounds, shifted so that only the part on the canvas is filled.
        const QRect stretchedTo = layer.bounds.translated(-shown.topLeft());
        StretchDraw(layer.picture, picture, stretchedTo);
        StretchDraw(layer.mask, mask, stretchedTo);
    } else {
        SampleTurned(layer, shown, picture, mask);
    }
    QImage result(shown.size(), QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y) {
        const uchar* colour = picture.constScanLine(y);
        const uchar* m = mask.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < shown.width(); ++x, colour += 3, m += 3) {
            const std::uint8_t alpha = kTwoBlendAlphas[MaskLuminance(m[2], m[1], m[0])];
            out[x] = qRgba(colour[2], colour[1], colour[0], alpha);
        }
    }
    return result;
}

PictureAndMask ObjectFromAlpha(const QImage& withAlpha, double opacity) {
    const QImage straight = withAlpha.convertToFormat(QImage::Format_ARGB32);
    const int w = straight.width(), h = straight.height();
    PictureAndMask result{MakeBitmap(w, h), MakeBitmap(w, h)};
    const int scale = static_cast<int>(std::lround(std::clamp(opacity, 0.0, 1.0) * 255));
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        uchar* colour = result.picture.scanLine(y);
        uchar* m = result.mask.scanLine(y);
        for (int x = 0; x < w; ++x, colour += 3, m += 3) {
            colour[0] = static_cast<uchar>(qBlue(in[x]));
            colour[1] = static_cast<uchar>(qGreen(in[x]));
            colour[2] = static_cast<uchar>(qRed(in[x]));
            const int alpha = (qAlpha(in[x]) * scale + 127) / 255;
            m[0] = m[1] = m[2] = kMasksForAlphas[static_cast<size_t>(alpha)];
        }
    }
    return result;
}

} // namespace festoon
