// The totals pass: started on a worker thread after every load of the member list.
#include "members/MemberList.h"
#include "members/MemberListSweep.h"
#include "members/MemberRowTotals.h"
#include "members/MemberTotals.h"

void ComputedColumnsThreadEntry(int32_t /*parameter*/) { FillMemberComputedColumns(); }

void FillMemberComputedColumns() {
    FillRechargeColumns();
    FillConsumptionColumns();
    MirrorMemberRows(false);
}

void FillRechargeColumns() {
    SweepVisibleRows([](int row, const std::string& id, DbHandle connection) -> RowWrite {
        const uint64_t stamp = TakeTotalsStamp();
        RechargeTotals totals;
        if (!QueryMemberRechargeTotals(id, connection, totals.count, totals.paidSum,
                                       totals.totalSum))
            return nullptr;
        return [=](ListView* list) { WriteRechargeTotals(list, row, id, stamp, totals); };
    });
}

// The balance follows from the recharge cells of the same card number (see
// WriteConsumptionTotals).
void FillConsumptionColumns() {
    SweepVisibleRows([](int row, const std::string& id, DbHandle connection) -> RowWrite {
        const uint64_t stamp = TakeTotalsStamp();
        ConsumptionTotals totals;
        if (!QueryMemberConsumptionTotals(id, connection, totals.count, totals.moneySum))
            return nullptr;
        return [=](ListView* list) { WriteConsumptionTotals(list, row, id, stamp, totals); };
    });
}
