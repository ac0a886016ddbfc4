#include <QApplication>

#include "app/StartUp.h"
#include "app/controls/Fonts.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    LoadStartWindow();
    RunMessageLoop();
    return ProgramExitCode();
}
