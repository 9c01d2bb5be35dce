// The mask palette: which object a mask goes to, what it replaces, and which file a thumbnail reads.
#include "catalogs/ArtworkPlacing.h"
#include "catalogs/UnitMask.h"
#include "controls/img.h"
#include "tests/catalogs/TestCard.h"

#include <QTest>

namespace {

const QRgb kFirstMask = qRgb(255, 255, 255);
const QRgb kSecondMask = qRgb(0, 0, 0);

class MaskPaletteTest : public PaletteTest {
  protected:
    MaskPaletteTest() {
        folder.writeArtwork("pic/mask/1/big/3.ssl", SolidPicture(60, 40, kFirstMask));
        folder.writeArtwork("pic/mask/1/big/4.ssl", SolidPicture(30, 90, kSecondMask));
        palette = new TFormMask(Context());
    }
    TFormMask* palette = nullptr;
};

} // namespace

TEST_F(MaskPaletteTest, TheTopmostPhotoIsMaskedAndArtworkAboveIsPassedOver) {
    const QImage grey = SolidPicture(4, 4, qRgb(128, 128, 128));
    const int man1 = PlacePhoto(QRect(0, 0, 100, 80), qRgb(200, 0, 0), grey);
    const int man2 = PlacePhoto(QRect(20, 20, 100, 80), qRgb(0, 200, 0), grey);
    ASSERT_EQ(Layer(man1).name, "man1");
    ASSERT_EQ(Layer(man2).name, "man2");
    testCard.card.SelectAndRaise(man1); // pressing man1 moves it to the top of the layers
    folder.writeArtwork("pic/cartoon/1/pic/1.ssl", SolidPicture(50, 50, qRgb(0, 0, 200)));
    folder.writeArtwork("pic/cartoon/1/mask/1.ssl", SolidPicture(50, 50, qRgb(255, 255, 255)));
    festoon::PlaceArtworkFiles(testCard, folder.file("pic/cartoon/1/pic/1.ssl"),
                               folder.file("pic/cartoon/1/mask/1.ssl"), 1);
    const int cartoon = TopLayer().slot;
    const QImage man1Picture = Layer(man1).picture;

    palette->ThumbnailClick(3);
    EXPECT_EQ(Layer(man1).mask.size(), QSize(60, 40));
    EXPECT_TRUE(Near(Layer(man1).mask.pixel(30, 20), kFirstMask));
    EXPECT_EQ(Layer(man2).mask.size(), QSize(4, 4));
    EXPECT_EQ(Layer(cartoon).mask.size(), QSize(50, 50));
    // The recomposition blends man1 through its new, white mask: its own colour shows unmixed.
    EXPECT_TRUE(Near(RenderedPicture(man1).pixel(5, 5), qRgb(200, 0, 0), 2));

    palette->ThumbnailClick(4);
    EXPECT_EQ(Layer(man1).mask.size(), QSize(30, 90));
    EXPECT_TRUE(Near(Layer(man1).mask.pixel(15, 45), kSecondMask));
    EXPECT_EQ(Layer(man1).picture, man1Picture);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MaskPaletteTest, WithOnlyTheBackdropNothingChanges) {
    const festoon::Composition before = Card();
    palette->ThumbnailClick(3);
    EXPECT_TRUE(Card().IsEmpty());
    EXPECT_EQ(Card().Backdrop(), before.Backdrop());
    EXPECT_TRUE(Card() == before) << "the card changed";
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MaskPaletteTest, AFailingMaskChangesNoMask) {
    const int man1 = PlacePhoto(QRect(0, 0, 100, 80), qRgb(200, 0, 0));
    const festoon::Composition before = Card();
    palette->Thumbnail(7)->setVisible(true);
    palette->show();
    QTest::mouseClick(palette->Thumbnail(7), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot open file " + folder.file("pic/mask/1/big/7.ssl"));
    EXPECT_EQ(Layer(man1).mask, before.LayerInSlot(man1)->mask);
    EXPECT_TRUE(Card() == before) << "the card changed";
}

TEST_F(MaskPaletteTest, PageNineMasksComeFromItsBigFolder) {
    WriteThumbnailPage(folder, "pic/mask/%1/small/", 9);
    folder.writeArtwork("pic/mask/9/big/3.ssl", SolidPicture(12, 12, qRgb(90, 90, 90)));
    const int man1 = PlacePhoto(QRect(0, 0, 100, 80), qRgb(200, 0, 0));
    palette->FlatRadioButton9Click();
    EXPECT_EQ(palette->CurrentPageFolder, folder.file("pic/mask/9/big/"));
    palette->ThumbnailClick(3);
    EXPECT_EQ(Layer(man1).mask.size(), QSize(12, 12));
    EXPECT_TRUE(Near(Layer(man1).mask.pixel(6, 6), qRgb(90, 90, 90)));
}
