// Frames made of motifs: hearts, stars, snow, leaves, shells, confetti, neon, lace, flowers, balloons.
#include "artwork/FrameKit.h"
#include "artwork/Shapes.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

namespace art::frames {

namespace {

Frame GradientFrame(QColor top, QColor bottom, int grain, std::uint32_t seed) {
    Frame frame = NewFrame(Qt::black);
    QPainter painter(&frame.picture);
    QLinearGradient ground(0, 0, kWidth * 0.3, kHeight);
    ground.setColorAt(0, top);
    ground.setColorAt(1, bottom);
    painter.fillRect(kWhole, ground);
    painter.end();
    AddGrain(frame.picture, grain, seed);
    return frame;
}

QBrush Shaded(const QPainterPath& shape, QColor colour) {
    const QRectF box = shape.boundingRect();
    QRadialGradient gradient(box.center() - QPointF(box.width() * 0.2, box.height() * 0.25),
                             box.width() * 0.75);
    gradient.setColorAt(0, colour.lighter(140));
    gradient.setColorAt(0.6, colour);
    gradient.setColorAt(1, colour.darker(135));
    return gradient;
}

QPainterPath Placed(const QPainterPath& shape, QPointF at, qreal angle) {
    QTransform place;
    place.translate(at.x(), at.y());
    place.rotate(angle);
    return place.map(shape);
}

// The ring just inside the edge of an opening, where motifs may overlap the picture a little.
QPainterPath InnerClear(const QPainterPath& opening, qreal margin) {
    const QRectF box = opening.boundingRect().adjusted(margin, margin, -margin, -margin);
    return RoundedBox(box, margin);
}

Frame Hearts() {
    Frame frame = GradientFrame(QColor(255, 196, 210), QColor(236, 110, 146), 3, 101);
    const QPainterPath opening = RoundedBox(Inset(110), 70);
    Cut(frame, opening, 4, 10);
    FramePainter painter(frame);
    const QColor tones[] = {QColor(230, 40, 80), QColor(255, 120, 150), QColor(200, 20, 60),
                            QColor(255, 255, 255)};
    Random random(102);
    Scatter(103, 70, 40, 110, InnerClear(opening, 50), [&](QPointF p, qreal size, int i) {
        const QPainterPath heart =
            Placed(Heart(QRectF(-size / 2, -size / 2, size, size * 0.92)), p, random.Uniform(-25, 25));
        painter.Raised(heart, Shaded(heart, tones[i % 4]), QPointF(2, 3), 3);
    });
    return frame;
}

Frame Stars() {
    Frame frame = GradientFrame(QColor(18, 26, 76), QColor(52, 36, 110), 2, 105);
    {
        QPainter painter(&frame.picture);
        Random random(106);
        for (int i = 0; i < 500; ++i) {
            painter.fillRect(QRectF(random.Uniform(0, kWidth), random.Uniform(0, kHeight), 2, 2),
                             QColor(255, 255, 230, random.Between(60, 220)));
        }
    }
    const QPainterPath opening = RoundedBox(Inset(104), 24);
    Cut(frame, opening, 0, 14);
    FramePainter painter(frame);
    Random random(107);
    Scatter(108, 46, 30, 96, InnerClear(opening, 40), [&](QPointF p, qreal size, int) {
        const QPainterPath star = Star(p, size / 2, 5, 0.45, random.Uniform(-0.4, 0.4));
        painter.Raised(star, Shaded(star, QColor(250, 200, 60)), QPointF(2, 3), 3);
    });
    return frame;
}

Frame Snow() {
    Frame frame = GradientFrame(QColor(214, 234, 250), QColor(120, 160, 214), 3, 109);
    const QPainterPath opening = RoundedBox(Inset(96), 60);
    Cut(frame, opening, 26, 0);
    FramePainter painter(frame);
    Scatter(110, 60, 24, 90, InnerClear(opening, 60), [&](QPointF p, qreal size, int i) {
        const QPainterPath flake = Snowflake(p, size / 2);
        painter.Shadow(flake, QPointF(1.5, 2), 2, 90);
        painter.Fill(flake, QColor(255, 255, 255, i % 3 == 0 ? 200 : 255));
    });
    return frame;
}

Frame Leaves() {
    Frame frame = GradientFrame(QColor(232, 240, 214), QColor(190, 212, 160), 3, 111);
    const QRectF oval = Inset(120);
    Cut(frame, Ellipse(oval), 3, 10);
    FramePainter painter(frame);
    QPainterPath around;
    around.addEllipse(oval.adjusted(-24, -24, 24, 24));
    Random random(112);
    const QColor greens[] = {QColor(70, 140, 50), QColor(110, 170, 60), QColor(40, 110, 56),
                             QColor(150, 190, 70)};
    AlongPath(around, 120, [&](QPointF p, qreal angle, int i) {
        const qreal outward = -angle + random.Uniform(-50, 50) + (i % 2 ? 60 : -60);
        const QPainterPath leaf = Leaf(p, random.Uniform(60, 96), outward);
        painter.Raised(leaf, Shaded(leaf, greens[i % 4]), QPointF(2, 3), 2);
    });
    AlongPath(around, 24, [&](QPointF p, qreal, int i) {
        const QPainterPath berry = Ellipse(QRectF(p - QPointF(9, 9), QSizeF(18, 18)));
        painter.Raised(berry, Shaded(berry, i % 2 ? QColor(230, 80, 40) : QColor(250, 180, 40)),
                       QPointF(1, 2), 2);
    });
    return frame;
}

Frame Seashells() {
    Frame frame = NewFrame(Textured(QColor(236, 214, 170), 9, 16, 113));
    const QPainterPath opening = RoundedBox(Inset(112), 40);
    Cut(frame, opening, 3, 10);
    FramePainter painter(frame);
    Random random(114);
    const QColor tones[] = {QColor(250, 180, 150), QColor(250, 220, 190), QColor(230, 150, 120),
                            QColor(255, 236, 214)};
    Scatter(115, 26, 80, 140, InnerClear(opening, 40), [&](QPointF p, qreal size, int i) {
        if (i % 5 == 4) {
            const QPainterPath starfish = Star(p, size / 2, 5, 0.42, random.Uniform(0, 1));
            painter.Raised(starfish, Shaded(starfish, QColor(240, 120, 50)));
            return;
        }
        const qreal angle = random.Uniform(-40, 40);
        const QPainterPath shell = Placed(Shell(QRectF(-size / 2, -size / 2, size, size * 0.9)), p, angle);
        painter.Raised(shell, Shaded(shell, tones[i % 4]));
        // Ribs fanning out from the hinge, inside the shell.
        QPainter& picture = painter.picture();
        picture.save();
        picture.setClipPath(shell);
        picture.translate(p);
        picture.rotate(angle);
        picture.setPen(QPen(QColor(160, 90, 70, 120), 2));
        const QPointF hinge(0, size * 0.292);
        for (int rib = 0; rib < 8; ++rib) {
            const qreal a = qDegreesToRadians(20.0 + 140.0 * rib / 7);
            picture.drawLine(hinge, hinge + QPointF(std::cos(a), -std::sin(a)) * (size * 0.5));
        }
        picture.restore();
    });
    return frame;
}

Frame Confetti() {
    Frame frame = NewFrame(Textured(QColor(255, 252, 246), 2, 4, 117));
    const QPainterPath opening = RoundedBox(Inset(96), 18);
    Cut(frame, opening, 0, 8);
    FramePainter painter(frame);
    Random random(118);
    Scatter(119, 420, 12, 30, InnerClear(opening, 14), [&](QPointF p, qreal size, int) {
        const QColor colour = QColor::fromHsv(random.Between(0, 359), 200, 250);
        QPainterPath piece;
        if (random.Next() % 3 == 0) {
            piece.addEllipse(p, size * 0.3, size * 0.3);
        } else {
            piece = Placed(RoundedBox(QRectF(-size / 2, -size / 5, size, size / 2.5), 2), p,
                           random.Uniform(0, 180));
        }
        painter.Raised(piece, colour, QPointF(1, 1.5), 1);
    });
    return frame;
}

Frame Neon() {
    Frame frame = NewFrame(Qt::black);
    {
        QPainter painter(&frame.picture);
        Random random(121);
        painter.fillRect(kWhole, QColor(30, 22, 28));
        for (int row = 0; row * 40 < kHeight; ++row) {
            for (int column = -1; column * 90 < kWidth; ++column) {
                painter.fillRect(QRectF(column * 90 + (row % 2) * 45 + 2, row * 40 + 2, 86, 36),
                                 QColor::fromHsv(random.Between(340, 359), 120, random.Between(50, 74)));
            }
        }
        painter.setRenderHint(QPainter::Antialiasing);
        const auto tube = [&](const QPainterPath& path, QColor colour) {
            for (int glow = 9; glow >= 1; --glow) {
                painter.strokePath(path, QPen(QColor(colour.red(), colour.green(), colour.blue(), 18),
                                              glow * 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            }
            painter.strokePath(path,
                               QPen(colour.lighter(120), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.strokePath(path,
                               QPen(QColor(255, 240, 250), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        };
        tube(RoundedBox(Inset(70), 56), QColor(255, 60, 170));
        tube(Star(QPointF(64, 64), 30, 5, 0.45), QColor(60, 230, 255));
        tube(Star(QPointF(936, 686), 30, 5, 0.45), QColor(60, 230, 255));
        tube(Heart(QRectF(904, 38, 60, 54)), QColor(255, 220, 60));
        tube(Heart(QRectF(36, 656, 60, 54)), QColor(255, 220, 60));
    }
    Cut(frame, RoundedBox(Inset(104), 36), 0, 10);
    return frame;
}

Frame Lace() {
    Frame frame = NewFrame(Textured(QColor(92, 40, 56), 4, 30, 123));
    const QRectF oval = Inset(150);
    const QRectF outerOval = Inset(60);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath lace = Ellipse(outerOval);
        QPainterPath rim;
        rim.addEllipse(outerOval);
        AlongPath(rim, 64, [&](QPointF p, qreal, int) {
            lace = lace.united(Ellipse(QRectF(p - QPointF(22, 22), QSizeF(44, 44))));
        });
        DrawSoftShadow(painter, lace, QPointF(3, 4), 4, QColor(0, 0, 0, 150));
        painter.fillPath(lace, QColor(250, 244, 232));
        const QColor hole(92, 40, 56);
        painter.setPen(Qt::NoPen);
        painter.setBrush(hole);
        AlongPath(rim, 64, [&](QPointF p, qreal, int) { painter.drawEllipse(p, 6, 6); });
        QPainterPath middle;
        middle.addEllipse(outerOval.adjusted(40, 40, -40, -40));
        AlongPath(middle, 90, [&](QPointF p, qreal, int i) {
            painter.setBrush(i % 2 ? hole : QColor(220, 206, 190));
            painter.drawEllipse(p, i % 2 ? 7 : 4, i % 2 ? 7 : 4);
        });
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(200, 180, 160), 2, Qt::DotLine));
        painter.drawEllipse(outerOval.adjusted(20, 20, -20, -20));
        painter.drawEllipse(outerOval.adjusted(62, 62, -62, -62));
    }
    Cut(frame, Ellipse(oval), 2, 10);
    return frame;
}

// A five-petal blossom with a golden centre.
void Blossom(FramePainter& painter, QPointF at, qreal size, QColor petals) {
    const QPainterPath flower = Flower(at, size / 2, 5, size * 0.2);
    painter.Raised(flower, Shaded(flower, petals), QPointF(2, 3), 3);
    const QPainterPath heart =
        Ellipse(QRectF(at - QPointF(size * 0.12, size * 0.12), QSizeF(size * 0.24, size * 0.24)));
    painter.Fill(heart, Shaded(heart, QColor(250, 200, 40)));
}

Frame FloralCorners() {
    Frame frame = NewFrame(Textured(QColor(250, 244, 230), 2, 6, 125));
    Cut(frame, RoundedBox(Inset(70), 16), 2, 10);
    FramePainter painter(frame);
    const QColor tones[] = {QColor(246, 120, 150), QColor(250, 170, 110), QColor(230, 90, 120),
                            QColor(255, 200, 210)};
    const QPointF corners[] = {{0, 0}, {kWidth, 0}, {0, kHeight}, {kWidth, kHeight}};
    Random random(126);
    for (const QPointF corner : corners) {
        for (int i = 0; i < 7; ++i) {
            const QPointF leafAt =
                corner + QPointF(corner.x() > 0 ? -random.Uniform(20, 180) : random.Uniform(20, 180),
                                 corner.y() > 0 ? -random.Uniform(20, 150) : random.Uniform(20, 150));
            const QPainterPath leaf = Leaf(leafAt, random.Uniform(50, 80), random.Uniform(0, 360));
            painter.Raised(leaf, Shaded(leaf, QColor(90, 150, 70)), QPointF(1, 2), 2);
        }
        for (int i = 0; i < 6; ++i) {
            const QPointF at =
                corner + QPointF(corner.x() > 0 ? -random.Uniform(10, 170) : random.Uniform(10, 170),
                                 corner.y() > 0 ? -random.Uniform(10, 140) : random.Uniform(10, 140));
            Blossom(painter, at, random.Uniform(60, 100), tones[i % 4]);
        }
    }
    return frame;
}

Frame DreamyWhite() {
    Frame frame = NewFrame(QColor(255, 252, 246));
    Cut(frame, Ellipse(Inset(40)), 90, 0);
    return frame;
}

Frame PolkaDots() {
    Frame frame = NewFrame(QColor(64, 176, 196));
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 230));
        for (int row = 0; row * 50 < kHeight + 50; ++row) {
            for (int column = 0; column * 50 < kWidth + 50; ++column) {
                painter.drawEllipse(QPointF(column * 50 + (row % 2) * 25, row * 50), 11, 11);
            }
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 220, 80), 10));
        painter.drawRoundedRect(Inset(86), 46, 46);
    }
    Cut(frame, RoundedBox(Inset(98), 40), 0, 10);
    return frame;
}

