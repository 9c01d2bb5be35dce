// Frames made of a material: woods, gilt, paper, film, fabric, bamboo, rope, chalk, stone and metal.
#include "artwork/FrameKit.h"
#include "artwork/Shapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

namespace art::frames {

namespace {

QLinearGradient Across(QPointF from, QPointF to, std::initializer_list<std::pair<qreal, QColor>> stops) {
    QLinearGradient gradient(from, to);
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, colour);
    }
    return gradient;
}

// A mitred wooden frame `width` wide with lit bevels and a gold lip at the opening.
Frame WoodenFrame(QColor light, QColor dark, std::uint32_t seed, qreal width, qreal openingRadius) {
    Frame frame = NewFrame(Qt::black);
    {
        QPainter painter(&frame.picture);
        PaintMitred(painter, Wood(light, dark, seed, false), Wood(light, dark, seed + 1, true), kWhole,
                    Inset(width));
        LightRing(painter, kWhole, Inset(width * 0.3), 46);
        LightRing(painter, Inset(width * 0.55), Inset(width), 36);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 0, 0, 90), 2));
        painter.drawRect(Inset(width * 0.3));
        painter.setPen(QPen(QColor(255, 230, 180, 60), 1.5));
        painter.drawRect(Inset(width * 0.3 + 2));
        const QRectF lip = Inset(width - 5);
        painter.setPen(QPen(
            Across(lip.topLeft(), lip.bottomRight(),
                   {{0, QColor(250, 224, 150)}, {0.5, QColor(190, 140, 60)}, {1, QColor(240, 200, 110)}}),
            6));
        painter.drawRoundedRect(lip.adjusted(3, 3, -3, -3), openingRadius + 3, openingRadius + 3);
    }
    Cut(frame, RoundedBox(Inset(width), openingRadius), 0, 16);
    return frame;
}

// A small spiral curl, the scrollwork of the corner ornaments.
QPainterPath Curl(QPointF centre, qreal radius, qreal turn) {
    QPainterPath curl;
    for (int i = 0; i <= 40; ++i) {
        const qreal theta = i * 3 * M_PI / 40;
        const qreal r = radius * (1.0 - i / 46.0);
        const QPointF p = centre + QPointF(std::cos(theta + turn), std::sin(theta + turn)) * r;
        i == 0 ? curl.moveTo(p) : curl.lineTo(p);
    }
    return curl;
}

// Gilded corner ornaments: three leaves with veins, two scroll curls and a bead, mirrored to each corner.
void GildedOrnaments(FramePainter& painter, qreal inset, qreal size) {
    const struct {
        qreal x, y, sx, sy;
    } corners[] = {{inset, inset, 1, 1},
                   {kWidth - inset, inset, -1, 1},
                   {inset, kHeight - inset, 1, -1},
                   {kWidth - inset, kHeight - inset, -1, -1}};
    const QPen gildedLine(QColor(226, 176, 80), size * 0.06, Qt::SolidLine, Qt::RoundCap);
    const QPen veinPen(QColor(120, 78, 24, 170), 1.4);
    for (const auto& corner : corners) {
        QTransform place;
        place.translate(corner.x, corner.y);
        place.scale(corner.sx, corner.sy);
        const auto gilt = [](const QRectF& box) {
            QLinearGradient gradient(box.topLeft(), box.bottomRight());
            gradient.setColorAt(0, QColor(255, 240, 180));
            gradient.setColorAt(0.5, QColor(214, 164, 66));
            gradient.setColorAt(1, QColor(150, 100, 36));
            return gradient;
        };
        for (const auto& curl : {Curl(QPointF(size * 0.78, size * 0.1), size * 0.14, M_PI),
                                 Curl(QPointF(size * 0.1, size * 0.78), size * 0.14, -M_PI / 2)}) {
            const QPainterPath placed = place.map(curl);
            painter.Shadow(QPainterPathStroker(gildedLine).createStroke(placed), QPointF(2, 3), 2, 120);
            painter.Stroke(placed, gildedLine);
        }
        const struct {
            QPointF base;
            qreal length, angle;
        } leaves[] = {{{size * 0.08, size * 0.02}, size * 0.62, 10},
                      {{size * 0.02, size * 0.08}, size * 0.62, 80},
                      {{0, 0}, size, 45}};
        for (const auto& leaf : leaves) {
            const QPainterPath placed = place.map(Leaf(leaf.base, leaf.length, leaf.angle));
            painter.Raised(placed, gilt(placed.boundingRect()));
            painter.Stroke(placed, QPen(QColor(110, 70, 20, 150), 1.2));
            QPainterPath vein;
            vein.moveTo(leaf.base);
            vein.lineTo(leaf.base + QPointF(std::cos(qDegreesToRadians(leaf.angle)),
                                            std::sin(qDegreesToRadians(leaf.angle))) *
                                        (leaf.length * 0.85));
            painter.Stroke(place.map(vein), veinPen);
        }
        const QPainterPath bead =
            place.map(Ellipse(QRectF(-size * 0.13, -size * 0.13, size * 0.26, size * 0.26)));
        painter.Raised(bead, gilt(bead.boundingRect()));
    }
}

