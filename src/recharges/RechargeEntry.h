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
// The only writer of paylist rows. Stores the row only while the member's live row is there,
// in the same statement; false also when it was not.
bool InsertRechargeRecord(RechargeRecord& record);
// Amount and bonus (when given) are plain amounts, a sign allowed.
bool HasPlainAmounts(const RechargeRecord& record);
// Stores the record once, and only with plain amounts: false when it surely was not stored,
// or when that is not known yet (the next call finds out before it sends anything). The
// recharge of an existing member and a new member's first recharge both go through here.
bool StoreRechargeOnce(RechargeRecord& record);
// The same, telling apart a recharge refused because the member is deleted or gone.
enum class RechargeOutcome { Stored, NotStored, MemberGone };
RechargeOutcome StoreRechargeOnceWithOutcome(RechargeRecord& record);

void ConnectRechargeEntry(MainWindow& window);
