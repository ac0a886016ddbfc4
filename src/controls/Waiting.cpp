#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "WindowOps.h"
#include "WindowThread.h"

namespace {

bool IsUserInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

// The event loop leaves the system's input in its queue by itself; input that reaches the
// widgets by another road (posted or sent) is kept here and handed on, in order, afterwards.
class InputHold : public QObject {
  public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override {
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& [receiver, event] : held_)
            if (receiver) QCoreApplication::postEvent(receiver, event.release());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsUserInput(event)) return false;
        held_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

  private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace

void WaitMilliseconds(int ms) {
    if (ms <= 0) return;
    if (QCoreApplication::instance() == nullptr || !OnWindowThread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    InputHold hold;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void ProcessPendingEventsExceptInput() {
    RunOnWindowThread([] {
        InputHold hold;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void WaitForWork(const std::function<void()>& work) {
    if (QCoreApplication::instance() == nullptr || !OnWindowThread()) {
        work();
        return;
    }
    InputHold hold;
    QEventLoop loop;
    // Made here, before the worker starts: the worker only hands it over, by the road whose
    // hand-off the thread sanitizer is told of. The loop may be gone by the time it runs.
    std::function<void()> quit = [target = QPointer<QEventLoop>(&loop)] {
        if (target) target->quit();
    };
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
        PostToWindowThread(std::move(quit));
    });
    while (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
}
