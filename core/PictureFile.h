// Photos and backdrops chosen by the user: the path text decides the format.
#pragma once

#include "core/DecodeControl.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace festoon {

// Reads a picture file: a path whose lower-case text contains ".bmp" is read as a Windows bitmap,
// any other as a JPEG. A file whose first bytes are not those of its format is refused before the
// rest is read. Throws PlatformError, or DecodeCancelled when `control` (which may be null) asks.
[[nodiscard]] QImage LoadPictureFile(const QString& path, DecodeControl* control = nullptr);

// A picture scaled to fit a preview box, with the size of the picture in the file.
struct PreviewPicture {
    QImage picture;
    QSize fileSize;
};

// The picture of a file, for a preview that fits `box`: a JPEG is decoded at a reduced scale, at least
// as large as the picture fitted into the box; a bitmap is decoded whole. Either is then scaled to fit.
// Throws as LoadPictureFile does.
[[nodiscard]] PreviewPicture LoadPicturePreview(const QString& path, QSize box,
                                                DecodeControl* control = nullptr);
// The same from a file's bytes, read as a bitmap or as a JPEG.
[[nodiscard]] PreviewPicture DecodePreview(const QByteArray& data, bool bitmap, QSize box,
                                           DecodeControl* control = nullptr);

// Writes a bitmap as a 24-bit BMP or as a JPEG at the given quality, replacing the file only once the
// new one is complete. Throws PlatformError::CannotCreate.
void SaveBmpFile(const QImage& bitmap, const QString& path);
void SaveJpegFile(const QImage& bitmap, const QString& path, int quality);

} // namespace festoon
