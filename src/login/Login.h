#pragma once
// Logging an operator in against bosslist.

// The click of 按钮_登录系统 and Enter in 编辑框_密码.
void PerformLogin();
// True when the login name in 编辑框_用户名 names an operator whose password is the text
// of 编辑框_密码. Writes operatorId, operatorName and operatorTel.
bool CheckOperatorLogin();

// Key-down handlers: Enter (13) in the login-name box moves on to the password; Enter
// in the password box logs in.
void OnLoginNameKeyDown(int keyCode);
void OnPasswordKeyDown(int keyCode);

class MainWindow;
// Connects the login area's events.
void ConnectLogin(MainWindow& window);
