// The canvas: recomposition layer by layer, placing objects in slots, and the rendering passes.
#include "tests/app/WindowFixture.h"

#include "core/Bitmap.h"

#include <QPushButton>

namespace {

constexpr QRgb kBackdrop = 0xFF2878C8;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kYellow = 0xFFFFFF00;

class CanvasTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        CreateWindow();
        // A solid backdrop so that every expected pixel is exact.
        window->ImBackDrop->setPicture(SolidPicture(64, 48, kBackdrop));
    }

    [[nodiscard]] int Entries(const TImg* object) const {
        return static_cast<int>(window->LayerList.count(object));
    }

    // Places a solid object with a white mask in the first free slot.
    TImg* PlaceSolid(const QRect& bounds, QRgb colour) {
        const int slot = window->FirstFreeSlot();
        TImg* object = FillSlot(slot, bounds, colour, WhiteMask());
        window->PlaceObject(slot);
        return object;
    }

    void Recompose() { window->Btnchonghua->click(); }
};

TEST_F(CanvasTest, OnlyTheBackdropRebuildsTheComposedPicture) {
    window->SelectedSlot = 7;
    Recompose();
    EXPECT_EQ(window->ComposedBmp, SolidPicture(876, 667, kBackdrop));
    ASSERT_EQ(window->LayerList.size(), 1);
    EXPECT_EQ(window->SelectedSlot, 7);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(CanvasTest, PlacingOneObjectSelectsItAndLeavesTheComposedPictureToTheBackdrop) {
    TImg* object = PlaceSolid(QRect(10, 20, 100, 80), kRed);
    EXPECT_EQ(window->LayerList, (QList<TImg*>{window->ImBackDrop, object}));
    EXPECT_EQ(window->SelectedSlot, 1);
    EXPECT_EQ(window->DragSlot, 1);
    EXPECT_EQ(window->TopObject(), object);
    EXPECT_EQ(window->ComposedBmp, SolidPicture(876, 667, kBackdrop));

    // Brought to the front, then the editing surface above it.
    const QObjectList& zOrder = window->CanvasArea->children();
    EXPECT_EQ(zOrder.last(), window->ImTouMing);
    EXPECT_EQ(zOrder[zOrder.size() - 2], object);

    // The picture is the object with the selection marks; the next recomposition removes the marks.
    EXPECT_EQ(object->Picture().size(), QSize(100, 80));
    EXPECT_EQ(object->Picture().pixel(30, 30), kRed);
    EXPECT_NE(object->Picture().pixel(0, 0), kRed);
    Recompose();
    EXPECT_EQ(object->Picture(), SolidPicture(100, 80, kRed));
}

TEST_F(CanvasTest, ABlackMaskShowsWhatLiesBeneath) {
    FillSlot(1, QRect(300, 200, 50, 40), kRed, SolidPicture(3, 3, qRgb(0, 0, 0)));
    window->PlaceObject(1);
    Recompose();
    EXPECT_EQ(window->ObjectSlots[1]->Picture(), SolidPicture(50, 40, kBackdrop));
}

TEST_F(CanvasTest, EachLayerIsBlendedOverEverythingBeneathIt) {
    // A shows itself; B shows A through the black left half of its mask and itself on the right;
    // C's black mask shows everything beneath it.
    TImg* a = FillSlot(1, QRect(0, 0, 100, 100), kRed, WhiteMask());
    QImage halfMask = SolidPicture(2, 1, qRgb(255, 255, 255));
    halfMask.setPixel(0, 0, kBlack);
    TImg* b = FillSlot(2, QRect(50, 0, 100, 100), kGreen, halfMask);
    TImg* c = FillSlot(3, QRect(0, 50, 200, 100), kYellow, SolidPicture(1, 1, qRgb(0, 0, 0)));
    window->LayerList.append({a, b, c});
    Recompose();

    EXPECT_EQ(b->Picture().pixel(25, 20), kRed);   // over A
    EXPECT_EQ(b->Picture().pixel(75, 20), kGreen); // its own half
    EXPECT_EQ(c->Picture().pixel(25, 10), kRed);   // A
    EXPECT_EQ(c->Picture().pixel(75, 10), kRed);   // B's see-through half over A
    EXPECT_EQ(c->Picture().pixel(125, 10), kGreen);
    EXPECT_EQ(c->Picture().pixel(175, 10), kBackdrop);

    const QImage& composed = window->ComposedBmp;
    EXPECT_EQ(composed.pixel(25, 25), kRed);
    EXPECT_EQ(composed.pixel(125, 25), kGreen);
    EXPECT_EQ(composed.pixel(175, 25), kBackdrop);
    EXPECT_EQ(composed.pixel(125, 120), kBackdrop); // C is not part of it
    EXPECT_EQ(composed.pixel(25, 120), kBackdrop);
}

TEST_F(CanvasTest, RecompositionBlendsTwiceAndRenderingASlotAsOftenAsAsked) {
    // Grey 128 over a white canvas: a black object shows 127 after one pass and 190 after two.
    window->ImBackDrop->setPicture(SolidPicture(8, 8, qRgb(255, 255, 255)));
    FillSlot(1, QRect(10, 10, 20, 20), kBlack, SolidPicture(4, 4, qRgb(128, 128, 128)));
    window->LayerList.append(window->ObjectSlots[1]);
    Recompose();
    EXPECT_EQ(window->ObjectSlots[1]->Picture().pixel(5, 5), qRgb(190, 190, 190));
    window->RenderSlot(1, 1);
    EXPECT_EQ(window->ObjectSlots[1]->Picture().pixel(5, 5), qRgb(127, 127, 127));
}

TEST_F(CanvasTest, AnObjectPastTheCanvasEdgeIsClippedInTheComposedPicture) {
    TImg* edge = PlaceSolid(QRect(850, 640, 100, 100), kRed);
    PlaceSolid(QRect(0, 0, 10, 10), kGreen);
    EXPECT_EQ(edge->Picture().size(), QSize(100, 100));
    EXPECT_EQ(window->ComposedBmp.size(), QSize(876, 667));
    EXPECT_EQ(window->ComposedBmp.pixel(875, 666), kRed);
    EXPECT_EQ(window->ComposedBmp.pixel(849, 666), kBackdrop);
}

TEST_F(CanvasTest, TheFirstFreeSlotIsTheLowestHiddenOne) {
    EXPECT_EQ(window->FirstFreeSlot(), 1);
    window->ObjectSlots[1]->show();
    window->ObjectSlots[3]->show();
    EXPECT_EQ(window->FirstFreeSlot(), 2);
    EXPECT_EQ(window->SlotOf(window->ObjectSlots[3]), 3);
    EXPECT_EQ(window->SlotOf(window->ImBackDrop), 0);
    EXPECT_EQ(window->TopObject(), nullptr);
}

TEST_F(CanvasTest, WithAllSlotsInUseSlotFiftyIsReusedWithOneLayerEntry) {
    for (int slot = 1; slot <= TFormMain::kSlotCount; ++slot) {
        PlaceSolid(QRect(slot * 10, slot * 5, 30, 30), qRgb(slot * 5, 100, 200));
    }
    ASSERT_EQ(window->LayerList.size(), TFormMain::kSlotCount + 1);
    EXPECT_EQ(window->FirstFreeSlot(), TFormMain::kSlotCount);

    // Another object comes to the top while slot 50 lies below it.
    TImg* tenth = window->ObjectSlots[10];
    window->LayerList.removeOne(tenth);
    window->LayerList.append(tenth);

    TImg* reused = PlaceSolid(QRect(400, 300, 60, 40), kYellow);
    EXPECT_EQ(reused, window->ObjectSlots[50]);
    EXPECT_EQ(window->LayerList.size(), TFormMain::kSlotCount + 1);
    EXPECT_EQ(Entries(reused), 1);
    EXPECT_EQ(window->LayerList.last(), reused);
    EXPECT_EQ(window->LayerList[window->LayerList.size() - 2], tenth);
    EXPECT_EQ(window->SelectedSlot, 50);
    EXPECT_EQ(window->DragSlot, 50);
    EXPECT_EQ(reused->Picture().size(), QSize(60, 40));
}

} // namespace
