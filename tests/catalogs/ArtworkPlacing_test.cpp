// Placing artwork as a new object: size by the divisor, the slot taken, and files that fail.
#include "app/img.h"
#include "catalogs/ArtworkPlacing.h"
#include "core/PlatformError.h"
#include "tests/catalogs/CatalogTestSupport.h"

namespace {

class ArtworkPlacingTest : public CanvasTest {
  protected:
    int Place(const QString& picture, const QString& mask, int divisor) {
        return festoon::AddArtworkObject(folder.file(picture), folder.file(mask), divisor);
    }
    void FillSlots(int count) {
        for (int slot = 1; slot <= count; ++slot) {
            PlaceSolidObject(slot, QStringLiteral("d%1").arg(slot), QRect(slot, slot, 20, 20),
                             qRgb(slot, 0, 0));
        }
    }
};

} // namespace

TEST_F(ArtworkPlacingTest, TheDivisorDropsTheRemainderAndKeepsFullSizePictures) {
    folder.writeArtwork("a.ssl", SolidPicture(300, 200, qRgb(250, 10, 10)));
    folder.writeArtwork("b.ssl", SolidPicture(301, 201, qRgb(10, 250, 10)));
    folder.writeArtwork("m.ssl", SolidPicture(30, 20, qRgb(255, 255, 255)));
    for (const QString& picture : {QStringLiteral("a.ssl"), QStringLiteral("b.ssl")}) {
        const int slot = Place(picture, "m.ssl", 4);
        const TImg* object = mainWindow->ObjectSlots[static_cast<size_t>(slot)];
        EXPECT_EQ(object->geometry(), QRect(10, 10, 75, 50));
        EXPECT_GE(object->BMP.width(), 300);
        EXPECT_EQ(object->Mask.size(), QSize(30, 20));
        EXPECT_EQ(mainWindow->LayerList.last(), object);
        EXPECT_EQ(mainWindow->SelectedSlot, slot);
        EXPECT_EQ(mainWindow->DragSlot, slot);
    }
}

TEST_F(ArtworkPlacingTest, APictureSmallerThanTheDivisorStillGivesADrawableObject) {
    folder.writeArtwork("tiny.ssl", SolidPicture(3, 3, qRgb(200, 0, 0)));
    folder.writeArtwork("m.ssl", SolidPicture(3, 3, qRgb(255, 255, 255)));
    const int slot = Place("tiny.ssl", "m.ssl", 4);
    EXPECT_EQ(mainWindow->ObjectSlots[static_cast<size_t>(slot)]->geometry(), QRect(10, 10, 1, 1));
}

TEST_F(ArtworkPlacingTest, WithFortyNineSlotsInUseSlotFiftyIsTaken) {
    folder.writeArtwork("a.ssl", SolidPicture(40, 30, qRgb(250, 10, 10)));
    folder.writeArtwork("m.ssl", SolidPicture(40, 30, qRgb(255, 255, 255)));
    FillSlots(49);
    EXPECT_EQ(Place("a.ssl", "m.ssl", 1), 50);
    EXPECT_EQ(mainWindow->LayerList.size(), 51);
}

TEST_F(ArtworkPlacingTest, AFailingMaskLeavesTheSlotFreeAndTheCanvasUnchanged) {
    folder.writeArtwork("a.ssl", SolidPicture(40, 30, qRgb(250, 10, 10)));
    folder.writeBytes("broken.ssl", QByteArray(10, '\x01'));
    PlaceSolidObject(1, "d1", QRect(0, 0, 50, 50), qRgb(0, 0, 250));
    const QImage composedBefore = mainWindow->ComposedBmp;
    const QImage pictureBefore = mainWindow->ObjectSlots[1]->Picture();

    EXPECT_THROW(Place("a.ssl", "broken.ssl", 1), festoon::PlatformError);
    EXPECT_THROW(Place("missing.ssl", "a.ssl", 1), festoon::PlatformError);
    EXPECT_TRUE(mainWindow->ObjectSlots[2]->isHidden());
    EXPECT_EQ(mainWindow->FirstFreeSlot(), 2);
    EXPECT_EQ(mainWindow->LayerList.size(), 2);
    EXPECT_EQ(mainWindow->ComposedBmp, composedBefore);
    EXPECT_EQ(mainWindow->ObjectSlots[1]->Picture(), pictureBefore);
    EXPECT_EQ(mainWindow->SelectedSlot, 1);
}

TEST_F(ArtworkPlacingTest, AFailingMaskWithAllSlotsInUseLosesNothing) {
    folder.writeArtwork("a.ssl", SolidPicture(40, 30, qRgb(250, 10, 10)));
    FillSlots(50);
    const TImg* last = mainWindow->ObjectSlots[50];
    const QImage bmpBefore = last->BMP;
    const QRect boundsBefore = last->geometry();
    EXPECT_THROW(Place("a.ssl", "missing.ssl", 1), festoon::PlatformError);
    EXPECT_EQ(last->BMP, bmpBefore);
    EXPECT_EQ(last->geometry(), boundsBefore);
    EXPECT_EQ(last->objectName(), "d50");
}
