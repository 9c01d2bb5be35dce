// Reading and writing whole files, with the platform's messages on failure.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace festoon {

// The whole content of a regular file; throws PlatformError::CannotOpen (also for a folder, a device
// or an unreadable file), and PlatformError::FileTooLarge, before reading anything, for a file larger
// than any picture (kMaxPictureFileBytes).
[[nodiscard]] QByteArray ReadWholeFile(const QString& path);

// The same, once `checkStart` has seen the file's first `startBytes` bytes (all of a shorter file)
// without throwing: a file that cannot be what the caller expects is refused before it is read.
[[nodiscard]] QByteArray ReadWholeFile(const QString& path, qsizetype startBytes,
                                       const std::function<void(QByteArrayView start)>& checkStart);

// Writes data to a temporary file in the target's folder and renames it over path only when complete,
// so that a failed write never destroys an existing file. Throws PlatformError::CannotCreate.
void WriteFileReplacing(const QString& path, const QByteArray& data);

} // namespace festoon
