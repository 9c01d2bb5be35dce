// Common dialogs (to be completed: preview pane, filters, font chooser with colour, scripting).
#include "platform/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace festoon {

bool OpenPictureDialog::Execute(QWidget*) { return false; }
bool SaveDialog::Execute(QWidget*) { return false; }
bool FontDialog::Execute(QWidget*) { return false; }
bool AskYesNo(QWidget*, const QString&) { return false; }

namespace DialogScript {
void Begin() {}
void End() {}
bool Active() { return false; }
void AnswerOpen(std::optional<QString>) {}
void AnswerSave(std::optional<QString>, int) {}
void AnswerFont(std::optional<std::pair<QFont, QColor>>) {}
void AnswerYesNo(bool) {}
int Unanswered() { return 0; }
} // namespace DialogScript

} // namespace festoon
