// TFlatGroupBox: fills itself with its colour and draws a one-pixel frame broken for the caption.
#include "controls/TFlatGroupBoxUnit.h"

#include "controls/FlatPainting.h"

#include <QPainter>

TFlatGroupBox::TFlatGroupBox(QWidget* parent) : QWidget(parent) {
    resize(185, 105);
}

void TFlatGroupBox::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TFlatGroupBox::setColor(const QColor& color) {
    color_ = color;
    parentColor_ = false;
    // Children that follow their parent's colour read it from this palette.
    QPalette own = palette();
    own.setColor(QPalette::Window, color);
    setPalette(own);
    update();
}

void TFlatGroupBox::setColorBorder(const QColor& color) {
    colorBorder_ = color;
    update();
}

void TFlatGroupBox::setParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor)
        setPalette(QPalette());
    update();
}

QColor TFlatGroupBox::Color() const {
    return parentColor_ ? ParentBackground(*this, color_) : color_;
}

void TFlatGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Color());

    const int captionHeight = fontMetrics().height();
    const int captionWidth = caption_.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption_);
    const int middle = captionHeight / 2;
    // One polyline from the caption's left round the box back to the caption's right; on a box one pixel
    // high only the bottom edge's row shows, a rule across the whole width.
    const QPoint outline[] = {{5, middle},           {0, middle},
                              {0, height() - 1},     {width() - 1, height() - 1},
                              {width() - 1, middle}, {captionWidth + 12, middle}};
    painter.setPen(colorBorder_);
    painter.drawPolyline(outline, 6);

    const QRect captionRect(10, 0, width() - 20, captionHeight);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionRect, flags, caption_);
    } else {
        DrawEmbossedText(painter, captionRect, flags, caption_, palette());
    }
}
