#pragma once
// Recharge and consumption totals, on a connection the caller holds. The amounts are summed
// exactly by the server; a sum reads as its whole part. False or nullopt when the statement
// failed: the results must then not be shown as totals.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "db/client.h"
#include "members/MemberRowTotals.h"

// One member's.
bool QueryMemberRechargeTotals(const std::string& cardNumber, DbHandle connection, int64_t& count,
                               int64_t& paidSum, int64_t& totalSum);
bool QueryMemberConsumptionTotals(const std::string& cardNumber, DbHandle connection,
                                  int64_t& count, int64_t& moneySum);

// Every member's at once, by card number (user_id), each equal to what the one-member query
// gives for it; a card number without live records is absent (its totals are 0).
template <typename Totals>
using TotalsByCard = std::unordered_map<int64_t, Totals>;
std::optional<TotalsByCard<RechargeTotals>> QueryAllRechargeTotals(DbHandle connection);
std::optional<TotalsByCard<ConsumptionTotals>> QueryAllConsumptionTotals(DbHandle connection);
