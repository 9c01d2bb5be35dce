// Building blocks of the frame catalog: materials, the opening cut, mitred rings and motif placement.
#include "artwork/FrameKit.h"

#include <QtMath>
#include <cmath>

namespace art::frames {

Frame NewFrame(const QImage& material) {
    Frame frame{material.convertToFormat(QImage::Format_ARGB32_Premultiplied), NewGrey(kWidth, kHeight, 0)};
    return frame;
}

Frame NewFrame(QColor colour) {
    return {NewCanvas(kWidth, kHeight, colour), NewGrey(kWidth, kHeight, 0)};
}

void Cut(Frame& frame, const QPainterPath& shape, int feather, int shadow) {
    QImage opening = FeatheredShape(shape, kWidth, kHeight, feather);
    QImage shade = NewGrey(kWidth, kHeight, 0);
    if (shadow > 0) {
        shade.fill(255);
        QPainter painter(&shade);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(shadow * 0.35, shadow * 0.55);
        painter.fillPath(shape, Qt::black);
        painter.end();
        BlurGrey(shade, std::max(1, shadow / 2));
    }
    for (int y = 0; y < kHeight; ++y) {
        uchar* o = opening.scanLine(y);
        const uchar* s = shade.constScanLine(y);
        auto* p = reinterpret_cast<QRgb*>(frame.picture.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            if (o[x] == 0) {
                continue;
            }
            // Darken what lies under the opening, then let the cast shadow take some of the backdrop.
            const int keep = 255 - o[x] * 85 / 100;
            p[x] = qRgba(qRed(p[x]) * keep / 255, qGreen(p[x]) * keep / 255, qBlue(p[x]) * keep / 255, 255);
            const int shaded = s[x] * o[x] / 255;
            o[x] = static_cast<uchar>(o[x] - shaded * 60 / 100);
        }
    }
    frame.opening = opening;
}

FramePainter::FramePainter(Frame& frame) : picture_(&frame.picture), opening_(&frame.opening) {
    picture_.setRenderHint(QPainter::Antialiasing);
    opening_.setRenderHint(QPainter::Antialiasing);
}

void FramePainter::Fill(const QPainterPath& path, const QBrush& brush) {
    picture_.fillPath(path, brush);
    opening_.fillPath(path, Qt::black);
}

void FramePainter::Stroke(const QPainterPath& path, const QPen& pen) {
    picture_.strokePath(path, pen);
    QPen cover = pen;
    cover.setColor(Qt::black);
    opening_.strokePath(path, cover);
}

void FramePainter::Shadow(const QPainterPath& path, QPointF offset, int blur, int alpha) {
    DrawSoftShadow(picture_, path, offset, blur, QColor(0, 0, 0, alpha));
    DrawSoftShadow(opening_, path, offset, blur, QColor(0, 0, 0, alpha * 2 / 3));
}

void FramePainter::Raised(const QPainterPath& path, const QBrush& brush, QPointF offset, int blur) {
    Shadow(path, offset, blur, 150);
    Fill(path, brush);
}

namespace {

QRgb Mix(QColor a, QColor b, int t) { // t in 0..255, 0 gives a
    return qRgb((a.red() * (255 - t) + b.red() * t) / 255, (a.green() * (255 - t) + b.green() * t) / 255,
                (a.blue() * (255 - t) + b.blue() * t) / 255);
}

// Fractal noise drawn `stretch` times longer along x than along y.
QImage StreakNoise(int w, int h, int stretch, int cell, std::uint32_t seed) {
    return FractalNoise(std::max(8, w / stretch), h, cell, 3, seed)
        .scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

QImage Wood(QColor light, QColor dark, std::uint32_t seed, bool vertical, QSize size) {
    if (size.isEmpty()) {
        size = QSize(kWidth, kHeight);
    }
    const int w = vertical ? size.height() : size.width();
    const int h = vertical ? size.width() : size.height();
    const QImage bend = FractalNoise(w, h, 96, 3, seed);
    const QImage streaks = StreakNoise(w, h, 12, 6, seed + 7);
    QImage wood(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const uchar* b = bend.constScanLine(y);
        const uchar* s = streaks.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(wood.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // Growth rings: a sine across the board, bent by slow noise, sharpened towards late wood.
            const double ring = 0.5 + 0.5 * std::sin(y * 0.16 + b[x] * 0.035);
            const double late = std::pow(ring, 3.0);
            const int t = std::clamp(static_cast<int>(late * 130 + (s[x] - 128) * 1.3 + 60), 0, 255);
            row[x] = Mix(light, dark, t);
        }
    }
    if (vertical) {
        return wood.transformed(QTransform().rotate(90));
    }
    return wood;
}

QImage Textured(QColor colour, int grain, int mottle, std::uint32_t seed) {
    QImage image = NewCanvas(kWidth, kHeight, colour);
    if (mottle > 0) {
        ModulateBy(image, FractalNoise(kWidth, kHeight, 128, 4, seed), mottle / 100.0);
    }
    if (grain > 0) {
        AddGrain(image, grain, seed + 1);
    }
    return image;
}

QImage Woven(QColor warp, QColor weft, int pitch, std::uint32_t seed) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const QImage slub = FractalNoise(kWidth, kHeight, 16, 2, seed);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* n = slub.constScanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            // Over-under threads: which thread is on top alternates by cell, each shaded across its width.
            const bool warpOnTop = ((x / pitch) + (y / pitch)) % 2 == 0;
            const double across = warpOnTop ? (x % pitch + 0.5) / pitch : (y % pitch + 0.5) / pitch;
            const double shade = 0.78 + 0.3 * std::sin(across * M_PI) + (n[x] - 128) / 900.0;
            const QColor base = warpOnTop ? warp : weft;
            row[x] = qRgb(std::clamp(static_cast<int>(base.red() * shade), 0, 255),
                          std::clamp(static_cast<int>(base.green() * shade), 0, 255),
                          std::clamp(static_cast<int>(base.blue() * shade), 0, 255));
        }
    }
    return image;
}

