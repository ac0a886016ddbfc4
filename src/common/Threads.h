#pragma once
// Worker threads: the caller never waits for them.

#include <chrono>
#include <cstdint>

using ThreadEntry = void (*)(int32_t parameter);

// Runs entry(parameter) on a new thread and returns at once; threadId, when given,
// receives the new thread's id. Two calls start two threads.
void StartThread(ThreadEntry entry, int32_t parameter = 0, int32_t* threadId = nullptr);

// Worker threads still running. The program waits for them only when it ends, so that
// no thread outlives what it works on.
int RunningWorkerThreads();
