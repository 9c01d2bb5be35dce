// The main window as a window: its controls, start-up (FormCreate), the skin it is shaped by, dragging
// it by its background, and the minimise and close buttons.
#include "app/Unit1.h"

#include "app/ApplicationShortcut.h"
#include "app/EditingSurface.h"
#include "catalogs/PaletteWindow.h"
#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/img.h"
#include "core/Bitmap.h"
#include "core/PictureFile.h"
#include "core/Skin.h"
#include "platform/Desktop.h"
#include "platform/Paths.h"
#include "platform/PictureLoading.h"
#include "platform/Screen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
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
};

const CommandButton kCommandButtons[] = {
    {&TFormMain::BtnNew, "New", {26, 112, 80, 33}, &TFormMain::BtnNewClick, true},
    {&TFormMain::BtnSave, "Save", {26, 144, 80, 33}, &TFormMain::BtnSaveClick, true},
    {&TFormMain::BtnLoad, "Photo", {26, 176, 80, 33}, &TFormMain::BtnLoadClick, true},
    {&TFormMain::BtnBackDrop, "Backdrop", {26, 208, 80, 33}, &TFormMain::BtnBackDropClick, true},
    {&TFormMain::BtnMask, "Mask", {26, 240, 80, 33}, &TFormMain::BtnMaskClick, true},
    {&TFormMain::BtnFunny, "Flower", {26, 272, 80, 33}, &TFormMain::BtnFunnyClick, true},
    {&TFormMain::ImgBtn3, "Cartoon", {26, 305, 80, 33}, &TFormMain::ImgBtn3Click, true},
    {&TFormMain::BtnText, "Text", {26, 336, 80, 33}, &TFormMain::BtnTextClick, true},
    {&TFormMain::ImgBtn1, "Frame", {26, 369, 80, 33}, &TFormMain::ImgBtn1Click, true},
    {&TFormMain::ImgBtn2, "DelFrame", {26, 401, 80, 33}, &TFormMain::ImgBtn2Click, true},
    {&TFormMain::BtnHelp, "Help", {26, 432, 80, 33}, &TFormMain::BtnHelpClick, true},
    {&TFormMain::BtnCopy, "Copy", {35, 80, 30, 30}, &TFormMain::BtnCopyClick, false},
    {&TFormMain::BtnDelete, "Delete", {69, 80, 30, 30}, &TFormMain::BtnDeleteClick, false},
    {&TFormMain::OpenButton, "Open", {26, 464, 80, 33}, &TFormMain::OpenCardClick, true},
    {&TFormMain::UndoButton, "Undo", {35, 500, 30, 30}, &TFormMain::Undo, false},
    {&TFormMain::RedoButton, "Redo", {69, 500, 30, 30}, &TFormMain::Redo, false},
};

} // namespace

TFormMain::TFormMain(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QApplication::applicationDisplayName());
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    OpenDialog1.Filter = QStringLiteral("*.bmp *.jpg|*.bmp;*.jpg");
    SaveDialog1.Filter = QStringLiteral(
        "JPG Format (small file size)|*.jpg|BMP Format (high quality)|*.bmp|Festoon card (*.ora)|*.ora");
    OpenCardDialog.Filter = QStringLiteral("Festoon card (*.ora)|*.ora");
    CreateLayout();
    loading_ = std::make_unique<festoon::PictureLoading>(CanvasArea);
    FormCreate();
}

TFormMain::~TFormMain() = default;

void TFormMain::CreateLayout() {
    resize(kDesignSkinSize);
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
    SetPanelSize(kDesignPanelSize);

    FlatButton1 = new TFlatButton(this);
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton1->setGlyph(ResourceBitmap(QStringLiteral(":/art/glyphs/bar.bmp")));
    FlatButton1->setGeometry(kDesignSkinSize.width() - 77, kFlatButtonTop, kFlatButtonSize, kFlatButtonSize);
    connect(FlatButton1, &TFlatButton::clicked, this, &TFormMain::FlatButton1Click);
    FlatButton2 = new TFlatButton(this);
    FlatButton2->setObjectName(QStringLiteral("FlatButton2"));
    FlatButton2->setGlyph(ResourceBitmap(QStringLiteral(":/art/glyphs/cross.bmp")));
    FlatButton2->setGeometry(FlatButton1->x() + 14, kFlatButtonTop, kFlatButtonSize, kFlatButtonSize);
    connect(FlatButton2, &TFlatButton::clicked, this, &TFormMain::FlatButton2Click);

    CreateDeleteAction();
    CreateHistoryControls();
    CreateCardKeys();
}

void TFormMain::CreateCommandButtons() {
    for (const CommandButton& command : kCommandButtons) {
        auto* button = new TImgBtn(this);
        const QString art = QString::fromLatin1(command.art);
        button->setObjectName(QStringLiteral("Btn") + art);
        button->setGeometry(command.geometry);
        button->Transparent = command.transparent;
        const QString prefix = QStringLiteral(":/art/buttons/") + art;
        button->setPic(ResourceBitmap(prefix + QStringLiteral("_rest.bmp")));
        button->setPicUp(ResourceBitmap(prefix + QStringLiteral("_hover.bmp")));
        button->setPicDown(ResourceBitmap(prefix + QStringLiteral("_down.bmp")));
        connect(button, &TImgBtn::clicked, this, command.handler);
        this->*command.control = button;
    }
}

void TFormMain::CreateDeleteAction() {
    // Delete acts on the canvas whichever window of the program has the focus.
    Action1 = AddApplicationShortcut(this, {QKeySequence(Qt::Key_Delete)}, [this] { Action1Execute(); });
    Action1->setObjectName(QStringLiteral("Action1"));
}

void TFormMain::FormCreate() {
    move(0, 0);
    Image1->move(0, 0);
    StretchSkinToScreen();
    festoon::ShapeWindowFromSkin(this, Image1->Picture());

    FlatButton1->move(Image1->width() - 77, kFlatButtonTop);
    FlatButton2->move(FlatButton1->x() + 14, kFlatButtonTop);
    SetPanelSize(QSize(Image1->width() - 138, Image1->height() - 70));
    PrepareCanvas();

    // The flat buttons take their face from the window's colour: the skin's colour where they sit.
    const QRect flatButtonArea = FlatButton1->geometry().intersected(Image1->Picture().rect());
    if (!flatButtonArea.isEmpty()) {
        const QColor skinColour = Image1->Picture().pixelColor(flatButtonArea.center());
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
    const QImage skin = festoon::LoadPictureFile(festoon::ProgramPath(QStringLiteral("main\\mainx.bmp")));
    Image1->setPicture(festoon::StretchSkin(skin, festoon::ScreenSize() - QSize(4, 25)));
    Image1->resize(Image1->Picture().size());
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
