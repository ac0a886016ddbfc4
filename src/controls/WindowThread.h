#pragma once
#include <functional>

// The window's thread is the thread of the application object; widgets are touched there only.
bool OnWindowThread();
// Runs the work at once on the window's thread; from another thread, waits until the window's
// thread has run it (its event loop must be running and must not be waiting for the caller).
void RunOnWindowThread(std::function<void()> work);
// Queues the work for the window's thread and returns at once.
void PostToWindowThread(std::function<void()> work);
