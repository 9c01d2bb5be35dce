// AVX2 row kernel of the nearest-neighbour stretch: eight source pixels fetched by one gather.
#include "core/BitmapRows.h"

#include <immintrin.h>

namespace festoon {

__attribute__((target("avx2"))) int GatherPixelsAvx2(const uchar* sourceRow, const uchar* nextSourceRow,
                                                     const int* column, int fourByteSafeCount, int count,
                                                     uchar* out) {
    // Per 128-bit lane: four gathered [blue green red junk] words become 12 pixel bytes and 4 zeros;
    // then the second lane's 12 bytes are moved up against the first's.
    const __m256i dropFourthBytes = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                                     0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i closeGap = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 3);
    const int* base = reinterpret_cast<const int*>(sourceRow);
    int i = 0;
    for (; i + 8 <= fourByteSafeCount && i + 11 <= count; i += 8) {
        __builtin_prefetch(nextSourceRow + column[i]);
        const __m256i offsets = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(column + i));
        __m256i pixels = _mm256_i32gather_epi32(base, offsets, 1);
        pixels = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(pixels, dropFourthBytes), closeGap);
        // 24 pixel bytes and 8 bytes that the next eight pixels (or the caller) overwrite.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 3 * i), pixels);
    }
    return i;
}

} // namespace festoon
