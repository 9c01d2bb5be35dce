// The main window as a window: its controls, start-up (FormCreate), the skin it is shaped by, dragging
// it by its background, and the minimise and close buttons.
#include "app/Unit1.h"
#include "platform/Application.h"

#include "app/CardExporting.h"
#include "app/EditingSurface.h"
#include "catalogs/PaletteWindow.h"
#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/img.h"
#include "core/Bitmap.h"
#include "core/LiveDrag.h"
#include "core/PictureFile.h"
#include "core/Skin.h"
#include "platform/Desktop.h"
#include "platform/ErrorReporting.h"
#include "platform/Paths.h"
#include "platform/PictureLoading.h"
#include "platform/Screen.h"
#include "platform/ScreenPictures.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeySequence>
#include <QMouseEvent>

namespace {

constexpr QSize kDesignSkinSize(752, 550);
constexpr QPoint kPanelPosition(114, 58);
constexpr QSize kDesignPanelSize(614, 480);
// A 2-pixel single border and a 1-pixel bevel on each side of the canvas panel.
constexpr int kPanelFrameWidth = 3;
constexpr int kFlatButtonTop = 14;
constexpr int kFlatButtonSize = 16;

struct CommandButton {
    TImgBtn* TFormMain::*control;
    const char* art; // the buttons' pictures are ":/art/buttons/<art>_rest.bmp", "_hover.bmp", "_down.bmp"
    QRect geometry;
    void (TFormMain::*handler)();
    bool transparent;
    const char* name;        // what the button is called, for screen readers
    const char* description; // its tooltip, which adds the key
    const char* keys;        // the key that runs the command from anywhere in the program
};

const CommandButton kCommandButtons[] = {
    {&TFormMain::BtnNew,
     "New",
     {26, 112, 80, 33},
     &TFormMain::BtnNewClick,
     true,
     "New",
     "Start a new card",
     "Ctrl+N"},
    {&TFormMain::BtnSave,
     "Save",
     {26, 144, 80, 33},
     &TFormMain::BtnSaveClick,
     true,
     "Save",
     "Save the card as a JPEG or BMP picture",
     "Ctrl+S"},
    {&TFormMain::BtnLoad,
     "Photo",
     {26, 176, 80, 33},
     &TFormMain::BtnLoadClick,
     true,
     "Photo",
     "Add a photo to the card",
     "Ctrl+I"},
    {&TFormMain::BtnBackDrop,
     "Backdrop",
     {26, 208, 80, 33},
     &TFormMain::BtnBackDropClick,
     true,
     "Backdrop",
     "Choose a picture for the backdrop",
     "Ctrl+B"},
    {&TFormMain::BtnMask,
     "Mask",
     {26, 240, 80, 33},
     &TFormMain::BtnMaskClick,
     true,
     "Mask",
     "Show the masks that cut the photo into a shape",
     "Ctrl+M"},
    {&TFormMain::BtnFunny,
     "Flower",
     {26, 272, 80, 33},
     &TFormMain::BtnFunnyClick,
     true,
     "Flower",
     "Show the flowers",
     "Ctrl+L"},
    {&TFormMain::ImgBtn3,
     "Cartoon",
     {26, 305, 80, 33},
     &TFormMain::ImgBtn3Click,
     true,
     "Cartoon",
     "Show the cartoons",
     "Ctrl+K"},
    {&TFormMain::BtnText,
     "Text",
     {26, 336, 80, 33},
     &TFormMain::BtnTextClick,
     true,
     "Text",
     "Show the balloons and lettering",
     "Ctrl+T"},
    {&TFormMain::ImgBtn1,
     "Frame",
     {26, 369, 80, 33},
     &TFormMain::ImgBtn1Click,
     true,
     "Frame",
     "Show the frames",
     "Ctrl+R"},
    {&TFormMain::ImgBtn2,
     "DelFrame",
     {26, 401, 80, 33},
     &TFormMain::ImgBtn2Click,
     true,
     "Remove frame",
     "Take the frame off the backdrop",
     "Ctrl+Shift+R"},
    {&TFormMain::BtnHelp,
     "Help",
     {26, 432, 80, 33},
     &TFormMain::BtnHelpClick,
     true,
     "Help",
     "Open the help",
     "F1"},
    {&TFormMain::BtnCopy,
     "Copy",
     {35, 80, 30, 30},
     &TFormMain::BtnCopyClick,
     false,
     "Copy piece",
     "Make a copy of the top piece",
     "Ctrl+D"},
    {&TFormMain::BtnDelete,
     "Delete",
     {69, 80, 30, 30},
     &TFormMain::BtnDeleteClick,
     false,
     "Delete piece",
     "Delete the top piece",
     "Del"},
    {&TFormMain::OpenButton,
     "Open",
     {26, 464, 80, 33},
     &TFormMain::OpenCardClick,
     true,
     "Open",
     "Open a card file",
     "Ctrl+O"},
    {&TFormMain::ExportButton,
     "Export",
     {26, 496, 80, 33},
     &TFormMain::ExportClick,
     true,
     "Export",
     "Export the card at any size as JPEG, PNG or PDF, or print it",
     "Ctrl+E"},
    {&TFormMain::UndoButton,
     "Undo",
     {35, 532, 30, 30},
     &TFormMain::Undo,
     false,
     "Undo",
     "Undo the last change",
     "Ctrl+Z"},
    {&TFormMain::RedoButton,
     "Redo",
     {69, 532, 30, 30},
     &TFormMain::Redo,
     false,
     "Redo",
     "Redo what was undone",
     "Ctrl+Shift+Z"},
};

// "Description (Ctrl+N)", the key written as the desktop writes keys.
QString TooltipWithKeys(const char* description, const char* keys) {
    const QString shown = QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::NativeText);
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(description), shown);
}

} // namespace

