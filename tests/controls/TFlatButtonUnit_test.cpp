// TFlatButton: clicks by mouse and Space key, the faces and borders of each state, glyph placement and
// pieces, and the one hot button.
#include "controls/TFlatButtonUnit.h"
#include "tests/controls/ControlsTestSupport.h"

#include <QSignalSpy>

namespace {

const QColor Face(235, 234, 225);
const QColor Pressed(217, 214, 197);
const QColor Border(160, 150, 131);
const QColor Key(Qt::magenta);

// A glyph of the key colour (its bottom-left pixel) with one marker pixel.
QImage MarkedGlyph(int width, int height, QPoint marker, QColor markerColor = Qt::blue) {
    QImage glyph(width, height, QImage::Format_RGB32);
    glyph.fill(Key);
    glyph.setPixelColor(marker, markerColor);
    return glyph;
}

class FlatButtonTest : public ::testing::Test {
  protected:
    FlatButtonTest() {
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, QColor(40, 30, 20));
        host.setPalette(palette);
        button = new TFlatButton(&host);
        button->setGeometry(10, 10, 80, 23);
        button->setCaption("OK");
        button->show();
    }

    ActiveHost host;
    TFlatButton* button;
};

TEST_F(FlatButtonTest, ClickInsideRaisesClickedAndLeavesTheButtonUpHotAndFocused) {
    QSignalSpy clicks(button, &TFlatButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, {40, 11});
    EXPECT_EQ(button->state(), TFlatButton::TButtonState::Down);
    EXPECT_TRUE(button->hasFocus());
    QTest::mouseRelease(button, Qt::LeftButton, {}, {40, 11});
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button->state(), TFlatButton::TButtonState::Up);
    EXPECT_TRUE(button->hot());
}

TEST_F(FlatButtonTest, PressDraggedOffAndReleasedOutsideRaisesNothingAndReturnsToRest) {
    QSignalSpy clicks(button, &TFlatButton::clicked);
    SendEnter(button);
    QTest::mousePress(button, Qt::LeftButton, {}, {40, 11});
    QTest::mouseMove(button, {200, 11});
    EXPECT_EQ(button->state(), TFlatButton::TButtonState::Up);
    QTest::mouseMove(button, {40, 11});
    EXPECT_EQ(button->state(), TFlatButton::TButtonState::Down);
    QTest::mouseMove(button, {200, 11});
    QTest::mouseRelease(button, Qt::LeftButton, {}, {200, 11});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button->state(), TFlatButton::TButtonState::Up);
    EXPECT_FALSE(button->hot());
    EXPECT_EQ(PixelOf(button, 40, 3), QColor(40, 30, 20));
    EXPECT_EQ(PixelOf(button, 0, 0), Border);
}

TEST_F(FlatButtonTest, SpaceKeyPressesAndClicksOnRelease) {
    QSignalSpy clicks(button, &TFlatButton::clicked);
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(button->state(), TFlatButton::TButtonState::Down);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(button->state(), TFlatButton::TButtonState::Up);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatButtonTest, PaintsRestHotAndPressedLooks) {
    EXPECT_EQ(PixelOf(button, 40, 5), QColor(40, 30, 20)) << "the rest face follows the parent's colour";
    EXPECT_EQ(PixelOf(button, 0, 0), Border);
    EXPECT_EQ(PixelOf(button, 1, 1), QColor(40, 30, 20));
    button->Default = true;
    EXPECT_EQ(PixelOf(button, 1, 1), Border) << "a default button has a two-pixel border";

    SendEnter(button);
    EXPECT_EQ(PixelOf(button, 40, 5), Face);
    EXPECT_EQ(PixelOf(button, 5, 0), QColor(Qt::white));
    EXPECT_EQ(PixelOf(button, 5, 22), QColor(Qt::black));

    QTest::mousePress(button, Qt::LeftButton, {}, {40, 11});
    EXPECT_EQ(PixelOf(button, 40, 5), Pressed);
    EXPECT_EQ(PixelOf(button, 5, 0), QColor(Qt::black));
    EXPECT_EQ(PixelOf(button, 79, 5), QColor(Qt::white));
    QTest::mouseRelease(button, Qt::LeftButton, {}, {40, 11});

    button->ParentColor = false;
    button->Color = QColor(1, 2, 3);
    SendLeave(button);
    button->clearFocus();
    EXPECT_EQ(PixelOf(button, 40, 5), QColor(1, 2, 3));
}

