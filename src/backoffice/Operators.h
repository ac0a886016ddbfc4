#pragma once
// The operator sub-panels: adding an operator account and changing the signed-in
// operator's password, after which the program ends.

class MainWindow;

void AddOperator();
void ChangePassword();
// Key down in the new-password boxes: Enter (13) moves on, or runs the change.
void OnNewPasswordKeyDown(int keyCode);
void OnNewPasswordAgainKeyDown(int keyCode);

void ConnectOperators(MainWindow& window);
