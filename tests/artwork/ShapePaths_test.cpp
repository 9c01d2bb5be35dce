// The outlines pieces are built from: they fill the box they are given and close without seams.
#include "artwork/FlowerShapes.h"
#include "artwork/ShapePaths.h"

#include <QTransform>
#include <cmath>
#include <gtest/gtest.h>

namespace {

void ExpectMirrorSymmetric(const QPainterPath& path, double axisX) {
    const QPainterPath mirrored = QTransform(-1, 0, 0, 1, 2 * axisX, 0).map(path);
    const QRectF a = path.boundingRect();
    const QRectF b = mirrored.boundingRect();
    EXPECT_NEAR(a.left(), b.left(), 1e-6);
    EXPECT_NEAR(a.right(), b.right(), 1e-6);
    for (const QPointF probe : {QPointF(axisX - a.width() * 0.3, a.center().y()),
                                QPointF(axisX - a.width() * 0.1, a.top() + a.height() * 0.8)}) {
        EXPECT_EQ(path.contains(probe), path.contains(QPointF(2 * axisX - probe.x(), probe.y())));
    }
}

} // namespace

TEST(HeartPath, FillsItsBoxSymmetricallyWithThePointAtTheBottom) {
    const QRectF box(10, 20, 200, 180);
    const QPainterPath heart = HeartPath(box);
    const QRectF bounds = heart.boundingRect();
    EXPECT_NEAR(bounds.bottom(), box.bottom(), 0.5);
    EXPECT_GT(bounds.top(), box.top() - 0.05 * box.height());
    EXPECT_NEAR(bounds.width(), box.width(), 0.1 * box.width());
    ExpectMirrorSymmetric(heart, box.center().x());
    EXPECT_TRUE(heart.contains(box.center()));
    EXPECT_FALSE(heart.contains(QPointF(box.center().x(), box.top() + 2))) << "the notch at the top";
}

TEST(StarPath, TipsOnTheOuterRadiusNotchesOnTheInner) {
    const QPainterPath star = StarPath(QPointF(50, 50), 40, 16, 5);
    ASSERT_GE(star.elementCount(), 10);
    for (int i = 0; i < 10; ++i) {
        const QPointF point = star.elementAt(i);
        EXPECT_NEAR(std::hypot(point.x() - 50, point.y() - 50), i % 2 == 0 ? 40 : 16, 1e-9) << i;
    }
    EXPECT_NEAR(star.elementAt(0).y, 10, 1e-9) << "first tip straight up";
}

TEST(BurstPath, StaysWithinItsEllipse) {
    const QPainterPath burst = BurstPath(QPointF(100, 80), 90, 60, 14, 0.25, 0.2);
    const QRectF bounds = burst.boundingRect();
    EXPECT_GE(bounds.left(), 10 - 1e-9);
    EXPECT_LE(bounds.right(), 190 + 1e-9);
    EXPECT_GE(bounds.top(), 20 - 1e-9);
    EXPECT_LE(bounds.bottom(), 140 + 1e-9);
    EXPECT_TRUE(burst.contains(QPointF(100, 80)));
}

TEST(CloudPath, OneSolidShapeAroundItsCentre) {
    const QPainterPath cloud = CloudPath(QPointF(0, 0), 100, 60, 9);
    EXPECT_TRUE(cloud.contains(QPointF(0, 0)));
    EXPECT_TRUE(cloud.contains(QPointF(60, 0)));
    const QRectF bounds = cloud.boundingRect();
    EXPECT_LT(bounds.width(), 2 * 100 * 1.15);
    EXPECT_GT(bounds.width(), 2 * 100 * 0.9);
}

class PetalPathShapes : public ::testing::TestWithParam<PetalShape> {};

TEST_P(PetalPathShapes, RunsFromBaseToTipWithinItsWidth) {
    const QPainterPath petal = PetalPath(GetParam(), 100, 40);
    const QRectF bounds = petal.boundingRect();
    EXPECT_NEAR(bounds.bottom(), 0, 1e-6);
    EXPECT_GT(bounds.top(), -106);
    EXPECT_LT(bounds.top(), -95);
    EXPECT_LE(bounds.width(), 40 * 1.2);
    EXPECT_GE(bounds.width(), 40 * 0.7);
    ExpectMirrorSymmetric(petal, 0);
    EXPECT_TRUE(petal.contains(QPointF(0, -50)));
}

TEST_P(PetalPathShapes, OutlineHasNoSeamDownTheMiddle) {
    // A seam would be drawn as a line from the base to the tip whenever the petal is outlined.
    const QPainterPath petal = PetalPath(GetParam(), 100, 40);
    int onAxis = 0;
    for (int i = 0; i < petal.elementCount(); ++i) {
        const QPainterPath::Element element = petal.elementAt(i);
        if (element.type != QPainterPath::CurveToDataElement && std::abs(element.x) < 1e-9) {
            ++onAxis;
        }
    }
    // The base (at the start and again at the close) and the tip or the notch.
    EXPECT_LE(onAxis, 3);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, PetalPathShapes,
                         ::testing::Values(PetalShape::Round, PetalShape::Pointed, PetalShape::Notched,
                                           PetalShape::Fan, PetalShape::Slim, PetalShape::Ruffled));
