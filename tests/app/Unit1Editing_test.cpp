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

    [[nodiscard]] bool ShowsMarks(const TImg* target) const {
        return target->Picture().pixel(0, 0) == kMarkColour;
    }

    TImg* object = nullptr;
};

TEST_F(EditingTest, CursorZonesFollowTheSelectedObject) {
    const struct {
        QPoint point;
        Qt::CursorShape shape;
    } zones[] = {
        {{150, 150}, Qt::SizeAllCursor},   {{296, 150}, Qt::SizeHorCursor}, {{150, 246}, Qt::SizeVerCursor},
        {{296, 246}, Qt::SizeFDiagCursor}, {{100, 150}, Qt::ArrowCursor},   {{300, 150}, Qt::ArrowCursor},
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

TEST_F(EditingTest, RightEdgeDragWidensTheObjectWithoutBlendingDuringTheMove) {
    MoveTo({296, 150});
    Press({296, 150});
    ASSERT_TRUE(window->ImMove->isVisible());
    const qint64 pictureBeforeMove = object->Picture().cacheKey();
    MoveTo({336, 150});
    EXPECT_EQ(window->ImMove->geometry(), QRect(100, 100, 240, 150));
    EXPECT_EQ(object->geometry(), kObjectBounds);
    EXPECT_EQ(object->Picture().cacheKey(), pictureBeforeMove);
    Release({336, 150});

    EXPECT_EQ(object->geometry(), QRect(100, 100, 240, 150));
    EXPECT_EQ(object->Picture().size(), QSize(240, 150));
    EXPECT_FALSE(ShowsMarks(object));
    EXPECT_FALSE(window->ImMove->isVisible());
}

TEST_F(EditingTest, MoveDragKeepsTheSizeAndLetsTheNextPressReachTheObject) {
    Drag({150, 150}, {170, 130});
    EXPECT_EQ(object->geometry(), QRect(120, 80, 200, 150));
    // The editing surface went to the back: the canvas under the pointer is the object itself.
    EXPECT_EQ(window->CanvasArea->childAt(200, 200), object);
}

TEST_F(EditingTest, BottomAndCornerDragsResize) {
    Drag({150, 246}, {150, 266});
    EXPECT_EQ(object->geometry(), QRect(100, 100, 200, 170));
    Press({150, 150}); // selects the object again and brings the surface back
    Release({150, 150});
    Drag({296, 266}, {316, 286});
    EXPECT_EQ(object->geometry(), QRect(100, 100, 220, 190));
}

TEST_F(EditingTest, PressOnTheRightEdgeStartsADragOnePixelFurtherDoesNot) {
    Press({300, 150});
    EXPECT_TRUE(window->EditDragging);
    EXPECT_TRUE(window->ImMove->isVisible());
    Release({300, 150});

    Press({150, 150}); // select again: the surface covers the canvas
    Release({150, 150});
    Press({301, 150});
    EXPECT_FALSE(window->EditDragging);
    EXPECT_FALSE(window->ImMove->isVisible());
    Release({301, 150});
}

TEST_F(EditingTest, ReleaseAfterAMissedPressKeepsTheTopmostObjectWhereItIs) {
    Drag({150, 150}, {170, 130}); // leaves the band at 120, 80
    Press({200, 200});            // selects the object: the next release ends a drag
    Release({200, 200});
    Click(window->BtnCopy); // the copy, at 140, 100, is now topmost and the target of a drag
    TImg* copy = window->LayerList.last();
    Press({600, 500}); // misses the copy
    Release({600, 500});
    EXPECT_EQ(copy->geometry(), QRect(140, 100, 200, 150));
    EXPECT_EQ(object->geometry(), QRect(120, 80, 200, 150));
    // The surface went to the back all the same.
    EXPECT_EQ(window->CanvasArea->childAt(200, 200), copy);
}

TEST_F(EditingTest, ResizeStopsAtTheMinimumSize) {
    Drag({296, 246}, {20, 20});
    EXPECT_EQ(object->size(), QSize(16, 16));
    EXPECT_EQ(object->pos(), QPoint(100, 100));
    EXPECT_EQ(object->Picture().size(), QSize(16, 16));
}

TEST_F(EditingTest, SelectionMarksSitInTheCornersAndEdgeMiddles) {
    ASSERT_TRUE(ShowsMarks(object));
    const QImage& picture = object->Picture();
    const QPoint marks[] = {{0, 0}, {97, 0}, {194, 0}, {0, 72}, {0, 144}, {194, 144}, {194, 72}, {97, 144}};
    for (const QPoint& mark : marks) {
        EXPECT_EQ(picture.pixel(mark), kMarkColour) << mark.x() << "," << mark.y();
        EXPECT_EQ(picture.pixel(mark + QPoint(5, 5)), kMarkColour) << mark.x() << "," << mark.y();
    }
    EXPECT_EQ(picture.pixel(6, 6), qRgb(10, 200, 30));
    EXPECT_EQ(picture.pixel(100, 75), qRgb(10, 200, 30));
}

TEST_F(EditingTest, PressingALowerObjectBringsItToTheTop) {
    TImg* upper = PlaceSolid(QRect(400, 100, 100, 100), qRgb(200, 20, 20));
    Drag({450, 150}, {460, 150}); // sends the surface back
    Press({150, 150});
    Release({150, 150});
    EXPECT_EQ(window->LayerList.last(), object);
    EXPECT_EQ(window->LayerList.size(), 3);
    EXPECT_EQ(window->SelectedSlot, window->SlotOf(object));
    EXPECT_TRUE(ShowsMarks(object));
    EXPECT_FALSE(ShowsMarks(upper));
    EXPECT_FALSE(window->ButtonDown);
}

TEST_F(EditingTest, CopyIsPlacedOffsetWithItsOwnBitmapsOnTopAndSelected) {
    object->setObjectName(QStringLiteral("man1"));
    Click(window->BtnCopy);
    ASSERT_EQ(window->LayerList.size(), 3);
    TImg* copy = window->LayerList.last();
    EXPECT_EQ(window->SlotOf(copy), 2);
    EXPECT_EQ(copy->objectName(), QStringLiteral("man12x"));
    EXPECT_EQ(copy->geometry(), QRect(120, 120, 200, 150));
    EXPECT_EQ(window->SelectedSlot, 2);
    EXPECT_EQ(window->DragSlot, 2);
    EXPECT_TRUE(ShowsMarks(copy));

    object->BMP.fill(Qt::black);
    object->Mask.fill(Qt::black);
    EXPECT_EQ(copy->BMP.pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(copy->Mask.pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(EditingTest, DeleteRemovesTheTopmostObjectsOneByOne) {
    TImg* second = PlaceSolid(QRect(200, 200, 50, 50), qRgb(1, 2, 3));
    TImg* third = PlaceSolid(QRect(300, 300, 50, 50), qRgb(4, 5, 6));

    Click(window->BtnDelete);
    EXPECT_TRUE(third->isHidden());
    EXPECT_EQ(third->objectName(), QStringLiteral("x3"));
    EXPECT_EQ(window->LayerList, (QList<TImg*>{window->ImBackDrop, object, second}));
    EXPECT_EQ(window->SelectedSlot, 2);
    EXPECT_EQ(window->DragSlot, 2);

    Click(window->BtnDelete);
    EXPECT_EQ(second->objectName(), QStringLiteral("x2"));
    EXPECT_EQ(window->LayerList.size(), 2);

    Click(window->BtnDelete);
    Click(window->BtnDelete); // none left: nothing happens
    EXPECT_EQ(window->LayerList, QList<TImg*>{window->ImBackDrop});
    EXPECT_EQ(VisibleObjects(), 0);
    EXPECT_EQ(window->SelectedSlot, 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(EditingTest, DeleteDuringADragLeavesTheNextObjectInPlace) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    TImg* upper = PlaceSolid(QRect(400, 100, 100, 100), qRgb(200, 20, 20));
    MoveTo({450, 150});
    Press({450, 150});
    MoveTo({480, 190});
    QTest::keyClick(window.get(), Qt::Key_Delete);
    Release({480, 190});
    EXPECT_TRUE(upper->isHidden());
    EXPECT_EQ(object->geometry(), kObjectBounds);
    EXPECT_FALSE(window->ImMove->isVisible());
}

TEST_F(EditingTest, DeleteKeyWorksWhileAnotherWindowHasTheFocus) {
    QWidget other;
    other.setGeometry(200, 200, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_Delete);
    EXPECT_TRUE(object->isHidden());
    EXPECT_EQ(window->LayerList.size(), 1);
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
    EXPECT_FALSE(object->isHidden());
}

} // namespace
