// The banded rendering on any number of threads against the plain rendering of whole objects, on
// seeded random cards; the bands themselves; and the render threads' hand-out of work.
#include "core/BandPool.h"
#include "core/CardBands.h"
#include "tests/core/RandomBitmap.h"
#include "tests/core/RandomCards.h"
#include "tests/reference/CardRenderingReference.h"

#include <QRegion>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

namespace festoon {
namespace {

// Sets the render threads for one test and goes back to the default after it.
class ThreadsGuard {
  public:
    explicit ThreadsGuard(int threads) { SetRenderThreads(threads); }
    ThreadsGuard(const ThreadsGuard&) = delete;
    ThreadsGuard& operator=(const ThreadsGuard&) = delete;
    ~ThreadsGuard() { SetRenderThreads(0); }
};

void ExpectSameRendering(const RenderedCard& rendered, const RenderedCard& expected) {
    EXPECT_EQ(rendered.composed, expected.composed);
    ASSERT_EQ(rendered.pictures.size(), expected.pictures.size());
    for (qsizetype i = 0; i < expected.pictures.size(); ++i) {
        EXPECT_EQ(rendered.pictures[i], expected.pictures[i]) << "object " << i;
    }
}

TEST(ParallelRenderingTest, RandomCardsGiveTheBytesOfThePlainRenderingOnAnyNumberOfThreads) {
    std::mt19937 random(2026);
    for (int card = 0; card < 24; ++card) {
        const Composition composition = RandomCard(random, 40, QSize(500, 360));
        const RenderedCard expected = RenderCardReference(composition);
        for (const int threads : {1, 2, 3, 8}) {
            const ThreadsGuard guard(threads);
            SCOPED_TRACE(testing::Message() << "card " << card << ", " << threads << " threads");
            ExpectSameRendering(RenderCard(composition), expected);
        }
    }
}

TEST(ParallelRenderingTest, ACanvasOfOneRowAndOneOfOneColumnAreRenderedWhole) {
    std::mt19937 random(7);
    const ThreadsGuard guard(4);
    for (const QSize canvas : {QSize(300, 1), QSize(1, 300)}) {
        Composition card(canvas, RandomBitmap(5, 5, random));
        for (int i = 0; i < 6; ++i) {
            PlaceRandomObject(card, random);
        }
        ExpectSameRendering(RenderCard(card), RenderCardReference(card));
    }
}

TEST(CardBandsTest, BandsCoverEachAreaExactlyOnce) {
    const std::vector<QRect> areas = {QRect(0, 0, 800, 600), QRect(900, -50, 40, 700), QRect(0, 700, 5, 1)};
    const std::vector<QRect> objects = {QRect(10, 10, 400, 400), QRect(0, 500, 800, 100),
                                        QRect(900, 0, 40, 40)};
    for (const int threads : {1, 2, 5}) {
        const std::vector<QRect> bands = SplitIntoBands(areas, QRect(0, 0, 1000, 650), objects, threads);
        QRegion covered;
        qint64 area = 0;
        for (const QRect& band : bands) {
            covered += band;
            area += qint64(band.width()) * band.height();
        }
        qint64 expected = 0;
        QRegion whole;
        for (const QRect& a : areas) {
            whole += a;
            expected += qint64(a.width()) * a.height();
        }
        EXPECT_EQ(covered, whole) << threads << " threads";
        EXPECT_EQ(area, expected) << threads << " threads"; // no pixel in two bands
        EXPECT_GE(bands.size(), size_t(threads)) << "every thread has a band";
    }
}

TEST(CardBandsTest, RowsCrowdedWithObjectsGetNarrowerBands) {
    // The top 100 rows carry ten objects, the rest only the canvas.
    std::vector<QRect> objects(10, QRect(0, 0, 1000, 100));
    const std::vector<QRect> bands =
        SplitIntoBands({QRect(0, 0, 1000, 1000)}, QRect(0, 0, 1000, 1000), objects, 2);
    ASSERT_GT(bands.size(), 2u);
    EXPECT_LT(bands.front().height(), bands.back().height());
}

TEST(BandPoolTest, EveryTaskRunsOnceWhateverTheThreads) {
    for (const int threads : {1, 2, 4}) {
        const ThreadsGuard guard(threads);
        std::vector<std::atomic<int>> runs(257);
        for (int round = 0; round < 20; ++round) {
            RunOnRenderThreads(257, [&](int index) { ++runs[static_cast<size_t>(index)]; });
        }
        for (const std::atomic<int>& count : runs) {
            EXPECT_EQ(count.load(), 20);
        }
    }
}

TEST(BandPoolTest, ATaskThatThrowsIsReportedAndTheNextCallRunsNormally) {
    const ThreadsGuard guard(2);
    EXPECT_THROW(RunOnRenderThreads(100,
                                    [](int index) {
                                        if (index == 37) {
                                            throw std::runtime_error("no memory");
                                        }
                                    }),
                 std::runtime_error);
    std::atomic<int> runs = 0;
    RunOnRenderThreads(50, [&](int) { ++runs; });
    EXPECT_EQ(runs.load(), 50);
}

TEST(BandPoolTest, CallsFromTwoThreadsAndFromInsideATaskAllComplete) {
    const ThreadsGuard guard(2);
    std::atomic<int> runs = 0;
    const auto nested = [&] {
        for (int round = 0; round < 50; ++round) {
            RunOnRenderThreads(8, [&](int) { RunOnRenderThreads(4, [&](int) { ++runs; }); });
        }
    };
    std::thread other(nested);
    nested();
    other.join();
    EXPECT_EQ(runs.load(), 2 * 50 * 8 * 4);
}

TEST(BandPoolTest, TheThreadsComeFromTheSettingElseOneAtLeast) {
    SetRenderThreads(3);
    EXPECT_EQ(RenderThreads(), 3);
    SetRenderThreads(0);
    EXPECT_GE(RenderThreads(), 1);
    SetRenderThreads(1000);
    EXPECT_EQ(RenderThreads(), kMostRenderThreads);
    SetRenderThreads(0);
}

} // namespace
} // namespace festoon
