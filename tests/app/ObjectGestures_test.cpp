// The editing gestures as a user makes them on the real main window: one press selects what shows under
// the pointer and drags it, the handles resize from every side (Shift keeps the proportions), the turn
// handle turns, the keys nudge and restack, the right-click menu acts on the object clicked, and
// lettering opens again in the text palette. Each gesture is one step of the history.
#include "app/SelectionMarks.h"
#include "catalogs/Palettes.h"
#include "catalogs/UnitText.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatEditUnit.h"
#include "core/TurnGeometry.h"
#include "tests/app/EditingFixture.h"

#include <QAction>
#include <QMenu>

namespace {

const QRect kLowerBounds(100, 100, 200, 150);
const QRect kUpperBounds(250, 150, 120, 100);

class GestureTest : public EditingFixture {
  protected:
    void SetUp() override {
        EditingFixture::SetUp();
        lower = PlaceSolid(kLowerBounds, qRgb(10, 200, 30));
        upper = PlaceSolid(kUpperBounds, qRgb(200, 20, 20));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    [[nodiscard]] QRect Bounds(int slot) const { return LayerIn(slot).bounds; }
    [[nodiscard]] qsizetype Steps() const { return window->History().UndoCount(); }

    void ShiftDrag(QPoint from, QPoint to) {
        MoveTo(from);
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::ShiftModifier, OnWindow(from));
        QTest::mouseEvent(QTest::MouseMove, window->windowHandle(), Qt::NoButton, Qt::ShiftModifier,
                          OnWindow(to));
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::ShiftModifier, OnWindow(to));
    }

    void Key(QKeyCombination key) { QTest::keyClick(window.get(), key.key(), key.keyboardModifiers()); }

    int lower = 0;
    int upper = 0;
};

TEST_F(GestureTest, OnePressSelectsAnotherObjectAndDragsItAsOneStep) {
    const festoon::Composition before = window->Card();
    const qsizetype steps = Steps();
    Drag({150, 150}, {170, 190});
    EXPECT_EQ(Bounds(lower), kLowerBounds.translated(20, 40));
    EXPECT_EQ(Stack(), (QList<int>{upper, lower}));
    EXPECT_EQ(window->Card().SelectedSlot(), lower);
    EXPECT_EQ(Steps(), steps + 1);
    window->Undo();
    EXPECT_EQ(window->Card(), before);
}

TEST_F(GestureTest, APressOnTheSelectedObjectKeepsItsPlaceInTheStack) {
    window->SendBackward(); // the upper object goes beneath the lower one, still selected
    ASSERT_EQ(Stack(), (QList<int>{upper, lower}));
    // Its handles still work where the lower object covers it: its bottom-left corner.
    Drag({252, 247}, {232, 267});
    EXPECT_EQ(Bounds(upper), QRect(230, 150, 140, 120));
    EXPECT_EQ(Stack(), (QList<int>{upper, lower}));
}

TEST_F(GestureTest, TransparentPartsLetThePressReachBeneathAndBareBackdropClears) {
    QImage halfMask = SolidPicture(2, 1, qRgb(0, 0, 0));
    halfMask.setPixel(0, 0, qRgb(255, 255, 255));
    window->PlaceObject(QRect(120, 120, 100, 60), SolidPicture(4, 4, qRgb(0, 0, 200)), halfMask);
    const int halfShown = window->Card().SelectedSlot();
    ClickAt({200, 150}); // the transparent right half, over the lower object
    EXPECT_EQ(window->Card().SelectedSlot(), lower);
    EXPECT_EQ(window->Card().TopLayer()->slot, lower);
    ClickAt({600, 400});
    EXPECT_EQ(window->Card().SelectedSlot(), 0);
    EXPECT_FALSE(ShowsMarks(halfShown));
    EXPECT_FALSE(window->Card().SelectionMarked());
}

TEST_F(GestureTest, TheLeftAndTopHandlesResizeFromTheirSide) {
    ClickAt({150, 150});
    Drag({102, 170}, {72, 170});
    EXPECT_EQ(Bounds(lower), QRect(70, 100, 230, 150));
    Drag({150, 102}, {150, 132});
    EXPECT_EQ(Bounds(lower), QRect(70, 130, 230, 120));
    Drag({72, 132}, {92, 162}); // the top-left corner
    EXPECT_EQ(Bounds(lower), QRect(90, 160, 210, 90));
}

