// The palettes with the real main window: created hidden in the start-up order, each reading its
// catalog as it is created, shown by the main window's buttons, sharing its drag where they should,
// and placing artwork on its card.
#include "app/EditingSurface.h"
#include "app/Unit1.h"
#include "catalogs/Palettes.h"
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "catalogs/UnitText.h"
#include "catalogs/Unitflower.h"
#include "controls/TFlatEditUnit.h"
#include "controls/img.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace {

class PalettesTest : public CatalogTest {
  protected:
    ~PalettesTest() override { DestroyPalettes(); }

    // The palettes as the program makes them at start-up.
    void CreateForMainWindow() {
        CreatePalettes({mainWindow.get(), mainWindow.get(), &mainWindow->WindowDrag});
    }

    std::unique_ptr<TFormMain> mainWindow = std::make_unique<TFormMain>();
};

} // namespace

TEST_F(PalettesTest, CreatedHiddenAndShownByTheMainWindowsButtons) {
    CreateForMainWindow();
    const QList<QWidget*> palettes = {FormMask, FormFlower, FormText, FormCartoon, FormFrame};
    for (QWidget* palette : palettes) {
        ASSERT_NE(palette, nullptr);
        EXPECT_TRUE(palette->isHidden()) << palette->objectName().toStdString();
        EXPECT_EQ(palette->parent(), mainWindow.get());
    }
    mainWindow->BtnMaskClick();
    mainWindow->BtnFunnyClick();
    mainWindow->BtnTextClick();
    mainWindow->ImgBtn3Click();
    mainWindow->ImgBtn1Click();
    for (QWidget* palette : palettes) {
        EXPECT_TRUE(palette->isVisible()) << palette->objectName().toStdString();
    }
    EXPECT_EQ(FormText->pos(), QPoint(296, 154));
    EXPECT_EQ(FormText->size(), QSize(470, 369));
}

TEST_F(PalettesTest, CreatedInTheOrderMaskFlowerTextCartoonFrame) {
    // Each catalog's first thumbnail is missing, so each set-up reports one message as it runs.
    for (const QString& pattern : kThumbnailFolders) {
        folder.remove(pattern.arg(1) + "1.ssl");
    }
    folder.remove(kTextThumbnailFolder + "1.ssl");
    CreateForMainWindow();
    const QStringList expected = {"pic/mask/1/small/1.ssl", "pic/flower/1/small/1.ssl",
                                  "pic/text/small/1.ssl", "pic/cartoon/1/pic/1.ssl",
                                  "pic/Frame/1/small/1.ssl"};
    ASSERT_EQ(errors.size(), expected.size()) << errors.join('\n').toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(errors[i], "Cannot open file " + folder.file(expected[i]));
    }
    // The frame, cartoon and flower palettes have no page folder until a page is selected.
    EXPECT_TRUE(FormFrame->CurrentPageFolder.isEmpty());
    EXPECT_EQ(FormMask->CurrentPageFolder, folder.file("pic/mask/1/big/"));
}

TEST_F(PalettesTest, FrameCartoonAndFlowerShareTheMainWindowsDragTheOthersDoNot) {
    CreateForMainWindow();
    const std::pair<TPaletteWindow*, bool> palettes[] = {
        {FormFrame, true}, {FormCartoon, true}, {FormFlower, true}, {FormMask, false}, {FormText, false}};
    for (const auto& [palette, shares] : palettes) {
        palette->show();
        const QPoint start = palette->pos();
        SendMouse(palette->Image1, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(200, 20));
        EXPECT_EQ(mainWindow->WindowDrag.dragging, shares) << palette->objectName().toStdString();
        // A drag begun on a sharing palette and ended on the main window ends on both.
        SendMouse(mainWindow->Image1, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
        SendMouse(palette->Image1, QEvent::MouseMove, Qt::LeftButton, QPoint(230, 30));
        EXPECT_EQ(palette->pos(), shares ? start : start + QPoint(30, 10))
            << palette->objectName().toStdString();
        SendMouse(palette->Image1, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(230, 30));
        EXPECT_FALSE(mainWindow->WindowDrag.dragging);
    }
}

TEST_F(PalettesTest, AClickedCartoonLandsOnTheMainWindowsCardReadyToDrag) {
    constexpr QRgb kCartoonColour = qRgb(250, 120, 0);
    folder.writeArtwork("pic/cartoon/1/pic/5.ssl", SolidPicture(240, 180, kCartoonColour));
    folder.writeArtwork("pic/cartoon/1/mask/5.ssl", SolidPicture(24, 18, qRgb(255, 255, 255)));
    CreateForMainWindow();
    mainWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow.get()));
    mainWindow->ImgBtn3Click();
    QTest::mouseClick(FormCartoon->Thumbnail(5), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    const festoon::Composition& card = mainWindow->Card();
    ASSERT_EQ(card.Layers().size(), 1);
    const festoon::Layer cartoon = *card.TopLayer();
    EXPECT_EQ(cartoon.bounds, QRect(10, 10, 240, 180));
    EXPECT_EQ(card.SelectedSlot(), cartoon.slot);
    EXPECT_EQ(mainWindow->DragSlot, cartoon.slot);

    // The editing surface shows the cartoon with the selection marks drawn over it.
    const QImage shown = mainWindow->ImTouMing->ShownCanvas();
    EXPECT_TRUE(Near(shown.pixel(130, 100), kCartoonColour));
    bool marked = false;
    for (int y = cartoon.bounds.top(); y <= cartoon.bounds.bottom() && !marked; ++y) {
        for (int x = cartoon.bounds.left(); x <= cartoon.bounds.right() && !marked; ++x) {
            marked = !Near(shown.pixel(x, y), kCartoonColour, 12);
        }
    }
    EXPECT_TRUE(marked);

    // The editing surface stays above the new object: a press on the object starts dragging it.
    QTest::mousePress(mainWindow->ImTouMing, Qt::LeftButton, {}, QPoint(130, 100));
    EXPECT_TRUE(mainWindow->ImTouMing->BandVisible());
    EXPECT_EQ(mainWindow->ImTouMing->Band(), cartoon.bounds);
    QTest::mouseRelease(mainWindow->ImTouMing, Qt::LeftButton, {}, QPoint(130, 100));
    EXPECT_EQ(mainWindow->Card().TopLayer()->bounds, cartoon.bounds);
}

TEST_F(PalettesTest, ShowingAPaletteMakesItActiveAndTheTextFieldTakesTheKeys) {
    CreateForMainWindow();
    mainWindow->show();
    mainWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    mainWindow->BtnTextClick();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormText));
    // The field is the palette's focus, so keys sent to the palette's window land in it.
    EXPECT_EQ(FormText->focusWidget(), static_cast<QWidget*>(FormText->FlatEdit1));
    QTest::keyClicks(FormText->focusWidget(), QStringLiteral("Hi"));
    EXPECT_EQ(FormText->FlatEdit1->text(), QStringLiteral("Hi"));
    mainWindow->BtnFunnyClick();
    EXPECT_TRUE(QTest::qWaitForWindowActive(FormFlower));
}
