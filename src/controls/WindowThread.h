#pragma once
#include <functional>

// The window's thread is the thread of the application object; widgets are touched there only.
// False everywhere once the application object has started to go, and before it exists.
bool OnWindowThread();
// Runs the work at once on the window's thread; from another thread, waits until the window's
// thread has run it (its event loop must be running and must not be waiting for the caller).
// False when the work did not run: no window's thread takes work (the application object is
// gone or going), or the work was still queued when it went. A worker never runs it itself.
bool RunOnWindowThread(std::function<void()> work);
// Queues the work for the window's thread and returns at once; false when nothing takes it.
bool PostToWindowThread(std::function<void()> work);
// Runs step on the window's thread until it returns false, in slices of a few milliseconds
// with the window's events handled between them, so that work over many rows never holds
// the window still for long. Each call of step is one unit: nothing else runs in the middle
// of it. From another thread, waits until the last slice has run, or until no window's
// thread takes work any more.
void RunOnWindowThreadInSlices(const std::function<bool()>& step);
