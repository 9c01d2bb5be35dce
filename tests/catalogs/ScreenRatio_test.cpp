// The windows on a screen of two device pixels to a logical one: every skin, face, glyph and thumbnail
// is taken from the pictures drawn for that ratio (twice the pixels, device pixel ratio 2), while the
// layout, the windows' shapes and the card keep their logical sizes, and the canvas shows each card pixel
// as a sharp 2 x 2 block.
#include "app/EditingSurface.h"
#include "app/Unit1.h"
#include "catalogs/Palettes.h"
#include "catalogs/UnitMask.h"
#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/img.h"
#include "platform/ScreenPictures.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QRegion>
#include <memory>

namespace {

constexpr int kSharpThumbnails = 19; // item 20 of the mask page has no picture for ratio 2

class ScreenRatioTest : public CatalogTest {
  protected:
    ScreenRatioTest() {
        const QImage skin = TestProgramFolder::StartSkin();
        folder.writeBmp(QStringLiteral("main/mainx@2x.bmp"), skin.scaled(skin.size() * 2));
        for (int item = 1; item <= kSharpThumbnails; ++item) {
            folder.writeArtwork(QStringLiteral("pic/mask/1/small/%1@2x.ssl").arg(item),
                                SolidPicture(160, 160, ItemColour(1, item)));
        }
    }
    ~ScreenRatioTest() override {
        // The palettes first: they belong to the window.
        DestroyPalettes();
        window.reset();
        festoon::SetPictureRatio(0);
    }

    static std::unique_ptr<TFormMain> WindowAtRatio(int ratio) {
        festoon::SetPictureRatio(ratio);
        return std::make_unique<TFormMain>();
    }

    std::unique_ptr<TFormMain> window;
};

void ExpectDrawnForRatioTwo(const QImage& picture, QSize logicalSize, const QString& what) {
    EXPECT_EQ(picture.devicePixelRatio(), 2.0) << what.toStdString();
    EXPECT_EQ(picture.size(), logicalSize * 2) << what.toStdString();
}

TEST_F(ScreenRatioTest, TheMainWindowKeepsItsLayoutAndShowsPicturesDrawnForTheRatio) {
    const auto plain = WindowAtRatio(1);
    const QRegion plainShape = plain->mask();
    QList<QRect> plainButtons;
    for (const TImgBtn* button : plain->findChildren<TImgBtn*>()) {
        plainButtons.append(button->geometry());
        EXPECT_EQ(button->Pic().devicePixelRatio(), 1.0);
    }

    const auto sharp = WindowAtRatio(2);
    EXPECT_EQ(sharp->size(), plain->size());
    EXPECT_EQ(sharp->mask(), plainShape);
    ExpectDrawnForRatioTwo(sharp->Image1->Picture(), sharp->size(), "the skin");
    QList<QRect> sharpButtons;
    for (const TImgBtn* button : sharp->findChildren<TImgBtn*>()) {
        sharpButtons.append(button->geometry());
        const QString name = button->objectName();
        ExpectDrawnForRatioTwo(button->Pic(), button->size(), name + " at rest");
        ExpectDrawnForRatioTwo(button->PicUp(), button->size(), name + " hovered");
        ExpectDrawnForRatioTwo(button->PicDown(), button->size(), name + " pressed");
        ExpectDrawnForRatioTwo(button->displayed(), button->size(), name + " as shown");
    }
    EXPECT_EQ(sharpButtons, plainButtons);
    EXPECT_EQ(sharpButtons.size(), 17);
    for (const TFlatButton* button : {sharp->FlatButton1, sharp->FlatButton2}) {
        ExpectDrawnForRatioTwo(button->Glyph(), QSize(16, 16), button->objectName() + "'s glyph");
    }
    // The card is the same card on every screen.
    EXPECT_EQ(sharp->CanvasSize(), plain->CanvasSize());
    EXPECT_EQ(sharp->ImTouMing->ShownCanvas(), plain->ImTouMing->ShownCanvas());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(ScreenRatioTest, PalettesShowSkinsGlyphsAndThumbnailsDrawnForTheRatioWhereTheCatalogHasThem) {
    window = WindowAtRatio(2);
    CreatePalettes({window.get(), window.get(), &window->WindowDrag});
    ExpectDrawnForRatioTwo(FormMask->Image1->Picture(), FormMask->size(), "the mask palette's skin");
    EXPECT_FALSE(FormMask->mask().isEmpty());
    ExpectDrawnForRatioTwo(FormMask->FlatButton2->Glyph(), QSize(16, 16), "the palette's close glyph");
    for (int item = 1; item <= kSharpThumbnails; ++item) {
        const QImage& thumbnail = FormMask->Thumbnails[static_cast<size_t>(item - 1)]->Picture();
        ExpectDrawnForRatioTwo(thumbnail, QSize(80, 80), QStringLiteral("thumbnail %1").arg(item));
        EXPECT_TRUE(Near(MiddleColour(thumbnail), ItemColour(1, item))) << item;
    }
    // A piece without a picture for the ratio shows its plain thumbnail (8 x 8 here), stretched as before.
    const QImage& plain = FormMask->Thumbnails[kSharpThumbnails]->Picture();
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    EXPECT_EQ(plain.size(), QSize(8, 8));
    EXPECT_TRUE(Near(MiddleColour(plain), ItemColour(1, kSharpThumbnails + 1)));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(ScreenRatioTest, TheCanvasShowsEachCardPixelAsASharpBlockOfTwoByTwo) {
    const auto window = WindowAtRatio(2);
    EditingSurface& surface = *window->ImTouMing;
    // Neighbours as different as can be: any smoothing would mix them.
    QImage card(surface.size(), QImage::Format_RGB32);
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            card.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(x % 256, y % 256, 40));
        }
    }
    surface.ShowCanvas(card);
    QImage screen(surface.size() * 2, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    surface.render(&screen);
    int wrong = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            wrong += screen.pixel(x, y) != card.pixel(x / 2, y / 2) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
