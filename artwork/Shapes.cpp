// Outlines shared by the masks, frames and skins.
#include "artwork/Shapes.h"

#include "artwork/Painting.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <QtMath>
#include <vector>

namespace art {

namespace {

// Maps unit-box coordinates into `box`.
QPointF At(const QRectF& box, qreal u, qreal v) {
    return {box.x() + u * box.width(), box.y() + v * box.height()};
}

QPainterPath Circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

} // namespace

QPainterPath RoundedBox(const QRectF& box, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath Ellipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box);
    return path;
}

QPainterPath Heart(const QRectF& box) {
    QPainterPath path;
    path.moveTo(At(box, 0.5, 0.22));
    path.cubicTo(At(box, 0.38, -0.02), At(box, 0.0, 0.0), At(box, 0.0, 0.32));
    path.cubicTo(At(box, 0.0, 0.56), At(box, 0.3, 0.74), At(box, 0.5, 1.0));
    path.cubicTo(At(box, 0.7, 0.74), At(box, 1.0, 0.56), At(box, 1.0, 0.32));
    path.cubicTo(At(box, 1.0, 0.0), At(box, 0.62, -0.02), At(box, 0.5, 0.22));
    path.closeSubpath();
    return path;
}

QPainterPath Star(QPointF centre, qreal radius, int points, qreal innerRatio, qreal turn) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * innerRatio;
        const qreal angle = turn + M_PI * i / points - M_PI / 2;
        const QPointF p(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath RegularPolygon(QPointF centre, qreal radius, int corners, qreal turn) {
    QPainterPath path;
    for (int i = 0; i < corners; ++i) {
        const qreal angle = turn + 2 * M_PI * i / corners - M_PI / 2;
        const QPointF p(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Flower(QPointF centre, qreal radius, int petals, qreal petalRadius) {
    QPainterPath path = Circle(centre, radius - petalRadius * 0.6);
    for (int i = 0; i < petals; ++i) {
        const qreal angle = 2 * M_PI * i / petals - M_PI / 2;
        const qreal d = radius - petalRadius;
        path = path.united(
            Circle({centre.x() + d * std::cos(angle), centre.y() + d * std::sin(angle)}, petalRadius));
    }
    return path;
}

QPainterPath Scalloped(QPointF centre, qreal radius, int bumps, qreal bumpRadius) {
    QPainterPath path = Circle(centre, radius - bumpRadius * 0.5);
    for (int i = 0; i < bumps; ++i) {
        const qreal angle = 2 * M_PI * i / bumps;
        const qreal d = radius - bumpRadius;
        path.addEllipse(QPointF(centre.x() + d * std::cos(angle), centre.y() + d * std::sin(angle)),
                        bumpRadius, bumpRadius);
    }
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath Cloud(const QRectF& box) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const struct {
        qreal u, v, r;
    } puffs[] = {{0.22, 0.62, 0.2}, {0.38, 0.42, 0.24}, {0.6, 0.36, 0.28},
                 {0.8, 0.56, 0.2},  {0.62, 0.68, 0.22}, {0.36, 0.7, 0.2}};
    const qreal scale = std::min(box.width(), box.height() * 1.35);
    for (const auto& puff : puffs) {
        path.addEllipse(At(box, puff.u, puff.v), puff.r * scale, puff.r * scale * 0.82);
    }
    return path.simplified();
}

QPainterPath Keyhole(const QRectF& box) {
    const qreal r = std::min(box.width() * 0.5, box.height() * 0.32);
    const qreal cx = box.center().x();
    QPainterPath path = Circle(QPointF(cx, box.top() + r), r);
    QPainterPath foot;
    foot.moveTo(cx - r * 0.4, box.top() + r * 1.5);
    foot.lineTo(cx + r * 0.4, box.top() + r * 1.5);
    foot.lineTo(cx + r * 0.72, box.bottom());
    foot.lineTo(cx - r * 0.72, box.bottom());
    foot.closeSubpath();
    return path.united(foot);
}

QPainterPath Arch(const QRectF& box, bool pointed) {
    const qreal w = box.width();
    QPainterPath path;
    path.moveTo(box.bottomLeft());
    if (pointed) {
        path.lineTo(box.left(), box.top() + w * 0.62);
        path.cubicTo(box.left(), box.top() + w * 0.25, box.center().x() - w * 0.15, box.top() + w * 0.08,
                     box.center().x(), box.top());
        path.cubicTo(box.center().x() + w * 0.15, box.top() + w * 0.08, box.right(), box.top() + w * 0.25,
                     box.right(), box.top() + w * 0.62);
    } else {
        path.lineTo(box.left(), box.top() + w / 2);
        path.arcTo(QRectF(box.left(), box.top(), w, w), 180, -180);
    }
    path.lineTo(box.bottomRight());
    path.closeSubpath();
    return path;
}

QPainterPath Diamond(const QRectF& box) {
    QPainterPath path;
    path.moveTo(At(box, 0.5, 0));
    path.lineTo(At(box, 1, 0.5));
    path.lineTo(At(box, 0.5, 1));
    path.lineTo(At(box, 0, 0.5));
    path.closeSubpath();
    return path;
}

QPainterPath TornBox(const QRectF& box, qreal roughness, std::uint32_t seed) {
    Random random(seed);
    QPainterPath path;
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    qreal wander = 0;
    bool first = true;
    for (int side = 0; side < 4; ++side) {
        const QPointF a = corners[side], b = corners[(side + 1) % 4];
        const QPointF along = b - a;
        const qreal length = std::hypot(along.x(), along.y());
        const QPointF inward(-along.y() / length, along.x() / length); // the box runs clockwise
        const int steps = std::max(4, static_cast<int>(length / 5));
        for (int i = 0; i < steps; ++i) {
            // A smoothed random walk with the odd sharp tooth, as paper tears.
            wander = std::clamp(wander * 0.7 + random.Uniform(-0.6, 0.6) * roughness, 0.0, roughness);
            const qreal tooth = random.Next() % 9 == 0 ? random.Uniform(0, roughness * 0.8) : 0;
            const QPointF p = a + along * (static_cast<qreal>(i) / steps) + inward * (wander + tooth);
            if (first) {
                path.moveTo(p);
                first = false;
            } else {
                path.lineTo(p);
            }
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath Crescent(QPointF centre, qreal radius) {
    return Circle(centre, radius)
        .subtracted(Circle(centre + QPointF(radius * 0.45, -radius * 0.2), radius * 0.85));
}

QPainterPath Shield(const QRectF& box) {
    QPainterPath path;
    path.moveTo(At(box, 0, 0.06));
    path.quadTo(At(box, 0.25, 0.1), At(box, 0.5, 0));
    path.quadTo(At(box, 0.75, 0.1), At(box, 1, 0.06));
    path.lineTo(At(box, 1, 0.45));
    path.cubicTo(At(box, 1, 0.75), At(box, 0.7, 0.9), At(box, 0.5, 1));
    path.cubicTo(At(box, 0.3, 0.9), At(box, 0, 0.75), At(box, 0, 0.45));
    path.closeSubpath();
    return path;
}

QPainterPath PuzzlePiece(const QRectF& box) {
    // Knobs reach 1.6 knob radii beyond the body, so the body is inset enough to keep them in the box.
    const qreal knob = std::min(box.width(), box.height()) * 0.12;
    const QRectF body = box.adjusted(knob * 1.65, knob * 1.65, -knob * 1.65, -knob * 1.65);
    QPainterPath path = RoundedBox(body, knob * 0.3);
    path = path.united(Circle({body.center().x(), body.top() - knob * 0.6}, knob));
    path = path.united(Circle({body.right() + knob * 0.6, body.center().y()}, knob));
    path = path.subtracted(Circle({body.center().x(), body.bottom() - knob * 0.6}, knob));
    path = path.subtracted(Circle({body.left() + knob * 0.6, body.center().y()}, knob));
    return path;
}

QPainterPath SpeechBubble(const QRectF& box) {
    QPainterPath path = Ellipse(QRectF(box.left(), box.top(), box.width(), box.height() * 0.82));
    QPainterPath tail;
    tail.moveTo(At(box, 0.26, 0.66));
    tail.quadTo(At(box, 0.24, 0.9), At(box, 0.1, 1.0));
    tail.quadTo(At(box, 0.36, 0.94), At(box, 0.46, 0.76));
    tail.closeSubpath();
    return path.united(tail);
}

QPainterPath Leaf(QPointF base, qreal length, qreal angle) {
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.34, length * 0.72, -length * 0.28, length, 0);
    leaf.cubicTo(length * 0.72, length * 0.28, length * 0.3, length * 0.34, 0, 0);
    leaf.closeSubpath();
    QTransform transform;
    transform.translate(base.x(), base.y());
    transform.rotate(angle);
    return transform.map(leaf);
}

QPainterPath Snowflake(QPointF centre, qreal radius) {
    QPainterPath lines;
    for (int arm = 0; arm < 6; ++arm) {
        const qreal angle = M_PI * arm / 3;
        const QPointF dir(std::cos(angle), std::sin(angle));
        lines.moveTo(centre);
        lines.lineTo(centre + dir * radius);
        for (const qreal at : {0.45, 0.72}) {
            const QPointF root = centre + dir * (radius * at);
            for (const qreal side : {-1.0, 1.0}) {
                const qreal branch = angle + side * M_PI / 4;
                lines.moveTo(root);
                lines.lineTo(root +
                             QPointF(std::cos(branch), std::sin(branch)) * (radius * (1.0 - at) * 0.7));
            }
        }
    }
    QPainterPathStroker stroker;
    stroker.setWidth(radius * 0.11);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath flake = stroker.createStroke(lines);
    flake.setFillRule(Qt::WindingFill);
    return flake;
}

QPainterPath Shell(const QRectF& box) {
    const QPointF hinge(box.center().x(), box.bottom() - box.height() * 0.12);
    const qreal r = std::min(box.width() * 0.5, box.height() * 0.88);
    QPainterPath fan;
    fan.moveTo(hinge);
    fan.arcTo(QRectF(hinge.x() - r, hinge.y() - r, 2 * r, 2 * r), 15, 150);
    fan.closeSubpath();
    fan.setFillRule(Qt::WindingFill);
    const int ribs = 9;
    for (int i = 0; i <= ribs; ++i) {
        const qreal angle = qDegreesToRadians(15.0 + 150.0 * i / ribs);
        const QPointF tip(hinge.x() + r * 0.94 * std::cos(angle), hinge.y() - r * 0.94 * std::sin(angle));
        fan.addEllipse(tip, r * 0.11, r * 0.11);
    }
    QPainterPath ears;
    ears.addRoundedRect(
        QRectF(hinge.x() - r * 0.3, hinge.y() - r * 0.08, r * 0.6, box.bottom() - hinge.y() + r * 0.08),
        r * 0.05, r * 0.05);
    fan.addPath(ears);
    return fan.simplified();
}

} // namespace art
