// Worker-thread decodes. The worker and the owner share a job; the owner leaves it when it is destroyed,
// under the job's lock, so that the worker never posts its result to an object that is gone.
#include "platform/BackgroundDecode.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QThreadPool>
#include <QTimer>
#include <mutex>

namespace festoon {

struct BackgroundDecode::Job {
    DecodeControl control;
    Done done;
    Failed failed;
    std::mutex lock;
    BackgroundDecode* owner = nullptr; // guarded by lock
};

BackgroundDecode::BackgroundDecode(QObject* parent) : QObject(parent) {}

BackgroundDecode::~BackgroundDecode() {
    Cancel();
}

void BackgroundDecode::Start(Decoder decoder, Done done, Failed failed) {
    Cancel();
    auto job = std::make_shared<Job>();
    job->done = std::move(done);
    job->failed = std::move(failed);
    job->owner = this;
    job_ = job;
    QThreadPool::globalInstance()->start([job, decoder = std::move(decoder)] {
        LoadedPicture result;
        std::exception_ptr error;
        try {
            result = decoder(job->control);
        } catch (...) {
            error = std::current_exception();
        }
        const std::lock_guard<std::mutex> guard(job->lock);
        if (job->owner != nullptr) {
            BackgroundDecode* owner = job->owner;
            QMetaObject::invokeMethod(
                owner, [owner, job, result, error] { owner->Deliver(job, result, error); },
                Qt::QueuedConnection);
        }
    });
}

void BackgroundDecode::Cancel() {
    if (!job_) {
        return;
    }
    job_->control.cancelled = true;
    {
        const std::lock_guard<std::mutex> guard(job_->lock);
        job_->owner = nullptr;
    }
    job_.reset();
}

int BackgroundDecode::Progress() const {
    return job_ ? job_->control.progress.load(std::memory_order_relaxed) : -1;
}

void BackgroundDecode::Deliver(const std::shared_ptr<Job>& job, const LoadedPicture& result,
                               std::exception_ptr error) {
    if (job != job_) {
        return; // cancelled or superseded after the worker had posted
    }
    job_.reset();
    if (error) {
        job->failed(error);
    } else {
        job->done(result);
    }
}

bool WaitWhileBusy(const std::function<bool()>& busy, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!busy() || waited.hasExpired(timeoutMs)) {
            loop.quit();
        }
    });
    poll.start(2);
    if (busy()) {
        loop.exec();
    }
    return !busy();
}

} // namespace festoon
