// The Export dialog's controls and the sizes they stand for.
#include "app/ExportDialog.h"

#include "core/CardExport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace {

// The longest side an export may have: past it a card no longer fits the picture limits.
constexpr int kMaxLongSide = 16384;
constexpr int kPrintDpi = 300;

struct SizeEntry {
    const char* caption;
    int multiple;   // of the canvas, or 0
    QSizeF paperMm; // a print size, or empty
};

const SizeEntry kSizes[] = {
    {"Canvas size", 1, {}},
    {"2 \u00D7 the canvas", 2, {}},
    {"3 \u00D7 the canvas", 3, {}},
    {"4 \u00D7 the canvas", 4, {}},
    {"10 \u00D7 15 cm print (300 dpi)", 0, {100, 150}},
    {"13 \u00D7 18 cm print (300 dpi)", 0, {130, 180}},
    {"A5 print (300 dpi)", 0, {148, 210}},
    {"A4 print (300 dpi)", 0, {210, 297}},
    {"Long side in pixels", 0, {}},
};
constexpr int kTypedEntry = static_cast<int>(std::size(kSizes)) - 1;

} // namespace

ExportDialog::ExportDialog(QSize canvas, const festoon::ExportSettings& last, int lastSizeChoice,
                           QWidget* parent)
    : QDialog(parent), canvas_(canvas) {
    setObjectName(QStringLiteral("exportDialog"));
    setWindowTitle(QStringLiteral("Export the card"));

    SizeList = new QComboBox(this);
    SizeList->setObjectName(QStringLiteral("exportSize"));
    for (const SizeEntry& entry : kSizes) {
        SizeList->addItem(QString::fromUtf8(entry.caption));
    }
    SizeList->setAccessibleName(QStringLiteral("Size"));
    LongSide = new QSpinBox(this);
    LongSide->setObjectName(QStringLiteral("exportLongSide"));
    LongSide->setRange(16, kMaxLongSide);
    LongSide->setSuffix(QStringLiteral(" px"));
    LongSide->setAccessibleName(QStringLiteral("Long side in pixels"));
    // The long side typed last, or the canvas's own at first.
    const QSize typed = last.size.isEmpty() ? canvas : last.size;
    LongSide->setValue(std::clamp(std::max(typed.width(), typed.height()), 16, kMaxLongSide));
    FormatList = new QComboBox(this);
    FormatList->setObjectName(QStringLiteral("exportFormat"));
    FormatList->addItems(
        {QStringLiteral("JPEG picture"), QStringLiteral("PNG picture"), QStringLiteral("PDF document")});
    FormatList->setAccessibleName(QStringLiteral("Format"));
    Quality = new QSpinBox(this);
    Quality->setObjectName(QStringLiteral("exportQuality"));
    Quality->setRange(1, 100);
    Quality->setValue(last.jpegQuality);
    Quality->setAccessibleName(QStringLiteral("JPEG quality"));
    SizePreview = new QLabel(this);
    SizePreview->setObjectName(QStringLiteral("exportSizePreview"));

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(SizeList, 1);
    sizeRow->addWidget(LongSide);
    auto* form = new QFormLayout;
    auto* sizeLabel = new QLabel(QStringLiteral("&Size:"), this);
    sizeLabel->setBuddy(SizeList);
    form->addRow(sizeLabel, sizeRow);
    form->addRow(QString(), SizePreview);
    form->addRow(QStringLiteral("&Format:"), FormatList);
    form->addRow(QStringLiteral("JPEG &quality:"), Quality);

    auto* buttons = new QDialogButtonBox(this);
    ExportButton = buttons->addButton(QStringLiteral("&Export\u2026"), QDialogButtonBox::AcceptRole);
    ExportButton->setObjectName(QStringLiteral("exportButton"));
    PrintButton = buttons->addButton(QStringLiteral("&Print\u2026"), QDialogButtonBox::ActionRole);
    PrintButton->setObjectName(QStringLiteral("printButton"));
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(ExportButton, &QPushButton::clicked, this, [this] { Finish(Choice::Export); });
    connect(PrintButton, &QPushButton::clicked, this, [this] { Finish(Choice::Print); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(SizeList, &QComboBox::currentIndexChanged, this, &ExportDialog::UpdatePreview);
    connect(LongSide, &QSpinBox::valueChanged, this, &ExportDialog::UpdatePreview);
    connect(FormatList, &QComboBox::currentIndexChanged, this, &ExportDialog::UpdatePreview);
    SizeList->setCurrentIndex(std::clamp(lastSizeChoice, 0, kTypedEntry));
    FormatList->setCurrentIndex(static_cast<int>(last.format));
    UpdatePreview();
    ExportButton->setDefault(true);
}

QSize ExportDialog::ChosenSize() const {
    const int choice = std::clamp(SizeList->currentIndex(), 0, kTypedEntry);
    const SizeEntry& entry = kSizes[choice];
    if (choice == kTypedEntry) {
        return festoon::ExportSizeForLongSide(canvas_, LongSide->value());
    }
    if (entry.multiple > 0) {
        return canvas_ * entry.multiple;
    }
    return festoon::ExportSizeForPaper(canvas_, entry.paperMm, kPrintDpi);
}

festoon::ExportSettings ExportDialog::Settings() const {
    festoon::ExportSettings settings;
    settings.size = ChosenSize();
    settings.format = static_cast<festoon::ExportFormat>(FormatList->currentIndex());
    settings.jpegQuality = Quality->value();
    return settings;
}

int ExportDialog::SizeChoice() const {
    return SizeList->currentIndex();
}

void ExportDialog::UpdatePreview() {
    LongSide->setEnabled(SizeList->currentIndex() == kTypedEntry);
    Quality->setEnabled(FormatList->currentIndex() == static_cast<int>(festoon::ExportFormat::Jpeg));
    const QSize size = ChosenSize();
    const double megapixels = static_cast<double>(size.width()) * size.height() / 1e6;
    SizePreview->setText(QStringLiteral("%1 \u00D7 %2 pixels, %3 megapixels")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(megapixels, 0, 'f', 1));
}

void ExportDialog::Finish(Choice choice) {
    chosen_ = choice;
    accept();
}
