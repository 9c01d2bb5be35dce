// Fuzz target: any bytes through the open dialog's preview, a reduced-scale JPEG decode or a decode of
// another format told by its content, scaled to the preview box.
#include "core/PictureFile.h"
#include "core/PlatformError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const festoon::PreviewPicture preview = festoon::DecodePreview(bytes, QSize(200, 200));
        if (preview.picture.width() > 200 || preview.picture.height() > 200) {
            __builtin_trap(); // the preview always fits its box
        }
    } catch (const festoon::PlatformError&) {
        // Refusing bad input with the platform's message is the expected outcome.
    }
    return 0;
}
