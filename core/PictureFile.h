// Photos and backdrops chosen by the user: the path text decides the format.
#pragma once

#include <QImage>
#include <QString>

namespace festoon {

// Reads a picture file: a path whose lower-case text contains ".bmp" is read as a Windows bitmap,
// any other as a JPEG. Throws PlatformError.
[[nodiscard]] QImage LoadPictureFile(const QString& path);

// Writes a bitmap as a 24-bit BMP or as a JPEG at the given quality, replacing the file only once the
// new one is complete. Throws PlatformError::CannotCreate.
void SaveBmpFile(const QImage& bitmap, const QString& path);
void SaveJpegFile(const QImage& bitmap, const QString& path, int quality);

} // namespace festoon
