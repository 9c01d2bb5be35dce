// The text palette's eight speech balloons: white inside with a dark outline, so that lettering placed
// over them reads well. Drawn about 500 pixels wide, since the palette places them at half size.
#include "artwork/ArtPiece.h"
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"
#include "artwork/ShapePaths.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 400;
constexpr int kMargin = 12;
constexpr int kBleed = 4;
constexpr double kOutline = 9.0;
const QColor kOutlineColour(48, 30, 24);

QPainterPath Tail(QPointF rootLeft, QPointF rootRight, QPointF tip) {
    QPainterPath tail;
    tail.moveTo(rootLeft);
    tail.quadTo((rootLeft + tip) / 2 + QPointF(-10, 6), tip);
    tail.quadTo((rootRight + tip) / 2 + QPointF(4, -4), rootRight);
    tail.closeSubpath();
    return tail;
}

QPainterPath RoundSpeech() {
    QPainterPath body;
    body.addEllipse(QRectF(20, 20, 480, 290));
    return body.united(Tail(QPointF(130, 270), QPointF(200, 296), QPointF(70, 385))).simplified();
}

QPainterPath RectangularSpeech() {
    QPainterPath body;
    body.addRoundedRect(QRectF(20, 24, 480, 270), 40, 40);
    QPainterPath tail;
    tail.moveTo(300, 280);
    tail.lineTo(380, 382);
    tail.lineTo(380, 280);
    tail.closeSubpath();
    return body.united(tail).simplified();
}

QPainterPath ThoughtCloud() {
    QPainterPath cloud = CloudPath(QPointF(270, 160), 240, 140, 11);
    cloud.addEllipse(QPointF(108, 318), 30, 22);
    cloud.addEllipse(QPointF(70, 356), 19, 14);
    cloud.addEllipse(QPointF(42, 382), 11, 8);
    return cloud;
}

QPainterPath ShoutBurst() {
    return BurstPath(QPointF(260, 196), 250, 190, 18, 0.2, 0.2);
}

QPainterPath HeartBalloon() {
    return HeartPath(QRectF(70, 16, 380, 370));
}

// A sheet between two rolls; the rolls' ends and the sheet's turn are drawn as detail lines.
QPainterPath Scroll() {
    QPainterPath sheet;
    sheet.moveTo(60, 70);
    sheet.cubicTo(190, 44, 330, 96, 460, 70);
    sheet.lineTo(460, 330);
    sheet.cubicTo(330, 356, 190, 304, 60, 330);
    sheet.closeSubpath();
    sheet.addRoundedRect(QRectF(26, 40, 64, 320), 30, 22);
    sheet.addRoundedRect(QRectF(430, 40, 64, 320), 30, 22);
    return sheet.simplified();
}

QPainterPath ScrollDetails() {
    QPainterPath details;
    for (const double left : {26.0, 430.0}) {
        details.addEllipse(QRectF(left + 4, 42, 56, 24));
        details.addEllipse(QRectF(left + 20, 48, 24, 12));
        details.moveTo(left + 4, 340);
        details.quadTo(left + 32, 356, left + 60, 340);
    }
    return details;
}

QPainterPath Tag() {
    QPainterPath tag;
    tag.moveTo(130, 50);
    tag.lineTo(470, 50);
    tag.quadTo(500, 50, 500, 80);
    tag.lineTo(500, 320);
    tag.quadTo(500, 350, 470, 350);
    tag.lineTo(130, 350);
    tag.lineTo(20, 200);
    tag.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(105, 200), 22, 22);
    return tag.subtracted(hole);
}

// The tag's string, looped through its hole.
QPainterPath TagDetails() {
    QPainterPath string;
    string.moveTo(92, 184);
    string.cubicTo(60, 130, 30, 110, 10, 36);
    return string;
}

// A white balloon with a soft cool shade at the bottom and a dark outline, dashed for a whisper.
QImage DrawBalloon(const QPainterPath& shape, const QPainterPath& details, bool dashed) {
    QImage layer = NewLayer(kWidth + 2 * kMargin, kHeight + 2 * kMargin);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kMargin, kMargin);
    const QRectF box = shape.boundingRect();
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(0.7, Qt::white);
    fill.setColorAt(1, QColor(232, 236, 244));
    if (dashed) {
        // The mask covers the whole balloon, so the gaps between dashes show its white, not the photo.
        painter.setPen(QPen(Qt::white, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(fill);
        painter.drawPath(shape);
        QPen dashes(kOutlineColour, kOutline, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
        dashes.setDashPattern({1.6, 2.2});
        painter.setPen(dashes);
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.setPen(QPen(kOutlineColour, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(fill);
    }
    painter.drawPath(shape);
    painter.setPen(QPen(kOutlineColour, kOutline * 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(details);
    return layer;
}

} // namespace

void DrawBalloonCatalog(const ArtworkOutput& out) {
    struct Balloon {
        QPainterPath shape;
        QPainterPath details;
        bool dashed;
    };
    const Balloon balloons[] = {{RoundSpeech(), {}, false},         {RectangularSpeech(), {}, false},
                                {ThoughtCloud(), {}, false},        {ShoutBurst(), {}, false},
                                {RoundSpeech(), {}, true},          {HeartBalloon(), {}, false},
                                {Scroll(), ScrollDetails(), false}, {Tag(), TagDetails(), false}};
    for (int item = 1; item <= 8; ++item) {
        const Balloon& balloon = balloons[item - 1];
        const QImage layer = DrawBalloon(balloon.shape, balloon.details, balloon.dashed);
        out.WriteArtwork(QStringLiteral("pic/text/small/%1.ssl").arg(item), ThumbnailFromLayer(layer));
        out.WriteArtwork(QStringLiteral("pic/text/small/%1@2x.ssl").arg(item),
                         ThumbnailFromLayer(layer, 80, 5, kNeutralGround, 2));
        out.WriteArtwork(QStringLiteral("pic/text/big/%1.ssl").arg(item), PictureFromLayer(layer, kBleed));
        out.WriteArtwork(QStringLiteral("pic/text/mask/%1.ssl").arg(item), MaskFromLayer(layer));
    }
}
