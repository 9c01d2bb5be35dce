// Running independent pieces of work on the machine's cores.
#pragma once

#include <functional>

namespace festoon {

// How many threads file work uses: one per core, at most four.
[[nodiscard]] int WorkerCount();

// Runs task(index, worker) for every index from 0 to count - 1, in order of index, on `workers` threads
// (worker 0 is the calling thread; each worker runs one task at a time). Returns once every task has
// run or been skipped: after a task throws, the tasks not yet started are skipped and the first
// exception is rethrown here.
void RunTasks(int count, int workers, const std::function<void(int index, int worker)>& task);

} // namespace festoon