TFormMain::TFormMain(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(festoon::ProgramName());
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    OpenDialog1.Filter =
        QStringLiteral("Pictures|*.jpg;*.jpeg;*.jpe;*.jfif;*.bmp;*.png;*.webp;*.tif;*.tiff;*.gif");
    SaveDialog1.Filter = QStringLiteral(
        "JPG Format (small file size)|*.jpg|BMP Format (high quality)|*.bmp|Festoon card|*.ora");
    OpenCardDialog.Filter = QStringLiteral("Festoon card|*.ora");
    CreateLayout();
    loading_ = std::make_unique<festoon::PictureLoading>(CanvasArea);
    exporting_ = std::make_unique<CardExporting>(CanvasArea);
    FormCreate();
}

TFormMain::~TFormMain() = default;

void TFormMain::CreateLayout() {
    resize(kDesignSkinSize);
    // Card files may be dropped anywhere on the window; the canvas takes photos as well.
    setAcceptDrops(true);
    Image1 = new TImg(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->Stretch = false;
    Image1->setGeometry(QRect(QPoint(0, 0), kDesignSkinSize));
    connect(Image1, &TImg::mouseDown, this,
            [this](TImg*, Qt::MouseButton button, QPoint position) { Image1MouseDown(button, position); });
    connect(Image1, &TImg::mouseMove, this, [this](TImg*, QPoint position) { Image1MouseMove(position); });
    connect(Image1, &TImg::mouseUp, this,
            [this](TImg*, Qt::MouseButton button, QPoint position) { Image1MouseUp(button, position); });

    CreateCommandButtons();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(kPanelFrameWidth);
    CanvasArea = new QWidget(Panel1);
    CanvasArea->setObjectName(QStringLiteral("CanvasArea"));

    ImTouMing = new EditingSurface(CanvasArea);
    ImTouMing->setObjectName(QStringLiteral("ImTouMing"));
    connect(ImTouMing, &EditingSurface::pressed, this, &TFormMain::CanvasPressed);
    connect(ImTouMing, &EditingSurface::moved, this, &TFormMain::CanvasMoved);
    connect(ImTouMing, &EditingSurface::released, this, &TFormMain::CanvasReleased);
    connect(ImTouMing, &EditingSurface::doubleClicked, this, &TFormMain::CanvasDoubleClicked);
    connect(ImTouMing, &EditingSurface::menuAsked, this, &TFormMain::CanvasMenuAsked);
    // Queued: the program that the files were dragged from is told at once that the drop was taken,
    // and does not wait while the photos are read or a message is shown.
    connect(ImTouMing, &EditingSurface::filesDropped, this, &TFormMain::DropFiles, Qt::QueuedConnection);
    SetPanelSize(kDesignPanelSize);

    FlatButton1 = new TFlatButton(this);
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton1->setGlyph(ResourceBitmapForScreen(QStringLiteral(":/art/glyphs/bar.bmp")));
    FlatButton1->setGeometry(kDesignSkinSize.width() - 77, kFlatButtonTop, kFlatButtonSize, kFlatButtonSize);
    connect(FlatButton1, &TFlatButton::clicked, this, &TFormMain::FlatButton1Click);
    FlatButton1->setAccessibleName(QStringLiteral("Minimise"));
    FlatButton1->setToolTip(QStringLiteral("Minimise Festoon"));
    FlatButton2 = new TFlatButton(this);
    FlatButton2->setObjectName(QStringLiteral("FlatButton2"));
    FlatButton2->setGlyph(ResourceBitmapForScreen(QStringLiteral(":/art/glyphs/cross.bmp")));
    FlatButton2->setGeometry(FlatButton1->x() + 14, kFlatButtonTop, kFlatButtonSize, kFlatButtonSize);
    connect(FlatButton2, &TFlatButton::clicked, this, &TFormMain::FlatButton2Click);
    FlatButton2->setAccessibleName(QStringLiteral("Close"));
    FlatButton2->setToolTip(TooltipWithKeys("Close Festoon", "Ctrl+Q"));

    CreateShortcuts();
    CreateObjectKeys();
    CreateHistoryControls();
}

void TFormMain::CreateCommandButtons() {
    for (const CommandButton& command : kCommandButtons) {
        auto* button = new TImgBtn(this);
        const QString art = QString::fromLatin1(command.art);
        button->setObjectName(QStringLiteral("Btn") + art);
        button->setGeometry(command.geometry);
        button->Transparent = command.transparent;
        const QString prefix = QStringLiteral(":/art/buttons/") + art;
        button->setPic(ResourceBitmapForScreen(prefix + QStringLiteral("_rest.bmp")));
        button->setPicUp(ResourceBitmapForScreen(prefix + QStringLiteral("_hover.bmp")));
        button->setPicDown(ResourceBitmapForScreen(prefix + QStringLiteral("_down.bmp")));
        connect(button, &TImgBtn::clicked, this, command.handler);
        button->setAccessibleName(QString::fromUtf8(command.name));
        button->setToolTip(TooltipWithKeys(command.description, command.keys));
        this->*command.control = button;
    }
}

QAction* TFormMain::AddShortcut(const QKeySequence& keys, void (TFormMain::*command)()) {
    // The keys act whichever window of the program has the focus, as Delete always has; a modal
    // dialog holds them back while it is open. Only Delete, undo and redo act during a press on the
    // canvas (each ends the drag); the other commands wait until the button is released.
    auto* action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    const bool duringPress =
        command == &TFormMain::Action1Execute || command == &TFormMain::Undo || command == &TFormMain::Redo;
    connect(action, &QAction::triggered, this, [this, command, duringPress] {
        if (duringPress || !ButtonDown) {
            festoon::RunReportingErrors([this, command] { (this->*command)(); });
        }
    });
    addAction(action);
    return action;
}

void TFormMain::CreateShortcuts() {
    Action1 = AddShortcut(QKeySequence(Qt::Key_Delete), &TFormMain::Action1Execute);
    Action1->setObjectName(QStringLiteral("Action1"));
    for (const CommandButton& command : kCommandButtons) {
        if (command.handler == &TFormMain::BtnDeleteClick) {
            continue;
        }
        QAction* action = AddShortcut(QKeySequence(QString::fromLatin1(command.keys)), command.handler);
        if (command.handler == &TFormMain::BtnSaveClick) {
            SaveAction = action;
        } else if (command.handler == &TFormMain::OpenCardClick) {
            OpenAction = action;
        } else if (command.handler == &TFormMain::Undo) {
            UndoAction = action;
        } else if (command.handler == &TFormMain::Redo) {
            RedoAction = action;
        }
    }
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &TFormMain::Redo);
    PasteAction = AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_V), &TFormMain::PastePicture);
    PasteAction->setObjectName(QStringLiteral("PasteAction"));
    CopyCardAction = AddShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TFormMain::CopyCardPicture);
    CopyCardAction->setObjectName(QStringLiteral("CopyCardAction"));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &TFormMain::FlatButton2Click);
}

