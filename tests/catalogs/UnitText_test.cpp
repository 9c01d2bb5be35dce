// The text palette: balloons at half size, text objects of exactly the text's extent, the font dialog's
// memory, and keys in the edit field that must do nothing.
#include "catalogs/UnitText.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/img.h"
#include "core/TextMask.h"
#include "platform/Dialogs.h"
#include "tests/catalogs/TestCard.h"

#include <QFontMetrics>
#include <QTest>

namespace {

QFont ChosenFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

int WhitePixels(const QImage& mask) {
    int count = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            count += qGray(mask.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return count;
}

class TextPaletteTest : public PaletteTest {
  protected:
    TextPaletteTest() {
        palette = new TFormText(Context());
        festoon::DialogScript::Begin();
    }
    ~TextPaletteTest() override {
        EXPECT_EQ(festoon::DialogScript::Unanswered(), 0);
        festoon::DialogScript::End();
    }
    void TypeAndPressOk(const QString& text) {
        palette->FlatEdit1->setText(text);
        QTest::mouseClick(palette->FlatButton1, Qt::LeftButton, {}, QPoint(40, 11));
    }
    TFormText* palette = nullptr;
};

} // namespace

TEST(TextMask, WhiteTextOnBlackOfTheOneLineExtent) {
    const QFont font = ChosenFont(30);
    const QImage mask = festoon::RenderTextMask("Hi there", font);
    const QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &device);
    EXPECT_EQ(mask.size(), QSize(metrics.horizontalAdvance("Hi there"), metrics.height()));
    EXPECT_GT(WhitePixels(mask), 50);
    EXPECT_EQ(qGray(mask.pixel(0, 0)), 0);
    EXPECT_EQ(WhitePixels(festoon::RenderTextMask("   ", font)), 0);

    QFont underlined = font;
    underlined.setUnderline(true);
    EXPECT_GT(WhitePixels(festoon::RenderTextMask("Hi there", underlined)), WhitePixels(mask) + 20);
}

TEST_F(TextPaletteTest, BalloonsAreReadAtCreationAndPlacedAtHalfSize) {
    for (int item = 1; item <= 8; ++item) {
        EXPECT_TRUE(Near(MiddleColour(palette->Thumbnails[static_cast<size_t>(item - 1)]->Picture()),
                         ItemColour(1, item)));
    }
    EXPECT_EQ(palette->Thumbnails[3]->objectName(), "im4");
    folder.writeArtwork("pic/text/big/6.ssl", SolidPicture(201, 151, qRgb(250, 250, 250)));
    folder.writeArtwork("pic/text/mask/6.ssl", SolidPicture(201, 151, qRgb(255, 255, 255)));
    palette->ThumbnailClick(6);
    const festoon::Layer& balloon = TopLayer();
    EXPECT_EQ(balloon.bounds, QRect(10, 10, 100, 75));
    EXPECT_EQ(balloon.picture.size(), QSize(201, 151));
    EXPECT_EQ(balloon.mask.size(), QSize(201, 151));
}

TEST_F(TextPaletteTest, OkMakesAnObjectOfTheTextsExtentInTheChosenColour) {
    const QFont font = ChosenFont(24);
    festoon::DialogScript::AnswerFont(std::pair{font, QColor(200, 30, 60)});
    TypeAndPressOk("Happy day");

    ASSERT_EQ(Card().Layers().size(), 1);
    const festoon::Layer& text = TopLayer();
    const QImage expectedMask = festoon::RenderTextMask("Happy day", font);
    EXPECT_EQ(text.bounds, QRect(QPoint(14, 10), expectedMask.size()));
    EXPECT_EQ(text.mask, expectedMask);
    EXPECT_EQ(text.picture.size(), expectedMask.size());
    EXPECT_EQ(text.picture.pixel(0, 0), qRgb(200, 30, 60));
    EXPECT_EQ(text.picture.pixel(text.picture.width() - 1, text.picture.height() - 1), qRgb(200, 30, 60));
    EXPECT_EQ(Card().SelectedSlot(), 1);
    EXPECT_TRUE(palette->FlatEdit1->text().isEmpty());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(TextPaletteTest, BlanksGiveAnAllBlackMask) {
    festoon::DialogScript::AnswerFont(std::pair{ChosenFont(20), QColor(Qt::yellow)});
    TypeAndPressOk("   ");
    ASSERT_EQ(Card().Layers().size(), 1);
    const festoon::Layer& text = TopLayer();
    EXPECT_GT(text.bounds.width(), 0);
    EXPECT_EQ(WhitePixels(text.mask), 0);
}

TEST_F(TextPaletteTest, EmptyTextOrACancelledDialogMakesNothing) {
    TypeAndPressOk(""); // no dialog is asked for: Unanswered stays 0
    festoon::DialogScript::AnswerFont(std::nullopt);
    TypeAndPressOk("never");
    EXPECT_TRUE(Card().IsEmpty());
    EXPECT_TRUE(palette->FlatEdit1->text().isEmpty());
    EXPECT_EQ(festoon::DialogScript::Pending(), 0);
}

TEST_F(TextPaletteTest, TheDialogStartsFromThePreviousChoice) {
    const QFont first = ChosenFont(40);
    festoon::DialogScript::AnswerFont(std::pair{first, QColor(10, 20, 30)});
    TypeAndPressOk("one");
    EXPECT_EQ(palette->FontDialog1.Font, first);
    EXPECT_EQ(palette->FontDialog1.Color, QColor(10, 20, 30));
}

TEST_F(TextPaletteTest, EnterAndEscapeInTheFieldDoNothing) {
    palette->show();
    palette->activateWindow();
    palette->FlatEdit1->setFocus();
    palette->FlatEdit1->setText("typed");
    QTest::keyClick(palette->FlatEdit1, Qt::Key_Return);
    QTest::keyClick(palette->FlatEdit1, Qt::Key_Enter);
    QTest::keyClick(palette->FlatEdit1, Qt::Key_Escape);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->FlatEdit1->text(), "typed");
    EXPECT_TRUE(Card().IsEmpty());
}

TEST_F(TextPaletteTest, CancelEmptiesAndHidesTheOthersOnlyHide) {
    palette->show();
    palette->FlatEdit1->setText("kept");
    QTest::mouseClick(palette->BtnHide, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_TRUE(palette->isHidden());
    EXPECT_EQ(palette->FlatEdit1->text(), "kept");
    palette->show();
    QTest::mouseClick(palette->FlatButton2, Qt::LeftButton, {}, QPoint(40, 11));
    EXPECT_TRUE(palette->isHidden());
    EXPECT_TRUE(palette->FlatEdit1->text().isEmpty());
}
