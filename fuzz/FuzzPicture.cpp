// Fuzz target: any bytes through the reader of photos and backdrops, which tells the format by content
// (JPEG with its EXIF orientation, BMP, PNG, WebP, TIFF, GIF), once in full and once at a reduced scale.
#include "core/PictureDecoding.h"
#include "core/PlatformError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QSize needed : {QSize(), QSize(16, 16)}) {
        try {
            const festoon::DecodedPicture decoded = festoon::DecodeKeptPicture(bytes, needed);
            if (decoded.picture.isNull() || decoded.fileSize.isEmpty() ||
                (!decoded.withAlpha.isNull() && decoded.withAlpha.size() != decoded.picture.size())) {
                __builtin_trap(); // a picture that decodes has a size, and its alpha covers it
            }
        } catch (const festoon::PlatformError&) {
            // Refusing bad input with the platform's message is the expected outcome.
        }
    }
    return 0;
}
