// The grid palettes: page 1 at start, page selection and its failures, further pages, dragging by the
// background, hiding and showing again.
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "catalogs/Unitflower.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatRadioButtonUnit.h"
#include "controls/img.h"
#include "platform/Paths.h"
#include "tests/catalogs/TestCard.h"

#include <QTest>
#include <functional>

namespace {

struct PaletteKind {
    const char* name;
    std::function<TGridPalette*(const PaletteContext&)> create;
    QString thumbnailPattern; // as written by the fixture
    QString pageFolder;       // CurrentPageFolder of page %1, relative
    QPoint firstPosition;
    QRect pageSelector;
    int secondPageButtonX;
};

const PaletteKind kPalettes[] = {
    {"Mask",
     [](const PaletteContext& context) { return new TFormMask(context); },
     "pic/mask/%1/small/",
     "pic/mask/%1/big/",
     {248, 73},
     {16, 40, 438, 31},
     40},
    {"Frame",
     [](const PaletteContext& context) { return new TFormFrame(context); },
     "pic/Frame/%1/small/",
     "pic/Frame/%1/",
     {248, 92},
     {16, 40, 438, 31},
     48},
    {"Cartoon",
     [](const PaletteContext& context) { return new TFormCartoon(context); },
     "pic/cartoon/%1/pic/",
     "pic/cartoon/%1/",
     {240, 71},
     {16, 40, 437, 31},
     64},
    {"Flower",
     [](const PaletteContext& context) { return new TFormFlower(context); },
     "pic/flower/%1/small/",
     "pic/flower/%1/",
     {263, 96},
     {18, 40, 435, 31},
     64},
};

void PrintTo(const PaletteKind& kind, std::ostream* out) {
    *out << kind.name;
}

class GridPaletteTest : public PaletteTest, public ::testing::WithParamInterface<PaletteKind> {
  protected:
    TGridPalette* Create() { return GetParam().create(Context()); }
    QString PageFolder(int page) const { return folder.file(GetParam().pageFolder.arg(page)); }

    static void ExpectPage(const TGridPalette* palette, int page, int firstItem = 1, int lastItem = 20) {
        for (int item = firstItem; item <= lastItem; ++item) {
            EXPECT_TRUE(Near(MiddleColour(palette->Thumbnail(item)->Picture()), ItemColour(page, item)))
                << "item " << item << " should show page " << page;
        }
    }
    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5)); }
};

} // namespace

TEST_P(GridPaletteTest, StartsHiddenWithPageOneAtItsPlace) {
    TGridPalette* palette = Create();
    EXPECT_TRUE(palette->isHidden());
    EXPECT_EQ(palette->parent(), host.get());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ExpectPage(palette, 1);
    EXPECT_EQ(palette->CurrentPageFolder, PageFolder(1));
    EXPECT_TRUE(palette->FlatRadioButton1->Checked());
    EXPECT_FALSE(palette->FlatRadioButton2->Checked());
    EXPECT_TRUE(palette->FurtherPageButtons.isEmpty());

    EXPECT_EQ(palette->pos(), GetParam().firstPosition);
    EXPECT_EQ(palette->size(), QSize(470, 444));
    EXPECT_EQ(palette->FlatGroupBox1->geometry(), GetParam().pageSelector);
    EXPECT_EQ(palette->FlatRadioButton1->geometry(), QRect(8, 8, 33, 17));
    EXPECT_EQ(palette->FlatRadioButton2->geometry(), QRect(GetParam().secondPageButtonX, 8, 41, 17));
    EXPECT_EQ(palette->FlatButton1->geometry(), QRect(412, 10, 12, 12));
    EXPECT_EQ(palette->FlatButton2->geometry(), QRect(425, 10, 12, 12));
    EXPECT_EQ(palette->Thumbnail(4)->objectName(), "im4");
    EXPECT_EQ(palette->Thumbnail(18)->geometry(), QRect(196, 338, 80, 80));
}

TEST_P(GridPaletteTest, AMissingThumbnailKeepsThePreviousPage) {
    TGridPalette* palette = Create();
    folder.remove(GetParam().thumbnailPattern.arg(2) + "17.ssl");
    Click(palette->FlatRadioButton2);

    ExpectPage(palette, 2, 1, 16);
    ExpectPage(palette, 1, 17, 20);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot open file " + folder.file(GetParam().thumbnailPattern.arg(2) + "17.ssl"));
    EXPECT_EQ(palette->CurrentPageFolder, PageFolder(1));
}

