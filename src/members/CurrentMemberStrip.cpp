// Placeholder until the handlers are built.
#include "members/CurrentMemberStrip.h"

void OnCurrentMemberTimerTick() {}
void OnMemberRowChanged() {}
void ConnectCurrentMemberStrip(MainWindow&) {}
