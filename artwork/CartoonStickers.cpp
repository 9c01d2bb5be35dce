// Vector cartoon stickers: bold ink outlines, bright gradient fills and a gloss spot, in a 200 x 200 box.
#include "artwork/CartoonDrawing.h"
#include "artwork/ShapePaths.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

QPen InkPen(double width) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient Shade(const QColor& light, const QColor& dark, double y0, double y1) {
    QLinearGradient gradient(0, y0, 0, y1);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

void FillInked(QPainter& painter, const QPainterPath& path, const QColor& light, const QColor& dark,
               double inkWidth) {
    const QRectF box = path.boundingRect();
    painter.setPen(InkPen(inkWidth));
    painter.setBrush(Shade(light, dark, box.top(), box.bottom()));
    painter.drawPath(path);
}

void Gloss(QPainter& painter, const QRectF& ellipse, int alpha) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, alpha));
    painter.drawEllipse(ellipse);
}

namespace {

// Two dark eyes with a catch light and a smile, centred on `centre`, `size` wide.
void HappyFace(QPainter& painter, QPointF centre, double size) {
    const double eye = size * 0.11;
    painter.setPen(Qt::NoPen);
    for (const double side : {-1.0, 1.0}) {
        const QPointF at(centre.x() + side * size * 0.22, centre.y() - size * 0.08);
        painter.setBrush(kInk);
        painter.drawEllipse(at, eye, eye * 1.3);
        painter.setBrush(Qt::white);
        painter.drawEllipse(at + QPointF(-eye * 0.3, -eye * 0.5), eye * 0.4, eye * 0.4);
        painter.setBrush(QColor(255, 120, 130, 150));
        painter.drawEllipse(at + QPointF(side * size * 0.1, size * 0.2), size * 0.1, size * 0.06);
    }
    painter.setPen(InkPen(size * 0.05));
    painter.setBrush(Qt::NoBrush);
    const QRectF mouth(centre.x() - size * 0.18, centre.y() - size * 0.02, size * 0.36, size * 0.26);
    painter.drawArc(mouth, 200 * 16, 140 * 16);
}

QPainterPath Mirrored(const QPainterPath& half) {
    return half.united(QTransform(-1, 0, 0, 1, 200, 0).map(half));
}

} // namespace

