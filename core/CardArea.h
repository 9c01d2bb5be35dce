// Rendering a card over one rectangle: the backdrop copied into the composed canvas there, then each
// object's picture rendered over what lies beneath it there and, except the topmost, drawn into the
// canvas. The same bytes as rendering every object whole, one after the other, restricted to the
// rectangle: every pixel depends only on the pixels at the same place beneath it.
#pragma once

#include "core/Composition.h"
#include "core/StretchCache.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <vector>

namespace festoon {

struct RenderedCard;

// Where a rendering writes: raw rows taken once, before the threads start, so that no thread touches
// an image's sharing (QImage's detaching is not thread-safe).
struct RenderTarget {
    struct Rows {
        uchar* bits = nullptr; // null: nothing is written (an object without a picture)
        qsizetype stride = 0;
    };
    QRect canvas;
    Rows composed;
    std::vector<Rows> objects; // one per layer
    // The card's pictures as 24-bit bitmaps (shallow copies when they already are).
    QImage backdrop;
    std::vector<QImage> pictures;
    std::vector<QImage> masks;
    // Per layer, its picture and mask already stretched to its bounds, or null to stretch them here.
    std::vector<const StretchCache::Stretched*> stretched;

    // Takes the rows of `rendered` (a composed canvas of the card's size, a picture of its bounds'
    // size per layer, or null) that `areas` reach, detaching them from any copy first; the others are
    // left alone and not written.
    RenderTarget(const Composition& card, RenderedCard& rendered, const std::vector<QRect>& areas,
                 const StretchCache* cache);
};

// Everything a rendering of the card writes: the canvas and every object's bounds.
[[nodiscard]] QRect WholeCard(const Composition& card);

// A picture of `size` whose pixels a rendering overwrites; null when empty or when there is no memory
// for it (the object is then left out, as an object too large to render always was).
[[nodiscard]] QImage UnfilledBitmap(QSize size);

// Renders the card over `areas` (disjoint), cut into bands that the render threads share; the objects'
// stretched pictures and masks are taken from `cache` where it has them (it may be null).
void RenderAreas(const Composition& card, RenderedCard& rendered, const std::vector<QRect>& areas,
                 const StretchCache* cache = nullptr);

// Renders the card over `area` (canvas coordinates; it may reach past the canvas, where objects see
// black beneath them). Areas that do not overlap may be rendered at the same time.
void RenderCardArea(const Composition& card, const RenderTarget& target, const QRect& area);

} // namespace festoon
