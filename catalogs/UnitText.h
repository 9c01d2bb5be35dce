// TFormText: the text palette. It places speech balloons and text objects rendered in a font and a
// colour the user picks.
#pragma once

#include "catalogs/PaletteWindow.h"
#include "core/Lettering.h"
#include "platform/Dialogs.h"

#include <array>

class QLabel;
class TFlatEdit;
class TFlatGroupBox;

class TFormText : public TPaletteWindow {
    Q_OBJECT
  public:
    static constexpr int kBalloonCount = 8;

    explicit TFormText(const PaletteContext& context);

    std::array<TImg*, kBalloonCount> Thumbnails{}; // Im1, Im2, Im3, im4 ... im8
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TFlatGroupBox* FlatGroupBox1 = nullptr; // the rule between the two steps
    TFlatEdit* FlatEdit1 = nullptr;
    TFlatButton* FlatButton1 = nullptr; // "OK"
    TFlatButton* FlatButton2 = nullptr; // "Cancel"
    TFlatButton* BtnClose = nullptr;
    TFlatButton* BtnHide = nullptr;
    // Lives as long as the window, so that each use starts from the last choice.
    festoon::FontDialog FontDialog1;

    // Places balloon K at half its size: "pic\text\big\K.ssl" with "pic\text\mask\K.ssl".
    void ThumbnailClick(int item) override;
    // "OK": makes a text object of the field's text in a font chosen in FontDialog1, then empties the
    // field. An empty field or a cancelled dialog makes nothing. While lettering is being edited, OK
    // replaces it in place instead.
    void FlatButton1Click();
    // "Cancel": empties the field and hides the window; lettering being edited stays as it was.
    void FlatButton2Click();

    // Places the text as an object at 14, 10: its Mask the text in white on black, its BMP the colour.
    void AddTextObject(const QString& text, const QFont& font, const QColor& color);

    // Shows the palette with the words of the lettering in `slot` in the field and its font, colour,
    // outline and shadow in the font dialog, so that OK draws it anew.
    void EditLettering(int slot, const festoon::Lettering& lettering);
    // The slot whose lettering OK replaces, or 0 while OK places new lettering.
    [[nodiscard]] int EditedSlot() const { return editedSlot_; }

    // The words in the field, each line break typed with Ctrl+Enter a '\n'.
    [[nodiscard]] QString Words() const;

  protected:
    // Each time the palette is shown its field takes the keyboard, so the words can be typed at once.
    void showEvent(QShowEvent* event) override;
    // Put away, the palette forgets the lettering it was editing: a later OK places new lettering.
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    [[nodiscard]] festoon::Lettering ChosenLettering(const QString& text) const;

    int editedSlot_ = 0;
};

extern TFormText* FormText;
