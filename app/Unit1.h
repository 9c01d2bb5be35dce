// TFormMain: the main window, the view and controller of the card. The card itself is a Composition
// value; the window shows it on its editing surface and turns the user's presses, drags, keys and
// buttons into operations on it, after each of which the view is brought up to date in one place
// (ShowCard). The palettes act on the card through the CardActions the window hands them.
// The class is split by aspect: Unit1.cpp (window, start-up, dragging), Unit1Canvas.cpp (the card and
// its display, the palettes' actions), Unit1Editing.cpp (mouse editing, copy, delete), Unit1Load.cpp
// (photo and backdrop, decoded off the window's thread), Unit1Save.cpp (save, new task, help, close),
// Unit1Palettes.cpp (showing the palettes), Unit1Files.cpp (files from the command line and drops,
// the clipboard), Unit1History.cpp (undo and redo), Unit1Cards.cpp (opening card files), Unit1Export.cpp
// (exports at any size, printing).
#pragma once

#include "catalogs/CardActions.h"
#include "core/CardHistory.h"
#include "core/CardRenderer.h"
#include "core/CardRendering.h"
#include "core/Composition.h"
#include "core/ExportFile.h"
#include "core/PictureFile.h"
#include "platform/Dialogs.h"
#include "platform/WindowDrag.h"

#include "app/EditZones.h"

#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace festoon {
class LiveDrag;
class PictureLoading;
} // namespace festoon
class CardExporting;
class EditingSurface;
class QAction;
class QFrame;
class QKeySequence;

class TFlatButton;
class TImg;
class TImgBtn;

class TFormMain : public QWidget, public CardActions {
    Q_OBJECT
  public:
    // Builds the window and runs FormCreate; throws festoon::PlatformError when a start file
    // ("main\\mainx.bmp", "main\\mainb.jpg", "main\\Defaultmask.jpg") cannot be read.
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // --- layout ---
    TImg* Image1 = nullptr; // the skin; dragging it drags the window
    TImgBtn* BtnNew = nullptr;
    TImgBtn* BtnSave = nullptr;
    TImgBtn* BtnLoad = nullptr;
    TImgBtn* BtnBackDrop = nullptr;
    TImgBtn* BtnMask = nullptr;
    TImgBtn* BtnFunny = nullptr; // shows the flower palette
    TImgBtn* ImgBtn3 = nullptr;  // shows the cartoon palette
    TImgBtn* BtnText = nullptr;
    TImgBtn* ImgBtn1 = nullptr; // shows the frame palette
    TImgBtn* ImgBtn2 = nullptr; // removes the frame
    TImgBtn* BtnHelp = nullptr;
    TImgBtn* BtnCopy = nullptr;
    TImgBtn* BtnDelete = nullptr;
    TImgBtn* OpenButton = nullptr;   // opens a card file; below Help in the column
    TImgBtn* ExportButton = nullptr; // exports or prints the card at any size; below Open
    TImgBtn* UndoButton = nullptr;   // beside the column's foot, greyed while there is nothing to undo
    TImgBtn* RedoButton = nullptr;
    QFrame* Panel1 = nullptr;
    QWidget* CanvasArea = nullptr;       // Panel1's inner area, filled by the editing surface
    EditingSurface* ImTouMing = nullptr; // the editing surface: shows the card, takes the mouse
    TFlatButton* FlatButton1 = nullptr;  // minimise
    TFlatButton* FlatButton2 = nullptr;  // close
    QAction* Action1 = nullptr;          // Delete key, application-wide
    QAction* UndoAction = nullptr;       // Ctrl+Z, application-wide
    QAction* RedoAction = nullptr;       // Ctrl+Shift+Z and Ctrl+Y, application-wide
    QAction* SaveAction = nullptr;       // Ctrl+S, as the Save button
    QAction* OpenAction = nullptr;       // Ctrl+O, as the Open button
    QAction* PasteAction = nullptr;      // Ctrl+V: a picture from the clipboard as a new object
    QAction* CopyCardAction = nullptr;   // Ctrl+Shift+C: the finished card to the clipboard
    festoon::OpenPictureDialog OpenDialog1;
    festoon::SaveDialog SaveDialog1;
    festoon::OpenPictureDialog OpenCardDialog;
    festoon::SaveDialog ExportSaveDialog; // the file an export is written to

    // --- the card ---
    [[nodiscard]] const festoon::Composition& Card() const { return card_; }
    // The card as the editing surface shows it, selection marks aside.
    [[nodiscard]] const festoon::RenderedCard& RenderedCard() const { return renderer_.Rendered(); }
    [[nodiscard]] QSize CanvasSize() const { return card_.CanvasSize(); }
    // The mask a new photo starts with.
    [[nodiscard]] const QImage& DefaultMask() const { return defaultMask_; }

