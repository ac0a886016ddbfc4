#pragma once
// Key down in an edit box, as the login and password boxes handle it: Return and Enter
// alike arrive as key code 13 and go no further; other keys go on as they are.

class QWidget;

inline constexpr int kEnterKeyCode = 13;

void InstallEnterKeyHandler(QWidget* unit, void (*handler)(int keyCode));
