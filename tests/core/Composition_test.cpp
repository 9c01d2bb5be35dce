// The card as a value: which slot and name each new object takes, where it lands, what editing does to
// the stack, the selection and the backdrop, and that copies share their pixels.
#include "core/Bitmap.h"
#include "core/Composition.h"

#include <gtest/gtest.h>

namespace {

using festoon::Composition;
using festoon::Layer;
using festoon::SolidBitmap;

constexpr QSize kCanvas(876, 667);
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Solid(int w, int h, QRgb colour = qRgb(10, 200, 30)) {
    return SolidBitmap(w, h, colour);
}

QImage WhiteMask() {
    return Solid(8, 8, kWhite);
}

Composition EmptyCard() {
    return Composition(kCanvas, Solid(64, 48, qRgb(40, 120, 200)));
}

// The slots of the layers from the bottom up.
QList<int> Stack(const Composition& card) {
    QList<int> stack;
    for (const Layer& layer : card.Layers()) {
        stack.append(layer.slot);
    }
    return stack;
}

TEST(CompositionValueTest, ACopyOfFiftyObjectsSharesEveryPictureAndComparesEqual) {
    Composition card = EmptyCard();
    for (int i = 0; i < Composition::kSlotCount; ++i) {
        card.PlaceObject(QRect(i * 10, i * 5, 400, 300), Solid(600, 450, qRgb(i, 2 * i, 3 * i)), WhiteMask());
    }
    const Composition copy = card;
    EXPECT_EQ(copy, card);
    for (qsizetype i = 0; i < card.Layers().size(); ++i) {
        EXPECT_EQ(copy.Layers()[i].picture.constBits(), card.Layers()[i].picture.constBits());
        EXPECT_EQ(copy.Layers()[i].mask.constBits(), card.Layers()[i].mask.constBits());
    }
    EXPECT_EQ(copy.Backdrop().constBits(), card.Backdrop().constBits());

    // Changing one leaves the other as it was, and they no longer compare equal.
    card.DeleteTop();
    EXPECT_NE(copy, card);
    EXPECT_EQ(copy.Layers().size(), 50);
    Composition moved = copy;
    moved.SetBounds(3, QRect(1, 2, 3, 4));
    EXPECT_NE(moved, copy);
    EXPECT_EQ(copy.LayerInSlot(3)->bounds, QRect(20, 10, 400, 300));
}

TEST(CompositionPlacingTest, ANewObjectTakesTheLowestFreeSlotAndComesOnTopSelectedAndMarked) {
    Composition card = EmptyCard();
    EXPECT_EQ(card.FirstFreeSlot(), 1);
    EXPECT_EQ(card.SelectedSlot(), 0);
    for (int i = 0; i < 3; ++i) {
        card.PlaceObject(QRect(0, 0, 10, 10), Solid(4, 4), WhiteMask());
    }
    card.SelectAndRaise(2);
    EXPECT_EQ(Stack(card), (QList<int>{1, 3, 2}));
    card.DeleteTop(); // slot 2 becomes free
    EXPECT_EQ(card.FirstFreeSlot(), 2);
    EXPECT_EQ(card.PlaceObject(QRect(5, 6, 7, 8), Solid(4, 4), WhiteMask()), 2);
    EXPECT_EQ(Stack(card), (QList<int>{1, 3, 2}));
    EXPECT_EQ(card.SelectedSlot(), 2);
    EXPECT_TRUE(card.SelectionMarked());
    EXPECT_EQ(card.TopLayer()->bounds, QRect(5, 6, 7, 8));
}

TEST(CompositionPlacingTest, WithAllSlotsInUseSlotFiftyIsTakenAgainWithOneLayer) {
    Composition card = EmptyCard();
    for (int i = 0; i < Composition::kSlotCount; ++i) {
        card.PlaceObject(QRect(i, i, 30, 30), Solid(4, 4), WhiteMask());
    }
    EXPECT_EQ(card.FirstFreeSlot(), 50);
    card.SelectAndRaise(10);
    const int slot = card.PlacePhoto(Solid(300, 200), WhiteMask());
    EXPECT_EQ(slot, 50);
    EXPECT_EQ(card.Layers().size(), 50);
    EXPECT_EQ(card.Layers().last().slot, 50);
    EXPECT_EQ(card.Layers()[card.Layers().size() - 2].slot, 10);
    EXPECT_EQ(card.SlotName(50), QStringLiteral("man50"));
    EXPECT_EQ(card.SelectedSlot(), 50);
}

TEST(CompositionPlacingTest, NamesFollowWhatWasPlacedAndWhatHappenedToTheSlot) {
    Composition card = EmptyCard();
    EXPECT_EQ(card.SlotName(1), QStringLiteral("d1"));
    EXPECT_EQ(card.SlotName(50), QStringLiteral("d50"));
    card.PlaceArtwork(Solid(40, 40), WhiteMask(), 1);
    EXPECT_EQ(card.TopLayer()->name, QStringLiteral("d1")); // artwork keeps the slot's name
    card.PlacePhoto(Solid(40, 40), WhiteMask());
    EXPECT_EQ(card.TopLayer()->name, QStringLiteral("man2"));
    card.CopyTop();
    EXPECT_EQ(card.TopLayer()->name, QStringLiteral("man23x"));
    card.DeleteTop();
    EXPECT_EQ(card.SlotName(3), QStringLiteral("x3"));
    card.PlaceLettering(Solid(20, 10, kWhite), QColor(0, 255, 0));
    EXPECT_EQ(card.TopLayer()->name, QStringLiteral("x3")); // lettering takes over the deleted name
    card.ClearForNewTask(QStringLiteral("Not"));
    EXPECT_EQ(card.SlotName(1), QStringLiteral("Not1"));
    EXPECT_EQ(card.SlotName(50), QStringLiteral("Not50"));
    card.PlacePhoto(Solid(40, 40), WhiteMask());
    EXPECT_EQ(card.TopLayer()->slot, 1);
    EXPECT_EQ(card.TopLayer()->name, QStringLiteral("man1"));
}

TEST(CompositionPlacingTest, ArtworkIsDividedButKeepsItsPicturesAtFullSize) {
    Composition card = EmptyCard();
    const QImage picture = Solid(301, 201);
    const QImage mask = Solid(301, 201, kWhite);
    card.PlaceArtwork(picture, mask, 4);
    EXPECT_EQ(card.TopLayer()->bounds, QRect(10, 10, 75, 50));
    EXPECT_EQ(card.TopLayer()->picture.constBits(), picture.constBits());
    EXPECT_EQ(card.TopLayer()->mask.constBits(), mask.constBits());
    // Smaller than its divisor: still one pixel, so that it can be rendered.
    card.PlaceArtwork(Solid(3, 3), WhiteMask(), 4);
    EXPECT_EQ(card.TopLayer()->bounds, QRect(10, 10, 1, 1));
}

TEST(CompositionPlacingTest, LetteringIsOneColourThroughItsWordsAt14By10) {
    Composition card = EmptyCard();
    QImage words = Solid(60, 20, qRgb(0, 0, 0));
    words.setPixel(5, 5, kWhite);
    card.PlaceLettering(words, QColor(30, 144, 200));
    const Layer& lettering = *card.TopLayer();
    EXPECT_EQ(lettering.bounds, QRect(14, 10, 60, 20));
    EXPECT_EQ(lettering.picture, Solid(60, 20, qRgb(30, 144, 200)));
    EXPECT_EQ(lettering.mask, words);
}

struct PhotoSizing {
    QSize photo;
    QSize kept;
    QSize shown;
};

class CompositionPhotoSizingTest : public ::testing::TestWithParam<PhotoSizing> {};

TEST_P(CompositionPhotoSizingTest, KeptPictureAndObjectFollowTheCanvas) {
    const PhotoSizing& sizing = GetParam();
    Composition card = EmptyCard();
    const QImage defaultMask = Solid(640, 480, kWhite);
    card.PlacePhoto(Solid(sizing.photo.width(), sizing.photo.height()), defaultMask);
    EXPECT_EQ(card.TopLayer()->picture.size(), sizing.kept);
    EXPECT_EQ(card.TopLayer()->bounds, QRect(QPoint(10, 10), sizing.shown));
    EXPECT_EQ(card.TopLayer()->mask, defaultMask);
}

// On a 1024 x 768 screen, a canvas of 876 x 667.
INSTANTIATE_TEST_SUITE_P(Canvas876x667, CompositionPhotoSizingTest,
                         ::testing::Values(PhotoSizing{{1024, 768}, {889, 667}, {400, 300}},
                                           PhotoSizing{{3000, 2000}, {1000, 667}, {400, 266}},
                                           PhotoSizing{{2000, 400}, {876, 400}, {400, 182}},
                                           PhotoSizing{{1000, 600}, {876, 600}, {400, 273}},
                                           PhotoSizing{{300, 800}, {250, 667}, {149, 400}},
                                           PhotoSizing{{500, 500}, {500, 500}, {400, 400}},
                                           PhotoSizing{{200, 200}, {200, 200}, {400, 400}},
                                           // A very thin photo still gets a visible, renderable object.
                                           PhotoSizing{{2000, 1}, {876, 1}, {400, 1}}));

class CompositionEditingTest : public ::testing::Test {
  protected:
    CompositionEditingTest() {
        card.PlacePhoto(Solid(300, 200, qRgb(200, 0, 0)), WhiteMask());
        card.PlaceArtwork(Solid(80, 80, qRgb(0, 0, 200)), WhiteMask(), 1);
        card.PlacePhoto(Solid(300, 200, qRgb(0, 200, 0)), WhiteMask());
    }
    Composition card = EmptyCard();
};

TEST_F(CompositionEditingTest, SelectingRaisesRecomposesAndMarks) {
    card.SetBounds(3, QRect(50, 50, 100, 100));
    EXPECT_EQ(card.LayerInSlot(3)->blendPasses, 1);
    EXPECT_FALSE(card.SelectionMarked());
    card.SelectAndRaise(1);
    EXPECT_EQ(Stack(card), (QList<int>{2, 3, 1}));
    EXPECT_EQ(card.SelectedSlot(), 1);
    EXPECT_TRUE(card.SelectionMarked());
    for (const Layer& layer : card.Layers()) {
        EXPECT_EQ(layer.blendPasses, 2) << layer.slot;
    }
    card.SelectAndRaise(7); // no such object: nothing changes
    EXPECT_EQ(Stack(card), (QList<int>{2, 3, 1}));
}

TEST_F(CompositionEditingTest, MovingKeepsTheStackAndTheSelectionButHidesTheMarks) {
    card.SetBounds(1, QRect(-20, 600, 500, 500));
    EXPECT_EQ(Stack(card), (QList<int>{1, 2, 3}));
    EXPECT_EQ(card.LayerInSlot(1)->bounds, QRect(-20, 600, 500, 500));
    EXPECT_EQ(card.SelectedSlot(), 3);
    EXPECT_FALSE(card.SelectionMarked());
}

TEST_F(CompositionEditingTest, CopyLandsTwentyPixelsAwayOnTopAndSharesThePictures) {
    card.SetBounds(3, QRect(100, 100, 200, 150));
    card.CopyTop();
    const Layer& copy = *card.TopLayer();
    const Layer& source = *card.LayerInSlot(3);
    EXPECT_EQ(copy.slot, 4);
    EXPECT_EQ(copy.bounds, QRect(120, 120, 200, 150));
    EXPECT_EQ(copy.picture, source.picture);
    EXPECT_EQ(copy.mask, source.mask);
    EXPECT_EQ(card.SelectedSlot(), 4);
    EXPECT_EQ(EmptyCard().CopyTop(), 0);
}

TEST_F(CompositionEditingTest, DeletingPassesTheSelectionDownUntilNothingIsLeft) {
    EXPECT_TRUE(card.DeleteTop());
    EXPECT_EQ(card.SelectedSlot(), 2);
    EXPECT_FALSE(card.SelectionMarked());
    EXPECT_TRUE(card.DeleteTop());
    EXPECT_TRUE(card.DeleteTop());
    EXPECT_EQ(card.SelectedSlot(), 0);
    EXPECT_TRUE(card.IsEmpty());
    const Composition empty = card;
    EXPECT_FALSE(card.DeleteTop());
    EXPECT_EQ(card, empty);
}

TEST_F(CompositionEditingTest, AMaskGoesToTheHighestPhotoPastArtworkAbove) {
    card.SelectAndRaise(1);
    card.PlaceArtwork(Solid(50, 50), WhiteMask(), 1); // slot 4, a cartoon above both photos
    const QImage heart = Solid(60, 40, qRgb(0, 0, 0));
    EXPECT_TRUE(card.MaskPhoto(heart));
    EXPECT_EQ(card.LayerInSlot(1)->mask, heart);
    EXPECT_EQ(card.LayerInSlot(3)->mask, WhiteMask());
    EXPECT_EQ(card.LayerInSlot(4)->mask, WhiteMask());
    EXPECT_FALSE(card.SelectionMarked());

    // A copy of a photo is a photo too.
    card.SelectAndRaise(3);
    card.CopyTop();
    EXPECT_TRUE(card.MaskPhoto(heart));
    EXPECT_EQ(card.TopLayer()->mask, heart);
}

TEST(CompositionMaskTest, WithoutAPhotoNothingChanges) {
    Composition card = EmptyCard();
    card.PlaceArtwork(Solid(50, 50), WhiteMask(), 1);
    const Composition before = card;
    EXPECT_FALSE(card.MaskPhoto(Solid(5, 5)));
    EXPECT_EQ(card, before);
}

TEST(CompositionBackdropTest, ABackdropFillsTheCanvasAndAFrameLiesOverTheCleanOne) {
    Composition card = EmptyCard();
    card.SetBackdrop(Solid(100, 100, qRgb(30, 20, 10)));
    const QImage chosen = Solid(kCanvas.width(), kCanvas.height(), qRgb(30, 20, 10));
    EXPECT_EQ(card.Backdrop(), chosen);
    EXPECT_EQ(card.CleanBackdrop(), chosen);

    // A black frame mask shows the frame everywhere; a second frame replaces the first.
    card.LayFrame(Solid(10, 10, qRgb(200, 0, 0)), Solid(10, 10, qRgb(0, 0, 0)));
    EXPECT_EQ(card.Backdrop(), Solid(kCanvas.width(), kCanvas.height(), qRgb(200, 0, 0)));
    card.LayFrame(Solid(10, 10, qRgb(0, 0, 200)), Solid(10, 10, qRgb(0, 0, 0)));
    EXPECT_EQ(card.Backdrop(), Solid(kCanvas.width(), kCanvas.height(), qRgb(0, 0, 200)));
    ASSERT_TRUE(card.LaidFrame().has_value());
    EXPECT_EQ(card.CleanBackdrop(), chosen);

    card.RemoveFrame();
    EXPECT_EQ(card.Backdrop(), chosen);
    EXPECT_FALSE(card.LaidFrame().has_value());

    // A new backdrop discards the frame.
    card.LayFrame(Solid(10, 10, qRgb(200, 0, 0)), Solid(10, 10, qRgb(0, 0, 0)));
    card.SetBackdrop(Solid(10, 10, qRgb(1, 2, 3)));
    EXPECT_EQ(card.Backdrop(), Solid(kCanvas.width(), kCanvas.height(), qRgb(1, 2, 3)));
    EXPECT_FALSE(card.LaidFrame().has_value());
}

TEST(CompositionNewTaskTest, ObjectsGoAndTheFrameStaysOrWithoutObjectsTheFrameGoes) {
    Composition card = EmptyCard();
    card.LayFrame(Solid(10, 10, qRgb(200, 0, 0)), Solid(10, 10, qRgb(0, 0, 0)));
    const QImage framed = card.Backdrop();
    card.PlacePhoto(Solid(40, 40), WhiteMask());
    card.ClearForNewTask(QStringLiteral("not"));
    EXPECT_TRUE(card.IsEmpty());
    EXPECT_EQ(card.SelectedSlot(), 0);
    EXPECT_EQ(card.SlotName(7), QStringLiteral("not7"));
    EXPECT_EQ(card.Backdrop(), framed);

    card.ClearForNewTask(QStringLiteral("Not"));
    EXPECT_EQ(card.Backdrop(),
              festoon::StretchBitmap(card.CleanBackdrop(), kCanvas.width(), kCanvas.height()));
    EXPECT_EQ(card.SlotName(7), QStringLiteral("not7")); // without objects, no slot is renamed
}

} // namespace
