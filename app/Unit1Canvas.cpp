// The canvas of the main window: its start-up, the object slots, placing an object, and the
// recomposition that re-blends every layer over what lies beneath it.
#include "app/Unit1.h"

#include "app/img.h"
#include "core/Bitmap.h"
#include "core/PictureFile.h"
#include "platform/ErrorReporting.h"
#include "platform/Paths.h"

#include <QPushButton>

void TFormMain::PrepareCanvas() {
    ImFuzhu->setPicture(festoon::LoadPictureFile(festoon::ProgramPath(QStringLiteral("main\\mainb.jpg"))));
    QImage backdrop = festoon::MakeBitmap(ImFuzhu->Picture().width(), ImFuzhu->Picture().height());
    festoon::DrawUnscaled(ImFuzhu->Picture(), backdrop, QPoint(0, 0));
    ImBackDrop->setPicture(std::move(backdrop));

    Imfuzhu1->setPicture(
        festoon::LoadPictureFile(festoon::ProgramPath(QStringLiteral("main\\Defaultmask.jpg"))));
    ImDefultMask->setPicture(festoon::StretchBitmap(Imfuzhu1->Picture(), Imfuzhu1->Picture().width(),
                                                    Imfuzhu1->Picture().height()));

    CreateObjectSlots();
    WorkBitmaps = {};
    LayerList.clear();
    CleanBackdropBmp = ImBackDrop->Picture().copy();
    LayerList.append(ImBackDrop);
    // The panel still has its design-time size here; the first recomposition brings ComposedBmp to the
    // final canvas size.
    ComposedBmp = festoon::StretchBitmap(ImBackDrop->Picture(), ImBackDrop->width(), ImBackDrop->height());
}

void TFormMain::CreateObjectSlots() {
    // Created after the editing surface and the rubber band, so they lie above both.
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        auto* object = new TImg(CanvasArea);
        object->hide();
        object->setObjectName(QStringLiteral("d%1").arg(slot));
        object->Stretch = true;
        connect(object, &TImg::mouseDown, this, [this](TImg* sender, Qt::MouseButton, QPoint) {
            festoon::RunReportingErrors([&] { ObjectMouseDown(sender); });
        });
        connect(object, &TImg::mouseUp, this, [this](TImg* sender, Qt::MouseButton, QPoint) {
            festoon::RunReportingErrors([&] { ObjectMouseUp(sender); });
        });
        ObjectSlots[static_cast<size_t>(slot)] = object;
    }
}

int TFormMain::FirstFreeSlot() const {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (ObjectSlots[static_cast<size_t>(slot)]->isHidden()) {
            return slot;
        }
    }
    return kSlotCount;
}

int TFormMain::SlotOf(const TImg* control) const {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (ObjectSlots[static_cast<size_t>(slot)] == control) {
            return slot;
        }
    }
    return 0;
}

TImg* TFormMain::TopObject() const {
    return LayerList.size() < 2 ? nullptr : LayerList.last();
}

QSize TFormMain::CanvasSize() const {
    return ImBackDrop->size();
}

void TFormMain::PlaceObject(int slot) {
    TImg* object = ObjectSlots[static_cast<size_t>(slot)];
    // A slot taken again while all are in use keeps one layer entry, moved to the top: a second entry
    // would render the same object twice.
    LayerList.removeAll(object);
    LayerList.append(object);
    SelectedSlot = slot;
    DragSlot = slot;
    BtnchonghuaClick();
    object->raise();
    ImTouMing->raise();
    DrawSelectionMarks(object);
}

void TFormMain::RenderSlot(int slot, int passes) {
    TImg* object = ObjectSlots[static_cast<size_t>(slot)];
    const QRect bounds = object->geometry();
    if (bounds.isEmpty()) {
        return;
    }
    object->setPicture(
        festoon::RenderObject(ComposedBmp, bounds, object->BMP, object->Mask, passes, WorkBitmaps));
}

void TFormMain::BtnchonghuaClick() {
    const QSize canvas = CanvasSize();
    if (ComposedBmp.size() != canvas || ComposedBmp.format() != festoon::kBitmapFormat) {
        ComposedBmp = festoon::MakeBitmap(canvas.width(), canvas.height());
    }
    festoon::StretchDraw(ImBackDrop->Picture(), ComposedBmp, ComposedBmp.rect());
    ImBackDrop->update();
    for (qsizetype i = 1; i < LayerList.size(); ++i) {
        const int slot = SlotOf(LayerList[i]);
        if (slot == 0) {
            continue;
        }
        RenderSlot(slot, 2);
        const TImg* object = LayerList[i];
        const bool topmost = i == LayerList.size() - 1;
        if (!topmost && !object->geometry().isEmpty()) {
            festoon::DrawUnscaled(object->Picture(), ComposedBmp, object->pos());
        }
    }
}
