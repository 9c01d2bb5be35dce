// Peak resident memory from /proc: VmHWM, reset through clear_refs so that earlier work does not count.
#include "tests/support/PeakMemory.h"

#include <fstream>
#include <string>

namespace {

// A field of /proc/self/status in bytes (the file gives kB), or -1.
long long StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stoll(line.substr(field.size() + 1)) * 1024;
        }
    }
    return -1;
}

bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

} // namespace

std::optional<long long> PeakMemoryGrowth(const std::function<void()>& work) {
    if (!ResetPeak()) {
        return std::nullopt;
    }
    const long long before = StatusBytes("VmRSS");
    work();
    const long long peak = StatusBytes("VmHWM");
    if (before < 0 || peak < 0) {
        return std::nullopt;
    }
    return peak - before;
}
