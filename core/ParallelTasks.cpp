// A shared counter hands out the tasks; the threads live for one call only.
#include "core/ParallelTasks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace festoon {
namespace {

constexpr int kMostWorkers = 4;

} // namespace

int WorkerCount() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostWorkers);
}

void RunTasks(int count, int workers, const std::function<void(int index, int worker)>& task) {
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr firstError;
    std::mutex errorLock;
    const auto work = [&](int worker) {
        for (int index = next++; index < count && !failed; index = next++) {
            try {
                task(index, worker);
            } catch (...) {
                const std::lock_guard lock(errorLock);
                if (!failed.exchange(true)) {
                    firstError = std::current_exception();
                }
            }
        }
    };
    std::vector<std::thread> threads;
    const int extra = std::min(workers, count) - 1;
    for (int worker = 1; worker <= extra; ++worker) {
        try {
            threads.emplace_back(work, worker);
        } catch (const std::system_error&) {
            break; // fewer threads: the ones running take over the rest
        }
    }
    work(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (firstError) {
        std::rethrow_exception(firstError);
    }
}

} // namespace festoon
