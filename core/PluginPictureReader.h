// PNG, WebP, TIFF and GIF pictures through Qt's image plugins, within the program's picture limits.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace festoon {

// Decodes the first picture (a GIF's first frame, a TIFF's first page) of `data`, which holds a file of
// the named Qt format ("png", "webp", "tiff", "gif"), turned upright where the file says how. The result
// is 24-bit, or ARGB32 when the format carries alpha. A picture beyond the limits of PictureLimits.h
// throws PictureTooLarge before its pixels are allocated; anything the plugin cannot read, a missing
// plugin included, throws PlatformError "Cannot read the picture <name>: ...", naming the format.
[[nodiscard]] QImage DecodeWithImagePlugin(const QByteArray& data, const QByteArray& format,
                                           const QString& name);

} // namespace festoon
