#include "WindowThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <memory>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#define WINDOW_THREAD_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define WINDOW_THREAD_TSAN 1
#endif
#endif
#ifdef WINDOW_THREAD_TSAN
#include <sanitizer/tsan_interface.h>
#endif

namespace {

// Qt's event queue hands the work over under locks the thread sanitizer cannot see (Qt is not
// built with it), so the work tells it: whoever gives the task up releases, whoever takes it
// acquires. Qt's call object is built around the task before it is queued and freed by
// whichever thread drops it last, so the release sits in the move into that object, and the
// destructor acquires. Outside sanitizer builds these do nothing.
class HandedOverWork {
  public:
    explicit HandedOverWork(std::function<void()> work)
        : work_(std::make_unique<std::function<void()>>(std::move(work))) {}
    HandedOverWork(HandedOverWork&& other) noexcept : work_(std::move(other.work_)) { release(); }
    HandedOverWork(const HandedOverWork&) = delete;
    HandedOverWork& operator=(const HandedOverWork&) = delete;
    HandedOverWork& operator=(HandedOverWork&&) = delete;
    ~HandedOverWork() { acquire(); }

    void operator()() {
        acquire();
        (*work_)();
        release();
    }

  private:
#ifdef WINDOW_THREAD_TSAN
    // The task's own address: known to both sides without reading what the other wrote.
    void release() { __tsan_release(this); }
    void acquire() { __tsan_acquire(this); }
#else
    void release() {}
    void acquire() {}
#endif

    std::unique_ptr<std::function<void()>> work_;
};

}  // namespace

bool OnWindowThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void RunOnWindowThread(std::function<void()> work) {
    if (OnWindowThread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), HandedOverWork(std::move(work)),
                              Qt::BlockingQueuedConnection);
}

void PostToWindowThread(std::function<void()> work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        work();
        return;
    }
    QMetaObject::invokeMethod(app, HandedOverWork(std::move(work)), Qt::QueuedConnection);
}
