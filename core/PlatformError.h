// The exception every file and codec failure is reported with, carrying the message shown to the user.
#pragma once

#include <QString>
#include <stdexcept>

namespace festoon {

class PlatformError : public std::runtime_error {
  public:
    explicit PlatformError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    [[nodiscard]] const QString& message() const { return message_; }

    // The platform's messages, with the full path or the decoder's message code filled in.
    [[nodiscard]] static PlatformError CannotOpen(const QString& path);
    [[nodiscard]] static PlatformError CannotCreate(const QString& path);
    [[nodiscard]] static PlatformError Jpeg(int messageCode);
    [[nodiscard]] static PlatformError InvalidBitmap();
    [[nodiscard]] static PlatformError PictureTooLarge(int width, int height);
    [[nodiscard]] static PlatformError FileTooLarge(const QString& path, qint64 bytes);

  private:
    QString message_;
};

} // namespace festoon
