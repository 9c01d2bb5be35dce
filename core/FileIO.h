// Reading and writing whole files, with the platform's messages on failure.
#pragma once

#include <QByteArray>
#include <QString>

namespace festoon {

// The whole content of a regular file; throws PlatformError::CannotOpen (also for a folder, a device
// or an unreadable file).
[[nodiscard]] QByteArray ReadWholeFile(const QString& path);

// Writes data to a temporary file in the target's folder and renames it over path only when complete,
// so that a failed write never destroys an existing file. Throws PlatformError::CannotCreate.
void WriteFileReplacing(const QString& path, const QByteArray& data);

} // namespace festoon
