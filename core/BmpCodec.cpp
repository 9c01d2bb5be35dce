// BMP files through Qt's BMP handler. The header is checked first, by our own reading of it: an absurd
// size is refused before anything is allocated, and a file too short for the pixels its header
// promises is refused rather than decoded into a half-filled picture.
#include "core/BmpCodec.h"

#include "core/Bitmap.h"
#include "core/PlatformError.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <cstdlib>
#include <type_traits>

namespace festoon {
namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12; // the old OS/2 header with 16-bit sizes
constexpr quint32 kUncompressed = 0;
constexpr quint32 kBitFields = 3;

// Assembled byte by byte: callers have checked the size, and this form keeps the compiler's bounds
// analysis from mistaking an empty array's shared buffer for the data.
template <typename Value> Value ReadLittleEndian(const QByteArray& data, qsizetype offset) {
    std::make_unsigned_t<Value> value = 0;
    for (qsizetype i = qsizetype(sizeof(Value)) - 1; i >= 0; --i) {
        value = static_cast<std::make_unsigned_t<Value>>(value << 8 |
                                                         static_cast<unsigned char>(data.at(offset + i)));
    }
    return static_cast<Value>(value);
}

// Checks what the headers promise against the file; throws PlatformError.
void CheckBmpHeader(const QByteArray& data) {
    if (data.size() < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') {
        throw PlatformError::InvalidBitmap();
    }
    const auto pixelOffset = ReadLittleEndian<quint32>(data, 10);
    const auto infoSize = ReadLittleEndian<quint32>(data, 14);
    if (infoSize < kCoreHeaderSize || data.size() < kFileHeaderSize + static_cast<qint64>(infoSize) ||
        (infoSize != kCoreHeaderSize && infoSize < 40)) {
        throw PlatformError::InvalidBitmap();
    }
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = kUncompressed;
    if (infoSize == kCoreHeaderSize) {
        width = ReadLittleEndian<quint16>(data, 18);
        height = ReadLittleEndian<quint16>(data, 20);
        bitCount = ReadLittleEndian<quint16>(data, 24);
    } else {
        width = ReadLittleEndian<qint32>(data, 18);
        height = std::abs(static_cast<qint64>(ReadLittleEndian<qint32>(data, 22))); // negative: top-down
        bitCount = ReadLittleEndian<quint16>(data, 28);
        compression = ReadLittleEndian<quint32>(data, 30);
    }
    if (width <= 0 || height <= 0) {
        throw PlatformError::InvalidBitmap();
    }
    CheckPictureSize(static_cast<int>(std::min<qint64>(width, 1 << 30)),
                     static_cast<int>(std::min<qint64>(height, 1 << 30)));
    const bool rowsOfKnownSize = (compression == kUncompressed || compression == kBitFields) &&
                                 (bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                                  bitCount == 24 || bitCount == 32);
    if (rowsOfKnownSize) {
        const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
        if (static_cast<qint64>(pixelOffset) + rowBytes * height > data.size()) {
            throw PlatformError::InvalidBitmap();
        }
    }
}

} // namespace

QImage DecodeBmp(const QByteArray& data) {
    CheckBmpHeader(data);
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // Qt decodes into 32 bits per pixel; its own default limit would refuse pictures the program accepts.
    reader.setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)));
    QImage image;
    if (!reader.canRead() || !reader.read(&image) || image.isNull()) {
        throw PlatformError::InvalidBitmap();
    }
    return ToBitmap24(image);
}

QByteArray EncodeBmp(const QImage& bitmap) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes 24 bits per pixel for an image without alpha.
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(ToBitmap24(bitmap).convertToFormat(QImage::Format_RGB32))) {
        throw PlatformError::InvalidBitmap();
    }
    return bytes;
}

} // namespace festoon
