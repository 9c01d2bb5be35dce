// Lettering in layers: shadow, outline, letters, each drawn as coverage on a transparent surface and
// then combined, from the bottom up, into one colour and one mask per pixel.
#include "core/LetteringPicture.h"

#include "core/Bitmap.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace festoon {
namespace {

constexpr QImage::Format kSurfaceFormat = QImage::Format_ARGB32_Premultiplied;
constexpr int kShadowOffset = 3;
constexpr int kShadowBlur = 2;
constexpr int kShadowOpacity = 170; // of 255
constexpr QRgb kShadowColour = qRgb(0, 0, 0);

QStringList Lines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

// The lengths the lettering is drawn with, in pixels, at `scale` times its own size.
struct Measures {
    QFont font;
    double outline = 0; // the outline's width
    int shadowOffset = 0;
    int shadowBlur = 0;
    int padding = 0; // room on every side for the outline and the shadow's blur
};

int Scaled(int length, double scale) {
    return static_cast<int>(std::lround(length * scale));
}

QFont ScaledFont(QFont font, double scale) {
    if (scale == 1.0) {
        return font;
    }
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, Scaled(font.pixelSize(), scale)));
    } else {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

Measures MeasuresAt(const Lettering& lettering, double scale) {
    Measures measures;
    measures.font = ScaledFont(lettering.font, scale);
    measures.outline = std::clamp(lettering.outlineWidth, 0, Lettering::kMaxOutlineWidth) * scale;
    measures.shadowOffset = lettering.shadow ? Scaled(kShadowOffset, scale) : 0;
    measures.shadowBlur = lettering.shadow ? Scaled(kShadowBlur, scale) : 0;
    measures.padding = static_cast<int>(std::ceil(measures.outline)) + measures.shadowBlur;
    return measures;
}

QFontMetrics Metrics(const QFont& font) {
    static const QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(font, &device);
}

QSize TextSize(const Lettering& lettering, const QFont& font) {
    const QFontMetrics metrics = Metrics(font);
    const QStringList lines = Lines(lettering.text);
    int width = 1;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int height = static_cast<int>(lines.size() - 1) * metrics.lineSpacing() + metrics.height();
    return {width, std::max(1, height)};
}

QImage Surface(QSize size) {
    QImage surface(size, kSurfaceFormat);
    surface.fill(Qt::transparent);
    return surface;
}

// The letters drawn with a pen of `colour`, their first line's top-left at `origin`.
QImage Letters(const Lettering& lettering, const QFont& font, QSize size, QPoint origin,
               const QColor& colour) {
    QImage surface = Surface(size);
    QPainter painter(&surface);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics = Metrics(font);
    int baseline = origin.y() + metrics.ascent();
    for (const QString& line : Lines(lettering.text)) {
        painter.drawText(origin.x(), baseline, line);
        baseline += metrics.lineSpacing();
    }
    return surface;
}

QImage Outline(const Lettering& lettering, const Measures& measures, QSize size, QPoint origin) {
    QImage surface = Surface(size);
    if (measures.outline <= 0) {
        return surface;
    }
    QPainterPath path;
    const QFontMetrics metrics = Metrics(measures.font);
    int baseline = origin.y() + metrics.ascent();
    for (const QString& line : Lines(lettering.text)) {
        path.addText(origin.x(), baseline, measures.font, line);
        baseline += metrics.lineSpacing();
    }
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path,
                       QPen(Qt::white, 2.0 * measures.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, Qt::white);
    return surface;
}

// A box blur of one channel of coverage, across and then down.
std::vector<int> Blurred(std::vector<int> coverage, int w, int h, int radius) {
    std::vector<int> across(coverage.size());
    const int span = 2 * radius + 1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                sum += coverage[static_cast<size_t>(y * w + std::clamp(x + k, 0, w - 1))];
            }
            across[static_cast<size_t>(y * w + x)] = sum / span;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                sum += across[static_cast<size_t>(std::clamp(y + k, 0, h - 1) * w + x)];
            }
            coverage[static_cast<size_t>(y * w + x)] = sum / span;
        }
    }
    return coverage;
}

