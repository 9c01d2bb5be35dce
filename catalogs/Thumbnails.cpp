// Thumbnail names, artwork paths and filling a thumbnail grid.
#include "catalogs/Thumbnails.h"

#include "controls/img.h"
#include "core/ArtworkReader.h"
#include "platform/Paths.h"
#include "platform/ScreenPictures.h"

#include <QFile>
#include <QStringList>

namespace festoon {

QString ThumbnailName(int item) {
    const bool lowerCase = item >= 4 && item <= 10;
    return (lowerCase ? QStringLiteral("im") : QStringLiteral("Im")) + QString::number(item);
}

QString ArtworkPath(const QString& folder, const QString& relative) {
    QString path = folder + relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ResolvePathCase(path);
}

namespace {
// The name a thumbnail has without a names file: the palette's kind of piece and the item's number.
const char* const kFallbackName = "festoonFallbackName";
} // namespace

void LoadThumbnail(const QString& folder, TImg* thumbnail, int item) {
    // The picture drawn for the screen's ratio where the catalog has one ("3@2x.ssl" beside "3.ssl").
    thumbnail->setPicture(ReadForScreen(ArtworkPath(folder, QString::number(item) + ".ssl"),
                                        [](const QString& path) { return ReadArtworkFile(path); }));
    NameThumbnail(thumbnail, PieceName(folder, item, thumbnail->property(kFallbackName).toString()));
}

QString PieceName(const QString& folder, int item, const QString& fallback) {
    QFile names(ArtworkPath(folder, QStringLiteral("names.txt")));
    if (item < 1 || !names.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return fallback;
    }
    // A catalog holds a few dozen pieces; a longer file is not a list of their names.
    const QStringList lines = QString::fromUtf8(names.read(64 * 1024)).split(QLatin1Char('\n'));
    const QString name = item <= lines.size() ? lines[item - 1].trimmed() : QString();
    return name.isEmpty() ? fallback : name;
}

void NameThumbnail(TImg* thumbnail, const QString& name) {
    if (!thumbnail->property(kFallbackName).isValid()) {
        thumbnail->setProperty(kFallbackName, name);
    }
    thumbnail->setToolTip(name);
    thumbnail->setAccessibleName(name);
}

void FillThumbnails(const QString& folder, std::span<TImg* const> thumbnails) {
    int item = 1;
    for (TImg* thumbnail : thumbnails) {
        LoadThumbnail(folder, thumbnail, item++);
        thumbnail->repaint();
    }
}

} // namespace festoon
