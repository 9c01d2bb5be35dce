// The readers' limits: which declared sizes are refused, and which files could plausibly hold them.
#include "core/PictureLimits.h"
#include "core/PlatformError.h"

#include <gtest/gtest.h>

using namespace festoon;

namespace {

QString SizeFailure(qint64 w, qint64 h) {
    try {
        CheckPictureSize(w, h);
    } catch (const PlatformError& error) {
        return error.message();
    }
    return QStringLiteral("(accepted)");
}

} // namespace

TEST(PictureLimits, AcceptsPicturesUpTo768MebibytesWhateverTheirShape) {
    EXPECT_EQ(SizeFailure(1, 1), QStringLiteral("(accepted)"));
    EXPECT_EQ(SizeFailure(16384, 16384), QStringLiteral("(accepted)"));
    EXPECT_EQ(SizeFailure(65535, 4096), QStringLiteral("(accepted)")) << "a panorama as wide as JPEG allows";
    EXPECT_EQ(SizeFailure(16384, 16385), PlatformError::PictureTooLarge(16384, 16385).message());
    EXPECT_EQ(SizeFailure(65536, 1), PlatformError::PictureTooLarge(65536, 1).message());
}

TEST(PictureLimits, RefusesEmptyNegativeAndAbsurdSizes) {
    EXPECT_EQ(SizeFailure(0, 10), PlatformError::PictureTooLarge(0, 10).message());
    EXPECT_EQ(SizeFailure(10, -1), PlatformError::PictureTooLarge(10, -1).message());
    // A 32-bit field read as unsigned: shown as the largest int, never wrapped to a negative number.
    EXPECT_EQ(SizeFailure(4294967295LL, 2), PlatformError::PictureTooLarge(2147483647, 2).message());
}

TEST(PictureLimits, PhotosAndFlatColoursArePlausibleBombsAreNot) {
    // A 6000 x 4000 painting, the most compressible of 40 real photos measured: 485,921 bytes.
    EXPECT_TRUE(PlausibleForFileSize(6000, 4000, 485921));
    // The same size in one flat grey, as libjpeg's leanest settings write it: 93,910 bytes.
    EXPECT_TRUE(PlausibleForFileSize(6000, 4000, 93910));
    // 520 bytes declaring 16384 x 16384.
    EXPECT_FALSE(PlausibleForFileSize(16384, 16384, 520));
    EXPECT_FALSE(PlausibleForFileSize(16384, 16384, 1024));
    EXPECT_FALSE(PlausibleForFileSize(1, 1, 0));
    EXPECT_FALSE(PlausibleForFileSize(0, 10, 1000));
}
