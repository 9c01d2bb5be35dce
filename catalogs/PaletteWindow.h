// TPaletteWindow: what every palette window shares: a borderless tool window shaped by its skin,
// dragged by its background picture Image1, hidden by its glyph buttons, and a grid of thumbnails whose
// clicks act on an item number.
#pragma once

#include "platform/WindowDrag.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class CardActions;
class TFlatButton;
class TImg;

// What a palette is given when it is made: the window that owns it, the card it acts on, and the main
// window's drag state, which some palettes share.
struct PaletteContext {
    QWidget* owner = nullptr;
    CardActions* card = nullptr;
    festoon::WindowDrag* mainWindowDrag = nullptr;
};

class TPaletteWindow : public QWidget {
    Q_OBJECT
  public:
    TImg* Image1 = nullptr; // the skin and the drag handle

    // The palette's own drag state; palettes that share the main window's leave it unused.
    festoon::WindowDrag WindowDrag;

    // Dragging by the background, with any mouse button; positions are Image1's (the client's).
    void Image1MouseDown(Qt::MouseButton button, QPoint position);
    void Image1MouseMove(QPoint position);
    void Image1MouseUp(Qt::MouseButton button, QPoint position);

    // The click handler of thumbnail K (Im1Click ... Im20Click of the layout): the palette's action on
    // item K. Throws PlatformError when an artwork file fails.
    virtual void ThumbnailClick(int item) = 0;

  protected:
    struct WindowLook {
        QSize clientSize;
        QPoint firstPosition;
        QString skinResource;
        bool sharesMainWindowDrag = false;
        QString title;     // after the program's name: "Masks" makes "Festoon – Masks"
        QString pieceKind; // what one thumbnail is, for pieces without a name: "Mask" makes "Mask 3"
    };
    TPaletteWindow(const PaletteContext& context, const WindowLook& look);

    // The card the palette's thumbnails act on.
    [[nodiscard]] CardActions& Card() const { return *card_; }

    // A 12 x 12 flat button with a 16 x 16 glyph from the resources; clicking it hides the window. The
    // name says what it does for screen readers, and the tooltip with the key that does the same.
    TFlatButton* MakeHideButton(QPoint position, const QString& glyphResource, const QString& name);
    // An 80 x 80 stretching thumbnail named after its item; its click runs ThumbnailClick(item).
    TImg* MakeThumbnail(int item, QPoint position);

  private:
    festoon::WindowDrag& Drag();

    CardActions* card_;
    festoon::WindowDrag* sharedDrag_; // the main window's, or nullptr
    QString pieceKind_;
};

// A picture compiled into the program (skins, glyphs); throws PlatformError when it cannot be read.
[[nodiscard]] QImage ResourceBitmap(const QString& resource);
// The same picture as drawn for the screen's device pixel ratio (festoon::ReadForScreen).
[[nodiscard]] QImage ResourceBitmapForScreen(const QString& resource);
