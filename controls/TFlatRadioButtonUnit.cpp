// TFlatRadioButton: painting, checking within a group, and the hot look of the flat radio button.
#include "controls/TFlatRadioButtonUnit.h"

#include "controls/AccessibleControls.h"
#include "controls/FlatPainting.h"
#include "platform/ErrorReporting.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

// Radio buttons keep a hot control of their own, apart from the push buttons'.
FlatHotTracker& RadioHotTracker() {
    static FlatHotTracker tracker;
    return tracker;
}

} // namespace

TFlatRadioButton::TFlatRadioButton(QWidget* parent) : QWidget(parent) {
    InstallAccessibleControls();
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    resize(121, 17);
}

void TFlatRadioButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QColor TFlatRadioButton::restColor() const {
    return ParentColor ? ParentBackground(*this, Color) : Color;
}

void TFlatRadioButton::setHotLook(bool hot) {
    if (hot_ == hot)
        return;
    hot_ = hot;
    update();
}

void TFlatRadioButton::setChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    if (!checked) {
        setFocusPolicy(Qt::ClickFocus);
        update();
        return;
    }
    setFocusPolicy(Qt::StrongFocus);
    uncheckSiblings();
    const QPointer<TFlatRadioButton> alive(this);
    festoon::RunReportingErrors([this] { emit clicked(); });
    if (alive)
        update();
}

void TFlatRadioButton::uncheckSiblings() {
    const QWidget* parent = parentWidget();
    if (parent == nullptr)
        return;
    for (auto* sibling : parent->findChildren<TFlatRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != this && sibling->GroupIndex == GroupIndex)
            sibling->setChecked(false);
    }
}

void TFlatRadioButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor background = restColor();
    painter.fillRect(rect(), background);

    const bool circleLeft = Layout == TRadioLayout::CircleLeft;
    // The circle's box spans 10 pixels; Qt's outlined shapes cover their rectangle plus one pixel.
    const QRect circle = circleLeft ? QRect(1, 3, 9, 9) : QRect(width() - 11, 3, 9, 9);
    const bool lit = hot_ || hasFocus();
    QColor fill = background;
    if (lit)
        fill = pressed_ ? ColorDown : ColorFocused;
    painter.setPen(ColorBorder);
    painter.setBrush(fill);
    painter.drawEllipse(circle);

    if (checked_) {
        const QColor dot = isEnabled() ? ColorDot : palette().color(QPalette::Shadow);
        painter.setPen(dot);
        painter.setBrush(dot);
        painter.drawEllipse(QRect(circle.left() + 3, 6, 3, 3));
    }

    const QRect textRect =
        circleLeft ? QRect(16, 1, width() - 17, height() - 2) : QRect(1, 1, width() - 17, height() - 2);
    const int flags = (circleLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop | Qt::TextWordWrap;
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(textRect, flags, caption_);
    } else {
        DrawEmbossedText(painter, textRect, flags, caption_, palette());
    }
}

void TFlatRadioButton::enterEvent(QEnterEvent*) {
    RadioHotTracker().pointerOver(this, this);
}

void TFlatRadioButton::leaveEvent(QEvent*) {
    if (!pressed_)
        RadioHotTracker().pointerLeft(this, this);
}

void TFlatRadioButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    update();
}

void TFlatRadioButton::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ && rect().contains(event->position().toPoint()))
        RadioHotTracker().pointerOver(this, this);
}

void TFlatRadioButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    update();
    const QPoint at = event->position().toPoint();
    // Both far edges count as inside, as the radio button has always accepted them.
    const bool inside = at.x() >= 0 && at.y() >= 0 && at.x() <= width() && at.y() <= height();
    const QPointer<TFlatRadioButton> alive(this);
    if (inside && !checked_)
        setChecked(true);
    if (!alive)
        return;
    if (rect().contains(at))
        RadioHotTracker().pointerOver(this, this);
    else
        RadioHotTracker().pointerLeft(this, this);
}

void TFlatRadioButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TFlatRadioButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    hot_ = false;
    update();
}

// A control hidden under the pointer (its palette put away) must not come back showing the hot look.
void TFlatRadioButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!pressed_)
        RadioHotTracker().pointerLeft(this, this);
}

void TFlatRadioButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::FontChange || event->type() == QEvent::ParentChange) {
        update();
    }
}
