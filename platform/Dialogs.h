// Thin wrappers over the common dialogs. Tests queue scripted answers, so no test ever blocks on a
// modal dialog: while a script is active every Execute takes the next queued answer.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <optional>
#include <utility>

class QWidget;

namespace festoon {

// Picture-open dialog with a preview pane; filter in the "description|pattern;pattern" form, patterns
// matched without regard to letter case.
class OpenPictureDialog {
  public:
    QString Filter;
    QString FileName;
    bool Execute(QWidget* parent);
};

// Save dialog with a filter index (1-based, in and out), no default extension and no overwrite question.
class SaveDialog {
  public:
    QString Filter; // "description|*.ext|description|*.ext"
    int FilterIndex = 1;
    QString FileName;
    bool Execute(QWidget* parent);
};

// The font the font dialog starts from: "MS Sans Serif" (as the system resolves it), 32 pixels.
[[nodiscard]] QFont DefaultDialogFont();

// Font chooser that also returns a colour and a character set, with a live preview; each use starts
// from the last choice. Font carries face, pixel size, bold, italic, underline and strikeout.
class FontDialog {
  public:
    QFont Font = DefaultDialogFont();
    QColor Color = QColor(0, 255, 0);
    // An outline around the letters (0 to 8 pixels wide, 0 for none) and a soft shadow beneath them.
    QColor OutlineColor = QColor(0, 0, 0);
    int OutlineWidth = 0;
    bool Shadow = false;
    int Charset = 1; // the default character set
    // The size the dialog was last left at; it opens at that size again.
    QSize Size;
    bool Execute(QWidget* parent);
};

// Yes/No question in a box titled with the application's name; true for Yes.
bool AskYesNo(QWidget* parent, const QString& question);

// Scripted answers for tests. std::nullopt answers Cancel (or No).
namespace DialogScript {
void Begin(); // from now on dialogs answer from the queues
void End();   // back to real dialogs; clears the queues and the count of unanswered requests
[[nodiscard]] bool Active();
void AnswerOpen(std::optional<QString> path);
void AnswerSave(std::optional<QString> path, int filterIndex = 1);
void AnswerFont(std::optional<std::pair<QFont, QColor>> choice);
void AnswerYesNo(bool yes);
// Number of dialog requests that found no queued answer (a test fault); they answered Cancel.
[[nodiscard]] int Unanswered();
// Number of queued answers no dialog has taken yet.
[[nodiscard]] int Pending();
} // namespace DialogScript

} // namespace festoon