// The shadow's coverage: the letters and their outline, moved down and right and softened.
std::vector<int> Shadow(const QImage& letters, const QImage& outline, bool shown, const Measures& measures) {
    const int w = letters.width(), h = letters.height();
    std::vector<int> coverage(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    if (!shown) {
        return coverage;
    }
    const int offset = measures.shadowOffset;
    for (int y = offset; y < h; ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(letters.constScanLine(y - offset));
        const auto* o = reinterpret_cast<const QRgb*>(outline.constScanLine(y - offset));
        for (int x = offset; x < w; ++x) {
            const int a = std::max(qAlpha(l[x - offset]), qAlpha(o[x - offset]));
            coverage[static_cast<size_t>(y * w + x)] = a * kShadowOpacity / 255;
        }
    }
    return Blurred(std::move(coverage), w, h, measures.shadowBlur);
}

int Mix(int below, int above, int cover) {
    return (below * (255 - cover) + above * cover + 127) / 255;
}

// One layer's colour over what the layers beneath gave, by its coverage.
struct Mixing {
    bool any = false;
    int r = 0, g = 0, b = 0;
    void Over(QRgb colour, int cover) {
        if (cover <= 0) {
            return;
        }
        if (!any) {
            any = true;
            r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
            return;
        }
        r = Mix(r, qRed(colour), cover);
        g = Mix(g, qGreen(colour), cover);
        b = Mix(b, qBlue(colour), cover);
    }
};

} // namespace

QSize LetteringExtent(const Lettering& lettering, double scale) {
    const Measures measures = MeasuresAt(lettering, scale);
    const int room = 2 * measures.padding + measures.shadowOffset;
    return TextSize(lettering, measures.font) + QSize(room, room);
}

LetteringPicture DrawLettering(const Lettering& lettering, double scale) {
    const Measures measures = MeasuresAt(lettering, scale);
    const QSize size = LetteringExtent(lettering, scale);
    const QPoint origin(measures.padding, measures.padding);
    // Drawn with two pens: where both give the same pixel the font drew it in its own colours (emoji).
    const QImage dark = Letters(lettering, measures.font, size, origin, Qt::black);
    const QImage light = Letters(lettering, measures.font, size, origin, Qt::white);
    const QImage outline = Outline(lettering, measures, size, origin);
    const std::vector<int> shadow = Shadow(light, outline, lettering.shadow, measures);
    const QRgb textColour = lettering.colour.rgb(), outlineColour = lettering.outlineColour.rgb();

    LetteringPicture result{MakeBitmap(size.width(), size.height()), MakeBitmap(size.width(), size.height())};
    for (int y = 0; y < size.height(); ++y) {
        const auto* d = reinterpret_cast<const QRgb*>(dark.constScanLine(y));
        const auto* l = reinterpret_cast<const QRgb*>(light.constScanLine(y));
        const auto* o = reinterpret_cast<const QRgb*>(outline.constScanLine(y));
        uchar* picture = result.picture.scanLine(y);
        uchar* mask = result.mask.scanLine(y);
        for (int x = 0; x < size.width(); ++x, picture += 3, mask += 3) {
            const int cs = shadow[static_cast<size_t>(y * size.width() + x)];
            const int co = qAlpha(o[x]), cl = qAlpha(l[x]);
            Mixing colour;
            colour.Over(kShadowColour, cs);
            colour.Over(outlineColour, co);
            colour.Over(d[x] == l[x] && cl > 0 ? qUnpremultiply(l[x]) : textColour, cl);
            const QRgb shown = colour.any ? qRgb(colour.r, colour.g, colour.b) : textColour;
            picture[0] = static_cast<uchar>(qBlue(shown));
            picture[1] = static_cast<uchar>(qGreen(shown));
            picture[2] = static_cast<uchar>(qRed(shown));
            const int covered = 255 - (255 - cs) * (255 - co) / 255 * (255 - cl) / 255;
            mask[0] = mask[1] = mask[2] = static_cast<uchar>(covered);
        }
    }
    return result;
}

} // namespace festoon
