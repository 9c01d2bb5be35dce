// Artwork files that cannot be read, through a click on a palette's thumbnail: a file claiming an
// absurd size, a truncated file, a folder in the file's place. The cartoon palette (a new object), the
// frame palette (the backdrop) and the mask palette (the photo's mask) each report the failure, change
// nothing on the card or on the screen, and place the next good item.
#include "app/EditingSurface.h"
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "controls/img.h"
#include "core/PlatformError.h"
#include "tests/robustness/BadFiles.h"
#include "tests/robustness/ShownWindowTest.h"

#include <QDir>
#include <QTest>
#include <functional>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

namespace {

struct BadArtwork {
    const char* name;
    // Lays the bad file at `relative` and returns the message its reading must give.
    std::function<QString(const TestProgramFolder&, const QString& relative)> make;
};

void PrintTo(const BadArtwork& bad, std::ostream* out) {
    *out << bad.name;
}

const BadArtwork kBadArtwork[] = {
    {"AbsurdSize",
     [](const TestProgramFolder& folder, const QString& relative) {
         folder.writeBytes(relative, AsArtwork(JpegClaimingSize(60000, 60000)));
         return QStringLiteral("The picture is too large to open (60000 x 60000 pixels)");
     }},
    {"Truncated",
     [](const TestProgramFolder& folder, const QString& relative) {
         folder.writeBytes(relative, AsArtwork(TruncatedJpeg()));
         return festoon::PlatformError::Jpeg(JWRN_JPEG_EOF).message();
     }},
    {"Folder",
     [](const TestProgramFolder& folder, const QString& relative) {
         folder.remove(relative);
         QDir().mkpath(folder.file(relative));
         return QStringLiteral("Cannot open file ") + folder.file(relative);
     }},
};

class BadArtworkTest : public ShownWindowTest, public ::testing::WithParamInterface<BadArtwork> {
  protected:
    // Laid after the palette has read its first page (the cartoon palette's thumbnails are its full-size
    // pictures). Item 5 of `pictures` is bad; items 5 and 6 have good masks and item 6 a good picture.
    QString LayItems(const QString& pictures, const QString& masks) {
        for (int item : {5, 6}) {
            const QString name = QString::number(item) + QStringLiteral(".ssl");
            folder.writeArtwork(masks + name, SolidPicture(20, 20, qRgb(255, 255, 255)));
        }
        folder.writeArtwork(pictures + QStringLiteral("6.ssl"), SolidPicture(60, 40, kGoodColour));
        return GetParam().make(folder, pictures + QStringLiteral("5.ssl"));
    }

    // A click on a thumbnail, as the user makes it.
    void ClickThumbnail(TGridPalette* palette, int item) {
        palette->show();
        QTest::mouseClick(palette->Thumbnail(item), Qt::LeftButton, {}, QPoint(40, 40));
    }

    static constexpr QRgb kGoodColour = qRgb(240, 200, 0);
};

TEST_P(BadArtworkTest, CartoonIsNotPlaced) {
    auto* palette = new TFormCartoon(ContextOfWindow());
    const QString message = LayItems("pic/cartoon/1/pic/", "pic/cartoon/1/mask/");
    PlaceSolid(QSize(50, 50), qRgb(10, 200, 10));
    const CanvasSnapshot before = TakeSnapshot(*window);

    ClickThumbnail(palette, 5);
    EXPECT_EQ(errors, QStringList{message});
    ExpectCanvasUnchanged(*window, before);

    ClickThumbnail(palette, 6);
    EXPECT_EQ(errors.size(), 1);
    ASSERT_EQ(window->Card().Layers().size(), 2);
    const festoon::Layer& cartoon = *window->Card().TopLayer();
    EXPECT_EQ(cartoon.slot, 2);
    EXPECT_EQ(cartoon.bounds, QRect(10, 10, 60, 40));
    EXPECT_TRUE(Near(window->ImTouMing->ShownCanvas().pixel(40, 30), kGoodColour));
}

TEST_P(BadArtworkTest, FrameLeavesTheBackdrop) {
    auto* palette = new TFormFrame(ContextOfWindow());
    const QString message = LayItems("pic/Frame/1/big/", "pic/Frame/1/mask/");
    PlaceSolid(QSize(50, 50), qRgb(10, 200, 10));
    const CanvasSnapshot before = TakeSnapshot(*window);

    ClickThumbnail(palette, 5);
    EXPECT_EQ(errors, QStringList{message});
    ExpectCanvasUnchanged(*window, before);

    // A black mask shows the good frame all over the backdrop; the clean copy stays as it was.
    folder.writeArtwork("pic/Frame/1/mask/6.ssl", SolidPicture(20, 20, qRgb(0, 0, 0)));
    ClickThumbnail(palette, 6);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(Near(MiddleColour(window->Card().Backdrop()), kGoodColour));
    EXPECT_EQ(window->Card().CleanBackdrop(), before.card.CleanBackdrop());
}

TEST_P(BadArtworkTest, MaskLeavesThePhotosMask) {
    auto* palette = new TFormMask(ContextOfWindow());
    const QString message = LayItems("pic/mask/1/big/", "pic/mask/1/unused/");
    folder.writeBmp("photo.bmp", SolidPicture(50, 50, qRgb(10, 200, 10)));
    Choose(window->BtnLoad, "photo.bmp");
    ASSERT_EQ(window->Card().Layers().size(), 1);
    const int photo = window->Card().TopLayer()->slot;
    ASSERT_EQ(window->Card().TopLayer()->name, "man1");
    const CanvasSnapshot before = TakeSnapshot(*window);

    ClickThumbnail(palette, 5);
    EXPECT_EQ(errors, QStringList{message});
    ExpectCanvasUnchanged(*window, before);

    ClickThumbnail(palette, 6);
    EXPECT_EQ(errors.size(), 1);
    const QImage& mask = window->Card().LayerInSlot(photo)->mask;
    ASSERT_EQ(mask.size(), QSize(60, 40));
    EXPECT_TRUE(Near(MiddleColour(mask), kGoodColour));
}

INSTANTIATE_TEST_SUITE_P(Files, BadArtworkTest, ::testing::ValuesIn(kBadArtwork),
                         [](const ::testing::TestParamInfo<BadArtwork>& info) { return info.param.name; });

} // namespace
