// The mask palette and masking the photo.
#include "catalogs/UnitMask.h"

#include "catalogs/CardActions.h"
#include "catalogs/Thumbnails.h"

TFormMask* FormMask = nullptr;

namespace {

GridCatalog MaskCatalog() {
    GridCatalog catalog;
    catalog.firstPosition = {248, 73};
    catalog.pageSelectorLeft = 16;
    catalog.pageSelectorTop = 40;
    catalog.pageSelectorWidth = 438;
    catalog.secondPageButtonX = 40;
    catalog.thumbnailFolder = QStringLiteral("pic\\mask\\%1\\small\\");
    catalog.pageFolder = QStringLiteral("pic\\mask\\%1\\big\\");
    // The folder is set first, so that a failing thumbnail at start still leaves page 1's masks usable.
    catalog.folderBeforeThumbnails = true;
    catalog.title = QStringLiteral("Masks");
    catalog.pieceKind = QStringLiteral("Mask");
    return catalog;
}

} // namespace

TFormMask::TFormMask(const PaletteContext& context) : TGridPalette(context, MaskCatalog()) {
    setObjectName(QStringLiteral("FormMask"));
}

void TFormMask::ThumbnailClick(int item) {
    ApplyMask(festoon::ArtworkPath(CurrentPageFolder, QString::number(item) + QStringLiteral(".ssl")));
}

void TFormMask::ApplyMask(const QString& path) {
    Card().MaskPhoto(ReadArtwork(path));
}
