// Whole flower pieces composed from the parts in FlowerShapes: leaves first, blooms over them.
#include "artwork/FlowerArrangements.h"
#include "artwork/ShapePaths.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace blossoms {

namespace {
BlossomStyle Style(PetalShape shape, int petals, int rings, double width, QColor base, QColor tip,
                   FlowerHeart heart, double heartSize, QColor heartLight, QColor heartDark) {
    BlossomStyle style;
    style.shape = shape;
    style.petals = petals;
    style.rings = rings;
    style.petalWidth = width;
    style.base = base;
    style.tip = tip;
    style.heart = heart;
    style.heartSize = heartSize;
    style.heartLight = heartLight;
    style.heartDark = heartDark;
    return style;
}
const QColor kYellowLight(255, 236, 90), kYellowDark(235, 150, 0);
} // namespace

BlossomStyle Daisy() {
    return Style(PetalShape::Slim, 22, 2, 0.22, QColor(238, 236, 250), QColor(255, 255, 255),
                 FlowerHeart::Disc, 0.26, kYellowLight, kYellowDark);
}
BlossomStyle Sunflower() {
    return Style(PetalShape::Pointed, 18, 2, 0.3, QColor(250, 170, 0), QColor(255, 224, 50),
                 FlowerHeart::Seeds, 0.42, QColor(150, 100, 40), QColor(80, 45, 15));
}
BlossomStyle CherryBlossom() {
    return Style(PetalShape::Notched, 5, 1, 0.85, QColor(250, 130, 180), QColor(255, 228, 238),
                 FlowerHeart::Stamens, 0.3, QColor(255, 225, 110), QColor(215, 70, 120));
}
BlossomStyle TigerLily() {
    BlossomStyle style = Style(PetalShape::Pointed, 6, 1, 0.44, QColor(255, 196, 60), QColor(255, 96, 20),
                               FlowerHeart::Stamens, 0.45, QColor(140, 50, 20), QColor(130, 150, 60));
    style.spots = true;
    return style;
}
BlossomStyle Hibiscus(const QColor& base, const QColor& tip) {
    return Style(PetalShape::Fan, 5, 1, 1.0, base, tip, FlowerHeart::Column, 0.5, QColor(255, 220, 80),
                 base.darker(130));
}
BlossomStyle Poppy() {
    return Style(PetalShape::Fan, 4, 2, 1.15, QColor(190, 10, 20), QColor(255, 70, 40), FlowerHeart::Pistil,
                 0.22, QColor(60, 40, 40), QColor(20, 10, 10));
}
BlossomStyle ForgetMeNot() {
    return Style(PetalShape::Round, 5, 1, 0.95, QColor(140, 185, 255), QColor(70, 125, 240),
                 FlowerHeart::Disc, 0.22, QColor(255, 255, 200), QColor(255, 200, 40));
}
BlossomStyle Cosmos() {
    return Style(PetalShape::Ruffled, 8, 1, 0.5, QColor(210, 50, 150), QColor(255, 160, 215),
                 FlowerHeart::Disc, 0.2, kYellowLight, kYellowDark);
}
BlossomStyle Gerbera() {
    return Style(PetalShape::Slim, 20, 2, 0.18, QColor(255, 110, 0), QColor(255, 175, 40), FlowerHeart::Disc,
                 0.26, QColor(130, 90, 30), QColor(50, 30, 10));
}
BlossomStyle StarLily() {
    BlossomStyle style = Style(PetalShape::Pointed, 6, 1, 0.46, QColor(235, 60, 130), QColor(255, 238, 245),
                               FlowerHeart::Stamens, 0.45, QColor(200, 90, 40), QColor(120, 150, 70));
    style.spots = true;
    return style;
}
BlossomStyle Plumeria() {
    BlossomStyle style = Style(PetalShape::Round, 5, 1, 0.72, QColor(255, 205, 50), QColor(255, 255, 248),
                               FlowerHeart::Disc, 0.1, kYellowLight, kYellowDark);
    style.turn = 18;
    return style;
}
BlossomStyle Cornflower() {
    return Style(PetalShape::Ruffled, 10, 1, 0.42, QColor(40, 60, 190), QColor(90, 150, 255),
                 FlowerHeart::Disc, 0.18, QColor(90, 60, 150), QColor(40, 20, 90));
}
BlossomStyle Marigold() {
    return Style(PetalShape::Ruffled, 14, 3, 0.55, QColor(235, 100, 0), QColor(255, 185, 20),
                 FlowerHeart::Disc, 0.12, QColor(255, 170, 40), QColor(200, 90, 0));
}
BlossomStyle Violet() {
    return Style(PetalShape::Round, 5, 1, 0.8, QColor(90, 30, 150), QColor(175, 115, 235), FlowerHeart::Disc,
                 0.12, QColor(255, 235, 90), QColor(240, 170, 0));
}

} // namespace blossoms

