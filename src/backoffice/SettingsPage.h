#pragma once
// The settings panel of page 3: the openings of its three sub-panels, the password asked
// again before them, and the list-order option.

#include <string>

class MainWindow;

void ShowSettingsPage();
void OpenServiceItemPanel();
void OpenChangePasswordPanel();
void OpenAddOperatorPanel();
void SaveListOrderOption();
// True when the operator typed the login password again; false when the question was
// cancelled or the text differed (the mismatch message has then been shown).
bool ConfirmPasswordAgain(const std::string& prompt, const std::string& title);

void ConnectSettingsPage(MainWindow& window);
