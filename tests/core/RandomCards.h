// Seeded random cards for checking the fast renderings against the plain one: canvases of any size,
// objects of any size and place (past the canvas edges, empty, without a picture or a mask), enlarged
// and shrunk pictures, blended once or twice.
#pragma once

#include "core/Composition.h"

#include <random>

namespace festoon {

// A card of up to `most` objects on a canvas of up to `largest` size.
[[nodiscard]] Composition RandomCard(std::mt19937& random, int most, QSize largest);

// Bounds for an object of the card: mostly on the canvas, some reaching past it, a few empty.
[[nodiscard]] QRect RandomBounds(std::mt19937& random, QSize canvas);

// Places a random object on the card: a picture and a mask of random sizes, now and then null.
void PlaceRandomObject(Composition& card, std::mt19937& random);

} // namespace festoon
