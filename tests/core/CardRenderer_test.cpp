// Rendering only what changed: after long random sequences of operations, each brought up to date over
// the rectangles it touched, the rendering is the whole rendering's, byte for byte, the region
// reported changed holds every pixel of the shown canvas that changed, and a shown canvas updated over
// that region only is the whole shown canvas. Also the record of what
// operations touched, and its refusals.
#include "core/BandPool.h"
#include "core/CardRenderer.h"
#include "tests/core/RandomBitmap.h"
#include "tests/core/RandomCards.h"

#include <QRegion>
#include <gtest/gtest.h>

namespace festoon {
namespace {

int Between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

int RandomSlot(std::mt19937& random, const Composition& card) {
    return card.IsEmpty() ? 1 : card.Layers()[Between(random, 0, int(card.Layers().size()) - 1)].slot;
}

// One operation a user could perform, mostly the frequent ones; now and then one that changes
// everything, or a card from earlier in the sequence as undo gives it. Objects are turned, mirrored and
// restacked too, and turned back upright as often, so that sequences pass between cards that render in
// bands and cards that do not.
void RandomOperation(Composition& card, std::mt19937& random, const QList<Composition>& earlier) {
    const QSize canvas = card.CanvasSize();
    switch (Between(random, 0, 26)) {
    case 0:
    case 1:
        PlaceRandomObject(card, random);
        break;
    case 2:
        card.CopyTop();
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        card.SelectAndRaise(RandomSlot(random, card));
        break;
    case 7:
    case 8:
    case 9:
    case 10:
        card.SetBounds(RandomSlot(random, card), RandomBounds(random, canvas));
        break;
    case 11:
        card.SetBounds(RandomSlot(random, card),
                       card.IsEmpty() ? QRect() : card.TopLayer()->bounds.translated(3, -2));
        break;
    case 12:
    case 13:
        card.DeleteTop();
        break;
    case 14:
        card.MaskPhoto(RandomBitmap(Between(random, 1, 40), Between(random, 1, 40), random));
        break;
    case 15:
    case 16:
        card.Recompose();
        break;
    case 17:
        card.LayFrame(RandomBitmap(30, 20, random), RandomBitmap(12, 9, random));
        break;
    case 18:
        if (Between(random, 0, 1) == 0) {
            card.RemoveFrame();
        } else {
            card.SetBackdrop(RandomBitmap(Between(random, 1, 50), Between(random, 1, 50), random));
        }
        break;
    case 19:
        if (!earlier.isEmpty()) {
            card = earlier[Between(random, 0, int(earlier.size()) - 1)];
        }
        break;
    case 20:
    case 21: {
        const int slot = RandomSlot(random, card);
        card.SetAngle(slot, Between(random, 0, 1) == 0 ? 0.0 : Between(random, -180, 180));
        break;
    }
    case 22:
        card.Mirror(RandomSlot(random, card), Between(random, 0, 1) == 0);
        break;
    case 23:
        card.BringForward(RandomSlot(random, card));
        break;
    case 24:
        card.SendBackward(RandomSlot(random, card));
        break;
    case 25:
        card.SendToBack(RandomSlot(random, card));
        break;
    default:
        if (Between(random, 0, 5) == 0) {
            card.ClearForNewTask(QStringLiteral("not"));
        }
        break;
    }
}

void ExpectSameRendering(const RenderedCard& rendered, const RenderedCard& expected) {
    EXPECT_EQ(rendered.composed, expected.composed);
    ASSERT_EQ(rendered.pictures.size(), expected.pictures.size());
    for (qsizetype i = 0; i < expected.pictures.size(); ++i) {
        EXPECT_EQ(rendered.pictures[i], expected.pictures[i]) << "object " << i;
    }
}

// Every pixel where the two shown canvases differ lies in `changed`.
void ExpectChangesInside(const QImage& before, const QImage& after, const QRegion& changed) {
    if (before.size() != after.size()) {
        EXPECT_EQ(changed.boundingRect(), after.rect());
        return;
    }
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y) && !changed.contains(QPoint(x, y))) {
                ADD_FAILURE() << "pixel " << x << ", " << y << " changed outside the region";
                return;
            }
        }
    }
}

class CardRendererTest : public testing::TestWithParam<int> {
  protected:
    void SetUp() override { SetRenderThreads(GetParam()); }
    void TearDown() override { SetRenderThreads(0); }
};

