// A separable resampler: each axis gets a table of source pixels and weights per output pixel (a box of
// the covered area when reducing, the two nearest pixels when enlarging); rows are resampled across
// once each, as they are needed, and kept in a ring while the columns are resampled down.
#include "core/Resample.h"

#include "core/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace festoon {
namespace {

struct Taps {
    int first = 0;              // the first source pixel
    std::vector<float> weights; // of pixels first, first + 1, ...; they add up to 1
};

// Where output pixel i of n takes its pixel from in a source of m, in source pixels: the nearest
// stretch takes pixel i·m/n (rounded down), whose centre lies on average half a pixel of the ratio's
// denominator past i·m/n.
double SourceCentre(int i, int m, int n) {
    const int denominator = n / std::gcd(m, n);
    return static_cast<double>(i) * m / n + 0.5 / denominator;
}

std::vector<Taps> AxisTaps(int m, int n) {
    std::vector<Taps> taps(static_cast<size_t>(n));
    const double scale = static_cast<double>(m) / n;
    for (int i = 0; i < n; ++i) {
        Taps& t = taps[static_cast<size_t>(i)];
        const double centre = SourceCentre(i, m, n);
        if (scale > 1) {
            // The box of the output pixel's width around its centre, each source pixel weighed by how
            // much of it the box covers; the box is kept inside the picture.
            const double from = std::clamp(centre - scale / 2, 0.0, m - scale);
            const double to = from + scale;
            t.first = static_cast<int>(std::floor(from));
            const int last = std::min(m - 1, static_cast<int>(std::ceil(to)) - 1);
            for (int s = t.first; s <= last; ++s) {
                t.weights.push_back(static_cast<float>(
                    (std::min(to, s + 1.0) - std::max(from, static_cast<double>(s))) / scale));
            }
        } else {
            const double position = std::clamp(centre - 0.5, 0.0, m - 1.0);
            t.first = std::min(static_cast<int>(position), std::max(0, m - 2));
            const auto f = static_cast<float>(position - t.first);
            t.weights = m > 1 ? std::vector<float>{1 - f, f} : std::vector<float>{1};
        }
    }
    return taps;
}

int MaxTaps(const std::vector<Taps>& taps) {
    size_t most = 1;
    for (const Taps& t : taps) {
        most = std::max(most, t.weights.size());
    }
    return static_cast<int>(most);
}

void ResampleRow(const uchar* in, const std::vector<Taps>& taps, float* out) {
    for (const Taps& t : taps) {
        float b = 0, g = 0, r = 0;
        const uchar* pixel = in + static_cast<size_t>(t.first) * 3;
        for (const float w : t.weights) {
            b += w * pixel[0];
            g += w * pixel[1];
            r += w * pixel[2];
            pixel += 3;
        }
        out[0] = b;
        out[1] = g;
        out[2] = r;
        out += 3;
    }
}

uchar ToByte(float value) {
    return static_cast<uchar>(std::clamp(static_cast<int>(value + 0.5F), 0, 255));
}

} // namespace

QImage ResampleBitmap(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty()) {
        return {};
    }
    const QImage source = ToBitmap24(picture);
    if (source.size() == size) {
        return source;
    }
    QImage out(size, kBitmapFormat);
    if (out.isNull()) {
        return {};
    }
    const std::vector<Taps> across = AxisTaps(source.width(), size.width());
    const std::vector<Taps> down = AxisTaps(source.height(), size.height());
    // Rows resampled across, in a ring as deep as the most rows one output row needs.
    const int depth = MaxTaps(down);
    const size_t rowFloats = static_cast<size_t>(size.width()) * 3;
    std::vector<float> ring(rowFloats * static_cast<size_t>(depth));
    std::vector<int> ringRow(static_cast<size_t>(depth), -1);
    std::vector<float> sum(rowFloats);
    for (int y = 0; y < size.height(); ++y) {
        const Taps& t = down[static_cast<size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0F);
        for (size_t k = 0; k < t.weights.size(); ++k) {
            const int row = t.first + static_cast<int>(k);
            const size_t slot = static_cast<size_t>(row % depth);
            float* across_ = ring.data() + slot * rowFloats;
            if (ringRow[slot] != row) {
                ResampleRow(source.constScanLine(row), across, across_);
                ringRow[slot] = row;
            }
            const float w = t.weights[k];
            for (size_t i = 0; i < rowFloats; ++i) {
                sum[i] += w * across_[i];
            }
        }
        uchar* line = out.scanLine(y);
        for (size_t i = 0; i < rowFloats; ++i) {
            line[i] = ToByte(sum[i]);
        }
    }
    return out;
}

} // namespace festoon
