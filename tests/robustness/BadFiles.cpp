// Broken files made from valid ones by patching or cutting their bytes, and the canvas snapshot.
#include "tests/robustness/BadFiles.h"

#include "app/EditingSurface.h"
#include "core/BmpCodec.h"
#include "core/JpegCodec.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage DetailedPicture() {
    QImage picture(300, 200, QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, ((x ^ y) * 5) % 256));
        }
    }
    return picture;
}

} // namespace

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

QByteArray JpegClaimingSize(int width, int height) {
    QByteArray jpeg = festoon::EncodeJpeg(DetailedPicture().copy(0, 0, 16, 16), 90);
    // Baseline frame header: FF C0, length (2), precision (1), height (2), width (2).
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0) {
        ADD_FAILURE() << "no baseline frame header in the encoded JPEG";
        return jpeg;
    }
    qToBigEndian<quint16>(static_cast<quint16>(height), jpeg.data() + frame + 5);
    qToBigEndian<quint16>(static_cast<quint16>(width), jpeg.data() + frame + 7);
    return jpeg;
}

QByteArray BmpClaimingSize(int width, int height) {
    QByteArray bmp = festoon::EncodeBmp(DetailedPicture().copy(0, 0, 16, 16));
    qToLittleEndian<qint32>(width, bmp.data() + 18);
    qToLittleEndian<qint32>(height, bmp.data() + 22);
    return bmp;
}

QByteArray TruncatedJpeg(double keep) {
    const QByteArray jpeg = festoon::EncodeJpeg(DetailedPicture(), 90);
    return jpeg.left(static_cast<qsizetype>(static_cast<double>(jpeg.size()) * keep));
}

QByteArray TruncatedBmp(double keep) {
    const QByteArray bmp = festoon::EncodeBmp(DetailedPicture());
    return bmp.left(static_cast<qsizetype>(static_cast<double>(bmp.size()) * keep));
}

QByteArray AsArtwork(QByteArray jpeg) {
    jpeg.replace(0, 16, QByteArray(16, '\x5A'));
    return jpeg;
}

CanvasSnapshot TakeSnapshot(const TFormMain& window) {
    return {window.Card(), window.ImTouMing->ShownCanvas(), window.DragSlot};
}

void ExpectCanvasUnchanged(const TFormMain& window, const CanvasSnapshot& before) {
    const CanvasSnapshot after = TakeSnapshot(window);
    EXPECT_EQ(after.card.Layers().size(), before.card.Layers().size());
    EXPECT_TRUE(after.card == before.card) << "the card changed";
    EXPECT_TRUE(after.shown == before.shown) << "the picture shown changed";
    EXPECT_EQ(after.dragSlot, before.dragSlot);
}
