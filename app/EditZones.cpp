// The editing zones of a selected object, found in the frame of its upright bounds.
#include "app/EditZones.h"

#include <QLineF>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Width of the resize zones along an object's edges: six pixels on each side.
constexpr int kZone = 7;
// A resize never makes an object narrower or lower than this (the move zone needs more than kZone + 1).
constexpr int kMinimumObjectSide = 16;
// The turn handle: how far above the top edge it sits, and how near a press must come to it.
constexpr double kTurnHandleDistance = 22;
constexpr double kTurnHandleReach = 7;

Grip Combine(bool left, bool right, bool top, bool bottom) {
    if (top && left) {
        return Grip::TopLeft;
    }
    if (top && right) {
        return Grip::TopRight;
    }
    if (bottom && left) {
        return Grip::BottomLeft;
    }
    if (bottom && right) {
        return Grip::BottomRight;
    }
    return left ? Grip::Left : right ? Grip::Right : top ? Grip::Top : Grip::Bottom;
}

} // namespace

QPointF TurnHandleCentre(const festoon::Placement& placement) {
    return festoon::CanvasPoint(placement, QPointF(placement.bounds.width() / 2.0, -kTurnHandleDistance));
}

std::optional<Grip> GripAt(const festoon::Placement& placement, QPoint point, bool turnHandle) {
    if (turnHandle && QLineF(TurnHandleCentre(placement), QPointF(point) + QPointF(0.5, 0.5)).length() <=
                          kTurnHandleReach) {
        return Grip::Turn;
    }
    const int w = placement.bounds.width(), h = placement.bounds.height();
    int x = point.x() - placement.bounds.x(), y = point.y() - placement.bounds.y();
    if (!festoon::IsUpright(festoon::Placement{placement.bounds, placement.angle, false, false})) {
        const QPointF local = festoon::LocalPoint(placement, QPointF(point) + QPointF(0.5, 0.5));
        x = static_cast<int>(std::floor(local.x()));
        y = static_cast<int>(std::floor(local.y()));
    }
    if (x < 0 || x >= w || y < 0 || y >= h) {
        return Grip::None;
    }
    const bool left = x < kZone - 1, top = y < kZone - 1;
    const bool right = w - kZone < x, bottom = h - kZone < y;
    if (left || right || top || bottom) {
        return Combine(left, right, top, bottom);
    }
    if (x < w - kZone && y < h - kZone) {
        return Grip::Move;
    }
    return std::nullopt;
}

Qt::CursorShape GripCursor(Grip grip, double angle) {
    // The direction the handle pulls in, in degrees: 0 across, 45 down to the right, 90 up and down,
    // 135 down to the left; turned with the object and brought to the nearest of the four.
    double direction = 0;
    switch (grip) {
    case Grip::None:
        return Qt::ArrowCursor;
    case Grip::Move:
        return Qt::SizeAllCursor;
    case Grip::Turn:
        return Qt::CrossCursor;
    case Grip::Left:
    case Grip::Right:
        direction = 0;
        break;
    case Grip::Top:
    case Grip::Bottom:
        direction = 90;
        break;
    case Grip::TopLeft:
    case Grip::BottomRight:
        direction = 45;
        break;
    case Grip::TopRight:
    case Grip::BottomLeft:
        direction = 135;
        break;
    }
    const int step = static_cast<int>(std::lround((direction + angle) / 45.0)) % 4;
    static constexpr std::array<Qt::CursorShape, 4> kShapes = {Qt::SizeHorCursor, Qt::SizeFDiagCursor,
                                                               Qt::SizeVerCursor, Qt::SizeBDiagCursor};
    return kShapes[static_cast<size_t>((step + 4) % 4)];
}

std::optional<Qt::CursorShape> ZoneCursor(const QRect& bounds, QPoint point) {
    const std::optional<Grip> grip = GripAt(festoon::Placement{.bounds = bounds}, point, false);
    if (!grip) {
        return std::nullopt;
    }
    return GripCursor(*grip, 0);
}

int ClampSide(int side, int startSide) {
    return std::max(side, std::max(1, std::min(kMinimumObjectSide, startSide)));
}
