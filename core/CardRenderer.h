// CardRenderer: keeps the rendering of the card a view shows, and brings it up to date after each change
// over the rectangles the change touched only, reusing the memory of pictures that did not change. The
// result is always the bytes RenderCard gives for the card.
#pragma once

#include "core/CardRendering.h"
#include "core/Composition.h"
#include "core/StretchCache.h"

#include <QRegion>
#include <optional>

namespace festoon {

class CardRenderer {
  public:
    // Brings the rendering up to date with `card`. Returns the part of the canvas whose shown pixels
    // (ShownCanvas) may differ from the last rendering's: the whole canvas when everything was rendered.
    QRegion Render(const Composition& card);
    // Renders all of `card` again, as after a change that touched everything; returns the canvas.
    QRegion RenderAll(const Composition& card);
    [[nodiscard]] const RenderedCard& Rendered() const { return rendered_; }
    // Forgets the card and its rendering; the next Render renders everything.
    void Clear();

  private:
    QRegion RenderTouched(const Composition& card, const QList<QRect>& touched);

    std::optional<Composition> card_; // the card last rendered
    RenderedCard rendered_;
    StretchCache stretched_;
    RenderScratch scratch_;
};

} // namespace festoon
