// Messages of the platform's file and codec errors.
#include "core/PlatformError.h"

namespace festoon {

PlatformError PlatformError::CannotOpen(const QString& path) {
    return PlatformError(QStringLiteral("Cannot open file %1").arg(path));
}

PlatformError PlatformError::CannotCreate(const QString& path) {
    return PlatformError(QStringLiteral("Cannot create file %1").arg(path));
}

PlatformError PlatformError::Jpeg(int messageCode) {
    return PlatformError(QStringLiteral("JPEG error #%1").arg(messageCode));
}

PlatformError PlatformError::InvalidBitmap() {
    return PlatformError(QStringLiteral("Bitmap image is not valid"));
}

PlatformError PlatformError::PictureTooLarge(int width, int height) {
    return PlatformError(
        QStringLiteral("The picture is too large to open (%1 x %2 pixels)").arg(width).arg(height));
}

PlatformError PlatformError::FileTooLarge(const QString& path, qint64 bytes) {
    constexpr double kGigabyte = 1024.0 * 1024 * 1024;
    return PlatformError(QStringLiteral("The file %1 is too large to be a picture (%2 GB)")
                             .arg(path)
                             .arg(static_cast<double>(bytes) / kGigabyte, 0, 'f', 1));
}

} // namespace festoon
