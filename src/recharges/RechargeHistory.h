#pragma once
// Page 1: the recharge records of every member or of the current one, over all time or a
// period, with their count and sums.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "db/records.h"
#include "periods/PeriodBounds.h"

class ListView;
class MainWindow;

void ShowRechargeHistoryPage();
void QueryAllMembersRecharges();
void QueryCurrentMemberRecharges();
// memberId: nullopt lists every member; a value lists that member only, and nothing at all
// when it is no whole number. bounds: nullopt lists all time.
void FillRechargeList(ListView* list, const std::optional<std::string>& memberId,
                      const std::optional<PeriodBounds>& bounds);
void RerunRechargeHistory();
void ToggleRechargePeriodFilter();

// The ten cells of a record's row.
std::vector<std::string> RechargeRowCells(const RechargeRecord& record);
std::string RechargeTotalsText(int64_t count, int64_t paid, int64_t bonus, int64_t total);

void ConnectRechargeHistory(MainWindow& window);
