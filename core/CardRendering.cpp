// The recomposition. A card of upright objects is cut into bands of rows, each rendered on the render
// threads with the backdrop copied in and every object rendered over what lies beneath it there; a card
// with a turned or mirrored object is rendered object by object.
#include "core/CardRendering.h"

#include "core/Bitmap.h"
#include "core/CardArea.h"
#include "core/TurnedObject.h"

#include <algorithm>

namespace festoon {
namespace {

// Every object rendered whole over what lies beneath it, bottom first.
RenderedCard RenderInOrder(const Composition& card, RenderScratch& scratch) {
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

RenderedCard RenderInBands(const Composition& card) {
    RenderedCard rendered;
    rendered.composed = UnfilledBitmap(card.CanvasSize());
    rendered.pictures.reserve(card.Layers().size());
    for (const Layer& layer : card.Layers()) {
        rendered.pictures.append(UnfilledBitmap(layer.bounds.size()));
    }
    RenderAreas(card, rendered, {WholeCard(card)});
    return rendered;
}

} // namespace

bool AllUpright(const Composition& card) {
    const QList<Layer>& layers = card.Layers();
    return std::all_of(layers.begin(), layers.end(),
                       [](const Layer& layer) { return IsUpright(PlacementOf(layer)); });
}

RenderedCard RenderCard(const Composition& card, RenderScratch& scratch) {
    return AllUpright(card) ? RenderInBands(card) : RenderInOrder(card, scratch);
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
            CopyBlock(rendered.pictures.last(), rect.translated(-ShownRect(*top).topLeft()), shown,
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
