// TFlatButton: a push button with a flat face, a one-pixel border and hover and pressed looks.
#pragma once

#include "controls/FlatButtonLayout.h"
#include "controls/FlatHotTracking.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class TFlatButton : public QWidget, public FlatHotTarget {
    Q_OBJECT
  public:
    enum class TButtonState { Up, Disabled, Down, Exclusive };
    using TButtonLayout = ::TButtonLayout;

    explicit TFlatButton(QWidget* parent = nullptr);

    // Copies the bitmap; a width that is a whole multiple of the height sets NumGlyphs (1 if above 4).
    void setGlyph(const QImage& glyph);
    [[nodiscard]] const QImage& Glyph() const { return glyph_; }
    void setCaption(const QString& caption);
    [[nodiscard]] QString Caption() const { return caption_; }

    [[nodiscard]] TButtonState state() const { return state_; }
    [[nodiscard]] bool hot() const { return hot_; }
    // The face at rest: the parent's background colour while ParentColor is on, else Color.
    [[nodiscard]] QColor restColor() const;

    // Colours; call update() after changing them.
    QColor Color{235, 234, 225};
    QColor ColorFocused{235, 234, 225};
    QColor ColorDown{217, 214, 197};
    QColor ColorBorder{160, 150, 131};
    QColor ColorHighLight{Qt::white};
    QColor ColorShadow{Qt::black};
    bool ParentColor = true;
    bool Default = false;
    // Pieces laid side by side in the glyph for the up, disabled, down and held-down states.
    int NumGlyphs = 1;
    TButtonLayout Layout = TButtonLayout::GlyphTop;
    int Margin = -1;
    int Spacing = 4;
    // Stored only: the windows never show this button in a modal loop.
    int ModalResult = 0;

    void setHotLook(bool hot) override;
    // Runs the click as a release on the button would (assistive tools).
    void click();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    [[nodiscard]] QImage glyphForState() const;
    // The size of one piece of the glyph, which is what is placed (an embossed copy is one pixel larger).
    [[nodiscard]] QSize glyphPieceSize() const;
    void setState(TButtonState state);

    QImage glyph_;
    QImage keyedGlyph_;
    QString caption_;
    TButtonState state_ = TButtonState::Up;
    bool hot_ = false;
    bool pressInProgress_ = false;
    bool spaceDown_ = false;
};
