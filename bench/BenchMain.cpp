// Runs the benchmarks, then prints each figure as a ratio to its reference from the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Remembers every benchmark's processor and wall seconds per iteration while printing as usual. Processor
// time is compared for work on one thread: on a shared machine the wall clock also counts the time other
// processes held the core. Work spread over the cores is compared by the wall clock a user waits by.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> seconds;
    std::map<std::string, double> wallSeconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
                seconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / unit;
                wallSeconds[run.benchmark_name()] = run.GetAdjustedRealTime() / unit;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

struct Comparison {
    const char* what;
    const char* measured;
    const char* reference;
    const char* meaning;    // how to read the ratio
    bool timeRatio = false; // measured time / reference time, rather than reference time / measured time
    bool wallClock = false; // the wall clock of both, rather than processor time
};

constexpr Comparison kComparisons[] = {
    {"blend throughput vs pixman OVER a8", "BM_MaskBlend", "BM_PixmanOverA8", "x pixman's speed"},
    {"blend throughput vs memory floor", "BM_MaskBlend", "BM_MemoryFloor", "x the floor's speed"},
    {"blend throughput vs memcpy", "BM_MaskBlend", "BM_Memcpy", "x memcpy's speed"},
    {"blend speed-up over the reference", "BM_MaskBlend", "BM_MaskBlendReference", "x the reference"},
    {"render 50 objects vs memory floor", "BM_RenderObjects", "BM_RenderFloor", "x the floor's time", true},
    {"render 50 objects speed-up over plain", "BM_RenderObjects", "BM_RenderObjectsReference", "x plain"},
    {"recompose 50 objects, 1 thread, vs floor", "BM_RecomposeCard/0/1/real_time",
     "BM_RecomposeFloor/0/real_time", "x the floor's time", true, true},
    {"recompose 50 objects, 2 threads, vs floor", "BM_RecomposeCard/0/2/real_time",
     "BM_RecomposeFloor/0/real_time", "x the floor's time", true, true},
    {"recompose 50 objects, 1 to 2 threads", "BM_RecomposeCard/0/2/real_time",
     "BM_RecomposeCard/0/1/real_time", "x as fast", false, true},
    {"4K recompose, 1 thread, vs floor", "BM_RecomposeCard/1/1/real_time", "BM_RecomposeFloor/1/real_time",
     "x the floor's time", true, true},
    {"4K recompose, 2 threads, vs floor", "BM_RecomposeCard/1/2/real_time", "BM_RecomposeFloor/1/real_time",
     "x the floor's time", true, true},
    {"4K recompose, 1 to 2 threads", "BM_RecomposeCard/1/2/real_time", "BM_RecomposeCard/1/1/real_time",
     "x as fast", false, true},
    {"select bottom object, 1 thread, vs recompose", "BM_SelectBottomObject/1/real_time",
     "BM_RecomposeCard/0/1/real_time", "x a whole one's time", true, true},
    {"select bottom object, 2 threads, vs recompose", "BM_SelectBottomObject/2/real_time",
     "BM_RecomposeCard/0/2/real_time", "x a whole one's time", true, true},
    {"live drag frame vs rendering the card again", "BM_LiveDragFrame", "BM_WholeCardFrame", "x its time",
     true},
    {"turned object vs the same upright", "BM_RenderTurned", "BM_RenderUpright", "x its time", true},
    {"turned object speed-up over plain", "BM_RenderTurned", "BM_RenderTurnedReference", "x plain"},
    {"save a card of 50 objects vs its photos as PNG", "BM_SaveCard/full_size:0/iterations:3/real_time",
     "BM_PhotosAsPng/full_size:0/iterations:3/real_time", "x the time of the PNGs", true, true},
    {"save it again after a move vs its photos as PNG", "BM_SaveMovedCard/full_size:0/iterations:3/real_time",
     "BM_PhotosAsPng/full_size:0/iterations:3/real_time", "x the time of the PNGs", true, true},
    {"open a card of 50 objects vs its photos' PNGs", "BM_OpenCard/full_size:0/iterations:3/real_time",
     "BM_PhotosFromPng/full_size:0/iterations:3/real_time", "x the time of the PNGs", true, true},
    {"save, photos kept at 6000 x 4000, vs PNG", "BM_SaveCard/full_size:1/iterations:3/real_time",
     "BM_PhotosAsPng/full_size:1/iterations:3/real_time", "x the time of the PNGs", true, true},
    {"open, photos kept at 6000 x 4000, vs PNG", "BM_OpenCard/full_size:1/iterations:3/real_time",
     "BM_PhotosFromPng/full_size:1/iterations:3/real_time", "x the time of the PNGs", true, true},
    {"stretch skin vs copying its pixels", "BM_StretchSkin", "BM_SkinSizedCopy", "x the copy's speed"},
    {"undo or redo one step vs recomposition", "BM_UndoRedoStep", "BM_HistoryRecompose", "x the time of one",
     true},
    {"region speed-up over strip union", "BM_BitmapToRegion", "BM_BitmapToRegionStripUnion", "x strip union"},
    {"6000 x 4000 preview vs full decode", "BM_Preview6000x4000", "BM_FullDecode6000x4000",
     "x the full decode's time", true},
    {"scan bomb refusal vs 24 MP full decode", "BM_RefuseScanBomb", "BM_FullDecode6000x4000",
     "x the full decode's time", true},
    {"load a 6000 x 4000 photo vs with a full decode", "BM_LoadPhoto6000x4000/real_time",
     "BM_LoadPhotoFullDecode/real_time", "x the full decode's time", true, true},
    {"export 50 objects at 3x vs saving at canvas size", "BM_Export3x/iterations:3/real_time",
     "BM_SaveAtCanvasSize/iterations:3/real_time", "x the save's time", true, true},
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nRatios (processor time per iteration against its reference; wall time for files):\n");
    for (const Comparison& c : kComparisons) {
        const std::map<std::string, double>& times = c.wallClock ? reporter.wallSeconds : reporter.seconds;
        const auto measured = times.find(c.measured);
        const auto reference = times.find(c.reference);
        if (measured == times.end() || reference == times.end()) {
            continue;
        }
        const double ratio =
            c.timeRatio ? measured->second / reference->second : reference->second / measured->second;
        std::printf("  %-40s %6.2f %s  (%.2f ms against %.2f ms)\n", c.what, ratio, c.meaning,
                    measured->second * 1e3, reference->second * 1e3);
    }
    return 0;
}
