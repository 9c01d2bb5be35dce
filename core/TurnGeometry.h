// Where a turned or mirrored object lies: the one rule that maps a canvas pixel to the pixel of the
// object's bounds it shows, used alike by rendering, hit testing and the handles. The arithmetic is in
// integers (the turn's cosine and sine in 1/65536ths, positions in half pixels), so that every part of
// the program, and a test's own model, finds exactly the same pixels on every machine.
#pragma once

#include "core/Layer.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <cstdint>
#include <optional>

namespace festoon {

// Everything about an object's geometry.
struct Placement {
    QRect bounds;
    double angle = 0;
    bool mirroredAcross = false;
    bool mirroredUpDown = false;

    friend bool operator==(const Placement&, const Placement&) = default;
};

[[nodiscard]] Placement PlacementOf(const Layer& layer);

// An angle in degrees brought into [0, 360).
[[nodiscard]] double NormalAngle(double degrees);

// The cosine and sine of an angle in fixed point, kTurnOne standing for 1.
constexpr std::int64_t kTurnOne = 1 << 16;
struct Turn {
    std::int64_t cosine = kTurnOne;
    std::int64_t sine = 0;
};
[[nodiscard]] Turn TurnFor(double degrees);

// True when the object is drawn as its bounds, neither turned nor mirrored.
[[nodiscard]] bool IsUpright(const Placement& placement);

// The pixel (u, v) of the bounds, counted from their top-left corner, that canvas pixel `pixel` shows,
// mirroring applied; nothing when the pixel lies outside the turned bounds. Canvas pixel p's centre
// p + ½ is turned back about the centre of the bounds; the pixel it falls in is the one shown.
[[nodiscard]] std::optional<QPoint> LocalPixel(const Placement& placement, QPoint pixel);

// The same for a point anywhere, unmirrored and not limited to the bounds: where a point of the canvas
// lies in the frame of the upright bounds (their top-left corner 0, 0), in pixels.
[[nodiscard]] QPointF LocalPoint(const Placement& placement, QPointF canvasPoint);
// And back: where a point of the upright bounds' frame lies on the canvas.
[[nodiscard]] QPointF CanvasPoint(const Placement& placement, QPointF localPoint);

// The canvas pixels an object may cover: the bounds themselves when it is upright, otherwise every
// pixel that LocalPixel maps inside the bounds lies within this rectangle.
[[nodiscard]] QRect ShownRect(const Placement& placement);
[[nodiscard]] QRect ShownRect(const Layer& layer);

} // namespace festoon