Frame Walnut() {
    return WoodenFrame(QColor(156, 100, 58), QColor(80, 46, 24), 1, 96, 0);
}

Frame Mahogany() {
    return WoodenFrame(QColor(150, 62, 40), QColor(66, 22, 14), 3, 84, 36);
}

Frame GiltOrnate() {
    Frame frame = NewFrame(Textured(QColor(200, 152, 66), 5, 30, 5));
    {
        QPainter painter(&frame.picture);
        const QColor gold(206, 160, 72);
        Moulding(painter, kWhole, Inset(42), gold);
        Moulding(painter, Inset(74), Inset(104), gold);
        LightRing(painter, Inset(42), Inset(74), 30);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath beadLine;
        beadLine.addRect(Inset(58));
        AlongPath(beadLine, 150, [&](QPointF p, qreal, int) {
            QRadialGradient bead(p - QPointF(1.5, 1.5), 6);
            bead.setColorAt(0, QColor(255, 246, 200));
            bead.setColorAt(1, QColor(150, 104, 40));
            painter.setPen(Qt::NoPen);
            painter.setBrush(bead);
            painter.drawEllipse(p, 5, 5);
        });
    }
    Cut(frame, RoundedBox(Inset(104), 0), 0, 16);
    FramePainter painter(frame);
    GildedOrnaments(painter, 30, 96);
    return frame;
}

Frame BaroqueOval() {
    Frame frame = NewFrame(Textured(QColor(196, 146, 60), 5, 34, 9));
    const QRectF oval = Inset(110);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        Moulding(painter, kWhole, Inset(26), QColor(206, 160, 72));
        for (int i = 0; i < 18; ++i) {
            const qreal t = (i + 0.5) / 18;
            const double profile = std::sin(t * M_PI * 2.0);
            const QColor base(206, 160, 72);
            painter.setPen(QPen(profile >= 0 ? base.lighter(100 + static_cast<int>(profile * 45))
                                             : base.darker(100 + static_cast<int>(-profile * 60)),
                                2.4));
            painter.setBrush(Qt::NoBrush);
            const qreal grow = 36 - t * 36;
            painter.drawEllipse(oval.adjusted(-grow, -grow, grow, grow));
        }
    }
    Cut(frame, Ellipse(oval), 1, 18);
    FramePainter painter(frame);
    GildedOrnaments(painter, 44, 120);
    return frame;
}

Frame InstantPhoto() {
    Frame frame = NewFrame(Textured(QColor(248, 245, 236), 3, 6, 13));
    const QRectF opening(62, 56, 876, 528);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        LightRing(painter, kWhole, Inset(14), 18);
        QFont hand(QStringLiteral("DejaVu Serif"));
        hand.setItalic(true);
        hand.setPixelSize(54);
        painter.setFont(hand);
        painter.setPen(QColor(52, 64, 120, 220));
        painter.drawText(QRectF(0, 600, kWidth, 120), Qt::AlignCenter, QStringLiteral("Happy days"));
    }
    Cut(frame, RoundedBox(opening, 2), 0, 10);
    return frame;
}

