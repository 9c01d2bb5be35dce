// TImg: shows its picture (stretched or not, optionally with a transparent colour) and reports the mouse.
#include "app/img.h"

#include <QMouseEvent>
#include <QPainter>

TImg::TImg(QWidget* parent) : QWidget(parent) {}

void TImg::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImg::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (Stretch) {
        painter.drawImage(rect(), picture_);
    } else {
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

void TImg::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = true;
    emit mouseDown(this, event->button(), event->position().toPoint());
}

void TImg::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(this, event->position().toPoint());
}

void TImg::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    emit mouseUp(this, event->button(), position);
    if (pressedInside_ && rect().contains(position)) {
        emit clicked(this);
    }
    pressedInside_ = false;
}
