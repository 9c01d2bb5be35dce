// Splitting the areas of a card to be rendered into horizontal bands that the render threads share.
// Every pixel of a band depends only on the pixels at the same place in the layers beneath, so bands
// can be rendered in any order and at the same time with the same result.
#pragma once

#include <QList>
#include <QRect>
#include <vector>

namespace festoon {

// Splits each of `areas` (disjoint) into bands of whole rows, as wide as the area, for `threads`
// threads. A row's work counts the canvas pixels it copies from the backdrop and the object pixels it
// renders (`objects` are the objects' bounds); the bands of all areas together carry about equal work,
// several per thread so that a thread done early takes another, and few enough rows that a band's
// canvas rows stay in the processor's cache from the first object to the last. Bands are listed area
// by area, top to bottom.
[[nodiscard]] std::vector<QRect> SplitIntoBands(const std::vector<QRect>& areas, const QRect& canvas,
                                                const std::vector<QRect>& objects, int threads);

} // namespace festoon
