// The main window as a window: geometry on different screens, its controls, its shape, dragging it,
// and the report of a missing start file.
#include "tests/app/WindowFixture.h"

#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "core/PlatformError.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class MainWindowTest : public WindowFixture {};

struct ScreenGeometry {
    QSize screen;
    QSize window;
    int flatButton1Left;
    QSize panel;
    QSize canvas;
};

class MainWindowGeometryTest : public WindowFixture, public ::testing::WithParamInterface<ScreenGeometry> {};

TEST_P(MainWindowGeometryTest, FollowsTheStretchedSkin) {
    const ScreenGeometry& expected = GetParam();
    CreateWindow(expected.screen);
    EXPECT_EQ(window->geometry(), QRect(QPoint(0, 0), expected.window));
    EXPECT_EQ(window->Image1->geometry(), QRect(QPoint(0, 0), expected.window));
    EXPECT_EQ(window->Image1->Picture().size(), expected.window);
    EXPECT_EQ(window->FlatButton1->geometry(), QRect(expected.flatButton1Left, 14, 16, 16));
    EXPECT_EQ(window->FlatButton2->geometry(), QRect(expected.flatButton1Left + 14, 14, 16, 16));
    EXPECT_EQ(window->Panel1->geometry(), QRect(QPoint(114, 58), expected.panel));
    EXPECT_EQ(window->Panel1->contentsRect().size(), expected.canvas);
    EXPECT_EQ(window->CanvasArea->geometry(), window->Panel1->contentsRect());
    EXPECT_EQ(window->ImTouMing->geometry(), QRect(QPoint(0, 0), expected.canvas));
    EXPECT_EQ(window->CanvasSize(), expected.canvas);
    EXPECT_EQ(window->ImTouMing->ShownCanvas().size(), expected.canvas);
    EXPECT_EQ(window->RenderedCard().composed.size(), expected.canvas);
    EXPECT_FALSE(window->ImTouMing->BandVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Screens, MainWindowGeometryTest,
    ::testing::Values(ScreenGeometry{{1024, 768}, {1020, 743}, 943, {882, 673}, {876, 667}},
                      ScreenGeometry{{1920, 1080}, {1916, 1055}, 1839, {1778, 985}, {1772, 979}}));

TEST_F(MainWindowTest, IsABorderlessWindowShapedByItsSkin) {
    CreateWindow();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Festoon"));
    // The start skin has the key colour in a 4-pixel margin around its panel.
    const QRegion shape = window->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(3, 100)));
    EXPECT_FALSE(shape.contains(QPoint(1019, 742)));
    EXPECT_TRUE(shape.contains(QPoint(4, 4)));
    EXPECT_TRUE(shape.contains(QPoint(500, 400)));
    EXPECT_TRUE(shape.contains(QPoint(1015, 738)));
}

TEST_F(MainWindowTest, CommandButtonsShowTheirPicturesAndRunTheirHandlers) {
    CreateWindow();
    const QList<TImgBtn*> buttons = window->findChildren<TImgBtn*>();
    ASSERT_EQ(buttons.size(), 17);
    const QList<const TImgBtn*> smallButtons = {window->BtnCopy, window->BtnDelete, window->UndoButton,
                                                window->RedoButton};
    for (const TImgBtn* button : buttons) {
        const std::string name = button->objectName().toStdString();
        EXPECT_FALSE(button->Pic().isNull() || button->PicUp().isNull() || button->PicDown().isNull())
            << name;
        // Every face is drawn at the size it is shown: no button picture is scaled.
        for (const QImage& face : {button->Pic(), button->PicUp(), button->PicDown()}) {
            EXPECT_EQ(face.size(), button->size()) << name;
        }
        // Undo and redo start greyed: there is nothing to undo yet.
        EXPECT_EQ(button->displayed() == button->Pic(), button->isEnabled()) << name;
        EXPECT_EQ(button->isEnabled(), button != window->UndoButton && button != window->RedoButton) << name;
        EXPECT_EQ(button->Transparent, !smallButtons.contains(button)) << name;
    }
    EXPECT_EQ(window->BtnNew->geometry(), QRect(26, 112, 80, 33));
    EXPECT_EQ(window->BtnHelp->geometry(), QRect(26, 432, 80, 33));
    EXPECT_EQ(window->ExportButton->geometry(), QRect(26, 496, 80, 33));
    EXPECT_EQ(window->BtnDelete->geometry(), QRect(69, 80, 30, 30));

    // A click reaches the handler: Delete with one object on the canvas removes it.
    window->show();
    PlaceSolid(QRect(10, 10, 40, 40), qRgb(9, 9, 9));
    QTest::mouseClick(window->BtnDelete, Qt::LeftButton);
    EXPECT_TRUE(window->Card().IsEmpty());
}

