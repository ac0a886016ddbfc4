#include "WindowThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
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

// The window's thread from the moment the application object is built until it starts to go
// (Qt calls its clean-up routines first thing, while the event queue still stands). Work is
// queued under the lock, so none is queued once it has gone.
std::mutex gateLock;
std::atomic<QThread*> windowThread{nullptr};

void CloseGate() {
    std::lock_guard lock(gateLock);
    windowThread = nullptr;
}

void OpenGate() {
    std::lock_guard lock(gateLock);
    windowThread = QThread::currentThread();
    qAddPostRoutine(CloseGate);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(OpenGate)

namespace {

// One piece of work and how it ended, shared by the caller and the queued task.
class HandOff {
  public:
    explicit HandOff(std::function<void()> work) : work_(std::move(work)) {}

    void run() {
        work_();
        settle(State::Ran);
    }
    // The task is gone without running (dropped with the queue, or never queued).
    void drop() { settle(State::Dropped); }
    bool waitUntilSettled() {
        std::unique_lock lock(lock_);
        settled_.wait(lock, [this] { return state_ != State::Waiting; });
        return state_ == State::Ran;
    }

  private:
    enum class State { Waiting, Ran, Dropped };
    void settle(State state) {
        {
            std::lock_guard lock(lock_);
            if (state_ != State::Waiting) return;
            state_ = state;
        }
        settled_.notify_all();
    }

    std::function<void()> work_;
    std::mutex lock_;
    std::condition_variable settled_;
    State state_ = State::Waiting;
};

// Qt's event queue hands the task over under locks the thread sanitizer cannot see (Qt is not
// built with it), so the task tells it: whoever gives the task up releases, whoever takes it
// acquires. Qt's call object is built around the task before it is queued and freed by
// whichever thread drops it last, so the release sits in the move into that object, and the
// destructor acquires. Outside sanitizer builds these do nothing.
class QueuedTask {
  public:
    explicit QueuedTask(std::shared_ptr<HandOff> handOff) : handOff_(std::move(handOff)) {}
    QueuedTask(QueuedTask&& other) noexcept : handOff_(std::move(other.handOff_)) { release(); }
    QueuedTask(const QueuedTask&) = delete;
    QueuedTask& operator=(const QueuedTask&) = delete;
    QueuedTask& operator=(QueuedTask&&) = delete;
    ~QueuedTask() {
        acquire();
        if (handOff_) handOff_->drop();
    }

    void operator()() {
        acquire();
        handOff_->run();
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

    std::shared_ptr<HandOff> handOff_;
};

bool Queue(const std::shared_ptr<HandOff>& handOff) {
    QueuedTask task(handOff);
    std::lock_guard lock(gateLock);
    if (windowThread.load() == nullptr) return false;
    return QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task),
                                     Qt::QueuedConnection);
}

}  // namespace

bool OnWindowThread() {
    const QThread* thread = windowThread.load();
    return thread != nullptr && QThread::currentThread() == thread;
}

bool RunOnWindowThread(std::function<void()> work) {
    if (OnWindowThread()) {
        work();
        return true;
    }
    const auto handOff = std::make_shared<HandOff>(std::move(work));
    return Queue(handOff) && handOff->waitUntilSettled();
}

bool PostToWindowThread(std::function<void()> work) {
    return Queue(std::make_shared<HandOff>(std::move(work)));
}

void RunOnWindowThreadInSlices(const std::function<bool()>& step) {
    constexpr auto kSlice = std::chrono::milliseconds(8);
    if (OnWindowThread()) {
        while (step()) {
        }
        return;
    }
    bool more = true;
    while (more) {
        // Nothing more runs once no window's thread takes work.
        const bool ran = RunOnWindowThread([&] {
            const auto end = std::chrono::steady_clock::now() + kSlice;
            while ((more = step()) && std::chrono::steady_clock::now() < end) {
            }
        });
        if (!ran) return;
    }
}
