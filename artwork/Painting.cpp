// The generator's drawing toolkit: noise, blur, shadows and mask compositing on raw image rows.
#include "artwork/Painting.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace art {

std::uint32_t Random::Next() {
    // xorshift32: plenty for textures, and identical on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Random::Uniform(double low, double high) {
    return low + (high - low) * (Next() / 4294967296.0);
}

int Random::Between(int low, int high) {
    return low + static_cast<int>(Next() % (high - low + 1));
}

QImage NewCanvas(int w, int h, QColor fill, int ratio) {
    QImage image(w * ratio, h * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QImage NewGrey(int w, int h, int level) {
    QImage image(w, h, QImage::Format_Grayscale8);
    image.fill(level);
    return image;
}

QImage FractalNoise(int w, int h, int cell, int octaves, std::uint32_t seed) {
    Random random(seed);
    std::vector<int> sum(static_cast<size_t>(w) * h, 0);
    int weight = 1 << octaves;
    int totalWeight = 0;
    for (int octave = 0; octave < octaves && cell >= 1; ++octave, cell /= 2, weight /= 2) {
        QImage lattice = NewGrey(w / cell + 2, h / cell + 2);
        for (int y = 0; y < lattice.height(); ++y) {
            uchar* row = lattice.scanLine(y);
            for (int x = 0; x < lattice.width(); ++x) {
                row[x] = static_cast<uchar>(random.Next() >> 24);
            }
        }
        const QImage smooth = lattice
                                  .scaled(lattice.width() * cell, lattice.height() * cell,
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < h; ++y) {
            const uchar* row = smooth.constScanLine(y);
            int* out = sum.data() + static_cast<size_t>(y) * w;
            for (int x = 0; x < w; ++x) {
                out[x] += row[x] * weight;
            }
        }
        totalWeight += weight;
    }
    QImage noise = NewGrey(w, h);
    if (totalWeight == 0) {
        return noise;
    }
    for (int y = 0; y < h; ++y) {
        uchar* row = noise.scanLine(y);
        const int* in = sum.data() + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x) {
            row[x] = static_cast<uchar>(in[x] / totalWeight);
        }
    }
    return noise;
}

namespace {

// One box pass along a line of `count` samples spaced `step` apart, edges clamped.
void BoxLine(uchar* line, int count, int step, int radius, std::vector<uchar>& scratch) {
    scratch.resize(count);
    for (int i = 0; i < count; ++i) {
        scratch[i] = line[i * step];
    }
    const int span = 2 * radius + 1;
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        sum += scratch[std::clamp(i, 0, count - 1)];
    }
    for (int i = 0; i < count; ++i) {
        line[i * step] = static_cast<uchar>(sum / span);
        sum += scratch[std::min(i + radius + 1, count - 1)] - scratch[std::max(i - radius, 0)];
    }
}

QImage ColouredAlpha(const QImage& grey, QColor colour) {
    QImage out(grey.size(), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(grey.devicePixelRatio());
    const int alpha = colour.alpha();
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int a = in[x] * alpha / 255;
            row[x] = qRgba(colour.red() * a / 255, colour.green() * a / 255, colour.blue() * a / 255, a);
        }
    }
    return out;
}

// The device pixels per logical one of the image a painter draws on.
int DeviceRatio(const QPainter& painter) {
    return std::max(1, qRound(painter.device()->devicePixelRatio()));
}

// The path filled in `fill` on a grey image of `box` (logical) at `ratio`, ready to be blurred.
QImage GreyShape(const QPainterPath& path, const QRect& box, QPointF offset, int ratio, int ground,
                 int fill) {
    QImage grey = NewGrey(box.width() * ratio, box.height() * ratio, ground);
    QPainter shape(&grey);
    shape.setRenderHint(QPainter::Antialiasing);
    shape.scale(ratio, ratio);
    shape.translate(-box.topLeft() + offset);
    shape.fillPath(path, QColor(fill, fill, fill));
    return grey;
}

} // namespace

void AddGrain(QImage& image, int amplitude, std::uint32_t seed) {
    Random random(seed);
    const int span = 2 * amplitude + 1;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0) {
                continue;
            }
            const int d = static_cast<int>(random.Next() % span) - amplitude;
            const int limit = image.format() == QImage::Format_ARGB32_Premultiplied ? a : 255;
            row[x] = qRgba(std::clamp(qRed(row[x]) + d, 0, limit), std::clamp(qGreen(row[x]) + d, 0, limit),
                           std::clamp(qBlue(row[x]) + d, 0, limit), a);
        }
    }
}

void ModulateBy(QImage& image, const QImage& grey, double strength) {
    const int factor = static_cast<int>(strength * 256);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* g = grey.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(row[x]);
            const int scale = 256 + (g[x] - 128) * factor / 128; // 256 keeps the pixel
            const int limit = image.format() == QImage::Format_ARGB32_Premultiplied ? a : 255;
            row[x] = qRgba(std::min(qRed(row[x]) * scale >> 8, limit),
                           std::min(qGreen(row[x]) * scale >> 8, limit),
                           std::min(qBlue(row[x]) * scale >> 8, limit), a);
        }
    }
}

