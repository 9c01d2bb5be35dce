// An object as a picture with alpha, the way painting programs keep layers, and back. A recomposition
// blends each object twice through its mask, so a mask value m lets through about (m / 255)² of the
// picture: the alpha carries that share, and a mask is chosen back from an alpha to show the same share.
#pragma once

#include "core/Layer.h"

#include <QImage>
#include <QSize>
#include <cstdint>

namespace festoon {

// The alpha showing as much of a picture as two blends through mask value m: round(m² / 255).
[[nodiscard]] std::uint8_t TwoBlendAlpha(std::uint8_t m);
// The mask value whose two blends come nearest to showing `alpha` of a picture.
[[nodiscard]] std::uint8_t MaskForAlpha(std::uint8_t alpha);

// The part of the object that lies on a canvas of `canvas`, as the canvas shows it after a recomposition:
// its picture and mask stretched to its bounds exactly as rendering stretches them, the alpha from the
// mask's luminance through TwoBlendAlpha. ARGB32, covering bounds ∩ canvas; null when that is empty. A
// null picture or mask counts as black, as in rendering.
[[nodiscard]] QImage ObjectWithAlpha(const Layer& layer, QSize canvas);

// A picture and mask for a picture with alpha (any format; alpha straight, not premultiplied) seen at
// `opacity` (0 to 1): the colours unchanged, the mask grey, from MaskForAlpha(alpha × opacity).
struct PictureAndMask {
    QImage picture;
    QImage mask;
};
[[nodiscard]] PictureAndMask ObjectFromAlpha(const QImage& withAlpha, double opacity);

} // namespace festoon