void DrawPartyHat(QPainter& painter) {
    QPainterPath cone;
    cone.moveTo(100, 22);
    cone.lineTo(154, 170);
    cone.quadTo(100, 190, 46, 170);
    cone.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Shade(QColor(255, 90, 190), QColor(190, 30, 140), 20, 190));
    painter.drawPath(cone);
    painter.save();
    painter.setClipPath(cone);
    const QColor stripes[] = {QColor(255, 214, 40), QColor(60, 200, 255)};
    for (int i = 0; i < 6; ++i) {
        painter.setPen(QPen(stripes[i % 2], 11));
        painter.drawLine(QPointF(20, 60 + i * 26), QPointF(180, 20 + i * 26));
    }
    painter.restore();
    painter.setPen(InkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cone);
    QPainterPath brim;
    brim.moveTo(44, 166);
    brim.quadTo(100, 186, 156, 166);
    painter.setPen(QPen(QColor(255, 255, 255), 12, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(brim);
    painter.setPen(QPen(QColor(255, 214, 40), 12, Qt::DotLine, Qt::RoundCap));
    painter.drawPath(brim);
    QRadialGradient pompom(QPointF(94, 16), 22);
    pompom.setColorAt(0, QColor(255, 250, 200));
    pompom.setColorAt(1, QColor(255, 190, 0));
    painter.setPen(InkPen(3.5));
    painter.setBrush(pompom);
    painter.drawEllipse(QPointF(100, 22), 18, 18);
    Gloss(painter, QRectF(82, 84, 11, 34), 110);
}

void DrawCrown(QPainter& painter) {
    QPainterPath crown;
    crown.moveTo(28, 150);
    crown.lineTo(22, 62);
    crown.lineTo(64, 104);
    crown.lineTo(100, 44);
    crown.lineTo(136, 104);
    crown.lineTo(178, 62);
    crown.lineTo(172, 150);
    crown.quadTo(100, 164, 28, 150);
    crown.closeSubpath();
    FillInked(painter, crown, QColor(255, 236, 120), QColor(226, 150, 20));
    QPainterPath band;
    band.moveTo(27, 126);
    band.quadTo(100, 138, 173, 126);
    band.lineTo(172, 150);
    band.quadTo(100, 164, 28, 150);
    band.closeSubpath();
    FillInked(painter, band, QColor(255, 210, 60), QColor(200, 120, 10), 3);
    const QColor gems[] = {QColor(40, 140, 255), QColor(235, 30, 70), QColor(30, 200, 110)};
    for (int i = 0; i < 3; ++i) {
        const QPointF at(60 + i * 40, 140 + (i == 1 ? 4 : 0));
        painter.setPen(InkPen(3));
        painter.setBrush(gems[i]);
        painter.drawEllipse(at, i == 1 ? 11 : 8, i == 1 ? 11 : 8);
        Gloss(painter, QRectF(at.x() - 5, at.y() - 6, 5, 4), 200);
    }
    for (const QPointF tip : {QPointF(22, 56), QPointF(100, 36), QPointF(178, 56)}) {
        painter.setPen(InkPen(3));
        painter.setBrush(Shade(QColor(255, 250, 210), QColor(240, 180, 40), tip.y() - 9, tip.y() + 9));
        painter.drawEllipse(tip, 9, 9);
    }
    Gloss(painter, QRectF(36, 80, 10, 36), 120);
}

void DrawSunglasses(QPainter& painter) {
    QPainterPath frame;
    frame.setFillRule(Qt::WindingFill);
    frame.addRoundedRect(QRectF(8, 66, 84, 62), 24, 24);
    frame.addRoundedRect(QRectF(108, 66, 84, 62), 24, 24);
    frame.addRoundedRect(QRectF(4, 64, 192, 14), 7, 7);
    frame.addRect(QRectF(86, 76, 28, 10));
    painter.setPen(InkPen(3));
    painter.setBrush(Shade(QColor(250, 60, 120), QColor(180, 20, 80), 64, 128));
    painter.drawPath(frame.simplified());
    for (const double left : {16.0, 116.0}) {
        const QRectF lens(left, 76, 68, 46);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Shade(QColor(90, 60, 150), QColor(20, 10, 40), lens.top(), lens.bottom()));
        painter.drawRoundedRect(lens, 18, 18);
        painter.save();
        QPainterPath clip;
        clip.addRoundedRect(lens, 18, 18);
        painter.setClipPath(clip);
        painter.setPen(QPen(QColor(255, 255, 255, 150), 10));
        painter.drawLine(QPointF(left + 8, 130), QPointF(left + 48, 66));
        painter.setPen(QPen(QColor(255, 255, 255, 90), 5));
        painter.drawLine(QPointF(left + 26, 132), QPointF(left + 62, 74));
        painter.restore();
    }
}

void DrawMoustache(QPainter& painter) {
    QPainterPath half;
    half.moveTo(100, 92);
    half.cubicTo(112, 72, 140, 68, 160, 86);
    half.cubicTo(170, 96, 180, 100, 188, 92);
    half.cubicTo(196, 84, 190, 70, 180, 72);
    half.cubicTo(198, 64, 206, 92, 192, 106);
    half.cubicTo(174, 124, 138, 128, 112, 116);
    half.cubicTo(106, 113, 102, 110, 100, 108);
    half.closeSubpath();
    FillInked(painter, Mirrored(half), QColor(140, 86, 50), QColor(70, 36, 18), 4);
    painter.setPen(QPen(QColor(190, 130, 80), 3, Qt::SolidLine, Qt::RoundCap));
    for (const double side : {-1.0, 1.0}) {
        painter.drawLine(QPointF(100 + side * 20, 96), QPointF(100 + side * 46, 90));
        painter.drawLine(QPointF(100 + side * 24, 104), QPointF(100 + side * 58, 100));
    }
}