namespace {

constexpr double kPi = std::numbers::pi;

QPointF Polar(double radius, double degrees) {
    return {radius * std::cos(degrees * kPi / 180), radius * std::sin(degrees * kPi / 180)};
}

// A fixed sequence of numbers in [0, 1): the same scatter on every run.
class Sequence {
  public:
    explicit Sequence(std::uint32_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }

  private:
    std::uint32_t state_;
};

void DrawRibbonBow(QPainter& painter, QPointF centre, double size, const QColor& light, const QColor& dark) {
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(EdgeOf(dark), size * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient shade(0, -size * 0.6, 0, size);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    painter.setBrush(shade);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath tail;
        tail.moveTo(0, 0);
        tail.lineTo(side * size * 0.5, size * 1.1);
        tail.lineTo(side * size * 0.28, size * 0.98);
        tail.lineTo(side * size * 0.18, size * 1.16);
        tail.lineTo(side * size * 0.05, size * 0.1);
        tail.closeSubpath();
        painter.drawPath(tail);
    }
    for (const double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(0, 0);
        loop.cubicTo(side * size * 0.4, -size * 0.7, side * size * 1.1, -size * 0.5, side * size * 0.95, 0);
        loop.cubicTo(side * size * 0.9, size * 0.4, side * size * 0.4, size * 0.3, 0, 0);
        painter.drawPath(loop);
    }
    painter.drawEllipse(QPointF(0, 0), size * 0.18, size * 0.16);
    painter.restore();
}

} // namespace

void DrawBlossomWithLeaves(QPainter& painter, QSizeF box, const BlossomStyle& style, int leaves) {
    const QPointF centre(box.width() / 2, box.height() / 2);
    const double radius = std::min(box.width(), box.height()) * 0.34;
    for (int i = 0; i < leaves; ++i) {
        DrawLeaf(painter, centre, 35 + i * 360.0 / leaves, radius * 1.35, radius * 0.62);
    }
    DrawBlossom(painter, centre, radius, style);
}

void DrawRoseWithLeaves(QPainter& painter, QSizeF box, const QColor& light, const QColor& dark) {
    const QPointF centre(box.width() / 2, box.height() / 2);
    const double radius = std::min(box.width(), box.height()) * 0.31;
    for (const double angle : {40.0, 150.0, 265.0}) {
        DrawLeaf(painter, centre, angle, radius * 1.5, radius * 0.72);
    }
    DrawRose(painter, centre, radius, light, dark);
}

