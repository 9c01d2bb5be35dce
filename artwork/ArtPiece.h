// Catalog pieces are drawn on a transparent layer; these helpers turn such a layer into what the
// program reads: a picture that does not halo, a luminance mask and a thumbnail on a neutral ground.
#pragma once

#include <QColor>
#include <QImage>

// The soft light grey-beige that thumbnails and the pictures' surroundings show.
inline const QColor kNeutralGround(236, 232, 224);

// A transparent ARGB32_Premultiplied layer to draw a piece on.
[[nodiscard]] QImage NewLayer(int width, int height);

// White where the layer is opaque, black where it is transparent, the alpha as grey in between.
[[nodiscard]] QImage MaskFromLayer(const QImage& layer);

// The layer's colours at full strength wherever it has any coverage, so that grey mask pixels blend
// towards the piece's own edge colour; transparent pixels up to `bleed` pixels away repeat the
// nearest edge colour (JPEG smears edges), and the rest is `ground`.
[[nodiscard]] QImage PictureFromLayer(const QImage& layer, int bleed, const QColor& ground = kNeutralGround);

// The piece cropped to its coverage, scaled to fit `size` minus `margin` on each side and centred on
// `ground`; sizes are logical pixels, drawn at `ratio` device pixels to each.
[[nodiscard]] QImage ThumbnailFromLayer(const QImage& layer, int size = 80, int margin = 5,
                                        const QColor& ground = kNeutralGround, int ratio = 1);

// The layer over a ring of `colour` that reaches `width` pixels beyond its silhouette, anti-aliased;
// the layer's faint coverage beyond the ring is cut away.
[[nodiscard]] QImage WithOutline(const QImage& layer, double width, const QColor& colour);

// The smallest rectangle holding every pixel with any coverage (empty for an empty layer).
[[nodiscard]] QRect CoverageBounds(const QImage& layer);
