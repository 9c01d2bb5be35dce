// JPEG decoding and encoding through libjpeg, from and to memory.
#pragma once

#include "core/DecodeControl.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>

namespace festoon {

struct JpegDecodeOptions {
    // When set, the picture is decoded at the smallest of libjpeg's DCT scales (1/2, 1/4, 1/8) whose
    // result still holds the whole picture fitted into this box, several times faster than in full.
    QSize previewBox;
    // Watched and obeyed while decoding; may be null.
    DecodeControl* control = nullptr;
    // When set, receives the size the stream declares, whatever the scale of the decode.
    QSize* declaredSize = nullptr;
    // Turns the picture upright by the EXIF orientation of its APP1 marker; the sizes above and below
    // are then those of the upright picture.
    bool upright = false;
    // When set, given the size the stream declares, the size the caller needs at least: the picture is
    // decoded at the smallest of libjpeg's DCT scales that still gives that many pixels each way.
    std::function<QSize(QSize declared)> neededSize = {};
};

// Decodes a JPEG stream straight to a 24-bit bitmap (greyscale and CMYK streams converted), within the
// limits of PictureLimits.h. Throws PlatformError "JPEG error #%d" with libjpeg's message code for any
// libjpeg error; for a stream that ends before its picture is complete (whatever marker it ends with),
// that declares more pixels than its bytes could hold, that has too many scans or too much corrupt
// data; PictureTooLarge before allocating an absurd picture; DecodeCancelled when the control asks.
[[nodiscard]] QImage DecodeJpeg(const QByteArray& data, const JpegDecodeOptions& options = {});

// Encodes a bitmap as a colour, baseline JPEG at the given quality, libjpeg's defaults otherwise.
[[nodiscard]] QByteArray EncodeJpeg(const QImage& bitmap, int quality);

} // namespace festoon
