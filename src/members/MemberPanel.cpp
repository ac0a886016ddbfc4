// Placeholder until the handlers are built.
#include "members/MemberPanel.h"

#include "db/records.h"

void OpenNewMemberPanel() {}
void FetchCardNumber() {}
std::string NextCardNumber() { return {}; }
void ConfirmMemberPanel() {}
void CreateMember() {}
void CreateMemberWithFirstRecharge() {}
bool InsertMemberRecord(const MemberRecord&) { return false; }
void CloseMemberPanel() {}
void ConnectMemberPanel(MainWindow&) {}
