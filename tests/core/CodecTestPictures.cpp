// Test pictures: gradients, noise and a greyscale JPEG written directly with libjpeg.
#include "tests/core/CodecTestPictures.h"

#include "core/Bitmap.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
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
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        row[static_cast<size_t>(x)] = static_cast<unsigned char>(x * 255 / std::max(1, w - 1));
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}
