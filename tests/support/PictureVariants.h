// Picture files of every kind the readers meet, made here rather than shipped: JPEGs as cameras and
// editors write them (progressive, greyscale, CMYK, 4:4:4, restart markers), BMPs of every layout
// (run-length, bit fields, top-down, OS/2, paletted), and hostile files (a scan bomb). The fuzzers'
// seeds and the tests share them.
#pragma once

#include <QByteArray>
#include <QImage>

namespace festoon::testing {

struct JpegVariant {
    int quality = 90;
    bool progressive = false;
    bool greyscale = false;
    bool cmyk = false;       // four inverted inks, with Adobe's marker, as Photoshop writes them
    bool fullChroma = false; // 4:4:4 instead of 4:2:0
    int restartRows = 0;     // a restart marker every so many MCU rows
    bool optimizeCoding = false;
};

// Encodes a picture with libjpeg as the variant asks.
[[nodiscard]] QByteArray EncodeJpegVariant(const QImage& picture, const JpegVariant& variant);

// A photo-like w x h picture: smooth shading with fine seeded grain, which compresses as photos do.
[[nodiscard]] QImage PhotoLikePicture(int w, int h, unsigned seed = 1);

// A progressive JPEG of w x h, three components at full resolution, all of whose coefficients are zero
// (a flat grey picture): one DC scan, then for each component and each of the 63 AC coefficients a chain
// of `scansPerCoefficient` scans (1 to 14) that sends it and refines it bit by bit, as libjpeg accepts
// without a warning. Complete, it has 1 + 189 x scansPerCoefficient scans; `scanLimit` cuts the stream
// short (ending it with an end-of-image marker) to make a scan bomb: each scan costs the decoder a pass
// over the whole picture, while the file stays small. `inconsistentScans` scans follow that refine a
// coefficient already complete: libjpeg decodes each with a corrupt-data warning.
[[nodiscard]] QByteArray ProgressiveManyScans(int w, int h, int scansPerCoefficient, int scanLimit = 1 << 30,
                                              int inconsistentScans = 0);

// BMP files of a picture's grey levels through a 256-grey palette (or the first 16 for 4 bits).
enum class BmpLayout { RunLength8, RunLength4, BitFields16, TopDown24, Os2Core24, Paletted8 };
[[nodiscard]] QByteArray EncodeBmpVariant(const QImage& picture, BmpLayout layout);

// A run-length BMP declaring w x h whose data paints only its first row and then ends the bitmap.
[[nodiscard]] QByteArray RunLengthBmpClaimingSize(int w, int h);

// The JPEG stream with an APP1 marker after its start-of-image marker declaring the EXIF orientation, in a
// TIFF structure of either byte order, as cameras write it.
[[nodiscard]] QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian = false);

// A soft oval mask of w x h, as photos are given: white in the middle, fading to black at the edges.
[[nodiscard]] QImage SoftOvalMask(int w, int h);

// A GIF of two frames of one colour each (Qt reads GIF but does not write it): w x h, the first frame
// `first`, the second `second`.
[[nodiscard]] QByteArray TwoFrameGif(int w, int h, QRgb first, QRgb second);

} // namespace festoon::testing
