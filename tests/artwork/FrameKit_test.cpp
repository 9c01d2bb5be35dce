// Frame building blocks: the opening cut (mask, cast shadow, darkened picture beneath), decorations
// that cover the opening in picture and mask alike, and repeatable motif placement that keeps clear.
#include "artwork/FrameKit.h"
#include "artwork/Shapes.h"

#include <gtest/gtest.h>

namespace {

using namespace art;
using namespace art::frames;

uchar MaskAt(const Frame& frame, int x, int y) {
    return frame.opening.constScanLine(y)[x];
}

TEST(FrameCut, OpensTheShapeAndLeavesTheFrameCovered) {
    Frame frame = NewFrame(QColor(200, 150, 100));
    Cut(frame, RoundedBox(Inset(100), 0), 0, 12);
    EXPECT_EQ(MaskAt(frame, kWidth / 2, kHeight / 2), 255);
    EXPECT_EQ(MaskAt(frame, 50, 50), 0);
    EXPECT_EQ(MaskAt(frame, kWidth - 50, kHeight / 2), 0);
    // The frame itself keeps its colour; beneath the opening the picture is dark, so shade reads as shade.
    EXPECT_EQ(frame.picture.pixel(50, 50), qRgb(200, 150, 100));
    EXPECT_LT(qRed(frame.picture.pixel(kWidth / 2, kHeight / 2)), 40);
}

TEST(FrameCut, CastsItsShadowFromTheTopLeftEdges) {
    Frame frame = NewFrame(QColor(200, 150, 100));
    Cut(frame, RoundedBox(Inset(100), 0), 0, 16);
    const int nearTop = MaskAt(frame, kWidth / 2, 102);
    const int nearBottom = MaskAt(frame, kWidth / 2, kHeight - 102);
    EXPECT_LT(nearTop, nearBottom);
    EXPECT_LT(nearTop, 230);
}

TEST(FrameCut, FeatherGivesAGradualEdge) {
    Frame frame = NewFrame(Qt::black);
    Cut(frame, RoundedBox(Inset(100), 0), 20, 0);
    const int outside = MaskAt(frame, 70, kHeight / 2), edge = MaskAt(frame, 100, kHeight / 2),
              inside = MaskAt(frame, 140, kHeight / 2);
    EXPECT_LT(outside, edge);
    EXPECT_LT(edge, inside);
    EXPECT_NEAR(edge, 128, 20);
}

TEST(FramePainter, DecorationsOverTheOpeningCoverIt) {
    Frame frame = NewFrame(Qt::white);
    Cut(frame, RoundedBox(Inset(100), 0), 0, 0);
    {
        FramePainter painter(frame);
        painter.Fill(Ellipse(QRectF(480, 355, 40, 40)), QColor(255, 0, 0));
        painter.Stroke(RoundedBox(QRectF(200, 200, 100, 100), 0), QPen(QColor(0, 0, 255), 6));
    }
    EXPECT_EQ(MaskAt(frame, 500, 375), 0);
    EXPECT_EQ(frame.picture.pixel(500, 375), qRgb(255, 0, 0));
    EXPECT_EQ(MaskAt(frame, 200, 250), 0);
    EXPECT_EQ(MaskAt(frame, 250, 250), 255);
}

TEST(PaintMitred, CoversTheWholeRingOnEverySide) {
    QImage target = NewCanvas(kWidth, kHeight, Qt::black);
    QImage across = NewCanvas(kWidth, kHeight, QColor(200, 0, 0));
    QImage down = NewCanvas(kWidth, kHeight, QColor(0, 200, 0));
    {
        QPainter painter(&target);
        PaintMitred(painter, across, down, kWhole, Inset(60));
    }
    // Sample the middle of each side, and the outer edge right up to the last row and column.
    for (const QPoint p : {QPoint(500, 2), QPoint(500, kHeight - 1), QPoint(2, 375), QPoint(kWidth - 1, 375),
                           QPoint(500, kHeight - 30), QPoint(kWidth - 30, 375)}) {
        const QRgb pixel = target.pixel(p);
        EXPECT_GT(qRed(pixel) + qGreen(pixel), 150) << p.x() << "," << p.y();
    }
    EXPECT_GT(qRed(target.pixel(500, kHeight - 30)), 150);
    EXPECT_GT(qGreen(target.pixel(kWidth - 30, 375)), 150);
    EXPECT_EQ(target.pixel(500, 375), qRgb(0, 0, 0));
}

TEST(Scatter, KeepsClearOfTheOpeningAndRepeatsForASeed) {
    const QPainterPath keepClear = RoundedBox(Inset(150), 0);
    std::vector<QPointF> first, second;
    Scatter(9, 40, 20, 40, keepClear, [&](QPointF p, qreal size, int) {
        first.push_back(p);
        EXPECT_FALSE(keepClear.intersects(QRectF(p.x() - size / 2, p.y() - size / 2, size, size)));
    });
    Scatter(9, 40, 20, 40, keepClear, [&](QPointF p, qreal, int) { second.push_back(p); });
    EXPECT_EQ(first.size(), 40u);
    EXPECT_EQ(first, second);
}

} // namespace
