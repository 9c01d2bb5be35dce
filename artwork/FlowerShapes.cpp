// Petals, blossoms, leaves and stems as smooth vector shapes with soft gradients and darker edges.
#include "artwork/FlowerShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <iterator>
#include <numbers>
#include <vector>

namespace {

constexpr double kGoldenAngle = 137.50776;

QPointF Polar(double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {radius * std::cos(radians), radius * std::sin(radians)};
}

// A petal filled from its base colour to its tip colour, with a darker edge and a pale midline.
void FillPetal(QPainter& painter, const QPainterPath& petal, double length, const QColor& base,
               const QColor& tip, double edgeWidth) {
    QLinearGradient gradient(0, 0, 0, -length);
    gradient.setColorAt(0, base);
    gradient.setColorAt(1, tip);
    painter.setPen(QPen(EdgeOf(tip), edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gradient);
    painter.drawPath(petal);
    QColor vein = tip.lighter(130);
    vein.setAlpha(110);
    painter.setPen(QPen(vein, edgeWidth * 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -length * 0.12), QPointF(0, -length * 0.62));
}

void DrawHeart(QPainter& painter, QPointF centre, double radius, const BlossomStyle& style) {
    const double size = radius * style.heartSize;
    painter.setPen(Qt::NoPen);
    if (style.heart == FlowerHeart::Stamens) {
        painter.setPen(QPen(style.heartDark, radius * 0.014, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 9; ++i) {
            const QPointF end =
                centre + Polar(size * (1.6 + 0.3 * std::sin(i * 2.1)), style.turn + i * 40 + 12);
            painter.drawLine(centre, end);
        }
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            const QPointF end =
                centre + Polar(size * (1.6 + 0.3 * std::sin(i * 2.1)), style.turn + i * 40 + 12);
            painter.setBrush(style.heartLight);
            painter.drawEllipse(end, radius * 0.032, radius * 0.032);
        }
        QRadialGradient middle(centre, size * 0.3);
        middle.setColorAt(0, style.heartDark.lighter(150));
        middle.setColorAt(1, style.heartDark);
        painter.setBrush(middle);
        painter.drawEllipse(centre, size * 0.3, size * 0.3);
        return;
    }
    if (style.heart == FlowerHeart::Column) {
        QRadialGradient glow(centre, size);
        glow.setColorAt(0, style.heartDark);
        glow.setColorAt(1, Qt::transparent);
        painter.setBrush(glow);
        painter.drawEllipse(centre, size, size);
        const QPointF tip = centre + Polar(radius * 0.8, style.turn - 60);
        painter.setPen(QPen(EdgeOf(style.heartDark), radius * 0.04, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, tip);
        painter.setPen(QPen(style.heartDark.darker(120), radius * 0.01));
        painter.setBrush(style.heartLight);
        for (int i = 0; i < 14; ++i) {
            const QPointF at = centre + (tip - centre) * (0.55 + 0.028 * i) + Polar(radius * 0.055, i * 75);
            painter.drawEllipse(at, radius * 0.026, radius * 0.026);
        }
        painter.setBrush(style.heartDark);
        for (int i = 0; i < 5; ++i) {
            painter.drawEllipse(tip + Polar(radius * 0.045, i * 72), radius * 0.024, radius * 0.024);
        }
        return;
    }
    QRadialGradient disc(centre - QPointF(size * 0.3, size * 0.3), size * 1.3);
    disc.setColorAt(0, style.heartLight);
    disc.setColorAt(1, style.heartDark);
    painter.setBrush(disc);
    painter.setPen(QPen(EdgeOf(style.heartDark), radius * 0.01));
    painter.drawEllipse(centre, size, size);
    painter.setPen(Qt::NoPen);
    if (style.heart == FlowerHeart::Seeds) {
        // Seeds on the sunflower's spiral: the golden angle packs them evenly.
        const int seeds = 160;
        for (int i = 1; i < seeds; ++i) {
            const double r = size * 0.93 * std::sqrt(i / static_cast<double>(seeds));
            QColor seed = i % 3 == 0 ? style.heartLight.lighter(120) : style.heartDark.darker(140);
            painter.setBrush(seed);
            painter.drawEllipse(centre + Polar(r, i * kGoldenAngle), size * 0.045, size * 0.045);
        }
    } else if (style.heart == FlowerHeart::Pistil) {
        painter.setBrush(QColor(30, 20, 30));
        for (int i = 0; i < 16; ++i) {
            painter.drawEllipse(centre + Polar(size * 1.15, i * 22.5), size * 0.14, size * 0.14);
        }
        painter.setBrush(QColor(150, 170, 90));
        painter.drawEllipse(centre, size * 0.42, size * 0.42);
        painter.setPen(QPen(QColor(60, 50, 40), size * 0.06));
        for (int i = 0; i < 8; ++i) {
            painter.drawLine(centre, centre + Polar(size * 0.4, i * 45));
        }
    } else {
        painter.setBrush(style.heartLight.lighter(115));
        for (int i = 0; i < 12; ++i) {
            painter.drawEllipse(centre + Polar(size * 0.62, i * 30 + 15), size * 0.1, size * 0.1);
        }
    }
}

} // namespace

QColor EdgeOf(const QColor& colour) {
    return colour.darker(150);
}

QPainterPath PetalPath(PetalShape shape, double length, double width) {
    const double l = length;
    const double w = width / 2;
    // The right half from the base to the tip as cubic segments; the left half mirrors it, so the
    // outline is one closed curve without a seam down the middle.
    struct Segment {
        QPointF control1, control2, end;
    };
    const auto line = [](QPointF from, QPointF to) {
        return Segment{from + (to - from) / 3, from + (to - from) * 2 / 3, to};
    };
    const auto quad = [](QPointF from, QPointF control, QPointF to) {
        return Segment{from + (control - from) * 2 / 3, to + (control - to) * 2 / 3, to};
    };
    std::vector<Segment> right;
    switch (shape) {
    case PetalShape::Round:
        right = {{{w * 1.25, -l * 0.22}, {w * 1.15, -l * 1.0}, {0, -l}}};
        break;
    case PetalShape::Pointed:
        right = {{{w * 1.3, -l * 0.3}, {w * 0.55, -l * 0.78}, {0, -l}}};
        break;
    case PetalShape::Slim:
        right = {{{w * 1.05, -l * 0.1}, {w * 1.2, -l * 0.97}, {0, -l}}};
        break;
    case PetalShape::Notched:
        right = {{{w * 1.3, -l * 0.3}, {w * 1.15, -l * 1.03}, {w * 0.32, -l}},
                 line({w * 0.32, -l}, {0, -l * 0.87})};
        break;
    case PetalShape::Fan:
        right = {{{w * 0.5, -l * 0.2}, {w * 1.15, -l * 0.62}, {w * 0.92, -l * 0.9}},
                 quad({w * 0.92, -l * 0.9}, {w * 0.5, -l * 1.04}, {0, -l})};
        break;
    case PetalShape::Ruffled:
        right = {{{w * 0.5, -l * 0.2}, {w * 1.15, -l * 0.6}, {w * 0.95, -l * 0.86}},
                 quad({w * 0.95, -l * 0.86}, {w * 0.85, -l * 0.98}, {w * 0.66, -l * 0.95}),
                 quad({w * 0.66, -l * 0.95}, {w * 0.5, -l * 1.06}, {w * 0.3, -l * 0.97}),
                 quad({w * 0.3, -l * 0.97}, {w * 0.15, -l * 1.04}, {0, -l})};
        break;
    }
    const auto mirror = [](QPointF p) { return QPointF(-p.x(), p.y()); };
    QPainterPath petal;
    petal.moveTo(0, 0);
    for (const Segment& segment : right) {
        petal.cubicTo(segment.control1, segment.control2, segment.end);
    }
    for (auto it = right.rbegin(); it != right.rend(); ++it) {
        const QPointF start = std::next(it) == right.rend() ? QPointF(0, 0) : std::next(it)->end;
        petal.cubicTo(mirror(it->control2), mirror(it->control1), mirror(start));
    }
    petal.closeSubpath();
    return petal;
}

void DrawBlossom(QPainter& painter, QPointF centre, double radius, const BlossomStyle& style) {
    for (int ring = 0; ring < style.rings; ++ring) {
        const double length = radius * (1.0 - ring * 0.2);
        const QPainterPath petal = PetalPath(style.shape, length, length * style.petalWidth);
        const QColor base = style.base.darker(100 + ring * 8);
        for (int i = 0; i < style.petals; ++i) {
            painter.save();
            painter.translate(centre);
            painter.rotate(style.turn + ring * 180.0 / style.petals + i * 360.0 / style.petals);
            FillPetal(painter, petal, length, base, style.tip, radius * 0.012);
            if (style.spots) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(EdgeOf(style.base).darker(130));
                for (int s = 0; s < 6; ++s) {
                    const double along = length * (0.18 + 0.07 * s);
                    const double across = length * style.petalWidth * 0.16 * ((s % 2) ? 1 : -1);
                    painter.drawEllipse(QPointF(across, -along), radius * 0.016, radius * 0.022);
                }
            }
            painter.restore();
        }
    }
    DrawHeart(painter, centre, radius, style);
}

namespace {

// One rose petal pointing up from the origin: shaded dark at its base, light at its rim, with only the
// rim outlined so that overlapping petals read as layers rather than as slices.
void DrawRosePetal(QPainter& painter, double length, double width, const QColor& light, const QColor& dark,
                   double edge) {
    const QPainterPath petal = PetalPath(PetalShape::Round, length, width);
    QRadialGradient shade(QPointF(0, 0), length);
    shade.setColorAt(0, dark);
    shade.setColorAt(0.55, dark.lighter(115));
    shade.setColorAt(1, light);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(petal);
    painter.save();
    QPainterPath rim;
    rim.addEllipse(QPointF(0, -length), width * 0.62, length * 0.4);
    painter.setClipPath(rim);
    painter.setPen(QPen(EdgeOf(dark), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(petal);
    painter.restore();
}

} // namespace

void DrawRose(QPainter& painter, QPointF centre, double radius, const QColor& light, const QColor& dark) {
    const double edge = radius * 0.016;
    for (int ring = 0; ring < 3; ++ring) {
        const double length = radius * (1.0 - ring * 0.2);
        for (int i = 0; i < 5; ++i) {
            painter.save();
            painter.translate(centre);
            painter.rotate(ring * 36 + i * 72 + 10);
            DrawRosePetal(painter, length, length * 1.1, light, dark.darker(100 + ring * 6), edge);
            painter.restore();
        }
    }
    // The closed heart: ever smaller petals wound round by the golden angle.
    for (int i = 0; i < 7; ++i) {
        const double length = radius * (0.46 - i * 0.045);
        painter.save();
        painter.translate(centre + Polar(radius * 0.04 * (6 - i) / 6, i * kGoldenAngle + 180));
        painter.rotate(i * kGoldenAngle);
        DrawRosePetal(painter, length, length * 1.3, light.darker(108), dark.darker(125 + i * 4), edge);
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark.darker(160));
    painter.drawEllipse(centre, radius * 0.035, radius * 0.035);
}

void DrawLeaf(QPainter& painter, QPointF base, double angle, double length, double width, const QColor& light,
              const QColor& dark) {
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -width * 0.62, length * 0.72, -width * 0.5, length, 0);
    leaf.cubicTo(length * 0.72, width * 0.5, length * 0.3, width * 0.62, 0, 0);
    leaf.closeSubpath();
    QLinearGradient shade(0, -width / 2, 0, width / 2);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    painter.setPen(QPen(dark.darker(140), length * 0.018, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(shade);
    painter.drawPath(leaf);
    QColor rib = light.lighter(125);
    rib.setAlpha(170);
    painter.setPen(QPen(rib, length * 0.02, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(length * 0.04, 0), QPointF(length * 0.9, 0));
    painter.setPen(QPen(rib, length * 0.011, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 4; ++i) {
        const double x = length * 0.16 * i;
        const double reach = width * (0.3 - 0.04 * i);
        painter.drawLine(QPointF(x, 0), QPointF(x + length * 0.1, -reach));
        painter.drawLine(QPointF(x, 0), QPointF(x + length * 0.1, reach));
    }
    painter.restore();
}

void DrawIvyLeaf(QPainter& painter, QPointF centre, double size, double angle) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const double lobes[] = {-90, -30, 30, 150, 210};
    const double reach[] = {1.0, 0.8, 0.8, 0.62, 0.62};
    QPainterPath leaf;
    for (int i = 0; i < 5; ++i) {
        const QPointF tip = Polar(size * reach[i], lobes[i]);
        const double nextAngle = i < 4 ? lobes[i + 1] : lobes[0] + 360;
        const QPointF notch = Polar(size * 0.38, (lobes[i] + nextAngle) / 2);
        if (i == 0) {
            leaf.moveTo(tip);
        }
        const QPointF nextTip = Polar(size * reach[(i + 1) % 5], lobes[(i + 1) % 5]);
        leaf.quadTo(tip * 0.55 + notch * 0.8, notch);
        leaf.quadTo(nextTip * 0.55 + notch * 0.8, nextTip);
    }
    leaf.closeSubpath();
    QRadialGradient shade(QPointF(-size * 0.2, -size * 0.3), size * 1.2);
    shade.setColorAt(0, QColor(110, 190, 80));
    shade.setColorAt(1, QColor(30, 100, 40));
    painter.setPen(QPen(QColor(20, 70, 30), size * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(shade);
    painter.drawPath(leaf);
    painter.setPen(QPen(QColor(170, 220, 130, 200), size * 0.04, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        painter.drawLine(QPointF(0, size * 0.1), Polar(size * reach[i] * 0.7, lobes[i]));
    }
    painter.restore();
}

void DrawStem(QPainter& painter, const QPainterPath& path, double width, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(140), width * 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour.lighter(135), width * 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(-width * 0.2, 0));
}

void DrawTulipBloom(QPainter& painter, QPointF base, double size, const QColor& light, const QColor& dark) {
    const double edge = size * 0.018;
    painter.save();
    painter.translate(base);
    for (const double tilt : {-20.0, 20.0, 0.0}) {
        painter.save();
        painter.rotate(tilt);
        const double length = tilt == 0 ? size * 1.02 : size;
        const QPainterPath petal = PetalPath(PetalShape::Pointed, length, size * (tilt == 0 ? 0.62 : 0.7));
        QLinearGradient shade(0, 0, 0, -length);
        shade.setColorAt(0, dark);
        shade.setColorAt(1, tilt == 0 ? light : light.darker(112));
        painter.setPen(QPen(EdgeOf(dark), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(shade);
        painter.drawPath(petal);
        painter.restore();
    }
    painter.setPen(QPen(QColor(255, 255, 255, 120), size * 0.05, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-size * 0.1, -size * 0.25), QPointF(-size * 0.12, -size * 0.7));
    painter.restore();
}

void DrawLotusBloom(QPainter& painter, QPointF base, double size, const QColor& light, const QColor& dark) {
    const double edge = size * 0.014;
    const double tilts[] = {-72, 72, -48, 48, -24, 24, 0};
    const double lengths[] = {0.7, 0.7, 0.86, 0.86, 0.96, 0.96, 1.0};
    painter.save();
    painter.translate(base);
    for (int i = 0; i < 7; ++i) {
        painter.save();
        painter.rotate(tilts[i]);
        const double length = size * lengths[i];
        const QPainterPath petal = PetalPath(PetalShape::Pointed, length, length * 0.5);
        QLinearGradient shade(0, 0, 0, -length);
        shade.setColorAt(0, QColor(255, 250, 240));
        shade.setColorAt(0.45, light);
        shade.setColorAt(1, dark);
        painter.setPen(QPen(EdgeOf(dark), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(shade);
        painter.drawPath(petal);
        painter.setPen(QPen(QColor(255, 255, 255, 110), edge * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -length * 0.1), QPointF(0, -length * 0.7));
        painter.restore();
    }
    painter.restore();
}

void DrawLavender(QPainter& painter, QPointF from, QPointF to, double budSize) {
    QPainterPath stem;
    stem.moveTo(from);
    stem.lineTo(to);
    DrawStem(painter, stem, budSize * 0.35, QColor(110, 150, 80));
    const QPointF along = to - from;
    const double angle = std::atan2(along.y(), along.x()) * 180 / std::numbers::pi;
    for (int i = 0; i < 14; ++i) {
        const double t = 0.42 + i * 0.042;
        const double size = budSize * (1.0 - i * 0.035);
        for (const double side : {-1.0, 1.0}) {
            painter.save();
            painter.translate(from + along * t);
            painter.rotate(angle + side * 28);
            QRadialGradient shade(QPointF(size * 0.6, -size * 0.2), size);
            shade.setColorAt(0, QColor(200, 160, 255));
            shade.setColorAt(1, QColor(110, 60, 190));
            painter.setPen(QPen(QColor(80, 40, 140), size * 0.08));
            painter.setBrush(shade);
            painter.drawEllipse(QPointF(size * 0.6, side * size * 0.05), size * 0.7, size * 0.45);
            painter.restore();
        }
    }
}

void DrawBud(QPainter& painter, QPointF base, double angle, double size, const QColor& colour) {
    painter.save();
    painter.translate(base);
    painter.rotate(angle + 90);
    const QPainterPath bud = PetalPath(PetalShape::Pointed, size, size * 0.62);
    QLinearGradient shade(0, 0, 0, -size);
    shade.setColorAt(0, colour.darker(120));
    shade.setColorAt(1, colour.lighter(115));
    painter.setPen(QPen(EdgeOf(colour), size * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(shade);
    painter.drawPath(bud);
    painter.setPen(QPen(QColor(30, 90, 30), size * 0.03));
    painter.setBrush(QColor(80, 150, 60));
    for (const double tilt : {-28.0, 28.0, 0.0}) {
        painter.save();
        painter.rotate(tilt);
        painter.drawPath(PetalPath(PetalShape::Pointed, size * 0.45, size * 0.2));
        painter.restore();
    }
    painter.restore();
}
