// JPEG decoding and encoding: round trips, colour handling, and every kind of broken stream.
#include "core/JpegCodec.h"
#include "core/PlatformError.h"
#include "tests/core/CodecTestPictures.h"
#include "tests/support/PictureVariants.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>
#include <thread>

using namespace festoon;

namespace {

QString DecodeFailure(const QByteArray& data) {
    try {
        (void)DecodeJpeg(data);
    } catch (const PlatformError& error) {
        return error.message();
    }
    return QStringLiteral("(decoded)");
}

bool IsJpegErrorMessage(const QString& message) {
    return QRegularExpression(QStringLiteral("^JPEG error #\\d+$")).match(message).hasMatch();
}

// Offset of the first marker FF <code>, or -1.
qsizetype FindMarker(const QByteArray& data, unsigned char code) {
    for (qsizetype i = 0; i + 1 < data.size(); ++i) {
        if (static_cast<unsigned char>(data[i]) == 0xFF && static_cast<unsigned char>(data[i + 1]) == code) {
            return i;
        }
    }
    return -1;
}

} // namespace

TEST(JpegCodec, EncodesAtQuality85AndDecodesBackCloseToTheOriginal) {
    const QImage original = GradientPicture(97, 61);
    const QByteArray encoded = EncodeJpeg(original, 85);
    const QImage decoded = DecodeJpeg(encoded);
    ASSERT_EQ(decoded.size(), original.size());
    EXPECT_EQ(decoded.format(), QImage::Format_BGR888);
    EXPECT_LE(LargestChannelDifference(decoded, original), 12);
}

TEST(JpegCodec, WritesABaselineColourStream) {
    const QByteArray encoded = EncodeJpeg(GradientPicture(16, 16), 85);
    const qsizetype sof = FindMarker(encoded, 0xC0);
    ASSERT_GE(sof, 0);
    EXPECT_EQ(FindMarker(encoded, 0xC2), -1) << "progressive";
    EXPECT_EQ(static_cast<unsigned char>(encoded[sof + 9]), 3) << "components";
}

TEST(JpegCodec, HigherQualityStaysCloser) {
    const QImage original = NoisePicture(64, 64, 7);
    const int at50 = LargestChannelDifference(DecodeJpeg(EncodeJpeg(original, 50)), original);
    const int at100 = LargestChannelDifference(DecodeJpeg(EncodeJpeg(original, 100)), original);
    EXPECT_LT(at100, at50);
}

TEST(JpegCodec, KeepsBlueGreenRedOrder) {
    QImage red = GradientPicture(16, 16);
    red.fill(QColor(220, 20, 30));
    const QImage decoded = DecodeJpeg(EncodeJpeg(red, 95));
    const uchar* pixel = decoded.constScanLine(8) + 8 * 3;
    EXPECT_NEAR(pixel[0], 30, 6);  // blue
    EXPECT_NEAR(pixel[1], 20, 6);  // green
    EXPECT_NEAR(pixel[2], 220, 6); // red
}

TEST(JpegCodec, GreyscaleStreamDecodesToGreyBgr) {
    const QImage decoded = DecodeJpeg(GreyscaleJpeg(40, 8));
    ASSERT_EQ(decoded.size(), QSize(40, 8));
    for (int x = 0; x < 40; ++x) {
        const uchar* pixel = decoded.constScanLine(4) + x * 3;
        EXPECT_EQ(pixel[0], pixel[1]);
        EXPECT_EQ(pixel[1], pixel[2]);
    }
    EXPECT_LT(decoded.constScanLine(4)[0], 20);
    EXPECT_GT(decoded.constScanLine(4)[39 * 3], 235);
}

TEST(JpegCodec, BrokenStreamsFailWithTheDecodersMessage) {
    const QByteArray valid = EncodeJpeg(GradientPicture(64, 64), 90);
    struct Case {
        const char* what;
        QByteArray data;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"ten bytes", valid.left(10)},
        {"header only", valid.left(200)},
        {"truncated", valid.left(valid.size() / 2)},
        {"garbage", RandomBytes(5000, 11)},
        {"text", QByteArray("this is not a picture at all")},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(IsJpegErrorMessage(DecodeFailure(c.data)))
            << c.what << ": " << DecodeFailure(c.data).toStdString();
    }
}