Frame Rainbow() {
    Frame frame = NewFrame(Qt::white);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor bands[] = {QColor(230, 60, 60), QColor(250, 150, 40), QColor(250, 220, 60),
                                QColor(90, 190, 80), QColor(60, 140, 220), QColor(140, 90, 200)};
        for (int i = 0; i < 6; ++i) {
            painter.fillPath(RoundedBox(Inset(i * 17), 60 - i * 8), bands[i]);
        }
        painter.fillPath(RoundedBox(Inset(102), 20), Qt::white);
    }
    Cut(frame, RoundedBox(Inset(110), 16), 0, 10);
    return frame;
}

Frame Holly() {
    Frame frame = GradientFrame(QColor(176, 30, 36), QColor(120, 16, 24), 3, 131);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(240, 200, 100), 5));
        painter.drawRoundedRect(Inset(40), 20, 20);
    }
    const QPainterPath opening = RoundedBox(Inset(100), 20);
    Cut(frame, opening, 0, 12);
    FramePainter painter(frame);
    Random random(132);
    QPainterPath wreath;
    wreath.addRoundedRect(Inset(92), 24, 24);
    AlongPath(wreath, 90, [&](QPointF p, qreal angle, int i) {
        const qreal spread = i % 2 ? 50 : -50;
        const QPainterPath leaf = Leaf(p, 56, -angle + spread);
        painter.Raised(leaf, Shaded(leaf, i % 3 ? QColor(30, 110, 50) : QColor(50, 140, 60)), QPointF(2, 3),
                       2);
        if (i % 4 == 0) {
            for (int berry = 0; berry < 3; ++berry) {
                const QPointF at = p + QPointF(random.Uniform(-10, 10), random.Uniform(-10, 10));
                const QPainterPath ball = Ellipse(QRectF(at - QPointF(8, 8), QSizeF(16, 16)));
                painter.Raised(ball, Shaded(ball, QColor(220, 20, 30)), QPointF(1, 2), 2);
            }
        }
    });
    return frame;
}

