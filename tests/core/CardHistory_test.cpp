// Undo and redo over the card: every kind of step comes back exactly, long random runs of steps, undos
// and redos agree with a replay from the start, and the history forgets its oldest steps at its depth.
#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/CardHistory.h"
#include "core/CardRendering.h"
#include "core/Composition.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using festoon::CardHistory;
using festoon::Composition;

constexpr QSize kCanvas(320, 240);

QImage Solid(int w, int h, QRgb colour) {
    return festoon::SolidBitmap(w, h, colour);
}

// A mask with a soft left-to-right ramp, so that blending shows in every pixel.
QImage Ramp(int w, int h) {
    QImage mask = Solid(w, h, qRgb(0, 0, 0));
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const int level = x * 255 / std::max(1, w - 1);
            mask.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return mask;
}

Composition StartCard() {
    Composition card(kCanvas, Solid(40, 30, qRgb(30, 90, 160)));
    card.PlacePhoto(Solid(500, 300, qRgb(200, 150, 100)), Ramp(16, 16));
    card.PlaceArtwork(Solid(90, 60, qRgb(10, 220, 40)), Ramp(90, 60), 2);
    card.PlaceLettering(Ramp(50, 20), QColor(250, 10, 10));
    return card;
}

// One operation a user can perform, with its arguments drawn from `pick`.
using Step = std::function<void(Composition&)>;

Step DrawStep(int kind, std::mt19937& pick) {
    const auto number = [&pick](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(pick);
    };
    const QRgb colour = qRgb(number(0, 255), number(0, 255), number(0, 255));
    switch (kind) {
    case 0: {
        const QImage photo = Solid(number(20, 700), number(20, 700), colour);
        return [photo](Composition& card) { card.PlacePhoto(photo, Ramp(16, 16)); };
    }
    case 1: {
        const int divisor = number(1, 3);
        const QImage picture = Solid(number(10, 120), number(10, 120), colour);
        return [picture, divisor](Composition& card) { card.PlaceArtwork(picture, Ramp(30, 30), divisor); };
    }
    case 2:
        return [colour](Composition& card) { card.PlaceLettering(Ramp(40, 12), QColor(colour)); };
    case 3: {
        const QRect bounds(number(-50, 300), number(-50, 200), number(1, 200), number(1, 200));
        const int which = number(0, 60);
        return [bounds, which](Composition& card) {
            if (!card.IsEmpty()) {
                card.SetBounds(card.Layers()[which % card.Layers().size()].slot, bounds);
            }
        };
    }
    case 4: {
        const int which = number(0, 60);
        return [which](Composition& card) {
            if (!card.IsEmpty()) {
                card.SelectAndRaise(card.Layers()[which % card.Layers().size()].slot);
            }
        };
    }
    case 5:
        return [](Composition& card) { card.CopyTop(); };
    case 6:
        return [](Composition& card) { card.DeleteTop(); };
    case 7:
        return [](Composition& card) { card.MaskPhoto(Ramp(24, 24)); };
    case 8:
        return [colour](Composition& card) { card.LayFrame(Solid(50, 40, colour), Ramp(50, 40)); };
    case 9:
        return [](Composition& card) { card.RemoveFrame(); };
    case 10:
        return [colour](Composition& card) { card.SetBackdrop(Solid(33, 21, colour)); };
    case 11:
        return [](Composition& card) { card.ClearForNewTask(QStringLiteral("Not")); };
    case 12:
        return [](Composition& card) { card.ClearForNewTask(QStringLiteral("not")); };
    default:
        return [](Composition& card) { card.Recompose(); };
    }
}
constexpr int kStepKinds = 14;

QByteArray SavedBytes(const Composition& card) {
    return festoon::EncodeBmp(festoon::CardPicture(card));
}

TEST(CardHistoryTest, EveryKindOfStepIsUndoneAndRedoneExactly) {
    std::mt19937 pick(7);
    for (int kind = 0; kind < kStepKinds; ++kind) {
        SCOPED_TRACE(kind);
        CardHistory history;
        Composition card = StartCard();
        card.LayFrame(Solid(20, 20, qRgb(1, 2, 3)), Ramp(20, 20));
        const Composition before = card;
        const QByteArray savedBefore = SavedBytes(before);
        history.Record(card);
        DrawStep(kind, pick)(card);
        const Composition after = card;
        const QByteArray savedAfter = SavedBytes(after);

        card = history.Undo(card);
        EXPECT_EQ(card, before);
        EXPECT_EQ(SavedBytes(card), savedBefore);
        EXPECT_FALSE(history.CanUndo());
        ASSERT_TRUE(history.CanRedo());
        card = history.Redo(card);
        EXPECT_EQ(card, after);
        EXPECT_EQ(SavedBytes(card), savedAfter);
        EXPECT_FALSE(history.CanRedo());
    }
}

TEST(CardHistoryTest, RandomStepsUndosAndRedosAgreeWithAReplayFromTheStart) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::mt19937 pick(seed);
        CardHistory history;
        Composition card = StartCard();
        std::vector<Step> done;   // the steps that make the current card, in order
        std::vector<Step> undone; // the steps redo would make again, the next last
        for (int round = 0; round < 300; ++round) {
            const int action = std::uniform_int_distribution<int>(0, 9)(pick);
            if (action < 2 && history.CanUndo()) {
                card = history.Undo(card);
                undone.push_back(done.back());
                done.pop_back();
            } else if (action < 4 && history.CanRedo()) {
                card = history.Redo(card);
                done.push_back(undone.back());
                undone.pop_back();
            } else {
                Step step = DrawStep(std::uniform_int_distribution<int>(0, kStepKinds - 1)(pick), pick);
                history.Record(card);
                step(card);
                done.push_back(std::move(step));
                undone.clear();
            }
            if (round % 25 == 24) {
                Composition replay = StartCard();
                for (const Step& step : done) {
                    step(replay);
                }
                ASSERT_EQ(card, replay) << "round " << round;
                ASSERT_EQ(SavedBytes(card), SavedBytes(replay)) << "round " << round;
            }
        }
    }
}

TEST(CardHistoryTest, KeepsItsDepthOfStepsAndSharesThePicturesOfMoves) {
    CardHistory history(200);
    Composition card = StartCard();
    const int slot = card.TopLayer()->slot;
    for (int move = 0; move < 210; ++move) {
        history.Record(card);
        card.SetBounds(slot, QRect(move, move, 30, 30));
    }
    EXPECT_EQ(history.UndoCount(), 200);
    const uchar* pixels = card.TopLayer()->picture.constBits();
    while (history.CanUndo()) {
        card = history.Undo(card);
        EXPECT_EQ(card.LayerInSlot(slot)->picture.constBits(), pixels);
    }
    // The oldest ten moves are forgotten: the earliest card left is the one after them.
    EXPECT_EQ(card.LayerInSlot(slot)->bounds, QRect(9, 9, 30, 30));

    // A new step forgets what could be redone.
    history.Record(card);
    card.DeleteTop();
    EXPECT_FALSE(history.CanRedo());
}

} // namespace
