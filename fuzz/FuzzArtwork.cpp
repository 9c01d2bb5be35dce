// Fuzz target: any bytes read as an artwork file (first 16 bytes replaced, then a JPEG decode).
#include "core/ArtworkReader.h"
#include "core/PlatformError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)festoon::DecodeArtwork(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const festoon::PlatformError&) {
        // Refusing bad input with the platform's message is the expected outcome.
    }
    return 0;
}
