// Photos in every format the program reads: turned upright by their EXIF orientation, told by their
// content, their transparency kept, and broken files refused with a message naming them.
#include "core/JpegCodec.h"
#include "core/PictureFile.h"
#include "core/PlatformError.h"
#include "tests/support/PictureVariants.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

constexpr QRgb kRed = qRgb(220, 30, 30), kGreen = qRgb(30, 200, 40), kBlue = qRgb(30, 40, 220),
               kYellow = qRgb(230, 220, 20);

// Four quadrants of one colour each: red, green on top, blue, yellow below.
QImage Quadrants(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            picture.setPixel(x, y, bottom ? (right ? kYellow : kBlue) : (right ? kGreen : kRed));
        }
    }
    return picture;
}

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
           std::abs(qBlue(a) - qBlue(b)) < 24;
}

// The CRC-32 a PNG chunk ends with, over its type and data.
quint32 Crc32(QByteArrayView bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return ~crc;
}

class PictureFormatsTest : public ::testing::Test {
  protected:
    QString Write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
    static QByteArray Encoded(const QImage& picture, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(QImageWriter(&buffer, format).write(picture)) << format;
        return bytes;
    }
    static QString Failure(const QString& path) {
        try {
            (void)LoadPictureFile(path);
        } catch (const PlatformError& error) {
            return error.message();
        }
        return QStringLiteral("(loaded)");
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(PictureFormatsTest, EveryExifOrientationIsTurnedUpright) {
    // What the upright picture shows in its corners (top left, top right, bottom left, bottom right)
    // for each orientation of a stored picture of red, green over blue, yellow.
    const struct {
        int orientation;
        QRgb corners[4];
    } cases[] = {
        {1, {kRed, kGreen, kBlue, kYellow}}, {2, {kGreen, kRed, kYellow, kBlue}},
        {3, {kYellow, kBlue, kGreen, kRed}}, {4, {kBlue, kYellow, kRed, kGreen}},
        {5, {kRed, kBlue, kGreen, kYellow}}, {6, {kBlue, kRed, kYellow, kGreen}},
        {7, {kYellow, kGreen, kBlue, kRed}}, {8, {kGreen, kYellow, kRed, kBlue}},
    };
    const QByteArray stored = EncodeJpeg(Quadrants(48, 32), 95);
    for (const auto& c : cases) {
        const QString path =
            Write(QStringLiteral("o%1.jpg").arg(c.orientation),
                  festoon::testing::WithExifOrientation(stored, c.orientation, c.orientation > 4));
        const QImage upright = LoadPictureFile(path);
        const bool exchanged = c.orientation >= 5;
        ASSERT_EQ(upright.size(), exchanged ? QSize(32, 48) : QSize(48, 32)) << c.orientation;
        const int r = upright.width() - 3, b = upright.height() - 3;
        const QRgb seen[4] = {upright.pixel(2, 2), upright.pixel(r, 2), upright.pixel(2, b),
                              upright.pixel(r, b)};
        for (int corner = 0; corner < 4; ++corner) {
            EXPECT_TRUE(Near(seen[corner], c.corners[corner]))
                << "orientation " << c.orientation << " corner " << corner << " is " << std::hex
                << seen[corner];
        }
    }
}

TEST_F(PictureFormatsTest, OrientationAndReducedScaleTogether) {
    // A quarter-turned 1600 x 1200 picture needed at 300 x 400 is decoded at a quarter scale, upright.
    const QByteArray stored = festoon::testing::WithExifOrientation(EncodeJpeg(Quadrants(1600, 1200), 90), 6);
    QSize seenInFile;
    const LoadedPicture loaded =
        ReadPictureFile(Write(QStringLiteral("turned.jpg"), stored), nullptr, [&](QSize inFile) {
            seenInFile = inFile;
            return QSize(300, 400);
        });
    EXPECT_EQ(seenInFile, QSize(1200, 1600));
    EXPECT_EQ(loaded.decoded.fileSize, QSize(1200, 1600));
    EXPECT_EQ(loaded.decoded.picture.size(), QSize(300, 400));
    EXPECT_TRUE(Near(loaded.decoded.picture.pixel(5, 5), kBlue));
    EXPECT_EQ(loaded.original, stored);
}

TEST_F(PictureFormatsTest, EachFormatIsReadByItsContentWhateverItsName) {
    const QImage picture = Quadrants(20, 12);
    for (const char* format : {"png", "webp", "tiff"}) {
        const QString path =
            Write(QStringLiteral("%1-photo.jpg").arg(QLatin1String(format)), Encoded(picture, format));
        const QImage loaded = LoadPictureFile(path);
        ASSERT_EQ(loaded.size(), picture.size()) << format;
        EXPECT_TRUE(Near(loaded.pixel(1, 1), kRed)) << format;
        EXPECT_TRUE(Near(loaded.pixel(18, 10), kYellow)) << format;
    }
    // A GIF gives its first frame.
    const QImage gif = LoadPictureFile(
        Write(QStringLiteral("frames.bmp"), festoon::testing::TwoFrameGif(9, 5, kRed, kBlue)));
    ASSERT_EQ(gif.size(), QSize(9, 5));
    EXPECT_EQ(gif.pixel(4, 2), kRed);
}

TEST_F(PictureFormatsTest, TransparencyIsKeptOnlyWhereThereIsSome) {
    QImage sticker(10, 6, QImage::Format_ARGB32);
    sticker.fill(qRgba(30, 40, 220, 255));
    sticker.setPixel(0, 0, qRgba(0, 0, 0, 0));
    sticker.setPixel(1, 0, qRgba(220, 30, 30, 128));
    for (const char* format : {"png", "webp"}) {
        const LoadedPicture cutOut = ReadPictureFile(
            Write(QStringLiteral("sticker.%1").arg(QLatin1String(format)), Encoded(sticker, format)));
        ASSERT_FALSE(cutOut.decoded.withAlpha.isNull()) << format;
        EXPECT_EQ(qAlpha(cutOut.decoded.withAlpha.pixel(0, 0)), 0) << format;
        EXPECT_NEAR(qAlpha(cutOut.decoded.withAlpha.pixel(1, 0)), 128, 2) << format;
        // Laid on white for a backdrop.
        EXPECT_EQ(cutOut.decoded.picture.pixel(0, 0), qRgb(255, 255, 255)) << format;
    }
    // An alpha channel that is opaque everywhere is no cut-out.
    QImage opaque = sticker;
    opaque.fill(qRgba(30, 40, 220, 255));
    const LoadedPicture plain = ReadPictureFile(Write(QStringLiteral("opaque.png"), Encoded(opaque, "png")));
    EXPECT_TRUE(plain.decoded.withAlpha.isNull());
}

TEST_F(PictureFormatsTest, BrokenFilesAreRefusedNamingTheFile) {
    const QImage picture = Quadrants(64, 40);
    for (const char* format : {"png", "webp", "tiff"}) {
        const QByteArray whole = Encoded(picture, format);
        // Cut after the header, and with the header's size field made absurd.
        const QString cut = Write(QStringLiteral("cut.%1").arg(QLatin1String(format)), whole.left(40));
        const QString message = Failure(cut);
        EXPECT_TRUE(message.contains(cut)) << format << ": " << message.toStdString();
    }
    const QString gif =
        Write(QStringLiteral("cut.gif"), festoon::testing::TwoFrameGif(9, 5, kRed, kBlue).left(30));
    EXPECT_TRUE(Failure(gif).contains(gif)) << Failure(gif).toStdString();
    // The picture limits hold for the new formats too: a PNG header declaring 100000 x 100000.
    QByteArray huge = Encoded(picture, "png");
    const char side[4] = {0, 1, static_cast<char>(0x86), static_cast<char>(0xA0)};
    huge.replace(16, 4, side, 4);
    huge.replace(20, 4, side, 4);
    const quint32 crc = Crc32(QByteArrayView(huge).sliced(12, 17));
    const char crcBytes[4] = {static_cast<char>(crc >> 24), static_cast<char>(crc >> 16),
                              static_cast<char>(crc >> 8), static_cast<char>(crc)};
    huge.replace(29, 4, crcBytes, 4);
    EXPECT_TRUE(Failure(Write(QStringLiteral("huge.png"), huge))
                    .startsWith(QStringLiteral("The picture is too large")))
        << Failure(dir_.filePath(QStringLiteral("huge.png"))).toStdString();
}
