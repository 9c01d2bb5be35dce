// BMP files through Qt's BMP handler. The header is checked first, by our own reading of it: an absurd
// size is refused before anything is allocated, and a file too short for the pixels its header
// promises is refused rather than decoded into a half-filled picture. Run-length data is walked
// through first, so that a stream cut short is refused too.
#include "core/BmpCodec.h"

#include "core/Bitmap.h"
#include "core/PictureLimits.h"
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
constexpr quint32 kRunLength8 = 1;
constexpr quint32 kRunLength4 = 2;
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

// Whether run-length data from `offset` on reaches the end of the picture (or an end-of-bitmap code)
// before the file ends; absolute runs hold 8 or 4 bits a pixel.
bool RunLengthDataComplete(const QByteArray& data, qint64 offset, qint64 height, bool fourBits) {
    qint64 row = 0;
    while (row < height) {
        if (offset + 2 > data.size()) {
            return false;
        }
        const int count = static_cast<unsigned char>(data[offset]);
        const int code = static_cast<unsigned char>(data[offset + 1]);
        offset += 2;
        if (count > 0) {
            continue; // a run of `count` pixels of one value
        }
        if (code == 0) {
            ++row; // end of line
        } else if (code == 1) {
            return true; // end of bitmap: what is left stays background
        } else if (code == 2) {
            if (offset + 2 > data.size()) {
                return false;
            }
            row += static_cast<unsigned char>(data[offset + 1]); // a move right and up
            offset += 2;
        } else {
            const qint64 bytes = fourBits ? (code + 1) / 2 : code;
            offset += (bytes + 1) / 2 * 2; // absolute pixels, padded to a 16-bit boundary
        }
    }
    return true;
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
    CheckPictureSize(width, height);
    const bool rowsOfKnownSize = (compression == kUncompressed || compression == kBitFields) &&
                                 (bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                                  bitCount == 24 || bitCount == 32);
    if (rowsOfKnownSize) {
        const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
        if (static_cast<qint64>(pixelOffset) + rowBytes * height > data.size()) {
            throw PlatformError::InvalidBitmap();
        }
    }
    const bool runLength =
        (compression == kRunLength8 && bitCount == 8) || (compression == kRunLength4 && bitCount == 4);
    if (runLength && (!PlausibleForFileSize(width, height, data.size()) ||
                      !RunLengthDataComplete(data, pixelOffset, height, compression == kRunLength4))) {
        throw PlatformError::InvalidBitmap();
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
