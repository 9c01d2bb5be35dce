// Pictures drawn with a transparent colour: the editing surface and the rubber band show only what is
// not white.
#pragma once

#include <QImage>
#include <QRect>

// The part `area` of a 24-bit picture as a premultiplied ARGB image in which pixels of colour `key` are
// fully transparent and all others opaque; a null image when every pixel of the area has the key colour
// or the area lies outside the picture.
[[nodiscard]] QImage KeyOutColour(const QImage& picture, QRgb key, const QRect& area);
