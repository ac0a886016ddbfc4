// Placeholder until the handlers are built.
#include "members/MemberList.h"

void OnMemberNavigation() {}
void LoadMemberList(ListView*, ListView*) {}
void ComputedColumnsThreadEntry(int32_t) {}
void FillMemberComputedColumns() {}
void MirrorMemberRows(bool) {}
void ResetMemberSearch() {}
void ConnectMemberList(MainWindow&) {}
