// Advice for the platform's messages, from the failures the codecs really report.
#include "core/BmpCodec.h"
#include "core/ErrorAdvice.h"
#include "core/JpegCodec.h"
#include "core/PlatformError.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace festoon;

namespace {

// The advice for what decoding the bytes fails with.
QString AdviceForJpeg(const QByteArray& data) {
    try {
        (void)DecodeJpeg(data);
    } catch (const PlatformError& error) {
        return ErrorAdvice(error.message());
    }
    ADD_FAILURE() << "the data decoded";
    return {};
}

QByteArray SmallJpeg() {
    QImage picture(64, 48, QImage::Format_BGR888);
    picture.fill(qRgb(200, 120, 40));
    return EncodeJpeg(picture, 90);
}

} // namespace

TEST(ErrorAdvice, JpegFailuresAreExplainedByWhatWentWrong) {
    EXPECT_EQ(AdviceForJpeg("plain text, no picture"),
              QStringLiteral("The file is not a picture Festoon can read."));
    EXPECT_EQ(AdviceForJpeg(QByteArray()), QStringLiteral("The file is empty."));
    const QByteArray whole = SmallJpeg();
    EXPECT_EQ(AdviceForJpeg(whole.left(whole.size() / 2)),
              QStringLiteral("The file ends too early; it may be damaged."));
    // A code with no advice of its own still says something plain.
    EXPECT_EQ(ErrorAdvice(PlatformError::Jpeg(9999).message()),
              QStringLiteral("The file is damaged, or it is not a JPEG picture."));
}

TEST(ErrorAdvice, EveryFileMessageHasAdviceAndOtherMessagesNone) {
    for (const PlatformError& error :
         {PlatformError::CannotOpen(QStringLiteral("/a/b.jpg")),
          PlatformError::CannotCreate(QStringLiteral("/a/b.jpg")), PlatformError::InvalidBitmap(),
          PlatformError::PictureTooLarge(90000, 90000)}) {
        EXPECT_FALSE(ErrorAdvice(error.message()).isEmpty()) << error.message().toStdString();
    }
    EXPECT_FALSE(ErrorAdvice(QStringLiteral("Out of memory")).isEmpty());
    EXPECT_TRUE(ErrorAdvice(QStringLiteral("There is no picture on the clipboard to paste.")).isEmpty());
    // Only the exact form counts: a message that merely mentions a JPEG error is not one.
    EXPECT_TRUE(ErrorAdvice(QStringLiteral("About JPEG error #53 in general")).isEmpty());
}

TEST(ErrorAdvice, ABrokenBitmapIsExplained) {
    try {
        (void)DecodeBmp("BM not really a bitmap");
        FAIL() << "the data decoded";
    } catch (const PlatformError& error) {
        EXPECT_EQ(ErrorAdvice(error.message()),
                  QStringLiteral("The file is damaged, or it is not a BMP picture Festoon can read."));
    }
}
