// TFlatRadioButton: checking by release and from code, the group it unchecks, and its painting.
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatRadioButtonUnit.h"
#include "tests/controls/ControlsTestSupport.h"

#include <QSignalSpy>

namespace {

const QColor PageBrown(136, 68, 0);

class FlatRadioButtonTest : public ::testing::Test {
  protected:
    FlatRadioButtonTest() {
        box = new TFlatGroupBox(&host);
        box->setGeometry(0, 0, 250, 31);
        box->setColor(PageBrown);
        first = makeRadio("1", 10);
        second = makeRadio("2", 60);
        box->show();
    }

    TFlatRadioButton* makeRadio(const QString& caption, int x) {
        auto* radio = new TFlatRadioButton(box);
        radio->setGeometry(x, 7, 41, 17);
        radio->setCaption(caption);
        radio->ColorBorder = Qt::black;
        return radio;
    }

    static void clickAt(TFlatRadioButton* radio, QPoint at = {5, 8}) {
        QTest::mousePress(radio, Qt::LeftButton, {}, {5, 8});
        QTest::mouseRelease(radio, Qt::LeftButton, {}, at);
    }

    ActiveHost host;
    TFlatGroupBox* box;
    TFlatRadioButton* first;
    TFlatRadioButton* second;
};

TEST_F(FlatRadioButtonTest, ReleaseChecksItUnchecksTheSiblingAndClicksOnce) {
    first->setChecked(true);
    QSignalSpy firstClicks(first, &TFlatRadioButton::clicked);
    QSignalSpy secondClicks(second, &TFlatRadioButton::clicked);
    clickAt(second);
    EXPECT_TRUE(second->Checked());
    EXPECT_FALSE(first->Checked());
    EXPECT_EQ(secondClicks.count(), 1);
    EXPECT_EQ(firstClicks.count(), 0) << "unchecking raises nothing";
}

TEST_F(FlatRadioButtonTest, ReleaseOnTheAlreadyCheckedButtonRaisesNoClick) {
    second->setChecked(true);
    QSignalSpy clicks(second, &TFlatRadioButton::clicked);
    clickAt(second);
    EXPECT_TRUE(second->Checked());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FlatRadioButtonTest, CheckingFromCodeClicksOnceAndUnchecksTheSibling) {
    second->setChecked(true);
    QSignalSpy clicks(first, &TFlatRadioButton::clicked);
    bool siblingUncheckedBeforeClick = false;
    QObject::connect(first, &TFlatRadioButton::clicked,
                     [&] { siblingUncheckedBeforeClick = !second->Checked(); });
    first->setChecked(true);
    first->setChecked(true);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(siblingUncheckedBeforeClick);
    first->setChecked(false);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(first->Checked());
}

TEST_F(FlatRadioButtonTest, OnlySiblingsOfTheSameGroupIndexAndParentAreUnchecked) {
    auto* otherGroup = makeRadio("3", 110);
    otherGroup->GroupIndex = 1;
    auto* elsewhere = new TFlatRadioButton(&host);
    otherGroup->setChecked(true);
    elsewhere->setChecked(true);
    first->setChecked(true);
    EXPECT_TRUE(otherGroup->Checked());
    EXPECT_TRUE(elsewhere->Checked());
}

TEST_F(FlatRadioButtonTest, ReleaseOnTheFarEdgesCountsAsInsideButNotBeyond) {
    clickAt(first, {41, 17});
    EXPECT_TRUE(first->Checked());
    clickAt(second, {42, 8});
    EXPECT_FALSE(second->Checked());
}

TEST_F(FlatRadioButtonTest, PaintsOnTheParentsColourWithABorderedCircleAndADotWhenChecked) {
    EXPECT_EQ(first->restColor(), PageBrown);
    EXPECT_EQ(PixelOf(first, 0, 0), PageBrown);
    EXPECT_EQ(PixelOf(first, 1, 8), QColor(Qt::black)) << "the circle's left edge";
    EXPECT_EQ(PixelOf(first, 5, 8), PageBrown) << "an empty circle at rest";
    first->setChecked(true);
    EXPECT_EQ(PixelOf(first, 5, 8), QColor(Qt::black)) << "the dot";

    SendEnter(second);
    EXPECT_TRUE(second->hot());
    EXPECT_EQ(PixelOf(second, 3, 8), QColor(Qt::white)) << "a hot circle is filled with ColorFocused";
    SendLeave(second);
    EXPECT_FALSE(second->hot());
}

} // namespace