void DrawGlossyHeart(QPainter& painter) {
    const QPainterPath heart = HeartPath(QRectF(14, 22, 172, 160));
    painter.setPen(InkPen(4.5));
    QRadialGradient fill(QPointF(80, 70), 150);
    fill.setColorAt(0, QColor(255, 120, 140));
    fill.setColorAt(1, QColor(200, 10, 60));
    painter.setBrush(fill);
    painter.drawPath(heart);
    painter.save();
    painter.translate(58, 62);
    painter.rotate(-35);
    Gloss(painter, QRectF(-22, -11, 44, 22), 170);
    painter.restore();
    Gloss(painter, QRectF(40, 86, 10, 10), 170);
}

void DrawSmilingStar(QPainter& painter) {
    const QPainterPath star = StarPath(QPointF(100, 108), 96, 46, 5);
    QPainterPathStroker rounder;
    rounder.setWidth(12);
    rounder.setJoinStyle(Qt::RoundJoin);
    const QPainterPath rounded = star.united(rounder.createStroke(star)).simplified();
    FillInked(painter, rounded, QColor(255, 240, 110), QColor(255, 160, 0), 4.5);
    HappyFace(painter, QPointF(100, 112), 90);
    Gloss(painter, QRectF(78, 38, 10, 26), 150);
}

