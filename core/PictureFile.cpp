// Photos and backdrops: the first bytes of the file decide its reader.
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

// Reads the file once its first bytes are those of a format the program reads; the refusal is the one
// the reader the path names would give.
QByteArray ReadPictureBytes(const QString& path) {
    const bool bitmap = IsBitmapPath(path);
    return ReadWholeFile(path, kPictureSignatureBytes, [bitmap](QByteArrayView start) {
        if (start.size() < 2 || SniffPictureFormat(start) != PictureFormat::Unknown) {
            return; // too short to tell: the decoder refuses it with its own message
        }
        if (bitmap) {
            throw PlatformError::InvalidBitmap();
        }
        throw PlatformError::Jpeg(JERR_NO_SOI);
    });
}

PictureDecodeOptions OptionsFor(const QString& path, DecodeControl* control) {
    PictureDecodeOptions options;
    options.control = control;
    options.name = path;
    options.bitmapName = IsBitmapPath(path);
    return options;
}

} // namespace

QImage LoadPictureFile(const QString& path, DecodeControl* control) {
    return DecodePicture(ReadPictureBytes(path), OptionsFor(path, control)).picture;
}

LoadedPicture ReadPictureFile(const QString& path, DecodeControl* control,
                              const std::function<QSize(QSize inFile)>& neededSize) {
    LoadedPicture loaded;
    loaded.original = ReadPictureBytes(path);
    PictureDecodeOptions options = OptionsFor(path, control);
    options.neededSize = neededSize;
    loaded.decoded = DecodePicture(loaded.original, options);
    return loaded;
}

PreviewPicture LoadPicturePreview(const QString& path, QSize box, DecodeControl* control) {
    return DecodePreview(ReadPictureBytes(path), box, control);
}

PreviewPicture DecodePreview(const QByteArray& data, QSize box, DecodeControl* control) {
    PictureDecodeOptions options;
    options.control = control;
    options.name = QStringLiteral("for the preview");
    // The preview's decode of a JPEG need hold no more than the picture fitted into the box.
    options.neededSize = [box](QSize inFile) { return inFile.scaled(box, Qt::KeepAspectRatio); };
    const DecodedPicture decoded = DecodePicture(data, options);
    return {decoded.picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation), decoded.fileSize};
}

void SaveBmpFile(const QImage& bitmap, const QString& path) {
    WriteFileReplacing(path, EncodeBmp(bitmap));
}

void SaveJpegFile(const QImage& bitmap, const QString& path, int quality) {
    WriteFileReplacing(path, EncodeJpeg(bitmap, quality));
}

} // namespace festoon
