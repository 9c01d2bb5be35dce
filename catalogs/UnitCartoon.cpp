// The cartoon palette: its thumbnails are the full-size pictures shown small.
#include "catalogs/UnitCartoon.h"

#include "catalogs/ArtworkPlacing.h"
#include "catalogs/Thumbnails.h"

TFormCartoon* FormCartoon = nullptr;

namespace {

GridCatalog CartoonCatalog() {
    GridCatalog catalog;
    catalog.firstPosition = {240, 71};
    catalog.pageSelectorLeft = 16;
    catalog.pageSelectorTop = 40;
    catalog.pageSelectorWidth = 437;
    catalog.secondPageButtonX = 64;
    catalog.thumbnailFolder = QStringLiteral("pic\\cartoon\\%1\\pic\\");
    catalog.pageFolder = QStringLiteral("pic\\cartoon\\%1\\");
    catalog.sharesMainWindowDrag = true;
    catalog.title = QStringLiteral("Cartoons");
    catalog.pieceKind = QStringLiteral("Cartoon");
    return catalog;
}

} // namespace

TFormCartoon::TFormCartoon(const PaletteContext& context) : TGridPalette(context, CartoonCatalog()) {
    setObjectName(QStringLiteral("FormCartoon"));
}

void TFormCartoon::ThumbnailClick(int item) {
    const QString name = QString::number(item) + QStringLiteral(".ssl");
    festoon::PlaceArtworkFiles(Card(),
                               festoon::ArtworkPath(CurrentPageFolder, QStringLiteral("pic\\") + name),
                               festoon::ArtworkPath(CurrentPageFolder, QStringLiteral("mask\\") + name), 1);
}
