// Worker threads start at once and the caller never waits for them.
#include "common/Threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

std::mutex gate;
std::condition_variable opened;
bool open = false;
std::atomic<int> started{0};

void WaitAtTheGate(int32_t) {
    ++started;
    std::unique_lock lock(gate);
    opened.wait(lock, [] { return open; });
}

bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 500 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
}

TEST(StartThread, TwoCallsStartTwoThreadsAndNeitherWaits) {
    int32_t first = 0, second = 0;
    StartThread(WaitAtTheGate, 0, &first);
    StartThread(WaitAtTheGate, 0, &second);
    // Both calls returned while both threads are still held at the gate.
    EXPECT_TRUE(Eventually([] { return started == 2; }));
    EXPECT_EQ(RunningWorkerThreads(), 2);
    EXPECT_NE(first, second);
    {
        std::lock_guard lock(gate);
        open = true;
    }
    opened.notify_all();
    EXPECT_TRUE(Eventually([] { return RunningWorkerThreads() == 0; }));
}

std::atomic<int32_t> received{-1};
void Remember(int32_t parameter) { received = parameter; }

TEST(StartThread, TheEntryReceivesItsParameter) {
    StartThread(Remember, 42);
    EXPECT_TRUE(Eventually([] { return received == 42; }));
    EXPECT_TRUE(Eventually([] { return RunningWorkerThreads() == 0; }));
}

}  // namespace
