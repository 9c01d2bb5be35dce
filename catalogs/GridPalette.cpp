// The grid palette: page selector, thumbnails and the set-up that reads page 1.
#include "catalogs/GridPalette.h"

#include "catalogs/Thumbnails.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatRadioButtonUnit.h"
#include "controls/img.h"
#include "core/ArtworkReader.h"
#include "platform/ErrorReporting.h"
#include "platform/Paths.h"

#include <QFileInfo>

namespace {

constexpr QSize kClientSize{470, 444};
constexpr int kColumnX[] = {24, 110, 196, 282, 368};
constexpr int kRowY[] = {74, 160, 250, 338};
constexpr int kPageSelectorHeight = 31;
constexpr QColor kPageSelectorColor{136, 68, 0};
// Buttons for further pages follow "2" in narrower steps, so that up to page 10 fits the selector.
constexpr int kFurtherPageGap = 6;
constexpr int kFurtherPageStep = 40;
constexpr int kFurtherPageWidth = 36;

} // namespace

TGridPalette::TGridPalette(const PaletteContext& context, const GridCatalog& catalog)
    : TPaletteWindow(context, {kClientSize, catalog.firstPosition, QStringLiteral(":/art/skins/palette.bmp"),
                               catalog.sharesMainWindowDrag, catalog.title, catalog.pieceKind}),
      catalog_(catalog) {
    imfuzhu = new TImg(this);
    imfuzhu->setObjectName(QStringLiteral("imfuzhu"));
    imfuzhu->setGeometry(0, 0, 105, 105);
    imfuzhu->hide();

    FlatGroupBox1 = new TFlatGroupBox(this);
    FlatGroupBox1->setObjectName(QStringLiteral("FlatGroupBox1"));
    FlatGroupBox1->setGeometry(catalog.pageSelectorLeft, catalog.pageSelectorTop, catalog.pageSelectorWidth,
                               kPageSelectorHeight);
    FlatGroupBox1->setColor(kPageSelectorColor);
    FlatGroupBox1->setColorBorder(Qt::black);
    // The page numbers are drawn in the window-text colour: a light cream that reads on the brown.
    QPalette selectorPalette = FlatGroupBox1->palette();
    selectorPalette.setColor(QPalette::WindowText, QColor(255, 236, 200));
    FlatGroupBox1->setPalette(selectorPalette);
    FlatRadioButton1 = MakePageButton(1, QRect(8, 8, 33, 17));
    FlatRadioButton2 = MakePageButton(2, QRect(catalog.secondPageButtonX, 8, 41, 17));
    int nextX = catalog.secondPageButtonX + 41 + kFurtherPageGap;
    for (int page = 3; page <= kHighestPage; ++page) {
        if (QFileInfo::exists(festoon::ArtworkPath(ThumbnailFolder(page), QStringLiteral("1.ssl")))) {
            FurtherPageButtons.append(MakePageButton(page, QRect(nextX, 8, kFurtherPageWidth, 17)));
            nextX += kFurtherPageStep;
        }
    }

    FlatButton1 = MakeHideButton(QPoint(412, 10), QStringLiteral(":/art/glyphs/bar.bmp"),
                                 QStringLiteral("Put the palette away"));
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton2 = MakeHideButton(QPoint(425, 10), QStringLiteral(":/art/glyphs/cross.bmp"),
                                 QStringLiteral("Close the palette"));
    FlatButton2->setObjectName(QStringLiteral("FlatButton2"));

    for (int item = 1; item <= kItemCount; ++item) {
        const int index = item - 1;
        Thumbnails[static_cast<size_t>(index)] =
            MakeThumbnail(item, QPoint(kColumnX[index % 5], kRowY[index / 5]));
    }

    // A failure here is reported and start-up goes on with the thumbnails read so far; page 1 is then
    // not selected a second time.
    festoon::RunReportingErrors([this] { ReadFirstPage(); });
}

TFlatRadioButton* TGridPalette::MakePageButton(int page, QRect geometry) {
    auto* button = new TFlatRadioButton(FlatGroupBox1);
    button->setObjectName(QStringLiteral("FlatRadioButton") + QString::number(page));
    button->setGeometry(geometry);
    button->setCaption(QString::number(page));
    button->setAccessibleName(QStringLiteral("Page %1").arg(page));
    button->setToolTip(QStringLiteral("Page %1 of the catalog").arg(page));
    button->ColorBorder = Qt::black;
    button->update();
    connect(button, &TFlatRadioButton::clicked, this, [this, page] { SelectPage(page); });
    return button;
}

void TGridPalette::ReadFirstPage() {
    const QString thumbnails = catalog_.firstThumbnailFolder.isEmpty()
                                   ? ThumbnailFolder(1)
                                   : festoon::ProgramPath(catalog_.firstThumbnailFolder);
    if (catalog_.folderBeforeThumbnails) {
        CurrentPageFolder = PageFolder(1);
        FillThumbnails(thumbnails);
    } else {
        FillThumbnails(thumbnails);
        CurrentPageFolder = PageFolder(1);
    }
    // Checking the button runs its click handler, which reads page 1 a second time.
    FlatRadioButton1->setChecked(true);
}

QString TGridPalette::ThumbnailFolder(int page) const {
    return festoon::ProgramPath(catalog_.thumbnailFolder.arg(page));
}

QString TGridPalette::PageFolder(int page) const {
    return festoon::ProgramPath(catalog_.pageFolder.arg(page));
}

void TGridPalette::FillThumbnails(const QString& folder) {
    festoon::FillThumbnails(folder, Thumbnails);
}

void TGridPalette::SelectPage(int page) {
    FillThumbnails(ThumbnailFolder(page));
    CurrentPageFolder = PageFolder(page);
}

QImage TGridPalette::ReadArtwork(const QString& path) {
    imfuzhu->setPicture(festoon::ReadArtworkFile(path));
    return imfuzhu->Picture();
}
