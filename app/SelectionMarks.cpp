// Selection marks drawn into the shown canvas.
#include "app/SelectionMarks.h"

#include "app/EditZones.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

constexpr int kMarkSide = 6;
constexpr QRgb kMarkColour = qRgb(254, 3, 3);
// The turn handle is a shade darker than the marks, so that they alone show the object's extent.
constexpr QRgb kTurnHandleColour = qRgb(214, 24, 24);
constexpr double kTurnHandleRadius = 4.5;

} // namespace

QPolygon ObjectOutline(const festoon::Placement& placement) {
    const QRect& b = placement.bounds;
    if (festoon::TurnFor(placement.angle).sine == 0 && festoon::TurnFor(placement.angle).cosine > 0) {
        return QPolygon(b.adjusted(0, 0, -1, -1), true);
    }
    QPolygon outline;
    for (const QPointF& corner :
         {QPointF(0, 0), QPointF(b.width(), 0), QPointF(b.width(), b.height()), QPointF(0, b.height())}) {
        outline << festoon::CanvasPoint(placement, corner).toPoint();
    }
    return outline;
}

QRect SelectionMarksExtent(const festoon::Placement& placement) {
    // The marks lie inside the object; the ring and its stem reach above it, smoothed by a pixel.
    const QPointF handle = TurnHandleCentre(placement);
    const QPointF top = festoon::CanvasPoint(placement, QPointF(placement.bounds.width() / 2.0, 0));
    const double reach = kTurnHandleRadius + 2;
    const QRectF ring(handle - QPointF(reach, reach), handle + QPointF(reach, reach));
    const QRectF stem = QRectF(handle, top).normalized().adjusted(-2, -2, 2, 2);
    return festoon::ShownRect(placement) | ring.united(stem).toAlignedRect();
}

void DrawSelectionMarks(QImage& canvas, const festoon::Placement& placement) {
    const QRect& bounds = placement.bounds;
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
    const QColor colour(kMarkColour);
    const bool upright = ObjectOutline(placement) == QPolygon(bounds.adjusted(0, 0, -1, -1), true);
    // A mark never reaches outside its object.
    if (upright) {
        painter.setClipRect(bounds);
    } else {
        QPainterPath outline;
        outline.addPolygon(ObjectOutline(placement));
        painter.setClipPath(outline);
    }
    for (const QPoint& corner : corners) {
        QRect mark(bounds.topLeft() + corner, QSize(kMarkSide, kMarkSide));
        if (!upright) {
            const QPointF centre = festoon::CanvasPoint(placement, QPointF(corner) + QPointF(half, half));
            mark.moveTopLeft(QPointF(centre - QPointF(half, half)).toPoint());
        }
        painter.fillRect(mark, colour);
    }
    painter.setClipping(false);
    // The turn handle, on a stem from the middle of the top edge.
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF top = festoon::CanvasPoint(placement, QPointF(w / 2.0, 0));
    const QPointF handle = TurnHandleCentre(placement);
    painter.setPen(QPen(QColor(kTurnHandleColour), 1.5));
    const QPointF towards = top - handle;
    painter.drawLine(handle + towards * (kTurnHandleRadius / QLineF(handle, top).length()), top);
    painter.setBrush(Qt::white);
    painter.drawEllipse(handle, kTurnHandleRadius, kTurnHandleRadius);
}
