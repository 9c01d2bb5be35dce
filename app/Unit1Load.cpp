// Loading a photo as a new object, and choosing, or restoring, the backdrop. Pictures are decoded on a
// worker thread; the card changes only when one arrives, so a file that fails or a load cancelled
// changes nothing.
#include "app/Unit1.h"

#include "platform/PictureLoading.h"

void TFormMain::BtnLoadClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    loading_->Load(OpenDialog1.FileName, [this](const QImage& photo) {
        EditCard([&](festoon::Composition& card) { DragSlot = card.PlacePhoto(photo, defaultMask_); });
    });
}

void TFormMain::BtnBackDropClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    loading_->Load(OpenDialog1.FileName, [this](const QImage& picture) {
        EditCard([&](festoon::Composition& card) { card.SetBackdrop(picture); });
    });
}

void TFormMain::CancelLoads() {
    loading_->Cancel();
}

void TFormMain::ImgBtn2Click() {
    EditCard([](festoon::Composition& card) { card.RemoveFrame(); });
}
