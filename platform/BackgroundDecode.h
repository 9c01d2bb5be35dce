// One picture decode at a time on a worker thread, its result handed back on the thread that owns the
// object, so that a large or hostile file never holds up the window that asked for it.
#pragma once

#include "core/DecodeControl.h"
#include "core/PictureFile.h"

#include <QObject>
#include <exception>
#include <functional>
#include <memory>

namespace festoon {

class BackgroundDecode : public QObject {
    Q_OBJECT
  public:
    // Runs on the worker thread; may throw, and should stop soon once the control is cancelled.
    using Decoder = std::function<LoadedPicture(DecodeControl& control)>;
    using Done = std::function<void(const LoadedPicture& result)>;
    using Failed = std::function<void(std::exception_ptr error)>;

    explicit BackgroundDecode(QObject* parent = nullptr);
    // Asks a decode under way to stop and drops its result; never waits for the worker.
    ~BackgroundDecode() override;

    // Starts a decode; one under way is cancelled first. Exactly one of done and failed is called later,
    // on this object's thread, unless the decode is cancelled or superseded before it ends.
    void Start(Decoder decoder, Done done, Failed failed);
    // Asks the decode under way to stop; neither of its callbacks will be called.
    void Cancel();
    [[nodiscard]] bool Running() const { return job_ != nullptr; }
    // Per mille of the decode under way, or -1 while the decoder cannot tell.
    [[nodiscard]] int Progress() const;

  private:
    struct Job;
    void Deliver(const std::shared_ptr<Job>& job, const LoadedPicture& result, std::exception_ptr error);

    std::shared_ptr<Job> job_;
};

// Lets events run until `busy` says false or the time is up; false on time-out (for tests).
bool WaitWhileBusy(const std::function<bool()>& busy, int timeoutMs);

} // namespace festoon
