// Selection marks drawn into the shown canvas.
#include "app/SelectionMarks.h"

#include <QPainter>
#include <array>

namespace {

constexpr int kMarkSide = 6;
constexpr QRgb kMarkColour = qRgb(254, 3, 3);

} // namespace

void DrawSelectionMarks(QImage& canvas, const QRect& bounds) {
    const int w = bounds.width(), h = bounds.height();
    const int half = kMarkSide / 2;
    const std::array<QPoint, 8> corners = {
        QPoint(0, 0),
        QPoint(w / 2 - half, 0),
        QPoint(w - kMarkSide, 0),
        QPoint(0, h / 2 - half),
        QPoint(0, h - kMarkSide),
        QPoint(w - kMarkSide, h - kMarkSide),
        QPoint(w - kMarkSide, h / 2 - half),
        QPoint(w / 2 - half, h - kMarkSide),
    };
    QPainter painter(&canvas);
    // A mark never reaches outside its object.
    painter.setClipRect(bounds);
    for (const QPoint& corner : corners) {
        painter.fillRect(QRect(bounds.topLeft() + corner, QSize(kMarkSide, kMarkSide)), QColor(kMarkColour));
    }
}
