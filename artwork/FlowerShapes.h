// The parts flowers are built from (petals, blossoms, leaves, stems) and a few whole flowers that do
// not follow the radial pattern. Coordinates are the painter's; sizes are given per call.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

enum class PetalShape { Round, Pointed, Notched, Fan, Slim, Ruffled };

// A petal `length` long and `width` wide at its widest, its base at the origin, pointing up.
[[nodiscard]] QPainterPath PetalPath(PetalShape shape, double length, double width);

// Column: the hibiscus's long pollen column reaching out of the flower.
enum class FlowerHeart { Disc, Seeds, Stamens, Pistil, Column };

// A flower seen from above: `rings` rings of `petals` petals each, the inner rings smaller and turned.
struct BlossomStyle {
    PetalShape shape = PetalShape::Round;
    int petals = 5;
    int rings = 1;
    double petalWidth = 0.5; // relative to the petal's length
    QColor base;             // the petal's colour near the heart
    QColor tip;              // the petal's colour at its tip
    FlowerHeart heart = FlowerHeart::Disc;
    double heartSize = 0.22; // relative to the radius
    QColor heartLight, heartDark;
    bool spots = false; // speckles near the base, as on lilies
    double turn = 0;    // degrees the whole blossom is turned
};

void DrawBlossom(QPainter& painter, QPointF centre, double radius, const BlossomStyle& style);

// A rose seen from above: layered rounded petals closing into a spiral bud.
void DrawRose(QPainter& painter, QPointF centre, double radius, const QColor& light, const QColor& dark);

// A leaf from `base` towards `angle` degrees (0 = right, 90 = down), with a midrib and veins.
void DrawLeaf(QPainter& painter, QPointF base, double angle, double length, double width,
              const QColor& light = QColor(120, 200, 70), const QColor& dark = QColor(40, 120, 40));

// An ivy leaf: five pointed lobes.
void DrawIvyLeaf(QPainter& painter, QPointF centre, double size, double angle);

// A stem along `path`, rounded at its ends.
void DrawStem(QPainter& painter, const QPainterPath& path, double width,
              const QColor& colour = QColor(70, 140, 50));

// A tulip's cup seen from the side, standing on `base`.
void DrawTulipBloom(QPainter& painter, QPointF base, double size, const QColor& light, const QColor& dark);

// A lotus seen from the side: pointed petals fanned upwards from `base`.
void DrawLotusBloom(QPainter& painter, QPointF base, double size, const QColor& light, const QColor& dark);

// A lavender spike from `from` to `to`, with buds in pairs along it.
void DrawLavender(QPainter& painter, QPointF from, QPointF to, double budSize);

// A small bud: a closed teardrop of colour in a green calyx, pointing towards `angle` degrees.
void DrawBud(QPainter& painter, QPointF base, double angle, double size, const QColor& colour);

// The outline colour for a fill: the same hue, darker.
[[nodiscard]] QColor EdgeOf(const QColor& colour);
