#include "runtime/clock.h"

#include <atomic>
#include <chrono>

namespace {

// -1 when no test has fixed the counter.
std::atomic<int64_t> fixedTickCount{-1};

}  // namespace

uint32_t TickCountMs() {
    const int64_t fixed = fixedTickCount.load();
    if (fixed >= 0) return static_cast<uint32_t>(fixed);
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

void SetTickCountForTests(std::optional<uint32_t> fixed) {
    fixedTickCount.store(fixed ? int64_t{*fixed} : -1);
}
