// The render threads: workers wait on a condition variable for the next job; a job is a count of tasks
// handed out through a shared counter, the calling thread working through them too.
#include "core/BandPool.h"

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace festoon {
namespace {

std::atomic<int> threadsSet{0};

int ThreadsFromEnvironment() {
    bool ok = false;
    const int threads = qEnvironmentVariableIntValue("FESTOON_RENDER_THREADS", &ok);
    return ok && threads > 0 ? threads : 0;
}

struct Job {
    Job(const std::function<void(int)>& work, int tasks) : task(work), count(tasks) {}

    const std::function<void(int)>& task;
    const int count;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr firstError;
    std::mutex errorLock;
    int active = 0; // workers inside the job; guarded by the pool's mutex
};

void Work(Job& job) {
    for (int index = job.next++; index < job.count && !job.failed; index = job.next++) {
        try {
            job.task(index);
        } catch (...) {
            const std::lock_guard lock(job.errorLock);
            if (!job.failed.exchange(true)) {
                job.firstError = std::current_exception();
            }
        }
    }
}

class BandPool {
  public:
    BandPool() = default;
    BandPool(const BandPool&) = delete;
    BandPool& operator=(const BandPool&) = delete;

    ~BandPool() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& worker : workers_) {
            worker.join();
        }
    }

    // Runs the job with up to `helpers` workers beside the calling thread; false, running nothing, when
    // another job holds the pool.
    bool TryRun(int count, int helpers, const std::function<void(int)>& task) {
        const std::unique_lock running(running_, std::try_to_lock);
        if (!running.owns_lock()) {
            return false;
        }
        Job job(task, count);
        {
            std::lock_guard lock(mutex_);
            AddWorkers(helpers);
            helpers_ = helpers;
            job_ = &job;
            ++generation_;
        }
        wake_.notify_all();
        Work(job);
        {
            std::unique_lock lock(mutex_);
            job_ = nullptr; // no worker joins after this
            left_.wait(lock, [&] { return job.active == 0; });
        }
        if (job.firstError) {
            std::rethrow_exception(job.firstError);
        }
        return true;
    }

  private:
    // Called with the mutex held.
    void AddWorkers(int wanted) {
        while (static_cast<int>(workers_.size()) < wanted) {
            try {
                workers_.emplace_back([this, index = static_cast<int>(workers_.size())] { Serve(index); });
            } catch (const std::system_error&) {
                return; // fewer workers: the calling thread and the ones running share the work
            }
        }
    }

    void Serve(int index) {
        unsigned long long seen = 0;
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return stopping_ || (job_ != nullptr && generation_ != seen); });
            if (stopping_) {
                return;
            }
            seen = generation_;
            if (index >= helpers_) {
                continue;
            }
            Job& job = *job_;
            ++job.active;
            lock.unlock();
            Work(job);
            lock.lock();
            if (--job.active == 0) {
                left_.notify_all();
            }
        }
    }

    std::mutex running_; // held by the one job running
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable left_;
    std::vector<std::thread> workers_;
    Job* job_ = nullptr;
    unsigned long long generation_ = 0;
    int helpers_ = 0;
    bool stopping_ = false;
};

} // namespace

int RenderThreads() {
    static const int fromEnvironment = ThreadsFromEnvironment();
    static const int cores = static_cast<int>(std::thread::hardware_concurrency());
    const int set = threadsSet.load();
    const int threads = set > 0 ? set : fromEnvironment > 0 ? fromEnvironment : cores;
    return std::clamp(threads, 1, kMostRenderThreads);
}

void SetRenderThreads(int threads) {
    threadsSet.store(std::max(threads, 0));
}

void RunOnRenderThreads(int count, const std::function<void(int index)>& task) {
    static BandPool pool;
    const int helpers = std::min(RenderThreads(), count) - 1;
    if (helpers > 0 && pool.TryRun(count, helpers, task)) {
        return;
    }
    for (int index = 0; index < count; ++index) {
        task(index);
    }
}

} // namespace festoon
