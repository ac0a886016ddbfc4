#include "members/MemberTotals.h"

#include "db/shared.h"

void QueryMemberRechargeTotals(const std::string& cardNumber, DbHandle connection, int32_t& count,
                               int32_t& paidSum, int32_t& totalSum) {
    count = 0;
    paidSum = 0;
    totalSum = 0;
    const Sql statement =
        Sql("SELECT SUM(pay_money) AS pay_money_sum,SUM(pay_total) AS pay_total_sum,"
            "COUNT(pay_money) AS pay_count FROM paylist WHERE `pay_del` <> 1 AND user_id = ")
            .id(cardNumber);
    if (!DbExecute(connection, statement)) return;
    DbHandle totals = DbTakeRecordset(connection);
    RecordsetReadField(totals, "pay_money_sum", paidSum);
    RecordsetReadField(totals, "pay_total_sum", totalSum);
    RecordsetReadField(totals, "pay_count", count);
    FreeResultSet(totals);
}

void QueryMemberConsumptionTotals(const std::string& cardNumber, DbHandle connection,
                                  int32_t& count, int32_t& moneySum) {
    count = 0;
    moneySum = 0;
    const Sql statement = Sql("SELECT SUM(cost_money) AS cost_money_sum,COUNT(cost_money) AS "
                              "cost_count FROM costlist WHERE `cost_del` <> 1 AND user_id = ")
                              .id(cardNumber);
    if (!DbExecute(connection, statement)) return;
    DbHandle totals = DbTakeRecordset(connection);
    RecordsetReadField(totals, "cost_money_sum", moneySum);
    RecordsetReadField(totals, "cost_count", count);
    FreeResultSet(totals);
}
