// TImg: what it paints (stretched or not) and how it reports the mouse.
#include "controls/img.h"
#include "tests/support/TestProgramFolder.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

// A red window with one TImg child, painted off screen.
class ImgPaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.resize(40, 30);
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, Qt::red);
        host.setPalette(palette);
        host.setAutoFillBackground(true);
        img->setGeometry(0, 0, 20, 20);
    }

    [[nodiscard]] QRgb Shown(int x, int y) { return host.grab().toImage().pixel(x, y); }

    QWidget host;
    TImg* img = new TImg(&host);
};

TEST_F(ImgPaintTest, StretchesItsPictureToItsBounds) {
    QImage picture = SolidPicture(2, 1, kBlue);
    picture.setPixel(1, 0, kWhite);
    img->setPicture(picture);
    EXPECT_EQ(Shown(2, 15), kBlue);
    EXPECT_EQ(Shown(17, 3), kWhite);
    img->Stretch = false;
    EXPECT_EQ(Shown(0, 0), kBlue);
    EXPECT_EQ(Shown(17, 3), kRed);
}

TEST_F(ImgPaintTest, SettingAPictureSharesItsPixels) {
    const QImage picture = SolidPicture(30, 30, kBlue);
    img->setPicture(picture);
    EXPECT_EQ(img->Picture().constBits(), picture.constBits());
}

TEST(ImgMouseTest, ReportsPressesAndClicksWithTheLeftButton) {
    TImg img;
    img.resize(50, 50);
    QSignalSpy downs(&img, &TImg::mouseDown);
    QSignalSpy ups(&img, &TImg::mouseUp);
    QSignalSpy clicks(&img, &TImg::clicked);

    QTest::mouseClick(&img, Qt::LeftButton, {}, QPoint(10, 12));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.first().at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(downs.first().at(2).toPoint(), QPoint(10, 12));
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(&img, Qt::RightButton, {}, QPoint(10, 12));
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(downs.last().at(1).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);

    // Released outside: no click.
    QTest::mousePress(&img, Qt::LeftButton, {}, QPoint(10, 12));
    QTest::mouseRelease(&img, Qt::LeftButton, {}, QPoint(80, 12));
    EXPECT_EQ(ups.count(), 3);
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
