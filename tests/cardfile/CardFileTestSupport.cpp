// Building test cards and archives.
#include "tests/cardfile/CardFileTestSupport.h"

#include "core/Bitmap.h"
#include "core/CardFileFormat.h"
#include "core/ZipReader.h"
#include "core/ZipWriter.h"
#include "tests/core/CodecTestPictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <random>

namespace festoon::test {

QImage GreyNoise(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    QImage mask = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        uchar* row = mask.scanLine(y);
        for (int x = 0; x < w; ++x) {
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = static_cast<uchar>(random());
        }
    }
    return mask;
}

Composition RichCard() {
    Composition card(QSize(320, 240), NoisePicture(80, 60, 1));
    card.SetBackdrop(NoisePicture(80, 60, 1), Png(NoisePicture(80, 60, 1)));
    const QImage defaultMask = GreyNoise(40, 30, 2);
    // The photos keep the files they were read from.
    card.PlacePhoto(NoisePicture(600, 400, 3), defaultMask,
                    Png(NoisePicture(600, 400, 3))); // at the canvas height
    card.PlacePhoto(NoisePicture(90, 70, 4), defaultMask, Png(NoisePicture(90, 70, 4)));
    card.MaskPhoto(GreyNoise(16, 16, 5));
    card.CopyTop();
    card.PlaceArtwork(NoisePicture(120, 90, 6), GreyNoise(120, 90, 7), 2);
    card.PlaceLettering(GreyNoise(70, 20, 8), QColor(200, 30, 60));
    card.LayFrame(NoisePicture(64, 48, 9), GreyNoise(64, 48, 10));
    card.PlaceObject(QRect(290, 200, 60, 70), NoisePicture(30, 35, 11), GreyNoise(5, 5, 12));
    card.PlaceObject(QRect(-80, -60, 40, 30), NoisePicture(8, 8, 13), GreyNoise(8, 8, 14));
    card.PlaceObject(QRect(20, 150, 50, 40), QImage(), GreyNoise(8, 8, 15));
    card.SelectAndRaise(2);
    card.DeleteTop(); // slot 2 stays free, renamed x2
    card.SetBounds(card.SelectedSlot(), QRect(25, 140, 64, 48));
    return card;
}

QByteArray Png(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(picture);
    return bytes;
}

QByteArray Archive(const Entries& entries) {
    ZipWriter zip;
    for (const auto& [name, content] : entries) {
        zip.Add(name, content,
                name == cardfile::kMimeTypeEntry ? ZipWriter::Compression::Store
                                                 : ZipWriter::Compression::Deflate);
    }
    return zip.Finish();
}

Entries EntriesOf(const QByteArray& archive) {
    const ZipReader zip = ZipReader::FromBytes(archive);
    Entries entries;
    for (const QString& name : zip.Names()) {
        entries.append({name, zip.Read(name, 1 << 30)});
    }
    return entries;
}

QByteArray Replaced(const QByteArray& archive, const QString& name, const QByteArray& content) {
    Entries entries = EntriesOf(archive);
    for (qsizetype i = entries.size() - 1; i >= 0; --i) {
        if (entries[i].first == name) {
            if (content.isNull()) {
                entries.removeAt(i);
            } else {
                entries[i].second = content;
            }
        }
    }
    return Archive(entries);
}

QByteArray StackXml(int w, int h, const QString& layers) {
    return QStringLiteral(
               "<?xml version='1.0' encoding='UTF-8'?>\n<image version=\"0.0.5\" w=\"%1\" h=\"%2\">"
               "<stack>%3</stack></image>\n")
        .arg(w)
        .arg(h)
        .arg(layers)
        .toUtf8();
}

QByteArray ForeignCard(int w, int h, const QString& layers, const Entries& pictures) {
    Entries entries{{cardfile::kMimeTypeEntry, cardfile::kMimeType},
                    {cardfile::kStackEntry, StackXml(w, h, layers)}};
    entries.append(pictures);
    return Archive(entries);
}

} // namespace festoon::test
