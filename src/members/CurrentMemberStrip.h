#pragma once
// The current-member strip and the member list's row change.

class MainWindow;

void OnCurrentMemberTimerTick();
void OnMemberRowChanged();

void ConnectCurrentMemberStrip(MainWindow& window);