void DrawBow(QPainter& painter) {
    const QColor light(255, 140, 200), dark(220, 40, 130);
    QPainterPath tails;
    tails.moveTo(92, 104);
    tails.lineTo(58, 178);
    tails.lineTo(78, 170);
    tails.lineTo(88, 186);
    tails.lineTo(104, 110);
    tails.closeSubpath();
    FillInked(painter, tails.united(QTransform(-1, 0, 0, 1, 200, 0).map(tails)), light, dark);
    QPainterPath loop;
    loop.moveTo(100, 100);
    loop.cubicTo(70, 40, 10, 40, 14, 90);
    loop.cubicTo(16, 140, 70, 140, 100, 100);
    loop.closeSubpath();
    FillInked(painter, Mirrored(loop), light, dark);
    painter.setPen(QPen(QColor(180, 20, 100, 160), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath fold;
        fold.moveTo(100 + side * 16, 96);
        fold.quadTo(100 + side * 50, 80, 100 + side * 64, 66);
        painter.drawPath(fold);
    }
    FillInked(
        painter,
        [] {
            QPainterPath knot;
            knot.addRoundedRect(QRectF(84, 80, 32, 42), 12, 12);
            return knot;
        }(),
        QColor(255, 170, 215), dark);
    Gloss(painter, QRectF(30, 66, 22, 12), 140);
}

void DrawBalloonBunch(QPainter& painter) {
    struct Balloon {
        QPointF centre;
        QColor light, dark;
    };
    const Balloon balloons[] = {{QPointF(58, 66), QColor(255, 120, 120), QColor(215, 20, 40)},
                                {QPointF(142, 62), QColor(120, 200, 255), QColor(20, 100, 220)},
                                {QPointF(100, 50), QColor(255, 240, 120), QColor(245, 170, 0)}};
    painter.setPen(InkPen(2.5));
    painter.setBrush(Qt::NoBrush);
    for (const Balloon& balloon : balloons) {
        QPainterPath string;
        string.moveTo(balloon.centre + QPointF(0, 52));
        string.cubicTo(balloon.centre + QPointF(-8, 80), QPointF(110, 150), QPointF(100, 192));
        painter.drawPath(string);
    }
    for (const Balloon& balloon : balloons) {
        QPainterPath shape;
        shape.addEllipse(balloon.centre, 38, 46);
        QPainterPath knot;
        knot.moveTo(balloon.centre + QPointF(0, 44));
        knot.lineTo(balloon.centre + QPointF(-7, 56));
        knot.lineTo(balloon.centre + QPointF(7, 56));
        knot.closeSubpath();
        QRadialGradient fill(balloon.centre + QPointF(-14, -18), 60);
        fill.setColorAt(0, balloon.light);
        fill.setColorAt(1, balloon.dark);
        painter.setPen(InkPen(3.5));
        painter.setBrush(fill);
        painter.drawPath(shape.united(knot));
        painter.save();
        painter.translate(balloon.centre + QPointF(-16, -22));
        painter.rotate(-30);
        Gloss(painter, QRectF(-6, -12, 12, 24), 170);
        painter.restore();
    }
}

void DrawRainbow(QPainter& painter) {
    const QColor bands[] = {QColor(240, 40, 60), QColor(255, 140, 20), QColor(255, 220, 30),
                            QColor(60, 200, 80), QColor(40, 150, 240), QColor(140, 80, 220)};
    const QRectF outer(14, 40, 172, 172);
    painter.setPen(InkPen(4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(outer.adjusted(-2, -2, 2, 2), 0, 180 * 16);
    for (int i = 0; i < 6; ++i) {
        const double inset = 7 + i * 12;
        painter.setPen(QPen(bands[i], 12.5, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(outer.adjusted(inset, inset, -inset, -inset), 0, 180 * 16);
    }
    painter.setPen(InkPen(4));
    painter.drawArc(outer.adjusted(78, 78, -78, -78), 0, 180 * 16);
    for (const QPointF at : {QPointF(40, 128), QPointF(160, 128)}) {
        const QPainterPath cloud = CloudPath(at, 40, 24, 6);
        painter.setPen(InkPen(4));
        painter.setBrush(Shade(Qt::white, QColor(205, 225, 245), at.y() - 26, at.y() + 26));
        painter.drawPath(cloud);
    }
}

void DrawSmilingSun(QPainter& painter) {
    const QPainterPath rays = BurstPath(QPointF(100, 100), 98, 98, 12, 0.3);
    FillInked(painter, rays, QColor(255, 200, 40), QColor(255, 110, 0));
    QRadialGradient face(QPointF(86, 82), 80);
    face.setColorAt(0, QColor(255, 250, 170));
    face.setColorAt(1, QColor(255, 200, 20));
    painter.setPen(InkPen(4));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(100, 100), 58, 58);
    HappyFace(painter, QPointF(100, 104), 100);
}

void DrawBunnyEars(QPainter& painter) {
    QPainterPath band;
    band.moveTo(14, 190);
    band.cubicTo(30, 120, 170, 120, 186, 190);
    QPainterPathStroker stroker;
    stroker.setWidth(18);
    stroker.setCapStyle(Qt::RoundCap);
    for (const double side : {-1.0, 1.0}) {
        painter.save();
        painter.translate(100 + side * 34, 150);
        painter.rotate(side * 14);
        QPainterPath ear;
        ear.addEllipse(QRectF(-26, -142, 52, 150));
        FillInked(painter, ear, QColor(255, 255, 255), QColor(220, 215, 230));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Shade(QColor(255, 190, 210), QColor(250, 120, 160), -120, 0));
        painter.drawEllipse(QRectF(-13, -124, 26, 116));
        painter.restore();
    }
    FillInked(painter, stroker.createStroke(band), QColor(255, 130, 190), QColor(220, 50, 130), 3.5);
}

void DrawLips(QPainter& painter) {
    QPainterPath upper;
    upper.moveTo(10, 104);
    upper.cubicTo(40, 80, 64, 50, 84, 56);
    upper.cubicTo(92, 58, 96, 64, 100, 68);
    upper.cubicTo(104, 64, 108, 58, 116, 56);
    upper.cubicTo(136, 50, 160, 80, 190, 104);
    upper.cubicTo(150, 100, 120, 98, 100, 104);
    upper.cubicTo(80, 98, 50, 100, 10, 104);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(10, 104);
    lower.cubicTo(50, 108, 80, 106, 100, 110);
    lower.cubicTo(120, 106, 150, 108, 190, 104);
    lower.cubicTo(160, 150, 130, 160, 100, 160);
    lower.cubicTo(70, 160, 40, 150, 10, 104);
    lower.closeSubpath();
    FillInked(painter, lower, QColor(255, 80, 110), QColor(190, 0, 50));
    FillInked(painter, upper, QColor(255, 90, 120), QColor(200, 10, 60));
    Gloss(painter, QRectF(70, 120, 40, 14), 150);
    Gloss(painter, QRectF(60, 70, 14, 8), 140);
}

void DrawCatEars(QPainter& painter) {
    QPainterPath band;
    band.moveTo(14, 186);
    band.cubicTo(30, 116, 170, 116, 186, 186);
    QPainterPathStroker stroker;
    stroker.setWidth(18);
    stroker.setCapStyle(Qt::RoundCap);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(100 + side * 16, 140);
        ear.quadTo(100 + side * 40, 40, 100 + side * 78, 28);
        ear.quadTo(100 + side * 92, 90, 100 + side * 84, 164);
        ear.closeSubpath();
        FillInked(painter, ear, QColor(80, 70, 90), QColor(30, 24, 36));
        QPainterPath inner;
        inner.moveTo(100 + side * 34, 132);
        inner.quadTo(100 + side * 50, 70, 100 + side * 72, 54);
        inner.quadTo(100 + side * 80, 100, 100 + side * 74, 144);
        inner.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Shade(QColor(255, 180, 210), QColor(240, 100, 150), 50, 150));
        painter.drawPath(inner);
    }
    FillInked(painter, stroker.createStroke(band), QColor(90, 80, 100), QColor(30, 24, 36), 3.5);
}

void DrawBowTie(QPainter& painter) {
    QPainterPath wing;
    wing.moveTo(100, 100);
    wing.cubicTo(70, 70, 30, 50, 16, 62);
    wing.cubicTo(6, 80, 6, 120, 16, 138);
    wing.cubicTo(30, 150, 70, 130, 100, 100);
    wing.closeSubpath();
    const QPainterPath tie = Mirrored(wing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Shade(QColor(255, 70, 80), QColor(190, 10, 30), 50, 150));
    painter.drawPath(tie);
    painter.save();
    painter.setClipPath(tie);
    painter.setBrush(QColor(255, 255, 255, 230));
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 12; ++column) {
            painter.drawEllipse(QPointF(column * 18 + (row % 2) * 9, 52 + row * 18), 4.5, 4.5);
        }
    }
    painter.restore();
    painter.setPen(InkPen(4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tie);
    QPainterPath knot;
    knot.addRoundedRect(QRectF(84, 80, 32, 40), 10, 10);
    FillInked(painter, knot, QColor(255, 90, 100), QColor(180, 10, 30));
}

