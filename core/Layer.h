// One object on a card: where it sits, what it shows and through which mask.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

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
    // The bytes of the file a photo was read from, kept so that an export decodes the photo again at the
    // size it needs (empty for artwork, lettering and pictures from elsewhere). The picture above is what
    // the canvas shows; the file's picture, upright, covers the same bounds.
    QByteArray original = {};

    friend bool operator==(const Layer&, const Layer&) = default;
};

} // namespace festoon
