#include "form/StartWindow.h"

#include <QApplication>

#include "form/MainWindow.h"

namespace {
int exitCode = 0;
bool endRequested = false;
}  // namespace

MainWindow& LoadStartWindow(const WindowSetup& setup) {
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (setup.wire) setup.wire(*window);
    window->时钟1->start();
    window->show();
    if (setup.onCreated) setup.onCreated(*window);
    return *window;
}

void RunMessageLoop() {
    if (!endRequested) QApplication::exec();
}

void EndProgram(int code) {
    exitCode = code;
    endRequested = true;
    QCoreApplication::exit(code);
}

int ProgramExitCode() { return exitCode; }

bool EndProgramRequested() { return endRequested; }
