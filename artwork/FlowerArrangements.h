// Whole flower pieces for the catalog: single blooms, stems, clusters, bouquets, wreaths and vines.
// Each draws in a logical box whose size the catalog gives (1000 units on the longer side).
#pragma once

#include "artwork/FlowerShapes.h"

#include <QSizeF>
#include <vector>

// The blossoms the catalog uses, by name.
namespace blossoms {
BlossomStyle Daisy();
BlossomStyle Sunflower();
BlossomStyle CherryBlossom();
BlossomStyle TigerLily();
BlossomStyle Hibiscus(const QColor& base, const QColor& tip);
BlossomStyle Poppy();
BlossomStyle ForgetMeNot();
BlossomStyle Cosmos();
BlossomStyle Gerbera();
BlossomStyle StarLily();
BlossomStyle Plumeria();
BlossomStyle Cornflower();
BlossomStyle Marigold();
BlossomStyle Violet();
} // namespace blossoms

// One blossom with a few leaves behind it, filling the box.
void DrawBlossomWithLeaves(QPainter& painter, QSizeF box, const BlossomStyle& style, int leaves = 3);
// One rose with leaves behind it.
void DrawRoseWithLeaves(QPainter& painter, QSizeF box, const QColor& light, const QColor& dark);
// A few blossoms of one kind, overlapping, with leaves and buds.
void DrawBlossomCluster(QPainter& painter, QSizeF box, const BlossomStyle& style, int count);
// A single tulip on a long stem with two leaves.
void DrawTulip(QPainter& painter, QSizeF box, const QColor& light, const QColor& dark);
// A lotus on its floating leaf.
void DrawLotus(QPainter& painter, QSizeF box);
// A branch with blossoms and buds along it.
void DrawBlossomBranch(QPainter& painter, QSizeF box, const BlossomStyle& style);
// Two or three stemmed blossoms leaning apart.
void DrawStemmedPair(QPainter& painter, QSizeF box, const BlossomStyle& style);
// A rosebud on a stem with leaves.
void DrawRoseBud(QPainter& painter, QSizeF box);
// Lavender spikes tied with a ribbon.
void DrawLavenderBundle(QPainter& painter, QSizeF box, int stems);
// A bouquet of roses and daisies (or tulips) in a paper cone with a bow.
void DrawBouquet(QPainter& painter, QSizeF box, bool tulips);
// A ring of leaves with flowers on it.
void DrawWreath(QPainter& painter, QSizeF box, bool crownOfDaisies);
// A vine across the box: along the middle (garland), hanging in a swag, or along two edges (corner).
enum class VineCourse { Wave, Swag, Corner };
void DrawFlowerVine(QPainter& painter, QSizeF box, VineCourse course, const BlossomStyle& style, bool roses);
// Ivy trailing across the box.
void DrawIvyTrail(QPainter& painter, QSizeF box);
// Loose petals, scattered or laid out as a heart.
void DrawPetalScatter(QPainter& painter, QSizeF box, bool asHeart);
