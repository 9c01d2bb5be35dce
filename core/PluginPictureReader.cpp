// Qt's image readers on memory. The size is asked for first, so that the program's limits hold before
// the plugin allocates anything.
#include "core/PluginPictureReader.h"

#include "core/Bitmap.h"
#include "core/PictureLimits.h"
#include "core/PlatformError.h"
#include "core/PngCodec.h"

#include <QBuffer>
#include <QImageReader>

namespace festoon {
namespace {

QString FormatTitle(const QByteArray& format) {
    return format == "webp" ? QStringLiteral("WebP") : QString::fromLatin1(format).toUpper();
}

[[noreturn]] void ThrowUnreadable(const QString& name, const QByteArray& format, const QString& why) {
    throw PlatformError(QStringLiteral("Cannot read the picture %1: it is a damaged %2 picture (%3)")
                            .arg(name, FormatTitle(format), why));
}

} // namespace

QImage DecodeWithImagePlugin(const QByteArray& data, const QByteArray& format, const QString& name) {
    if (!QImageReader::supportedImageFormats().contains(format)) {
        throw PlatformError(
            QStringLiteral("Cannot read the picture %1: %2 pictures need Qt's image format plugins")
                .arg(name, FormatTitle(format)));
    }
    AllowPictureSizedAllocations();
    QByteArray bytes = data; // shares the data; the buffer only reads it
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid()) {
        ThrowUnreadable(name, format, reader.canRead() ? QStringLiteral("no size") : reader.errorString());
    }
    CheckPictureSize(size.width(), size.height());
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        ThrowUnreadable(name, format, reader.errorString());
    }
    if (image.hasAlphaChannel()) {
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    return ToBitmap24(image);
}

} // namespace festoon
