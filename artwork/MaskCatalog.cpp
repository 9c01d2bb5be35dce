// The mask catalog: 40 photo masks (white keeps the photo, black shows the backdrop), two pages of 20,
// each with an 80 x 80 thumbnail showing the shape in cream on a dark card.
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"
#include "artwork/Painting.h"
#include "artwork/Shapes.h"

#include <QPainter>
#include <QtMath>
#include <functional>

using namespace art;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
const QPointF kCentre(kWidth / 2.0, kHeight / 2.0);

// A shape with a soft edge of `feather` pixels (1 leaves only the anti-aliased rim).
std::function<QImage()> Soft(QPainterPath shape, int feather) {
    return [shape, feather] { return FeatheredShape(shape, kWidth, kHeight, feather); };
}

std::function<QImage()> Hard(QPainterPath shape) {
    return Soft(std::move(shape), 0);
}

QPainterPath Ticket() {
    const QRectF box(60, 60, 520, 360);
    QPainterPath ticket = RoundedBox(box, 8);
    for (const QPointF corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        ticket = ticket.subtracted(Ellipse(QRectF(corner - QPointF(40, 40), QSizeF(80, 80))));
    }
    for (const QPointF notch : {QPointF(box.left(), 240), QPointF(box.right(), 240)}) {
        ticket = ticket.subtracted(Ellipse(QRectF(notch - QPointF(22, 22), QSizeF(44, 44))));
    }
    return ticket;
}

QPainterPath PostageStamp() {
    const QRectF box(70, 40, 500, 400);
    QPainterPath stamp = RoundedBox(box, 2);
    const qreal hole = 11, step = 31.25;
    for (qreal x = box.left(); x <= box.right() + 0.5; x += step) {
        stamp = stamp.subtracted(Ellipse(QRectF(x - hole, box.top() - hole, 2 * hole, 2 * hole)));
        stamp = stamp.subtracted(Ellipse(QRectF(x - hole, box.bottom() - hole, 2 * hole, 2 * hole)));
    }
    for (qreal y = box.top(); y <= box.bottom() + 0.5; y += step) {
        stamp = stamp.subtracted(Ellipse(QRectF(box.left() - hole, y - hole, 2 * hole, 2 * hole)));
        stamp = stamp.subtracted(Ellipse(QRectF(box.right() - hole, y - hole, 2 * hole, 2 * hole)));
    }
    return stamp;
}

// Three frames of film, with the sprocket holes above and below.
QPainterPath FilmStrip() {
    QPainterPath film;
    film.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 3; ++i) {
        film.addRoundedRect(QRectF(24 + i * 202, 130, 188, 220), 10, 10);
    }
    for (int i = 0; i < 18; ++i) {
        film.addRoundedRect(QRectF(18 + i * 34.5, 88, 20, 24), 4, 4);
        film.addRoundedRect(QRectF(18 + i * 34.5, 368, 20, 24), 4, 4);
    }
    return film;
}

QPainterPath WindowPanes() {
    QPainterPath panes;
    panes.setFillRule(Qt::WindingFill);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            panes.addRoundedRect(QRectF(80 + column * 246, 40 + row * 206, 234, 194), 14, 14);
        }
    }
    return panes;
}

QPainterPath Mosaic() {
    QPainterPath tiles;
    tiles.setFillRule(Qt::WindingFill);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            tiles.addRoundedRect(QRectF(28 + column * 148, 22 + row * 148, 140, 140), 18, 18);
        }
    }
    return tiles;
}

QPainterPath TwoHearts() {
    QPainterPath hearts = Heart(QRectF(50, 70, 280, 290));
    hearts.addPath(Heart(QRectF(310, 130, 280, 290)));
    hearts.setFillRule(Qt::WindingFill);
    return hearts;
}

QPainterPath Bubbles() {
    QPainterPath bubbles;
    bubbles.setFillRule(Qt::WindingFill);
    bubbles.addEllipse(QPointF(200, 210), 165, 165);
    bubbles.addEllipse(QPointF(452, 160), 120, 120);
    bubbles.addEllipse(QPointF(470, 372), 88, 88);
    return bubbles;
}

// Brush strokes: overlapping thick streaks whose ragged ends make the edge, and thin bristle trails.
QImage BrushStrokes(std::uint32_t seed, bool spatter) {
    QImage grey = NewGrey(kWidth, kHeight, 0);
    QPainter painter(&grey);
    painter.setRenderHint(QPainter::Antialiasing);
    Random random(seed);
    for (qreal y = 70; y < 420; y += random.Uniform(16, 26)) {
        const qreal width = random.Uniform(34, 58);
        const qreal left = random.Uniform(30, 90), right = random.Uniform(550, 612);
        painter.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(left, y), QPointF(right, y + random.Uniform(-8, 8)));
        for (int bristle = 0; bristle < 5; ++bristle) {
            const qreal by = y + random.Uniform(-width / 2, width / 2);
            painter.setPen(QPen(Qt::white, random.Uniform(1.5, 4), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(left - random.Uniform(0, 30), by), QPointF(left + 30, by));
            painter.drawLine(QPointF(right - 30, by), QPointF(right + random.Uniform(0, 26), by));
        }
    }
    if (spatter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (int i = 0; i < 140; ++i) {
            const qreal angle = random.Uniform(0, 2 * M_PI);
            const qreal distance = random.Uniform(0.95, 1.35);
            const QPointF p(kCentre.x() + std::cos(angle) * 300 * distance,
                            kCentre.y() + std::sin(angle) * 210 * distance);
            const qreal r = random.Uniform(2, 9) / distance;
            painter.drawEllipse(p, r, r);
        }
    }
    painter.end();
    BlurGrey(grey, 1);
    return grey;
}

