// The memory floor kernel, AVX2 where the processor has it.
#include "bench/MemoryFloor.h"

#include <immintrin.h>

namespace festoon::bench {
namespace {

__attribute__((target("avx2"))) void RowAvx2(uchar* out, const uchar* a, const uchar* b, const uchar* c,
                                             int bytes) {
    int i = 0;
    for (; i + 32 <= bytes; i += 32) {
        const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
        const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
        const __m256i vc = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(c + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                            _mm256_or_si256(va, _mm256_and_si256(vb, vc)));
    }
    for (; i < bytes; ++i) {
        out[i] = static_cast<uchar>(a[i] | (b[i] & c[i]));
    }
}

void RowSse2(uchar* out, const uchar* a, const uchar* b, const uchar* c, int bytes) {
    int i = 0;
    for (; i + 16 <= bytes; i += 16) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i vc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(va, _mm_and_si128(vb, vc)));
    }
    for (; i < bytes; ++i) {
        out[i] = static_cast<uchar>(a[i] | (b[i] & c[i]));
    }
}

} // namespace

void ReadThreeWriteOne(QImage& out, const QImage& a, QPoint aTopLeft, const QImage& b, const QImage& c) {
    static const auto row = __builtin_cpu_supports("avx2") ? RowAvx2 : RowSse2;
    uchar* outBits = out.bits(); // first, so that an in-place call has detached before a is read
    for (int y = 0; y < out.height(); ++y) {
        row(outBits + y * out.bytesPerLine(),
            a.constBits() + (aTopLeft.y() + y) * a.bytesPerLine() + aTopLeft.x() * 3,
            b.constBits() + y * b.bytesPerLine(), c.constBits() + y * c.bytesPerLine(), out.width() * 3);
    }
}

} // namespace festoon::bench
