#include <QApplication>

#include "app/ProgramEnd.h"
#include "app/StartUp.h"
#include "controls/Fonts.h"
#include "form/StartWindow.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    LoadStartWindow(ProgramWindowSetup());
    RunMessageLoop();
    EndProcessAfterEventLoop();
}
