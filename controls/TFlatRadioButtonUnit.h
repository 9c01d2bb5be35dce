// TFlatRadioButton: a flat radio button; checking one unchecks its siblings of the same group.
#pragma once

#include "controls/FlatHotTracking.h"

#include <QColor>
#include <QString>
#include <QWidget>

class TFlatRadioButton : public QWidget, public FlatHotTarget {
    Q_OBJECT
  public:
    enum class TRadioLayout { CircleLeft, CircleRight };

    explicit TFlatRadioButton(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    [[nodiscard]] QString Caption() const { return caption_; }
    // Checking unchecks the siblings with the same GroupIndex and then raises clicked(); unchecking is
    // silent.
    void setChecked(bool checked);
    [[nodiscard]] bool Checked() const { return checked_; }

    [[nodiscard]] bool hot() const { return hot_; }
    // The background: the parent's background colour while ParentColor is on, else Color.
    [[nodiscard]] QColor restColor() const;

    int GroupIndex = 0;
    // Colours; call update() after changing them.
    QColor Color{235, 234, 225};
    QColor ColorFocused{Qt::white};
    QColor ColorDown{217, 214, 197};
    QColor ColorDot{Qt::black};
    QColor ColorBorder{160, 150, 131};
    bool ParentColor = true;
    TRadioLayout Layout = TRadioLayout::CircleLeft;

    void setHotLook(bool hot) override;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void uncheckSiblings();

    QString caption_;
    bool checked_ = false;
    bool hot_ = false;
    bool pressed_ = false;
};
