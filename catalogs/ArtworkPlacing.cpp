// Placing artwork as a new canvas object through the main window's placing protocol.
#include "catalogs/ArtworkPlacing.h"

#include "app/Unit1.h"
#include "app/img.h"
#include "core/ArtworkReader.h"

#include <algorithm>

namespace festoon {

void PlaceArtwork(TImg* object, const QImage& picture, const QImage& mask, int divisor) {
    // A picture smaller than the divisor would give an empty object, which cannot be rendered.
    const int width = std::max(1, picture.width() / divisor);
    const int height = std::max(1, picture.height() / divisor);
    object->setGeometry(10, 10, width, height);
    object->setPicture(picture);
    object->BMP = picture;
    object->Mask = mask;
    object->setVisible(true);
}

int AddArtworkObject(const QString& picturePath, const QString& maskPath, int divisor) {
    const QImage picture = ReadArtworkFile(picturePath);
    const QImage mask = ReadArtworkFile(maskPath);
    const int slot = FormMain->FirstFreeSlot();
    PlaceArtwork(FormMain->ObjectSlots[slot], picture, mask, divisor);
    FormMain->PlaceObject(slot);
    return slot;
}

} // namespace festoon