Frame FilmStrip() {
    Frame frame = NewFrame(Textured(QColor(24, 22, 22), 4, 12, 17));
    QPainterPath openings = RoundedBox(QRectF(40, 128, 920, 494), 10);
    openings.setFillRule(Qt::WindingFill);
    for (qreal x = 14; x < kWidth; x += 70) {
        openings.addRoundedRect(QRectF(x, 42, 38, 46), 6, 6);
        openings.addRoundedRect(QRectF(x, 662, 38, 46), 6, 6);
    }
    {
        QPainter painter(&frame.picture);
        QFont print(QStringLiteral("DejaVu Sans Mono"));
        print.setPixelSize(20);
        print.setBold(true);
        painter.setFont(print);
        painter.setPen(QColor(236, 150, 40));
        painter.drawText(QPointF(70, 118), QStringLiteral("FESTOON 400   \u25B8 12"));
        painter.drawText(QPointF(620, 118), QStringLiteral("12A   \u25B8 13"));
        painter.drawText(QPointF(70, 648), QStringLiteral("\u25B8 12A"));
    }
    Cut(frame, openings.simplified(), 0, 6);
    return frame;
}

Frame TornPaper() {
    Frame frame = NewFrame(Textured(QColor(186, 146, 98), 7, 28, 21));
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPainterPath fibres = TornBox(Inset(96), 24, 22);
        DrawSoftShadow(painter, fibres, QPointF(2, 3), 4, QColor(0, 0, 0, 130));
        painter.fillPath(fibres, QColor(250, 246, 236));
    }
    Cut(frame, TornBox(Inset(116), 20, 23), 1, 8);
    return frame;
}

Frame StitchedDenim() {
    Frame frame = NewFrame(Woven(QColor(58, 88, 138), QColor(96, 124, 168), 3, 25));
    const QRectF opening = Inset(104);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        LightRing(painter, kWhole, Inset(10), 40);
        QPen stitch(QColor(236, 176, 70), 4, Qt::CustomDashLine, Qt::RoundCap);
        stitch.setDashPattern({3, 2.5});
        for (const qreal inset : {30.0, 80.0}) {
            painter.setPen(QPen(QColor(0, 0, 0, 80), 4, Qt::SolidLine));
            painter.drawRoundedRect(Inset(inset + 2), 30, 30);
            painter.setPen(stitch);
            painter.drawRoundedRect(Inset(inset), 30, 30);
        }
    }
    Cut(frame, RoundedBox(opening, 24), 0, 12);
    return frame;
}

void BambooPole(QPainter& painter, QRectF pole, bool horizontal, std::uint32_t seed) {
    const QPointF from = horizontal ? pole.topLeft() : pole.topLeft();
    const QPointF to = horizontal ? pole.bottomLeft() : pole.topRight();
    const QLinearGradient body = Across(from, to,
                                        {{0, QColor(120, 128, 40)},
                                         {0.3, QColor(216, 206, 110)},
                                         {0.55, QColor(190, 180, 80)},
                                         {1, QColor(96, 100, 30)}});
    const qreal thickness = horizontal ? pole.height() : pole.width();
    DrawSoftShadow(painter, RoundedBox(pole, thickness / 2), QPointF(3, 4), 4, QColor(0, 0, 0, 140));
    painter.fillPath(RoundedBox(pole, thickness / 2), body);
    Random random(seed);
    const qreal length = horizontal ? pole.width() : pole.height();
    for (qreal at = random.Uniform(60, 120); at < length - 30; at += random.Uniform(130, 180)) {
        const QRectF node = horizontal ? QRectF(pole.left() + at - 4, pole.top(), 8, pole.height())
                                       : QRectF(pole.left(), pole.top() + at - 4, pole.width(), 8);
        painter.fillRect(node, QColor(90, 84, 24, 170));
        painter.fillRect(horizontal ? node.adjusted(6, 0, 2, 0) : node.adjusted(0, 6, 0, 2),
                         QColor(255, 250, 190, 90));
    }
}

Frame Bamboo() {
    Frame frame = NewFrame(Woven(QColor(214, 188, 128), QColor(192, 164, 104), 7, 29));
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        BambooPole(painter, QRectF(0, 14, kWidth, 58), true, 1);
        BambooPole(painter, QRectF(0, kHeight - 72, kWidth, 58), true, 2);
        BambooPole(painter, QRectF(14, 0, 58, kHeight), false, 3);
        BambooPole(painter, QRectF(kWidth - 72, 0, 58, kHeight), false, 4);
        painter.setPen(QPen(QColor(110, 72, 36), 5, Qt::SolidLine, Qt::RoundCap));
        for (const QPointF c : {QPointF(43, 43), QPointF(kWidth - 43, 43), QPointF(43, kHeight - 43),
                                QPointF(kWidth - 43, kHeight - 43)}) {
            painter.drawLine(c + QPointF(-24, -18), c + QPointF(24, 18));
            painter.drawLine(c + QPointF(-24, 18), c + QPointF(24, -18));
        }
    }
    Cut(frame, RoundedBox(Inset(92), 4), 0, 12);
    return frame;
}

