// Building blocks of the frame catalog: a frame is a picture and an opening mask of the same size
// (white where the backdrop shows through), drawn together so decorations that reach over the opening
// cover it in both.
#pragma once

#include "artwork/Painting.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <vector>

namespace art::frames {

inline constexpr int kWidth = 1000;
inline constexpr int kHeight = 750;
inline const QRectF kWhole(0, 0, kWidth, kHeight);

struct Frame {
    QImage picture; // premultiplied ARGB, opaque
    QImage opening; // 8-bit grey: 255 where the backdrop shows through
};

using FrameDesign = std::function<Frame()>;

// Frames made of a material (wood, gilt, paper, fabric, metal, stone), 20 designs.
[[nodiscard]] std::vector<FrameDesign> MaterialFrames();
// Frames made of motifs (hearts, stars, snow, leaves, confetti...), 20 designs.
[[nodiscard]] std::vector<FrameDesign> MotifFrames();

// kWhole shrunk by `inset` on every side.
[[nodiscard]] inline QRectF Inset(qreal inset) {
    return kWhole.adjusted(inset, inset, -inset, -inset);
}

// A frame whose picture is `material` (or a flat colour) with no opening yet.
[[nodiscard]] Frame NewFrame(const QImage& material);
[[nodiscard]] Frame NewFrame(QColor colour);

// Opens `shape` with an edge softened by `feather` and a shadow of `shadow` pixels cast inward by the
// frame. Inside the opening the picture is darkened, so later shadows falling there read as shade.
void Cut(Frame& frame, const QPainterPath& shape, int feather, int shadow);

// Paints on the picture and covers the opening under what is painted.
class FramePainter {
  public:
    explicit FramePainter(Frame& frame);
    QPainter& picture() { return picture_; }
    void Fill(const QPainterPath& path, const QBrush& brush);
    void Stroke(const QPainterPath& path, const QPen& pen);
    // A soft drop shadow of `path`, on the frame and over the opening alike.
    void Shadow(const QPainterPath& path, QPointF offset, int blur, int alpha);
    // Shadow and then fill.
    void Raised(const QPainterPath& path, const QBrush& brush, QPointF offset = QPointF(2, 3), int blur = 3);

  private:
    QPainter picture_;
    QPainter opening_;
};

// Materials, each kWidth x kHeight unless a size is given.
[[nodiscard]] QImage Wood(QColor light, QColor dark, std::uint32_t seed, bool vertical, QSize size = {});
[[nodiscard]] QImage Textured(QColor colour, int grain, int mottle, std::uint32_t seed);
[[nodiscard]] QImage Woven(QColor warp, QColor weft, int pitch, std::uint32_t seed);
[[nodiscard]] QImage Marble(QColor ground, QColor vein, std::uint32_t seed);
[[nodiscard]] QImage Brushed(QColor light, QColor dark, std::uint32_t seed);

// Paints `horizontal` on the top and bottom and `vertical` on the sides of the ring between `outer`
// and `inner`, meeting in mitred corners.
void PaintMitred(QPainter& painter, const QImage& horizontal, const QImage& vertical, const QRectF& outer,
                 const QRectF& inner);
// Light from the top-left on a ring between two rectangles: lit top and left, shaded bottom and right.
void LightRing(QPainter& painter, const QRectF& outer, const QRectF& inner, int strength);
// A rounded profile across a ring: light and dark strokes stepping from outer to inner, like a moulding.
void Moulding(QPainter& painter, const QRectF& outer, const QRectF& inner, QColor base, qreal radius = 0);

// Places `count` motifs at random on the frame outside `keepClear`, calling draw(point, size, index).
void Scatter(std::uint32_t seed, int count, qreal minSize, qreal maxSize, const QPainterPath& keepClear,
             const std::function<void(QPointF, qreal, int)>& draw);
// Points evenly along a path (`count` of them), with the path's angle at each.
void AlongPath(const QPainterPath& path, int count, const std::function<void(QPointF, qreal, int)>& draw);

} // namespace art::frames
