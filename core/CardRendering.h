// Rendering a card: a pure function of a Composition. Every object is shown blended through its mask
// over everything beneath it, bottom layer first, as the windows show it and a save writes it.
#pragma once

#include "core/Composition.h"
#include "core/RenderObject.h"

#include <QImage>
#include <QList>

namespace festoon {

struct RenderedCard {
    // The canvas with the backdrop stretched over it and every object but the topmost drawn in.
    QImage composed;
    // One per layer, in the same order: the object's picture over its ShownRect (its bounds unless it is
    // turned), blended as many times as its
    // blendPasses over what lies beneath it (null for an object with empty bounds).
    QList<QImage> pictures;
};

// Renders every layer of the card. The scratch bitmaps are reused from one call to the next.
[[nodiscard]] RenderedCard RenderCard(const Composition& card, RenderScratch& scratch);
[[nodiscard]] RenderedCard RenderCard(const Composition& card);

// The finished card at the canvas size, as Save writes it: recomposed with every object blended twice,
// the topmost drawn over the rest at its bounds, no selection marks.
[[nodiscard]] QImage CardPicture(const Composition& card);

// The canvas as the windows show it: the composed canvas with the topmost object's picture drawn over
// it (selection marks aside).
[[nodiscard]] QImage ShownCanvas(const RenderedCard& rendered, const Composition& card);

} // namespace festoon
