#pragma once
// The member list of page 0, its totals pass and the spare list.

#include <cstdint>

class ListView;
class MainWindow;

// Click of 按钮_会员管理 (after the navigation guard has shown page 0).
void OnMemberNavigation();
void LoadMemberList(ListView* visible, ListView* spare);
void ComputedColumnsThreadEntry(int32_t parameter);
void FillMemberComputedColumns();
// The two sweeps of the totals pass, each on a private connection of its own.
void FillRechargeColumns();
void FillConsumptionColumns();
void MirrorMemberRows(bool selectedOnly);
void ResetMemberSearch();
// After a write refused for a member deleted meanwhile (at any desk): both panels close and
// the lists load again, so the member is gone from them.
void DropDeletedMember();

void ConnectMemberList(MainWindow& window);
