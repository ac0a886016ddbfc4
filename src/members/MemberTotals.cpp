#include "members/MemberTotals.h"

#include "db/shared.h"

// The amounts are texts: summed as DECIMAL, not as floating point, so that ten times 2.7
// is 27 and not 26.999...

bool QueryMemberRechargeTotals(const std::string& cardNumber, DbHandle connection, int64_t& count,
                               int64_t& paidSum, int64_t& totalSum) {
    count = 0;
    paidSum = 0;
    totalSum = 0;
    const Sql statement =
        Sql("SELECT SUM(CAST(pay_money AS DECIMAL(20,2))) AS pay_money_sum,"
            "SUM(CAST(pay_total AS DECIMAL(20,2))) AS pay_total_sum,"
            "COUNT(pay_money) AS pay_count FROM paylist WHERE `pay_del` <> 1 AND user_id = ")
            .id(cardNumber);
    if (!DbExecute(connection, statement)) return false;
    DbHandle totals = DbTakeRecordset(connection);
    if (totals == 0) return false;
    RecordsetReadField(totals, "pay_money_sum", paidSum);
    RecordsetReadField(totals, "pay_total_sum", totalSum);
    RecordsetReadField(totals, "pay_count", count);
    FreeResultSet(totals);
    return true;
}

bool QueryMemberConsumptionTotals(const std::string& cardNumber, DbHandle connection,
                                  int64_t& count, int64_t& moneySum) {
    count = 0;
    moneySum = 0;
    const Sql statement = Sql("SELECT SUM(CAST(cost_money AS DECIMAL(20,2))) AS cost_money_sum,"
                              "COUNT(cost_money) AS cost_count FROM costlist "
                              "WHERE `cost_del` <> 1 AND user_id = ")
                              .id(cardNumber);
    if (!DbExecute(connection, statement)) return false;
    DbHandle totals = DbTakeRecordset(connection);
    if (totals == 0) return false;
    RecordsetReadField(totals, "cost_money_sum", moneySum);
    RecordsetReadField(totals, "cost_count", count);
    FreeResultSet(totals);
    return true;
}
