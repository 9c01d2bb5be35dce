// TImgBtn: shows Pic at rest, PicUp while hovered and PicDown while the left button is held on it.
#include "controls/ImgBtn.h"

#include "controls/AccessibleControls.h"
#include "controls/TransparentKey.h"
#include "platform/ErrorReporting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TImgBtn::TImgBtn(QWidget* parent) : QWidget(parent) {
    InstallAccessibleControls();
}

void TImgBtn::click() {
    festoon::RunReportingErrors([this] { emit clicked(); });
}

TImgBtn::Face TImgBtn::MakeFace(const QImage& picture) {
    return {picture, KeyOutBottomLeftColour(picture)};
}

void TImgBtn::setPic(const QImage& picture) {
    pic_ = MakeFace(picture);
    display(isEnabled() || picDisabled_.picture.isNull() ? pic_ : picDisabled_);
}

void TImgBtn::setPicDown(const QImage& picture) {
    picDown_ = MakeFace(picture);
}

void TImgBtn::setPicUp(const QImage& picture) {
    picUp_ = MakeFace(picture);
}

void TImgBtn::setPicDisabled(const QImage& picture) {
    picDisabled_ = MakeFace(picture);
    if (!isEnabled())
        display(picDisabled_);
}

void TImgBtn::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange || picDisabled_.picture.isNull())
        return;
    // A disabled button receives no crossings: it comes back at rest, whatever it showed before.
    MouseInside = false;
    ButtonPressed = false;
    clickBegun_ = false;
    display(isEnabled() ? pic_ : picDisabled_);
}

void TImgBtn::display(const Face& face) {
    displayed_ = face;
    update();
}

void TImgBtn::paintEvent(QPaintEvent*) {
    const QImage& shown = Transparent ? displayed_.keyed : displayed_.picture;
    if (shown.isNull())
        return;
    QPainter painter(this);
    // Faces are drawn at the button's size and shown as they are; a picture of another size is
    // smoothed to fit.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), shown);
}

void TImgBtn::pointerEntered() {
    if (releasing_) {
        pointerInsideDuringRelease_ = true;
        return;
    }
    // Qt still sends crossings to a disabled widget: its greyed face stays.
    if (MouseInside || !Supported || !isEnabled())
        return;
    MouseInside = true;
    display(ButtonPressed ? picDown_ : picUp_);
    emit mouseEnter();
}

void TImgBtn::pointerLeft() {
    if (releasing_) {
        pointerInsideDuringRelease_ = false;
        return;
    }
    if (!MouseInside || !Supported)
        return;
    MouseInside = false;
    display(pic_);
    emit mouseLeave();
}

void TImgBtn::enterEvent(QEnterEvent*) {
    pointerEntered();
}

void TImgBtn::leaveEvent(QEvent*) {
    pointerLeft();
}

// Qt withholds enter and leave from a widget that holds the mouse grab, so crossings during a press are
// found from the pointer's position.
void TImgBtn::mouseMoveEvent(QMouseEvent* event) {
    if (!clickBegun_)
        return;
    if (rect().contains(event->position().toPoint()))
        pointerEntered();
    else
        pointerLeft();
}

void TImgBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    clickBegun_ = true;
    if (!Supported)
        return;
    ButtonPressed = true;
    if (MouseInside)
        display(picDown_);
    emit mouseDown();
}

void TImgBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !clickBegun_)
        return;
    clickBegun_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside) {
        // A handler may open a modal dialog: the pressed picture stays until it returns.
        releasing_ = true;
        pointerInsideDuringRelease_ = MouseInside;
        const QPointer<TImgBtn> alive(this);
        // A failed action is reported here and the button still comes up.
        festoon::RunReportingErrors([this] { emit clicked(); });
        if (!alive)
            return;
    }
    finishRelease(inside);
}

void TImgBtn::finishRelease(bool inside) {
    releasing_ = false;
    if (!Supported)
        return;
    ButtonPressed = false;
    if (MouseInside)
        display(picUp_);
    emit mouseUp();
    if (inside && pointerInsideDuringRelease_ != MouseInside) {
        if (pointerInsideDuringRelease_)
            pointerEntered();
        else
            pointerLeft();
    }
}
