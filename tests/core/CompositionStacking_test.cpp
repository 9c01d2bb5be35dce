// The operations on one object wherever it lies: selection, stacking, turning, mirroring, copying and
// deleting from the middle of the stack, and lettering drawn anew in place.
#include "core/Bitmap.h"
#include "core/Composition.h"

#include <gtest/gtest.h>

namespace festoon {
namespace {

class StackingTest : public testing::Test {
  protected:
    StackingTest() {
        for (int i = 0; i < 4; ++i) {
            placed[i] = card.PlaceObject(QRect(10 * i, 10, 30, 20), SolidBitmap(2, 2, qRgb(i, i, i)),
                                         SolidBitmap(1, 1, qRgb(255, 255, 255)));
        }
    }

    QList<int> Stack() const {
        QList<int> stack;
        for (const Layer& layer : card.Layers()) {
            stack.append(layer.slot);
        }
        return stack;
    }

    Composition card{QSize(100, 80), SolidBitmap(1, 1, qRgb(0, 0, 0))};
    int placed[4] = {};
};

TEST_F(StackingTest, RestackingMovesOneStepOrToAnEndAndSelectsTheObject) {
    card.SendBackward(placed[3]);
    EXPECT_EQ(Stack(), (QList<int>{placed[0], placed[1], placed[3], placed[2]}));
    EXPECT_EQ(card.SelectedSlot(), placed[3]);
    EXPECT_TRUE(card.SelectionMarked());
    card.SendToBack(placed[3]);
    card.SendBackward(placed[3]); // already at the bottom
    EXPECT_EQ(Stack(), (QList<int>{placed[3], placed[0], placed[1], placed[2]}));
    card.BringForward(placed[0]);
    EXPECT_EQ(Stack(), (QList<int>{placed[3], placed[1], placed[0], placed[2]}));
    card.BringToFront(placed[3]);
    card.BringForward(placed[3]); // already on top
    EXPECT_EQ(Stack(), (QList<int>{placed[1], placed[0], placed[2], placed[3]}));
    card.BringToFront(42); // no such object
    EXPECT_EQ(card.SelectedSlot(), placed[3]);
}

TEST_F(StackingTest, SelectingKeepsTheStackAndClearingRemovesTheMarks) {
    card.Recompose();
    card.Select(placed[1]);
    EXPECT_EQ(Stack(), (QList<int>{placed[0], placed[1], placed[2], placed[3]}));
    EXPECT_EQ(card.SelectedSlot(), placed[1]);
    EXPECT_TRUE(card.SelectionMarked());
    card.ClearSelection();
    EXPECT_EQ(card.SelectedSlot(), 0);
    EXPECT_FALSE(card.SelectionMarked());
}

TEST_F(StackingTest, TurningAndMirroringKeepTheBoundsAndAskForOneBlend) {
    card.Recompose();
    card.SetAngle(placed[1], -30);
    const Layer* layer = card.LayerInSlot(placed[1]);
    EXPECT_DOUBLE_EQ(layer->angle, 330);
    EXPECT_EQ(layer->blendPasses, 1);
    EXPECT_EQ(layer->bounds, QRect(10, 10, 30, 20));
    card.SetAngle(placed[1], 720 + 15);
    EXPECT_DOUBLE_EQ(card.LayerInSlot(placed[1])->angle, 15);
    // Mirrored as seen, a turned object turns the other way.
    card.Mirror(placed[1], true);
    EXPECT_TRUE(card.LayerInSlot(placed[1])->mirroredAcross);
    EXPECT_DOUBLE_EQ(card.LayerInSlot(placed[1])->angle, 345);
    card.Mirror(placed[1], false);
    card.Mirror(placed[1], true);
    EXPECT_FALSE(card.LayerInSlot(placed[1])->mirroredAcross);
    EXPECT_TRUE(card.LayerInSlot(placed[1])->mirroredUpDown);
    EXPECT_DOUBLE_EQ(card.LayerInSlot(placed[1])->angle, 345); // three mirrors: turned the other way
}

TEST_F(StackingTest, CopyAndDeleteActOnAnObjectInTheMiddle) {
    card.SetAngle(placed[1], 45);
    const int copy = card.CopyObject(placed[1]);
    EXPECT_EQ(card.TopLayer()->slot, copy);
    EXPECT_EQ(card.TopLayer()->bounds, QRect(30, 30, 30, 20));
    EXPECT_DOUBLE_EQ(card.TopLayer()->angle, 45);
    EXPECT_TRUE(card.DeleteObject(placed[1]));
    EXPECT_EQ(Stack(), (QList<int>{placed[0], placed[2], placed[3], copy}));
    EXPECT_EQ(card.SlotName(placed[1]), QStringLiteral("x2"));
    EXPECT_EQ(card.SelectedSlot(), copy);
    EXPECT_FALSE(card.DeleteObject(placed[1]));
}

TEST(LetteringInPlace, KeepsItsCornerStretchAndTurnWhenDrawnAnew) {
    Composition card(QSize(300, 200), SolidBitmap(1, 1, qRgb(0, 0, 0)));
    const Lettering first{.text = QStringLiteral("one"), .font = QFont(), .colour = QColor(1, 2, 3)};
    const int slot = card.PlaceLettering(SolidBitmap(40, 10, qRgb(1, 2, 3)),
                                         SolidBitmap(40, 10, qRgb(255, 255, 255)), first);
    EXPECT_EQ(card.LayerInSlot(slot)->bounds, QRect(14, 10, 40, 10));
    EXPECT_EQ(card.LayerInSlot(slot)->lettering, first);
    card.SetBounds(slot, QRect(50, 60, 80, 30)); // stretched twice across, three times down
    Lettering second = first;
    second.text = QStringLiteral("longer words");
    EXPECT_TRUE(card.ReplaceLettering(slot, SolidBitmap(100, 12, 0), SolidBitmap(100, 12, 0), second));
    EXPECT_EQ(card.LayerInSlot(slot)->bounds, QRect(50, 60, 200, 36));
    EXPECT_EQ(card.LayerInSlot(slot)->lettering, second);
    // Other objects have no lettering to replace.
    const int other = card.PlaceObject(QRect(0, 0, 5, 5), SolidBitmap(1, 1, 0), SolidBitmap(1, 1, 0));
    EXPECT_FALSE(card.ReplaceLettering(other, SolidBitmap(1, 1, 0), SolidBitmap(1, 1, 0), second));
}

TEST(TurnedCardParts, AnAngleOutOfRangeIsRefused) {
    Composition card(QSize(30, 20), SolidBitmap(1, 1, qRgb(0, 0, 0)));
    card.PlaceObject(QRect(0, 0, 5, 5), SolidBitmap(1, 1, 0), SolidBitmap(1, 1, 0));
    CompositionParts parts;
    parts.canvasSize = card.CanvasSize();
    parts.backdrop = card.Backdrop();
    parts.cleanBackdrop = card.CleanBackdrop();
    parts.layers = card.Layers();
    for (int slot = 1; slot <= Composition::kSlotCount; ++slot) {
        parts.slotNames[static_cast<size_t>(slot - 1)] = card.SlotName(slot);
    }
    EXPECT_NO_THROW((void)Composition::FromParts(parts));
    parts.layers[0].angle = 360;
    EXPECT_THROW((void)Composition::FromParts(parts), std::invalid_argument);
    parts.layers[0].angle = -1;
    EXPECT_THROW((void)Composition::FromParts(parts), std::invalid_argument);
}

} // namespace
} // namespace festoon
