// Windows bitmap files, read and written through Qt's BMP handler.
#pragma once

#include <QByteArray>
#include <QImage>

namespace festoon {

// Decodes a BMP file's bytes to a 24-bit bitmap; throws PlatformError "Bitmap image is not valid" for
// anything that is not a valid bitmap, and PictureTooLarge for an absurd header.
[[nodiscard]] QImage DecodeBmp(const QByteArray& data);

// Encodes a bitmap as a 24-bit-per-pixel BMP file.
[[nodiscard]] QByteArray EncodeBmp(const QImage& bitmap);

} // namespace festoon
