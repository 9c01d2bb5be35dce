// The palette window base: skin, shape, font, dragging, hiding and thumbnails.
#include "catalogs/PaletteWindow.h"

#include "app/Unit1.h"
#include "app/img.h"
#include "catalogs/Thumbnails.h"
#include "controls/TFlatButtonUnit.h"
#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/FileIO.h"
#include "platform/Desktop.h"
#include "platform/ErrorReporting.h"

namespace {

constexpr QSize kThumbnailSize{80, 80};
constexpr QSize kHideButtonSize{12, 12};

} // namespace

QImage ResourceBitmap(const QString& resource) {
    return festoon::DecodeBmp(festoon::ReadWholeFile(resource));
}

TPaletteWindow::TPaletteWindow(QWidget* parent, const WindowLook& look)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), sharesMainWindowDrag_(look.sharesMainWindowDrag) {
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(look.clientSize);
    move(look.firstPosition);

    Image1 = new TImg(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(0, 0), look.clientSize));
    connect(Image1, &TImg::mouseDown, this,
            [this](TImg*, Qt::MouseButton button, QPoint position) { Image1MouseDown(button, position); });
    connect(Image1, &TImg::mouseMove, this, [this](TImg*, QPoint position) { Image1MouseMove(position); });
    connect(Image1, &TImg::mouseUp, this,
            [this](TImg*, Qt::MouseButton button, QPoint position) { Image1MouseUp(button, position); });

    // The skin is stretched to the client size and the window cut to the skin's outline; without a
    // readable skin the palette stays a plain rectangle and still works.
    festoon::RunReportingErrors([&] {
        QImage skin = festoon::StretchBitmap(ResourceBitmap(look.skinResource), look.clientSize.width(),
                                             look.clientSize.height());
        Image1->setPicture(skin);
        festoon::ShapeWindowFromSkin(this, skin);
    });
}

bool& TPaletteWindow::Dragging() {
    return sharesMainWindowDrag_ && FormMain ? FormMain->WindowDragging : WindowDragging;
}

QPoint& TPaletteWindow::DragAnchor() {
    return sharesMainWindowDrag_ && FormMain ? FormMain->WindowDragAnchor : WindowDragAnchor;
}

void TPaletteWindow::Image1MouseDown(Qt::MouseButton, QPoint position) {
    Dragging() = true;
    DragAnchor() = position;
}

void TPaletteWindow::Image1MouseMove(QPoint position) {
    if (!Dragging()) {
        return;
    }
    // The anchor stays: the window follows the pointer, which keeps its place on the background.
    move(pos() + position - DragAnchor());
}

void TPaletteWindow::Image1MouseUp(Qt::MouseButton, QPoint) {
    Dragging() = false;
}

TFlatButton* TPaletteWindow::MakeHideButton(QPoint position, const QString& glyphResource) {
    auto* button = new TFlatButton(this);
    button->setGeometry(QRect(position, kHideButtonSize));
    festoon::RunReportingErrors([&] { button->setGlyph(ResourceBitmap(glyphResource)); });
    connect(button, &TFlatButton::clicked, this, &QWidget::hide);
    return button;
}

TImg* TPaletteWindow::MakeThumbnail(int item, QPoint position) {
    auto* thumbnail = new TImg(this);
    thumbnail->setObjectName(festoon::ThumbnailName(item));
    thumbnail->setGeometry(QRect(position, kThumbnailSize));
    thumbnail->Stretch = true;
    connect(thumbnail, &TImg::clicked, this,
            [this, item] { festoon::RunReportingErrors([&] { ThumbnailClick(item); }); });
    return thumbnail;
}
