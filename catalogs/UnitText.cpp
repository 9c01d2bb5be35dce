// The text palette: balloons from the text catalog, and lines of text turned into objects.
#include "catalogs/UnitText.h"

#include "catalogs/ArtworkPlacing.h"
#include "catalogs/CardActions.h"
#include "catalogs/Thumbnails.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/img.h"
#include "platform/ErrorReporting.h"
#include "platform/Paths.h"

#include <QKeyEvent>
#include <QLabel>

TFormText* FormText = nullptr;

namespace {

constexpr QPoint kBalloonPositions[] = {{24, 74},  {126, 74},  {236, 74},  {346, 74},
                                        {24, 162}, {128, 160}, {238, 160}, {348, 160}};
constexpr int kBalloonDivisor = 2;
// A line break in the one-line field, which shows it as a space; read back as '\n'.
constexpr QChar kLineBreak(0x2028);

QFont PaletteFont(int pixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setFont(PaletteFont(16));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
    label->setPalette(colours);
    label->setAutoFillBackground(false);
    // The label grows to its caption, which the resolved font may draw wider than the design's.
    label->adjustSize();
    return label;
}

TFlatButton* MakeCaptionButton(QWidget* parent, const QString& caption, QRect geometry) {
    auto* button = new TFlatButton(parent);
    button->setGeometry(geometry);
    button->setCaption(caption);
    return button;
}

} // namespace

TFormText::TFormText(const PaletteContext& context)
    : TPaletteWindow(context, {QSize(470, 369), QPoint(296, 154), QStringLiteral(":/art/skins/text.bmp"),
                               false, QStringLiteral("Balloons and Lettering"), QStringLiteral("Balloon")}) {
    setObjectName(QStringLiteral("FormText"));

    Label1 =
        MakeLabel(this, QStringLiteral("(1) Choose one Speaking  Balloon by clicking it"), {24, 40, 328, 20});
    Label2 = MakeLabel(this, QStringLiteral("(2) Input text then click button 'OK'"), {24, 264, 242, 20});

    FlatGroupBox1 = new TFlatGroupBox(this);
    FlatGroupBox1->setGeometry(24, 252, 401, 1);

    FlatEdit1 = new TFlatEdit(this);
    FlatEdit1->setObjectName(QStringLiteral("FlatEdit1"));
    FlatEdit1->setAccessibleName(QStringLiteral("Words to put on the card"));
    FlatEdit1->setGeometry(24, 290, 409, 19);
    FlatEdit1->setFocusPolicy(Qt::StrongFocus);
    FlatEdit1->ColorFlat = palette().color(QPalette::Button);
    FlatEdit1->setParentColor(true);
    FlatEdit1->AdjustHeightToFont();
    FlatEdit1->installEventFilter(this);

    FlatButton1 = MakeCaptionButton(this, QStringLiteral("OK"), {240, 320, 80, 23});
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    connect(FlatButton1, &TFlatButton::clicked, this, &TFormText::FlatButton1Click);
    FlatButton1->setToolTip(QStringLiteral("Choose a font and a colour, and put the words on the card"));
    FlatButton2 = MakeCaptionButton(this, QStringLiteral("Cancel"), {344, 320, 80, 23});
    FlatButton2->setObjectName(QStringLiteral("FlatButton2"));
    connect(FlatButton2, &TFlatButton::clicked, this, &TFormText::FlatButton2Click);
    FlatButton2->setToolTip(QStringLiteral("Clear the words and put the palette away"));
    BtnClose = MakeHideButton(QPoint(412, 8), QStringLiteral(":/art/glyphs/bar.bmp"),
                              QStringLiteral("Put the palette away"));
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnHide = MakeHideButton(QPoint(425, 8), QStringLiteral(":/art/glyphs/cross.bmp"),
                             QStringLiteral("Close the palette"));
    BtnHide->setObjectName(QStringLiteral("BtnHide"));

    for (int item = 1; item <= kBalloonCount; ++item) {
        Thumbnails[static_cast<size_t>(item - 1)] = MakeThumbnail(item, kBalloonPositions[item - 1]);
    }

    // The balloons are read once, here; a failing file leaves it and the later ones empty.
    festoon::RunReportingErrors([this] {
        festoon::FillThumbnails(festoon::ProgramPath(QStringLiteral("pic\\text\\small\\")), Thumbnails);
    });
}

void TFormText::showEvent(QShowEvent* event) {
    TPaletteWindow::showEvent(event);
    FlatEdit1->setFocus();
}

void TFormText::hideEvent(QHideEvent* event) {
    editedSlot_ = 0;
    TPaletteWindow::hideEvent(event);
}

void TFormText::ThumbnailClick(int item) {
    const QString name = QString::number(item) + QStringLiteral(".ssl");
    festoon::PlaceArtworkFiles(Card(), festoon::ProgramPath(QStringLiteral("pic\\text\\big\\") + name),
                               festoon::ProgramPath(QStringLiteral("pic\\text\\mask\\") + name),
                               kBalloonDivisor);
}

bool TFormText::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FlatEdit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & Qt::ControlModifier) != 0) {
            FlatEdit1->insert(QString(kLineBreak));
            return true;
        }
    }
    return TPaletteWindow::eventFilter(watched, event);
}

QString TFormText::Words() const {
    QString words = FlatEdit1->text();
    words.replace(kLineBreak, QLatin1Char('\n'));
    return words;
}

festoon::Lettering TFormText::ChosenLettering(const QString& text) const {
    festoon::Lettering lettering;
    lettering.text = text;
    lettering.font = FontDialog1.Font;
    lettering.colour = FontDialog1.Color;
    lettering.outlineColour = FontDialog1.OutlineColor;
    lettering.outlineWidth = FontDialog1.OutlineWidth;
    lettering.shadow = FontDialog1.Shadow;
    return lettering;
}

void TFormText::FlatButton1Click() {
    const QString text = Words();
    if (!text.isEmpty() && FontDialog1.Execute(this)) {
        if (editedSlot_ != 0) {
            Card().ReplaceLettering(editedSlot_, ChosenLettering(text));
        } else {
            Card().PlaceLettering(ChosenLettering(text));
        }
        editedSlot_ = 0;
    }
    FlatEdit1->clear();
}

void TFormText::FlatButton2Click() {
    editedSlot_ = 0;
    FlatEdit1->clear();
    hide();
}

void TFormText::AddTextObject(const QString& text, const QFont& font, const QColor& color) {
    festoon::Lettering lettering = ChosenLettering(text);
    lettering.font = font;
    lettering.colour = color;
    Card().PlaceLettering(lettering);
}

void TFormText::EditLettering(int slot, const festoon::Lettering& lettering) {
    editedSlot_ = slot;
    QString shown = lettering.text;
    shown.replace(QLatin1Char('\n'), kLineBreak);
    FlatEdit1->setText(shown);
    FontDialog1.Font = lettering.font;
    FontDialog1.Color = lettering.colour;
    FontDialog1.OutlineColor = lettering.outlineColour;
    FontDialog1.OutlineWidth = lettering.outlineWidth;
    FontDialog1.Shadow = lettering.shadow;
    show();
    raise();
    activateWindow();
}
