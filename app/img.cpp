// TImg: shows its picture (stretched or not, optionally with a transparent colour) and reports the mouse.
#include "app/img.h"

#include "app/KeyedPicture.h"

#include <QMouseEvent>
#include <QPainter>

TImg::TImg(QWidget* parent) : QWidget(parent) {}

void TImg::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImg::setPicture(QImage&& picture) {
    picture_ = std::move(picture);
    update();
}

const QImage& TImg::KeyedPicture(const QRect& area) {
    // The rubber band's picture is far larger than the band; only the shown area is cut out, and only
    // again when the picture's contents or the shown area changed.
    if (picture_.cacheKey() != keyedCacheKey_ || area != keyedArea_) {
        keyed_ = KeyOutColour(picture_, kTransparentColour, area);
        keyedArea_ = area;
        keyedCacheKey_ = picture_.cacheKey();
    }
    return keyed_;
}

void TImg::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (!Transparent) {
        if (Stretch) {
            painter.drawImage(rect(), picture_);
        } else {
            painter.drawImage(QPoint(0, 0), picture_);
        }
        return;
    }
    const QRect area = Stretch ? picture_.rect() : rect().intersected(picture_.rect());
    const QImage& keyed = KeyedPicture(area);
    if (keyed.isNull()) {
        return;
    }
    if (Stretch) {
        painter.drawImage(rect(), keyed);
    } else {
        painter.drawImage(area.topLeft(), keyed);
    }
}

void TImg::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
    emit mouseDown(this, event->button(), event->position().toPoint());
}

void TImg::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(this, event->position().toPoint());
}

void TImg::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(position);
    pressedInside_ = false;
    // As with the platform's controls, the click comes before the release notification.
    if (click) {
        emit clicked(this);
    }
    emit mouseUp(this, event->button(), position);
}
