// Card files: opening one (the Open button, Ctrl+O) and the keys for saving and opening. Saving a card
// is the third choice of the save dialog (Unit1Save.cpp).
#include "app/Unit1.h"

#include "app/ApplicationShortcut.h"
#include "core/CardFile.h"
#include "core/CardFitting.h"

#include <QAction>

void TFormMain::CreateCardKeys() {
    SaveAction =
        AddApplicationShortcut(this, {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { BtnSaveClick(); });
    SaveAction->setObjectName(QStringLiteral("SaveAction"));
    OpenAction =
        AddApplicationShortcut(this, {QKeySequence(Qt::CTRL | Qt::Key_O)}, [this] { OpenCardClick(); });
    OpenAction->setObjectName(QStringLiteral("OpenAction"));
}

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
    surfaceOnTop_ = false;
}
