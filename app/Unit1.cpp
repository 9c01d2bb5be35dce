// The main window as a window: its controls, start-up (FormCreate), the skin it is shaped by, dragging
// it by its background, and the minimise and close buttons.
#include "app/Unit1.h"

#include "app/Outline.h"
#include "app/img.h"
#include "catalogs/PaletteWindow.h"
#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "core/Bitmap.h"
#include "core/PictureFile.h"
#include "core/Skin.h"
#include "platform/Desktop.h"
#include "platform/ErrorReporting.h"
#include "platform/Paths.h"
#include "platform/Screen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

TFormMain* FormMain = nullptr;

namespace {

constexpr QSize kDesignSkinSize(752, 550);
constexpr QPoint kPanelPosition(114, 58);
constexpr QSize kDesignPanelSize(614, 480);
// A 2-pixel single border and a 1-pixel bevel on each side of the canvas panel.
constexpr int kPanelFrameWidth = 3;
constexpr int kFlatButtonTop = 14;
constexpr int kFlatButtonSize = 16;

// Runs a handler of the window so that no exception reaches Qt's event loop.
auto Reporting(TFormMain* form, void (TFormMain::*handler)()) {
    return [form, handler] { festoon::RunReportingErrors([&] { (form->*handler)(); }); };
}

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
};

} // namespace

TFormMain::TFormMain(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    FormMain = this;
    setWindowTitle(QApplication::applicationDisplayName());
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    OpenDialog1.Filter = QStringLiteral("*.bmp *.jpg|*.bmp;*.jpg");
    SaveDialog1.Filter = QStringLiteral("JPG Format (small file size)|*.jpg|BMP Format (high quality)|*.bmp");
    CreateLayout();
    try {
        FormCreate();
    } catch (...) {
        FormMain = nullptr;
        throw;
    }
}

TFormMain::~TFormMain() {
    if (FormMain == this) {
        FormMain = nullptr;
    }
}

void TFormMain::CreateLayout() {
    resize(kDesignSkinSize);
    Image1 = new TImg(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->Stretch = false;
    Image1->setGeometry(QRect(QPoint(0, 0), kDesignSkinSize));
    connect(Image1, &TImg::mouseDown, this, [this](TImg*, Qt::MouseButton button, QPoint position) {
        festoon::RunReportingErrors([&] { Image1MouseDown(button, position); });
    });
    connect(Image1, &TImg::mouseMove, this, [this](TImg*, QPoint position) {
        festoon::RunReportingErrors([&] { Image1MouseMove(position); });
    });
    connect(Image1, &TImg::mouseUp, this, [this](TImg*, Qt::MouseButton button, QPoint position) {
        festoon::RunReportingErrors([&] { Image1MouseUp(button, position); });
    });

    CreateCommandButtons();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(kPanelFrameWidth);
    CanvasArea = new QWidget(Panel1);
    CanvasArea->setObjectName(QStringLiteral("CanvasArea"));

    // Back to front: the filler, the backdrop, the editing surface, the rubber band.
    Image2 = new TImg(CanvasArea);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPicture(festoon::SolidBitmap(85, 85, qRgb(1, 99, 1)));
    ImBackDrop = new TImg(CanvasArea);
    ImBackDrop->setObjectName(QStringLiteral("ImBackDrop"));
    ImTouMing = new TImg(CanvasArea);
    ImTouMing->setObjectName(QStringLiteral("ImTouMing"));
    ImTouMing->Transparent = true;
    ImTouMing->setMouseTracking(true); // its move handler sets the cursor zones without a button held
    ImTouMing->setPicture(festoon::SolidBitmap(470, 395, qRgb(255, 255, 255)));
    connect(ImTouMing, &TImg::mouseDown, this, [this](TImg*, Qt::MouseButton, QPoint position) {
        festoon::RunReportingErrors([&] { ImToumingMouseDown(position); });
    });
    connect(ImTouMing, &TImg::mouseMove, this, [this](TImg*, QPoint position) {
        festoon::RunReportingErrors([&] { ImTouMingMouseMove(position); });
    });
    connect(ImTouMing, &TImg::mouseUp, this, [this](TImg*, Qt::MouseButton, QPoint position) {
        festoon::RunReportingErrors([&] { ImTouMingMouseUp(position); });
    });
    ImMove = new TImg(CanvasArea);
    ImMove->setObjectName(QStringLiteral("ImMove"));
    ImMove->Transparent = true;
    ImMove->Stretch = false;
    SetPanelSize(kDesignPanelSize);

    FlatButton1 = new TFlatButton(this);
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton1->setGlyph(ResourceBitmap(QStringLiteral(":/art/glyphs/bar.bmp")));
    FlatButton1->setGeometry(kDesignSkinSize.width() - 77, kFlatButtonTop, kFlatButtonSize, kFlatButtonSize);
    connect(FlatButton1, &TFlatButton::clicked, this, Reporting(this, &TFormMain::FlatButton1Click));
    FlatButton2 = new TFlatButton(this);
    FlatButton2->setObjectName(QStringLiteral("FlatButton2"));
    FlatButton2->setGlyph(ResourceBitmap(QStringLiteral(":/art/glyphs/cross.bmp")));
    FlatButton2->setGeometry(FlatButton1->x() + 14, kFlatButtonTop, kFlatButtonSize, kFlatButtonSize);
    connect(FlatButton2, &TFlatButton::clicked, this, Reporting(this, &TFormMain::FlatButton2Click));

    CreateHiddenControls();
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
        connect(button, &TImgBtn::clicked, this, Reporting(this, command.handler));
        this->*command.control = button;
    }
}

