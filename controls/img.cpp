// TImg: shows its picture, stretched or not, and reports the mouse.
#include "controls/img.h"

#include "platform/ErrorReporting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TImg::TImg(QWidget* parent) : QWidget(parent) {}

void TImg::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImg::setPicture(QImage&& picture) {
    picture_ = std::move(picture);
    update();
}

void TImg::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    // A picture drawn for a higher device pixel ratio than the screen's is made smaller smoothly; every
    // other picture is shown as the program always showed it, each pixel as a block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, picture_.devicePixelRatio() > devicePixelRatioF());
    if (Stretch) {
        painter.drawImage(rect(), picture_);
    } else {
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

void TImg::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
    festoon::RunReportingErrors([&] { emit mouseDown(this, event->button(), event->position().toPoint()); });
}

void TImg::mouseMoveEvent(QMouseEvent* event) {
    festoon::RunReportingErrors([&] { emit mouseMove(this, event->position().toPoint()); });
}

void TImg::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(position);
    pressedInside_ = false;
    // As with the platform's controls, the click comes before the release notification.
    const QPointer<TImg> alive(this);
    if (click) {
        festoon::RunReportingErrors([this] { emit clicked(this); });
    }
    if (alive) {
        festoon::RunReportingErrors([&] { emit mouseUp(this, event->button(), position); });
    }
}
