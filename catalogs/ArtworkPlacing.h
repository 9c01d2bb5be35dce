// Placing a piece of artwork on the canvas as a new object: the cartoon, flower and text palettes.
#pragma once

#include <QImage>
#include <QString>

class TImg;

namespace festoon {

// Fills a canvas object with decoded artwork: size = picture size div divisor (at least 1 x 1),
// Picture and BMP the full-size picture, Mask the mask at its own size, at 10, 10 and shown.
void PlaceArtwork(TImg* object, const QImage& picture, const QImage& mask, int divisor);

// Reads the picture and the mask, then places them in the first free slot of the main window (slot 50
// when none is free) as the topmost, selected object. Both files are decoded before the slot is touched,
// so a failing file (PlatformError) leaves the canvas exactly as it was. Returns the slot.
int AddArtworkObject(const QString& picturePath, const QString& maskPath, int divisor);

} // namespace festoon
