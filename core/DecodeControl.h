// What the thread that asked for a decode may watch and change of it while it runs on another: how far
// it has come, and a request to stop.
#pragma once

#include <atomic>
#include <exception>

namespace festoon {

struct DecodeControl {
    std::atomic<bool> cancelled{false};
    // Per mille of the decode done, or -1 while the decoder cannot tell.
    std::atomic<int> progress{-1};
};

// Thrown by a decode that stopped because its control asked it to; nothing is reported to the user.
class DecodeCancelled : public std::exception {
  public:
    [[nodiscard]] const char* what() const noexcept override { return "decode cancelled"; }
};

// Throws DecodeCancelled when `control` (which may be null) asks the decode to stop.
inline void ThrowIfCancelled(const DecodeControl* control) {
    if (control != nullptr && control->cancelled.load(std::memory_order_relaxed)) {
        throw DecodeCancelled();
    }
}

} // namespace festoon
