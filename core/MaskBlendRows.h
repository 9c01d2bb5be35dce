// Row kernels of the mask blend and the exact integer shortcuts they share; MaskBlend picks the fastest
// kernel this processor runs. Every kernel gives the same bytes as MaskBlendReference.
#pragma once

#include <cstdint>

namespace festoon {

// floor(v / 100) for 0 <= v <= 25599 without a division: 5243 / 2^19 is 1/100 plus a little less
// than the rounding slack over that range.
[[nodiscard]] constexpr unsigned DivideBy100(unsigned v) {
    return (v * 5243u) >> 19;
}

// floor(x / 255) for 0 <= x <= 65535 without a division: 0x8081 / 2^23 is 1/255 plus a little less
// than the rounding slack over that range.
[[nodiscard]] constexpr unsigned DivideBy255(unsigned x) {
    return (x * 0x8081u) >> 23;
}

// MaskLuminance of a blue, green, red pixel through DivideBy100: round half to even is
// floor((v + 49 + (q & 1)) / 100) with q = floor(v / 100).
[[nodiscard]] constexpr unsigned FastMaskLuminance(unsigned blue, unsigned green, unsigned red) {
    const unsigned v = 30u * red + 59u * green + 11u * blue;
    return DivideBy100(v + 49u + (DivideBy100(v) & 1u));
}

// Blends `width` pixels of 24-bit rows `passes` times: layer := blend(layer, under, mask).
using MaskBlendRowKernel = void (*)(std::uint8_t* layer, const std::uint8_t* under, const std::uint8_t* mask,
                                    int width, int passes);

void MaskBlendRowScalar(std::uint8_t* layer, const std::uint8_t* under, const std::uint8_t* mask, int width,
                        int passes);

// Only to be called when CpuHasAvx2() holds.
void MaskBlendRowAvx2(std::uint8_t* layer, const std::uint8_t* under, const std::uint8_t* mask, int width,
                      int passes);

[[nodiscard]] bool CpuHasAvx2();

// The fastest kernel this processor runs.
[[nodiscard]] MaskBlendRowKernel FastestMaskBlendRow();

} // namespace festoon