void TFormMain::FormCreate() {
    move(0, 0);
    Image1->move(0, 0);
    StretchSkinToScreen();
    festoon::ShapeWindowFromSkin(this, windowSkin_);

    FlatButton1->move(Image1->width() - 77, kFlatButtonTop);
    FlatButton2->move(FlatButton1->x() + 14, kFlatButtonTop);
    SetPanelSize(QSize(Image1->width() - 138, Image1->height() - 70));
    PrepareCanvas();

    // The flat buttons take their face from the window's colour: the skin's colour where they sit.
    const QRect flatButtonArea = FlatButton1->geometry().intersected(windowSkin_.rect());
    if (!flatButtonArea.isEmpty()) {
        const QColor skinColour = windowSkin_.pixelColor(flatButtonArea.center());
        QPalette windowPalette = palette();
        windowPalette.setColor(QPalette::Window, skinColour);
        setPalette(windowPalette);
        // The canvas panel's sunken edge in shades of the same colour.
        QPalette panelPalette = Panel1->palette();
        panelPalette.setColor(QPalette::Light, skinColour.lighter(170));
        panelPalette.setColor(QPalette::Midlight, skinColour.lighter(130));
        panelPalette.setColor(QPalette::Mid, skinColour.darker(130));
        panelPalette.setColor(QPalette::Dark, skinColour.darker(170));
        panelPalette.setColor(QPalette::Shadow, skinColour.darker(250));
        Panel1->setPalette(panelPalette);
    }
}

