// Broken files made from valid ones by patching or cutting their bytes, and the canvas snapshot.
#include "tests/robustness/BadFiles.h"

#include "app/img.h"
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
    CanvasSnapshot snapshot;
    snapshot.layers = window.LayerList;
    for (int slot = 1; slot <= TFormMain::kSlotCount; ++slot) {
        const TImg* object = window.ObjectSlots[static_cast<size_t>(slot)];
        snapshot.slotNames << object->objectName();
        snapshot.slotVisible << !object->isHidden();
        snapshot.slotMasks << object->Mask;
    }
    if (const TImg* top = window.TopObject()) {
        snapshot.topPicture = top->Picture();
    }
    snapshot.backdrop = window.ImBackDrop->Picture();
    snapshot.cleanBackdrop = window.CleanBackdropBmp;
    snapshot.composed = window.ComposedBmp;
    snapshot.selectedSlot = window.SelectedSlot;
    snapshot.dragSlot = window.DragSlot;
    return snapshot;
}

void ExpectCanvasUnchanged(const TFormMain& window, const CanvasSnapshot& before) {
    const CanvasSnapshot after = TakeSnapshot(window);
    EXPECT_EQ(after.layers, before.layers);
    EXPECT_EQ(after.slotNames, before.slotNames);
    EXPECT_EQ(after.slotVisible, before.slotVisible);
    EXPECT_TRUE(after.slotMasks == before.slotMasks) << "an object's mask changed";
    EXPECT_TRUE(after.topPicture == before.topPicture) << "the topmost object's picture changed";
    EXPECT_TRUE(after.backdrop == before.backdrop) << "the backdrop changed";
    EXPECT_TRUE(after.cleanBackdrop == before.cleanBackdrop) << "the clean backdrop changed";
    EXPECT_TRUE(after.composed == before.composed) << "the composed canvas changed";
    EXPECT_EQ(after.selectedSlot, before.selectedSlot);
    EXPECT_EQ(after.dragSlot, before.dragSlot);
}
