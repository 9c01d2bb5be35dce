// The font dialog and the Yes/No question; the file dialogs live in FileDialogs.cpp.
#include "platform/Dialogs.h"
#include "platform/Application.h"

#include "platform/ActivateOnShow.h"
#include "platform/DialogScriptQueue.h"
#include "platform/FontChooserDialog.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace festoon {

QFont DefaultDialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(32);
    return font;
}

bool FontDialog::Execute(QWidget* parent) {
    if (DialogScript::Active()) {
        const std::optional<std::pair<QFont, QColor>> answer = DialogScript::TakeFont();
        if (answer) {
            Font = answer->first;
            Color = answer->second;
        }
        return answer.has_value();
    }
    FontChooserDialog dialog(parent);
    dialog.setChoice(Font, Color);
    dialog.setOutline(OutlineColor, OutlineWidth);
    dialog.setShadow(Shadow);
    if (Size.isValid()) {
        dialog.resize(Size);
    }
    ActivateOnShow(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    Size = dialog.size();
    if (!accepted) {
        return false;
    }
    Font = dialog.chosenFont();
    Color = dialog.chosenColor();
    OutlineColor = dialog.chosenOutlineColor();
    OutlineWidth = dialog.chosenOutlineWidth();
    Shadow = dialog.chosenShadow();
    return true;
}

bool AskYesNo(QWidget* parent, const QString& question) {
    if (DialogScript::Active()) {
        return DialogScript::TakeYesNo();
    }
    QMessageBox box(QMessageBox::Question, ProgramName(), question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("yesNoBox"));
    box.setDefaultButton(QMessageBox::Yes);
    ActivateOnShow(box);
    return box.exec() == QMessageBox::Yes;
}

} // namespace festoon
