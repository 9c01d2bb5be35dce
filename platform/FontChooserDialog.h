// A font chooser that also picks a colour, with a live preview; Qt's own font dialog has no colour.
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

  private:
    void pickColor();
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
    QLabel* preview_;
    QColor color_;
};

} // namespace festoon
