// The main window's buttons that show the palettes where and as they were last left.
#include "app/Unit1.h"

#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "catalogs/UnitText.h"
#include "catalogs/Unitflower.h"

namespace {

// A palette that is shown comes to the front and takes the keyboard, so that the text palette's field
// can be typed into at once.
void ShowPalette(QWidget* palette) {
    if (palette) {
        palette->show();
        palette->raise();
        palette->activateWindow();
    }
}

} // namespace

void TFormMain::BtnMaskClick() {
    ShowPalette(FormMask);
}

void TFormMain::BtnFunnyClick() {
    ShowPalette(FormFlower);
}

void TFormMain::ImgBtn3Click() {
    ShowPalette(FormCartoon);
}

void TFormMain::BtnTextClick() {
    ShowPalette(FormText);
}

void TFormMain::ImgBtn1Click() {
    ShowPalette(FormFrame);
}