void TFormMain::CreateHiddenControls() {
    ImageDian = new TImg(this);
    ImageDian->setObjectName(QStringLiteral("ImageDian"));
    ImageDian->setPicture(festoon::SolidBitmap(6, 6, qRgb(254, 3, 3)));
    ImDefultMask = new TImg(this);
    ImDefultMask->setObjectName(QStringLiteral("ImDefultMask"));
    ImFuzhu = new TImg(this);
    ImFuzhu->setObjectName(QStringLiteral("ImFuzhu"));
    Imfuzhu1 = new TImg(this);
    Imfuzhu1->setObjectName(QStringLiteral("Imfuzhu1"));
    for (TImg* hidden : {ImageDian, ImDefultMask, ImFuzhu, Imfuzhu1}) {
        hidden->hide();
    }

    Btnchonghua = new QPushButton(this);
    Btnchonghua->setObjectName(QStringLiteral("Btnchonghua"));
    Btnchonghua->hide();
    connect(Btnchonghua, &QPushButton::clicked, this, Reporting(this, &TFormMain::BtnchonghuaClick));
    BtnSaveFuzhu = new QPushButton(this);
    BtnSaveFuzhu->setObjectName(QStringLiteral("BtnSaveFuzhu"));
    BtnSaveFuzhu->hide();
    connect(BtnSaveFuzhu, &QPushButton::clicked, this, Reporting(this, &TFormMain::BtnSaveFuzhuClick));

    // Delete acts on the canvas whichever window of the program has the focus.
    Action1 = new QAction(this);
    Action1->setObjectName(QStringLiteral("Action1"));
    Action1->setShortcut(QKeySequence(Qt::Key_Delete));
    Action1->setShortcutContext(Qt::ApplicationShortcut);
    connect(Action1, &QAction::triggered, this, Reporting(this, &TFormMain::Action1Execute));
    addAction(Action1);
}

void TFormMain::FormCreate() {
    move(0, 0);
    Image1->move(0, 0);
    StretchSkinToScreen();
    festoon::ShapeWindowFromSkin(this, Image1->Picture());
    PrepareCanvas();

    FlatButton1->move(Image1->width() - 77, kFlatButtonTop);
    FlatButton2->move(FlatButton1->x() + 14, kFlatButtonTop);
    SetPanelSize(QSize(Image1->width() - 138, Image1->height() - 70));

    // The rubber band's picture stays larger than any bounds a drag can give it; white is its
    // transparent colour, so only the outline shows.
    const QSize bandSize = Panel1->size() + QSize(500, 500);
    ImMove->resize(bandSize);
    QImage band = festoon::SolidBitmap(bandSize.width(), bandSize.height(), qRgb(255, 255, 255));
    DrawOutlinedRectangle(band, QPoint(0, 0), QPoint(bandSize.width() - 2, bandSize.height() - 2));
    ImMove->setPicture(std::move(band));
    ImMove->hide();

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
    for (TImg* filling : {Image2, ImBackDrop, ImTouMing}) {
        filling->setGeometry(CanvasArea->rect());
    }
}

void TFormMain::Image1MouseDown(Qt::MouseButton, QPoint position) {
    WindowDragging = true;
    WindowDragAnchor = position;
}

void TFormMain::Image1MouseMove(QPoint position) {
    if (WindowDragging) {
        move(x() + position.x() - WindowDragAnchor.x(), y() + position.y() - WindowDragAnchor.y());
    }
}

void TFormMain::Image1MouseUp(Qt::MouseButton, QPoint) {
    WindowDragging = false;
}

// The window's own handlers share the drag state with Image1's, which covers most of the window.
void TFormMain::mousePressEvent(QMouseEvent* event) {
    festoon::RunReportingErrors([&] { Image1MouseDown(event->button(), event->position().toPoint()); });
}

void TFormMain::mouseMoveEvent(QMouseEvent* event) {
    festoon::RunReportingErrors([&] { Image1MouseMove(event->position().toPoint()); });
}

void TFormMain::mouseReleaseEvent(QMouseEvent* event) {
    festoon::RunReportingErrors([&] { Image1MouseUp(event->button(), event->position().toPoint()); });
}

void TFormMain::FlatButton1Click() {
    showMinimized();
}

void TFormMain::FlatButton2Click() {
    close();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    festoon::RunReportingErrors([&] { FormClose(); });
    event->accept();
    emit closed();
}
