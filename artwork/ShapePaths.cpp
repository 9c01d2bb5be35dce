// Outlines built from a few Bezier curves, so that they stay smooth at any size.
#include "artwork/ShapePaths.h"

#include <cmath>
#include <numbers>

QPainterPath HeartPath(const QRectF& box) {
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h * 0.25);
    path.cubicTo(x + w * 0.5, y + h * 0.05, x + w * 0.28, y - h * 0.02, x + w * 0.14, y + h * 0.04);
    path.cubicTo(x - w * 0.04, y + h * 0.12, x - w * 0.04, y + h * 0.42, x + w * 0.1, y + h * 0.58);
    path.cubicTo(x + w * 0.22, y + h * 0.72, x + w * 0.4, y + h * 0.84, x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.6, y + h * 0.84, x + w * 0.78, y + h * 0.72, x + w * 0.9, y + h * 0.58);
    path.cubicTo(x + w * 1.04, y + h * 0.42, x + w * 1.04, y + h * 0.12, x + w * 0.86, y + h * 0.04);
    path.cubicTo(x + w * 0.72, y - h * 0.02, x + w * 0.5, y + h * 0.05, x + w * 0.5, y + h * 0.25);
    path.closeSubpath();
    return path;
}

QPainterPath StarPath(QPointF centre, double outerRadius, double innerRadius, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const double radius = i % 2 == 0 ? outerRadius : innerRadius;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath BurstPath(QPointF centre, double rx, double ry, int spikes, double depth, double wobble) {
    QPainterPath path;
    for (int i = 0; i < spikes * 2; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / spikes;
        // A fixed, irregular pattern of lengths: the same burst on every run.
        const double jitter = 1.0 - wobble * (0.5 + 0.5 * std::sin(i * 2.7 + 0.6));
        const double scale = i % 2 == 0 ? jitter : 1.0 - depth;
        const QPointF point(centre.x() + rx * scale * std::cos(angle),
                            centre.y() + ry * scale * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath CloudPath(QPointF centre, double rx, double ry, int bulges) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(centre, rx * 0.86, ry * 0.8);
    for (int i = 0; i < bulges; ++i) {
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / bulges;
        const double size = 0.34 + 0.06 * std::sin(i * 1.9);
        const QPointF at(centre.x() + rx * 0.72 * std::cos(angle), centre.y() + ry * 0.68 * std::sin(angle));
        path.addEllipse(at, rx * size, ry * size * 1.1);
    }
    return path.simplified();
}
