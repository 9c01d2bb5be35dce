// Advice for the platform's messages, read from the messages' own forms; the JPEG codes are libjpeg's.
#include "core/ErrorAdvice.h"

#include <QRegularExpression>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace festoon {
namespace {

QString JpegAdvice(int code) {
    switch (code) {
    case JERR_NO_SOI:
        return QStringLiteral("The file is not a picture Festoon can read.");
    case JERR_INPUT_EMPTY:
        return QStringLiteral("The file is empty.");
    case JERR_INPUT_EOF:
    case JWRN_JPEG_EOF:
        return QStringLiteral("The file ends too early; it may be damaged.");
    case JERR_OUT_OF_MEMORY:
        return QStringLiteral(
            "There is not enough memory for this picture. Close other programs, or choose a "
            "smaller picture, and try again.");
    case JERR_IMAGE_TOO_BIG:
        return QStringLiteral(
            "The picture is too large for Festoon. Make it smaller in another program first.");
    case JERR_BAD_PRECISION:
    case JERR_SOF_UNSUPPORTED:
    case JERR_ARITH_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
        return QStringLiteral(
            "The picture is stored in a kind of JPEG that Festoon cannot read. Save it again "
            "as an ordinary JPEG in another program.");
    default:
        return QStringLiteral("The file is damaged, or it is not a JPEG picture.");
    }
}

} // namespace

QString ErrorAdvice(const QString& message) {
    static const QRegularExpression jpeg(QStringLiteral("^JPEG error #(\\d+)$"));
    if (const QRegularExpressionMatch match = jpeg.match(message); match.hasMatch()) {
        return JpegAdvice(match.captured(1).toInt());
    }
    if (message.startsWith(QStringLiteral("Cannot open file "))) {
        return QStringLiteral("Check that the file is still there and that you may read it.");
    }
    if (message.startsWith(QStringLiteral("Cannot create file "))) {
        return QStringLiteral(
            "Check that the folder exists, that you may write in it, and that the disk is not "
            "full; or save somewhere else.");
    }
    if (message == QStringLiteral("Bitmap image is not valid")) {
        return QStringLiteral("The file is damaged, or it is not a BMP picture Festoon can read.");
    }
    if (message.startsWith(QStringLiteral("The picture is too large to open"))) {
        return QStringLiteral("Make it smaller in another program first.");
    }
    if (message == QStringLiteral("Out of memory")) {
        return QStringLiteral("Close other programs, or choose a smaller picture, and try again.");
    }
    return {};
}

} // namespace festoon
