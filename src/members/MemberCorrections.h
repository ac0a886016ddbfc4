#pragma once
// The administrator's corrections of a member, from the member list of page 0: the
// context menu 会员操作 and the list's Delete key.

class MainWindow;

void DeleteSelectedMember();
void RenameSelectedMember();
void ChangeSelectedMemberPhone();

void ConnectMemberCorrections(MainWindow& window);
