// Paths beside the executable, resolved without regard to letter case.
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace festoon {
namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

QString WithSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

} // namespace

QString ExecutableFolder() {
    if (!FolderOverride().isEmpty()) {
        return FolderOverride();
    }
    QString path = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (path.isEmpty()) {
        path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        path = QFileInfo(path).absolutePath();
    }
    return WithSlash(path);
}

void SetExecutableFolder(const QString& folder) {
    FolderOverride() = folder.isEmpty() ? QString() : WithSlash(folder);
}

QString ResolvePathCase(const QString& path) {
    if (QFileInfo::exists(path)) {
        return path;
    }
    const bool trailingSlash = path.endsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    bool found = true;
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString name = part;
        if (found) {
            const QString candidate = resolved + part;
            if (!QFileInfo::exists(candidate)) {
                const QDir dir(resolved.isEmpty() ? QStringLiteral(".") : resolved);
                const QStringList entries =
                    dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
                found = false;
                for (const QString& entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        name = entry;
                        found = true;
                        break;
                    }
                }
            }
        }
        resolved += name;
        if (i + 1 < parts.size() || trailingSlash) {
            resolved += QLatin1Char('/');
        }
    }
    return resolved;
}

QString ProgramPath(const QString& relative) {
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ResolvePathCase(ExecutableFolder() + path);
}

} // namespace festoon
