#include "app/StartUp.h"

#include <QApplication>

#include "app/Navigation.h"
#include "app/WindowCreation.h"
#include "app/form/MainWindow.h"
#include "login/Login.h"
#include "login/LoginPicture.h"

namespace {
int exitCode = 0;
bool endRequested = false;
}  // namespace

MainWindow& LoadStartWindow() {
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ShowLoginPicture(window->ui.图片框1);
    ConnectNavigation(*window);
    ConnectLogin(*window);
    window->时钟1->start();
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
