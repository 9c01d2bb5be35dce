// Placing a piece of artwork from its files: the cartoon, flower and text palettes.
#pragma once

#include <QString>

class CardActions;

namespace festoon {

// Reads the picture and the mask, then places them on the card as a new object, its size the picture's
// divided by `divisor`. Both files are decoded before the card is touched, so a failing file
// (PlatformError) leaves the card exactly as it was.
void PlaceArtworkFiles(CardActions& card, const QString& picturePath, const QString& maskPath, int divisor);

} // namespace festoon
