// The threads a rendering's bands run on: a few workers made once and kept for the life of the
// program, so that a recomposition hands out work instead of starting threads.
#pragma once

#include <functional>

namespace festoon {

// How many threads a rendering uses: the number set by SetRenderThreads, else the environment variable
// FESTOON_RENDER_THREADS, else one per core (at most kMostRenderThreads). Always at least one.
[[nodiscard]] int RenderThreads();
// Sets the number of threads renderings use from now on; 0 goes back to the environment or the cores.
void SetRenderThreads(int threads);

inline constexpr int kMostRenderThreads = 16;

// Runs task(index) for every index from 0 to count - 1 on RenderThreads() threads, the calling thread
// among them, and returns once all have run. Tasks are handed out in order of index, each to the next
// free thread. With one thread, or while another call is running (a rendering on a second thread, or a
// task that renders), every task runs on the calling thread, in order. After a task throws, the tasks
// not yet started are skipped and the first exception is rethrown here.
void RunOnRenderThreads(int count, const std::function<void(int index)>& task);

} // namespace festoon
