// Pictures and hand-made files shared by the codec tests.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

// A smooth colour gradient, which JPEG keeps close to the original.
[[nodiscard]] QImage GradientPicture(int w, int h);
// Seeded random pixels, for exact round trips.
[[nodiscard]] QImage NoisePicture(int w, int h, std::uint32_t seed);
// Seeded random bytes.
[[nodiscard]] QByteArray RandomBytes(int count, std::uint32_t seed);
// Largest difference of any channel of any pixel; the pictures must have equal sizes.
[[nodiscard]] int LargestChannelDifference(const QImage& a, const QImage& b);
// A greyscale (one-component) JPEG of a horizontal ramp, w x h.
[[nodiscard]] QByteArray GreyscaleJpeg(int w, int h);
