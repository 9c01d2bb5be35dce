// Each object: what lies beneath it (black past the canvas), its picture and mask stretched to its
// bounds, the reference blend as many times as its passes; drawn into the canvas unless it is topmost.
#include "tests/reference/CardRenderingReference.h"

#include "core/Bitmap.h"
#include "tests/reference/MaskBlendReference.h"

namespace festoon {

RenderedCard RenderCardReference(const Composition& card) {
    RenderedCard rendered;
    const QSize canvas = card.CanvasSize();
    rendered.composed = StretchBitmap(card.Backdrop(), canvas.width(), canvas.height());
    const QList<Layer>& layers = card.Layers();
    for (qsizetype i = 0; i < layers.size(); ++i) {
        const QRect& bounds = layers[i].bounds;
        QImage under = MakeBitmap(bounds.width(), bounds.height());
        CopyBlock(rendered.composed, bounds, under, QPoint(0, 0));
        QImage picture = StretchBitmap(layers[i].picture, bounds.width(), bounds.height());
        const QImage mask = StretchBitmap(layers[i].mask, bounds.width(), bounds.height());
        for (int pass = 0; pass < layers[i].blendPasses; ++pass) {
            MaskBlendReference(picture, under, mask);
        }
        if (i + 1 < layers.size()) {
            DrawUnscaled(picture, rendered.composed, bounds.topLeft());
        }
        rendered.pictures.append(picture);
    }
    return rendered;
}

} // namespace festoon
