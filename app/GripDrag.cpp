// The drag of a grip, worked out in the frame of the object's upright bounds so that turned objects
// resize along their own sides.
#include "app/GripDrag.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace {

using festoon::Placement;

struct Sides {
    bool left = false, right = false, top = false, bottom = false;
};

Sides SidesOf(Grip grip) {
    switch (grip) {
    case Grip::Left:
        return {true, false, false, false};
    case Grip::Right:
        return {false, true, false, false};
    case Grip::Top:
        return {false, false, true, false};
    case Grip::Bottom:
        return {false, false, false, true};
    case Grip::TopLeft:
        return {true, false, true, false};
    case Grip::TopRight:
        return {false, true, true, false};
    case Grip::BottomLeft:
        return {true, false, false, true};
    case Grip::BottomRight:
        return {false, true, false, true};
    default:
        return {};
    }
}

Placement Turned(const Placement& start, QPoint from, QPoint to, bool constrained) {
    const QPointF centre(start.bounds.x() + start.bounds.width() / 2.0,
                         start.bounds.y() + start.bounds.height() / 2.0);
    // QLineF measures angles anticlockwise with y up; the canvas turns clockwise with y down.
    const double swept = QLineF(centre, from).angle() - QLineF(centre, to).angle();
    double angle = start.angle + swept;
    if (constrained) {
        angle = std::round(angle / kTurnSnap) * kTurnSnap;
    }
    Placement turned = start;
    turned.angle = festoon::NormalAngle(std::round(angle * 100) / 100);
    return turned;
}

// One side of a resize: the new extent along an axis from the drag `delta` along it.
int Stretched(int side, int delta, bool fromStart, bool fromEnd) {
    if (fromEnd) {
        return ClampSide(side + delta, side);
    }
    if (fromStart) {
        return ClampSide(side - delta, side);
    }
    return side;
}

Placement Resized(const Placement& start, Grip grip, QPoint from, QPoint to, bool constrained) {
    const Sides sides = SidesOf(grip);
    const QRect& b = start.bounds;
    const bool upright = festoon::TurnFor(start.angle).sine == 0 && festoon::TurnFor(start.angle).cosine > 0;
    QPointF delta = QPointF(to - from);
    if (!upright) {
        delta = festoon::LocalPoint(start, QPointF(to)) - festoon::LocalPoint(start, QPointF(from));
    }
    const int dx = static_cast<int>(std::lround(delta.x())), dy = static_cast<int>(std::lround(delta.y()));
    int w = Stretched(b.width(), dx, sides.left, sides.right);
    int h = Stretched(b.height(), dy, sides.top, sides.bottom);
    const bool across = sides.left || sides.right, upDown = sides.top || sides.bottom;
    if (constrained && b.width() > 0 && b.height() > 0) {
        // The larger change leads; an edge handle leads with its own side.
        const double scaleW = static_cast<double>(w) / b.width(),
                     scaleH = static_cast<double>(h) / b.height();
        const double scale = across && upDown ? std::max(scaleW, scaleH) : across ? scaleW : scaleH;
        w = ClampSide(static_cast<int>(std::lround(b.width() * scale)), b.width());
        h = ClampSide(static_cast<int>(std::lround(b.height() * scale)), b.height());
    }
    // The new rectangle in the frame of the old one: the side opposite the handle stays; a side the
    // handle does not pull grows about its middle.
    const double left = sides.left ? b.width() - w : sides.right ? 0 : (b.width() - w) / 2.0;
    const double top = sides.top ? b.height() - h : sides.bottom ? 0 : (b.height() - h) / 2.0;
    Placement resized = start;
    if (upright) {
        resized.bounds = QRect(b.x() + static_cast<int>(std::floor(left)),
                               b.y() + static_cast<int>(std::floor(top)), w, h);
        return resized;
    }
    // A turned object keeps the opposite side in place on the canvas: its new centre is found in the
    // old frame and carried to the canvas.
    const QPointF centre = festoon::CanvasPoint(start, QPointF(left + w / 2.0, top + h / 2.0));
    resized.bounds = QRect(static_cast<int>(std::lround(centre.x() - w / 2.0)),
                           static_cast<int>(std::lround(centre.y() - h / 2.0)), w, h);
    return resized;
}

} // namespace

festoon::Placement DraggedPlacement(const Placement& start, Grip grip, QPoint from, QPoint to,
                                    bool constrained) {
    switch (grip) {
    case Grip::None:
        return start;
    case Grip::Move: {
        Placement moved = start;
        moved.bounds.translate(to - from);
        return moved;
    }
    case Grip::Turn:
        return Turned(start, from, to, constrained);
    default:
        return Resized(start, grip, from, to, constrained);
    }
}
