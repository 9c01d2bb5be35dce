// Pictures the benchmarks work on, and the megapixel rate every benchmark reports.
#pragma once

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace festoon::bench {

// A w x h 24-bit bitmap of seeded random bytes.
[[nodiscard]] QImage RandomBitmap(int w, int h, std::uint32_t seed);

// A w x h skin: a rounded panel with a textured inside, key colour (the pixel at 0, 0) around it.
[[nodiscard]] QImage ShapedSkin(int w, int h);

// Reports the counter "Mpix/s" for `pixels` pixels handled per iteration.
void SetMegapixelRate(benchmark::State& state, double pixels);

} // namespace festoon::bench