// Torn paper, slightly turned, with a narrow soft rim where the fibres are.
QImage TornPaper(qreal roughness, qreal turn, std::uint32_t seed) {
    QTransform rotation;
    rotation.translate(kCentre.x(), kCentre.y());
    rotation.rotate(turn);
    rotation.translate(-kCentre.x(), -kCentre.y());
    return FeatheredShape(rotation.map(TornBox(QRectF(60, 50, 520, 380), roughness, seed)), kWidth, kHeight,
                          1);
}

std::vector<std::function<QImage()>> MaskDesigns() {
    return {
        // Page 1.
        Soft(Ellipse(QRectF(70, 50, 500, 380)), 22),
        Soft(Heart(QRectF(130, 40, 380, 400)), 12),
        Hard(Ellipse(QRectF(110, 30, 420, 420))),
        Soft(RoundedBox(QRectF(60, 50, 520, 380), 60), 18),
        Hard(Star(kCentre + QPointF(0, 14), 238, 5, 0.46)),
        Soft(Diamond(QRectF(90, 20, 460, 440)), 10),
        Soft(Cloud(QRectF(40, 40, 560, 400)), 10),
        Hard(Flower(kCentre, 228, 6, 86)),
        Hard(Keyhole(QRectF(220, 30, 200, 420))),
        Soft(Arch(QRectF(150, 30, 340, 430), false), 6),
        [] { return TornPaper(18, -2, 3); },
        [] { return BrushStrokes(7, false); },
        Hard(FilmStrip()),
        Soft(Ellipse(QRectF(130, 100, 380, 280)), 60),
        Soft(RoundedBox(QRectF(70, 60, 500, 360), 30), 36),
        Hard(RegularPolygon(kCentre, 236, 6, M_PI / 6)),
        Hard(Scalloped(kCentre, 228, 20, 26)),
        Soft(TwoHearts(), 5),
        Soft(Star(kCentre, 240, 4, 0.32), 6),
        Hard(Ticket()),
        // Page 2.
        Hard(Heart(QRectF(120, 30, 400, 420))),
        Soft(Ellipse(QRectF(20, 60, 600, 360)), 30),
        Soft(Ellipse(QRectF(120, 40, 400, 400)), 24),
        Hard(RoundedBox(QRectF(130, 50, 380, 380), 56)),
        Hard(Star(kCentre, 236, 14, 0.78)),
        Hard(PuzzlePiece(QRectF(80, 20, 480, 440))),
        Hard(Cloud(QRectF(30, 40, 580, 400))),
        Soft(Flower(kCentre, 230, 5, 96), 8),
        Soft(Crescent(kCentre + QPointF(-20, 0), 220), 5),
        Hard(Arch(QRectF(170, 20, 300, 440), true)),
        [] { return TornPaper(30, 3, 17); },
        [] { return BrushStrokes(23, true); },
        Hard(WindowPanes()),
        Soft(RoundedBox(QRectF(36, 30, 568, 420), 170), 44),
        Hard(RegularPolygon(kCentre, 242, 8, M_PI / 8)),
        Soft(Shield(QRectF(150, 20, 340, 440)), 4),
        Soft(Bubbles(), 5),
        Hard(PostageStamp()),
        Soft(SpeechBubble(QRectF(60, 30, 520, 420)), 4),
        Hard(Mosaic()),
    };
}

// The mask in cream on a dark card of the same proportions, centred on a neutral ground.
// Drawn in device pixels at `ratio` to a logical one, and given that ratio at the end.
QImage MaskThumbnail(const QImage& mask, int ratio) {
    QImage thumbnail(80 * ratio, 80 * ratio, QImage::Format_RGB32);
    thumbnail.fill(QColor(62, 56, 52));
    const QImage small = mask.scaled(74 * ratio, 56 * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_Grayscale8);
    QPainter painter(&thumbnail);
    painter.fillRect(QRect(2 * ratio, 11 * ratio, 76 * ratio, 58 * ratio), QColor(96, 88, 80));
    painter.drawImage(3 * ratio, 12 * ratio, TintGrey(small, QColor(30, 27, 25), QColor(250, 240, 222)));
    painter.end();
    thumbnail.setDevicePixelRatio(ratio);
    return thumbnail;
}

} // namespace

void DrawMaskCatalog(const ArtworkOutput& out) {
    const auto designs = MaskDesigns();
    for (int index = 0; index < static_cast<int>(designs.size()); ++index) {
        const int page = index / 20 + 1, item = index % 20 + 1;
        const QImage mask = designs[index]();
        const QString folder = QStringLiteral("pic/mask/%1/").arg(page);
        out.WriteArtwork(folder + QStringLiteral("big/%1.ssl").arg(item), GreyToRgb(mask), 90);
        out.WriteArtwork(folder + QStringLiteral("small/%1.ssl").arg(item), MaskThumbnail(mask, 1), 92);
        out.WriteArtwork(folder + QStringLiteral("small/%1@2x.ssl").arg(item), MaskThumbnail(mask, 2), 92);
    }
}
