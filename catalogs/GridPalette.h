// TGridPalette: the layout the mask, frame, cartoon and flower palettes share: a page selector, 20
// thumbnails of the selected page and the folder the page's full-size artwork is read from. What
// differs between them is data (GridCatalog) and the action on a thumbnail click.
#pragma once

#include "catalogs/PaletteWindow.h"

#include <QList>
#include <QRect>
#include <array>

class TFlatGroupBox;
class TFlatRadioButton;

// Where a palette sits and which catalog folders it reads. Folder patterns are relative to the
// executable's folder, written with backslashes, with %1 for the page number.
struct GridCatalog {
    QPoint firstPosition;
    int pageSelectorLeft = 0;
    int pageSelectorTop = 0;
    int pageSelectorWidth = 0;
    int secondPageButtonX = 0;
    QString thumbnailFolder; // e.g. "pic\\Frame\\%1\\small\\"
    QString pageFolder;      // CurrentPageFolder of a page, e.g. "pic\\Frame\\%1\\"
    // Page 1 at set-up: the thumbnail folder as the set-up names it, and whether CurrentPageFolder is
    // set before the thumbnails are read (a page selection always reads first).
    QString firstThumbnailFolder;
    bool folderBeforeThumbnails = false;
    bool sharesMainWindowDrag = false;
    QString title;     // the window's title after the program's name, "Masks"
    QString pieceKind; // one piece, "Mask"
};

class TGridPalette : public TPaletteWindow {
    Q_OBJECT
  public:
    static constexpr int kItemCount = 20;
    static constexpr int kHighestPage = 10; // the highest page number a catalog may ship

    TImg* imfuzhu = nullptr; // hidden decoding buffer of the layout; see ReadArtwork
    TFlatGroupBox* FlatGroupBox1 = nullptr;
    TFlatRadioButton* FlatRadioButton1 = nullptr;
    TFlatRadioButton* FlatRadioButton2 = nullptr;
    QList<TFlatRadioButton*> FurtherPageButtons; // pages 3 to 10 where the catalog ships them
    TFlatButton* FlatButton1 = nullptr;          // hides the window (a bar glyph)
    TFlatButton* FlatButton2 = nullptr;          // hides the window (a cross glyph)
    std::array<TImg*, kItemCount> Thumbnails{};  // Im1, Im2, Im3, im4 ... im10, Im11 ... Im20

    // The full path (ending in '/') of the selected page's full-size artwork.
    QString CurrentPageFolder;

    [[nodiscard]] TImg* Thumbnail(int item) const { return Thumbnails[static_cast<size_t>(item - 1)]; }
    // The folders of page N, resolved beside the executable (taken afresh each time).
    [[nodiscard]] QString ThumbnailFolder(int page) const;
    [[nodiscard]] QString PageFolder(int page) const;

    // Reads items 1 to 20 of the folder into the thumbnails (see festoon::FillThumbnails).
    void FillThumbnails(const QString& folder);
    // Reads page N's thumbnails, then makes it the current page; a failing thumbnail keeps the page.
    void SelectPage(int page);

    // The page buttons' handlers; a page is selected only when its button becomes checked.
    void FlatRadioButton1Click() { SelectPage(1); }
    void FlatRadioButton2Click() { SelectPage(2); }

  protected:
    TGridPalette(const PaletteContext& context, const GridCatalog& catalog);

    // Decodes an artwork file through the decoding buffer; throws PlatformError.
    QImage ReadArtwork(const QString& path);

  private:
    TFlatRadioButton* MakePageButton(int page, QRect geometry);
    void ReadFirstPage();

    GridCatalog catalog_;
};
