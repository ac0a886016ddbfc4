#include "members/MemberTotals.h"

#include "db/shared.h"

// The amounts are texts: summed as DECIMAL, not as floating point, so that ten times 2.7
// is 27 and not 26.999... The statements for all members sum the same expressions, group by
// group, so each member's figures are the one-member statement's to the last digit.

namespace {

// One pass over the whole table beats the user_id index here: the index would be walked
// end to end and every row fetched from the table by a random read.
constexpr char kAllRechargeTotals[] =
    "SELECT user_id,SUM(CAST(pay_money AS DECIMAL(20,2))) AS pay_money_sum,"
    "SUM(CAST(pay_total AS DECIMAL(20,2))) AS pay_total_sum,"
    "COUNT(pay_money) AS pay_count FROM paylist USE INDEX () "
    "WHERE `pay_del` <> 1 GROUP BY user_id ORDER BY NULL";
constexpr char kAllConsumptionTotals[] =
    "SELECT user_id,SUM(CAST(cost_money AS DECIMAL(20,2))) AS cost_money_sum,"
    "COUNT(cost_money) AS cost_count FROM costlist USE INDEX () "
    "WHERE `cost_del` <> 1 GROUP BY user_id ORDER BY NULL";

// Runs the statement and hands each row of its result to read(result, totals of the row).
template <typename Totals, typename Read>
std::optional<TotalsByCard<Totals>> ReadAll(DbHandle connection, const char* statement, Read read) {
    if (!DbExecute(connection, Sql(statement))) return std::nullopt;
    DbHandle result = DbTakeRecordset(connection);
    if (result == 0) return std::nullopt;
    TotalsByCard<Totals> all;
    const int32_t rows = RecordsetRowCount(result);
    all.reserve(rows);
    for (int32_t row = 0; row < rows; ++row) {
        RecordsetSeekRow(result, row);
        int64_t card = 0;
        RecordsetReadField(result, "user_id", card);
        read(result, all[card]);
    }
    FreeResultSet(result);
    return all;
}

}  // namespace

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

std::optional<TotalsByCard<RechargeTotals>> QueryAllRechargeTotals(DbHandle connection) {
    return ReadAll<RechargeTotals>(connection, kAllRechargeTotals,
                                   [](DbHandle result, RechargeTotals& totals) {
                                       RecordsetReadField(result, "pay_money_sum", totals.paidSum);
                                       RecordsetReadField(result, "pay_total_sum", totals.totalSum);
                                       RecordsetReadField(result, "pay_count", totals.count);
                                   });
}

std::optional<TotalsByCard<ConsumptionTotals>> QueryAllConsumptionTotals(DbHandle connection) {
    return ReadAll<ConsumptionTotals>(
        connection, kAllConsumptionTotals, [](DbHandle result, ConsumptionTotals& totals) {
            RecordsetReadField(result, "cost_money_sum", totals.moneySum);
            RecordsetReadField(result, "cost_count", totals.count);
        });
}