TEST_P(GridPaletteTest, OnlyANewlyCheckedPageIsRead) {
    TGridPalette* palette = Create();
    // Page 1's files change on disk: pressing "1" again must not read them...
    for (int item = 1; item <= 20; ++item) {
        folder.writeArtwork(GetParam().thumbnailPattern.arg(1) + QString::number(item) + ".ssl",
                            SolidPicture(8, 8, ItemColour(3, item)));
    }
    Click(palette->FlatRadioButton1);
    ExpectPage(palette, 1);

    // ... while "2" and then "1" read page 1 again.
    Click(palette->FlatRadioButton2);
    ExpectPage(palette, 2);
    EXPECT_EQ(palette->CurrentPageFolder, PageFolder(2));
    Click(palette->FlatRadioButton1);
    ExpectPage(palette, 3);
    EXPECT_EQ(palette->CurrentPageFolder, PageFolder(1));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_P(GridPaletteTest, ShippedFurtherPagesGetButtonsAfterTwo) {
    WriteThumbnailPage(folder, GetParam().thumbnailPattern, 3);
    WriteThumbnailPage(folder, GetParam().thumbnailPattern, 10);
    TGridPalette* palette = Create();
    ASSERT_EQ(palette->FurtherPageButtons.size(), 2);
    TFlatRadioButton* three = palette->FurtherPageButtons[0];
    TFlatRadioButton* ten = palette->FurtherPageButtons[1];
    EXPECT_EQ(three->Caption(), "3");
    EXPECT_EQ(ten->Caption(), "10");
    EXPECT_GT(three->x(), palette->FlatRadioButton2->geometry().right());
    EXPECT_LE(ten->geometry().right(), palette->FlatGroupBox1->width() - 1);

    Click(ten);
    ExpectPage(palette, 10);
    EXPECT_EQ(palette->CurrentPageFolder, PageFolder(10));
    EXPECT_FALSE(palette->FlatRadioButton1->Checked());
}

TEST_P(GridPaletteTest, DraggingTheBackgroundWithAnyButtonMovesTheWindow) {
    TGridPalette* palette = Create();
    palette->show();
    const QPoint start = palette->pos();
    SendMouse(palette->Image1, QEvent::MouseMove, Qt::NoButton, QPoint(100, 20));
    EXPECT_EQ(palette->pos(), start);

    int step = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const QPoint before = palette->pos();
        SendMouse(palette->Image1, QEvent::MouseButtonPress, button, QPoint(200, 20));
        SendMouse(palette->Image1, QEvent::MouseMove, button, QPoint(230, 30));
        SendMouse(palette->Image1, QEvent::MouseButtonRelease, button, QPoint(230, 30));
        EXPECT_EQ(palette->pos(), before + QPoint(30, 10)) << "button " << step++;
    }
    SendMouse(palette->Image1, QEvent::MouseMove, Qt::NoButton, QPoint(300, 60));
    EXPECT_EQ(palette->pos(), start + QPoint(90, 30));
}

TEST_P(GridPaletteTest, HidingAndShowingKeepsPageAndPosition) {
    TGridPalette* palette = Create();
    palette->show();
    Click(palette->FlatRadioButton2);
    palette->move(100, 120);
    for (TFlatButton* hideButton : {palette->FlatButton1, palette->FlatButton2}) {
        QTest::mouseClick(hideButton, Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_TRUE(palette->isHidden());
        palette->show();
        palette->raise();
        EXPECT_EQ(palette->pos(), QPoint(100, 120));
        EXPECT_TRUE(palette->FlatRadioButton2->Checked());
        EXPECT_EQ(palette->CurrentPageFolder, PageFolder(2));
        ExpectPage(palette, 2);
    }
}

TEST_P(GridPaletteTest, AFailingSetUpIsReportedAndStartUpGoesOn) {
    folder.remove(GetParam().thumbnailPattern.arg(1) + "5.ssl");
    TGridPalette* palette = Create();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].endsWith("/5.ssl"));
    ExpectPage(palette, 1, 1, 4);
    EXPECT_TRUE(palette->Thumbnail(5)->Picture().isNull());
    // Page 1 is not selected a second time; page 2 still works.
    EXPECT_FALSE(palette->FlatRadioButton1->Checked());
    Click(palette->FlatRadioButton2);
    ExpectPage(palette, 2);
}

INSTANTIATE_TEST_SUITE_P(Palettes, GridPaletteTest, ::testing::ValuesIn(kPalettes),
                         [](const auto& info) { return std::string(info.param.name); });
