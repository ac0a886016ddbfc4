#pragma once
// One member's recharge and consumption totals, on a connection the caller holds.

#include <cstdint>
#include <string>

#include "db/client.h"

void QueryMemberRechargeTotals(const std::string& cardNumber, DbHandle connection, int32_t& count,
                               int32_t& paidSum, int32_t& totalSum);
void QueryMemberConsumptionTotals(const std::string& cardNumber, DbHandle connection,
                                  int32_t& count, int32_t& moneySum);
