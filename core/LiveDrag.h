// An object following the pointer while it is moved, resized or turned: the card without it is rendered
// once when the drag starts, and each frame renders only the object, blended over that picture. The
// dragged object is shown above the others until the drag ends; a pressed object is raised to the top
// anyway unless it was selected already.
#pragma once

#include "core/CardRendering.h"
#include "core/Composition.h"
#include "core/RenderObject.h"
#include "core/TurnGeometry.h"

#include <QImage>

namespace festoon {

class LiveDrag {
  public:
    // The object in `slot` is dragged; the others stay as the card shows them. When it is the topmost
    // object, `rendered` (the card's rendering, if at hand) already holds the canvas beneath it.
    LiveDrag(const Composition& card, int slot, const RenderedCard* rendered = nullptr);

    // The canvas with every object but the dragged one.
    [[nodiscard]] const QImage& Beneath() const { return beneath_; }
    [[nodiscard]] const Layer& Dragged() const { return layer_; }

    // The dragged object at `placement`, blended once over what lies beneath it there (as it shows at
    // the end of the drag); it goes at ShownRect(placement).
    [[nodiscard]] QImage Frame(const Placement& placement);

  private:
    QImage beneath_;
    Layer layer_;
    RenderScratch scratch_;
};

} // namespace festoon
