// The recomposition: the canvas is cut into bands of rows, each rendered on the render threads with the
// backdrop copied in and every object rendered over what lies beneath it there.
#include "core/CardRendering.h"

#include "core/Bitmap.h"
#include "core/CardArea.h"

namespace festoon {

RenderedCard RenderCard(const Composition& card) {
    RenderedCard rendered;
    rendered.composed = UnfilledBitmap(card.CanvasSize());
    rendered.pictures.reserve(card.Layers().size());
    for (const Layer& layer : card.Layers()) {
        rendered.pictures.append(UnfilledBitmap(layer.bounds.size()));
    }
    RenderAreas(card, rendered, {WholeCard(card)});
    return rendered;
}

QImage ShownCanvas(const RenderedCard& rendered, const Composition& card) {
    QImage canvas = rendered.composed;
    if (const Layer* top = card.TopLayer(); top != nullptr && !rendered.pictures.isEmpty()) {
        DrawUnscaled(rendered.pictures.last(), canvas, top->bounds.topLeft());
    }
    return canvas;
}

void UpdateShownCanvas(QImage& shown, const RenderedCard& rendered, const Composition& card,
                       const QRegion& changed) {
    if (shown.size() != rendered.composed.size() || shown.format() != rendered.composed.format()) {
        shown = ShownCanvas(rendered, card);
        shown.detach(); // its own pixels, which later updates change in place
        return;
    }
    const Layer* top = card.TopLayer();
    for (const QRect& rect : changed) {
        CopyBlock(rendered.composed, rect, shown, rect.topLeft());
        if (top != nullptr && !rendered.pictures.isEmpty()) {
            CopyBlock(rendered.pictures.last(), rect.translated(-top->bounds.topLeft()), shown,
                      rect.topLeft());
        }
    }
}

QImage CardPicture(const Composition& card) {
    Composition recomposed = card;
    recomposed.Recompose();
    return ShownCanvas(RenderCard(recomposed), recomposed);
}

} // namespace festoon