    // Photos and backdrops open on a worker thread; their pictures reach the card when decoded.
    [[nodiscard]] festoon::PictureLoading& Loading() const { return *loading_; }

    // --- selection and drag state ---
    int DragSlot = 0; // the object a drag acts on: the selected one
    bool ButtonDown = false;
    bool EditDragging = false; // a press took an object and moves, resizes or turns it until released

    // The main window's drag state, shared with the frame, cartoon and flower palettes.
    festoon::WindowDrag WindowDrag;

    bool ClearAfterSave = false;

    // Takes back the last change to the card, or makes again the last one taken back; each is one step
    // of the history, and nothing happens when there is none.
    void Undo();
    void Redo();
    [[nodiscard]] const festoon::CardHistory& History() const { return history_; }

    // --- exports and printing (Unit1Export.cpp) ---
    // Shows the Export dialog; goes on to the file and the export, or to the printer.
    void ExportClick();
    // Asks for the file and exports the card to it with the settings, on a worker thread.
    void ExportCardAs(const festoon::ExportSettings& settings);
    [[nodiscard]] CardExporting& Exporting() const { return *exporting_; }

    // Asks for a card file and opens it (Unit1Cards.cpp).
    void OpenCardClick();
    // Puts the card a file holds on the canvas, fitted to it, as one step that undo takes back; throws
    // festoon::PlatformError, changing nothing, when the file cannot be read.
    void OpenCardFile(const QString& path);
    // Puts another card on the canvas: an opened card, a card restored.
    void ReplaceCard(const festoon::Composition& card);
    // Places a new object with its mask at the given bounds, as the topmost, selected object.
    void PlaceObject(const QRect& bounds, const QImage& picture, const QImage& mask);

    // --- files and pictures from outside (Unit1Files.cpp) ---
    // Files named at start or by a second start: each photo becomes a new object, the first at 10, 10
    // and each further one 20 pixels right of and below the one before. Files of other kinds are
    // reported together; a file that cannot be read is reported and the others still open.
    void OpenGivenFiles(const QStringList& paths);
    // Files dropped on the canvas: the same, the first photo's top-left corner where they were dropped.
    void DropFiles(const QStringList& paths, QPoint canvasPoint);
    // The clipboard's picture as a new photo object (transparent parts white), or the files copied to
    // it; a clipboard without either is reported.
    void PastePicture();
    // The finished card, as Save would write it, to the clipboard; the card itself does not change.
    void CopyCardPicture();

    // --- the palettes' actions on the card ---
    void PlaceArtwork(const QImage& picture, const QImage& mask, int divisor) override;
    void PlaceLettering(const festoon::Lettering& lettering) override;
    void ReplaceLettering(int slot, const festoon::Lettering& lettering) override;
    void MaskPhoto(const QImage& mask) override;
    void LayFrame(const QImage& picture, const QImage& mask) override;

    // --- handlers ---
    void FormCreate();
    void BtnchonghuaClick(); // recompose: every object blended twice again, marks removed
    void Image1MouseDown(Qt::MouseButton button, QPoint position);
    void Image1MouseMove(QPoint position);
    void Image1MouseUp(Qt::MouseButton button, QPoint position);
    void FlatButton1Click();
    void FlatButton2Click();
    void BtnCopyClick();
    void BtnDeleteClick();
    void DeleteTopObject();
    void Action1Execute();
    void BtnLoadClick();
    void BtnBackDropClick();
    void ImgBtn2Click();
    void BtnSaveClick();
    void BtnSaveFuzhuClick(); // composes the finished card and runs the save dialog
    void BtnNewClick();
    void BtnHelpClick();
    void FormClose();
    // Unit1Palettes.cpp
    void BtnMaskClick();
    void BtnFunnyClick();
    void ImgBtn3Click();
    void BtnTextClick();
    void ImgBtn1Click();

    // --- one object, from the canvas's menu and keys (Unit1ObjectMenu.cpp); each acts on the selected
    // object, one step of the history, and does nothing without one ---
    void BringToFront();
    void BringForward(); // Page Up
    void SendBackward(); // Page Down
    void SendToBack();
    void FlipAcross();
    void FlipUpDown();
    void TurnLeft();  // a quarter turn anticlockwise
    void TurnRight(); // a quarter turn clockwise
    // Moves the selected object by dx, dy pixels (the arrow keys: 1, with Shift 10).
    void Nudge(int dx, int dy);
    // Opens the text palette with the lettering of the object in `slot` filled in; its OK replaces it.
    void EditLettering(int slot);
    // The menu a right-click on an object opens, while it is open.
    [[nodiscard]] QMenu* ObjectMenu() const { return objectMenu_; }

