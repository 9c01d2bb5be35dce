// The picture-open and save dialogs: Qt's own (non-native) file dialog, so that they look and behave
// the same on every desktop and tests can type into them.
#include "platform/ActivateOnShow.h"
#include "platform/DialogFilter.h"
#include "platform/DialogScriptQueue.h"
#include "platform/Dialogs.h"
#include "platform/PicturePreview.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>

namespace festoon {
namespace {

void PrepareFileDialog(QFileDialog& dialog, const QString& filter, const QString& fileName) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Like the dialogs the program was designed with, any typed name is accepted; a missing file is
    // reported by the reader with its full path.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(DialogNameFilters(filter));
    // Patterns match without regard to letter case, so that PHOTO.JPG is listed with *.jpg.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (!fileName.isEmpty()) {
        dialog.selectFile(fileName);
    }
    ActivateOnShow(dialog);
    // Without the completion popup, Enter always accepts what was typed; with it, the first Enter
    // only closes the popup.
    if (auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        nameBox->setCompleter(nullptr);
    }
}

QString ChosenFile(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

} // namespace

bool OpenPictureDialog::Execute(QWidget* parent) {
    if (DialogScript::Active()) {
        const std::optional<QString> answer = DialogScript::TakeOpen();
        if (answer) {
            FileName = *answer;
        }
        return answer.has_value();
    }
    QFileDialog dialog(parent, QStringLiteral("Open a picture"));
    dialog.setObjectName(QStringLiteral("openPictureDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    PrepareFileDialog(dialog, Filter, FileName);

    auto* preview = new PicturePreview(&dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
    }
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::showPicture);

    if (dialog.exec() != QDialog::Accepted || ChosenFile(dialog).isEmpty()) {
        return false;
    }
    FileName = ChosenFile(dialog);
    return true;
}

bool SaveDialog::Execute(QWidget* parent) {
    if (DialogScript::Active()) {
        const std::optional<DialogScript::SaveAnswer> answer = DialogScript::TakeSave();
        if (answer) {
            FileName = answer->path;
            FilterIndex = answer->filterIndex;
        }
        return answer.has_value();
    }
    QFileDialog dialog(parent, QStringLiteral("Save the picture as"));
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // An existing file is replaced without a question, and the name is used exactly as typed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString());
    PrepareFileDialog(dialog, Filter, FileName);
    const QStringList nameFilters = dialog.nameFilters();
    if (FilterIndex >= 1 && FilterIndex <= nameFilters.size()) {
        dialog.selectNameFilter(nameFilters[FilterIndex - 1]);
    }

    if (dialog.exec() != QDialog::Accepted || ChosenFile(dialog).isEmpty()) {
        return false;
    }
    FileName = ChosenFile(dialog);
    FilterIndex = static_cast<int>(nameFilters.indexOf(dialog.selectedNameFilter())) + 1;
    if (FilterIndex < 1) {
        FilterIndex = 1;
    }
    return true;
}

} // namespace festoon
