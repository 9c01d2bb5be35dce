// The mask palette and masking the photo.
#include "catalogs/UnitMask.h"

#include "app/Unit1.h"
#include "app/img.h"
#include "catalogs/Thumbnails.h"

#include <QPushButton>

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
    return catalog;
}

} // namespace

TFormMask::TFormMask(QWidget* parent) : TGridPalette(parent, MaskCatalog()) {
    setObjectName(QStringLiteral("FormMask"));
}

void TFormMask::ThumbnailClick(int item) {
    ApplyMask(festoon::ArtworkPath(CurrentPageFolder, QString::number(item) + QStringLiteral(".ssl")));
}

void TFormMask::ApplyMask(const QString& path) {
    const QImage mask = ReadArtwork(path);
    // The backdrop, entry 0, is never looked at.
    for (qsizetype i = FormMain->LayerList.size() - 1; i >= 1; --i) {
        TImg* object = FormMain->LayerList[i];
        if (FormMain->SlotOf(object) != 0 && object->objectName().contains(QStringLiteral("man"))) {
            object->Mask = mask;
            FormMain->Btnchonghua->click();
            return;
        }
    }
}
