// Turning pictures upright: cameras store a photo as the sensor saw it and say in its EXIF data how it
// must be turned or mirrored to be seen as it was taken.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace festoon {

// The EXIF orientation (1 to 8) that the data of an APP1 marker declares ("Exif\0\0" and a TIFF
// structure, read with libexif); 1, upright, for anything else, damaged data included.
[[nodiscard]] int ExifOrientation(QByteArrayView app1);

// Whether a picture of the orientation is stored with its width and height exchanged (5 to 8).
[[nodiscard]] constexpr bool SidesExchanged(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

// The size of a picture of `stored` size once turned upright.
[[nodiscard]] QSize UprightSize(QSize stored, int orientation);

// The 24-bit bitmap turned and mirrored as the EXIF orientation says: 2 mirrors left and right,
// 3 turns half round, 4 mirrors top and bottom, 5 mirrors along the diagonal from the top left, 6 turns
// a quarter clockwise, 7 mirrors along the other diagonal, 8 turns a quarter anticlockwise. Any other
// value leaves the picture as it is (a shallow copy).
[[nodiscard]] QImage OrientBitmap(const QImage& bitmap, int orientation);

} // namespace festoon
