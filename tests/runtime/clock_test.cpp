#include "runtime/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(TickCountMs, TestsCanFixIt) {
    SetTickCountForTests(0xFFFFFFF0u);
    EXPECT_EQ(TickCountMs(), 0xFFFFFFF0u);
    SetTickCountForTests(0);
    EXPECT_EQ(TickCountMs(), 0u);
    SetTickCountForTests(std::nullopt);
}

TEST(TickCountMs, AdvancesWithTime) {
    const uint32_t before = TickCountMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    // Unsigned difference: right across the wrap of the counter too.
    const uint32_t elapsed = TickCountMs() - before;
    EXPECT_GE(elapsed, 30u);
    EXPECT_LT(elapsed, 5000u);
}

}  // namespace