Frame Rope() {
    Frame frame = NewFrame(Woven(QColor(226, 216, 190), QColor(210, 198, 170), 2, 31));
    const QRectF line = Inset(62);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(line, 46, 46);
        DrawSoftShadow(painter, QPainterPathStroker(QPen(Qt::black, 30)).createStroke(path), QPointF(3, 5), 5,
                       QColor(0, 0, 0, 130));
        AlongPath(path, 260, [&](QPointF p, qreal angle, int) {
            painter.save();
            painter.translate(p);
            painter.rotate(-angle + 35);
            QLinearGradient strand(0, -7, 0, 7);
            strand.setColorAt(0, QColor(236, 200, 130));
            strand.setColorAt(0.5, QColor(196, 150, 84));
            strand.setColorAt(1, QColor(120, 82, 40));
            painter.setPen(QPen(QColor(90, 60, 28), 1));
            painter.setBrush(strand);
            painter.drawEllipse(QRectF(-9, -15, 18, 30));
            painter.restore();
        });
    }
    Cut(frame, RoundedBox(Inset(96), 28), 0, 12);
    return frame;
}

Frame Chalkboard() {
    Frame frame = NewFrame(Textured(QColor(40, 68, 54), 7, 24, 37));
    {
        QPainter painter(&frame.picture);
        PaintMitred(painter, Wood(QColor(190, 140, 86), QColor(120, 80, 40), 38, false),
                    Wood(QColor(190, 140, 86), QColor(120, 80, 40), 39, true), kWhole, Inset(46));
        LightRing(painter, kWhole, Inset(46), 44);
        painter.setRenderHint(QPainter::Antialiasing);
        Random random(40);
        for (int i = 0; i < 16; ++i) { // faint wiped smudges
            painter.setPen(
                QPen(QColor(255, 255, 255, 12), random.Uniform(30, 70), Qt::SolidLine, Qt::RoundCap));
            const QPointF a(random.Uniform(60, 940), random.Uniform(60, 690));
            painter.drawLine(a, a + QPointF(random.Uniform(-160, 160), random.Uniform(-30, 30)));
        }
        painter.setPen(QPen(QColor(250, 250, 240, 210), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(Inset(112));
        painter.drawPath(Star(QPointF(85, 85), 22, 5, 0.45));
        painter.drawPath(Star(QPointF(915, 665), 22, 5, 0.45));
        painter.drawPath(Heart(QRectF(880, 62, 44, 40)));
        painter.drawPath(Heart(QRectF(66, 648, 44, 40)));
        QPainterPath swirl;
        swirl.moveTo(300, 84);
        for (int i = 1; i <= 40; ++i) {
            swirl.lineTo(300 + i * 10, 84 + 12 * std::sin(i * 0.8));
        }
        painter.drawPath(swirl);
        painter.drawPath(swirl.translated(0, 582));
    }
    Cut(frame, RoundedBox(Inset(120), 0), 0, 10);
    return frame;
}

QPainterPath Perforated(const QRectF& box, qreal hole, qreal step) {
    QPainterPath stamp = RoundedBox(box, 2);
    for (qreal x = box.left(); x <= box.right() + 0.5; x += step) {
        for (const qreal y : {box.top(), box.bottom()}) {
            stamp = stamp.subtracted(Ellipse(QRectF(x - hole, y - hole, 2 * hole, 2 * hole)));
        }
    }
    for (qreal y = box.top(); y <= box.bottom() + 0.5; y += step) {
        for (const qreal x : {box.left(), box.right()}) {
            stamp = stamp.subtracted(Ellipse(QRectF(x - hole, y - hole, 2 * hole, 2 * hole)));
        }
    }
    return stamp;
}

Frame PostageStamp() {
    Frame frame = NewFrame(Textured(QColor(176, 136, 90), 6, 20, 41));
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPainterPath paper = Perforated(Inset(22), 11, 33.5);
        DrawSoftShadow(painter, paper, QPointF(3, 5), 5, QColor(0, 0, 0, 150));
        painter.fillPath(paper, QColor(250, 246, 236));
        painter.fillRect(Inset(52), QColor(178, 52, 42));
        painter.fillRect(Inset(60), QColor(200, 70, 52));
        QFont face(QStringLiteral("DejaVu Serif"));
        face.setBold(true);
        face.setPixelSize(26);
        painter.setFont(face);
        painter.setPen(QColor(255, 240, 220));
        painter.drawText(QRectF(60, 52, 400, 34), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral(" FESTOON POST"));
        painter.drawText(QRectF(540, 664, 400, 34), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("25 "));
    }
    Cut(frame, RoundedBox(Inset(88), 0), 0, 8);
    return frame;
}

Frame BlackVignette() {
    Frame frame = NewFrame(QColor(8, 6, 6));
    Cut(frame, RoundedBox(Inset(70), 220), 80, 0);
    return frame;
}

Frame BrushedSilver() {
    Frame frame = NewFrame(Brushed(QColor(222, 224, 228), QColor(140, 144, 152), 45));
    {
        QPainter painter(&frame.picture);
        LightRing(painter, kWhole, Inset(12), 60);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(90, 94, 100), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(Inset(84), 18, 18);
        for (const QPointF p : {QPointF(38, 38), QPointF(962, 38), QPointF(38, 712), QPointF(962, 712),
                                QPointF(500, 38), QPointF(500, 712), QPointF(38, 375), QPointF(962, 375)}) {
            QRadialGradient head(p - QPointF(3, 3), 13);
            head.setColorAt(0, Qt::white);
            head.setColorAt(1, QColor(110, 114, 122));
            painter.setPen(QPen(QColor(70, 72, 78), 1));
            painter.setBrush(head);
            painter.drawEllipse(p, 10, 10);
        }
    }
    Cut(frame, RoundedBox(Inset(86), 16), 0, 14);
    return frame;
}

Frame Barnwood() {
    Frame frame = NewFrame(Qt::black);
    {
        QPainter painter(&frame.picture);
        const QColor tones[] = {QColor(168, 150, 128), QColor(140, 120, 100), QColor(178, 160, 134),
                                QColor(150, 132, 110)};
        for (int plank = 0; plank < 6; ++plank) {
            const QRectF board(0, plank * 125, kWidth, 125);
            const QImage wood =
                Wood(tones[plank % 4], tones[plank % 4].darker(160), 50 + plank, false, QSize(kWidth, 125));
            painter.drawImage(board.topLeft(), wood);
            painter.fillRect(QRectF(0, board.top(), kWidth, 3), QColor(40, 30, 22));
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(60, 56, 54));
        for (int plank = 0; plank < 6; ++plank) {
            for (const qreal x : {40.0, 960.0}) {
                painter.drawEllipse(QPointF(x, plank * 125 + 62), 6, 6);
            }
        }
    }
    Cut(frame, RoundedBox(Inset(100), 6), 2, 16);
    return frame;
}

Frame MarbleFrame() {
    Frame frame = NewFrame(Marble(QColor(236, 230, 222), QColor(110, 104, 100), 53));
    {
        QPainter painter(&frame.picture);
        LightRing(painter, kWhole, Inset(18), 46);
        LightRing(painter, Inset(80), Inset(96), 50);
        painter.setPen(QPen(QColor(190, 150, 70), 4));
        painter.drawRect(Inset(72));
    }
    Cut(frame, RoundedBox(Inset(96), 0), 0, 14);
    return frame;
}

Frame BrickArch() {
    Frame frame = NewFrame(QColor(200, 190, 176));
    {
        QPainter painter(&frame.picture);
        Random random(57);
        for (int row = 0; row * 46 < kHeight; ++row) {
            for (int column = -1; column * 104 < kWidth; ++column) {
                const QRectF brick(column * 104 + (row % 2) * 52 + 3, row * 46 + 3, 98, 40);
                const QColor tone = QColor::fromHsv(random.Between(4, 16), random.Between(150, 200),
                                                    random.Between(130, 180));
                painter.fillRect(brick, tone);
                painter.fillRect(QRectF(brick.left(), brick.top(), brick.width(), 4), tone.lighter(120));
            }
        }
        painter.end();
        ModulateBy(frame.picture, FractalNoise(kWidth, kHeight, 6, 2, 58), 0.25);
        QPainter arch(&frame.picture);
        arch.setRenderHint(QPainter::Antialiasing);
        const QPainterPath sill = Arch(QRectF(220, 40, 560, 660), false);
        arch.fillPath(QPainterPathStroker(QPen(Qt::black, 44)).createStroke(sill), QColor(214, 200, 176));
        arch.strokePath(sill, QPen(QColor(120, 100, 80), 2));
    }
    Cut(frame, Arch(QRectF(242, 62, 516, 616), false), 0, 16);
    return frame;
}

Frame BrassPorthole() {
    Frame frame = NewFrame(Textured(QColor(36, 56, 92), 5, 24, 61));
    const QPointF centre(500, 375);
    {
        QPainter painter(&frame.picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPainterPath rim = Ellipse(QRectF(centre - QPointF(350, 350), QSizeF(700, 700)));
        DrawSoftShadow(painter, rim, QPointF(6, 9), 8, QColor(0, 0, 0, 170));
        QRadialGradient brass(centre - QPointF(120, 140), 520);
        brass.setColorAt(0, QColor(255, 230, 150));
        brass.setColorAt(0.6, QColor(196, 146, 60));
        brass.setColorAt(1, QColor(110, 76, 26));
        painter.fillPath(rim, brass);
        for (int i = 0; i < 12; ++i) {
            const qreal angle = 2 * M_PI * i / 12;
            const QPointF bolt = centre + QPointF(std::cos(angle), std::sin(angle)) * 318;
            QRadialGradient head(bolt - QPointF(3, 3), 14);
            head.setColorAt(0, QColor(255, 240, 190));
            head.setColorAt(1, QColor(120, 84, 30));
            painter.setPen(QPen(QColor(80, 54, 20), 1));
            painter.setBrush(head);
            painter.drawEllipse(bolt, 12, 12);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(90, 60, 20), 3));
        painter.drawEllipse(centre, 292, 292);
    }
    Cut(frame, Ellipse(QRectF(centre - QPointF(286, 286), QSizeF(572, 572))), 0, 20);
    return frame;
}

Frame DoubleMat() {
    Frame frame = NewFrame(Textured(QColor(242, 236, 222), 2, 6, 65));
    {
        QPainter painter(&frame.picture);
        PaintMitred(painter, Wood(QColor(60, 40, 30), QColor(24, 16, 12), 66, false),
                    Wood(QColor(60, 40, 30), QColor(24, 16, 12), 67, true), kWhole, Inset(34));
        LightRing(painter, kWhole, Inset(34), 40);
        painter.fillRect(Inset(118), QColor(120, 40, 44));
        LightRing(painter, Inset(118), Inset(130), 50);
        // The bevelled cut of the cream mat catches the light as a white edge.
        LightRing(painter, Inset(108), Inset(118), 70);
    }
    Cut(frame, RoundedBox(Inset(130), 0), 0, 8);
    return frame;
}

Frame Gingham() {
    Frame frame = NewFrame(QColor(255, 255, 255));
    {
        QPainter painter(&frame.picture);
        const int cell = 36;
        for (int x = 0; x < kWidth; x += cell * 2) {
            painter.fillRect(QRect(x, 0, cell, kHeight), QColor(200, 40, 50, 120));
        }
        for (int y = 0; y < kHeight; y += cell * 2) {
            painter.fillRect(QRect(0, y, kWidth, cell), QColor(200, 40, 50, 120));
        }
        painter.end();
        ModulateBy(frame.picture,
                   Woven(QColor(128, 128, 128), QColor(128, 128, 128), 3, 69)
                       .convertToFormat(QImage::Format_Grayscale8),
                   0.25);
        QPainter edges(&frame.picture);
        edges.setRenderHint(QPainter::Antialiasing);
        QPen stitch(QColor(255, 255, 255), 4, Qt::DashLine, Qt::RoundCap);
        edges.setPen(stitch);
        edges.drawRoundedRect(Inset(86), 26, 26);
    }
    Cut(frame, RoundedBox(Inset(104), 22), 0, 12);
    return frame;
}

} // namespace

std::vector<FrameDesign> MaterialFrames() {
    return {Walnut,   GiltOrnate,  InstantPhoto, FilmStrip,     TornPaper, StitchedDenim, Bamboo,
            Rope,     Chalkboard,  PostageStamp, BlackVignette, Mahogany,  BrushedSilver, BaroqueOval,
            Barnwood, MarbleFrame, BrickArch,    BrassPorthole, DoubleMat, Gingham};
}

} // namespace art::frames