QImage Marble(QColor ground, QColor vein, std::uint32_t seed) {
    const QImage noise = FractalNoise(kWidth, kHeight, 160, 5, seed);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kHeight; ++y) {
        const uchar* n = noise.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double v = std::abs(std::sin((x * 0.006 + y * 0.004) * 3 + n[x] * 0.05));
            const int t =
                std::clamp(static_cast<int>(std::pow(1.0 - v, 6.0) * 230 + (n[x] - 128) * 0.25), 0, 255);
            row[x] = Mix(ground, vein, t);
        }
    }
    return image;
}

QImage Brushed(QColor light, QColor dark, std::uint32_t seed) {
    const QImage streaks = StreakNoise(kWidth, kHeight, 40, 2, seed);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kHeight; ++y) {
        const uchar* s = streaks.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            row[x] = Mix(light, dark, std::clamp((s[x] - 128) * 2 + 110, 0, 255));
        }
    }
    return image;
}

void PaintMitred(QPainter& painter, const QImage& horizontal, const QImage& vertical, const QRectF& outer,
                 const QRectF& inner) {
    const auto quad = [](QPointF a, QPointF b, QPointF c, QPointF d) {
        QPainterPath path;
        path.moveTo(a);
        path.lineTo(b);
        path.lineTo(c);
        path.lineTo(d);
        path.closeSubpath();
        return path;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(quad(outer.topLeft(), outer.topRight(), inner.topRight(), inner.topLeft()));
    painter.drawImage(0, 0, horizontal);
    painter.setClipPath(
        quad(outer.bottomLeft(), outer.bottomRight(), inner.bottomRight(), inner.bottomLeft()));
    painter.drawImage(0, 0, horizontal.mirrored(false, true)); // another stretch of the board
    painter.setClipPath(quad(outer.topLeft(), inner.topLeft(), inner.bottomLeft(), outer.bottomLeft()));
    painter.drawImage(0, 0, vertical);
    painter.setClipPath(quad(outer.topRight(), inner.topRight(), inner.bottomRight(), outer.bottomRight()));
    painter.drawImage(0, 0, vertical.mirrored(true, false));
    painter.restore();
    // Thin dark joints along the mitres.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.2));
    painter.drawLine(outer.topLeft(), inner.topLeft());
    painter.drawLine(outer.topRight(), inner.topRight());
    painter.drawLine(outer.bottomLeft(), inner.bottomLeft());
    painter.drawLine(outer.bottomRight(), inner.bottomRight());
    painter.restore();
}

void LightRing(QPainter& painter, const QRectF& outer, const QRectF& inner, int strength) {
    const auto side = [&](QPointF a, QPointF b, QPointF c, QPointF d, QColor colour) {
        QPainterPath path;
        path.moveTo(a);
        path.lineTo(b);
        path.lineTo(c);
        path.lineTo(d);
        path.closeSubpath();
        painter.fillPath(path, colour);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    side(outer.topLeft(), outer.topRight(), inner.topRight(), inner.topLeft(),
         QColor(255, 255, 255, strength));
    side(outer.topLeft(), inner.topLeft(), inner.bottomLeft(), outer.bottomLeft(),
         QColor(255, 255, 255, strength / 2));
    side(outer.bottomLeft(), outer.bottomRight(), inner.bottomRight(), inner.bottomLeft(),
         QColor(0, 0, 0, strength));
    side(outer.topRight(), inner.topRight(), inner.bottomRight(), outer.bottomRight(),
         QColor(0, 0, 0, strength * 2 / 3));
    painter.restore();
}

void Moulding(QPainter& painter, const QRectF& outer, const QRectF& inner, QColor base, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal depth = std::min(inner.left() - outer.left(), inner.top() - outer.top());
    const int steps = std::max(4, static_cast<int>(depth));
    for (int i = 0; i < steps; ++i) {
        const qreal t = (i + 0.5) / steps;
        const qreal inset = depth * t;
        // Two rounded beads across the profile: light on their crowns, dark in the hollows.
        const double profile = std::sin(t * M_PI * 2.0);
        const QColor shade = profile >= 0 ? base.lighter(100 + static_cast<int>(profile * 45))
                                          : base.darker(100 + static_cast<int>(-profile * 60));
        painter.setPen(QPen(shade, depth / steps + 0.6));
        const QRectF ring = outer.adjusted(inset, inset, -inset, -inset);
        painter.drawRoundedRect(ring, std::max<qreal>(0, radius - inset), std::max<qreal>(0, radius - inset));
    }
    painter.restore();
}

void Scatter(std::uint32_t seed, int count, qreal minSize, qreal maxSize, const QPainterPath& keepClear,
             const std::function<void(QPointF, qreal, int)>& draw) {
    Random random(seed);
    int placed = 0;
    for (int attempt = 0; attempt < count * 30 && placed < count; ++attempt) {
        const QPointF p(random.Uniform(-10, kWidth + 10), random.Uniform(-10, kHeight + 10));
        const qreal size = random.Uniform(minSize, maxSize);
        if (keepClear.intersects(QRectF(p.x() - size / 2, p.y() - size / 2, size, size))) {
            continue;
        }
        draw(p, size, placed++);
    }
}

void AlongPath(const QPainterPath& path, int count, const std::function<void(QPointF, qreal, int)>& draw) {
    for (int i = 0; i < count; ++i) {
        const qreal t = static_cast<qreal>(i) / count;
        draw(path.pointAtPercent(t), path.angleAtPercent(t), i);
    }
}

} // namespace art::frames