Frame Balloons() {
    Frame frame = GradientFrame(QColor(200, 230, 255), QColor(255, 236, 200), 2, 133);
    const QPainterPath opening = RoundedBox(Inset(120), 30);
    Cut(frame, opening, 0, 10);
    FramePainter painter(frame);
    Random random(134);
    Scatter(135, 30, 70, 120, InnerClear(opening, 30), [&](QPointF p, qreal size, int) {
        const QColor colour = QColor::fromHsv(random.Between(0, 359), 190, 245);
        const QPainterPath balloon =
            Ellipse(QRectF(p.x() - size * 0.4, p.y() - size * 0.5, size * 0.8, size));
        QPainterPath string;
        string.moveTo(p + QPointF(0, size * 0.5));
        string.cubicTo(p + QPointF(12, size * 0.75), p + QPointF(-12, size * 0.95),
                       p + QPointF(4, size * 1.2));
        painter.Stroke(string, QPen(QColor(90, 90, 90), 1.5));
        painter.Raised(balloon, Shaded(balloon, colour), QPointF(3, 4), 4);
        painter.Fill(Ellipse(QRectF(p.x() - size * 0.22, p.y() - size * 0.36, size * 0.14, size * 0.22)),
                     QColor(255, 255, 255, 150));
    });
    return frame;
}

