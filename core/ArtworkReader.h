// Artwork files (".ssl"): JPEG streams whose first 16 bytes carry no meaning and are replaced by a
// fixed JFIF prefix in memory before decoding. The file on disk is never changed.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>

namespace festoon {

inline constexpr std::array<unsigned char, 16> ArtworkHeader = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x11, 0x00, 0x00, 0x01};

// Decodes an artwork file's bytes to a 24-bit bitmap; fewer than 16 bytes are padded to 16 and then fail to
// decode. Throws PlatformError "JPEG error #%d".
[[nodiscard]] QImage DecodeArtwork(QByteArray bytes);

// Reads and decodes an artwork file; throws PlatformError ("Cannot open file %s", "JPEG error #%d").
[[nodiscard]] QImage ReadArtworkFile(const QString& path);

} // namespace festoon