TEST(JpegCodec, AbsurdSizeIsRefusedBeforeDecoding) {
    QByteArray data = EncodeJpeg(GradientPicture(8, 8), 90);
    const qsizetype sof = FindMarker(data, 0xC0);
    ASSERT_GE(sof, 0);
    // SOF0: marker, length (2), precision (1), height (2), width (2).
    for (const qsizetype offset : {sof + 5, sof + 7}) {
        data[offset] = static_cast<char>(0xEA);
        data[offset + 1] = static_cast<char>(0x60); // 60000
    }
    EXPECT_EQ(DecodeFailure(data), PlatformError::PictureTooLarge(60000, 60000).message());
}

TEST(JpegCodec, EmptyPictureCannotBeEncoded) {
    EXPECT_THROW((void)EncodeJpeg(QImage(), 85), PlatformError);
}

// --- the decoder's limits ---

namespace {

using festoon::testing::JpegVariant;

// The bytes before the n-th start-of-scan marker (1-based), closed with an end-of-image marker.
QByteArray CutBeforeScan(const QByteArray& data, int n) {
    qsizetype at = -1;
    for (int i = 0; i < n; ++i) {
        at = data.indexOf(QByteArray("\xFF\xDA", 2), at + 1);
    }
    return data.left(at) + QByteArray("\xFF\xD9", 2);
}

} // namespace

TEST(JpegDecodeLimits, ProgressiveStreamsOfManyScansAreRefusedPastTheLimit) {
    // Complete and valid, 190 scans: decoded.
    EXPECT_EQ(DecodeJpeg(festoon::testing::ProgressiveManyScans(64, 48, 1)).size(), QSize(64, 48));
    // Complete and valid too, but 379 scans.
    EXPECT_EQ(DecodeFailure(festoon::testing::ProgressiveManyScans(64, 48, 2)),
              PlatformError::Jpeg(JERR_BAD_PROGRESSION).message());
    // The scan bomb: 2,000 scans over 4000 x 4000 in a small file.
    const QByteArray bomb = festoon::testing::ProgressiveManyScans(4000, 4000, 14, 2000);
    EXPECT_LT(bomb.size(), 300 * 1024);
    EXPECT_EQ(DecodeFailure(bomb), PlatformError::Jpeg(JERR_BAD_PROGRESSION).message());
}

TEST(JpegDecodeLimits, AStreamCutShortIsRefusedWhateverItEndsWith) {
    const QImage picture = festoon::testing::PhotoLikePicture(320, 240);
    const QByteArray baseline = EncodeJpeg(picture, 90);
    const QByteArray endOfImage("\xFF\xD9", 2);
    const QByteArray cut = baseline.left(baseline.size() / 2);
    EXPECT_EQ(DecodeFailure(cut), PlatformError::Jpeg(JWRN_JPEG_EOF).message()) << "no marker";
    EXPECT_EQ(DecodeFailure(cut + endOfImage), PlatformError::Jpeg(JWRN_HIT_MARKER).message());
    EXPECT_EQ(DecodeFailure(cut + QByteArray("\xFF\xC4", 2)), PlatformError::Jpeg(JWRN_HIT_MARKER).message());

    // A progressive stream that stops after its first scans is a blurred picture, not the photo.
    const QByteArray progressive = festoon::testing::EncodeJpegVariant(picture, {90, true});
    ASSERT_EQ(DecodeJpeg(progressive).size(), picture.size());
    EXPECT_EQ(DecodeFailure(CutBeforeScan(progressive, 4)), PlatformError::Jpeg(JWRN_JPEG_EOF).message());
    EXPECT_EQ(DecodeFailure(CutBeforeScan(progressive, 10)), PlatformError::Jpeg(JWRN_JPEG_EOF).message());
}

