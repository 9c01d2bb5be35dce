// Reading artwork files: header replaced in memory, then an ordinary JPEG decode.
#include "core/ArtworkReader.h"

#include "core/FileIO.h"
#include "core/JpegCodec.h"

#include <algorithm>

namespace festoon {

QImage DecodeArtwork(QByteArray bytes) {
    if (bytes.size() < static_cast<qsizetype>(ArtworkHeader.size())) {
        bytes.resize(static_cast<qsizetype>(ArtworkHeader.size()));
    }
    std::copy(ArtworkHeader.begin(), ArtworkHeader.end(), bytes.begin());
    return DecodeJpeg(bytes);
}

QImage ReadArtworkFile(const QString& path) {
    return DecodeArtwork(ReadWholeFile(path));
}

} // namespace festoon
