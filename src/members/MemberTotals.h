#pragma once
// One member's recharge and consumption totals, on a connection the caller holds. The
// amounts are summed exactly by the server; a sum reads as its whole part. False when the
// statement failed: the results are then 0 and must not be shown as totals.

#include <cstdint>
#include <string>

#include "db/client.h"

bool QueryMemberRechargeTotals(const std::string& cardNumber, DbHandle connection, int64_t& count,
                               int64_t& paidSum, int64_t& totalSum);
bool QueryMemberConsumptionTotals(const std::string& cardNumber, DbHandle connection,
                                  int64_t& count, int64_t& moneySum);
