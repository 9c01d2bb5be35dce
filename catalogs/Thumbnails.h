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

// Reads folder + K + ".ssl" into the thumbnail's picture and names it after its piece (PieceName).
// Throws PlatformError; on failure the thumbnail keeps its old picture and name.
void LoadThumbnail(const QString& folder, TImg* thumbnail, int item);

// The name of item K of a catalog folder: line K of the folder's "names.txt" (UTF-8) where it has one,
// otherwise `fallback`.
[[nodiscard]] QString PieceName(const QString& folder, int item, const QString& fallback);

// Names a thumbnail for its tooltip and for screen readers.
void NameThumbnail(TImg* thumbnail, const QString& name);

// Reads items 1, 2, ... into the thumbnails in order, repainting each at once so that the user sees
// progress. The first failing file stops the fill and its error propagates: earlier thumbnails keep
// their new pictures, it and the later ones their old ones.
void FillThumbnails(const QString& folder, std::span<TImg* const> thumbnails);

} // namespace festoon
