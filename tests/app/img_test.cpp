// TImg: what it paints (stretched, transparent), how it reports the mouse, and the pixel helpers it and
// the rubber band use.
#include "app/KeyedPicture.h"
#include "app/Outline.h"
#include "app/img.h"
#include "tests/support/TestProgramFolder.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

TEST(KeyOutColourTest, CutsTheKeyOutOfTheArea) {
    QImage picture = SolidPicture(6, 4, kWhite);
    picture.setPixel(2, 1, kRed);
    const QImage keyed = KeyOutColour(picture, kWhite, QRect(1, 1, 3, 2));
    ASSERT_EQ(keyed.size(), QSize(3, 2));
    EXPECT_EQ(keyed.pixel(1, 0), kRed);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(2, 1)), 0);
}

TEST(KeyOutColourTest, NothingToPaintGivesANullImage) {
    EXPECT_TRUE(KeyOutColour(SolidPicture(470, 395, kWhite), kWhite, QRect(0, 0, 470, 395)).isNull());
    EXPECT_TRUE(KeyOutColour(SolidPicture(4, 4, kRed), kWhite, QRect(10, 10, 5, 5)).isNull());
    // Only the key colour exactly is cut out.
    const QImage nearWhite = KeyOutColour(SolidPicture(2, 2, qRgb(255, 255, 254)), kWhite, QRect(0, 0, 2, 2));
    ASSERT_FALSE(nearWhite.isNull());
    EXPECT_EQ(qAlpha(nearWhite.pixel(1, 1)), 255);
}

TEST(OutlinedRectangleTest, FollowsThePlatformRectangleRule) {
    QImage bitmap = SolidPicture(8, 8, kBlue);
    DrawOutlinedRectangle(bitmap, QPoint(1, 1), QPoint(6, 5));
    // Border on columns 1 and 5 and rows 1 and 4; the far corner's row and column are not drawn.
    for (const QPoint corner :
         {QPoint(1, 1), QPoint(5, 1), QPoint(1, 4), QPoint(5, 4), QPoint(3, 1), QPoint(1, 3)}) {
        EXPECT_EQ(bitmap.pixel(corner), kBlack) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(bitmap.pixel(3, 2), kWhite);
    EXPECT_EQ(bitmap.pixel(6, 1), kBlue);
    EXPECT_EQ(bitmap.pixel(1, 5), kBlue);
    EXPECT_EQ(bitmap.pixel(0, 0), kBlue);
}

TEST(OutlinedRectangleTest, ClipsAndIgnoresEmptyRectangles) {
    QImage bitmap = SolidPicture(4, 4, kBlue);
    DrawOutlinedRectangle(bitmap, QPoint(2, 2), QPoint(40, 40));
    EXPECT_EQ(bitmap.pixel(2, 2), kBlack);
    EXPECT_EQ(bitmap.pixel(3, 3), kWhite); // the far edges lie outside
    const QImage before = bitmap;
    DrawOutlinedRectangle(bitmap, QPoint(3, 3), QPoint(3, 1));
    EXPECT_EQ(bitmap, before);
}

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

TEST_F(ImgPaintTest, TransparentShowsOnlyWhatIsNotWhite) {
    img->Transparent = true;
    img->Stretch = false;
    QImage band = SolidPicture(60, 60, kWhite);
    DrawOutlinedRectangle(band, QPoint(0, 0), QPoint(10, 10));
    img->setPicture(band);
    EXPECT_EQ(Shown(0, 0), kBlack);
    EXPECT_EQ(Shown(5, 5), kRed);
    EXPECT_EQ(Shown(15, 15), kRed);

    // Drawing into the picture afterwards is shown at the next paint.
    DrawOutlinedRectangle(img->PictureRef(), QPoint(0, 0), QPoint(18, 18));
    img->update();
    EXPECT_EQ(Shown(17, 17), kBlack);
    EXPECT_EQ(Shown(9, 9), kRed); // the earlier outline is filled over
    {
        QPainter painter(&img->PictureRef());
        painter.fillRect(QRect(12, 12, 2, 2), Qt::black);
    }
    img->update();
    EXPECT_EQ(Shown(12, 12), kBlack);
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
