// The palette window base: skin, shape, font, dragging, hiding and thumbnails.
#include "catalogs/PaletteWindow.h"
#include "platform/Application.h"

#include "catalogs/Thumbnails.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/img.h"
#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/FileIO.h"
#include "platform/Desktop.h"
#include "platform/ErrorReporting.h"
#include "platform/ScreenPictures.h"

#include <QAction>
#include <QKeySequence>

namespace {

constexpr QSize kThumbnailSize{80, 80};
constexpr QSize kHideButtonSize{12, 12};

} // namespace

QImage ResourceBitmap(const QString& resource) {
    return festoon::DecodeBmp(festoon::ReadWholeFile(resource));
}

QImage ResourceBitmapForScreen(const QString& resource) {
    return festoon::ReadForScreen(resource, ResourceBitmap);
}

TPaletteWindow::TPaletteWindow(const PaletteContext& context, const WindowLook& look)
    : QWidget(context.owner, Qt::Tool | Qt::FramelessWindowHint), card_(context.card),
      sharedDrag_(look.sharesMainWindowDrag ? context.mainWindowDrag : nullptr), pieceKind_(look.pieceKind) {
    // Each palette has a title of its own, for the task bar, window lists and screen readers.
    setWindowTitle(festoon::ProgramName() + QStringLiteral(" \u2013 ") + look.title);
    // Esc puts the palette away, as its hide buttons do.
    auto* hideKey = new QAction(this);
    hideKey->setShortcut(QKeySequence(Qt::Key_Escape));
    hideKey->setShortcutContext(Qt::WindowShortcut);
    connect(hideKey, &QAction::triggered, this, &QWidget::hide);
    addAction(hideKey);
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
        const auto stretch = [](const QImage& picture, QSize size) {
            return festoon::StretchBitmap(picture, size.width(), size.height());
        };
        // The window is shaped in logical pixels by the plain skin; the screen may show a sharper one.
        const festoon::WindowSkin skin =
            festoon::SkinForScreen(look.skinResource, ResourceBitmap, look.clientSize, stretch);
        Image1->setPicture(skin.shown);
        festoon::ShapeWindowFromSkin(this, skin.plain);
    });
}

festoon::WindowDrag& TPaletteWindow::Drag() {
    return sharedDrag_ != nullptr ? *sharedDrag_ : WindowDrag;
}

void TPaletteWindow::Image1MouseDown(Qt::MouseButton, QPoint position) {
    Drag().dragging = true;
    Drag().anchor = position;
}

void TPaletteWindow::Image1MouseMove(QPoint position) {
    if (!Drag().dragging) {
        return;
    }
    // The anchor stays: the window follows the pointer, which keeps its place on the background.
    move(pos() + position - Drag().anchor);
}

void TPaletteWindow::Image1MouseUp(Qt::MouseButton, QPoint) {
    Drag().dragging = false;
}

TFlatButton* TPaletteWindow::MakeHideButton(QPoint position, const QString& glyphResource,
                                            const QString& name) {
    auto* button = new TFlatButton(this);
    button->setGeometry(QRect(position, kHideButtonSize));
    button->setAccessibleName(name);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(name, QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText)));
    festoon::RunReportingErrors([&] { button->setGlyph(ResourceBitmapForScreen(glyphResource)); });
    connect(button, &TFlatButton::clicked, this, &QWidget::hide);
    return button;
}

TImg* TPaletteWindow::MakeThumbnail(int item, QPoint position) {
    auto* thumbnail = new TImg(this);
    thumbnail->setObjectName(festoon::ThumbnailName(item));
    thumbnail->setGeometry(QRect(position, kThumbnailSize));
    thumbnail->Stretch = true;
    festoon::NameThumbnail(thumbnail, QStringLiteral("%1 %2").arg(pieceKind_).arg(item));
    connect(thumbnail, &TImg::clicked, this, [this, item] { ThumbnailClick(item); });
    return thumbnail;
}
