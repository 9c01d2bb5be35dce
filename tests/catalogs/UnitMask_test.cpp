// The mask palette: which object a mask goes to, what it replaces, and which file a thumbnail reads.
#include "app/img.h"
#include "catalogs/ArtworkPlacing.h"
#include "catalogs/UnitMask.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QTest>

namespace {

const QRgb kFirstMask = qRgb(255, 255, 255);
const QRgb kSecondMask = qRgb(0, 0, 0);

class MaskPaletteTest : public CanvasTest {
  protected:
    MaskPaletteTest() {
        folder.writeArtwork("pic/mask/1/big/3.ssl", SolidPicture(60, 40, kFirstMask));
        folder.writeArtwork("pic/mask/1/big/4.ssl", SolidPicture(30, 90, kSecondMask));
        palette = new TFormMask(mainWindow.get());
    }
    TFormMask* palette = nullptr;
};

} // namespace

TEST_F(MaskPaletteTest, TheTopmostPhotoIsMaskedAndArtworkAboveIsPassedOver) {
    TImg* man1 = PlaceSolidObject(1, "man1", QRect(0, 0, 100, 80), qRgb(200, 0, 0));
    TImg* man2 = PlaceSolidObject(2, "man2", QRect(20, 20, 100, 80), qRgb(0, 200, 0));
    man1->Mask = SolidPicture(4, 4, qRgb(128, 128, 128));
    man2->Mask = SolidPicture(4, 4, qRgb(128, 128, 128));
    mainWindow->ObjectMouseDown(man1); // pressing man1 moves it to the top of the layers
    mainWindow->ObjectMouseUp(man1);
    folder.writeArtwork("pic/cartoon/1/pic/1.ssl", SolidPicture(50, 50, qRgb(0, 0, 200)));
    folder.writeArtwork("pic/cartoon/1/mask/1.ssl", SolidPicture(50, 50, qRgb(255, 255, 255)));
    const int cartoonSlot = festoon::AddArtworkObject(folder.file("pic/cartoon/1/pic/1.ssl"),
                                                      folder.file("pic/cartoon/1/mask/1.ssl"), 1);
    const QImage man1Bmp = man1->BMP;

    palette->ThumbnailClick(3);
    EXPECT_EQ(man1->Mask.size(), QSize(60, 40));
    EXPECT_TRUE(Near(man1->Mask.pixel(30, 20), kFirstMask));
    EXPECT_EQ(man2->Mask.size(), QSize(4, 4));
    EXPECT_EQ(mainWindow->ObjectSlots[static_cast<size_t>(cartoonSlot)]->Mask.size(), QSize(50, 50));
    // The recomposition blends man1 through its new, white mask: its own colour shows unmixed.
    EXPECT_TRUE(Near(man1->Picture().pixel(5, 5), qRgb(200, 0, 0), 2));

    palette->ThumbnailClick(4);
    EXPECT_EQ(man1->Mask.size(), QSize(30, 90));
    EXPECT_TRUE(Near(man1->Mask.pixel(15, 45), kSecondMask));
    EXPECT_EQ(man1->BMP, man1Bmp);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MaskPaletteTest, WithOnlyTheBackdropNothingChanges) {
    const QImage backdrop = mainWindow->ImBackDrop->Picture();
    palette->ThumbnailClick(3);
    EXPECT_EQ(mainWindow->LayerList.size(), 1);
    EXPECT_EQ(mainWindow->ImBackDrop->Picture(), backdrop);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MaskPaletteTest, AFailingMaskChangesNoMask) {
    TImg* man1 = PlaceSolidObject(1, "man1", QRect(0, 0, 100, 80), qRgb(200, 0, 0));
    const QImage maskBefore = man1->Mask;
    palette->Thumbnail(7)->setVisible(true);
    palette->show();
    QTest::mouseClick(palette->Thumbnail(7), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot open file " + folder.file("pic/mask/1/big/7.ssl"));
    EXPECT_EQ(man1->Mask, maskBefore);
}

TEST_F(MaskPaletteTest, PageNineMasksComeFromItsBigFolder) {
    WriteThumbnailPage(folder, "pic/mask/%1/small/", 9);
    folder.writeArtwork("pic/mask/9/big/3.ssl", SolidPicture(12, 12, qRgb(90, 90, 90)));
    TImg* man1 = PlaceSolidObject(1, "man1", QRect(0, 0, 100, 80), qRgb(200, 0, 0));
    palette->FlatRadioButton9Click();
    EXPECT_EQ(palette->CurrentPageFolder, folder.file("pic/mask/9/big/"));
    palette->ThumbnailClick(3);
    EXPECT_EQ(man1->Mask.size(), QSize(12, 12));
    EXPECT_TRUE(Near(man1->Mask.pixel(6, 6), qRgb(90, 90, 90)));
}
