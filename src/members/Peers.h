#pragma once
// Routines of the recharge and consumption folders that member handlers call. Those
// folders build on this one, so start-up hands their routines over here.

#include "db/records.h"

struct MemberPeers {
    void (*openQuickConsumePanel)() = nullptr;
    void (*openRechargePanel)() = nullptr;
    void (*rechargeExistingMember)() = nullptr;
    // The recharge of the member panel, built as a recharge of an existing member is.
    RechargeRecord (*rechargeRecordFromPanel)() = nullptr;
    // Stores the recharge once, and only with plain amounts.
    bool (*storeRecharge)(RechargeRecord& record) = nullptr;
};

MemberPeers& Peers();
