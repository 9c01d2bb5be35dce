// The font chooser with colour used by the text palette.
#include "platform/FontChooserDialog.h"

#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace festoon {
namespace {

constexpr int kMaxPixelSize = 500;

QCheckBox* StyleBox(const QString& caption, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

FontChooserDialog::FontChooserDialog(QWidget* parent)
    : QDialog(parent), family_(new QFontComboBox(this)), pixelSize_(new QSpinBox(this)),
      bold_(StyleBox(QStringLiteral("&Bold"), QStringLiteral("fontBold"), this)),
      italic_(StyleBox(QStringLiteral("&Italic"), QStringLiteral("fontItalic"), this)),
      underline_(StyleBox(QStringLiteral("&Underline"), QStringLiteral("fontUnderline"), this)),
      strikeOut_(StyleBox(QStringLiteral("&Strikeout"), QStringLiteral("fontStrikeOut"), this)),
      colorButton_(new QPushButton(QStringLiteral("&Colour..."), this)), colorName_(new QLineEdit(this)),
      preview_(new QLabel(QStringLiteral("AaBbYyZz"), this)) {
    setObjectName(QStringLiteral("fontDialog"));
    setWindowTitle(QStringLiteral("Font"));
    family_->setObjectName(QStringLiteral("fontFamily"));
    pixelSize_->setObjectName(QStringLiteral("fontSize"));
    pixelSize_->setRange(1, kMaxPixelSize);
    pixelSize_->setSuffix(QStringLiteral(" px"));
    colorButton_->setObjectName(QStringLiteral("fontColor"));
    colorName_->setObjectName(QStringLiteral("fontColorName"));
    colorName_->setMaxLength(7);
    preview_->setObjectName(QStringLiteral("fontPreview"));
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumSize(320, 120);
    preview_->setAutoFillBackground(true);

    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_}) {
        styles->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &FontChooserDialog::updatePreview);
    }
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colorButton_);
    colourRow->addWidget(colorName_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Font:"), family_);
    form->addRow(QStringLiteral("Si&ze:"), pixelSize_);
    form->addRow(QStringLiteral("Style:"), styles);
    form->addRow(QStringLiteral("Colour:"), colourRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("fontButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview_, 1);
    layout->addWidget(buttons);

    connect(family_, &QFontComboBox::currentFontChanged, this, &FontChooserDialog::updatePreview);
    connect(pixelSize_, &QSpinBox::valueChanged, this, &FontChooserDialog::updatePreview);
    connect(colorButton_, &QPushButton::clicked, this, &FontChooserDialog::pickColor);
    connect(colorName_, &QLineEdit::textEdited, this, &FontChooserDialog::colorNameEdited);
    connect(colorName_, &QLineEdit::editingFinished, this, [this] { colorName_->setText(color_.name()); });
    setChoice(DefaultDialogFont(), QColor(0, 255, 0));
}

void FontChooserDialog::setChoice(const QFont& font, const QColor& colour) {
    const QFontInfo resolved(font);
    family_->setCurrentFont(QFont(resolved.family()));
    pixelSize_->setValue(std::clamp(resolved.pixelSize(), 1, kMaxPixelSize));
    bold_->setChecked(font.bold());
    italic_->setChecked(font.italic());
    underline_->setChecked(font.underline());
    strikeOut_->setChecked(font.strikeOut());
    setColor(colour);
}

QFont FontChooserDialog::chosenFont() const {
    QFont font(family_->currentFont().family());
    font.setPixelSize(pixelSize_->value());
    font.setBold(bold_->isChecked());
    font.setItalic(italic_->isChecked());
    font.setUnderline(underline_->isChecked());
    font.setStrikeOut(strikeOut_->isChecked());
    return font;
}

QColor FontChooserDialog::chosenColor() const {
    return color_;
}

void FontChooserDialog::setColor(const QColor& colour) {
    color_ = colour.isValid() ? colour.toRgb() : QColor(0, 0, 0);
    colorName_->setText(color_.name());
    updatePreview();
}

void FontChooserDialog::pickColor() {
    const QColor picked = QColorDialog::getColor(color_, this, QStringLiteral("Font colour"));
    if (picked.isValid()) {
        setColor(picked);
    }
}

void FontChooserDialog::colorNameEdited() {
    // Takes a colour as soon as the typed name is complete; the text is tidied when editing ends.
    const QColor typed(colorName_->text().trimmed());
    if (typed.isValid()) {
        color_ = typed.toRgb();
        updatePreview();
    }
}

void FontChooserDialog::updatePreview() {
    preview_->setFont(chosenFont());
    QPalette palette = preview_->palette();
    // A dark ground, so that the lime default and other light colours can be read.
    palette.setColor(QPalette::Window, QColor(43, 26, 16));
    palette.setColor(QPalette::WindowText, color_);
    preview_->setPalette(palette);
}

} // namespace festoon
