// Blending an object over what lies beneath it through the luminance of a mask.
#pragma once

#include <QImage>
#include <cstdint>

namespace festoon {

// round-half-even(0.3 R + 0.59 G + 0.11 B), computed exactly in integers.
[[nodiscard]] constexpr std::uint8_t MaskLuminance(int r, int g, int b) {
    const int v = 30 * r + 59 * g + 11 * b;
    const int q = v / 100;
    const int rem = v % 100;
    return static_cast<std::uint8_t>((rem > 50 || (rem == 50 && (q & 1))) ? q + 1 : q);
}

// layer := ((255 - a) * under + a * layer) / 255 per channel, a the mask pixel's luminance.
// The three are made 24-bit; only the area the three sizes share is blended, so a size mismatch can
// never read or write outside an image. layer is changed in place.
void MaskBlend(QImage& layer, const QImage& under, const QImage& mask);

// The same blend applied `passes` times in a row, each pass blending the previous pass's result over
// the same under and mask; one walk over the pixels does all of them.
void MaskBlend(QImage& layer, const QImage& under, const QImage& mask, int passes);

} // namespace festoon
