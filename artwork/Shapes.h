// Outlines shared by the masks, frames and skins: each fills the given box (or centre and radius).
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <cstdint>

namespace art {

[[nodiscard]] QPainterPath RoundedBox(const QRectF& box, qreal radius);
[[nodiscard]] QPainterPath Ellipse(const QRectF& box);
[[nodiscard]] QPainterPath Heart(const QRectF& box);
// A star of `points` tips; `innerRatio` is the inner radius over the outer one.
[[nodiscard]] QPainterPath Star(QPointF centre, qreal radius, int points, qreal innerRatio, qreal turn = 0);
[[nodiscard]] QPainterPath RegularPolygon(QPointF centre, qreal radius, int corners, qreal turn = 0);
// Round petals around a centre; `petalRadius` is each petal's radius.
[[nodiscard]] QPainterPath Flower(QPointF centre, qreal radius, int petals, qreal petalRadius);
// A circle whose rim is a ring of `bumps` scallops.
[[nodiscard]] QPainterPath Scalloped(QPointF centre, qreal radius, int bumps, qreal bumpRadius);
[[nodiscard]] QPainterPath Cloud(const QRectF& box);
[[nodiscard]] QPainterPath Keyhole(const QRectF& box);
// A round-topped window; `pointed` gives a gothic arch instead.
[[nodiscard]] QPainterPath Arch(const QRectF& box, bool pointed);
[[nodiscard]] QPainterPath Diamond(const QRectF& box);
// A rectangle whose edges wander by up to `roughness` pixels, as torn paper.
[[nodiscard]] QPainterPath TornBox(const QRectF& box, qreal roughness, std::uint32_t seed);
[[nodiscard]] QPainterPath Crescent(QPointF centre, qreal radius);
[[nodiscard]] QPainterPath Shield(const QRectF& box);
[[nodiscard]] QPainterPath PuzzlePiece(const QRectF& box);
[[nodiscard]] QPainterPath SpeechBubble(const QRectF& box);
// A leaf pointing along `angle` (degrees) from its stem at `base`.
[[nodiscard]] QPainterPath Leaf(QPointF base, qreal length, qreal angle);
// A six-armed snowflake drawn as a stroke outline.
[[nodiscard]] QPainterPath Snowflake(QPointF centre, qreal radius);
// A scallop shell opening upwards, its hinge at the bottom of the box.
[[nodiscard]] QPainterPath Shell(const QRectF& box);

} // namespace art
