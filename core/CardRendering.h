// Rendering a card: a pure function of a Composition. Every object is shown blended through its mask
// over everything beneath it, bottom layer first, as the windows show it and a save writes it.
#pragma once

#include "core/Composition.h"
#include "core/RenderObject.h"

#include <QImage>
#include <QList>
#include <QRegion>

namespace festoon {

struct RenderedCard {
    // The canvas with the backdrop stretched over it and every object but the topmost drawn in.
    QImage composed;
    // One per layer, in the same order: the object's picture over its ShownRect (its bounds unless it is
    // turned or mirrored), blended as many times as its blendPasses over what lies beneath it (null for
    // an object with empty bounds).
    QList<QImage> pictures;
};

// Renders every layer of the card. A card of upright objects is cut into bands that the render threads
// share (core/BandPool.h), with the same result whatever the number of threads; a card with a turned or
// mirrored object is rendered one object after the other, reusing the scratch bitmaps.
[[nodiscard]] RenderedCard RenderCard(const Composition& card, RenderScratch& scratch);
[[nodiscard]] RenderedCard RenderCard(const Composition& card);

// Whether every object of the card stands upright and unmirrored, so that a rectangle of it can be
// rendered alone (core/CardArea.h).
[[nodiscard]] bool AllUpright(const Composition& card);

// The finished card at the canvas size, as Save writes it: recomposed with every object blended twice,
// the topmost drawn over the rest at its bounds, no selection marks.
[[nodiscard]] QImage CardPicture(const Composition& card);

// The canvas as the windows show it: the composed canvas with the topmost object's picture drawn over
// it (selection marks aside).
[[nodiscard]] QImage ShownCanvas(const RenderedCard& rendered, const Composition& card);

// Brings `shown`, a canvas as ShownCanvas gives it, up to date with `rendered` over `changed` only; a
// shown canvas of another size than the card's is made anew, whole.
void UpdateShownCanvas(QImage& shown, const RenderedCard& rendered, const Composition& card,
                       const QRegion& changed);

} // namespace festoon
