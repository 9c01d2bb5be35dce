// Fuzz target: any bytes read as a card file (an OpenRaster archive, with or without the program's data).
#include "core/CardFile.h"
#include "core/PlatformError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)festoon::DecodeCardFile(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const festoon::PlatformError&) {
        // Refusing bad input with a message is the expected outcome.
    }
    return 0;
}
