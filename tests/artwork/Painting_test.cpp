// The generator's drawing toolkit: blur that neither darkens edges nor drifts, keyed skins without
// holes or fringes, blending through masks, repeatable noise, and outlines that stay in their boxes.
#include "artwork/Painting.h"
#include "artwork/Shapes.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using namespace art;

TEST(BlurGrey, KeepsAUniformImageUniformUpToItsEdges) {
    QImage grey = NewGrey(37, 23, 200);
    BlurGrey(grey, 6);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            ASSERT_EQ(grey.constScanLine(y)[x], 200) << x << "," << y;
        }
    }
}

TEST(BlurGrey, SoftensAStepSymmetricallyAndLeavesFarPixelsAlone) {
    QImage grey = NewGrey(100, 5, 0);
    for (int y = 0; y < 5; ++y) {
        std::memset(grey.scanLine(y) + 50, 255, 50);
    }
    BlurGrey(grey, 4);
    const uchar* row = grey.constScanLine(2);
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[99], 255);
    EXPECT_NEAR(row[49] + row[50], 255, 3);
    for (int x = 1; x < 100; ++x) {
        EXPECT_GE(row[x], row[x - 1]) << x;
    }
}

TEST(BlurGrey, RadiusZeroChangesNothing) {
    QImage grey = NewGrey(8, 8, 0);
    grey.scanLine(3)[3] = 255;
    BlurGrey(grey, 0);
    EXPECT_EQ(grey.constScanLine(3)[3], 255);
    EXPECT_EQ(grey.constScanLine(3)[4], 0);
}

TEST(KeyedPicture, OutsideBecomesTheKeyAndNothingInsideKeepsIt) {
    const QColor key(255, 0, 255);
    QImage panel = NewCanvas(20, 10);
    {
        QPainter painter(&panel);
        painter.fillRect(QRect(5, 0, 10, 10), key); // a panel that happens to use the key colour
        painter.fillRect(QRect(15, 0, 1, 10), QColor(255, 255, 255, 64)); // a faint rim, mostly outside
    }
    const QImage keyed = KeyedPicture(panel, key, QColor(10, 10, 10));
    EXPECT_EQ(keyed.pixel(0, 0), key.rgb());
    EXPECT_EQ(keyed.pixel(15, 5), key.rgb());
    EXPECT_NE(keyed.pixel(8, 5), key.rgb());
    EXPECT_LE(std::abs(qBlue(keyed.pixel(8, 5)) - 255), 1);
}

TEST(KeyedPicture, HalfCoveredRimIsFlattenedOntoTheEdgeColour) {
    QImage panel = NewCanvas(4, 1);
    panel.setPixel(1, 0, qRgba(100, 100, 100, 200)); // premultiplied: colour 127 at 200/255 coverage
    const QImage keyed = KeyedPicture(panel, Qt::magenta, QColor(0, 0, 0));
    EXPECT_EQ(qRed(keyed.pixel(1, 0)), 100);
    EXPECT_EQ(keyed.pixel(0, 0), QColor(Qt::magenta).rgb());
}

TEST(BlendThroughMask, WhiteTakesTopBlackTakesBottomGreyMixes) {
    QImage top(3, 1, QImage::Format_RGB32), bottom(3, 1, QImage::Format_RGB32);
    top.fill(qRgb(200, 100, 0));
    bottom.fill(qRgb(0, 100, 200));
    QImage mask = NewGrey(3, 1, 0);
    mask.scanLine(0)[0] = 255;
    mask.scanLine(0)[1] = 0;
    mask.scanLine(0)[2] = 128;
    const QImage out = BlendThroughMask(top, bottom, mask);
    EXPECT_EQ(out.pixel(0, 0), qRgb(200, 100, 0));
    EXPECT_EQ(out.pixel(1, 0), qRgb(0, 100, 200));
    EXPECT_NEAR(qRed(out.pixel(2, 0)), 100, 1);
    EXPECT_NEAR(qBlue(out.pixel(2, 0)), 100, 1);
}

TEST(FractalNoise, IsRepeatablePerSeedAndUsesTheRange) {
    const QImage a = FractalNoise(64, 48, 16, 3, 7);
    const QImage b = FractalNoise(64, 48, 16, 3, 7);
    const QImage c = FractalNoise(64, 48, 16, 3, 8);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    int low = 255, high = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            low = std::min<int>(low, a.constScanLine(y)[x]);
            high = std::max<int>(high, a.constScanLine(y)[x]);
        }
    }
    EXPECT_GT(high - low, 60);
}

TEST(Random, BetweenStaysInItsBounds) {
    Random random(3);
    for (int i = 0; i < 1000; ++i) {
        const int value = random.Between(-2, 5);
        ASSERT_GE(value, -2);
        ASSERT_LE(value, 5);
    }
}

TEST(Shapes, OutlinesStayInsideTheirBoxes) {
    const QRectF box(10, 20, 300, 200);
    const QRectF room = box.adjusted(-1, -1, 1, 1);
    for (const QPainterPath& path :
         {Heart(box), Cloud(box), Keyhole(box), Arch(box, false), Arch(box, true), Diamond(box), Shield(box),
          SpeechBubble(box), TornBox(box, 12, 5), PuzzlePiece(box)}) {
        EXPECT_TRUE(room.contains(path.boundingRect()))
            << path.boundingRect().x() << "," << path.boundingRect().y();
        EXPECT_TRUE(path.contains(box.center()) || path.contains(box.center() + QPointF(0, 20)));
    }
    EXPECT_TRUE(QRectF(0, 0, 200, 200).contains(Star(QPointF(100, 100), 90, 5, 0.5).boundingRect()));
}

} // namespace
