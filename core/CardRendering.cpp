// The recomposition: the backdrop stretched over the canvas, then each object rendered over what lies
// beneath it and, except the topmost, drawn into the canvas for the objects above.
#include "core/CardRendering.h"

#include "core/Bitmap.h"
#include "core/TurnedObject.h"

namespace festoon {

RenderedCard RenderCard(const Composition& card, RenderScratch& scratch) {
    RenderedCard rendered;
    const QSize canvas = card.CanvasSize();
    rendered.composed = StretchBitmap(card.Backdrop(), canvas.width(), canvas.height());
    const QList<Layer>& layers = card.Layers();
    rendered.pictures.reserve(layers.size());
    for (qsizetype i = 0; i < layers.size(); ++i) {
        const Layer& layer = layers[i];
        rendered.pictures.append(RenderLayer(rendered.composed, layer, scratch));
        const bool topmost = i == layers.size() - 1;
        if (!topmost) {
            DrawUnscaled(rendered.pictures.last(), rendered.composed, ShownRect(layer).topLeft());
        }
    }
    return rendered;
}

RenderedCard RenderCard(const Composition& card) {
    RenderScratch scratch;
    return RenderCard(card, scratch);
}

QImage ShownCanvas(const RenderedCard& rendered, const Composition& card) {
    QImage canvas = rendered.composed;
    if (const Layer* top = card.TopLayer(); top != nullptr && !rendered.pictures.isEmpty()) {
        DrawUnscaled(rendered.pictures.last(), canvas, ShownRect(*top).topLeft());
    }
    return canvas;
}

QImage CardPicture(const Composition& card) {
    Composition recomposed = card;
    recomposed.Recompose();
    return ShownCanvas(RenderCard(recomposed), recomposed);
}

} // namespace festoon
