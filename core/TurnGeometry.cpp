// The geometry of turned objects in fixed point.
#include "core/TurnGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace festoon {

Placement PlacementOf(const Layer& layer) {
    return {layer.bounds, layer.angle, layer.mirroredAcross, layer.mirroredUpDown};
}

double NormalAngle(double degrees) {
    if (!std::isfinite(degrees)) {
        return 0;
    }
    double angle = std::fmod(degrees, 360.0);
    if (angle < 0) {
        angle += 360.0;
    }
    return angle >= 360.0 || angle == 0 ? 0.0 : angle; // never -0
}

Turn TurnFor(double degrees) {
    const double angle = NormalAngle(degrees);
    // Quarter turns are exact, so that four of them give back the object pixel for pixel.
    if (angle == 90.0) {
        return {0, kTurnOne};
    }
    if (angle == 180.0) {
        return {-kTurnOne, 0};
    }
    if (angle == 270.0) {
        return {0, -kTurnOne};
    }
    const double radians = angle * std::numbers::pi / 180.0;
    return {std::llround(std::cos(radians) * kTurnOne), std::llround(std::sin(radians) * kTurnOne)};
}

bool IsUpright(const Placement& placement) {
    const Turn turn = TurnFor(placement.angle);
    return turn.cosine == kTurnOne && turn.sine == 0 && !placement.mirroredAcross &&
           !placement.mirroredUpDown;
}

std::optional<QPoint> LocalPixel(const Placement& placement, QPoint pixel) {
    const QRect& b = placement.bounds;
    const std::int64_t w = b.width(), h = b.height();
    if (w <= 0 || h <= 0) {
        return std::nullopt;
    }
    const Turn turn = TurnFor(placement.angle);
    // Half pixels from the centre of the bounds to the centre of the pixel.
    const std::int64_t dx = 2 * static_cast<std::int64_t>(pixel.x()) + 1 - (2 * std::int64_t{b.x()} + w);
    const std::int64_t dy = 2 * static_cast<std::int64_t>(pixel.y()) + 1 - (2 * std::int64_t{b.y()} + h);
    const std::int64_t u = dx * turn.cosine + dy * turn.sine + w * kTurnOne;
    const std::int64_t v = dy * turn.cosine - dx * turn.sine + h * kTurnOne;
    if (u < 0 || v < 0 || u >= 2 * w * kTurnOne || v >= 2 * h * kTurnOne) {
        return std::nullopt;
    }
    int x = static_cast<int>(u / (2 * kTurnOne)), y = static_cast<int>(v / (2 * kTurnOne));
    if (placement.mirroredAcross) {
        x = static_cast<int>(w) - 1 - x;
    }
    if (placement.mirroredUpDown) {
        y = static_cast<int>(h) - 1 - y;
    }
    return QPoint(x, y);
}

namespace {

QPointF Centre(const QRect& bounds) {
    return {bounds.x() + bounds.width() / 2.0, bounds.y() + bounds.height() / 2.0};
}

double Radians(double degrees) {
    return NormalAngle(degrees) * std::numbers::pi / 180.0;
}

} // namespace

QPointF LocalPoint(const Placement& placement, QPointF canvasPoint) {
    const double a = Radians(placement.angle);
    const QPointF d = canvasPoint - Centre(placement.bounds);
    const QPointF turned(d.x() * std::cos(a) + d.y() * std::sin(a),
                         d.y() * std::cos(a) - d.x() * std::sin(a));
    return turned + QPointF(placement.bounds.width() / 2.0, placement.bounds.height() / 2.0);
}

QPointF CanvasPoint(const Placement& placement, QPointF localPoint) {
    const double a = Radians(placement.angle);
    const QPointF d = localPoint - QPointF(placement.bounds.width() / 2.0, placement.bounds.height() / 2.0);
    const QPointF turned(d.x() * std::cos(a) - d.y() * std::sin(a),
                         d.x() * std::sin(a) + d.y() * std::cos(a));
    return turned + Centre(placement.bounds);
}

QRect ShownRect(const Placement& placement) {
    const QRect& b = placement.bounds;
    const Turn turn = TurnFor(placement.angle);
    if ((turn.cosine == kTurnOne && turn.sine == 0) || b.isEmpty()) {
        return b; // mirroring alone keeps the object within its bounds
    }
    const std::array<QPointF, 4> corners = {CanvasPoint(placement, {0, 0}),
                                            CanvasPoint(placement, QPointF(b.width(), 0)),
                                            CanvasPoint(placement, QPointF(0, b.height())),
                                            CanvasPoint(placement, QPointF(b.width(), b.height()))};
    double left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
    for (const QPointF& corner : corners) {
        left = std::min(left, corner.x());
        right = std::max(right, corner.x());
        top = std::min(top, corner.y());
        bottom = std::max(bottom, corner.y());
    }
    // A pixel more on every side covers the rounding of the fixed-point turn.
    const int l = static_cast<int>(std::floor(left)) - 1, t = static_cast<int>(std::floor(top)) - 1;
    const int r = static_cast<int>(std::ceil(right)) + 1, btm = static_cast<int>(std::ceil(bottom)) + 1;
    return {QPoint(l, t), QPoint(r - 1, btm - 1)};
}

QRect ShownRect(const Layer& layer) {
    return ShownRect(PlacementOf(layer));
}

} // namespace festoon
