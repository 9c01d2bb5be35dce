// The frame palette: frames are blended into the backdrop picture, not placed as objects.
#include "catalogs/UnitFrame.h"

#include "catalogs/CardActions.h"
#include "catalogs/Thumbnails.h"

TFormFrame* FormFrame = nullptr;

namespace {

GridCatalog FrameCatalog() {
    GridCatalog catalog;
    catalog.firstPosition = {248, 92};
    catalog.pageSelectorLeft = 16;
    catalog.pageSelectorTop = 40;
    catalog.pageSelectorWidth = 438;
    catalog.secondPageButtonX = 48;
    catalog.thumbnailFolder = QStringLiteral("pic\\Frame\\%1\\small\\");
    catalog.pageFolder = QStringLiteral("pic\\Frame\\%1\\");
    catalog.sharesMainWindowDrag = true;
    catalog.title = QStringLiteral("Frames");
    catalog.pieceKind = QStringLiteral("Frame");
    return catalog;
}

} // namespace

TFormFrame::TFormFrame(const PaletteContext& context) : TGridPalette(context, FrameCatalog()) {
    setObjectName(QStringLiteral("FormFrame"));
}

void TFormFrame::ThumbnailClick(int item) {
    const QString name = QString::number(item) + QStringLiteral(".ssl");
    ApplyFrame(festoon::ArtworkPath(CurrentPageFolder, QStringLiteral("big\\") + name),
               festoon::ArtworkPath(CurrentPageFolder, QStringLiteral("mask\\") + name));
}

void TFormFrame::ApplyFrame(const QString& framePath, const QString& maskPath) {
    const QImage frame = ReadArtwork(framePath);
    const QImage mask = ReadArtwork(maskPath);
    Card().LayFrame(frame, mask);
}
