// The font chooser with colour used by the text palette.
#include "platform/FontChooserDialog.h"

#include "core/Bitmap.h"
#include "core/LetteringPicture.h"
#include "core/MaskBlend.h"
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
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace festoon {
namespace {

constexpr int kMaxPixelSize = 500;
// The preview's ground: a middle grey, on which dark and light lettering read alike.
constexpr QRgb kPreviewGround = qRgb(134, 134, 128);
const QString kPreviewText = QStringLiteral("AaBbYyZz");

// A small square of a colour, for the face of a colour button.
QIcon Swatch(const QColor& colour) {
    QPixmap swatch(14, 14);
    swatch.fill(colour);
    return QIcon(swatch);
}

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
      outlineWidth_(new QSpinBox(this)),
      outlineColorButton_(new QPushButton(QStringLiteral("Outline co&lour..."), this)),
      shadow_(StyleBox(QStringLiteral("Soft s&hadow"), QStringLiteral("fontShadow"), this)),
      preview_(new QLabel(this)) {
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
    preview_->setAccessibleName(QStringLiteral("Preview"));
    outlineWidth_->setObjectName(QStringLiteral("fontOutlineWidth"));
    outlineWidth_->setRange(0, Lettering::kMaxOutlineWidth);
    outlineWidth_->setSuffix(QStringLiteral(" px"));
    outlineWidth_->setSpecialValueText(QStringLiteral("None"));
    outlineColorButton_->setObjectName(QStringLiteral("fontOutlineColor"));
    // Enter in the dialog means OK, never one of the colour buttons.
    colorButton_->setAutoDefault(false);
    outlineColorButton_->setAutoDefault(false);

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
    auto* outlineRow = new QHBoxLayout;
    outlineRow->addWidget(outlineWidth_);
    outlineRow->addWidget(outlineColorButton_);
    auto* outlineLabel = new QLabel(QStringLiteral("Ou&tline:"), this);
    outlineLabel->setBuddy(outlineWidth_);
    form->addRow(outlineLabel, outlineRow);
    form->addRow(QString(), shadow_);

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
    connect(outlineColorButton_, &QPushButton::clicked, this, &FontChooserDialog::pickOutlineColor);
    connect(outlineWidth_, &QSpinBox::valueChanged, this, &FontChooserDialog::updatePreview);
    connect(shadow_, &QCheckBox::toggled, this, &FontChooserDialog::updatePreview);
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

void FontChooserDialog::setOutline(const QColor& colour, int width) {
    outlineColor_ = colour.isValid() ? colour.toRgb() : QColor(0, 0, 0);
    outlineColorButton_->setIcon(Swatch(outlineColor_));
    outlineWidth_->setValue(std::clamp(width, 0, Lettering::kMaxOutlineWidth));
    updatePreview();
}

void FontChooserDialog::setShadow(bool shadow) {
    shadow_->setChecked(shadow);
}

int FontChooserDialog::chosenOutlineWidth() const {
    return outlineWidth_->value();
}

bool FontChooserDialog::chosenShadow() const {
    return shadow_->isChecked();
}

void FontChooserDialog::pickOutlineColor() {
    const QColor picked = QColorDialog::getColor(outlineColor_, this, QStringLiteral("Outline colour"));
    if (picked.isValid()) {
        setOutline(picked, outlineWidth_->value());
    }
}

void FontChooserDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    updatePreview();
}

void FontChooserDialog::updatePreview() {
    QPalette palette = preview_->palette();
    palette.setColor(QPalette::Window, QColor(kPreviewGround));
    preview_->setPalette(palette);
    colorButton_->setIcon(Swatch(color_));
    // The lettering as the card will show it: drawn, then blended twice through its mask.
    Lettering lettering{kPreviewText,  chosenFont(),         color_,
                        outlineColor_, chosenOutlineWidth(), chosenShadow()};
    const LetteringPicture drawn = DrawLettering(lettering);
    QImage shown = drawn.picture;
    MaskBlend(shown, SolidBitmap(shown.width(), shown.height(), kPreviewGround), drawn.mask, 2);
    const QSize room = preview_->contentsRect().size() - QSize(8, 8);
    if (room.isValid() && (shown.width() > room.width() || shown.height() > room.height())) {
        shown = shown.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    preview_->setPixmap(QPixmap::fromImage(shown));
}

} // namespace festoon
