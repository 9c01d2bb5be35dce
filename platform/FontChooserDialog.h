// A font chooser that also picks a colour, an outline and a shadow, with a live preview of the lettering
// on a neutral ground; Qt's own font dialog has no colour.
// Every widget carries an objectName so that end-to-end tests can drive it.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace festoon {

class FontChooserDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FontChooserDialog(QWidget* parent = nullptr);

    // Shows a choice: the face as the system resolves it, the size in pixels, the four styles, the colour.
    void setChoice(const QFont& font, const QColor& colour);
    [[nodiscard]] QFont chosenFont() const;
    [[nodiscard]] QColor chosenColor() const;

    void setColor(const QColor& colour);

    // The outline (its colour and width, 0 to 8 pixels, 0 for none) and the shadow.
    void setOutline(const QColor& colour, int width);
    void setShadow(bool shadow);
    [[nodiscard]] QColor chosenOutlineColor() const { return outlineColor_; }
    [[nodiscard]] int chosenOutlineWidth() const;
    [[nodiscard]] bool chosenShadow() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void pickColor();
    void pickOutlineColor();
    void colorNameEdited();
    void updatePreview();

    QFontComboBox* family_;
    QSpinBox* pixelSize_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
    QCheckBox* strikeOut_;
    QPushButton* colorButton_;
    QLineEdit* colorName_;
    QSpinBox* outlineWidth_;
    QPushButton* outlineColorButton_;
    QCheckBox* shadow_;
    QLabel* preview_;
    QColor color_;
    QColor outlineColor_{0, 0, 0};
};

} // namespace festoon
