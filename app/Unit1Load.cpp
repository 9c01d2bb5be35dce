// Loading a photo as a new object, and choosing, or restoring, the backdrop. Pictures are decoded on a
// worker thread; the card changes only when one arrives, so a file that fails or a load cancelled
// changes nothing.
#include "app/Unit1.h"

#include "core/ObjectAlpha.h"
#include "core/PhotoSizing.h"
#include "platform/PictureLoading.h"

void TFormMain::BtnLoadClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    loading_->Load(
        OpenDialog1.FileName, [this](const festoon::LoadedPicture& photo) { PlaceLoadedPhoto(photo, {}); },
        PhotoDecodeSize());
}

void TFormMain::BtnBackDropClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    loading_->Load(
        OpenDialog1.FileName,
        [this](const festoon::LoadedPicture& loaded) {
            EditCard([&](festoon::Composition& card) {
                card.SetBackdrop(loaded.decoded.picture, loaded.original);
            });
        },
        [canvas = CanvasSize()](QSize) { return canvas; });
}

std::function<QSize(QSize)> TFormMain::PhotoDecodeSize() const {
    return [canvas = CanvasSize()](QSize inFile) { return festoon::PhotoSourceSize(inFile, canvas); };
}

void TFormMain::PlaceLoadedPhoto(const festoon::LoadedPicture& loaded, std::optional<QPoint> topLeft) {
    // A picture with transparency is its own cut-out: its alpha is its mask.
    const festoon::DecodedPicture& photo = loaded.decoded;
    const festoon::PictureAndMask cutOut = photo.withAlpha.isNull()
                                               ? festoon::PictureAndMask{photo.picture, defaultMask_}
                                               : festoon::ObjectFromAlpha(photo.withAlpha, 1.0);
    EditCard([&](festoon::Composition& card) {
        DragSlot = topLeft ? card.PlacePhotoAt(cutOut.picture, cutOut.mask, *topLeft, loaded.original)
                           : card.PlacePhoto(cutOut.picture, cutOut.mask, loaded.original);
    });
}

void TFormMain::CancelLoads() {
    loading_->Cancel();
}

void TFormMain::ImgBtn2Click() {
    EditCard([](festoon::Composition& card) { card.RemoveFrame(); });
}
