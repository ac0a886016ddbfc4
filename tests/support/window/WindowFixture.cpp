#include "WindowFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>

#include "app/StartUp.h"
#include "common/Threads.h"
#include "db/shared.h"
#include "login/SignedInOperator.h"

void WindowFixture::SetUp() {
    xdg_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(xdg_->isValid());
    setenv("XDG_CONFIG_HOME", xdg_->path().toUtf8().constData(), 1);
    SetDialogs(&dialogs_);
    loggedIn = 0;
    operatorId.clear();
    operatorName.clear();
    operatorTel.clear();
    ResetSharedDatabaseForTests();
    if (startWindowInSetUp) StartWindow();
}

void WindowFixture::TearDown() {
    CloseWindow();
    SetDialogs(nullptr);
}

void WindowFixture::StartWindow() {
    window_ = &LoadStartWindow(ProgramWindowSetup());
    Pump(10);
}

void WindowFixture::CloseWindow() {
    // Worker threads hand their results to the window: let them finish first, also when the
    // test closed the window itself, so that none outlives the application object.
    WaitUntil([] { return RunningWorkerThreads() == 0; }, std::chrono::seconds(30));
    if (window_.isNull()) return;
    Pump(20);
    delete window_.data();
    Pump(10);
}

std::string WindowFixture::configFolder() const { return xdg_->path().toStdString(); }

void Pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < ms);
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}