void TFormMain::StretchSkinToScreen() {
    const QString skinPath = festoon::ProgramPath(QStringLiteral("main\\mainx.bmp"));
    const QSize windowSize = festoon::ScreenSize() - QSize(4, 25);
    const auto read = [](const QString& path) { return festoon::LoadPictureFile(path); };
    // The window is shaped in logical pixels by the plain skin; the screen may show a sharper one.
    const festoon::WindowSkin skin = festoon::SkinForScreen(skinPath, read, windowSize, festoon::StretchSkin);
    windowSkin_ = skin.plain;
    Image1->setPicture(skin.shown);
    Image1->resize(windowSkin_.size());
    setFixedSize(Image1->size());
}

void TFormMain::SetPanelSize(QSize size) {
    Panel1->setGeometry(QRect(kPanelPosition, size));
    CanvasArea->setGeometry(Panel1->contentsRect());
    ImTouMing->setGeometry(CanvasArea->rect());
}

void TFormMain::Image1MouseDown(Qt::MouseButton, QPoint position) {
    WindowDrag.dragging = true;
    WindowDrag.anchor = position;
}

void TFormMain::Image1MouseMove(QPoint position) {
    if (WindowDrag.dragging) {
        move(pos() + position - WindowDrag.anchor);
    }
}

void TFormMain::Image1MouseUp(Qt::MouseButton, QPoint) {
    WindowDrag.dragging = false;
}

// The window's own handlers share the drag state with Image1's, which covers most of the window.
void TFormMain::mousePressEvent(QMouseEvent* event) {
    Image1MouseDown(event->button(), event->position().toPoint());
}

void TFormMain::mouseMoveEvent(QMouseEvent* event) {
    Image1MouseMove(event->position().toPoint());
}

void TFormMain::mouseReleaseEvent(QMouseEvent* event) {
    Image1MouseUp(event->button(), event->position().toPoint());
}

void TFormMain::FlatButton1Click() {
    showMinimized();
}

void TFormMain::FlatButton2Click() {
    close();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    emit closed();
}
