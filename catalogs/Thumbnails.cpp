// Thumbnail names, artwork paths and filling a thumbnail grid.
#include "catalogs/Thumbnails.h"

#include "controls/img.h"
#include "core/ArtworkReader.h"
#include "platform/Paths.h"

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

void LoadThumbnail(const QString& folder, TImg* thumbnail, int item) {
    thumbnail->setPicture(ReadArtworkFile(ArtworkPath(folder, QString::number(item) + ".ssl")));
}

void FillThumbnails(const QString& folder, std::span<TImg* const> thumbnails) {
    int item = 1;
    for (TImg* thumbnail : thumbnails) {
        LoadThumbnail(folder, thumbnail, item++);
        thumbnail->repaint();
    }
}

} // namespace festoon
