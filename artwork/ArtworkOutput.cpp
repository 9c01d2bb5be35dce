// Writing the generated pictures in the formats the program reads.
#include "artwork/ArtworkOutput.h"

#include "core/BmpCodec.h"
#include "core/FileIO.h"
#include "core/JpegCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <cstring>
#include <stdexcept>
#include <utility>

ArtworkOutput::ArtworkOutput(QString programFolder, QString resourceFolder)
    : programFolder_(std::move(programFolder)), resourceFolder_(std::move(resourceFolder)) {}

void ArtworkOutput::Write(const QString& path, const QByteArray& data) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    festoon::WriteFileReplacing(path, data);
}

void ArtworkOutput::WriteArtwork(const QString& relative, const QImage& picture, int quality) const {
    QByteArray data = festoon::EncodeJpeg(picture, quality);
    // The reader puts back a fixed 16-byte JFIF start, so the stream must begin with exactly that
    // segment layout, or overwriting it would cut into the stream's own data.
    static const QByteArray kJfifStart("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11);
    if (data.size() < 20 || !data.startsWith(kJfifStart)) {
        throw std::runtime_error("encoded artwork does not start with a 16-byte JFIF segment");
    }
    std::memcpy(data.data(), kArtworkStamp, 16);
    Write(programFolder_ + QLatin1Char('/') + relative, data);
}

void ArtworkOutput::WriteJpeg(const QString& relative, const QImage& picture, int quality) const {
    Write(programFolder_ + QLatin1Char('/') + relative, festoon::EncodeJpeg(picture, quality));
}

void ArtworkOutput::WriteBmp(const QString& relative, const QImage& picture) const {
    Write(programFolder_ + QLatin1Char('/') + relative, festoon::EncodeBmp(picture));
}

void ArtworkOutput::WriteResource(const QString& relative, const QImage& picture) const {
    const QString path = resourceFolder_ + QLatin1Char('/') + relative;
    if (relative.endsWith(QStringLiteral(".bmp"))) {
        Write(path, festoon::EncodeBmp(picture));
        return;
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture);
    Write(path, data);
}
