// Photos and backdrops: the lower-case path decides between the bitmap and the JPEG reader.
#include "core/PictureFile.h"

#include "core/BmpCodec.h"
#include "core/FileIO.h"
#include "core/JpegCodec.h"
#include "core/PlatformError.h"

#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

namespace festoon {
namespace {

bool IsBitmapPath(const QString& path) {
    return path.toLower().contains(QStringLiteral(".bmp"));
}

// Reads the file once its first two bytes are those of the format its path names: "BM" for a bitmap,
// the start-of-image marker for a JPEG. The refusal is the one the decoder would give.
QByteArray ReadPictureBytes(const QString& path, bool bitmap) {
    return ReadWholeFile(path, 2, [bitmap](QByteArrayView start) {
        if (start.size() < 2) {
            return; // too short to tell: the decoder refuses it with its own message
        }
        if (bitmap && start != QByteArrayView("BM")) {
            throw PlatformError::InvalidBitmap();
        }
        if (!bitmap &&
            (static_cast<unsigned char>(start[0]) != 0xFF || static_cast<unsigned char>(start[1]) != 0xD8)) {
            throw PlatformError::Jpeg(JERR_NO_SOI);
        }
    });
}

} // namespace

QImage LoadPictureFile(const QString& path, DecodeControl* control) {
    const bool bitmap = IsBitmapPath(path);
    const QByteArray data = ReadPictureBytes(path, bitmap);
    ThrowIfCancelled(control);
    if (bitmap) {
        QImage picture = DecodeBmp(data);
        ThrowIfCancelled(control);
        return picture;
    }
    return DecodeJpeg(data, {QSize(), control, nullptr});
}

PreviewPicture LoadPicturePreview(const QString& path, QSize box, DecodeControl* control) {
    const bool bitmap = IsBitmapPath(path);
    const QByteArray data = ReadPictureBytes(path, bitmap);
    return DecodePreview(data, bitmap, box, control);
}

PreviewPicture DecodePreview(const QByteArray& data, bool bitmap, QSize box, DecodeControl* control) {
    ThrowIfCancelled(control);
    QSize fileSize;
    const QImage picture = bitmap ? DecodeBmp(data) : DecodeJpeg(data, {box, control, &fileSize});
    ThrowIfCancelled(control);
    if (bitmap) {
        fileSize = picture.size();
    }
    return {picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation), fileSize};
}

void SaveBmpFile(const QImage& bitmap, const QString& path) {
    WriteFileReplacing(path, EncodeBmp(bitmap));
}

void SaveJpegFile(const QImage& bitmap, const QString& path, int quality) {
    WriteFileReplacing(path, EncodeJpeg(bitmap, quality));
}

} // namespace festoon
