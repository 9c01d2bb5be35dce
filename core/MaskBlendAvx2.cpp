// AVX2 row kernel of the mask blend: 32 pixels (96 bytes) per step. Compiled for AVX2 function by function,
// so the program still runs on processors without it.
//
// The channel bytes are blended as two sets of 16-bit lanes, the even bytes (masked) and the odd
// bytes (shifted down), which keeps the work on the multipliers rather than on byte shuffles.
#include "core/MaskBlendRows.h"

#include <array>
#include <cstring>
#include <immintrin.h>

namespace festoon {
namespace {

#define FESTOON_AVX2 __attribute__((target("avx2"), always_inline)) inline
#define FESTOON_AVX2_ENTRY __attribute__((target("avx2")))

constexpr int kPixelsPerStep = 32;
constexpr int kBytesPerStep = 3 * kPixelsPerStep;

using ByteShuffle = std::array<std::int8_t, 32>;
constexpr std::int8_t kZero = -128;

// Spreads four pixels to blue, green, red, zero: those in bytes 0..11 of the low 128-bit lane and
// those in bytes 4..15 of the high one.
constexpr ByteShuffle PixelsToWords() {
    ByteShuffle shuffle{};
    for (int i = 0; i < 32; ++i) {
        const int pixel = (i % 16) / 4, channel = i % 4, first = i < 16 ? 0 : 4;
        shuffle[static_cast<size_t>(i)] =
            static_cast<std::int8_t>(channel == 3 ? kZero : first + 3 * pixel + channel);
    }
    return shuffle;
}

// For the 32-byte vector `vector` of a step, gives each 16-bit lane the alpha of its even byte
// (`odd` false) or odd byte. The alphas come from a register whose 128-bit lanes hold alphas 0..15
// or 16..31 of the step, whichever that lane's pixels need.
constexpr ByteShuffle AlphaOfBytes(int vector, bool odd) {
    ByteShuffle shuffle{};
    for (int i = 0; i < 32; ++i) {
        const int lane = i / 16;
        const int firstAlphaOfLane = (vector == 0 || (vector == 1 && lane == 0)) ? 0 : 16;
        const int byteOfStep = 32 * vector + (i & ~1) + (odd ? 1 : 0);
        shuffle[static_cast<size_t>(i)] =
            static_cast<std::int8_t>(i % 2 == 1 ? kZero : byteOfStep / 3 - firstAlphaOfLane);
    }
    return shuffle;
}

constexpr ByteShuffle kPixelsToWords = PixelsToWords();
constexpr std::array<ByteShuffle, 6> kAlphaOfBytes = {AlphaOfBytes(0, false), AlphaOfBytes(0, true),
                                                      AlphaOfBytes(1, false), AlphaOfBytes(1, true),
                                                      AlphaOfBytes(2, false), AlphaOfBytes(2, true)};

FESTOON_AVX2 __m256i Load(const ByteShuffle& shuffle) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(shuffle.data()));
}

FESTOON_AVX2 __m256i Load32(const std::uint8_t* bytes) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
}

// Constants loaded once per row.
struct Tables {
    __m256i pixelsToWords;
    __m256i alphaOfBytes[6];
};

FESTOON_AVX2 Tables LoadTables() {
    Tables t;
    t.pixelsToWords = Load(kPixelsToWords);
    for (size_t i = 0; i < kAlphaOfBytes.size(); ++i) {
        t.alphaOfBytes[i] = Load(kAlphaOfBytes[i]);
    }
    return t;
}

// 30 R + 59 G + 11 B of eight pixels (24 bytes, read as two overlapping 16-byte halves), as 32-bit
// lanes: pixels 0..3 in the low 128-bit lane, 4..7 in the high one.
FESTOON_AVX2 __m256i WeightedSum(const Tables& t, const std::uint8_t* mask) {
    const __m256i pixels = _mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(mask + 8),
                                               reinterpret_cast<const __m128i*>(mask));
    const __m256i words = _mm256_shuffle_epi8(pixels, t.pixelsToWords);
    const __m256i pairs = _mm256_maddubs_epi16(words, _mm256_set1_epi32(0x001E3B0B)); // 11, 59, 30, 0
    return _mm256_madd_epi16(pairs, _mm256_set1_epi16(1));
}

FESTOON_AVX2 __m256i DivideBy100(__m256i v) {
    return _mm256_srli_epi16(_mm256_mulhi_epu16(v, _mm256_set1_epi16(5243)), 3);
}

