// Deciding what a file handed to the program is, and reading file names from drops, clipboards and the
// command line.
#include "app/GivenFiles.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

namespace festoon {

GivenFileKind KindOfGivenFile(const QString& path) {
    static const QStringList kPhotoExtensions = {
        QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("jpe"),  QStringLiteral("jfif"),
        QStringLiteral("bmp"),  QStringLiteral("png"),  QStringLiteral("webp"), QStringLiteral("tif"),
        QStringLiteral("tiff"), QStringLiteral("gif")};
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QStringLiteral("ora")) {
        return GivenFileKind::Card;
    }
    return kPhotoExtensions.contains(extension) ? GivenFileKind::Photo : GivenFileKind::Unsupported;
}

bool AnyOpenable(const QStringList& paths) {
    return std::any_of(paths.cbegin(), paths.cend(), [](const QString& path) {
        return KindOfGivenFile(path) != GivenFileKind::Unsupported;
    });
}

QStringList LocalFiles(const QMimeData& data) {
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            paths.append(QFileInfo(url.toLocalFile()).absoluteFilePath());
        }
    }
    return paths;
}

QString GivenPath(const QString& argument, const QString& workingFolder) {
    if (argument.startsWith(QStringLiteral("file://"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (url.isLocalFile()) {
            return QFileInfo(url.toLocalFile()).absoluteFilePath();
        }
    }
    return QFileInfo(QDir(workingFolder), argument).absoluteFilePath();
}

bool AnswerDrag(QDropEvent& event, bool wanted) {
    if (wanted) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.ignore();
    }
    return wanted;
}

QString UnsupportedFilesMessage(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) {
        names.append(QFileInfo(path).fileName());
    }
    const QString lead =
        paths.size() == 1
            ? QStringLiteral("Festoon cannot open this file: it is not a JPEG, PNG, WebP, TIFF, GIF or BMP "
                             "picture.")
            : QStringLiteral("Festoon cannot open these files: they are not JPEG, PNG, WebP, TIFF, GIF or "
                             "BMP pictures.");
    return lead + QLatin1Char('\n') + names.join(QLatin1Char('\n'));
}

} // namespace festoon
