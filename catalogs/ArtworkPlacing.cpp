// Placing artwork read from a catalog.
#include "catalogs/ArtworkPlacing.h"

#include "catalogs/CardActions.h"
#include "core/ArtworkReader.h"

namespace festoon {

void PlaceArtworkFiles(CardActions& card, const QString& picturePath, const QString& maskPath, int divisor) {
    const QImage picture = ReadArtworkFile(picturePath);
    const QImage mask = ReadArtworkFile(maskPath);
    card.PlaceArtwork(picture, mask, divisor);
}

} // namespace festoon
