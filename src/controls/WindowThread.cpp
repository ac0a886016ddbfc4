#include "WindowThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

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
