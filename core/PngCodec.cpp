// PNG writing and reading with Qt's image writer and reader, on memory and on any sequential device.
#include "core/PngCodec.h"

#include "core/Bitmap.h"
#include "core/PictureLimits.h"
#include "core/PlatformError.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <cstring>

namespace festoon {
namespace {

// Qt's PNG quality 90 and above store the filtered rows without compressing them: card files carry
// large photos and must save within a second, and zlib's fastest level would double the time.
constexpr int kPngQuality = 100;
const QByteArray kPngSignature = QByteArrayLiteral("\x89PNG\r\n\x1a\n");

bool AllGrey(const QImage& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    for (int y = 0; y < h; ++y) {
        const uchar* pixel = bitmap.constScanLine(y);
        for (int x = 0; x < w; ++x, pixel += 3) {
            if (pixel[0] != pixel[1] || pixel[1] != pixel[2]) {
                return false;
            }
        }
    }
    return true;
}

// One channel of a grey 24-bit bitmap, byte for byte (Qt's own conversion would weigh the channels).
QImage GreyChannel(const QImage& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    QImage grey(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        const uchar* pixel = bitmap.constScanLine(y);
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < w; ++x, pixel += 3) {
            out[x] = pixel[0];
        }
    }
    return grey;
}

QImage PngReady(const QImage& picture) {
    if (picture.hasAlphaChannel()) {
        return picture.convertToFormat(QImage::Format_ARGB32);
    }
    const QImage bitmap = ToBitmap24(picture);
    return AllGrey(bitmap) ? GreyChannel(bitmap) : bitmap;
}

} // namespace

QByteArray EncodePng(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kPngQuality);
    if (picture.isNull() || !writer.write(PngReady(picture))) {
        throw PlatformError(
            QStringLiteral("a picture cannot be written as PNG (%1)").arg(writer.errorString()));
    }
    return bytes;
}

bool PixelBudget::Spend(qint64 pixels) {
    qint64 left = left_.load();
    do {
        if (pixels > left) {
            return false;
        }
    } while (!left_.compare_exchange_weak(left, left - pixels));
    return true;
}

void AllowPictureSizedAllocations() {
    QImageReader::setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)));
}

QImage DecodePng(QIODevice& device, const QString& name, PixelBudget& budget) {
    if (device.peek(kPngSignature.size()) != kPngSignature) {
        throw PlatformError(QStringLiteral("%1 is not a PNG picture").arg(name));
    }
    QImageReader reader(&device, "png");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid()) {
        throw PlatformError(QStringLiteral("%1 is a damaged PNG picture").arg(name));
    }
    try {
        CheckPictureSize(size.width(), size.height());
    } catch (const PlatformError&) {
        throw PlatformError(QStringLiteral("%1 is far too large a picture (%2 x %3 pixels)")
                                .arg(name)
                                .arg(size.width())
                                .arg(size.height()));
    }
    const int w = size.width(), h = size.height();
    if (!budget.Spend(static_cast<qint64>(w) * h)) {
        throw PlatformError(QStringLiteral("its pictures are far too large in all"));
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        throw PlatformError(
            QStringLiteral("%1 is a damaged PNG picture (%2)").arg(name, reader.errorString()));
    }
    return image;
}

} // namespace festoon
