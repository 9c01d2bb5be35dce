// Photos and backdrops from any of the formats the program reads, recognised by their content: a PNG
// named .jpg opens as the PNG it is.
#pragma once

#include "core/DecodeControl.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace festoon {

enum class PictureFormat { Unknown, Jpeg, Bmp, Png, WebP, Tiff, Gif };

// How many first bytes of a file SniffPictureFormat needs to tell every format.
constexpr qsizetype kPictureSignatureBytes = 12;

// The format that a file's first bytes are the signature of.
[[nodiscard]] PictureFormat SniffPictureFormat(QByteArrayView start);

struct PictureDecodeOptions {
    // Watched and obeyed while decoding; may be null.
    DecodeControl* control = nullptr;
    // When set, given the upright size of the picture in the file, the size the caller needs at least; a
    // JPEG is then decoded at the smallest DCT scale that still gives it.
    std::function<QSize(QSize inFile)> neededSize = {};
    // The file's name, for messages; whether it names a bitmap (".bmp" in any letter case), which decides
    // the message for content of no known format.
    QString name;
    bool bitmapName = false;
};

struct DecodedPicture {
    // Upright, 24-bit; where the file is transparent the picture is laid on white.
    QImage picture;
    // The picture with its alpha (ARGB32, not premultiplied) when any part of it is transparent, else null.
    QImage withAlpha;
    // The upright size of the picture in the file, whatever the scale of the decode.
    QSize fileSize;
};

// Decodes a JPEG (turned upright by its EXIF orientation), BMP, PNG, WebP, TIFF or GIF (its first frame)
// within the limits of PictureLimits.h. Content of no known format is refused as the bitmap reader
// refuses it when the name is a bitmap's, and as the JPEG reader does otherwise. Throws PlatformError,
// or DecodeCancelled when the control asks.
[[nodiscard]] DecodedPicture DecodePicture(const QByteArray& data, const PictureDecodeOptions& options);

// The picture of DecodePicture for data the program has read before (a photo's kept file), at least
// `needed` when the format lets the decoder scale (null `needed`: full size).
[[nodiscard]] DecodedPicture DecodeKeptPicture(const QByteArray& data, QSize needed,
                                               DecodeControl* control = nullptr);

} // namespace festoon
