// Exporting a card at any size. The export is rendered afresh at its size from the best source of every
// part, never enlarged from the canvas: each photo and the backdrop decoded again from the file they were
// read from, artwork, masks and frames from their full-size pictures; positions, sizes, stacking and the
// blend through each mask are the card's, scaled.
#pragma once

#include "core/Composition.h"
#include "core/DecodeControl.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QSizeF>

namespace festoon {

// The size whose longer side is `longSide` pixels, in the canvas's proportions (each side at least 1).
[[nodiscard]] QSize ExportSizeForLongSide(QSize canvas, int longSide);
// The largest size in the canvas's proportions that fits paper of `paperMm` at `dpi`, the paper turned
// whichever way suits the card.
[[nodiscard]] QSize ExportSizeForPaper(QSize canvas, QSizeF paperMm, int dpi);

// Where bounds on the canvas lie on an export of `size`: each edge scaled and rounded, at least 1 x 1.
// At the canvas size they are the bounds themselves.
[[nodiscard]] QRect ExportBounds(const QRect& bounds, QSize canvas, QSize size);

// An object's picture and mask made for its place on an export, at its bounds' size there.
struct ExportedObject {
    QImage picture;
    QImage mask;
};
// The object's picture from its best source (the photo's file, decoded at a scale that still gives the
// bounds' pixels, else its picture) and its mask, each resampled to `size`. A kept file that no longer
// decodes falls back to the picture. Throws DecodeCancelled when the control (may be null) asks.
[[nodiscard]] ExportedObject ExportObject(const Layer& layer, QSize size, DecodeControl* control);

// The backdrop at `size`: the clean backdrop from its file (else the canvas-sized one), with the frame
// blended in as on the canvas, the frame and its mask resampled from their own pictures.
[[nodiscard]] QImage ExportBackdrop(const Composition& card, QSize size, DecodeControl* control);

// The finished card, as Save writes it (every object blended twice through its mask, no marks), rendered
// at `size`. Reports its progress in per mille through the control and stops with DecodeCancelled when
// asked; throws std::bad_alloc when the export does not fit in memory.
[[nodiscard]] QImage RenderCardAt(const Composition& card, QSize size, DecodeControl* control = nullptr);

} // namespace festoon
