#include "app/StartUp.h"

#include <QApplication>

#include "app/Navigation.h"
#include "app/WindowCreation.h"
#include "app/form/MainWindow.h"

namespace {
int exitCode = 0;
bool endRequested = false;
}  // namespace

MainWindow& LoadStartWindow() {
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ConnectNavigation(*window);
    window->show();
    OnWindowCreated(*window);
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
