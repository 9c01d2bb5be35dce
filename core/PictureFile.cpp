// Photos and backdrops: the lower-case path decides between the bitmap and the JPEG reader.
#include "core/PictureFile.h"

#include "core/BmpCodec.h"
#include "core/FileIO.h"
#include "core/JpegCodec.h"

namespace festoon {

QImage LoadPictureFile(const QString& path) {
    const QByteArray data = ReadWholeFile(path);
    if (path.toLower().contains(QStringLiteral(".bmp"))) {
        return DecodeBmp(data);
    }
    return DecodeJpeg(data);
}

void SaveBmpFile(const QImage& bitmap, const QString& path) {
    WriteFileReplacing(path, EncodeBmp(bitmap));
}

void SaveJpegFile(const QImage& bitmap, const QString& path, int quality) {
    WriteFileReplacing(path, EncodeJpeg(bitmap, quality));
}

} // namespace festoon