void DrawBlossomCluster(QPainter& painter, QSizeF box, const BlossomStyle& style, int count) {
    struct Spot {
        double x, y, r;
    };
    const Spot spots[] = {{0.5, 0.5, 0.2},   {0.27, 0.33, 0.16}, {0.73, 0.31, 0.17}, {0.29, 0.72, 0.15},
                          {0.72, 0.7, 0.16}, {0.5, 0.17, 0.12},  {0.52, 0.84, 0.12}};
    count = std::clamp(count, 1, 7);
    const double unit = std::min(box.width(), box.height());
    const QPointF middle(box.width() / 2, box.height() / 2);
    for (int i = 0; i < count; ++i) {
        const QPointF at(spots[i].x * box.width(), spots[i].y * box.height());
        const double away = std::atan2(at.y() - middle.y(), at.x() - middle.x()) * 180 / kPi;
        DrawLeaf(painter, at, (i == 0 ? 120.0 : away) + 25, unit * spots[i].r * 1.35,
                 unit * spots[i].r * 0.6);
    }
    for (int i = count - 1; i >= 0; --i) {
        BlossomStyle turned = style;
        turned.turn += i * 17;
        DrawBlossom(painter, QPointF(spots[i].x * box.width(), spots[i].y * box.height()), unit * spots[i].r,
                    turned);
    }
}

void DrawTulip(QPainter& painter, QSizeF box, const QColor& light, const QColor& dark) {
    const double w = box.width(), h = box.height();
    QPainterPath stem;
    stem.moveTo(w * 0.5, h * 0.97);
    stem.cubicTo(w * 0.46, h * 0.75, w * 0.56, h * 0.6, w * 0.5, h * 0.42);
    DrawStem(painter, stem, h * 0.022);
    DrawLeaf(painter, QPointF(w * 0.5, h * 0.95), -118, h * 0.5, h * 0.13);
    DrawLeaf(painter, QPointF(w * 0.5, h * 0.95), -68, h * 0.42, h * 0.12);
    DrawTulipBloom(painter, QPointF(w * 0.5, h * 0.44), h * 0.38, light, dark);
}

