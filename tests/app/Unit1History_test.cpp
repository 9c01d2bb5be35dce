// Undo and redo on the real main window: a whole drag is one step, the keys act from any window but a
// focused text field, the buttons grey out when there is nothing to do, and a new task can be undone.
#include "tests/app/EditingFixture.h"

#include "platform/Dialogs.h"

#include <QAction>
#include <QLineEdit>

namespace {

const QRect kObjectBounds(100, 100, 200, 150);

class HistoryTest : public EditingFixture {
  protected:
    void SetUp() override {
        EditingFixture::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        object = PlaceSolid(kObjectBounds, qRgb(10, 200, 30));
    }

    void Key(QKeyCombination key) { QTest::keyClick(window.get(), key.key(), key.keyboardModifiers()); }

    int object = 0;
};

TEST_F(HistoryTest, AWholeDragIsOneStepAndUndoRestoresTheCardAndItsPicture) {
    const festoon::Composition before = window->Card();
    const QImage shownBefore = window->ImTouMing->ShownCanvas();
    // Hover, press, three moves, release: the object moves once.
    MoveTo({150, 150});
    Press({150, 150});
    MoveTo({160, 160});
    MoveTo({170, 175});
    MoveTo({190, 200});
    Release({190, 200});
    ASSERT_EQ(LayerIn(object).bounds.topLeft(), QPoint(140, 150));
    const festoon::Composition moved = window->Card();

    Key(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(window->Card(), before);
    EXPECT_EQ(window->ImTouMing->ShownCanvas(), shownBefore);
    Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(window->Card(), moved);
    Key(Qt::CTRL | Qt::Key_Z);
    Key(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(window->Card(), moved);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(HistoryTest, ButtonsAreGreyedWhenThereIsNothingToUndoOrRedo) {
    EXPECT_TRUE(window->UndoButton->isEnabled());
    EXPECT_FALSE(window->RedoButton->isEnabled());
    Click(window->BtnDelete);
    ASSERT_EQ(ObjectCount(), 0);

    Click(window->UndoButton); // the deletion
    EXPECT_EQ(ObjectCount(), 1);
    EXPECT_TRUE(window->RedoButton->isEnabled());
    Click(window->UndoButton); // the placing
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_FALSE(window->UndoButton->isEnabled());
    EXPECT_FALSE(window->UndoAction->isEnabled());
    // A greyed button shows its greyed face and takes no click.
    EXPECT_NE(window->UndoButton->displayed(), window->UndoButton->Pic());
    Click(window->UndoButton);
    EXPECT_EQ(ObjectCount(), 0);

    Click(window->RedoButton);
    Click(window->RedoButton);
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_EQ(window->Card().SlotName(object), QStringLiteral("x1"));
    EXPECT_FALSE(window->RedoButton->isEnabled());
    EXPECT_EQ(window->UndoButton->displayed(), window->UndoButton->Pic());
}

TEST_F(HistoryTest, UndoDuringADragEndsItAndTheReleaseAppliesNothing) {
    const festoon::Composition placed = window->Card();
    const int upper = PlaceSolid(QRect(400, 100, 100, 100), qRgb(200, 20, 20));
    MoveTo({450, 150});
    Press({450, 150});
    MoveTo({480, 190});
    Key(Qt::CTRL | Qt::Key_Z);
    Release({480, 190});
    EXPECT_EQ(window->Card().LayerInSlot(upper), nullptr);
    EXPECT_EQ(window->Card(), placed);
    EXPECT_FALSE(window->ImTouMing->BandVisible());
}

TEST_F(HistoryTest, KeysActFromAnyWindowButAFocusedTextFieldKeepsItsOwnUndo) {
    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(ObjectCount(), 1);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ObjectCount(), 0);
}

TEST_F(HistoryTest, ANewTaskAnsweredNoIsOneStepThatUndoBringsBack) {
    PlaceSolid(QRect(10, 10, 40, 40), qRgb(1, 2, 3));
    const festoon::Composition before = window->Card();
    festoon::DialogScript::AnswerYesNo(false);
    Click(window->BtnNew);
    ASSERT_EQ(ObjectCount(), 0);
    Click(window->UndoButton);
    EXPECT_EQ(window->Card(), before);
}

} // namespace
