#pragma once
// A bill is stored once, and only while the member's balance in the database covers it.

#include <cstdint>

#include "db/write_once.h"

struct ConsumptionRecord;

// What the database said of the member and the balance; each stays true when it was not
// read.
struct BalanceCheck {
    bool memberLive = true;  // false: the member's row is gone or marked deleted
    bool covered = true;
    int64_t balance = 0;  // whole number, cut toward zero
};

// The checks and the insert in one transaction on the connection.
WriteOutcome StoreBillIfCovered(DbHandle connection, ConsumptionRecord& record,
                                BalanceCheck& check);
// The same, written once: a bill left unknown is settled before anything is sent again.
WriteOutcome StoreBillOnce(ConsumptionRecord& record, BalanceCheck& check);
