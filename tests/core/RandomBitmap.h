// Seeded random pictures for checking optimised pixel paths against their plain references.
#pragma once

#include "core/Bitmap.h"

#include <random>

namespace festoon {

// A w x h 24-bit bitmap of random bytes drawn from `random`, row by row.
[[nodiscard]] inline QImage RandomBitmap(int w, int h, std::mt19937& random) {
    QImage image = MakeBitmap(w, h);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < h; ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < w * 3; ++i) {
            row[i] = static_cast<uchar>(byte(random));
        }
    }
    return image;
}

} // namespace festoon
