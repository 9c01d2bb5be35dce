// The cartoon palette: item K's files, objects at their own size, and a missing mask.
#include "app/img.h"
#include "catalogs/UnitCartoon.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QTest>

namespace {

class CartoonPaletteTest : public CanvasTest {
  protected:
    CartoonPaletteTest() {
        folder.writeArtwork("pic/cartoon/1/pic/5.ssl", SolidPicture(240, 180, qRgb(250, 120, 0)));
        folder.writeArtwork("pic/cartoon/1/mask/5.ssl", SolidPicture(24, 18, qRgb(255, 255, 255)));
        palette = new TFormCartoon(mainWindow.get());
    }
    TImg* Slot(int slot) const { return mainWindow->ObjectSlots[static_cast<size_t>(slot)]; }
    TFormCartoon* palette = nullptr;
};

} // namespace

TEST_F(CartoonPaletteTest, ItemFiveIsPlacedAtItsOwnSizeOnTopAndSelected) {
    palette->ThumbnailClick(5);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    TImg* cartoon = Slot(1);
    EXPECT_FALSE(cartoon->isHidden());
    EXPECT_EQ(cartoon->geometry(), QRect(10, 10, 240, 180));
    EXPECT_EQ(cartoon->Mask.size(), QSize(24, 18));
    EXPECT_EQ(mainWindow->LayerList.last(), cartoon);
    EXPECT_EQ(mainWindow->SelectedSlot, 1);
    // The selection marks are drawn over the solid cartoon.
    const QImage& shown = cartoon->Picture();
    ASSERT_EQ(shown.size(), QSize(240, 180));
    bool marked = false;
    for (int y = 0; y < shown.height() && !marked; ++y) {
        for (int x = 0; x < shown.width() && !marked; ++x) {
            marked = !Near(shown.pixel(x, y), qRgb(250, 120, 0), 12);
        }
    }
    EXPECT_TRUE(marked);
    // The editing surface stays above the new object.
    const QObjectList& stack = mainWindow->CanvasArea->children();
    EXPECT_GT(stack.indexOf(mainWindow->ImTouMing), stack.indexOf(cartoon));
}

TEST_F(CartoonPaletteTest, TwoClicksGiveTwoObjectsInTheLowestFreeSlots) {
    PlaceSolidObject(2, "d2", QRect(0, 0, 10, 10), qRgb(1, 2, 3));
    palette->ThumbnailClick(5);
    palette->ThumbnailClick(5);
    EXPECT_EQ(Slot(1)->geometry(), QRect(10, 10, 240, 180));
    EXPECT_EQ(Slot(3)->geometry(), QRect(10, 10, 240, 180));
    EXPECT_EQ(mainWindow->LayerList.last(), Slot(3));
    EXPECT_EQ(mainWindow->LayerList.size(), 4);
}

TEST_F(CartoonPaletteTest, AMissingMaskLeavesTheSlotFreeAndTheCanvasUnchanged) {
    folder.remove("pic/cartoon/1/mask/5.ssl");
    const QImage composed = mainWindow->ComposedBmp;
    palette->show();
    QTest::mouseClick(palette->Thumbnail(5), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot open file " + folder.file("pic/cartoon/1/mask/5.ssl"));
    EXPECT_TRUE(Slot(1)->isHidden());
    EXPECT_EQ(mainWindow->LayerList.size(), 1);
    EXPECT_EQ(mainWindow->ComposedBmp, composed);
}
