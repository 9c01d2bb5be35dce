// The peak memory of a piece of work, for tests that bound what a hostile file may make the program take.
#pragma once

#include <functional>
#include <optional>

// How far the process's peak resident memory rose above where it stood while `work` ran, in bytes; no
// value where the kernel does not let the peak be reset (/proc/self/clear_refs).
[[nodiscard]] std::optional<long long> PeakMemoryGrowth(const std::function<void()>& work);
