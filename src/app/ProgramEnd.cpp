#include "app/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

#include "form/StartWindow.h"
#include "members/MemberListSweep.h"

void EndProcessAfterEventLoop() {
    NoteMemberListLoad();  // a pass still running stops at its next step
    std::fflush(nullptr);
    std::_Exit(ProgramExitCode());
}
