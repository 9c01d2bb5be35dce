// The flower palette.
#include "catalogs/Unitflower.h"

#include "catalogs/ArtworkPlacing.h"
#include "catalogs/Thumbnails.h"
#include "controls/TFlatRadioButtonUnit.h"

TFormFlower* FormFlower = nullptr;

namespace {

GridCatalog FlowerCatalog() {
    GridCatalog catalog;
    catalog.firstPosition = {263, 96};
    catalog.pageSelectorLeft = 18;
    catalog.pageSelectorTop = 40;
    catalog.pageSelectorWidth = 435;
    catalog.secondPageButtonX = 64;
    catalog.thumbnailFolder = QStringLiteral("pic\\flower\\%1\\small\\");
    catalog.pageFolder = QStringLiteral("pic\\flower\\%1\\");
    catalog.firstThumbnailFolder = QStringLiteral("pic\\Flower\\1\\small\\");
    catalog.sharesMainWindowDrag = true;
    catalog.title = QStringLiteral("Flowers");
    catalog.pieceKind = QStringLiteral("Flower");
    return catalog;
}

} // namespace

TFormFlower::TFormFlower(const PaletteContext& context) : TGridPalette(context, FlowerCatalog()) {
    setObjectName(QStringLiteral("FormFlower"));
}

int TFormFlower::Divisor(int item) const {
    if (item >= 12) {
        return FlatRadioButton2->Checked() ? 1 : 4;
    }
    const bool fullSize = item == 7 || (item >= 9 && item <= 11);
    return fullSize ? 1 : 4;
}

void TFormFlower::ThumbnailClick(int item) {
    const QString name = QString::number(item) + QStringLiteral(".ssl");
    festoon::PlaceArtworkFiles(
        Card(), festoon::ArtworkPath(CurrentPageFolder, QStringLiteral("big\\") + name),
        festoon::ArtworkPath(CurrentPageFolder, QStringLiteral("mask\\") + name), Divisor(item));
}
