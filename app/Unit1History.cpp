// Undo and redo: every change to the card is a step of its history (see EditCard); these take the card
// back and forth along it, from the two buttons at the column's foot or the keys, wherever the focus is.
#include "app/Unit1.h"

#include "app/EditingSurface.h"
#include "catalogs/PaletteWindow.h"
#include "controls/ImgBtn.h"
#include "core/LiveDrag.h"

#include <QAction>

void TFormMain::CreateHistoryControls() {
    UndoAction->setObjectName(QStringLiteral("UndoAction"));
    RedoAction->setObjectName(QStringLiteral("RedoAction"));
    // The buttons are made with the others; they add a greyed face for when there is nothing to do.
    UndoButton->setPicDisabled(ResourceBitmapForScreen(QStringLiteral(":/art/buttons/Undo_disabled.bmp")));
    RedoButton->setPicDisabled(ResourceBitmapForScreen(QStringLiteral(":/art/buttons/Redo_disabled.bmp")));
    ShowHistoryState();
}

void TFormMain::ShowHistoryState() {
    if (UndoAction == nullptr) {
        return;
    }
    UndoButton->setEnabled(history_.CanUndo());
    RedoButton->setEnabled(history_.CanRedo());
    UndoAction->setEnabled(history_.CanUndo());
    RedoAction->setEnabled(history_.CanRedo());
}

void TFormMain::Undo() {
    if (!history_.CanUndo()) {
        return;
    }
    AbandonDrag();
    ShowRestoredCard(history_.Undo(card_));
}

void TFormMain::Redo() {
    if (!history_.CanRedo()) {
        return;
    }
    AbandonDrag();
    ShowRestoredCard(history_.Redo(card_));
}

void TFormMain::AbandonDrag() {
    if (EditDragging) {
        EditDragging = false;
        EndLiveDrag();
        ImTouMing->HideBand();
        ShowCard();
    }
    // What the gesture did so far (a selection) becomes its step, which an undo then takes back.
    EndStep();
}

void TFormMain::ShowRestoredCard(festoon::Composition card) {
    card_ = std::move(card);
    DragSlot = card_.SelectedSlot();
    ShowHistoryState();
    ShowCard();
    emit cardChanged(card_);
}
