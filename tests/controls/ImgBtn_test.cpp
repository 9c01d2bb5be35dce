// TImgBtn: the picture shown in each pointer and button state, when clicks are raised, transparency and
// stretching.
#include "controls/ImgBtn.h"
#include "controls/TransparentKey.h"
#include "tests/controls/ControlsTestSupport.h"

#include <QSignalSpy>

namespace {

QImage Solid(QColor color, int width = 80, int height = 39) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class ImgBtnTest : public ::testing::Test {
  protected:
    ImgBtnTest() {
        button = new TImgBtn(&host);
        button->setGeometry(10, 10, 80, 33);
        button->setPicUp(up);
        button->setPicDown(down);
        button->setPic(rest);
        button->show();
    }

    void press(QPoint at = {40, 16}) { QTest::mousePress(button, Qt::LeftButton, {}, at); }
    void release(QPoint at = {40, 16}) { QTest::mouseRelease(button, Qt::LeftButton, {}, at); }
    void moveTo(QPoint at) { QTest::mouseMove(button, at); }

    const QImage rest = Solid(Qt::red);
    const QImage up = Solid(Qt::green);
    const QImage down = Solid(Qt::blue);
    ActiveHost host;
    TImgBtn* button;
};

TEST_F(ImgBtnTest, ShowsRestPictureFromTheMomentItIsSetAndTheOthersOnlyAtAStateChange) {
    EXPECT_EQ(button->displayed(), rest);
    button->setPicUp(Solid(Qt::yellow));
    EXPECT_EQ(button->displayed(), rest);
    SendEnter(button);
    EXPECT_EQ(button->displayed(), Solid(Qt::yellow));
}

TEST_F(ImgBtnTest, FollowsEnterPressDragOutBackInAndReleaseInside) {
    QSignalSpy clicks(button, &TImgBtn::clicked);
    QSignalSpy enters(button, &TImgBtn::mouseEnter);
    QSignalSpy leaves(button, &TImgBtn::mouseLeave);
    QSignalSpy downs(button, &TImgBtn::mouseDown);
    QSignalSpy ups(button, &TImgBtn::mouseUp);

    SendEnter(button);
    EXPECT_EQ(button->displayed(), up);
    EXPECT_TRUE(button->mouseInside());
    press();
    EXPECT_EQ(button->displayed(), down);
    EXPECT_TRUE(button->buttonPressed());
    moveTo({200, 16});
    EXPECT_EQ(button->displayed(), rest);
    EXPECT_FALSE(button->mouseInside());
    moveTo({40, 16});
    EXPECT_EQ(button->displayed(), down);
    release();
    EXPECT_EQ(button->displayed(), up);
    EXPECT_FALSE(button->buttonPressed());

    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(enters.count(), 2);
    EXPECT_EQ(leaves.count(), 1);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 1);
}

TEST_F(ImgBtnTest, ReleaseOutsideRaisesNoClickAndKeepsTheRestPicture) {
    QSignalSpy clicks(button, &TImgBtn::clicked);
    SendEnter(button);
    press();
    moveTo({40, 100});
    EXPECT_EQ(button->displayed(), rest);
    release({40, 100});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button->displayed(), rest);
    EXPECT_FALSE(button->buttonPressed());
    // The leave Qt sends after the release changes nothing more.
    SendLeave(button);
    EXPECT_EQ(button->displayed(), rest);
}

TEST_F(ImgBtnTest, ClickHandlerRunsWhileThePressedPictureIsShown) {
    QImage seenDuringClick;
    bool pressedDuringClick = false;
    QObject::connect(button, &TImgBtn::clicked, [&] {
        seenDuringClick = button->displayed();
        pressedDuringClick = button->buttonPressed();
        // A modal dialog covering the button sends it a leave while the handler runs.
        SendLeave(button);
        EXPECT_EQ(button->displayed(), down);
    });
    SendEnter(button);
    press();
    release();
    EXPECT_EQ(seenDuringClick, down);
    EXPECT_TRUE(pressedDuringClick);
    // Once the handler has returned, the pointer that left during it takes the button back to rest.
    EXPECT_EQ(button->displayed(), rest);
    EXPECT_FALSE(button->mouseInside());
}

