// EXIF orientation through libexif, and the eight ways of turning a bitmap row by row.
#include "core/Orientation.h"

#include "core/Bitmap.h"

#include <cstring>
#include <libexif/exif-data.h>
#include <memory>

namespace festoon {
namespace {

struct ExifDataRelease {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

// Where output pixel (x, y) of an upright picture lies in the stored one: sx = ax·x + bx·y + cx and
// sy = ay·x + by·y + cy, for a stored picture of w x h.
struct SourceMapping {
    int ax, bx, cx, ay, by, cy;
};

SourceMapping MappingFor(int orientation, int w, int h) {
    switch (orientation) {
    case 2:
        return {-1, 0, w - 1, 0, 1, 0};
    case 3:
        return {-1, 0, w - 1, 0, -1, h - 1};
    case 4:
        return {1, 0, 0, 0, -1, h - 1};
    case 5:
        return {0, 1, 0, 1, 0, 0};
    case 6:
        return {0, 1, 0, -1, 0, h - 1};
    case 7:
        return {0, -1, w - 1, -1, 0, h - 1};
    case 8:
        return {0, -1, w - 1, 1, 0, 0};
    default:
        return {1, 0, 0, 0, 1, 0};
    }
}

} // namespace

int ExifOrientation(QByteArrayView app1) {
    static constexpr char kExifHeader[] = "Exif\0\0";
    if (app1.size() < 6 || std::memcmp(app1.data(), kExifHeader, 6) != 0) {
        return 1;
    }
    const std::unique_ptr<ExifData, ExifDataRelease> exif(exif_data_new_from_data(
        reinterpret_cast<const unsigned char*>(app1.data()), static_cast<unsigned int>(app1.size())));
    if (!exif) {
        return 1;
    }
    // The orientation belongs to the main picture (IFD 0); IFD 1 describes the thumbnail.
    ExifEntry* entry = exif_content_get_entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (entry == nullptr || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2) {
        return 1;
    }
    const int value = exif_get_short(entry->data, exif_data_get_byte_order(exif.get()));
    return value >= 1 && value <= 8 ? value : 1;
}

QSize UprightSize(QSize stored, int orientation) {
    return SidesExchanged(orientation) ? stored.transposed() : stored;
}

QImage OrientBitmap(const QImage& picture, int orientation) {
    if (orientation < 2 || orientation > 8) {
        return picture;
    }
    const QImage bitmap = ToBitmap24(picture);
    const int w = bitmap.width(), h = bitmap.height();
    const QSize size = UprightSize(bitmap.size(), orientation);
    QImage upright = MakeBitmap(size.width(), size.height());
    if (upright.isNull()) {
        return upright;
    }
    const SourceMapping m = MappingFor(orientation, w, h);
    const uchar* source = bitmap.constBits();
    const qsizetype stride = bitmap.bytesPerLine();
    // One step to the right in the upright picture moves this far through the stored one.
    const qsizetype step = m.ax * 3 + m.ay * stride;
    for (int y = 0; y < size.height(); ++y) {
        const uchar* in = source + static_cast<qsizetype>(m.bx * y + m.cx) * 3 +
                          static_cast<qsizetype>(m.by * y + m.cy) * stride;
        uchar* out = upright.scanLine(y);
        for (int x = 0; x < size.width(); ++x, in += step, out += 3) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
    return upright;
}

} // namespace festoon
