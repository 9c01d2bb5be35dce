// Writes seed corpora for the fuzz targets: small valid JPEG, BMP, artwork and card files of several
// kinds, reaching the decoders' harder paths (progressive, greyscale, CMYK, 4:4:4, restart markers;
// run-length, bit-field, top-down, OS/2 and paletted bitmaps), a small scan bomb, and cards of the
// program's own and of a painting program.
// Usage: fuzz_make_seeds <folder>; creates <folder>/jpeg, <folder>/bmp, <folder>/artwork,
// <folder>/preview (the JPEG and BMP seeds together), <folder>/card and <folder>/picture (PNG, WebP, TIFF
// and GIF files, with and without alpha, and JPEGs with EXIF orientations).
#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/CardFile.h"
#include "core/CardFileFormat.h"
#include "core/JpegCodec.h"
#include "core/PngCodec.h"
#include "core/ZipWriter.h"
#include "tests/support/PictureVariants.h"

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

using festoon::testing::BmpLayout;
using festoon::testing::JpegVariant;

// The JPEG kinds beyond libjpeg's defaults, each at a size with partial MCUs at the edges.
bool WriteJpegVariants(const QDir& root) {
    const QImage picture = festoon::testing::PhotoLikePicture(45, 37, 7);
    const struct {
        const char* name;
        JpegVariant variant;
    } variants[] = {
        {"progressive", {80, true, false, false, false, 0}},
        {"greyscale", {80, false, true, false, false, 0}},
        {"greyscale-progressive", {80, true, true, false, false, 0}},
        {"cmyk", {80, false, false, true, false, 0}},
        {"444", {80, false, false, false, true, 0}},
        {"restart", {80, false, false, false, false, 1}},
        {"progressive-444-restart", {80, true, false, false, true, 1}},
    };
    bool ok = true;
    for (const auto& kind : variants) {
        const QByteArray jpeg = festoon::testing::EncodeJpegVariant(picture, kind.variant);
        for (const char* folder : {"jpeg", "preview"}) {
            ok = ok && Write(root.filePath(QStringLiteral("%1/%2.jpg").arg(folder, kind.name)), jpeg);
        }
    }
    // Beyond the scan limit, and a complete stream of many scans within it.
    ok = ok && Write(root.filePath(QStringLiteral("jpeg/scan-bomb.jpg")),
                     festoon::testing::ProgressiveManyScans(96, 96, 2, 400));
    ok = ok && Write(root.filePath(QStringLiteral("preview/scan-bomb.jpg")),
                     festoon::testing::ProgressiveManyScans(96, 96, 2, 400));
    ok = ok && Write(root.filePath(QStringLiteral("jpeg/many-scans.jpg")),
                     festoon::testing::ProgressiveManyScans(40, 24, 1));
    return ok;
}

bool WriteBmpVariants(const QDir& root) {
    const QImage picture = festoon::testing::PhotoLikePicture(29, 13, 3);
    const struct {
        const char* name;
        BmpLayout layout;
    } layouts[] = {
        {"rle8", BmpLayout::RunLength8},       {"rle4", BmpLayout::RunLength4},
        {"bitfields", BmpLayout::BitFields16}, {"top-down", BmpLayout::TopDown24},
        {"os2", BmpLayout::Os2Core24},         {"paletted", BmpLayout::Paletted8},
    };
    bool ok = true;
    for (const auto& kind : layouts) {
        const QByteArray bmp = festoon::testing::EncodeBmpVariant(picture, kind.layout);
        for (const char* folder : {"bmp", "preview"}) {
            ok = ok && Write(root.filePath(QStringLiteral("%1/%2.bmp").arg(folder, kind.name)), bmp);
        }
    }
    return ok;
}