TEST_P(CardRendererTest, LongRandomSequencesRenderWhatTheWholeRenderingGives) {
    std::mt19937 random(GetParam() * 1000 + 15);
    for (int sequence = 0; sequence < 4; ++sequence) {
        Composition card = RandomCard(random, 12, QSize(300, 220));
        CardRenderer renderer;
        renderer.Render(card);
        QImage shown = ShownCanvas(renderer.Rendered(), card);
        QImage updated; // the shown canvas as the window keeps it, brought up to date over what changed
        UpdateShownCanvas(updated, renderer.Rendered(), card, QRegion(shown.rect()));
        QList<Composition> earlier;
        for (int step = 0; step < 150; ++step) {
            SCOPED_TRACE(testing::Message() << "sequence " << sequence << ", step " << step);
            RandomOperation(card, random, earlier);
            earlier.append(card);
            const QRegion changed = renderer.Render(card);
            const RenderedCard expected = RenderCard(card);
            ExpectSameRendering(renderer.Rendered(), expected);
            const QImage nowShown = ShownCanvas(expected, card);
            ExpectChangesInside(shown, nowShown, changed);
            UpdateShownCanvas(updated, renderer.Rendered(), card, changed);
            EXPECT_EQ(updated, nowShown);
            shown = nowShown;
            if (HasFailure()) {
                return;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, CardRendererTest, testing::Values(1, 2));

TEST(CardRendererRegionTest, RaisingASmallObjectRendersOnlyItsBounds) {
    std::mt19937 random(5);
    Composition card(QSize(400, 300), RandomBitmap(40, 30, random));
    card.PlaceObject(QRect(10, 10, 50, 40), RandomBitmap(9, 9, random), RandomBitmap(9, 9, random));
    const int bottom = card.TopLayer()->slot;
    card.PlaceObject(QRect(200, 100, 150, 150), RandomBitmap(9, 9, random), RandomBitmap(9, 9, random));
    CardRenderer renderer;
    EXPECT_EQ(renderer.Render(card), QRegion(0, 0, 400, 300));
    card.SelectAndRaise(bottom);
    // The object raised; the one it replaces as the topmost shows the same picture in the composed canvas.
    EXPECT_EQ(renderer.Render(card), QRegion(10, 10, 50, 40));
    ExpectSameRendering(renderer.Rendered(), RenderCard(card));
    EXPECT_EQ(renderer.Render(card), QRegion()) << "nothing changed";
    card.SetBounds(bottom, QRect(20, 10, 50, 40));
    EXPECT_EQ(renderer.Render(card), QRegion(10, 10, 60, 40));
    card.LayFrame(RandomBitmap(9, 9, random), RandomBitmap(9, 9, random));
    EXPECT_EQ(renderer.Render(card), QRegion(0, 0, 400, 300));
}

TEST(CardChangesTest, ChangesAreKnownOnlyAlongStatedOperationsFromTheCardRendered) {
    CardChanges start;
    start.Touched({QRect(0, 0, 5, 5)}, 1);
    CardChanges later = start;
    later.Touched({QRect(10, 10, 5, 5)}, 2);
    later.Touched({QRect(20, 20, 5, 5)}, 3);
    EXPECT_EQ(later.Since(start, 1, 3), (QList<QRect>{QRect(10, 10, 5, 5), QRect(20, 20, 5, 5)}));
    EXPECT_EQ(later.Since(later, 3, 3), QList<QRect>());
    // Something changed without a statement, on either card.
    EXPECT_EQ(later.Since(start, 1, 4), std::nullopt);
    EXPECT_EQ(later.Since(start, 9, 3), std::nullopt);
    // Going back: the earlier card does not come from the later one.
    EXPECT_EQ(start.Since(later, 3, 1), std::nullopt);
    // A card that branched off: its last statement is unknown to the other.
    CardChanges branch = start;
    branch.Touched({QRect(1, 1, 1, 1)}, 5);
    EXPECT_EQ(later.Since(branch, 5, 3), std::nullopt);
    // Everything touched, or a record without statements.
    CardChanges framed = later;
    framed.TouchedEverything(6);
    EXPECT_EQ(framed.Since(start, 1, 6), std::nullopt);
    EXPECT_EQ(later.Since(CardChanges(), 0, 3), std::nullopt);
}

TEST(CardChangesTest, AViewTooFarBehindRendersEverything) {
    CardChanges start;
    start.Touched({QRect(0, 0, 1, 1)}, 1);
    CardChanges later = start;
    for (qsizetype i = 0; i < CardChanges::kRemembered; ++i) {
        later.Touched({QRect(0, 0, 1, 1)}, 2);
    }
    EXPECT_EQ(later.Since(start, 1, 2), std::nullopt);
}

TEST(CardChangesTest, OverlappingAreasAreJoinedUntilNoneOverlaps) {
    // The third joins the first two only once they are one.
    const std::vector<QRect> areas = DisjointAreas(
        {QRect(0, 0, 10, 10), QRect(8, 8, 10, 10), QRect(15, 0, 4, 4), QRect(50, 50, 1, 1), QRect()});
    EXPECT_EQ(areas, (std::vector<QRect>{QRect(0, 0, 19, 18), QRect(50, 50, 1, 1)}));
}

} // namespace
} // namespace festoon
