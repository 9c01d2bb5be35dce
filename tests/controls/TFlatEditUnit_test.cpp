// TFlatEdit: the face and border colours while focused, hovered and at rest, its height and its editing.
#include "controls/TFlatEditUnit.h"
#include "tests/controls/ControlsTestSupport.h"

namespace {

const QColor Border(160, 150, 131);
const QColor ButtonFace(212, 208, 200);

class FlatEditTest : public ::testing::Test {
  protected:
    FlatEditTest() {
        edit = new TFlatEdit(&host);
        edit->setGeometry(10, 10, 409, 19);
        edit->ColorFlat = ButtonFace;
        other = new TFlatEdit(&host);
        other->setGeometry(10, 40, 100, 19);
        edit->show();
        other->show();
    }

    // The outer ring, both inner rings and a point of the empty text area.
    void expectFrame(QColor face) {
        const QImage painted = edit->grab().toImage();
        EXPECT_EQ(painted.pixelColor(0, 0), Border);
        EXPECT_EQ(painted.pixelColor(408, 18), Border);
        EXPECT_EQ(painted.pixelColor(1, 1), face);
        EXPECT_EQ(painted.pixelColor(2, 9), face);
        EXPECT_EQ(painted.pixelColor(406, 16), face);
        EXPECT_EQ(painted.pixelColor(300, 9), face);
    }

    ActiveHost host;
    TFlatEdit* edit;
    TFlatEdit* other;
};

TEST_F(FlatEditTest, WhiteFaceWhileFocusedAndFlatFaceOtherwiseInsideTheBorder) {
    other->setFocus();
    expectFrame(ButtonFace);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    expectFrame(Qt::white);
    other->setFocus();
    expectFrame(ButtonFace);
}

TEST_F(FlatEditTest, HoverTurnsTheFaceWhiteOnlyWhileNoFlatEditHasTheFocus) {
    other->setFocus();
    SendEnter(edit);
    expectFrame(ButtonFace);
    other->clearFocus();
    expectFrame(Qt::white);
    SendLeave(edit);
    expectFrame(ButtonFace);
}

TEST_F(FlatEditTest, ParentColourReplacesTheFlatColour) {
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, QColor(90, 60, 30));
    host.setPalette(palette);
    edit->setParentColor(true);
    expectFrame(QColor(90, 60, 30));
}

TEST_F(FlatEditTest, HeightFollowsTheFontWithTheFrames) {
    QFont font = edit->font();
    font.setPixelSize(11);
    edit->setFont(font);
    edit->AdjustHeightToFont();
    EXPECT_EQ(edit->height(), edit->fontMetrics().height() + 6);
    EXPECT_EQ(edit->width(), 409);
}

TEST_F(FlatEditTest, EditsTextAsAnyLineEdit) {
    edit->setFocus();
    QTest::keyClicks(edit, "Happy day");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "Happy da");
}

} // namespace
