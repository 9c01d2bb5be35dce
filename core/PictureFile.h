// Photos and backdrops chosen by the user, in any format the program reads, told by their content.
#pragma once

#include "core/DecodeControl.h"
#include "core/PictureDecoding.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace festoon {

// Reads a picture file as DecodePicture does: upright, 24-bit, transparent parts on white. A file whose
// first bytes are those of no format the program reads is refused before the rest is read: "Bitmap image
// is not valid" when its path contains ".bmp" in any letter case, "JPEG error #53" otherwise. Throws
// PlatformError, or DecodeCancelled when `control` (which may be null) asks.
[[nodiscard]] QImage LoadPictureFile(const QString& path, DecodeControl* control = nullptr);

// A photo or backdrop as the card takes it: the decoded picture and the file's own bytes, kept with the
// object so that the card can be exported from them at any size.
struct LoadedPicture {
    DecodedPicture decoded;
    QByteArray original;
};

// Reads a picture file as LoadPictureFile does, keeping its bytes; `neededSize` (see
// PictureDecodeOptions) lets a large JPEG be decoded at a reduced scale.
[[nodiscard]] LoadedPicture ReadPictureFile(const QString& path, DecodeControl* control = nullptr,
                                            const std::function<QSize(QSize inFile)>& neededSize = {});

// A picture scaled to fit a preview box, with the size of the picture in the file.
struct PreviewPicture {
    QImage picture;
    QSize fileSize;
};

// The picture of a file, for a preview that fits `box`: a JPEG is decoded at a reduced scale, at least
// as large as the picture fitted into the box; other formats are decoded whole. Either is then scaled to
// fit. Throws as LoadPictureFile does.
[[nodiscard]] PreviewPicture LoadPicturePreview(const QString& path, QSize box,
                                                DecodeControl* control = nullptr);
// The same from a file's bytes, of whatever format they hold.
[[nodiscard]] PreviewPicture DecodePreview(const QByteArray& data, QSize box,
                                           DecodeControl* control = nullptr);

// Writes a bitmap as a 24-bit BMP or as a JPEG at the given quality, replacing the file only once the
// new one is complete. Throws PlatformError::CannotCreate.
void SaveBmpFile(const QImage& bitmap, const QString& path);
void SaveJpegFile(const QImage& bitmap, const QString& path, int quality);

} // namespace festoon
