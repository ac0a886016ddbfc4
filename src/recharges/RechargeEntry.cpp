// Placeholder until the handlers are built.
#include "recharges/RechargeEntry.h"

void OpenRechargePanel() {}
void UpdateRechargePreview() {}
void SaveDefaultPaymentMethod() {}
void RechargeExistingMember() {}
RechargeRecord RechargeRecordFromPanel() { return {}; }
bool InsertRechargeRecord(RechargeRecord&) { return false; }
void ConnectRechargeEntry(MainWindow&) {}