TEST_F(GestureTest, ShiftKeepsTheProportionsOfAResize) {
    ClickAt({150, 150});
    ShiftDrag({102, 170}, {2, 170}); // the left edge, 100 pixels out: half as wide again
    EXPECT_EQ(Bounds(lower), QRect(0, 62, 300, 225));
    ShiftDrag({297, 284}, {397, 294}); // the bottom-right corner: the larger change leads
    EXPECT_EQ(Bounds(lower), QRect(0, 62, 400, 300));
}

TEST_F(GestureTest, EachHandleShowsItsResizeCursor) {
    const struct {
        QPoint point;
        Qt::CursorShape shape;
    } handles[] = {{{252, 152}, Qt::SizeFDiagCursor}, {{310, 152}, Qt::SizeVerCursor},
                   {{367, 152}, Qt::SizeBDiagCursor}, {{252, 200}, Qt::SizeHorCursor},
                   {{367, 200}, Qt::SizeHorCursor},   {{252, 247}, Qt::SizeBDiagCursor},
                   {{310, 247}, Qt::SizeVerCursor},   {{367, 247}, Qt::SizeFDiagCursor},
                   {{310, 200}, Qt::SizeAllCursor},   {{150, 150}, Qt::SizeAllCursor},
                   {{600, 400}, Qt::ArrowCursor}};
    for (const auto& handle : handles) {
        MoveTo(handle.point);
        EXPECT_EQ(SurfaceCursor(), handle.shape) << handle.point.x() << "," << handle.point.y();
    }
}

TEST_F(GestureTest, ArrowKeysNudgeTheSelectedObjectOneStepEach) {
    const qsizetype steps = Steps();
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    Key(Qt::SHIFT | Qt::Key_Left);
    EXPECT_EQ(Bounds(upper), kUpperBounds.translated(-9, -1));
    EXPECT_TRUE(ShowsMarks(upper));
    EXPECT_EQ(Steps(), steps + 3);
    ClickAt({600, 400});
    Key(Qt::Key_Down); // nothing selected
    EXPECT_EQ(Bounds(upper), kUpperBounds.translated(-9, -1));
}

TEST_F(GestureTest, TheTurnHandleTurnsAboutTheCentreAndShiftSnaps) {
    const festoon::Placement placement{.bounds = kUpperBounds};
    const QPoint handle = TurnHandleCentre(placement).toPoint();
    const QPoint centre = kUpperBounds.center() + QPoint(1, 1);
    MoveTo(handle);
    EXPECT_EQ(SurfaceCursor(), Qt::CrossCursor);
    // From straight above the centre to straight right of it: a quarter turn clockwise.
    Drag(handle, centre + QPoint(80, 0));
    EXPECT_NEAR(LayerIn(upper).angle, 90, 0.5);
    EXPECT_EQ(Bounds(upper), kUpperBounds);
    EXPECT_TRUE(window->Card().SelectionMarked());
    // The turned object is hit where it now shows: above its centre, beyond its upright bounds.
    EXPECT_EQ(window->Card().SelectedSlot(), upper);
    const QPoint turnedHandle =
        TurnHandleCentre({.bounds = kUpperBounds, .angle = LayerIn(upper).angle}).toPoint();
    ShiftDrag(turnedHandle, centre + QPoint(40, 80)); // about 63 degrees further: snaps to 60
    EXPECT_DOUBLE_EQ(LayerIn(upper).angle, 150);
}

TEST_F(GestureTest, PageKeysAndTheMenuRestack) {
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Stack(), (QList<int>{upper, lower}));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Stack(), (QList<int>{lower, upper}));

    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, OnWindow({150, 150}));
    QMenu* menu = window->ObjectMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(window->Card().SelectedSlot(), lower);
    EXPECT_EQ(Stack(), (QList<int>{lower, upper})); // a right-click does not raise
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            names << action->objectName();
        }
    }
    EXPECT_EQ(names,
              (QStringList{"BringToFront", "BringForward", "SendBackward", "SendToBack", "Copy", "Delete",
                           "FlipHorizontally", "FlipVertically", "RotateLeft", "RotateRight"}));
    EXPECT_FALSE(menu->findChild<QAction*>("SendToBack")->isEnabled());
    menu->findChild<QAction*>("BringToFront")->trigger();
    menu->close();
    EXPECT_EQ(Stack(), (QList<int>{upper, lower}));
}

