// Mouse editing on the real main window: cursor zones, dragging with the rubber band, selection marks,
// copying and deleting (buttons and the application-wide Delete key).
#include "tests/app/EditingFixture.h"

#include <QLineEdit>

namespace {

const QRect kObjectBounds(100, 100, 200, 150);

class EditingTest : public EditingFixture {
  protected:
    void SetUp() override {
        EditingFixture::SetUp();
        object = PlaceSolid(kObjectBounds, qRgb(10, 200, 30));
    }

    [[nodiscard]] QRect Bounds(int slot) const { return LayerIn(slot).bounds; }

    int object = 0;
};

TEST_F(EditingTest, CursorZonesFollowTheSelectedObject) {
    const struct {
        QPoint point;
        Qt::CursorShape shape;
    } zones[] = {
        {{150, 150}, Qt::SizeAllCursor},   {{296, 150}, Qt::SizeHorCursor},
        {{150, 246}, Qt::SizeVerCursor},   {{296, 246}, Qt::SizeFDiagCursor},
        {{100, 150}, Qt::SizeHorCursor},   {{300, 150}, Qt::ArrowCursor},
        {{99, 150}, Qt::ArrowCursor},      {{150, 103}, Qt::SizeVerCursor},
        {{102, 103}, Qt::SizeFDiagCursor}, {{297, 102}, Qt::SizeBDiagCursor},
        {{103, 247}, Qt::SizeBDiagCursor},
    };
    for (const auto& zone : zones) {
        MoveTo(zone.point);
        EXPECT_EQ(SurfaceCursor(), zone.shape) << zone.point.x() << "," << zone.point.y();
    }
    // The column L + W - 7 belongs to no zone: the shape stays as it was.
    MoveTo({150, 150});
    MoveTo({293, 150});
    EXPECT_EQ(SurfaceCursor(), Qt::SizeAllCursor);
    MoveTo({296, 150});
    MoveTo({293, 150});
    EXPECT_EQ(SurfaceCursor(), Qt::SizeHorCursor);
}

TEST_F(EditingTest, RightEdgeDragWidensTheObjectLiveAndTheReleasePutsItInPlace) {
    MoveTo({296, 150});
    Press({296, 150});
    ASSERT_TRUE(window->ImTouMing->BandVisible());
    MoveTo({336, 150});
    EXPECT_EQ(window->ImTouMing->Band(), QRect(100, 100, 240, 150));
    EXPECT_EQ(Bounds(object), kObjectBounds);
    // The object itself follows the pointer, drawn over what lies beneath.
    ASSERT_TRUE(window->ImTouMing->LivePieceVisible());
    EXPECT_EQ(window->ImTouMing->LivePiece().size(), QSize(240, 150));
    EXPECT_EQ(window->ImTouMing->LivePiecePosition(), QPoint(100, 100));
    EXPECT_EQ(window->ImTouMing->LivePiece().pixel(230, 10), qRgb(10, 200, 30));
    Release({336, 150});
    EXPECT_FALSE(window->ImTouMing->LivePieceVisible());

    EXPECT_EQ(Bounds(object), QRect(100, 100, 240, 150));
    EXPECT_EQ(window->RenderedCard().pictures.last().size(), QSize(240, 150));
    EXPECT_EQ(Shown({338, 150}), qRgb(10, 200, 30));
    EXPECT_FALSE(ShowsMarks(object));
    EXPECT_FALSE(window->ImTouMing->BandVisible());
}

TEST_F(EditingTest, MoveDragKeepsTheSizeAndLetsTheNextPressReachALowerObject) {
    const int lower = object;
    const int upper = PlaceSolid(QRect(400, 100, 100, 100), qRgb(200, 20, 20));
    Drag({450, 150}, {470, 130});
    EXPECT_EQ(Bounds(upper), QRect(420, 80, 100, 100));
    // A press on the lower object selects it.
    ClickAt({200, 200});
    EXPECT_EQ(window->Card().TopLayer()->slot, lower);
    EXPECT_EQ(window->Card().SelectedSlot(), lower);
}

TEST_F(EditingTest, BottomAndCornerDragsResize) {
    Drag({150, 246}, {150, 266});
    EXPECT_EQ(Bounds(object), QRect(100, 100, 200, 170));
    ClickAt({150, 150}); // the selected object keeps its place; the click shows its marks again
    Drag({296, 266}, {316, 286});
    EXPECT_EQ(Bounds(object), QRect(100, 100, 220, 190));
}

TEST_F(EditingTest, PressOnTheLastColumnStartsADragBesideTheObjectClearsTheSelection) {
    Press({299, 150});
    EXPECT_TRUE(window->EditDragging);
    EXPECT_TRUE(window->ImTouMing->BandVisible());
    Release({299, 150});
    EXPECT_EQ(window->Card().SelectedSlot(), object);

    Press({300, 150});
    EXPECT_FALSE(window->EditDragging);
    EXPECT_FALSE(window->ImTouMing->BandVisible());
    Release({300, 150});
    EXPECT_EQ(window->Card().SelectedSlot(), 0);
    EXPECT_FALSE(ShowsMarks(object));
}

TEST_F(EditingTest, ReleaseAfterAMissedPressKeepsTheTopmostObjectWhereItIs) {
    Drag({150, 150}, {170, 130}); // leaves the band at 120, 80
    ClickAt({200, 200});          // selects the object: the next release ends a drag
    Click(window->BtnCopy);       // the copy, at 140, 100, is now topmost and the target of a drag
    const int copy = window->Card().TopLayer()->slot;
    ClickAt({600, 500}); // misses the copy
    EXPECT_EQ(Bounds(copy), QRect(140, 100, 200, 150));
    EXPECT_EQ(Bounds(object), QRect(120, 80, 200, 150));
    // A press on the object selects it.
    ClickAt({125, 85});
    EXPECT_EQ(window->Card().TopLayer()->slot, object);
}

TEST_F(EditingTest, ResizeStopsAtTheMinimumSize) {
    Drag({296, 246}, {20, 20});
    EXPECT_EQ(Bounds(object), QRect(100, 100, 16, 16));
    EXPECT_EQ(window->RenderedCard().pictures.last().size(), QSize(16, 16));
}

TEST_F(EditingTest, SelectionMarksSitInTheCornersAndEdgeMiddles) {
    ASSERT_TRUE(ShowsMarks(object));
    const QPoint marks[] = {{0, 0}, {97, 0}, {194, 0}, {0, 72}, {0, 144}, {194, 144}, {194, 72}, {97, 144}};
    const QPoint origin = kObjectBounds.topLeft();
    for (const QPoint& mark : marks) {
        EXPECT_EQ(Shown(origin + mark), kMarkColour) << mark.x() << "," << mark.y();
        EXPECT_EQ(Shown(origin + mark + QPoint(5, 5)), kMarkColour) << mark.x() << "," << mark.y();
    }
    EXPECT_EQ(Shown(origin + QPoint(6, 6)), qRgb(10, 200, 30));
    EXPECT_EQ(Shown(origin + QPoint(100, 75)), qRgb(10, 200, 30));
    // Marks never reach past their object.
    EXPECT_NE(Shown(origin + QPoint(-1, 0)), kMarkColour);
    EXPECT_NE(Shown(origin + QPoint(200, 0)), kMarkColour);
}

TEST_F(EditingTest, PressingALowerObjectBringsItToTheTop) {
    const int upper = PlaceSolid(QRect(400, 100, 100, 100), qRgb(200, 20, 20));
    Drag({450, 150}, {460, 150});
    ClickAt({150, 150});
    EXPECT_EQ(Stack(), (QList<int>{upper, object}));
    EXPECT_EQ(window->Card().SelectedSlot(), object);
    EXPECT_TRUE(ShowsMarks(object));
    EXPECT_FALSE(ShowsMarks(upper));
    EXPECT_FALSE(window->ButtonDown);
}

TEST_F(EditingTest, CopyIsPlacedOffsetWithItsOwnBitmapsOnTopAndSelected) {
    Click(window->BtnCopy);
    ASSERT_EQ(ObjectCount(), 2);
    const festoon::Layer& copy = *window->Card().TopLayer();
    EXPECT_EQ(copy.slot, 2);
    EXPECT_EQ(copy.name, QStringLiteral("d12x"));
    EXPECT_EQ(copy.bounds, QRect(120, 120, 200, 150));
    EXPECT_EQ(window->Card().SelectedSlot(), 2);
    EXPECT_EQ(window->DragSlot, 2);
    EXPECT_TRUE(ShowsMarks(2));
    EXPECT_EQ(Shown({310, 260}), qRgb(10, 200, 30));
}

TEST_F(EditingTest, DeleteRemovesTheTopmostObjectsOneByOne) {
    const int second = PlaceSolid(QRect(200, 200, 50, 50), qRgb(1, 2, 3));
    const int third = PlaceSolid(QRect(300, 300, 50, 50), qRgb(4, 5, 6));

    Click(window->BtnDelete);
    EXPECT_EQ(window->Card().SlotName(third), QStringLiteral("x3"));
    EXPECT_EQ(Stack(), (QList<int>{object, second}));
    EXPECT_NE(Shown({310, 310}), qRgb(4, 5, 6));
    EXPECT_EQ(window->Card().SelectedSlot(), 2);
    EXPECT_EQ(window->DragSlot, 2);

    Click(window->BtnDelete);
    EXPECT_EQ(window->Card().SlotName(second), QStringLiteral("x2"));
    EXPECT_EQ(ObjectCount(), 1);

    Click(window->BtnDelete);
    Click(window->BtnDelete); // none left: nothing happens
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_EQ(window->Card().SelectedSlot(), 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(EditingTest, DeleteDuringADragLeavesTheNextObjectInPlace) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const int upper = PlaceSolid(QRect(400, 100, 100, 100), qRgb(200, 20, 20));
    MoveTo({450, 150});
    Press({450, 150});
    MoveTo({480, 190});
    QTest::keyClick(window.get(), Qt::Key_Delete);
    Release({480, 190});
    EXPECT_EQ(window->Card().LayerInSlot(upper), nullptr);
    EXPECT_EQ(Bounds(object), kObjectBounds);
    EXPECT_FALSE(window->ImTouMing->BandVisible());
}

TEST_F(EditingTest, DeleteKeyWorksWhileAnotherWindowHasTheFocus) {
    QWidget other;
    other.setGeometry(200, 200, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_Delete);
    EXPECT_EQ(ObjectCount(), 0);
}

TEST_F(EditingTest, FocusedTextFieldKeepsItsDeleteKey) {
    QLineEdit edit;
    edit.setText(QStringLiteral("abc"));
    edit.show();
    edit.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
    edit.setFocus();
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), QStringLiteral("bc"));
    EXPECT_EQ(ObjectCount(), 1);
}

} // namespace
