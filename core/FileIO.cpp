// Whole-file reads and all-or-nothing writes.
#include "core/FileIO.h"

#include "core/PictureLimits.h"
#include "core/PlatformError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace festoon {

QByteArray ReadWholeFile(const QString& path) {
    return ReadWholeFile(path, 0, [](QByteArrayView) {});
}

QByteArray ReadWholeFile(const QString& path, qsizetype startBytes,
                         const std::function<void(QByteArrayView start)>& checkStart) {
    QFile file(path);
    // Only regular files: a folder has no content, and a device or pipe (/dev/zero, a FIFO) may never end.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        throw PlatformError::CannotOpen(path);
    }
    if (file.size() > kMaxPictureFileBytes) {
        throw PlatformError::FileTooLarge(path, file.size());
    }
    QByteArray data = file.read(startBytes);
    if (file.error() != QFileDevice::NoError) {
        throw PlatformError::CannotOpen(path);
    }
    checkStart(data);
    // The size the file had when it was checked, in one allocation; a file that shrinks meanwhile gives
    // what it has, and one that grows is not followed.
    const qsizetype start = data.size();
    const qint64 rest = file.size() - start;
    if (rest > 0) {
        data.resize(start + static_cast<qsizetype>(rest));
        const qint64 got = file.read(data.data() + start, rest);
        data.resize(start + static_cast<qsizetype>(std::max<qint64>(got, 0)));
    }
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