void DrawLotus(QPainter& painter, QSizeF box) {
    const double w = box.width(), h = box.height();
    const QRectF pad(w * 0.05, h * 0.62, w * 0.9, h * 0.32);
    QRadialGradient green(pad.center() - QPointF(0, pad.height() * 0.3), pad.width() * 0.55);
    green.setColorAt(0, QColor(130, 200, 90));
    green.setColorAt(1, QColor(40, 120, 50));
    painter.setPen(QPen(QColor(25, 80, 35), w * 0.008));
    painter.setBrush(green);
    painter.drawPie(pad, 100 * 16, 340 * 16);
    painter.setPen(QPen(QColor(170, 225, 130, 180), w * 0.006, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const double angle = 115 + i * 35;
        painter.drawLine(pad.center(),
                         pad.center() + QPointF(std::cos(angle * kPi / 180) * pad.width() * 0.42,
                                                -std::sin(angle * kPi / 180) * pad.height() * 0.42));
    }
    DrawLotusBloom(painter, QPointF(w * 0.5, h * 0.78), h * 0.66, QColor(255, 175, 205),
                   QColor(225, 60, 135));
}

void DrawBlossomBranch(QPainter& painter, QSizeF box, const BlossomStyle& style) {
    const double w = box.width(), h = box.height();
    const QColor bark(120, 75, 55);
    QPainterPath branch;
    branch.moveTo(w * 0.03, h * 0.82);
    branch.cubicTo(w * 0.3, h * 0.7, w * 0.55, h * 0.55, w * 0.96, h * 0.18);
    QPainterPath twigs;
    twigs.moveTo(branch.pointAtPercent(0.35));
    twigs.quadTo(w * 0.38, h * 0.4, w * 0.3, h * 0.22);
    twigs.moveTo(branch.pointAtPercent(0.6));
    twigs.quadTo(w * 0.68, h * 0.62, w * 0.8, h * 0.72);
    DrawStem(painter, branch, h * 0.045, bark);
    DrawStem(painter, twigs, h * 0.028, bark);
    const double radius = h * 0.2;
    DrawLeaf(painter, branch.pointAtPercent(0.2), -60, radius * 1.2, radius * 0.5);
    DrawLeaf(painter, branch.pointAtPercent(0.75), 70, radius * 1.1, radius * 0.5);
    DrawBud(painter, QPointF(w * 0.3, h * 0.22), -100, radius * 0.7, style.base.lighter(110));
    DrawBud(painter, branch.pointAtPercent(0.98), -40, radius * 0.6, style.base.lighter(110));
    const QPointF blooms[] = {branch.pointAtPercent(0.12), QPointF(w * 0.35, h * 0.36),
                              branch.pointAtPercent(0.5), QPointF(w * 0.8, h * 0.7),
                              branch.pointAtPercent(0.82)};
    for (int i = 0; i < 5; ++i) {
        BlossomStyle turned = style;
        turned.turn += i * 23;
        DrawBlossom(painter, blooms[i], radius * (i % 2 ? 0.85 : 1.0), turned);
    }
}

void DrawStemmedPair(QPainter& painter, QSizeF box, const BlossomStyle& style) {
    const double w = box.width(), h = box.height();
    const QPointF root(w * 0.5, h * 0.97);
    struct Head {
        QPointF at;
        double radius;
    };
    const Head heads[] = {{QPointF(w * 0.3, h * 0.3), h * 0.2},
                          {QPointF(w * 0.7, h * 0.22), h * 0.18},
                          {QPointF(w * 0.55, h * 0.58), h * 0.14}};
    const QColor stemColour(100, 150, 70);
    for (const Head& head : heads) {
        QPainterPath stem;
        stem.moveTo(root);
        stem.quadTo(QPointF(head.at.x(), h * 0.8), head.at);
        DrawStem(painter, stem, h * 0.02, stemColour);
    }
    DrawLeaf(painter, QPointF(w * 0.5, h * 0.9), -150, h * 0.3, h * 0.1);
    DrawLeaf(painter, QPointF(w * 0.5, h * 0.86), -30, h * 0.28, h * 0.1);
    for (int i = 0; i < 3; ++i) {
        BlossomStyle turned = style;
        turned.turn += i * 31;
        DrawBlossom(painter, heads[i].at, heads[i].radius, turned);
    }
}

void DrawRoseBud(QPainter& painter, QSizeF box) {
    const double w = box.width(), h = box.height();
    QPainterPath stem;
    stem.moveTo(w * 0.45, h * 0.97);
    stem.cubicTo(w * 0.6, h * 0.75, w * 0.4, h * 0.55, w * 0.52, h * 0.4);
    DrawStem(painter, stem, h * 0.025);
    DrawLeaf(painter, stem.pointAtPercent(0.45), -160, h * 0.26, h * 0.13);
    DrawLeaf(painter, stem.pointAtPercent(0.7), -25, h * 0.24, h * 0.12);
    DrawTulipBloom(painter, QPointF(w * 0.52, h * 0.42), h * 0.34, QColor(255, 70, 90), QColor(170, 0, 40));
    DrawBud(painter, QPointF(w * 0.52, h * 0.44), -90, h * 0.12, QColor(80, 150, 60));
}

void DrawLavenderBundle(QPainter& painter, QSizeF box, int stems) {
    const double w = box.width(), h = box.height();
    const QPointF root(w * 0.5, h * 0.96);
    for (int i = 0; i < stems; ++i) {
        const double spread = stems > 1 ? (i / double(stems - 1) - 0.5) : 0.0;
        const QPointF top(w * (0.5 + spread * 0.75), h * (0.06 + std::abs(spread) * 0.16));
        DrawLavender(painter, root, top, h * 0.032);
    }
    DrawRibbonBow(painter, QPointF(w * 0.5, h * 0.74), h * 0.1, QColor(255, 170, 220), QColor(200, 60, 150));
}

void DrawBouquet(QPainter& painter, QSizeF box, bool tulips) {
    const double w = box.width(), h = box.height();
    const QPointF neck(w * 0.5, h * 0.64);
    for (int i = 0; i < 6; ++i) {
        DrawLeaf(painter, neck - QPointF(0, h * 0.1), -160 + i * 28, h * 0.4, h * 0.12);
    }
    if (tulips) {
        const QColor colours[][2] = {{QColor(255, 110, 150), QColor(200, 20, 80)},
                                     {QColor(255, 230, 80), QColor(240, 140, 0)},
                                     {QColor(255, 90, 60), QColor(200, 20, 20)},
                                     {QColor(230, 150, 255), QColor(150, 50, 200)},
                                     {QColor(255, 160, 190), QColor(220, 60, 120)}};
        const double tilts[] = {-30, 30, -12, 14, 0};
        for (int i = 0; i < 5; ++i) {
            const QPointF head = neck + Polar(h * (i < 2 ? 0.36 : 0.46), -90 + tilts[i]);
            QPainterPath stem;
            stem.moveTo(neck);
            stem.lineTo(head);
            DrawStem(painter, stem, h * 0.016);
            DrawTulipBloom(painter, head, h * 0.17, colours[i][0], colours[i][1]);
        }
    } else {
        const BlossomStyle daisy = blossoms::Daisy();
        DrawBlossom(painter, QPointF(w * 0.24, h * 0.3), h * 0.12, daisy);
        DrawBlossom(painter, QPointF(w * 0.78, h * 0.28), h * 0.12, daisy);
        DrawBlossom(painter, QPointF(w * 0.5, h * 0.1), h * 0.1, blossoms::ForgetMeNot());
        DrawRose(painter, QPointF(w * 0.36, h * 0.2), h * 0.13, QColor(255, 120, 150), QColor(200, 20, 70));
        DrawRose(painter, QPointF(w * 0.64, h * 0.19), h * 0.13, QColor(255, 170, 190), QColor(220, 70, 110));
        DrawRose(painter, QPointF(w * 0.5, h * 0.36), h * 0.15, QColor(255, 90, 110), QColor(180, 0, 40));
        DrawBlossom(painter, QPointF(w * 0.22, h * 0.46), h * 0.08, blossoms::ForgetMeNot());
        DrawBlossom(painter, QPointF(w * 0.8, h * 0.45), h * 0.08, blossoms::ForgetMeNot());
    }
    QPainterPath cone;
    cone.moveTo(w * 0.16, h * 0.46);
    cone.quadTo(w * 0.5, h * 0.56, w * 0.84, h * 0.46);
    cone.lineTo(w * 0.54, h * 0.97);
    cone.lineTo(w * 0.46, h * 0.97);
    cone.closeSubpath();
    QLinearGradient paper(w * 0.16, 0, w * 0.84, 0);
    paper.setColorAt(0, QColor(250, 236, 210));
    paper.setColorAt(0.5, QColor(255, 248, 235));
    paper.setColorAt(1, QColor(225, 195, 150));
    painter.setPen(QPen(QColor(160, 120, 80), h * 0.008, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(paper);
    painter.drawPath(cone);
    painter.setPen(QPen(QColor(200, 165, 120), h * 0.006, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(w * 0.35, h * 0.52), QPointF(w * 0.49, h * 0.95));
    painter.drawLine(QPointF(w * 0.65, h * 0.52), QPointF(w * 0.51, h * 0.95));
    DrawRibbonBow(painter, QPointF(w * 0.5, h * 0.7), h * 0.1, QColor(255, 120, 160), QColor(200, 20, 80));
}

void DrawWreath(QPainter& painter, QSizeF box, bool crownOfDaisies) {
    const double w = box.width(), h = box.height();
    const QPointF centre(w / 2, h / 2);
    const double rx = w * 0.38, ry = h * 0.38;
    const double leaf = std::max(w, h) * 0.13;
    const auto onRing = [&](double degrees) {
        return centre + QPointF(rx * std::cos(degrees * kPi / 180), ry * std::sin(degrees * kPi / 180));
    };
    for (int i = 0; i < 30; ++i) {
        const double angle = i * 12.0;
        const double tangent = angle + 90;
        DrawLeaf(painter, onRing(angle), tangent + (i % 2 ? 28 : -28), leaf, leaf * 0.48);
    }
    for (int i = 0; i < 8; ++i) {
        const QPointF at = onRing(i * 45.0 + 22.5);
        if (crownOfDaisies) {
            BlossomStyle style = i % 2 ? blossoms::ForgetMeNot() : blossoms::Daisy();
            style.turn = i * 13;
            DrawBlossom(painter, at, leaf * (i % 2 ? 0.7 : 0.95), style);
        } else if (i % 2) {
            DrawBlossom(painter, at, leaf * 0.6, blossoms::ForgetMeNot());
        } else {
            DrawRose(painter, at, leaf * 0.9, QColor(255, 150, 170), QColor(215, 40, 90));
        }
    }
}

void DrawFlowerVine(QPainter& painter, QSizeF box, VineCourse course, const BlossomStyle& style, bool roses) {
    const double w = box.width(), h = box.height();
    QPainterPath vine;
    double size = std::min(w, h);
    switch (course) {
    case VineCourse::Wave:
        vine.moveTo(w * 0.03, h * 0.5);
        vine.cubicTo(w * 0.2, h * 0.05, w * 0.32, h * 0.95, w * 0.5, h * 0.5);
        vine.cubicTo(w * 0.68, h * 0.05, w * 0.8, h * 0.95, w * 0.97, h * 0.5);
        size = h * 0.9;
        break;
    case VineCourse::Swag:
        vine.moveTo(w * 0.04, h * 0.12);
        vine.cubicTo(w * 0.25, h * 0.95, w * 0.75, h * 0.95, w * 0.96, h * 0.12);
        size = h * 0.55;
        break;
    case VineCourse::Corner:
        vine.moveTo(w * 0.06, h * 0.96);
        vine.cubicTo(w * 0.02, h * 0.45, w * 0.1, h * 0.1, w * 0.2, h * 0.14);
        vine.moveTo(w * 0.14, h * 0.2);
        vine.cubicTo(w * 0.3, h * 0.06, w * 0.6, h * 0.02, w * 0.96, h * 0.06);
        size = std::min(w, h) * 0.32;
        break;
    }
    DrawStem(painter, vine, size * 0.045);
    const int leaves = course == VineCourse::Corner ? 18 : 16;
    for (int i = 0; i < leaves; ++i) {
        const double t = (i + 0.5) / leaves;
        const double along = -vine.angleAtPercent(t);
        const double shrink = course == VineCourse::Corner ? 1.0 - std::abs(t - 0.5) * 1.1 : 1.0;
        DrawLeaf(painter, vine.pointAtPercent(t), along + (i % 2 ? 55 : -55), size * 0.34 * shrink,
                 size * 0.16 * shrink);
    }
    struct Bloom {
        QPointF at;
        double radius;
    };
    std::vector<Bloom> blooms;
    if (course == VineCourse::Corner) {
        // A full cluster in the corner, thinning out along both edges.
        const double unit = std::min(w, h);
        for (const double angle : {-20.0, 20.0, 70.0, 110.0, 45.0}) {
            DrawLeaf(painter, QPointF(w * 0.16, h * 0.16), angle, unit * 0.34, unit * 0.15);
        }
        blooms = {{vine.pointAtPercent(0.12), unit * 0.06},  {vine.pointAtPercent(0.9), unit * 0.06},
                  {QPointF(w * 0.42, h * 0.12), unit * 0.1}, {QPointF(w * 0.12, h * 0.42), unit * 0.1},
                  {QPointF(w * 0.3, h * 0.26), unit * 0.12}, {QPointF(w * 0.16, h * 0.16), unit * 0.16}};
    } else {
        for (const double t : {0.1, 0.3, 0.5, 0.7, 0.9}) {
            blooms.push_back({vine.pointAtPercent(t), size * (t == 0.3 || t == 0.7 ? 0.18 : 0.23)});
        }
    }
    for (size_t i = 0; i < blooms.size(); ++i) {
        const bool last = i + 1 == blooms.size();
        if (roses && (i % 2 == 0 || (course == VineCourse::Corner && last))) {
            DrawRose(painter, blooms[i].at, blooms[i].radius * 1.05, QColor(255, 140, 165),
                     QColor(210, 30, 80));
        } else {
            BlossomStyle turned = style;
            turned.turn += static_cast<double>(i) * 29;
            DrawBlossom(painter, blooms[i].at, blooms[i].radius, turned);
        }
    }
}

void DrawIvyTrail(QPainter& painter, QSizeF box) {
    const double w = box.width(), h = box.height();
    QPainterPath vine;
    vine.moveTo(w * 0.06, h * 0.06);
    vine.cubicTo(w * 0.5, h * 0.1, w * 0.2, h * 0.6, w * 0.55, h * 0.7);
    vine.cubicTo(w * 0.8, h * 0.78, w * 0.85, h * 0.9, w * 0.94, h * 0.94);
    DrawStem(painter, vine, std::min(w, h) * 0.018, QColor(110, 90, 60));
    const int leaves = 14;
    for (int i = 0; i < leaves; ++i) {
        const double t = (i + 0.5) / leaves;
        const double along = -vine.angleAtPercent(t);
        const double size = std::min(w, h) * (0.11 - t * 0.05);
        const QPointF stalkEnd = vine.pointAtPercent(t) + Polar(size * 0.7, along + (i % 2 ? 70 : -70));
        QPainterPath stalk;
        stalk.moveTo(vine.pointAtPercent(t));
        stalk.lineTo(stalkEnd);
        DrawStem(painter, stalk, size * 0.08, QColor(110, 90, 60));
        DrawIvyLeaf(painter, stalkEnd + Polar(size * 0.6, along + (i % 2 ? 70 : -70)), size,
                    along + (i % 2 ? 160 : -20));
    }
}

void DrawPetalScatter(QPainter& painter, QSizeF box, bool asHeart) {
    const double w = box.width(), h = box.height();
    const double unit = std::min(w, h);
    Sequence random(asHeart ? 7u : 11u);
    std::vector<QPointF> places;
    if (asHeart) {
        const QPainterPath heart = HeartPath(QRectF(w * 0.12, h * 0.14, w * 0.76, h * 0.72));
        for (int i = 0; i < 30; ++i) {
            places.push_back(heart.pointAtPercent(i / 30.0));
        }
    } else {
        for (int i = 0; i < 22; ++i) {
            places.emplace_back(w * (0.12 + 0.76 * random.Next()), h * (0.12 + 0.76 * random.Next()));
        }
    }
    const QColor shades[][2] = {{QColor(255, 200, 215), QColor(235, 70, 120)},
                                {QColor(255, 225, 235), QColor(245, 120, 160)},
                                {QColor(255, 160, 170), QColor(200, 20, 60)}};
    for (size_t i = 0; i < places.size(); ++i) {
        const double length = unit * (asHeart ? 0.12 : 0.1 + 0.05 * random.Next());
        painter.save();
        if (asHeart) {
            // Petals lie along the outline, tips outwards, each a little askew.
            const QPointF outwards = places[i] - QPointF(w * 0.5, h * 0.45);
            painter.translate(places[i] -
                              outwards * (length * 0.45 / std::hypot(outwards.x(), outwards.y())));
            painter.rotate(std::atan2(outwards.y(), outwards.x()) * 180 / kPi + 90 +
                           (random.Next() - 0.5) * 40);
        } else {
            painter.translate(places[i] + QPointF(0, length * 0.5));
            painter.rotate(random.Next() * 360);
        }
        const QPainterPath petal = PetalPath(PetalShape::Notched, length, length * 0.8);
        QLinearGradient shade(0, 0, 0, -length);
        const auto& colours = shades[i % 3];
        shade.setColorAt(0, colours[1]);
        shade.setColorAt(1, colours[0]);
        painter.setPen(QPen(EdgeOf(colours[1]), unit * 0.006, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(shade);
        painter.drawPath(petal);
        painter.restore();
    }
}
