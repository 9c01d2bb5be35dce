// Pieces the window skins share.
#include "artwork/SkinParts.h"

#include "artwork/Painting.h"
#include "artwork/Shapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art {

void DrawTitle(QPainter& painter, const QString& text, QPointF baseline, int pixelSize) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    QPainterPath letters;
    letters.addText(baseline, font, text);
    DrawSoftShadow(painter, letters, QPointF(1, 2), std::max(1, pixelSize / 12), QColor(0, 0, 0, 200));
    const QRectF box = letters.boundingRect();
    QLinearGradient gilt(box.topLeft(), box.bottomLeft());
    gilt.setColorAt(0.0, QColor(255, 240, 196));
    gilt.setColorAt(0.45, house::Gold);
    gilt.setColorAt(0.55, QColor(196, 140, 60));
    gilt.setColorAt(1.0, QColor(240, 200, 120));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(letters, gilt);
    painter.setPen(QPen(QColor(70, 40, 16, 140), 0.8));
    painter.drawPath(letters);
    painter.restore();
}

void DrawRecess(QPainter& painter, const QRectF& box, qreal radius, QColor fill) {
    const QPainterPath shape = RoundedBox(box, radius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, fill);
    DrawInnerShadow(painter, shape, 2, QColor(0, 0, 0, 170), QPointF(1, 2));
    painter.setPen(QPen(QColor(255, 226, 170, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedBox(box.adjusted(-0.5, 0.5, 0.5, 1.0), radius));
    painter.setPen(QPen(QColor(20, 10, 4, 160), 1));
    painter.drawPath(shape);
    painter.restore();
}

void DrawStud(QPainter& painter, QPointF centre, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawEllipse(centre + QPointF(0.6, 1.0), radius, radius);
    QRadialGradient metal(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    metal.setColorAt(0, QColor(255, 244, 210));
    metal.setColorAt(0.45, house::Gold);
    metal.setColorAt(1, QColor(120, 76, 28));
    painter.setBrush(metal);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void DrawGarland(QPainter& painter, QPointF from, QPointF to, int swags, qreal sag, qreal flagSize) {
    const QColor flags[] = {house::Gold, QColor(196, 72, 48), house::Cream, QColor(214, 132, 58),
                            QColor(150, 176, 96)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF step = (to - from) / swags;
    int colour = 0;
    for (int s = 0; s < swags; ++s) {
        const QPointF a = from + step * s, b = a + step;
        const QPointF control = (a + b) / 2 + QPointF(0, sag * 2);
        QPainterPath string;
        string.moveTo(a);
        string.quadTo(control, b);
        painter.setPen(QPen(QColor(250, 226, 170, 200), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(string);
        const int count = std::max(2, static_cast<int>(std::hypot(step.x(), step.y()) / (flagSize * 1.6)));
        for (int i = 1; i < count; ++i) {
            const qreal t = static_cast<qreal>(i) / count;
            const QPointF p = string.pointAtPercent(t);
            const qreal slope = string.angleAtPercent(t);
            QPainterPath flag;
            flag.moveTo(-flagSize * 0.5, 0);
            flag.lineTo(flagSize * 0.5, 0);
            flag.lineTo(0, flagSize * 1.1);
            flag.closeSubpath();
            QTransform place;
            place.translate(p.x(), p.y());
            place.rotate(-slope);
            const QPainterPath placed = place.map(flag);
            DrawSoftShadow(painter, placed, QPointF(0.5, 1.2), 1, QColor(0, 0, 0, 120));
            const QColor c = flags[colour++ % 5];
            QLinearGradient shade(placed.boundingRect().topLeft(), placed.boundingRect().bottomRight());
            shade.setColorAt(0, c.lighter(118));
            shade.setColorAt(1, c.darker(125));
            painter.setPen(Qt::NoPen);
            painter.fillPath(placed, shade);
        }
        DrawStud(painter, b, 1.8);
    }
    DrawStud(painter, from, 1.8);
    painter.restore();
}

void DrawEngravedLine(QPainter& painter, QPointF from, QPointF to) {
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
    painter.drawLine(from, to);
    painter.setPen(QPen(QColor(255, 220, 160, 60), 1));
    painter.drawLine(from + QPointF(0, 1), to + QPointF(0, 1));
    painter.restore();
}

} // namespace art
