// Telling formats by their signatures, and handing each to its reader.
#include "core/PictureDecoding.h"

#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/JpegCodec.h"
#include "core/PlatformError.h"
#include "core/PluginPictureReader.h"

#include <QPainter>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

namespace festoon {
namespace {

bool StartsWith(QByteArrayView start, QByteArrayView signature) {
    return start.size() >= signature.size() && start.first(signature.size()) == signature;
}

bool AnyTransparent(const QImage& argb) {
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) != 255) {
                return true;
            }
        }
    }
    return false;
}

QImage OnWhite(const QImage& withAlpha) {
    QImage flat(withAlpha.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, withAlpha);
    painter.end();
    return ToBitmap24(flat);
}

QByteArray PluginFormat(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png:
        return "png";
    case PictureFormat::WebP:
        return "webp";
    case PictureFormat::Tiff:
        return "tiff";
    default:
        return "gif";
    }
}

DecodedPicture FromPlugin(const QByteArray& data, PictureFormat format, const QString& name) {
    const QImage image = DecodeWithImagePlugin(data, PluginFormat(format), name);
    if (image.hasAlphaChannel() && AnyTransparent(image)) {
        return {OnWhite(image), image, image.size()};
    }
    return {ToBitmap24(image), {}, image.size()};
}

} // namespace

PictureFormat SniffPictureFormat(QByteArrayView start) {
    if (StartsWith(start, "\xFF\xD8")) {
        return PictureFormat::Jpeg;
    }
    if (StartsWith(start, "BM")) {
        return PictureFormat::Bmp;
    }
    if (StartsWith(start, "\x89PNG\r\n\x1A\n")) {
        return PictureFormat::Png;
    }
    if (StartsWith(start, "RIFF") && start.size() >= 12 && start.sliced(8, 4) == QByteArrayView("WEBP")) {
        return PictureFormat::WebP;
    }
    if (StartsWith(start, QByteArrayView("II*\0", 4)) || StartsWith(start, QByteArrayView("MM\0*", 4))) {
        return PictureFormat::Tiff;
    }
    if (StartsWith(start, "GIF87a") || StartsWith(start, "GIF89a")) {
        return PictureFormat::Gif;
    }
    return PictureFormat::Unknown;
}

DecodedPicture DecodePicture(const QByteArray& data, const PictureDecodeOptions& options) {
    ThrowIfCancelled(options.control);
    DecodedPicture decoded;
    switch (SniffPictureFormat(data)) {
    case PictureFormat::Jpeg: {
        JpegDecodeOptions jpeg;
        jpeg.control = options.control;
        jpeg.declaredSize = &decoded.fileSize;
        jpeg.upright = true;
        jpeg.neededSize = options.neededSize;
        decoded.picture = DecodeJpeg(data, jpeg);
        break;
    }
    case PictureFormat::Bmp:
        decoded.picture = DecodeBmp(data);
        decoded.fileSize = decoded.picture.size();
        break;
    case PictureFormat::Unknown:
        if (options.bitmapName) {
            throw PlatformError::InvalidBitmap();
        }
        // Too short to tell goes to the JPEG reader too, for its own message about an empty file.
        (void)DecodeJpeg(data);
        throw PlatformError::Jpeg(JERR_NO_SOI);
    default:
        decoded = FromPlugin(data, SniffPictureFormat(data), options.name);
        break;
    }
    ThrowIfCancelled(options.control);
    return decoded;
}

DecodedPicture DecodeKeptPicture(const QByteArray& data, QSize needed, DecodeControl* control) {
    PictureDecodeOptions options;
    options.control = control;
    options.name = QStringLiteral("kept with the card");
    if (!needed.isEmpty()) {
        options.neededSize = [needed](QSize) { return needed; };
    }
    return DecodePicture(data, options);
}

} // namespace festoon
