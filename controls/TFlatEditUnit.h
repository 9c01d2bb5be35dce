// TFlatEdit: a single-line edit inside a flat 3-pixel frame whose face turns white while it is in use.
#pragma once

#include <QColor>
#include <QLineEdit>

class TCustomFlatEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TCustomFlatEdit(QWidget* parent = nullptr);

    // Colours; call update() after changing them.
    QColor ColorFocused{Qt::white};
    QColor ColorBorder{160, 150, 131};
    QColor ColorFlat{235, 234, 225};

    // When on, ColorFlat follows the parent's background colour.
    void setParentColor(bool parentColor);
    [[nodiscard]] bool ParentColor() const { return parentColor_; }
    // Height := the font's character height plus the two 3-pixel frames; the window calls it when loaded.
    void AdjustHeightToFont();

    [[nodiscard]] bool hot() const { return hot_; }
    // The colour of the inner rings and the text area now.
    [[nodiscard]] QColor faceColor() const;

    static constexpr int FrameWidth = 3;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void applyFaceToPalette();
    void refreshFrame();
    void refreshEditsOfWindow();

    bool parentColor_ = false;
    bool hot_ = false;
};

class TFlatEdit : public TCustomFlatEdit {
    Q_OBJECT
  public:
    explicit TFlatEdit(QWidget* parent = nullptr);
};