void BlurGrey(QImage& grey, int radius) {
    if (radius < 1) {
        return;
    }
    std::vector<uchar> scratch;
    const int w = grey.width(), h = grey.height();
    const int span = 2 * radius + 1;
    std::vector<int> sums(w);
    QImage source = grey.copy();
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            BoxLine(grey.scanLine(y), w, 1, radius, scratch);
        }
        // Columns are summed a whole row at a time, which keeps memory access sequential.
        std::memcpy(source.bits(), grey.constBits(), grey.sizeInBytes());
        std::fill(sums.begin(), sums.end(), 0);
        for (int i = -radius; i <= radius; ++i) {
            const uchar* row = source.constScanLine(std::clamp(i, 0, h - 1));
            for (int x = 0; x < w; ++x) {
                sums[x] += row[x];
            }
        }
        for (int y = 0; y < h; ++y) {
            uchar* out = grey.scanLine(y);
            const uchar* entering = source.constScanLine(std::min(y + radius + 1, h - 1));
            const uchar* leaving = source.constScanLine(std::max(y - radius, 0));
            for (int x = 0; x < w; ++x) {
                out[x] = static_cast<uchar>(sums[x] / span);
                sums[x] += entering[x] - leaving[x];
            }
        }
    }
}

QImage FeatheredShape(const QPainterPath& path, int w, int h, int feather) {
    QImage grey = NewGrey(w, h, 0);
    {
        QPainter painter(&grey);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(path, Qt::white);
    }
    BlurGrey(grey, feather);
    return grey;
}

void DrawSoftShadow(QPainter& painter, const QPainterPath& path, QPointF offset, int blur, QColor colour,
                    const QPainterPath& clip) {
    const int margin = blur * 3 + 2;
    const QRect box =
        path.boundingRect().translated(offset).toAlignedRect().adjusted(-margin, -margin, margin, margin);
    const int ratio = DeviceRatio(painter);
    QImage grey = GreyShape(path, box, offset, ratio, 0, 255);
    BlurGrey(grey, blur * ratio);
    grey.setDevicePixelRatio(ratio);
    painter.save();
    if (!clip.isEmpty()) {
        painter.setClipPath(clip, Qt::IntersectClip);
    }
    painter.drawImage(box.topLeft(), ColouredAlpha(grey, colour));
    painter.restore();
}

void DrawInnerShadow(QPainter& painter, const QPainterPath& path, int blur, QColor colour, QPointF offset) {
    const int margin = blur * 3 + 4;
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    const int ratio = DeviceRatio(painter);
    QImage grey = GreyShape(path, box, offset, ratio, 255, 0);
    BlurGrey(grey, blur * ratio);
    grey.setDevicePixelRatio(ratio);
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    painter.drawImage(box.topLeft(), ColouredAlpha(grey, colour));
    painter.restore();
}

QImage BlendThroughMask(const QImage& top, const QImage& bottom, const QImage& mask) {
    const QImage a = top.convertToFormat(QImage::Format_RGB32);
    const QImage b = bottom.convertToFormat(QImage::Format_RGB32);
    QImage out(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* ta = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* tb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        const uchar* m = mask.constScanLine(y);
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int k = m[x];
            o[x] = qRgb((qRed(ta[x]) * k + qRed(tb[x]) * (255 - k)) / 255,
                        (qGreen(ta[x]) * k + qGreen(tb[x]) * (255 - k)) / 255,
                        (qBlue(ta[x]) * k + qBlue(tb[x]) * (255 - k)) / 255);
        }
    }
    return out;
}

QImage GreyToRgb(const QImage& grey) {
    return grey.convertToFormat(QImage::Format_RGB32);
}

QImage TintGrey(const QImage& grey, QColor dark, QColor light) {
    QImage out(grey.size(), QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int k = in[x];
            o[x] = qRgb((light.red() * k + dark.red() * (255 - k)) / 255,
                        (light.green() * k + dark.green() * (255 - k)) / 255,
                        (light.blue() * k + dark.blue() * (255 - k)) / 255);
        }
    }
    return out;
}

QImage Flattened(const QImage& image, QColor background) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(image.devicePixelRatio());
    out.fill(background);
    QPainter painter(&out);
    painter.drawImage(0, 0, image);
    return out;
}

namespace {

// KeyedPicture, with the keyed pixels chosen by `keyed(x, y)`.
template <typename IsKey> QImage KeyedBy(const QImage& panel, QColor key, QColor edge, IsKey keyed) {
    const QImage flat = Flattened(panel, edge);
    const QRgb keyRgb = key.rgb();
    QImage out(panel.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(panel.devicePixelRatio());
    for (int y = 0; y < panel.height(); ++y) {
        const auto* coverage = reinterpret_cast<const QRgb*>(panel.constScanLine(y));
        const auto* colour = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < panel.width(); ++x) {
            if (keyed(x, y, qAlpha(coverage[x]))) {
                o[x] = keyRgb;
            } else if ((colour[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) {
                o[x] = colour[x] ^ 0x000001; // one step off the key in blue
            } else {
                o[x] = colour[x] | 0xFF000000;
            }
        }
    }
    return out;
}

} // namespace

QImage KeyedPicture(const QImage& panel, QColor key, QColor edge) {
    return KeyedBy(panel, key, edge, [](int, int, int alpha) { return alpha < 128; });
}

QImage KeyedPictureLike(const QImage& panel, QColor key, QColor edge, const QImage& shape) {
    const int ratio = std::max(1, panel.width() / std::max(1, shape.width()));
    const QRgb keyRgb = key.rgb() | 0xFF000000;
    return KeyedBy(panel, key, edge, [&](int x, int y, int) {
        return (shape.pixel(std::min(x / ratio, shape.width() - 1), std::min(y / ratio, shape.height() - 1)) |
                0xFF000000) == keyRgb;
    });
}

void FillVertical(QPainter& painter, const QPainterPath& path, const QRectF& rect, QColor top,
                  QColor bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillPath(path, gradient);
}

} // namespace art
