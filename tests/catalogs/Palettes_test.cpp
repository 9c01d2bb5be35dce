// Creating the palettes: all hidden, in the start-up order, each reading its catalog as it is created.
#include "app/img.h"
#include "catalogs/Palettes.h"
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "catalogs/UnitText.h"
#include "catalogs/Unitflower.h"
#include "tests/catalogs/CatalogTestSupport.h"

namespace {

class PalettesTest : public CanvasTest {
  protected:
    ~PalettesTest() override { DestroyPalettes(); }
};

} // namespace

TEST_F(PalettesTest, CreatedHiddenAndShownByTheMainWindowsButtons) {
    CreatePalettes();
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
    CreatePalettes();
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