// The formats told by content: each written by Qt's own plugin, opaque and with alpha, and a GIF of two
// frames; JPEGs with an
// orientation in either byte order.
bool WritePictureSeeds(const QDir& root) {
    QImage cutOut = Picture(21, 14, 11).convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < cutOut.width(); ++x) {
        cutOut.setPixel(x, 0, qRgba(0, 0, 0, 0));
        cutOut.setPixel(x, 1, qRgba(200, 40, 40, 100));
    }
    bool ok = true;
    for (const char* format : {"png", "webp", "tiff"}) {
        for (const bool alpha : {false, true}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, format);
            ok = ok && writer.write(alpha ? cutOut : Picture(19, 11, 12));
            const QString name =
                QStringLiteral("picture/%1.%2")
                    .arg(alpha ? QStringLiteral("alpha") : QStringLiteral("opaque"), QLatin1String(format));
            ok = ok && Write(root.filePath(name), bytes);
        }
    }
    // Qt reads GIF but does not write it.
    ok = ok && Write(root.filePath(QStringLiteral("picture/frames.gif")),
                     festoon::testing::TwoFrameGif(9, 5, qRgb(200, 30, 30), qRgb(30, 30, 200)));
    const QByteArray jpeg = festoon::EncodeJpeg(Picture(13, 7, 13), 85);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        ok = ok && Write(root.filePath(QStringLiteral("picture/orientation-%1.jpg").arg(orientation)),
                         festoon::testing::WithExifOrientation(jpeg, orientation, orientation % 2 == 0));
    }
    return ok;
}

// Small cards of the program's own: objects with their masks, a copy, a frame, a deleted slot, a drag.
QList<QByteArray> OwnCards() {
    festoon::Composition card(QSize(24, 16), Picture(6, 4, 1));
    QList<QByteArray> cards{festoon::EncodeCardFile(card)};
    card.PlaceObject(QRect(2, 2, 10, 6), Picture(5, 3, 2), Picture(4, 4, 3));
    card.CopyTop();
    cards.append(festoon::EncodeCardFile(card));
    card.LayFrame(Picture(8, 8, 4), Picture(4, 4, 5));
    card.PlaceObject(QRect(-4, 10, 12, 9), Picture(3, 3, 6), Picture(3, 3, 7));
    card.DeleteTop();
    card.SetBounds(card.SelectedSlot(), QRect(1, 1, 3, 3));
    cards.append(festoon::EncodeCardFile(card));
    return cards;
}

// An OpenRaster file as a painting program writes it: layers with alpha, one hidden, one in a stack.
QByteArray ForeignCard() {
    QImage leaf = Picture(6, 5, 8).convertToFormat(QImage::Format_ARGB32);
    leaf.setPixel(1, 1, qRgba(10, 200, 30, 128));
    const QByteArray stack =
        "<?xml version='1.0' encoding='UTF-8'?>\n<image version=\"0.0.5\" w=\"20\" h=\"12\"><stack>"
        "<layer src=\"data/leaf.png\" x=\"3\" y=\"2\" opacity=\"0.7\"/>"
        "<layer src=\"data/leaf.png\" x=\"0\" y=\"0\" visibility=\"hidden\"/>"
        "<stack x=\"1\" y=\"1\"><layer src=\"data/leaf.png\" x=\"8\" y=\"4\"/></stack>"
        "<layer src=\"data/ground.png\" x=\"0\" y=\"0\"/></stack></image>\n";
    festoon::ZipWriter zip;
    zip.Add(festoon::cardfile::kMimeTypeEntry, festoon::cardfile::kMimeType,
            festoon::ZipWriter::Compression::Store);
    zip.Add(festoon::cardfile::kStackEntry, stack, festoon::ZipWriter::Compression::Deflate);
    zip.Add(QStringLiteral("data/leaf.png"), festoon::EncodePng(leaf),
            festoon::ZipWriter::Compression::Store);
    zip.Add(QStringLiteral("data/ground.png"), festoon::EncodePng(Picture(20, 12, 9)),
            festoon::ZipWriter::Compression::Deflate);
    return zip.Finish();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* kind : {"jpeg", "bmp", "artwork", "preview", "card", "picture"}) {
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
    ok = ok && WriteJpegVariants(root) && WriteBmpVariants(root) && WritePictureSeeds(root);
    QList<QByteArray> cards = OwnCards();
    cards.append(ForeignCard());
    for (qsizetype i = 0; i < cards.size(); ++i) {
        ok = ok && Write(root.filePath(QStringLiteral("card/%1.ora").arg(i)), cards[i]);
    }
    if (!ok) {
        std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
