// TFormMain: the main window. It owns the program-wide canvas state (object slots, layer list, work
// bitmaps, selection) that the palettes read and change directly.
// The class is split by aspect: Unit1.cpp (window, start-up, dragging), Unit1Canvas.cpp (slots,
// placing, recomposition), Unit1Editing.cpp (mouse editing, copy, delete), Unit1Load.cpp (photo and
// backdrop), Unit1Save.cpp (save, new task, help, close), Unit1Palettes.cpp (showing the palettes).
#pragma once

#include "core/RenderObject.h"
#include "platform/Dialogs.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>
#include <array>

class QAction;
class QFrame;
class QPushButton;
class TFlatButton;
class TImg;
class TImgBtn;

class TFormMain : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and runs FormCreate; throws festoon::PlatformError when a start file
    // ("main\\mainx.bmp", "main\\mainb.jpg", "main\\Defaultmask.jpg") cannot be read.
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    static constexpr int kSlotCount = 50;

    // --- layout ---
    TImg* Image1 = nullptr; // the skin; dragging it drags the window
    TImgBtn* BtnNew = nullptr;
    TImgBtn* BtnSave = nullptr;
    TImgBtn* BtnLoad = nullptr;
    TImgBtn* BtnBackDrop = nullptr;
    TImgBtn* BtnMask = nullptr;
    TImgBtn* BtnFunny = nullptr;
    TImgBtn* ImgBtn3 = nullptr;
    TImgBtn* BtnText = nullptr;
    TImgBtn* ImgBtn1 = nullptr;
    TImgBtn* ImgBtn2 = nullptr;
    TImgBtn* BtnHelp = nullptr;
    TImgBtn* BtnCopy = nullptr;
    TImgBtn* BtnDelete = nullptr;
    QFrame* Panel1 = nullptr;
    QWidget* CanvasArea = nullptr; // Panel1's inner area: parent of the backdrop, objects, ImTouMing, ImMove
    TFlatButton* FlatButton1 = nullptr; // minimise
    TFlatButton* FlatButton2 = nullptr; // close
    TImg* ImBackDrop = nullptr;
    TImg* Image2 = nullptr;
    TImg* ImTouMing = nullptr; // the editing surface
    TImg* ImMove = nullptr;    // the rubber band
    TImg* ImageDian = nullptr; // the selection-mark glyph
    TImg* ImDefultMask = nullptr;
    TImg* ImFuzhu = nullptr;
    TImg* Imfuzhu1 = nullptr;
    QPushButton* Btnchonghua = nullptr;  // hidden: recompose
    QPushButton* BtnSaveFuzhu = nullptr; // hidden: save
    QAction* Action1 = nullptr;          // Delete key, application-wide
    festoon::OpenPictureDialog OpenDialog1;
    festoon::SaveDialog SaveDialog1;

    // --- canvas state ---
    std::array<TImg*, kSlotCount + 1> ObjectSlots{}; // slots 1 to 50; index 0 unused
    QList<TImg*> LayerList;                          // entry 0 is ImBackDrop, the last the topmost
    QImage ComposedBmp;
    QImage CleanBackdropBmp;
    festoon::RenderScratch WorkBitmaps; // UnderBmp, LayerBmp and MaskBmp

    // --- selection and drag state ---
    int SelectedSlot = 0;
    int DragSlot = 0;
    bool ButtonDown = false;
    bool EditArmed = false;
    bool EditDragging = false;
    QPoint PressPoint;
    int StartLeft = 0, StartTop = 0, StartWidth = 0, StartHeight = 0;
    Qt::CursorShape PressCursor = Qt::ArrowCursor;

    // --- window drag state (shared with the frame, cartoon and flower palettes) ---
    bool WindowDragging = false;
    QPoint WindowDragAnchor;

    bool ClearAfterSave = false;

    // --- canvas operations ---
    [[nodiscard]] int FirstFreeSlot() const;             // lowest hidden slot, or 50
    [[nodiscard]] int SlotOf(const TImg* control) const; // 0 when the control is in no slot
    [[nodiscard]] TImg* TopObject() const;               // nullptr with only the backdrop
    // Steps 3 to 7 of placing a new object, once the caller has filled the slot's object and made it
    // visible: list it as the topmost layer (moving its entry if it already has one), select it,
    // recompose, bring it and then the editing surface to the front, draw the selection marks.
    void PlaceObject(int slot);
    // Renders the object of `slot` over ComposedBmp into its Picture with the given blend passes.
    void RenderSlot(int slot, int passes);
    void DrawSelectionMarks(TImg* object);
    [[nodiscard]] QSize CanvasSize() const; // the size of ImBackDrop

    // --- handlers ---
    void FormCreate();
    void BtnchonghuaClick();
    void Image1MouseDown(Qt::MouseButton button, QPoint position);
    void Image1MouseMove(QPoint position);
    void Image1MouseUp(Qt::MouseButton button, QPoint position);
    void FlatButton1Click();
    void FlatButton2Click();
    void ObjectMouseDown(TImg* sender);
    void ObjectMouseUp(TImg* sender);
    void ImToumingMouseDown(QPoint position);
    void ImTouMingMouseMove(QPoint position);
    void ImTouMingMouseUp(QPoint position);
    void BtnCopyClick();
    void BtnDeleteClick();
    void DeleteTopObject();
    void Action1Execute();
    void BtnLoadClick();
    void BtnBackDropClick();
    void ImgBtn2Click();
    void BtnSaveClick();
    void BtnSaveFuzhuClick();
    void BtnNewClick();
    void BtnHelpClick();
    void FormClose();
    // Unit1Palettes.cpp
    void BtnMaskClick();
    void BtnFunnyClick();
    void ImgBtn3Click();
    void BtnTextClick();
    void ImgBtn1Click();

  signals:
    // The window was closed (after FormClose): the program ends.
    void closed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateLayout();           // the controls at their design-time places (Unit1.cpp)
    void CreateCommandButtons();   // the image buttons of the column (Unit1.cpp)
    void CreateHiddenControls();   // hidden images and buttons, the Delete action (Unit1.cpp)
    void StretchSkinToScreen();    // the skin enlarged to the screen sizes Image1 and the window
    void SetPanelSize(QSize size); // Panel1 and the controls that fill its inner area
    void PrepareCanvas();          // backdrop, default mask, slots, layer list (Unit1Canvas.cpp)
    void CreateObjectSlots();      // the 50 hidden objects (Unit1Canvas.cpp)
};

// The main window; set by its constructor, cleared by its destructor.
extern TFormMain* FormMain;
