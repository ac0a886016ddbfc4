#include <QApplication>
#include <QElapsedTimer>

#include "app/StartUp.h"
#include "common/Threads.h"
#include "controls/Fonts.h"

namespace {

// A worker may still be handing a result to the window; give it a moment to finish so
// that no thread outlives what it works on.
void LetWorkersFinish() {
    QElapsedTimer timer;
    timer.start();
    while (RunningWorkerThreads() > 0 && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    LoadStartWindow(ProgramWindowSetup());
    RunMessageLoop();
    LetWorkersFinish();
    return ProgramExitCode();
}