TEST_F(GestureTest, MenuFlipsTurnsCopiesAndDeletesTheObjectClicked) {
    const auto command = [this](QPoint at, const char* name) {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, OnWindow(at));
        ASSERT_NE(window->ObjectMenu(), nullptr);
        window->ObjectMenu()->findChild<QAction*>(name)->trigger();
        window->ObjectMenu()->close();
    };
    command({150, 150}, "FlipHorizontally");
    EXPECT_TRUE(LayerIn(lower).mirroredAcross);
    command({150, 150}, "RotateRight");
    command({150, 150}, "RotateRight");
    command({150, 150}, "RotateLeft");
    EXPECT_DOUBLE_EQ(LayerIn(lower).angle, 90);
    const qsizetype count = ObjectCount();
    command({150, 150}, "Copy");
    EXPECT_EQ(ObjectCount(), count + 1);
    EXPECT_DOUBLE_EQ(window->Card().TopLayer()->angle, 90);
    command({300, 200}, "Delete"); // the upper object: the turned copy ends left of it
    EXPECT_EQ(window->Card().LayerInSlot(upper), nullptr);
}

class LetteringEditTest : public GestureTest {
  protected:
    void SetUp() override {
        GestureTest::SetUp();
        CreatePalettes({window.get(), window.get(), &window->WindowDrag});
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(40);
        window->PlaceLettering({QStringLiteral("Hello"), font, QColor(250, 250, 0)});
        lettering = window->Card().SelectedSlot();
    }
    void TearDown() override {
        DestroyPalettes();
        GestureTest::TearDown();
    }
    // A pixel of the canvas where the words show.
    [[nodiscard]] QPoint OnTheWords() const {
        const festoon::Layer& layer = LayerIn(lettering);
        for (int y = 0; y < layer.mask.height(); ++y) {
            for (int x = 0; x < layer.mask.width(); ++x) {
                if (qGray(layer.mask.pixel(x, y)) > 200) {
                    return layer.bounds.topLeft() + QPoint(x, y);
                }
            }
        }
        ADD_FAILURE() << "no words shown";
        return {};
    }
    int lettering = 0;
};

TEST_F(LetteringEditTest, DoubleClickOpensTheWordsAndOkReplacesThemInPlace) {
    const QRect placed = Bounds(lettering);
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, OnWindow(OnTheWords()));
    ASSERT_TRUE(FormText->isVisible());
    EXPECT_EQ(FormText->EditedSlot(), lettering);
    EXPECT_EQ(FormText->Words(), QStringLiteral("Hello"));
    EXPECT_EQ(FormText->FontDialog1.Color, QColor(250, 250, 0));

    FormText->FlatEdit1->setText(QStringLiteral("Hello again"));
    festoon::DialogScript::AnswerFont(std::pair{FormText->FontDialog1.Font, QColor(0, 0, 255)});
    const qsizetype steps = Steps();
    QTest::mouseClick(FormText->FlatButton1, Qt::LeftButton, {}, QPoint(40, 11));
    const festoon::Layer& edited = LayerIn(lettering);
    EXPECT_EQ(edited.lettering->text, QStringLiteral("Hello again"));
    EXPECT_EQ(edited.lettering->colour, QColor(0, 0, 255));
    EXPECT_EQ(edited.bounds.topLeft(), placed.topLeft());
    EXPECT_GT(edited.bounds.width(), placed.width());
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(FormText->EditedSlot(), 0);
}

TEST_F(LetteringEditTest, CancelLeavesTheLetteringAndCtrlEnterBreaksTheLine) {
    window->EditLettering(lettering);
    FormText->activateWindow();
    FormText->FlatEdit1->setFocus();
    FormText->FlatEdit1->end(false);
    QTest::keyClick(FormText->FlatEdit1, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(FormText->FlatEdit1, "world");
    EXPECT_EQ(FormText->Words(), QStringLiteral("Hello\nworld"));
    const festoon::Composition before = window->Card();
    QTest::mouseClick(FormText->FlatButton2, Qt::LeftButton, {}, QPoint(40, 11));
    EXPECT_EQ(window->Card(), before);
    EXPECT_EQ(FormText->EditedSlot(), 0);
}

} // namespace
