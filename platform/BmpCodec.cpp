// BMP files through Qt's BMP handler, with the header's size checked before anything is decoded.
#include "platform/BmpCodec.h"

#include "platform/Bitmap.h"
#include "platform/PlatformError.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace festoon {

QImage DecodeBmp(const QByteArray& data) {
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid()) {
        throw PlatformError::InvalidBitmap();
    }
    CheckPictureSize(size.width(), size.height());
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
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