// Round half to even of v / 100, as floor((v + 49 + (q & 1)) / 100) with q = floor(v / 100).
FESTOON_AVX2 __m256i Luminance(__m256i v) {
    const __m256i odd = _mm256_and_si256(DivideBy100(v), _mm256_set1_epi16(1));
    return DivideBy100(_mm256_add_epi16(_mm256_add_epi16(v, _mm256_set1_epi16(49)), odd));
}

// The 32 alphas of a step, in order: alphas 0..15 in the low 128-bit lane, 16..31 in the high one.
FESTOON_AVX2 __m256i Alphas(const Tables& t, const std::uint8_t* mask) {
    // packs interleave their inputs by 128-bit lane; the final dword permutation undoes that.
    const __m256i sums0 = _mm256_packus_epi32(WeightedSum(t, mask), WeightedSum(t, mask + 24));
    const __m256i sums1 = _mm256_packus_epi32(WeightedSum(t, mask + 48), WeightedSum(t, mask + 72));
    const __m256i alphas = _mm256_packus_epi16(Luminance(sums0), Luminance(sums1));
    return _mm256_permutevar8x32_epi32(alphas, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
}

// `passes` times x := (beneath + alpha * x) / 255 on 16-bit lanes.
FESTOON_AVX2 __m256i BlendLanes(__m256i x, __m256i under, __m256i alpha, int passes) {
    const __m256i beneath = _mm256_mullo_epi16(_mm256_sub_epi16(_mm256_set1_epi16(255), alpha), under);
    for (int pass = 0; pass < passes; ++pass) {
        const __m256i sum = _mm256_add_epi16(beneath, _mm256_mullo_epi16(alpha, x));
        x = _mm256_srli_epi16(_mm256_mulhi_epu16(sum, _mm256_set1_epi16(static_cast<short>(0x8081))), 7);
    }
    return x;
}

// Blends one 32-byte vector of the layer in place; alphaSource holds the alphas its bytes need.
FESTOON_AVX2 void BlendVector(std::uint8_t* layer, const std::uint8_t* under, __m256i alphaSource,
                              __m256i evenShuffle, __m256i oddShuffle, int passes) {
    const __m256i lowByte = _mm256_set1_epi16(0x00FF);
    const __m256i l = Load32(layer), u = Load32(under);
    const __m256i even = BlendLanes(_mm256_and_si256(l, lowByte), _mm256_and_si256(u, lowByte),
                                    _mm256_shuffle_epi8(alphaSource, evenShuffle), passes);
    const __m256i odd = BlendLanes(_mm256_srli_epi16(l, 8), _mm256_srli_epi16(u, 8),
                                   _mm256_shuffle_epi8(alphaSource, oddShuffle), passes);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(layer), _mm256_or_si256(even, _mm256_slli_epi16(odd, 8)));
}

// Blends one step of 32 pixels in place.
FESTOON_AVX2 void BlendStep(const Tables& t, std::uint8_t* layer, const std::uint8_t* under,
                            const std::uint8_t* mask, int passes) {
    const __m256i alphas = Alphas(t, mask);
    const __m256i lowAlphas = _mm256_permute4x64_epi64(alphas, 0x44);
    const __m256i highAlphas = _mm256_permute4x64_epi64(alphas, 0xEE);
    BlendVector(layer, under, lowAlphas, t.alphaOfBytes[0], t.alphaOfBytes[1], passes);
    BlendVector(layer + 32, under + 32, alphas, t.alphaOfBytes[2], t.alphaOfBytes[3], passes);
    BlendVector(layer + 64, under + 64, highAlphas, t.alphaOfBytes[4], t.alphaOfBytes[5], passes);
}

} // namespace

FESTOON_AVX2_ENTRY void MaskBlendRowAvx2(std::uint8_t* layer, const std::uint8_t* under,
                                         const std::uint8_t* mask, int width, int passes) {
    const Tables t = LoadTables();
    int x = 0;
    for (; x + kPixelsPerStep <= width; x += kPixelsPerStep) {
        BlendStep(t, layer, under, mask, passes);
        layer += kBytesPerStep;
        under += kBytesPerStep;
        mask += kBytesPerStep;
    }
    // The last pixels go through one step on copies, so that nothing past the row is touched.
    const size_t tailBytes = static_cast<size_t>(width - x) * 3;
    if (tailBytes > 0) {
        std::uint8_t layerTail[kBytesPerStep] = {}, underTail[kBytesPerStep] = {},
                     maskTail[kBytesPerStep] = {};
        std::memcpy(layerTail, layer, tailBytes);
        std::memcpy(underTail, under, tailBytes);
        std::memcpy(maskTail, mask, tailBytes);
        BlendStep(t, layerTail, underTail, maskTail, passes);
        std::memcpy(layer, layerTail, tailBytes);
    }
}

bool CpuHasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

} // namespace festoon