TEST_F(FlatButtonTest, GlyphIsCentredByTheTruncatingRuleAndShiftedWhilePressed) {
    button->setCaption("");
    button->resize(12, 12);
    button->setGlyph(MarkedGlyph(16, 16, {1, 1}));
    EXPECT_EQ(PixelOf(button, 0, 0), QColor(Qt::blue)) << "a 16 x 16 glyph is drawn from (-1, -1)";
    EXPECT_EQ(PixelOf(button, 5, 5), QColor(40, 30, 20)) << "the key colour is not painted";
    QTest::mousePress(button, Qt::LeftButton, {}, {6, 6});
    EXPECT_EQ(PixelOf(button, 1, 1), QColor(Qt::blue)) << "and from (0, 0) while pressed";
    QTest::mouseRelease(button, Qt::LeftButton, {}, {6, 6});

    button->resize(25, 25);
    button->setGlyph(MarkedGlyph(16, 16, {0, 0}));
    EXPECT_EQ(PixelOf(button, 5, 5), QColor(Qt::blue));
}

TEST_F(FlatButtonTest, GlyphWidthSetsNumGlyphsOnlyWhenAWholeMultipleOfItsHeight) {
    button->setGlyph(QImage(64, 16, QImage::Format_RGB32));
    EXPECT_EQ(button->NumGlyphs, 4);
    button->setGlyph(QImage(80, 16, QImage::Format_RGB32));
    EXPECT_EQ(button->NumGlyphs, 1);
    button->NumGlyphs = 3;
    button->setGlyph(QImage(20, 16, QImage::Format_RGB32));
    EXPECT_EQ(button->NumGlyphs, 3);
}

TEST_F(FlatButtonTest, ShowsThePieceOfTheGlyphForItsState) {
    button->setCaption("");
    button->resize(16, 16);
    QImage glyph = MarkedGlyph(32, 16, {8, 8}, Qt::red);
    glyph.setPixelColor(16 + 8, 8, Qt::green);
    button->setGlyph(glyph);
    ASSERT_EQ(button->NumGlyphs, 2);
    EXPECT_EQ(PixelOf(button, 8, 8), QColor(Qt::red));
    // The down state has no piece of its own among two: the up piece serves, shifted by one pixel.
    QTest::mousePress(button, Qt::LeftButton, {}, {8, 8});
    EXPECT_EQ(PixelOf(button, 9, 9), QColor(Qt::red));
    QTest::mouseRelease(button, Qt::LeftButton, {}, {8, 8});
    button->setEnabled(false);
    EXPECT_EQ(PixelOf(button, 8, 8), QColor(Qt::green));
}

TEST_F(FlatButtonTest, CaptionIsCentredInTheButton) {
    button->setCaption("W");
    const QImage painted = button->grab().toImage();
    int left = painted.width(), right = -1;
    for (int x = 2; x < painted.width() - 2; ++x) {
        for (int y = 2; y < painted.height() - 2; ++y) {
            if (painted.pixelColor(x, y) != QColor(40, 30, 20)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left) << "the caption was painted";
    EXPECT_NEAR((left + right) / 2.0, 40, 2.0);
}

TEST_F(FlatButtonTest, MovingStraightOntoAnotherButtonTakesTheHotLookOffTheFirstAtOnce) {
    auto* other = new TFlatButton(&host);
    other->setGeometry(100, 10, 80, 23);
    other->show();
    SendEnter(button);
    EXPECT_TRUE(button->hot());
    SendEnter(other);
    EXPECT_FALSE(button->hot());
    EXPECT_TRUE(other->hot());
    // A hot button that goes away leaves nothing behind for the next one.
    delete other;
    SendEnter(button);
    EXPECT_TRUE(button->hot());
}

TEST_F(FlatButtonTest, AfterAClickTheFocusedButtonLosesItsHotLookOnceThePointerHasLeft) {
    SendEnter(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, {40, 11});
    ASSERT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->hot());
    SendLeave(button);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_FALSE(button->hot());
}

TEST_F(FlatButtonTest, HiddenButtonDropsItsHotLook) {
    SendEnter(button);
    button->hide();
    EXPECT_FALSE(button->hot());
}

TEST_F(FlatButtonTest, FocusGivesTheHotLookAndLosingItTakesItOff) {
    auto* other = new TFlatButton(&host);
    other->show();
    button->setFocus();
    EXPECT_TRUE(button->hot());
    other->setFocus();
    EXPECT_FALSE(button->hot());
}

TEST_F(FlatButtonTest, ThePressKeepsTheHotLookWhenTheFocusGoes) {
    auto* other = new TFlatButton(&host);
    other->show();
    QTest::mousePress(button, Qt::LeftButton, {}, {40, 11});
    other->setFocus();
    EXPECT_TRUE(button->hot());
    QTest::mouseRelease(button, Qt::LeftButton, {}, {200, 11});
    EXPECT_FALSE(button->hot());
}

} // namespace
