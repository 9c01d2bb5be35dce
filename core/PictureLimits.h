// Every limit the picture readers keep, in one place: how large a file they read, how large a picture
// they decode, how much a file's bytes may promise, and how much work a JPEG stream may ask for. Files
// from outside are untrusted: these bounds keep any of them from exhausting memory or time.
#pragma once

#include <QtGlobal>

namespace festoon {

// The largest decoded picture: 768 MiB as a 24-bit bitmap (256 Mi pixels, e.g. 16384 x 16384).
constexpr qint64 kMaxPicturePixels = 256LL * 1024 * 1024;
// The longest side: the most a JPEG frame can declare. Only the pixel count limits real pictures.
constexpr int kMaxPictureSide = 65535;

// The largest file read as a picture: the largest accepted picture stored at 32 bits per pixel, with
// room for headers, palettes and embedded profiles. Anything larger cannot be a picture we accept.
constexpr qint64 kMaxPictureFileBytes = kMaxPicturePixels * 4 + 16LL * 1024 * 1024;

// Pixels a JPEG or run-length BMP may declare per byte of its file. A picture of one flat colour, the
// most compressible picture there is, needs a byte per 256 pixels in the leanest JPEG libjpeg writes
// and per 127 pixels as run-length BMP; real photos take a byte per 50 pixels or fewer.
constexpr qint64 kMaxPixelsPerFileByte = 512;

// Scans of a progressive JPEG: real photos have about ten; each scan revisits the whole picture.
constexpr int kMaxJpegScans = 300;
// 8 x 8 blocks read over all the scans of a JPEG, which bounds the time a stream of many scans over a
// large picture may take (each scan streams its components' coefficients through memory): six times
// what a 48-megapixel photo needs in libjpeg's usual ten scans, and still enough for the largest
// accepted progressive picture (16384 x 16384 at 4:2:0: 33 million).
constexpr qint64 kMaxJpegScanBlocks = 40'000'000;
// Corrupt-data warnings libjpeg may recover from before the stream is refused as damaged.
constexpr int kMaxJpegWarnings = 10;
// Memory libjpeg may take for its own buffers (the coefficients of a multi-scan stream above all).
constexpr long kJpegMemoryLimit = 1024L * 1024 * 1024;

// Throws PlatformError::PictureTooLarge when a picture of w x h is empty or beyond the limits above.
void CheckPictureSize(qint64 w, qint64 h);

// Whether a compressed file of fileBytes could plausibly hold a w x h picture.
[[nodiscard]] bool PlausibleForFileSize(qint64 w, qint64 h, qint64 fileBytes);

} // namespace festoon