  signals:
    // The window was closed (after FormClose): the program ends.
    void closed();
    // The card changed: an edit, an undo or redo, another card put on the canvas.
    void cardChanged(const festoon::Composition& card);
    // The card was saved as a card file: it is safe, nothing needs recovering.
    void cardSaved();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Card files dropped anywhere on the window but the canvas open (Unit1Files.cpp); photos need the
    // canvas, where they land, and are refused elsewhere.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateLayout();         // the controls at their design-time places (Unit1.cpp)
    void CreateCommandButtons(); // the image buttons of the column (Unit1.cpp)
    void CreateShortcuts();      // the keys of the commands, application-wide (Unit1.cpp)
    QAction* AddShortcut(const QKeySequence& keys, void (TFormMain::*command)());
    void CreateHistoryControls(); // the greyed faces of undo and redo (Unit1History.cpp)
    // Greys the undo and redo buttons and actions when there is nothing to undo or redo.
    void ShowHistoryState();
    // Ends a drag in progress without applying its band (undo, redo, deleting, opening a card).
    void AbandonDrag();
    // Ends the live picture of a drag, if one is shown, and shows the card again.
    void EndLiveDrag();
    // The card after an undo or redo: shown, the drag slot following the selection.
    void ShowRestoredCard(festoon::Composition card);
    void StretchSkinToScreen(); // the skin enlarged to the screen sizes Image1 and the window
    void SetPanelSize(QSize size);
    void PrepareCanvas(); // the start backdrop, the default mask, an empty card (Unit1Canvas.cpp)

    // Applies an operation to the card and shows the result.
    void EditCard(const std::function<void(festoon::Composition&)>& edit);
    // Brings the editing surface up to date with the card: the one place the view follows the model.
    void ShowCard();

    void OpenFilesAt(const QStringList& paths, QPoint firstTopLeft);
    void PlacePhotoFile(const QString& path, QPoint topLeft);
    // A photo read from its file placed as a new object, at 10, 10 or at `topLeft` (Unit1Load.cpp).
    void PlaceLoadedPhoto(const festoon::LoadedPicture& loaded, std::optional<QPoint> topLeft);
    // The size a photo's decode must reach for the object on this canvas.
    [[nodiscard]] std::function<QSize(QSize)> PhotoDecodeSize() const;

    // The canvas's mouse (Unit1Editing.cpp): a press takes a handle of the selected object, or the
    // topmost object showing under the pointer, or clears the selection over bare backdrop.
    void CanvasPressed(QPoint position, Qt::KeyboardModifiers modifiers);
    void CanvasMoved(QPoint position, bool buttonHeld, Qt::KeyboardModifiers modifiers);
    void CanvasReleased(QPoint position, Qt::KeyboardModifiers modifiers);
    void CanvasDoubleClicked(QPoint position);
    void StartDrag(int slot, Grip grip, QPoint position);
    // The cursor of what a press at `position` would take.
    void ShowPointerCursor(QPoint position);
    // The object the keys and the buttons act on: the selected one, else the topmost; 0 without objects.
    [[nodiscard]] int ActedOnSlot() const;

    // A gesture (a press and its drag) is one step of the history however many edits it makes.
    void BeginStep();
    void EndStep();

    // The canvas's menu and keys (Unit1ObjectMenu.cpp).
    void CreateObjectKeys();
    void CanvasMenuAsked(QPoint position, QPoint global);
    // Applies an edit to the selected object, if there is one.
    void EditSelected(const std::function<void(festoon::Composition&, int slot)>& edit);

    // Drops every load under way or waiting: the card they were meant for is gone.
    void CancelLoads();

    festoon::Composition card_;
    festoon::CardHistory history_;
    festoon::CardRenderer renderer_; // the card as last shown, rendered again only where it changes
    QImage shownCanvas_;             // the canvas the surface shows, selection marks included
    QRect markedBounds_;             // the bounds the selection marks were drawn on, if any
    QImage defaultMask_;
    // The skin enlarged to the window, at one device pixel to a logical one: it shapes the window and
    // gives the flat buttons their colour, whatever picture the screen shows.
    QImage windowSkin_;
    // The drag under way: what it holds, where it started, where it is.
    struct Drag {
        Grip grip = Grip::None;
        QPoint from;
        festoon::Placement start;
        festoon::Placement now;
        bool moved = false;
    };
    Drag drag_;
    std::unique_ptr<festoon::LiveDrag> live_;
    // The card before the gesture under way, while one is.
    std::optional<festoon::Composition> stepStart_;
    QPointer<QMenu> objectMenu_; // null once the menu closes and deletes itself
    std::unique_ptr<festoon::PictureLoading> loading_;
    std::unique_ptr<CardExporting> exporting_;
    // What the Export dialog offers first: the last choice, three times the canvas as JPEG at first.
    festoon::ExportSettings exportSettings_;
    int exportSizeChoice_ = 2;
};
