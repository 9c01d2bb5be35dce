// Loading a photo as a new object, and choosing, or restoring, the backdrop.
#include "app/Unit1.h"

#include "core/PictureFile.h"

void TFormMain::BtnLoadClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    // Decoded before the card is touched: a file that fails changes nothing.
    const QImage photo = festoon::LoadPictureFile(OpenDialog1.FileName);
    EditCard([&](festoon::Composition& card) { DragSlot = card.PlacePhoto(photo, defaultMask_); });
    PlacedObject();
}

void TFormMain::BtnBackDropClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    const QImage picture = festoon::LoadPictureFile(OpenDialog1.FileName);
    EditCard([&](festoon::Composition& card) { card.SetBackdrop(picture); });
}

void TFormMain::ImgBtn2Click() {
    EditCard([](festoon::Composition& card) { card.RemoveFrame(); });
}
