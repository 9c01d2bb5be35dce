// Fuzz target: any bytes through the JPEG decoder; a decoded picture is encoded again.
#include "core/JpegCodec.h"
#include "core/PlatformError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage picture = festoon::DecodeJpeg(bytes);
        if (picture.width() * static_cast<qint64>(picture.height()) <= 256 * 256) {
            (void)festoon::EncodeJpeg(picture, 85);
        }
    } catch (const festoon::PlatformError&) {
        // Refusing bad input with the platform's message is the expected outcome.
    }
    return 0;
}