Frame HeartWindow() {
    Frame frame = GradientFrame(QColor(255, 210, 224), QColor(250, 150, 180), 3, 137);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        Random random(138);
        for (int i = 0; i < 60; ++i) {
            const qreal size = random.Uniform(16, 40);
            painter.fillPath(Heart(QRectF(random.Uniform(0, kWidth), random.Uniform(0, kHeight), size, size)),
                             QColor(255, 255, 255, 110));
        }
        painter.fillPath(
            QPainterPathStroker(QPen(Qt::black, 24)).createStroke(Heart(QRectF(226, 26, 548, 700))),
            QColor(255, 255, 255));
    }
    Cut(frame, Heart(QRectF(236, 36, 528, 680)), 1, 14);
    return frame;
}

Frame Sunflowers() {
    Frame frame = NewFrame(Textured(QColor(110, 170, 220), 3, 20, 141));
    const QPainterPath opening = RoundedBox(Inset(130), 24);
    Cut(frame, opening, 0, 10);
    FramePainter painter(frame);
    QPainterPath around;
    around.addRoundedRect(Inset(62), 40, 40);
    AlongPath(around, 16, [&](QPointF p, qreal, int i) {
        const qreal size = i % 2 ? 130 : 110;
        for (int petal = 0; petal < 14; ++petal) {
            const QPainterPath leaf = Leaf(p, size * 0.55, petal * 360.0 / 14 + i * 7);
            painter.Raised(leaf, Shaded(leaf, QColor(250, 196, 30)), QPointF(1, 2), 2);
        }
        const QPainterPath centre =
            Ellipse(QRectF(p - QPointF(size * 0.2, size * 0.2), QSizeF(size * 0.4, size * 0.4)));
        painter.Fill(centre, Shaded(centre, QColor(110, 64, 24)));
    });
    return frame;
}

