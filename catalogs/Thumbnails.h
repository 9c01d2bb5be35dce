// Artwork paths inside a catalog folder and the thumbnail grids every palette fills from one.
#pragma once

#include <QString>
#include <span>

class TImg;

namespace festoon {

// The layout's name of thumbnail K: "Im1" to "Im3", "im4" to "im10", "Im11" to "Im20".
[[nodiscard]] QString ThumbnailName(int item);

// A file inside a catalog folder: folder (ending in '/') + relative, written with backslashes or
// slashes, resolved without regard to letter case; a missing file keeps its full path for the message.
[[nodiscard]] QString ArtworkPath(const QString& folder, const QString& relative);

// Reads folder + K + ".ssl" into the thumbnail's picture. Throws PlatformError; on failure the
// thumbnail keeps its old picture.
void LoadThumbnail(const QString& folder, TImg* thumbnail, int item);

// Reads items 1, 2, ... into the thumbnails in order, repainting each at once so that the user sees
// progress. The first failing file stops the fill and its error propagates: earlier thumbnails keep
// their new pictures, it and the later ones their old ones.
void FillThumbnails(const QString& folder, std::span<TImg* const> thumbnails);

} // namespace festoon
