#include "backoffice/ItemUsage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "backoffice/ServiceItems.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "db/sql.h"
#include "form/MainWindow.h"
#include "periods/PeriodBounds.h"
#include "runtime/datetime.h"

namespace {

constexpr int kDays = 7;

// The windows of one run, all taken from one reading of the clock: a run across midnight
// still counts every item against the same days.
struct UsageWindows {
    std::array<PeriodBounds, kDays> days;  // [k]: k days before today
    PeriodBounds last30Days;
};

UsageWindows WindowsOfToday() {
    const DateTime today = CurrentDateTime();
    UsageWindows windows;
    for (int k = 0; k < kDays; ++k) {
        const DateTime day = DateTimeAdd(today, kDay, -k);
        windows.days[k] = BoundsOfDays(day, day);
    }
    windows.last30Days = BoundsOfDays(DateTimeAdd(today, kDay, -30), today);
    return windows;
}

struct UsageCounts {
    std::array<int64_t, kDays> days{};
    int64_t last30Days = 0;
    int64_t total = 0;
};

// Counts the records inside the window; the stored times have one fixed text form, so the
// texts compare as the times they stand for.
void AppendWindowCount(Sql& statement, const PeriodBounds& bounds, const std::string& name) {
    statement.literal(", COUNT(CASE WHEN `cost_date` >= '")
        .text(bounds.start)
        .literal("' AND `cost_date` <= '")
        .text(bounds.end)
        .literal("' THEN 1 END) AS ")
        .literal(name);
}

std::string DayColumn(int k) { return "day" + std::to_string(k); }

// One statement per item, counted by the server over the item's index entries; nullopt
// when it failed.
std::optional<UsageCounts> CountItemUsage(const std::string& itemId, const UsageWindows& windows) {
    Sql statement("SELECT COUNT(*) AS total");
    AppendWindowCount(statement, windows.last30Days, "last30");
    for (int k = 0; k < kDays; ++k) AppendWindowCount(statement, windows.days[k], DayColumn(k));
    // xm_id is a text column: compared with a text, its index finds the item's records.
    statement.literal(" FROM `marlovia`.`costlist` WHERE `cost_del` <> 1 AND `xm_id` = '")
        .text(itemId)
        .literal("'");

    auto lock = LockSharedDatabase();
    if (!ExecuteSharedRead(statement)) return std::nullopt;
    DbHandle result = DbTakeRecordset(sharedConnection);
    std::optional<UsageCounts> counts;
    if (RecordsetRowCount(result) == 1) {
        counts.emplace();
        RecordsetSeekRow(result, 0);
        RecordsetReadField(result, "total", counts->total);
        RecordsetReadField(result, "last30", counts->last30Days);
        for (int k = 0; k < kDays; ++k) RecordsetReadField(result, DayColumn(k), counts->days[k]);
    }
    FreeResultSet(result);
    return counts;
}

// The oldest day first, today last.
std::string SevenDaysText(const UsageCounts& counts) {
    std::string text;
    for (int k = kDays - 1; k >= 0; --k) {
        text += std::to_string(counts.days[k]);
        if (k > 0) text += "|";
    }
    return text;
}

}  // namespace

void ShowItemUsageStatistics() {
    LoadServiceItems(true);
    ProcessPendingEventsExceptInput();
    FillItemUsageColumns();
}

void FillItemUsageColumns() {
    ListView* list = TheMainWindow().ui.超级列表框_项目设置;
    const UsageWindows windows = WindowsOfToday();
    const int n = ListViewRowCount(list);
    for (int row = 0; row < n; ++row) {
        const std::optional<UsageCounts> counts =
            CountItemUsage(ListViewGetCell(list, row, 0), windows);
        // A count that could not be read is no count of 0.
        ListViewSetCell(list, row, 3, counts ? SevenDaysText(*counts) : std::string());
        ListViewSetCell(list, row, 4, counts ? std::to_string(counts->last30Days) : std::string());
        ListViewSetCell(list, row, 5, counts ? std::to_string(counts->total) : std::string());
    }
    ListViewWidenColumnsToContents(list);
}
