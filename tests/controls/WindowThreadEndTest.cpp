// The hand-off to the window's thread when the application object goes: a worker never runs
// the window's work itself, and learns that it did not run. Each test makes its own
// application object.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "WindowThread.h"

namespace {

int argc = 1;
char name[] = "window_thread_end_test";
char* argv[] = {name, nullptr};

// Runs the call on a new thread; false when it has not returned within ten seconds.
bool OnWorker(const std::function<void()>& call) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([call, done] {
        call();
        done->set_value();
    }).detach();
    return finished.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
}

TEST(WindowThreadEnd, OnceTheApplicationIsGoneNoThreadRunsTheWork) {
    { QCoreApplication app(argc, argv); }
    bool onWindow = true, handed = true, posted = true, ran = false;
    ASSERT_TRUE(OnWorker([&] {
        onWindow = OnWindowThread();
        handed = RunOnWindowThread([&] { ran = true; });
        posted = PostToWindowThread([&] { ran = true; });
    }));
    EXPECT_FALSE(onWindow);
    EXPECT_FALSE(handed);
    EXPECT_FALSE(posted);
    EXPECT_FALSE(OnWindowThread());
    EXPECT_FALSE(RunOnWindowThread([&] { ran = true; }));
    EXPECT_FALSE(ran);
}

TEST(WindowThreadEnd, WorkWaitingWhenTheApplicationGoesIsDroppedAndTheWorkerLearnsIt) {
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    std::atomic<bool> handing = false;
    bool handed = true, ranOnWorker = false;
    auto worker = std::async(std::launch::async, [&] {
        return OnWorker([&] {
            handing = true;
            const std::thread::id caller = std::this_thread::get_id();
            handed = RunOnWindowThread([&] { ranOnWorker = std::this_thread::get_id() == caller; });
        });
    });
    while (!handing) std::this_thread::yield();
    // No event loop runs: the work waits in the queue when the application object goes.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    app.reset();
    ASSERT_TRUE(worker.get());
    EXPECT_FALSE(handed);
    EXPECT_FALSE(ranOnWorker);
}

}  // namespace
