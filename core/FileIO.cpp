// Whole-file reads and all-or-nothing writes.
#include "core/FileIO.h"

#include "core/PlatformError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace festoon {

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    // Only regular files: a folder has no content, and a device or pipe (/dev/zero, a FIFO) may never end.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        throw PlatformError::CannotOpen(path);
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw PlatformError::CannotOpen(path);
    }
    return data;
}

void WriteFileReplacing(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly)) {
        throw PlatformError::CannotCreate(path);
    }
    if (file.write(data) != data.size() || !file.commit()) {
        file.cancelWriting();
        throw PlatformError::CannotCreate(path);
    }
}

} // namespace festoon
