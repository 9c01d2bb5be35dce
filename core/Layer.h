// One object on a card: where it sits, what it shows and through which mask.
#pragma once

#include "core/Lettering.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace festoon {

struct Layer {
    // 1 to 50: how the rest of the program names the object.
    int slot = 0;
    // The object's name; "man" anywhere in it marks a photo, which masks act on.
    QString name;
    // Where the object sits on the canvas, in canvas pixels.
    QRect bounds;
    // The object's own picture and its mask, each at whatever size it was given; both are stretched to
    // the bounds whenever the object is rendered. White in the mask shows the picture, black what lies
    // beneath, greys mix by the mask's luminance.
    QImage picture;
    QImage mask;
    // How many times the picture on screen was blended over what lies beneath: 2 after every
    // recomposition, 1 after the object was moved or resized, until the next recomposition.
    int blendPasses = 2;
    // How far the object is turned about the centre of its bounds, clockwise on the screen, in degrees
    // from 0 up to 360; the bounds are those of the object before it is turned.
    double angle = 0;
    // Mirrored left to right, and top to bottom, within its bounds before it is turned.
    bool mirroredAcross = false;
    bool mirroredUpDown = false;
    // For lettering, what it was made from; the picture and mask are drawn from it.
    std::optional<Lettering> lettering{};
    // The bytes of the file a photo was read from, kept so that an export decodes the photo again at the
    // size it needs (empty for artwork, lettering and pictures from elsewhere). The picture above is what
    // the canvas shows; the file's picture, upright, covers the same bounds.
    QByteArray original = {};

    friend bool operator==(const Layer&, const Layer&) = default;
};

} // namespace festoon
