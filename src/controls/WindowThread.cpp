#include "WindowThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <chrono>

bool OnWindowThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void RunOnWindowThread(std::function<void()> work) {
    if (OnWindowThread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work),
                              Qt::BlockingQueuedConnection);
}

void PostToWindowThread(std::function<void()> work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        work();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
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
        RunOnWindowThread([&] {
            const auto end = std::chrono::steady_clock::now() + kSlice;
            while ((more = step()) && std::chrono::steady_clock::now() < end) {
            }
        });
    }
}