TEST_F(ImgBtnTest, OnlyTheLeftButtonDrivesTheStates) {
    QSignalSpy clicks(button, &TImgBtn::clicked);
    SendEnter(button);
    QTest::mousePress(button, Qt::RightButton, {}, {40, 16});
    EXPECT_EQ(button->displayed(), up);
    QTest::mouseRelease(button, Qt::RightButton, {}, {40, 16});
    EXPECT_EQ(clicks.count(), 0);
    // A release without a press on the button is no click either.
    release();
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ImgBtnTest, UnsupportedButtonKeepsItsPictureAndStillClicks) {
    button->Supported = false;
    QSignalSpy clicks(button, &TImgBtn::clicked);
    QSignalSpy enters(button, &TImgBtn::mouseEnter);
    QSignalSpy downs(button, &TImgBtn::mouseDown);
    SendEnter(button);
    press();
    EXPECT_EQ(button->displayed(), rest);
    EXPECT_FALSE(button->buttonPressed());
    release();
    EXPECT_EQ(button->displayed(), rest);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(enters.count(), 0);
    EXPECT_EQ(downs.count(), 0);
}

TEST(TransparentKeyTest, KeysOutEveryPixelOfTheBottomLeftColourOnly) {
    QImage picture = Solid(Qt::magenta, 4, 3);
    picture.setPixelColor(1, 1, Qt::white);
    const QImage keyed = KeyOutBottomLeftColour(picture);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 2)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(3, 0)), 0);
    EXPECT_EQ(keyed.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_TRUE(KeyOutBottomLeftColour(QImage()).isNull());
}

TEST_F(ImgBtnTest, TransparentButtonShowsTheWindowThroughItsBottomLeftColour) {
    host.setAutoFillBackground(true);
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    host.setPalette(palette);
    QImage picture = Solid(Qt::magenta);
    for (int x = 20; x < 60; ++x)
        for (int y = 10; y < 30; ++y)
            picture.setPixelColor(x, y, Qt::white);
    button->setPic(picture);
    button->Transparent = true;

    const QImage window = host.grab().toImage();
    EXPECT_EQ(window.pixelColor(12, 12), QColor(10, 20, 30));
    EXPECT_EQ(window.pixelColor(10 + 40, 10 + 16), QColor(Qt::white));

    button->Transparent = false;
    EXPECT_EQ(host.grab().toImage().pixelColor(12, 12), QColor(Qt::magenta));
}

TEST_F(ImgBtnTest, StretchesThePictureOverTheWholeButton) {
    const QImage painted = button->grab().toImage();
    ASSERT_EQ(painted.size(), QSize(80, 33));
    EXPECT_EQ(painted.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(painted.pixelColor(79, 32), QColor(Qt::red));

    button->resize(30, 30);
    button->setPic(Solid(Qt::green, 20, 20));
    EXPECT_EQ(button->grab().toImage().pixelColor(29, 29), QColor(Qt::green));
}

} // namespace

namespace {

TEST_F(ImgBtnTest, DisabledButtonShowsItsGreyedFaceWhateverThePointerDoes) {
    const QImage greyed = Solid(Qt::gray);
    button->setPicDisabled(greyed);
    EXPECT_EQ(button->displayed(), rest); // enabled: the greyed face waits
    button->setEnabled(false);
    EXPECT_EQ(button->displayed(), greyed);
    SendEnter(button);
    EXPECT_EQ(button->displayed(), greyed);
    button->setPic(Solid(Qt::yellow));
    EXPECT_EQ(button->displayed(), greyed);

    button->setEnabled(true);
    EXPECT_EQ(button->displayed(), Solid(Qt::yellow));
    SendEnter(button);
    EXPECT_EQ(button->displayed(), up);
}

} // namespace
