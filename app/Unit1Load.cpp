// Loading a photo as a new canvas object, and choosing, or restoring, the backdrop.
#include "app/Unit1.h"

#include "app/img.h"
#include "core/Bitmap.h"
#include "core/PictureFile.h"

#include <algorithm>

namespace {

// A loaded photo is shown this long on its longer side.
constexpr int kPhotoDisplaySide = 400;
constexpr QPoint kPhotoPosition(10, 10);

// The size of a photo's source bitmap on a canvas of `canvas`. The height rule looks at the photo's own
// height, so a photo taller than the canvas always ends up exactly as high as the canvas, with its width
// in proportion even where that exceeds the canvas. A very thin photo keeps at least one pixel.
QSize PhotoSourceSize(QSize photo, QSize canvas) {
    const int pw = photo.width(), ph = photo.height();
    if (ph > canvas.height()) {
        return {std::max(1, canvas.height() * pw / ph), canvas.height()};
    }
    return {std::min(pw, canvas.width()), ph};
}

// The object's size on screen: the source's proportions with the longer side kPhotoDisplaySide.
QSize PhotoDisplaySize(QSize source) {
    const int sw = source.width(), sh = source.height();
    if (sw > sh) {
        return {kPhotoDisplaySide, std::max(1, sh * kPhotoDisplaySide / sw)};
    }
    return {std::max(1, sw * kPhotoDisplaySide / sh), kPhotoDisplaySide};
}

} // namespace

void TFormMain::BtnLoadClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    // Decoded before any slot is touched: a file that fails changes nothing on the canvas.
    const QImage photo = festoon::LoadPictureFile(OpenDialog1.FileName);
    const int slot = FirstFreeSlot();
    TImg* object = ObjectSlots[slot];
    const QSize source = PhotoSourceSize(photo.size(), CanvasSize());
    object->BMP = festoon::StretchBitmap(photo, source.width(), source.height());
    object->setGeometry(QRect(kPhotoPosition, PhotoDisplaySize(source)));
    object->setObjectName(QStringLiteral("man") + QString::number(slot));
    object->Mask = ImDefultMask->Picture().copy();
    object->show();
    PlaceObject(slot);
}

void TFormMain::BtnBackDropClick() {
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    const QImage picture = festoon::LoadPictureFile(OpenDialog1.FileName);
    const QSize canvas = CanvasSize();
    const QImage backdrop = festoon::StretchBitmap(picture, canvas.width(), canvas.height());
    ImBackDrop->setPicture(backdrop);
    LayerList[0] = ImBackDrop;
    BtnchonghuaClick();
    CleanBackdropBmp = backdrop.copy();
}

void TFormMain::ImgBtn2Click() {
    const QSize canvas = CanvasSize();
    ImBackDrop->setPicture(festoon::StretchBitmap(CleanBackdropBmp, canvas.width(), canvas.height()));
    BtnchonghuaClick();
}
