// JPEG decoding and encoding: round trips, colour handling, and every kind of broken stream.
#include "core/JpegCodec.h"
#include "core/PlatformError.h"
#include "tests/core/CodecTestPictures.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

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
