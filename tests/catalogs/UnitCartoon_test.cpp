// The cartoon palette: item K's files, objects at their own size, and a missing mask.
#include "catalogs/UnitCartoon.h"
#include "controls/img.h"
#include "core/CardRendering.h"
#include "tests/catalogs/TestCard.h"

#include <QTest>

namespace {

constexpr QRgb kCartoonColour = qRgb(250, 120, 0);

class CartoonPaletteTest : public PaletteTest {
  protected:
    CartoonPaletteTest() {
        folder.writeArtwork("pic/cartoon/1/pic/5.ssl", SolidPicture(240, 180, kCartoonColour));
        folder.writeArtwork("pic/cartoon/1/mask/5.ssl", SolidPicture(24, 18, qRgb(255, 255, 255)));
        palette = new TFormCartoon(Context());
    }
    TFormCartoon* palette = nullptr;
};

} // namespace

TEST_F(CartoonPaletteTest, ItemFiveIsPlacedAtItsOwnSizeOnTopAndSelected) {
    palette->ThumbnailClick(5);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ASSERT_EQ(Card().Layers().size(), 1);
    const festoon::Layer& cartoon = TopLayer();
    EXPECT_EQ(cartoon.slot, 1);
    EXPECT_EQ(cartoon.bounds, QRect(10, 10, 240, 180));
    EXPECT_EQ(cartoon.picture.size(), QSize(240, 180));
    EXPECT_EQ(cartoon.mask.size(), QSize(24, 18));
    EXPECT_EQ(Card().SelectedSlot(), 1);
    EXPECT_TRUE(Card().SelectionMarked());
    // Through its white mask the cartoon shows in its own colour.
    EXPECT_TRUE(Near(festoon::CardPicture(Card()).pixel(130, 100), kCartoonColour));
}

TEST_F(CartoonPaletteTest, TwoClicksGiveTwoObjectsInTheLowestFreeSlots) {
    // Slot 1 free, slot 2 in use.
    const int first = PlaceSolid(QRect(0, 0, 10, 10), qRgb(1, 2, 3));
    PlaceSolid(QRect(0, 0, 10, 10), qRgb(3, 2, 1));
    testCard.card.SelectAndRaise(first);
    ASSERT_TRUE(testCard.card.DeleteTop());

    palette->ThumbnailClick(5);
    palette->ThumbnailClick(5);
    EXPECT_EQ(Layer(1).bounds, QRect(10, 10, 240, 180));
    EXPECT_EQ(Layer(3).bounds, QRect(10, 10, 240, 180));
    EXPECT_EQ(TopLayer().slot, 3);
    EXPECT_EQ(Card().Layers().size(), 3);
}

TEST_F(CartoonPaletteTest, AMissingMaskLeavesTheSlotFreeAndTheCardUnchanged) {
    folder.remove("pic/cartoon/1/mask/5.ssl");
    const festoon::Composition before = Card();
    palette->show();
    QTest::mouseClick(palette->Thumbnail(5), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot open file " + folder.file("pic/cartoon/1/mask/5.ssl"));
    EXPECT_EQ(Card().LayerInSlot(1), nullptr);
    EXPECT_TRUE(Card().IsEmpty());
    EXPECT_TRUE(Card() == before) << "the card changed";
}
