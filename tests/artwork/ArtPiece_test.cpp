// Turning a drawn layer into picture, mask and thumbnail: coverage, colour bleed, outlines, centring.
#include "artwork/ArtPiece.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage LayerWithDisc(int size, QPointF centre, double radius, const QColor& colour) {
    QImage layer = NewLayer(size, size);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    return layer;
}

QImage LayerWithSquare(int size, const QRect& square, const QColor& colour) {
    QImage layer = NewLayer(size, size);
    QPainter(&layer).fillRect(square, colour);
    return layer;
}

} // namespace

TEST(MaskFromLayer, GreyIsTheLayersCoverage) {
    QImage layer = NewLayer(3, 1);
    layer.setPixelColor(0, 0, QColor(255, 0, 0, 255));
    layer.setPixelColor(1, 0, QColor(0, 0, 255, 128));
    const QImage mask = MaskFromLayer(layer);
    EXPECT_EQ(mask.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(mask.pixel(1, 0), qRgb(128, 128, 128));
    EXPECT_EQ(mask.pixel(2, 0), qRgb(0, 0, 0));
}

TEST(PictureFromLayer, PartlyCoveredPixelsKeepTheirFullColour) {
    QImage layer = NewLayer(2, 1);
    layer.setPixelColor(0, 0, QColor(200, 40, 20, 64));
    layer.setPixelColor(1, 0, QColor(10, 120, 250, 255));
    const QImage picture = PictureFromLayer(layer, 0);
    // A faint edge pixel must show the piece's colour, not a darkened or ground-tinted one, because
    // the blend through the mask already weakens it.
    const QColor faint = picture.pixelColor(0, 0);
    EXPECT_NEAR(faint.red(), 200, 4);
    EXPECT_NEAR(faint.green(), 40, 4);
    EXPECT_NEAR(faint.blue(), 20, 4);
    EXPECT_EQ(picture.pixel(1, 0), qRgb(10, 120, 250));
}

TEST(PictureFromLayer, EdgeColourBleedsOutAsFarAsAskedThenGround) {
    const QImage layer = LayerWithSquare(30, QRect(10, 10, 10, 10), QColor(20, 160, 40));
    const QImage picture = PictureFromLayer(layer, 3, QColor(236, 232, 224));
    EXPECT_EQ(picture.pixel(15, 15), qRgb(20, 160, 40));
    EXPECT_EQ(picture.pixel(7, 15), qRgb(20, 160, 40)) << "three pixels left of the square";
    EXPECT_EQ(picture.pixel(22, 22), qRgb(20, 160, 40)) << "three pixels off a corner, diagonally";
    EXPECT_EQ(picture.pixel(6, 15), qRgb(236, 232, 224)) << "four pixels away";
    EXPECT_EQ(picture.pixel(0, 0), qRgb(236, 232, 224));
}

TEST(PictureFromLayer, EmptyLayerIsAllGround) {
    const QImage picture = PictureFromLayer(NewLayer(8, 5), 4, QColor(1, 2, 3));
    ASSERT_EQ(picture.size(), QSize(8, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(picture.pixel(x, y), qRgb(1, 2, 3));
        }
    }
}

TEST(WithOutline, RingReachesTheGivenWidthAroundTheSilhouette) {
    const QImage layer = LayerWithDisc(60, QPointF(30, 30), 10, QColor(255, 0, 0));
    const QImage outlined = WithOutline(layer, 5, Qt::white);
    ASSERT_EQ(outlined.size(), layer.size());
    EXPECT_EQ(outlined.pixelColor(30, 30), QColor(255, 0, 0));
    EXPECT_EQ(outlined.pixelColor(30 + 13, 30), QColor(Qt::white)) << "inside the ring";
    EXPECT_EQ(outlined.pixelColor(30, 30 - 13), QColor(Qt::white));
    EXPECT_EQ(qAlpha(outlined.pixel(30 + 18, 30)), 0) << "beyond the ring";
    EXPECT_EQ(qAlpha(outlined.pixel(30 + 13, 30 + 13)), 0) << "diagonal at 18.4 pixels";
    EXPECT_EQ(outlined.pixelColor(30 + 9, 30 + 9), QColor(Qt::white)) << "diagonal at 12.7 pixels";
}

TEST(WithOutline, FaintCoverageBeyondTheRingIsCutAway) {
    QImage layer = LayerWithDisc(60, QPointF(30, 30), 25, QColor(255, 200, 0, 12));
    QPainter(&layer).fillRect(QRect(25, 25, 10, 10), QColor(0, 0, 255));
    const QImage outlined = WithOutline(layer, 3, Qt::black);
    EXPECT_EQ(outlined.pixelColor(30, 30), QColor(0, 0, 255));
    EXPECT_EQ(qAlpha(outlined.pixel(36, 30)), 255) << "the ring";
    EXPECT_LT(qRed(outlined.pixel(36, 30)), 20) << "the ring, faintly tinted by the glow over it";
    EXPECT_EQ(qAlpha(outlined.pixel(45, 30)), 0) << "the faint glow beyond the ring";
}

TEST(WithOutline, EmptyLayerStaysEmpty) {
    const QImage outlined = WithOutline(NewLayer(16, 16), 4, Qt::black);
    EXPECT_TRUE(CoverageBounds(outlined).isEmpty());
}

TEST(CoverageBounds, SpansEveryCoveredPixel) {
    QImage layer = NewLayer(20, 20);
    layer.setPixelColor(3, 7, QColor(0, 0, 0, 1));
    layer.setPixelColor(15, 12, QColor(255, 255, 255, 255));
    EXPECT_EQ(CoverageBounds(layer), QRect(QPoint(3, 7), QPoint(15, 12)));
    EXPECT_TRUE(CoverageBounds(NewLayer(5, 5)).isEmpty());
}

TEST(ThumbnailFromLayer, PieceIsCentredAndFillsTheRoom) {
    // A wide piece tucked into a corner of a large layer.
    const QImage layer = LayerWithSquare(400, QRect(0, 300, 100, 50), QColor(200, 0, 0));
    const QImage thumbnail = ThumbnailFromLayer(layer, 80, 5, QColor(236, 232, 224));
    ASSERT_EQ(thumbnail.size(), QSize(80, 80));
    QRect red;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (qRed(thumbnail.pixel(x, y)) > 150 && qGreen(thumbnail.pixel(x, y)) < 60) {
                red |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_EQ(red.left(), 5);
    EXPECT_EQ(red.right(), 74);
    EXPECT_NEAR(red.top(), 80 - 1 - red.bottom(), 1);
    EXPECT_NEAR(red.height(), 35, 1);
    EXPECT_EQ(thumbnail.pixel(2, 2), qRgb(236, 232, 224));
}

TEST(ThumbnailFromLayer, EmptyLayerGivesPlainGround) {
    const QImage thumbnail = ThumbnailFromLayer(NewLayer(30, 30), 80, 5, QColor(9, 8, 7));
    ASSERT_EQ(thumbnail.size(), QSize(80, 80));
    EXPECT_EQ(thumbnail.pixel(40, 40), qRgb(9, 8, 7));
}
