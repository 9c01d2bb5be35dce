// Card files: opening one (the Open button, Ctrl+O). Saving a card is the third choice of the save
// dialog (Unit1Save.cpp).
#include "app/Unit1.h"

#include "core/CardFile.h"
#include "core/CardFitting.h"

void TFormMain::OpenCardClick() {
    if (!OpenCardDialog.Execute(this)) {
        return;
    }
    OpenCardFile(OpenCardDialog.FileName);
}

void TFormMain::OpenCardFile(const QString& path) {
    const festoon::Composition card = festoon::FitCardToCanvas(festoon::ReadCardFile(path), CanvasSize());
    AbandonDrag();
    ReplaceCard(card);
    DragSlot = card_.SelectedSlot();
}
