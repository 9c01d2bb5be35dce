// Test pictures: gradients, noise and a greyscale JPEG.
#include "tests/core/CodecTestPictures.h"

#include "core/Bitmap.h"
#include "tests/support/PictureVariants.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

QImage GradientPicture(int w, int h) {
    QImage picture = festoon::MakeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < w; ++x) {
            row[x * 3 + 0] = static_cast<uchar>(x * 255 / std::max(1, w - 1));
            row[x * 3 + 1] = static_cast<uchar>(y * 255 / std::max(1, h - 1));
            row[x * 3 + 2] = static_cast<uchar>(128);
        }
    }
    return picture;
}

QImage NoisePicture(int w, int h, std::uint32_t seed) {
    std::mt19937 random(seed);
    QImage picture = festoon::MakeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        uchar* row = picture.scanLine(y);
        for (int i = 0; i < w * 3; ++i) {
            row[i] = static_cast<uchar>(random());
        }
    }
    return picture;
}

QByteArray RandomBytes(int count, std::uint32_t seed) {
    std::mt19937 random(seed);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        for (int i = 0; i < a.width() * 3; ++i) {
            largest = std::max(largest, std::abs(rowA[i] - rowB[i]));
        }
    }
    return largest;
}

QByteArray GreyscaleJpeg(int w, int h) {
    QImage ramp = festoon::MakeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        uchar* row = ramp.scanLine(y);
        for (int x = 0; x < w; ++x) {
            std::fill_n(row + x * 3, 3, static_cast<uchar>(x * 255 / std::max(1, w - 1)));
        }
    }
    festoon::testing::JpegVariant greyscale;
    greyscale.quality = 95;
    greyscale.greyscale = true;
    return festoon::testing::EncodeJpegVariant(ramp, greyscale);
}
