// Placing artwork as a new object: size by the divisor, the slot taken, and files that fail.
#include "catalogs/ArtworkPlacing.h"
#include "core/PlatformError.h"
#include "tests/catalogs/TestCard.h"

namespace {

class ArtworkPlacingTest : public PaletteTest {
  protected:
    // Places the files as a new object and returns its slot.
    int Place(const QString& picture, const QString& mask, int divisor) {
        festoon::PlaceArtworkFiles(testCard, folder.file(picture), folder.file(mask), divisor);
        return TopLayer().slot;
    }
    void FillSlots(int count) {
        for (int slot = 1; slot <= count; ++slot) {
            PlaceSolid(QRect(slot, slot, 20, 20), qRgb(slot, 0, 0));
        }
    }
};

} // namespace

TEST_F(ArtworkPlacingTest, TheDivisorDropsTheRemainderAndKeepsFullSizePictures) {
    folder.writeArtwork("a.ssl", SolidPicture(300, 200, qRgb(250, 10, 10)));
    folder.writeArtwork("b.ssl", SolidPicture(301, 201, qRgb(10, 250, 10)));
    folder.writeArtwork("m.ssl", SolidPicture(30, 20, qRgb(255, 255, 255)));
    int expectedSlot = 1;
    for (const QString& picture : {QStringLiteral("a.ssl"), QStringLiteral("b.ssl")}) {
        const int slot = Place(picture, "m.ssl", 4);
        EXPECT_EQ(slot, expectedSlot++);
        const festoon::Layer& object = Layer(slot);
        EXPECT_EQ(object.bounds, QRect(10, 10, 75, 50));
        EXPECT_GE(object.picture.width(), 300);
        EXPECT_EQ(object.mask.size(), QSize(30, 20));
        EXPECT_EQ(Card().SelectedSlot(), slot);
        EXPECT_TRUE(Card().SelectionMarked());
    }
}

TEST_F(ArtworkPlacingTest, APictureSmallerThanTheDivisorStillGivesADrawableObject) {
    folder.writeArtwork("tiny.ssl", SolidPicture(3, 3, qRgb(200, 0, 0)));
    folder.writeArtwork("m.ssl", SolidPicture(3, 3, qRgb(255, 255, 255)));
    const int slot = Place("tiny.ssl", "m.ssl", 4);
    EXPECT_EQ(Layer(slot).bounds, QRect(10, 10, 1, 1));
    EXPECT_EQ(RenderedPicture(slot).size(), QSize(1, 1));
}

TEST_F(ArtworkPlacingTest, WithFortyNineSlotsInUseSlotFiftyIsTaken) {
    folder.writeArtwork("a.ssl", SolidPicture(40, 30, qRgb(250, 10, 10)));
    folder.writeArtwork("m.ssl", SolidPicture(40, 30, qRgb(255, 255, 255)));
    FillSlots(49);
    EXPECT_EQ(Place("a.ssl", "m.ssl", 1), 50);
    EXPECT_EQ(Card().Layers().size(), 50);
}

TEST_F(ArtworkPlacingTest, AFailingMaskLeavesTheSlotFreeAndTheCardUnchanged) {
    folder.writeArtwork("a.ssl", SolidPicture(40, 30, qRgb(250, 10, 10)));
    folder.writeBytes("broken.ssl", QByteArray(10, '\x01'));
    PlaceSolid(QRect(0, 0, 50, 50), qRgb(0, 0, 250));
    const festoon::Composition before = Card();

    EXPECT_THROW(Place("a.ssl", "broken.ssl", 1), festoon::PlatformError);
    EXPECT_THROW(Place("missing.ssl", "a.ssl", 1), festoon::PlatformError);
    EXPECT_EQ(Card().LayerInSlot(2), nullptr);
    EXPECT_EQ(Card().FirstFreeSlot(), 2);
    EXPECT_EQ(Card().Layers().size(), 1);
    EXPECT_EQ(Card().SelectedSlot(), 1);
    EXPECT_TRUE(Card() == before) << "the card changed";
}

TEST_F(ArtworkPlacingTest, AFailingMaskWithAllSlotsInUseLosesNothing) {
    folder.writeArtwork("a.ssl", SolidPicture(40, 30, qRgb(250, 10, 10)));
    FillSlots(50);
    const festoon::Layer last = Layer(50);
    const festoon::Composition before = Card();
    EXPECT_THROW(Place("a.ssl", "missing.ssl", 1), festoon::PlatformError);
    EXPECT_EQ(Layer(50).picture, last.picture);
    EXPECT_EQ(Layer(50).bounds, last.bounds);
    EXPECT_EQ(Layer(50).name, "d50");
    EXPECT_TRUE(Card() == before) << "the card changed";
}
