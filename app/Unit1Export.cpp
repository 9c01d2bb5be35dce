// Exporting the card at any size and printing it: the Export dialog, the file to write, and the export
// on a worker thread. Save stays as it is, beside these.
#include "app/Unit1.h"

#include "app/CardExporting.h"
#include "app/CardPrinting.h"
#include "app/ExportDialog.h"

namespace {

// The path an export writes to: the format's extension is added unless the name already ends with it, in
// any letter case.
QString ExportPath(const QString& chosen, festoon::ExportFormat format) {
    const QString extension = festoon::ExportExtension(format);
    return chosen.endsWith(extension, Qt::CaseInsensitive) ? chosen : chosen + extension;
}

QString ExportFilter(festoon::ExportFormat format) {
    switch (format) {
    case festoon::ExportFormat::Png:
        return QStringLiteral("PNG picture|*.png");
    case festoon::ExportFormat::Pdf:
        return QStringLiteral("PDF document|*.pdf");
    default:
        return QStringLiteral("JPEG picture|*.jpg;*.jpeg");
    }
}

} // namespace

void TFormMain::ExportClick() {
    ExportDialog dialog(CanvasSize(), exportSettings_, exportSizeChoice_, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    exportSettings_ = dialog.Settings();
    exportSizeChoice_ = dialog.SizeChoice();
    if (dialog.Chosen() == ExportDialog::Choice::Print) {
        festoon::PrintCard(this, card_);
        return;
    }
    ExportCardAs(exportSettings_);
}

void TFormMain::ExportCardAs(const festoon::ExportSettings& settings) {
    ExportSaveDialog.Filter = ExportFilter(settings.format);
    ExportSaveDialog.FilterIndex = 1;
    if (!ExportSaveDialog.Execute(this)) {
        return;
    }
    exporting_->Start(card_, settings, ExportPath(ExportSaveDialog.FileName, settings.format));
}
