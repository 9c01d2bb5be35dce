// TFlatEdit: a frameless line edit painted inside a flat 3-pixel frame of its own.
#include "controls/TFlatEditUnit.h"

#include "controls/FlatPainting.h"

#include <QApplication>
#include <QPainter>

TCustomFlatEdit::TCustomFlatEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    resize(121, 19);
}

void TCustomFlatEdit::setParentColor(bool parentColor) {
    parentColor_ = parentColor;
    refreshFrame();
}

void TCustomFlatEdit::AdjustHeightToFont() {
    resize(width(), fontMetrics().height() + 2 * FrameWidth);
}

QColor TCustomFlatEdit::faceColor() const {
    const bool anotherEditFocused = qobject_cast<TCustomFlatEdit*>(QApplication::focusWidget()) != nullptr;
    if (hasFocus() || (hot_ && !anotherEditFocused))
        return ColorFocused;
    return parentColor_ ? ParentBackground(*this, ColorFlat) : ColorFlat;
}

// The line edit fills its text area from the Base role, so the face is handed to it there.
void TCustomFlatEdit::applyFaceToPalette() {
    const QColor face = faceColor();
    if (palette().color(QPalette::Base) == face)
        return;
    QPalette own = palette();
    own.setColor(QPalette::Base, face);
    setPalette(own);
}

void TCustomFlatEdit::refreshFrame() {
    applyFaceToPalette();
    update();
}

void TCustomFlatEdit::paintEvent(QPaintEvent* event) {
    // Colours are public members, so a change made without a call is picked up here.
    applyFaceToPalette();
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QColor face = faceColor();
    painter.setPen(ColorBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(face);
    for (int ring = 1; ring < FrameWidth; ++ring)
        painter.drawRect(rect().adjusted(ring, ring, -1 - ring, -1 - ring));
}

void TCustomFlatEdit::enterEvent(QEnterEvent* event) {
    QLineEdit::enterEvent(event);
    if (QApplication::activeWindow() == nullptr)
        return;
    hot_ = true;
    refreshFrame();
}

void TCustomFlatEdit::leaveEvent(QEvent* event) {
    QLineEdit::leaveEvent(event);
    hot_ = false;
    refreshFrame();
}

// A hovered edit's face depends on whether some flat edit has the focus, so every edit of the window
// is refreshed when the focus comes or goes.
void TCustomFlatEdit::refreshEditsOfWindow() {
    for (auto* edit : window()->findChildren<TCustomFlatEdit*>())
        edit->refreshFrame();
}

void TCustomFlatEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    refreshEditsOfWindow();
}

void TCustomFlatEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    refreshEditsOfWindow();
}

TFlatEdit::TFlatEdit(QWidget* parent) : TCustomFlatEdit(parent) {}
