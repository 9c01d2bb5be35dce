// The layout of a card file, shared by its writer and its reader: an OpenRaster archive that painting
// programs open as layers, whose stack.xml also carries, in a namespace of the program's own, everything
// needed to rebuild the card exactly; the card's own pictures lie under festoon/.
#pragma once

#include "core/Bitmap.h"
#include "core/PictureLimits.h"

#include <QByteArray>
#include <QString>

namespace festoon::cardfile {

inline const QString kNamespace = QStringLiteral("urn:festoon:card");
inline const QString kNamespacePrefix = QStringLiteral("festoon");
// Raised whenever the program's own attributes change meaning; a reader refuses a later version.
// Version 2 added the turn, the mirroring and the lettering of objects, all optional when read.
constexpr int kVersion = 2;

inline const QByteArray kMimeType = QByteArrayLiteral("image/openraster");
inline const QString kMimeTypeEntry = QStringLiteral("mimetype");
inline const QString kStackEntry = QStringLiteral("stack.xml");
inline const QString kMergedEntry = QStringLiteral("mergedimage.png");
inline const QString kThumbnailEntry = QStringLiteral("Thumbnails/thumbnail.png");
inline const QString kBackdropEntry = QStringLiteral("data/backdrop.png");
// A 1 x 1 transparent picture standing for objects with nothing on the canvas.
inline const QString kEmptyEntry = QStringLiteral("data/empty.png");
[[nodiscard]] inline QString ObjectEntry(int slot) {
    return QStringLiteral("data/object-%1.png").arg(slot);
}
[[nodiscard]] inline QString PictureEntry(int number) {
    return QStringLiteral("festoon/picture-%1.png").arg(number);
}
// The file a photo or the backdrop was read from, byte for byte.
[[nodiscard]] inline QString OriginalEntry(int number) {
    return QStringLiteral("festoon/original-%1").arg(number);
}
constexpr int kThumbnailSide = 256;

// The program's attributes on <image>; kSlotName + N names slot N.
inline const QString kVersionAttribute = QStringLiteral("version");
inline const QString kSelectedSlotAttribute = QStringLiteral("selected-slot");
inline const QString kSelectionMarkedAttribute = QStringLiteral("selection-marked");
inline const QString kCleanBackdropAttribute = QStringLiteral("clean-backdrop");
inline const QString kFramePictureAttribute = QStringLiteral("frame-picture");
inline const QString kFrameMaskAttribute = QStringLiteral("frame-mask");
inline const QString kSlotNameAttribute = QStringLiteral("slot-name-");
// Names the entry of the clean backdrop's original file; absent when it has none (and in older files).
inline const QString kBackdropOriginalAttribute = QStringLiteral("backdrop-original");
// ... on the backdrop's <layer>.
inline const QString kBackdropAttribute = QStringLiteral("backdrop");
// ... on each object's <layer>; a picture attribute names an entry, or is empty for a null picture.
inline const QString kSlotAttribute = QStringLiteral("slot");
inline const QString kXAttribute = QStringLiteral("x");
inline const QString kYAttribute = QStringLiteral("y");
inline const QString kWidthAttribute = QStringLiteral("width");
inline const QString kHeightAttribute = QStringLiteral("height");
inline const QString kPictureAttribute = QStringLiteral("picture");
inline const QString kMaskAttribute = QStringLiteral("mask");
inline const QString kBlendPassesAttribute = QStringLiteral("blend-passes");
// ... and, where they apply, on each object's <layer>: its turn in degrees, its mirroring, its lettering.
inline const QString kAngleAttribute = QStringLiteral("angle");
inline const QString kMirroredAcrossAttribute = QStringLiteral("mirrored-across");
inline const QString kMirroredUpDownAttribute = QStringLiteral("mirrored-up-down");
inline const QString kTextAttribute = QStringLiteral("text");
inline const QString kFontAttribute = QStringLiteral("font");
inline const QString kColourAttribute = QStringLiteral("colour");
inline const QString kOutlineColourAttribute = QStringLiteral("outline-colour");
inline const QString kOutlineWidthAttribute = QStringLiteral("outline-width");
inline const QString kShadowAttribute = QStringLiteral("shadow");
// Names the entry of a photo's original file; absent when it has none (and in older files).
inline const QString kOriginalAttribute = QStringLiteral("original");

// What a reader accepts. No PNG of a picture within the picture limits is larger than 4 bytes a pixel and
// its row and block overhead; all the pictures of a card together, and the areas its objects cover, may
// hold twice the largest picture; positions lie well inside what a rectangle can hold.
constexpr qint64 kMaxStackBytes = 4 * 1024 * 1024;
constexpr qint64 kMaxMimeTypeBytes = 256;
constexpr qint64 kMaxPngBytes = kMaxPicturePixels * 4 + 64 * 1024 * 1024;
constexpr qint64 kMaxCardPixels = 2 * kMaxPicturePixels;
// The original files of a card's photos and backdrop together: each is a picture file the program read.
constexpr qint64 kMaxOriginalBytes = 2 * kMaxPictureFileBytes;
constexpr int kMaxStackLayers = 1024;
constexpr int kMaxStackDepth = 64;
constexpr int kMaxPosition = 1 << 24;

} // namespace festoon::cardfile
