// JPEG decoding and encoding through libjpeg, from and to memory.
#pragma once

#include <QByteArray>
#include <QImage>

namespace festoon {

// Decodes a JPEG stream straight to a 24-bit bitmap (greyscale and CMYK streams converted). Throws
// PlatformError "JPEG error #%d" with libjpeg's message code for any libjpeg error, including a
// stream that ends before its picture does, and PictureTooLarge before allocating an absurd picture.
[[nodiscard]] QImage DecodeJpeg(const QByteArray& data);

// Encodes a bitmap as a colour, baseline JPEG at the given quality, libjpeg's defaults otherwise.
[[nodiscard]] QByteArray EncodeJpeg(const QImage& bitmap, int quality);

} // namespace festoon
