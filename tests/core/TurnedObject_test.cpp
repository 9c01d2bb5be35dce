// Turned and mirrored objects: the fast kernel against the plain reference, the geometry's promises, and
// the hit test that follows the same pixels.
#include "core/Bitmap.h"
#include "core/CardRendering.h"
#include "core/HitTest.h"
#include "core/LiveDrag.h"
#include "core/RenderObject.h"
#include "core/TurnedObject.h"
#include "tests/core/RandomBitmap.h"
#include "tests/reference/TurnedObjectReference.h"

#include <QTransform>
#include <gtest/gtest.h>

#include <random>

namespace festoon {
namespace {

class TurnedObjectTest : public testing::Test {
  protected:
    std::mt19937 random{1234};
    QImage composed = RandomBitmap(90, 70, random);
    RenderScratch scratch;
};

TEST_F(TurnedObjectTest, FastKernelMatchesTheReferencePixelForPixel) {
    std::uniform_int_distribution<int> side(1, 60), position(-30, 80), sourceSide(1, 40);
    std::uniform_real_distribution<double> angle(0, 360);
    const double exactAngles[] = {0, 15, 30, 45, 90, 135, 180, 270, 359.99};
    for (int round = 0; round < 60; ++round) {
        Placement placement;
        placement.bounds = QRect(position(random), position(random), side(random), side(random));
        placement.angle = round < 9 ? exactAngles[round] : angle(random);
        placement.mirroredAcross = round % 3 == 1;
        placement.mirroredUpDown = round % 4 == 2;
        const QImage picture = RandomBitmap(sourceSide(random), sourceSide(random), random);
        const QImage mask = RandomBitmap(sourceSide(random), sourceSide(random), random);
        const int passes = 1 + round % 2;
        SCOPED_TRACE(testing::Message() << "round " << round << " angle " << placement.angle);
        EXPECT_EQ(RenderTurnedObject(composed, placement, picture, mask, passes, scratch),
                  RenderTurnedObjectReference(composed, placement, picture, mask, passes));
    }
}

TEST_F(TurnedObjectTest, UnturnedAndUnmirroredItIsTheUprightRendering) {
    const Placement placement{.bounds = QRect(7, 5, 41, 29)};
    const QImage picture = RandomBitmap(13, 31, random), mask = RandomBitmap(19, 7, random);
    EXPECT_EQ(RenderTurnedObject(composed, placement, picture, mask, 2, scratch),
              RenderObject(composed, placement.bounds, picture, mask, 2, scratch));
}

TEST_F(TurnedObjectTest, AQuarterTurnIsClockwiseAndExact) {
    const QRect bounds(20, 20, 24, 24);
    const QImage picture = RandomBitmap(24, 24, random);
    const QImage white = SolidBitmap(1, 1, qRgb(255, 255, 255));
    const QImage turned =
        RenderTurnedObject(composed, {.bounds = bounds, .angle = 90}, picture, white, 2, scratch);
    const QRect rect = ShownRect(Placement{.bounds = bounds, .angle = 90});
    EXPECT_EQ(turned.copy(bounds.translated(-rect.topLeft())),
              picture.transformed(QTransform().rotate(90)).convertToFormat(kBitmapFormat));
    const QImage half =
        RenderTurnedObject(composed, {.bounds = bounds, .angle = 180}, picture, white, 2, scratch);
    EXPECT_EQ(half.copy(bounds.translated(-ShownRect(Placement{.bounds = bounds, .angle = 180}).topLeft())),
              picture.mirrored(true, true));
}

TEST_F(TurnedObjectTest, MirroringShowsTheObjectMirroredWithinItsBounds) {
    const QRect bounds(10, 10, 30, 20);
    const QImage plain = SolidBitmap(90, 70, qRgb(40, 40, 40));
    const QImage picture = RandomBitmap(11, 9, random), mask = RandomBitmap(30, 20, random);
    const QImage upright = RenderObject(plain, bounds, picture, mask, 2, scratch);
    Placement mirrored{bounds, 0, true, false};
    EXPECT_EQ(RenderTurnedObject(plain, mirrored, picture, mask, 2, scratch), upright.mirrored(true, false));
    mirrored = {bounds, 0, true, true};
    EXPECT_EQ(RenderTurnedObject(plain, mirrored, picture, mask, 2, scratch), upright.mirrored(true, true));
}

TEST_F(TurnedObjectTest, ShownRectHoldsEveryPixelTheObjectCovers) {
    std::uniform_int_distribution<int> side(1, 40);
    std::uniform_real_distribution<double> angle(0, 360);
    for (int round = 0; round < 40; ++round) {
        const Placement placement{.bounds = QRect(0, 0, side(random), side(random)), .angle = angle(random)};
        const QRect rect = ShownRect(placement);
        for (int y = -60; y < 100; ++y) {
            for (int x = -60; x < 100; ++x) {
                if (LocalPixel(placement, {x, y}) && !rect.contains(x, y)) {
                    FAIL() << "pixel " << x << "," << y << " at " << placement.angle << " degrees";
                }
            }
        }
    }
}

TEST_F(TurnedObjectTest, ANullMaskShowsWhatLiesBeneath) {
    const Placement placement{.bounds = QRect(-5, 30, 40, 50), .angle = 33};
    const QImage result =
        RenderTurnedObject(composed, placement, RandomBitmap(5, 5, random), QImage(), 2, scratch);
    QImage beneath = MakeBitmap(result.width(), result.height());
    CopyBlock(composed, ShownRect(placement), beneath, QPoint(0, 0));
    EXPECT_EQ(result, beneath);
}

TEST(LiveDrag, DrawsTheObjectOnceBlendedOverTheCardWithoutIt) {
    std::mt19937 random(77);
    Composition card(QSize(120, 90), RandomBitmap(30, 20, random));
    for (int i = 0; i < 3; ++i) {
        card.PlaceObject(QRect(10 + 20 * i, 5 + 10 * i, 50, 40), RandomBitmap(9, 7, random),
                         RandomBitmap(5, 6, random));
    }
    const int top = card.TopLayer()->slot, middle = card.Layers()[1].slot;
    // Beneath the topmost object lies what the card's rendering composed beneath it, taken or made.
    const RenderedCard rendered = RenderCard(card);
    LiveDrag taken(card, top, &rendered);
    LiveDrag made(card, top);
    EXPECT_EQ(taken.Beneath(), made.Beneath());
    EXPECT_EQ(made.Beneath(), rendered.composed);
    const Placement moved{.bounds = QRect(30, 20, 60, 30), .angle = 20};
    EXPECT_EQ(taken.Frame(moved), made.Frame(moved));
    RenderScratch scratch;
    EXPECT_EQ(made.Frame(moved), RenderTurnedObject(rendered.composed, moved, card.TopLayer()->picture,
                                                    card.TopLayer()->mask, 1, scratch));
    // Beneath an object in the middle lie the others, the one above it included.
    Composition without = card;
    without.DeleteObject(middle);
    const LiveDrag lifted(card, middle);
    EXPECT_EQ(lifted.Beneath(), ShownCanvas(RenderCard(without), without));
}

TEST(HitTest, FindsTheTopmostObjectWhoseMaskShowsUnderThePointer) {
    Composition card(QSize(200, 100), SolidBitmap(4, 4, qRgb(9, 9, 9)));
    const int lower = card.PlaceObject(QRect(10, 10, 100, 60), SolidBitmap(1, 1, qRgb(1, 2, 3)),
                                       SolidBitmap(1, 1, qRgb(255, 255, 255)));
    // The upper object shows only its left half: its right half is transparent.
    QImage halfMask = SolidBitmap(2, 1, qRgb(0, 0, 0));
    halfMask.setPixel(0, 0, qRgb(200, 200, 200));
    const int upper = card.PlaceObject(QRect(50, 20, 100, 40), SolidBitmap(1, 1, qRgb(4, 5, 6)), halfMask);
    EXPECT_EQ(TopmostShownAt(card, {60, 30}), upper);
    EXPECT_EQ(TopmostShownAt(card, {105, 30}), lower); // through the upper one's transparent half
    EXPECT_EQ(TopmostShownAt(card, {120, 30}), 0);
    EXPECT_EQ(TopmostShownAt(card, {5, 5}), 0);
    // Turned a quarter about its centre (100, 40), the upper object's shown half lies above the centre.
    card.SetAngle(upper, 90);
    EXPECT_EQ(TopmostShownAt(card, {100, 5}), upper);
    EXPECT_EQ(TopmostShownAt(card, {60, 30}), lower);
    EXPECT_EQ(TopmostShownAt(card, {100, 75}), 0);
}

} // namespace
} // namespace festoon
