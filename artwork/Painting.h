// The generator's drawing toolkit: the house colours, noise and blur on raw rows, soft shadows,
// feathered masks and compositing through a mask. Every routine works on whole images via scanLine.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <cstdint>

namespace art {

// The colour family every window shares.
namespace house {
inline const QColor Espresso(38, 22, 14);
inline const QColor DarkChocolate(56, 33, 20);
inline const QColor Chocolate(86, 52, 30);
inline const QColor Cocoa(120, 76, 44);
inline const QColor Caramel(184, 118, 56);
inline const QColor Gold(226, 184, 96);
inline const QColor PaleGold(244, 218, 150);
inline const QColor Cream(250, 238, 214);
} // namespace house

// A small, fast, seedable generator so that every build draws exactly the same pictures.
class Random {
  public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t Next();
    double Uniform(double low, double high); // in [low, high)
    int Between(int low, int high);          // in [low, high]

  private:
    std::uint32_t state_;
};

// A w x h premultiplied ARGB canvas filled with `fill` (transparent by default), drawn at `ratio` device
// pixels to a logical one: the image has w * ratio x h * ratio pixels and that device pixel ratio, so a
// painter on it draws in the same logical coordinates at every ratio.
[[nodiscard]] QImage NewCanvas(int w, int h, QColor fill = Qt::transparent, int ratio = 1);
// A w x h 8-bit grey image filled with `level`.
[[nodiscard]] QImage NewGrey(int w, int h, int level = 0);

// Smooth fractal noise in 0..255 (8-bit grey): random lattices of cell size `cell`, halving per octave.
[[nodiscard]] QImage FractalNoise(int w, int h, int cell, int octaves, std::uint32_t seed);
// Adds noise of +-amplitude to the colour channels of an RGB32/ARGB32 image (alpha kept).
void AddGrain(QImage& image, int amplitude, std::uint32_t seed);
// Modulates an RGB32/ARGB32 image by a grey image of the same size: 128 keeps, 0 darkens by
// `strength`, 255 lightens by `strength` (0..1).
void ModulateBy(QImage& image, const QImage& grey, double strength);

// Three box-blur passes (close to a Gaussian of the same radius) on an 8-bit grey image, in place.
void BlurGrey(QImage& grey, int radius);
// The path filled white on black at the given size, anti-aliased, then blurred by `feather`.
[[nodiscard]] QImage FeatheredShape(const QPainterPath& path, int w, int h, int feather);

// Draws the soft shadow of `path` (moved by offset) in `colour`, blurred by `blur`, clipped to `clip`
// when that is not empty (used for shadows cast inside a recess). Shadows and inner shadows are made at
// the device pixel ratio of the painter's image, so that they are as fine as the rest of it.
void DrawSoftShadow(QPainter& painter, const QPainterPath& path, QPointF offset, int blur, QColor colour,
                    const QPainterPath& clip = QPainterPath());
// An inner shadow: darkness just inside the edge of `path`, strongest at the top-left.
void DrawInnerShadow(QPainter& painter, const QPainterPath& path, int blur, QColor colour,
                     QPointF offset = QPointF(2, 3));

// Per pixel: top where mask is white, bottom where black (8-bit grey mask, all three the same size).
[[nodiscard]] QImage BlendThroughMask(const QImage& top, const QImage& bottom, const QImage& mask);
// The grey image as an opaque RGB picture (for writing masks as JPEG).
[[nodiscard]] QImage GreyToRgb(const QImage& grey);
// Maps a grey image to colours: 0 gives `dark`, 255 gives `light`, linearly between.
[[nodiscard]] QImage TintGrey(const QImage& grey, QColor dark, QColor light);
// The image flattened onto an opaque background colour.
[[nodiscard]] QImage Flattened(const QImage& image, QColor background);

// The panel as an opaque picture for a shaped window: pixels less than half covered become `key`, the
// rest are flattened onto `edge` (a colour near the outline, so the rim shows no fringe of the key).
// No pixel of the panel keeps the key colour, or the window would get holes. The result keeps the
// panel's device pixel ratio.
[[nodiscard]] QImage KeyedPicture(const QImage& panel, QColor key, QColor edge);
// The same panel drawn at a higher device pixel ratio, keyed exactly where `shape` (the keyed picture of
// ratio 1) is keyed: a window is shaped in logical pixels, so both pictures must show the same outline.
[[nodiscard]] QImage KeyedPictureLike(const QImage& panel, QColor key, QColor edge, const QImage& shape);

// A linear gradient fill from `top` to `bottom` across `rect`, vertical.
void FillVertical(QPainter& painter, const QPainterPath& path, const QRectF& rect, QColor top, QColor bottom);

} // namespace art
