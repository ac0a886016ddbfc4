#pragma once
// Recharging a member's card through the member panel.

#include "db/records.h"

class MainWindow;

void OpenRechargePanel();
void UpdateRechargePreview();
void SaveDefaultPaymentMethod();
void RechargeExistingMember();
// The recharge the member panel describes (pay_del is filled in by the insert).
RechargeRecord RechargeRecordFromPanel();
// The only writer of paylist rows.
bool InsertRechargeRecord(RechargeRecord& record);

void ConnectRechargeEntry(MainWindow& window);
