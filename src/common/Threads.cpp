#include "common/Threads.h"

#include <atomic>
#include <thread>

namespace {
std::atomic<int> running{0};
std::atomic<int32_t> nextThreadId{1};
}  // namespace

void StartThread(ThreadEntry entry, int32_t parameter, int32_t* threadId) {
    const int32_t id = nextThreadId++;
    if (threadId != nullptr) *threadId = id;
    ++running;
    std::thread([entry, parameter] {
        entry(parameter);
        --running;
    }).detach();
}

int RunningWorkerThreads() { return running.load(); }
