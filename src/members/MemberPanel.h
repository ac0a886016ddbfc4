#pragma once
// The member panel: creating members (and, through the recharge folder, recharging).

#include <string>

class MainWindow;

void OpenNewMemberPanel();
void FetchCardNumber();
std::string NextCardNumber();
void ConfirmMemberPanel();
void CreateMember();
void CreateMemberWithFirstRecharge();
void CloseMemberPanel();

void ConnectMemberPanel(MainWindow& window);
