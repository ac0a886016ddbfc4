// The totals pass: started on a worker thread after every load of the member list. Each
// sweep computes every member's totals with one statement and writes them row by row.
#include <malloc.h>

#include <memory>

#include "members/MemberList.h"
#include "members/MemberListSweep.h"
#include "members/MemberRowTotals.h"
#include "members/MemberTotals.h"

namespace {

// The totals of the card number, 0 for one without live records.
template <typename Totals>
Totals Find(const TotalsByCard<Totals>& all, std::optional<int64_t> key) {
    if (!key) return {};
    const auto found = all.find(*key);
    return found == all.end() ? Totals{} : found->second;
}

RowWriter ComputeRechargeColumns(DbHandle connection) {
    // Taken before the statement: a refresh that starts later wins over these totals.
    const uint64_t stamp = TakeTotalsStamp();
    auto all = QueryAllRechargeTotals(connection);
    if (!all) return nullptr;
    return [stamp, all = std::make_shared<const TotalsByCard<RechargeTotals>>(std::move(*all))](
               ListView* list, int row, const std::string& id, std::optional<int64_t> key) {
        WriteRechargeTotals(list, row, id, stamp, Find(*all, key));
    };
}

RowWriter ComputeConsumptionColumns(DbHandle connection) {
    const uint64_t stamp = TakeTotalsStamp();
    auto all = QueryAllConsumptionTotals(connection);
    if (!all) return nullptr;
    return [stamp, all = std::make_shared<const TotalsByCard<ConsumptionTotals>>(std::move(*all))](
               ListView* list, int row, const std::string& id, std::optional<int64_t> key) {
        WriteConsumptionTotals(list, row, id, stamp, Find(*all, key));
    };
}

}  // namespace

// The two statements run at the same time; the recharge cells are written first, as the
// balance needs them (see WriteConsumptionTotals).
void FillMemberComputedColumns() {
    BeginTotalsPass();
    RowSweep recharge(ComputeRechargeColumns);
    RowSweep consumption(ComputeConsumptionColumns);
    recharge.write();
    consumption.write();
    MirrorMemberRows(false);
    // The result sets and lookups of a large shop, freed on threads of their own, would
    // otherwise stay with the process until its end.
    malloc_trim(0);
}

void FillRechargeColumns() { RowSweep(ComputeRechargeColumns).write(); }

void FillConsumptionColumns() { RowSweep(ComputeConsumptionColumns).write(); }

void ComputedColumnsThreadEntry(int32_t /*parameter*/) { FillMemberComputedColumns(); }