Frame Butterflies() {
    Frame frame = GradientFrame(QColor(236, 248, 220), QColor(200, 230, 190), 2, 143);
    const QPainterPath opening = Ellipse(Inset(96));
    Cut(frame, opening, 3, 10);
    FramePainter painter(frame);
    Random random(144);
    Scatter(145, 30, 70, 120, InnerClear(opening, 80), [&](QPointF p, qreal size, int) {
        const QColor colour = QColor::fromHsv(random.Between(180, 330), 170, 240);
        QTransform place;
        place.translate(p.x(), p.y());
        place.rotate(random.Uniform(-30, 30));
        const auto wing = [&](QRectF box) { return place.map(Ellipse(box)); };
        const QPainterPath upper =
            wing(QRectF(-size * 0.5, -size * 0.42, size * 0.48, size * 0.46))
                .united(wing(QRectF(size * 0.02, -size * 0.42, size * 0.48, size * 0.46)));
        const QPainterPath lower =
            wing(QRectF(-size * 0.36, size * 0.0, size * 0.34, size * 0.34))
                .united(wing(QRectF(size * 0.02, size * 0.0, size * 0.34, size * 0.34)));
        painter.Shadow(upper.united(lower), QPointF(2, 3), 3, 130);
        painter.Fill(lower, Shaded(lower, colour.lighter(125)));
        painter.Fill(upper, Shaded(upper, colour));
        for (const qreal side : {-1.0, 1.0}) {
            painter.Fill(
                wing(QRectF(side * size * 0.26 - size * 0.06, -size * 0.24, size * 0.12, size * 0.12)),
                QColor(255, 255, 255, 200));
        }
        painter.Fill(place.map(RoundedBox(QRectF(-size * 0.035, -size * 0.3, size * 0.07, size * 0.6), 4)),
                     QColor(60, 40, 40));
        QPainterPath antennae;
        antennae.moveTo(0, -size * 0.28);
        antennae.quadTo(-size * 0.08, -size * 0.45, -size * 0.14, -size * 0.5);
        antennae.moveTo(0, -size * 0.28);
        antennae.quadTo(size * 0.08, -size * 0.45, size * 0.14, -size * 0.5);
        painter.Stroke(place.map(antennae), QPen(QColor(60, 40, 40), 2));
    });
    return frame;
}

