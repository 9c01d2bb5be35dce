// Word stickers ("WOW!", "LOL", ...): a bold, ink-outlined word on a burst or in a speech bubble.
#include "artwork/CartoonDrawing.h"
#include "artwork/ShapePaths.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

QPainterPath SpeechBubble() {
    QPainterPath bubble;
    bubble.setFillRule(Qt::WindingFill);
    bubble.addRoundedRect(QRectF(6, 24, 188, 130), 48, 48);
    QPainterPath tail;
    tail.moveTo(52, 140);
    tail.cubicTo(50, 170, 36, 186, 22, 194);
    tail.cubicTo(56, 192, 82, 176, 96, 148);
    tail.closeSubpath();
    return bubble.united(tail).simplified();
}

// The word's outline, scaled to fit `box` and centred in it.
QPainterPath WordPath(const QString& word, const QRectF& box) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, word);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

void DrawBoldWord(QPainter& painter, const QPainterPath& word, const QColor& light, const QColor& dark) {
    const QRectF box = word.boundingRect();
    painter.setPen(InkPen(9));
    painter.setBrush(kInk);
    painter.drawPath(word.translated(3, 4));
    painter.drawPath(word);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Shade(light, dark, box.top(), box.bottom()));
    painter.drawPath(word);
}

} // namespace

void DrawWordSticker(QPainter& painter, const QString& word, WordGround ground, const QColor& groundLight,
                     const QColor& groundDark, const QColor& wordLight, const QColor& wordDark) {
    QRectF wordBox;
    if (ground == WordGround::Burst) {
        FillInked(painter, BurstPath(QPointF(100, 100), 98, 92, 14, 0.24, 0.16), groundLight, groundDark,
                  4.5);
        wordBox = QRectF(34, 62, 132, 74);
    } else {
        FillInked(painter, SpeechBubble(), groundLight, groundDark, 4.5);
        Gloss(painter, QRectF(30, 36, 46, 14), 120);
        wordBox = QRectF(26, 48, 148, 82);
    }
    DrawBoldWord(painter, WordPath(word, wordBox), wordLight, wordDark);
}

void DrawLoveBubble(QPainter& painter) {
    FillInked(painter, SpeechBubble(), QColor(255, 170, 210), QColor(240, 80, 150), 4.5);
    const QPainterPath heart = HeartPath(QRectF(58, 44, 84, 84));
    painter.setPen(InkPen(4));
    painter.setBrush(Shade(QColor(255, 80, 100), QColor(200, 0, 50), 44, 128));
    painter.drawPath(heart);
    Gloss(painter, QRectF(72, 58, 18, 10), 180);
    Gloss(painter, QRectF(30, 36, 46, 14), 120);
}