TEST_F(MainWindowTest, StartsWithAnEmptyCardOnTheStartBackdropAndTheDefaultMask) {
    CreateWindow();
    const festoon::Composition& card = window->Card();
    EXPECT_TRUE(card.IsEmpty());
    EXPECT_EQ(card.SelectedSlot(), 0);
    // The backdrop stretched over the canvas, the default mask at its file's own size.
    EXPECT_EQ(card.Backdrop().size(), card.CanvasSize());
    EXPECT_EQ(card.CleanBackdrop(), card.Backdrop());
    EXPECT_EQ(window->DefaultMask().size(), TestProgramFolder::StartDefaultMask().size());
    EXPECT_EQ(window->DefaultMask().format(), QImage::Format_BGR888);
}

class WindowDragTest : public WindowFixture, public ::testing::WithParamInterface<Qt::MouseButton> {};

TEST_P(WindowDragTest, MovesTheWindowByThePointerMotion) {
    CreateWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QPoint press(600, 20); // the skin's top strip
    ASSERT_EQ(window->childAt(press), window->Image1);
    QTest::mousePress(window->Image1, GetParam(), {}, press);
    EXPECT_TRUE(window->WindowDrag.dragging);
    QTest::mouseMove(window->Image1, press + QPoint(30, 10));
    QTest::mouseRelease(window->Image1, GetParam(), {}, press + QPoint(30, 10));
    EXPECT_EQ(window->pos(), QPoint(30, 10));
    EXPECT_FALSE(window->WindowDrag.dragging);

    // Without a press, moving does nothing.
    QTest::mouseMove(window->Image1, press + QPoint(80, 80));
    EXPECT_EQ(window->pos(), QPoint(30, 10));
}

INSTANTIATE_TEST_SUITE_P(Buttons, WindowDragTest, ::testing::Values(Qt::LeftButton, Qt::RightButton));

TEST_F(MainWindowTest, TheWindowItselfDragsLikeItsSkin) {
    CreateWindow();
    window->show();
    QTest::mousePress(window.get(), Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseMove(window.get(), QPoint(40, 70));
    QTest::mouseRelease(window.get(), Qt::RightButton, {}, QPoint(40, 70));
    EXPECT_EQ(window->pos(), QPoint(-10, 20));
}

TEST_F(MainWindowTest, FlatButtonsMinimiseAndClose) {
    CreateWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window->FlatButton1, Qt::LeftButton);
    EXPECT_TRUE(window->isMinimized());

    window->showNormal();
    QSignalSpy closed(window.get(), &TFormMain::closed);
    QTest::mouseClick(window->FlatButton2, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

class MissingStartFileTest : public WindowFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingStartFileTest, ConstructionReportsTheFullPath) {
    const QString relative = QString::fromLatin1(GetParam());
    folder.remove(relative);
    try {
        CreateWindow();
        FAIL() << "the window was built without " << GetParam();
    } catch (const festoon::PlatformError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot open file ") + folder.file(relative));
    }
}

INSTANTIATE_TEST_SUITE_P(StartFiles, MissingStartFileTest,
                         ::testing::Values("main/mainx.bmp", "main/mainb.jpg", "main/Defaultmask.jpg"));

TEST_F(MainWindowTest, ABrokenSkinIsReportedNotShown) {
    folder.writeBytes(QStringLiteral("main/mainx.bmp"), QByteArray("BM this is no bitmap"));
    EXPECT_THROW(CreateWindow(), festoon::PlatformError);
}

} // namespace