Frame Pearls() {
    Frame frame = NewFrame(Textured(QColor(40, 30, 70), 3, 40, 147));
    const QRectF oval = Inset(116);
    Cut(frame, Ellipse(oval), 2, 12);
    FramePainter painter(frame);
    QPainterPath string;
    string.addEllipse(oval.adjusted(-16, -16, 16, 16));
    AlongPath(string, 110, [&](QPointF p, qreal, int) {
        const QPainterPath pearl = Ellipse(QRectF(p - QPointF(12, 12), QSizeF(24, 24)));
        QRadialGradient sheen(p - QPointF(4, 5), 16);
        sheen.setColorAt(0, Qt::white);
        sheen.setColorAt(0.5, QColor(240, 230, 226));
        sheen.setColorAt(1, QColor(170, 160, 170));
        painter.Raised(pearl, sheen, QPointF(2, 3), 2);
    });
    return frame;
}

Frame PopArt() {
    Frame frame = NewFrame(QColor(255, 220, 40));
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int y = 0; y < kHeight; y += 18) {
            for (int x = 0; x < kWidth; x += 18) {
                const qreal d = std::hypot(x - 500.0, y - 375.0) / 625.0;
                painter.setBrush(QColor(240, 60, 90));
                painter.drawEllipse(QPointF(x + (y / 18 % 2) * 9, y), 2 + d * 6, 2 + d * 6);
            }
        }
        const QPainterPath burst = Star(QPointF(500, 375), 470, 24, 0.86);
        painter.fillPath(burst, Qt::black);
        painter.fillPath(Star(QPointF(500, 375), 456, 24, 0.86), Qt::white);
    }
    Cut(frame, Ellipse(QRectF(120, 80, 760, 590)), 0, 8);
    return frame;
}

Frame Scrapbook() {
    Frame frame = NewFrame(Textured(QColor(196, 160, 112), 6, 26, 151));
    const QRectF photo(110, 90, 780, 570);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPainterPath card = RoundedBox(photo.adjusted(-26, -26, 26, 26), 2);
        DrawSoftShadow(painter, card, QPointF(4, 6), 6, QColor(0, 0, 0, 150));
        painter.fillPath(card, QColor(252, 250, 244));
    }
    Cut(frame, RoundedBox(photo, 0), 0, 6);
    FramePainter painter(frame);
    const struct {
        QPointF at;
        qreal angle;
        QColor colour;
    } tapes[] = {{photo.topLeft(), -38, QColor(120, 200, 190, 200)},
                 {photo.topRight(), 38, QColor(250, 150, 160, 200)},
                 {photo.bottomLeft(), 38, QColor(250, 210, 90, 200)},
                 {photo.bottomRight(), -38, QColor(160, 140, 220, 200)}};
    for (const auto& tape : tapes) {
        const QPainterPath strip = Placed(RoundedBox(QRectF(-90, -24, 180, 48), 1), tape.at, tape.angle);
        painter.Shadow(strip, QPointF(1, 2), 2, 60);
        painter.Fill(strip, tape.colour);
    }
    return frame;
}

} // namespace

std::vector<FrameDesign> MotifFrames() {
    return {Hearts,      Stars,         Snow,        Leaves,    Seashells, Confetti, Neon,
            Lace,        FloralCorners, DreamyWhite, PolkaDots, Rainbow,   Holly,    Balloons,
            HeartWindow, Sunflowers,    Butterflies, Pearls,    PopArt,    Scrapbook};
}

} // namespace art::frames
