// BMP reading and writing: exact round trips, 24-bit output, and refusal of invalid or absurd files.
#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/JpegCodec.h"
#include "core/PlatformError.h"
#include "tests/core/CodecTestPictures.h"
#include "tests/support/PictureVariants.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

QString DecodeFailure(const QByteArray& data) {
    try {
        (void)DecodeBmp(data);
    } catch (const PlatformError& error) {
        return error.message();
    }
    return QStringLiteral("(decoded)");
}

const QString kInvalid = QStringLiteral("Bitmap image is not valid");

// A file and info header (40 bytes) for a 24-bit picture of w x h, without pixel data.
QByteArray BmpHeader(qint32 w, qint32 h) {
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(w, header.data() + 18);
    qToLittleEndian<qint32>(h, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header;
}

} // namespace

TEST(BmpCodec, RoundTripIsExactAndWrites24Bits) {
    for (const QSize size : {QSize(37, 19), QSize(1, 1), QSize(4, 3)}) {
        const QImage original = NoisePicture(size.width(), size.height(), 3);
        const QByteArray file = EncodeBmp(original);
        EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 28), 24) << "biBitCount";
        EXPECT_EQ(DecodeBmp(file), original) << size.width() << "x" << size.height();
    }
}

TEST(BmpCodec, ReadsATopDownFileTheRightWayUp) {
    const QImage original = NoisePicture(5, 4, 9);
    QByteArray file = EncodeBmp(original);
    const qint32 height = qFromLittleEndian<qint32>(file.constData() + 22);
    qToLittleEndian<qint32>(-height, file.data() + 22);
    EXPECT_EQ(DecodeBmp(file), original.mirrored(false, true));
}

TEST(BmpCodec, AJpegIsNotAValidBitmap) {
    EXPECT_EQ(DecodeFailure(EncodeJpeg(GradientPicture(8, 8), 90)), kInvalid);
}

TEST(BmpCodec, BrokenFilesAreNotValidBitmaps) {
    const QByteArray valid = EncodeBmp(NoisePicture(20, 20, 5));
    EXPECT_EQ(DecodeFailure(QByteArray()), kInvalid);
    EXPECT_EQ(DecodeFailure(valid.left(10)), kInvalid);
    EXPECT_EQ(DecodeFailure(valid.left(30)), kInvalid);
    EXPECT_EQ(DecodeFailure(valid.left(valid.size() - 1)), kInvalid) << "pixels cut short";
    EXPECT_EQ(DecodeFailure(RandomBytes(3000, 2)), kInvalid);
    EXPECT_EQ(DecodeFailure(BmpHeader(0, 10)), kInvalid);
    QByteArray garbageAfterMagic = RandomBytes(3000, 4);
    garbageAfterMagic[0] = 'B';
    garbageAfterMagic[1] = 'M';
    EXPECT_EQ(DecodeFailure(garbageAfterMagic), kInvalid);
}

TEST(BmpCodec, AbsurdSizeIsRefusedBeforeDecoding) {
    EXPECT_EQ(DecodeFailure(BmpHeader(60000, 60000)), PlatformError::PictureTooLarge(60000, 60000).message());
    EXPECT_EQ(DecodeFailure(BmpHeader(60000, -60000)),
              PlatformError::PictureTooLarge(60000, 60000).message());
}

// --- every layout, and run-length data that must fill its picture ---

namespace {

using festoon::testing::BmpLayout;

// The picture as a paletted file of `levels` greys shows it: each pixel's grey level, quantised.
QImage AsGreys(const QImage& picture, int levels) {
    QImage expected = MakeBitmap(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int grey = qGray(picture.pixel(x, y)) * levels / 256 * 255 / (levels - 1);
            expected.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return expected;
}

} // namespace

TEST(BmpCodec, ReadsEveryLayoutTheWayItIsStored) {
    const QImage picture = festoon::testing::PhotoLikePicture(37, 21).convertToFormat(kBitmapFormat);
    EXPECT_EQ(DecodeBmp(festoon::testing::EncodeBmpVariant(picture, BmpLayout::TopDown24)), picture);
    EXPECT_EQ(DecodeBmp(festoon::testing::EncodeBmpVariant(picture, BmpLayout::Os2Core24)), picture);
    EXPECT_EQ(DecodeBmp(festoon::testing::EncodeBmpVariant(picture, BmpLayout::Paletted8)),
              AsGreys(picture, 256));
    EXPECT_EQ(DecodeBmp(festoon::testing::EncodeBmpVariant(picture, BmpLayout::RunLength8)),
              AsGreys(picture, 256));
    EXPECT_EQ(DecodeBmp(festoon::testing::EncodeBmpVariant(picture, BmpLayout::RunLength4)),
              AsGreys(picture, 16));
    // Five and six bits a channel: within one step of eight levels.
    EXPECT_LE(LargestChannelDifference(
                  DecodeBmp(festoon::testing::EncodeBmpVariant(picture, BmpLayout::BitFields16)), picture),
              8);
}

TEST(BmpCodec, RunLengthDataCutShortIsRefused) {
    const QImage picture = festoon::testing::PhotoLikePicture(120, 80);
    for (const BmpLayout layout : {BmpLayout::RunLength8, BmpLayout::RunLength4}) {
        const QByteArray whole = festoon::testing::EncodeBmpVariant(picture, layout);
        ASSERT_EQ(DecodeBmp(whole).size(), picture.size());
        EXPECT_EQ(DecodeFailure(whole.left(whole.size() * 2 / 3)), kInvalid);
        EXPECT_EQ(DecodeFailure(whole.left(whole.size() - 3)), kInvalid) << "the last line's end cut off";
    }
}

TEST(BmpCodec, RunLengthFileClaimingFarMoreThanItsBytesIsRefused) {
    // 1.2 KB declaring 16384 x 16384: a run over the first line, then the end-of-bitmap code.
    const QByteArray bomb = festoon::testing::RunLengthBmpClaimingSize(16384, 16384);
    EXPECT_LT(bomb.size(), 1300);
    EXPECT_EQ(DecodeFailure(bomb), kInvalid);
    // The same shape at a size its bytes can hold: an early end leaves the rest background.
    EXPECT_EQ(DecodeBmp(festoon::testing::RunLengthBmpClaimingSize(300, 200)).size(), QSize(300, 200));
}
