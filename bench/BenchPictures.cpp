// Pictures the benchmarks work on.
#include "bench/BenchPictures.h"

#include "core/Bitmap.h"

#include <QPainter>
#include <QPainterPath>
#include <random>

namespace festoon::bench {

QImage RandomBitmap(int w, int h, std::uint32_t seed) {
    QImage image = MakeBitmap(w, h);
    std::mt19937 random(seed);
    for (int y = 0; y < h; ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < w * 3; i += 3) {
            const std::uint32_t bits = random();
            row[i] = static_cast<uchar>(bits);
            row[i + 1] = static_cast<uchar>(bits >> 8);
            row[i + 2] = static_cast<uchar>(bits >> 16);
        }
    }
    return image;
}

QImage ShapedSkin(int w, int h) {
    QImage skin = MakeBitmap(w, h);
    FillBitmap(skin, qRgb(255, 0, 255));
    QPainter painter(&skin);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient gradient(0, 0, w, h);
    gradient.setColorAt(0, QColor(60, 36, 21));
    gradient.setColorAt(1, QColor(196, 140, 80));
    painter.setBrush(gradient);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRect(6, 6, w - 12, h - 12), 40, 40);
    return skin;
}

void SetMegapixelRate(benchmark::State& state, double pixels) {
    state.counters["Mpix/s"] = benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsIterationInvariantRate,
                                                  benchmark::Counter::kIs1000);
}

} // namespace festoon::bench
