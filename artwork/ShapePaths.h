// Outlines shared by the stickers, flowers and balloons: hearts, stars, bursts and clouds.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// A symmetric heart filling `box`, its point at the bottom centre.
[[nodiscard]] QPainterPath HeartPath(const QRectF& box);

// A star of `points` tips between the two radii, the first tip straight up.
[[nodiscard]] QPainterPath StarPath(QPointF centre, double outerRadius, double innerRadius, int points);

// A spiky burst within the ellipse of radii `rx`, `ry`; the notches reach `depth` (0..1) inwards.
// `wobble` varies the spikes' lengths so that it looks hand-drawn rather than machine-made.
[[nodiscard]] QPainterPath BurstPath(QPointF centre, double rx, double ry, int spikes, double depth,
                                     double wobble = 0.0);

// A cloud: a ring of bulges around the ellipse of radii `rx`, `ry`.
[[nodiscard]] QPainterPath CloudPath(QPointF centre, double rx, double ry, int bulges);