void DrawMusicNotes(QPainter& painter) {
    QPainterPath notes;
    notes.setFillRule(Qt::WindingFill);
    const auto head = [&notes](QPointF centre) {
        QPainterPath ellipse;
        ellipse.addEllipse(QRectF(-20, -14, 40, 28));
        notes.addPath(QTransform().translate(centre.x(), centre.y()).rotate(-24).map(ellipse));
    };
    head(QPointF(44, 158));
    head(QPointF(122, 140));
    notes.addRect(QRectF(56, 50, 9, 106));
    notes.addRect(QRectF(134, 32, 9, 106));
    QPainterPath beam;
    beam.moveTo(56, 50);
    beam.lineTo(143, 32);
    beam.lineTo(143, 56);
    beam.lineTo(56, 74);
    beam.closeSubpath();
    notes.addPath(beam);
    head(QPointF(168, 92));
    notes.addRect(QRectF(180, 20, 8, 70));
    QPainterPath flag;
    flag.moveTo(180, 20);
    flag.cubicTo(186, 40, 200, 44, 192, 70);
    flag.cubicTo(192, 50, 188, 44, 182, 42);
    notes.addPath(flag);
    QLinearGradient fill(0, 20, 200, 180);
    fill.setColorAt(0, QColor(80, 170, 255));
    fill.setColorAt(1, QColor(170, 60, 230));
    painter.setPen(InkPen(4));
    painter.setBrush(fill);
    painter.drawPath(notes.simplified());
    Gloss(painter, QRectF(30, 148, 12, 7), 170);
    Gloss(painter, QRectF(108, 130, 12, 7), 170);
}