TEST(JpegDecodeLimits, AFewCorruptDataWarningsAreToleratedManyAreNot) {
    // Each scan that refines a coefficient already complete costs a warning, and changes nothing.
    const QImage clean = DecodeJpeg(festoon::testing::ProgressiveManyScans(48, 32, 1));
    EXPECT_EQ(DecodeJpeg(festoon::testing::ProgressiveManyScans(48, 32, 1, 1 << 30, 10)), clean);
    EXPECT_EQ(DecodeFailure(festoon::testing::ProgressiveManyScans(48, 32, 1, 1 << 30, 11)),
              PlatformError::Jpeg(JWRN_BOGUS_PROGRESSION).message());
}

TEST(JpegDecodeLimits, MorePixelsThanTheBytesCouldHoldAreRefusedBeforeAllocating) {
    QByteArray data = EncodeJpeg(GradientPicture(16, 16), 90);
    const qsizetype sof = FindMarker(data, 0xC0);
    ASSERT_GE(sof, 0);
    for (const qsizetype offset : {sof + 5, sof + 7}) {
        data[offset] = static_cast<char>(0x40); // 16384
        data[offset + 1] = 0;
    }
    EXPECT_LT(data.size(), 1024);
    EXPECT_EQ(DecodeFailure(data), PlatformError::Jpeg(JWRN_JPEG_EOF).message());

    // A flat colour, the most compressible picture, in libjpeg's leanest form still decodes.
    QImage grey(4000, 3000, QImage::Format_BGR888);
    grey.fill(QColor(200, 200, 200));
    JpegVariant leanest;
    leanest.quality = 10;
    leanest.greyscale = true;
    leanest.optimizeCoding = true;
    const QByteArray lean = festoon::testing::EncodeJpegVariant(grey, leanest);
    EXPECT_EQ(DecodeJpeg(lean).size(), QSize(4000, 3000)) << lean.size() << " bytes";
}

TEST(JpegDecodeLimits, LibjpegMemoryIsBounded) {
    // 16384 x 16384 progressive at full chroma needs 1.5 GiB of coefficients before the first row.
    const QByteArray huge = festoon::testing::ProgressiveManyScans(16384, 16384, 1);
    EXPECT_EQ(DecodeFailure(huge), PlatformError::Jpeg(JERR_NO_BACKING_STORE).message());
}

TEST(JpegDecodeLimits, PreviewDecodesAtAReducedScaleThatStillFillsTheBox) {
    const QByteArray jpeg = EncodeJpeg(festoon::testing::PhotoLikePicture(1600, 1000), 90);
    QSize declared;
    EXPECT_EQ(DecodeJpeg(jpeg, {QSize(200, 200), nullptr, &declared}).size(), QSize(200, 125)); // 1/8
    EXPECT_EQ(declared, QSize(1600, 1000));
    EXPECT_EQ(DecodeJpeg(jpeg, {QSize(300, 300)}).size(), QSize(400, 250)); // 1/4
    EXPECT_EQ(DecodeJpeg(jpeg, {QSize(1000, 1000)}).size(), QSize(1600, 1000));
    // A thin panorama fits by its width: 1/8 still gives it.
    const QByteArray panorama = EncodeJpeg(festoon::testing::PhotoLikePicture(1600, 90), 90);
    EXPECT_EQ(DecodeJpeg(panorama, {QSize(200, 200)}).size(), QSize(200, 12));
}

TEST(JpegDecodeLimits, ACancelledDecodeStopsWithoutAPicture) {
    const QByteArray jpeg =
        festoon::testing::EncodeJpegVariant(festoon::testing::PhotoLikePicture(3000, 2000), {90, true});
    DecodeControl control;
    control.cancelled = true;
    EXPECT_THROW((void)DecodeJpeg(jpeg, {QSize(), &control}), DecodeCancelled);

    // Cancelled once the decode is under way, from another thread.
    DecodeControl running;
    std::atomic<bool> ended{false};
    std::thread canceller([&] {
        while (running.progress.load() < 0 && !ended) {
            std::this_thread::yield();
        }
        running.cancelled = true;
    });
    EXPECT_THROW((void)DecodeJpeg(jpeg, {QSize(), &running}), DecodeCancelled);
    ended = true;
    canceller.join();
}
