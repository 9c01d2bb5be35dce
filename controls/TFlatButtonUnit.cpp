// TFlatButton: painting, mouse and Space-key handling, and the hot look of the flat push button.
#include "controls/TFlatButtonUnit.h"

#include "controls/AccessibleControls.h"
#include "controls/FlatPainting.h"
#include "controls/TransparentKey.h"
#include "platform/ErrorReporting.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace {

FlatHotTracker& ButtonHotTracker() {
    static FlatHotTracker tracker;
    return tracker;
}

void DrawFrame(QPainter& painter, const QRect& rect, const QColor& color, int width) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), width, color);
    painter.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, color);
    painter.fillRect(rect.left(), rect.top(), width, rect.height(), color);
    painter.fillRect(rect.right() - width + 1, rect.top(), width, rect.height(), color);
}

void DrawBevel(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
    painter.fillRect(rect.left(), rect.top(), rect.width() - 1, 1, topLeft);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height() - 1, topLeft);
}

} // namespace

void TFlatButton::click() {
    festoon::RunReportingErrors([this] { emit clicked(); });
}

TFlatButton::TFlatButton(QWidget* parent) : QWidget(parent) {
    InstallAccessibleControls();
    // Pressing gives the focus (so Space works afterwards), but Tab passes over flat buttons.
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    resize(25, 25);
}

void TFlatButton::setGlyph(const QImage& glyph) {
    glyph_ = glyph;
    keyedGlyph_ = KeyOutBottomLeftColour(glyph);
    if (!glyph.isNull() && glyph.width() % glyph.height() == 0) {
        const int pieces = glyph.width() / glyph.height();
        NumGlyphs = pieces > 4 ? 1 : pieces;
    }
    update();
}

void TFlatButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QColor TFlatButton::restColor() const {
    return ParentColor ? ParentBackground(*this, Color) : Color;
}

void TFlatButton::setHotLook(bool hot) {
    if (hot_ == hot)
        return;
    hot_ = hot;
    update();
}

void TFlatButton::setState(TButtonState state) {
    if (state_ == state)
        return;
    state_ = state;
    update();
}

QSize TFlatButton::glyphPieceSize() const {
    if (keyedGlyph_.isNull())
        return {};
    // In logical pixels: a glyph drawn for a screen of two device pixels to one lays out as the plain one.
    const QSizeF logical = keyedGlyph_.deviceIndependentSize();
    return {qRound(logical.width()) / std::max(1, NumGlyphs), qRound(logical.height())};
}

QImage TFlatButton::glyphForState() const {
    if (keyedGlyph_.isNull())
        return {};
    const int pieces = std::max(1, NumGlyphs);
    const int pieceWidth = keyedGlyph_.width() / pieces;
    int index = static_cast<int>(state_);
    if (index >= pieces)
        index = 0;
    const QImage piece = keyedGlyph_.copy(index * pieceWidth, 0, pieceWidth, keyedGlyph_.height());
    if (state_ == TButtonState::Disabled && pieces < 2)
        return EmbossedGlyph(piece, palette());
    return piece;
}

void TFlatButton::paintEvent(QPaintEvent*) {
    const bool down = state_ == TButtonState::Down || state_ == TButtonState::Exclusive;
    QColor face = restColor();
    if (state_ == TButtonState::Up && hot_)
        face = ColorFocused;
    else if (state_ == TButtonState::Down)
        face = ColorDown;
    else if (state_ == TButtonState::Exclusive)
        face = hot_ ? ColorFocused : ColorDown;

    QPainter painter(this);
    painter.fillRect(rect(), face);
    if (state_ == TButtonState::Up && hot_)
        DrawBevel(painter, rect(), ColorHighLight, ColorShadow);
    else if (down)
        DrawBevel(painter, rect(), ColorShadow, ColorHighLight);
    else
        DrawFrame(painter, rect(), ColorBorder, Default && state_ == TButtonState::Up ? 2 : 1);

    const QImage glyph = glyphForState();
    const QSize captionSize = caption_.isEmpty()
                                  ? QSize()
                                  : QSize(fontMetrics().horizontalAdvance(caption_), fontMetrics().height());
    const FlatButtonPlacement placement =
        PlaceGlyphAndCaption(size(), glyphPieceSize(), captionSize, Layout, Margin, Spacing);
    const QPoint offset = down ? QPoint(1, 1) : QPoint(0, 0);
    const QPoint glyphAt = placement.glyph + offset;
    const QPoint textAt = placement.caption + offset;

    if (!glyph.isNull())
        painter.drawImage(glyphAt, glyph);
    if (!caption_.isEmpty()) {
        const QRect textRect(textAt, captionSize);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine;
        if (state_ == TButtonState::Disabled) {
            DrawEmbossedText(painter, textRect, flags, caption_, palette());
        } else {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(textRect, flags, caption_);
        }
    }
}

void TFlatButton::enterEvent(QEnterEvent*) {
    ButtonHotTracker().pointerOver(this, this);
}

void TFlatButton::leaveEvent(QEvent*) {
    if (!pressInProgress_)
        ButtonHotTracker().pointerLeft(this, this);
}

void TFlatButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (state_ != TButtonState::Exclusive)
        setState(TButtonState::Down);
    setFocus(Qt::MouseFocusReason);
    pressInProgress_ = true;
}

void TFlatButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (!pressInProgress_) {
        if (inside)
            ButtonHotTracker().pointerOver(this, this);
        return;
    }
    if (state_ != TButtonState::Exclusive)
        setState(inside ? TButtonState::Down : TButtonState::Up);
}

void TFlatButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressInProgress_)
        return;
    pressInProgress_ = false;
    if (state_ != TButtonState::Exclusive)
        setState(TButtonState::Up);
    const bool inside = rect().contains(event->position().toPoint());
    if (inside) {
        const QPointer<TFlatButton> alive(this);
        festoon::RunReportingErrors([this] { emit clicked(); });
        if (!alive)
            return;
    }
    if (inside)
        ButtonHotTracker().pointerOver(this, this);
    else
        ButtonHotTracker().pointerLeft(this, this);
}

void TFlatButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && isEnabled()) {
        spaceDown_ = true;
        setState(TButtonState::Down);
    }
}

void TFlatButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat() || !spaceDown_)
        return;
    spaceDown_ = false;
    setState(TButtonState::Up);
    festoon::RunReportingErrors([this] { emit clicked(); });
}

void TFlatButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    setHotLook(true);
}

void TFlatButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    spaceDown_ = false;
    if (state_ == TButtonState::Down && !pressInProgress_)
        setState(TButtonState::Up);
    if (!pressInProgress_)
        setHotLook(false);
}

// A control hidden under the pointer (its palette put away) must not come back showing the hot look.
void TFlatButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!pressInProgress_)
        ButtonHotTracker().pointerLeft(this, this);
}

void TFlatButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            pressInProgress_ = false;
        setState(isEnabled() ? TButtonState::Up : TButtonState::Disabled);
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
               event->type() == QEvent::ParentChange) {
        update();
    }
}
