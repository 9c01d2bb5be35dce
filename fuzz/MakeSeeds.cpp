// Writes seed corpora for the fuzz targets: small valid JPEG, BMP and artwork files of several kinds.
// Usage: fuzz_make_seeds <folder>; creates <folder>/jpeg, <folder>/bmp and <folder>/artwork.
#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/JpegCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

namespace {

QImage Picture(int w, int h, int variant) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv((variant * 47) % 360, 200, 220));
    QPainter painter(&picture);
    painter.setBrush(QColor::fromHsv((variant * 91) % 360, 255, 120));
    painter.drawEllipse(QRect(w / 4, h / 4, w / 2 + 1, h / 2 + 1));
    painter.end();
    return picture;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Qt writes BMP files with 1, 8, 24 or 32 bits per pixel depending on the picture's format.
QByteArray QtBmp(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "bmp").write(picture);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* kind : {"jpeg", "bmp", "artwork"}) {
        root.mkpath(QLatin1String(kind));
    }
    const QSize sizes[] = {{1, 1}, {8, 8}, {17, 9}, {33, 48}, {64, 64}};
    bool ok = true;
    int n = 0;
    for (const QSize size : sizes) {
        for (const int quality : {10, 85, 100}) {
            const QImage picture = Picture(size.width(), size.height(), n);
            const QByteArray jpeg = festoon::EncodeJpeg(picture, quality);
            ok = ok && Write(root.filePath(QStringLiteral("jpeg/%1.jpg").arg(n)), jpeg);
            QByteArray artwork = jpeg;
            artwork.replace(0, 16, QByteArray(16, static_cast<char>(n * 37)));
            ok = ok && Write(root.filePath(QStringLiteral("artwork/%1.ssl").arg(n)), artwork);
            ++n;
        }
        const QImage picture = Picture(size.width(), size.height(), n);
        ok = ok && Write(root.filePath(QStringLiteral("bmp/%1-24.bmp").arg(n)), festoon::EncodeBmp(picture));
        ok = ok && Write(root.filePath(QStringLiteral("bmp/%1-8.bmp").arg(n)),
                         QtBmp(picture.convertToFormat(QImage::Format_Indexed8)));
        ok = ok && Write(root.filePath(QStringLiteral("bmp/%1-1.bmp").arg(n)),
                         QtBmp(picture.convertToFormat(QImage::Format_Mono)));
        ok = ok && Write(root.filePath(QStringLiteral("bmp/%1-32.bmp").arg(n)),
                         QtBmp(picture.convertToFormat(QImage::Format_ARGB32)));
    }
    if (!ok) {
        std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
