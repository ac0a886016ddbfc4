#include "consumption/CheckoutTransaction.h"

#include "consumption/Checkout.h"
#include "db/records.h"
#include "db/shared.h"

namespace {

// The live rows' amounts summed as exact decimals, as the member totals read them.
// prefix names the table ("pay": paylist) and its delete flag ("pay_del").
void AddExactSum(Sql& statement, const std::string& prefix, const std::string& amount,
                 const std::string& card) {
    statement
        .literal("(SELECT COALESCE(SUM(CAST(" + amount + " AS DECIMAL(20,2))), 0) FROM " + prefix +
                 "list WHERE " + prefix + "_del <> 1 AND user_id = ")
        .id(card)
        .literal(")");
}

bool ReadBalance(DbHandle connection, const ConsumptionRecord& record, BalanceCheck& check) {
    Sql statement("SELECT b.balance AS balance, b.balance >= CAST('");
    statement.text(record.cost_money).literal("' AS DECIMAL(20,2)) AS covers FROM (SELECT ");
    AddExactSum(statement, "pay", "pay_total", record.user_id);
    statement.literal(" - ");
    AddExactSum(statement, "cost", "cost_money", record.user_id);
    statement.literal(" AS balance) AS b");
    if (!DbExecute(connection, statement)) return false;
    DbHandle rows = DbTakeRecordset(connection);
    int32_t covers = 0;
    RecordsetReadField(rows, "balance", check.balance);
    RecordsetReadField(rows, "covers", covers);
    const bool read = RecordsetRowCount(rows) == 1;
    FreeResultSet(rows);
    if (read) check.covered = covers == 1;
    return read;
}

// The member's row locked first, so that desks checking out one card wait for each other
// and a deletion at another desk waits for the bill or comes before it; the sums are read
// under shared locks, so that no recharge is withdrawn meanwhile. False when a statement
// failed; the lock's answer tells whether the member is still live.
bool LockMember(DbHandle connection, const std::string& card, BalanceCheck& check) {
    const bool locked =
        DbExecute(connection, Sql("SET TRANSACTION ISOLATION LEVEL SERIALIZABLE")) &&
        DbExecute(connection, Sql("START TRANSACTION")) &&
        DbExecute(connection,
                  Sql("SELECT COALESCE(SUM(user_del <> 1), 0) AS live FROM userlist WHERE "
                      "user_id = ")
                      .id(card)
                      .literal(" FOR UPDATE"));
    if (!locked) return false;
    DbHandle rows = DbTakeRecordset(connection);
    int64_t live = 0;
    RecordsetReadField(rows, "live", live);
    const bool read = RecordsetRowCount(rows) == 1;
    FreeResultSet(rows);
    if (read) check.memberLive = live > 0;
    return read;
}

RowValues RowOf(const ConsumptionRecord& record) {
    return {"costlist",
            {{"cost_notes", record.cost_notes},
             {"cost_money", record.cost_money},
             {"cost_del", record.cost_del},
             {"cost_date", record.cost_date},
             {"xm_id", record.xm_id},
             {"xm_name", record.xm_name},
             {"xm_money", record.xm_money},
             {"user_id", record.user_id},
             {"user_name", record.user_name},
             {"boss_id", record.boss_id},
             {"boss_name", record.boss_name}}};
}

}  // namespace

WriteOutcome StoreBillIfCovered(DbHandle connection, ConsumptionRecord& record,
                                BalanceCheck& check) {
    for (int tries = 1;; ++tries) {
        check = BalanceCheck();
        const bool stored = LockMember(connection, record.user_id, check) && check.memberLive &&
                            ReadBalance(connection, record, check) && check.covered &&
                            InsertConsumptionRecord(record) && DbExecute(connection, Sql("COMMIT"));
        if (stored) return WriteOutcome::Stored;
        // A lost session rolls back on the server, unless it was the commit that got lost.
        if (DbConnectionBroken(connection)) return WriteOutcome::Unknown;
        // Taken before the rollback answers in its place. A victim's transaction was rolled
        // back whole, so running it again cannot charge the bill twice.
        const bool victim = DbLastWasDeadlockVictim(connection);
        DbExecute(connection, Sql("ROLLBACK"));
        if (!victim || tries == kDeadlockTries) return WriteOutcome::NotStored;
    }
}

WriteOutcome StoreBillOnce(ConsumptionRecord& record, BalanceCheck& check) {
    static WriteOnce bills("user_id");
    check = BalanceCheck();
    record.cost_del = kLiveFlag;
    return bills.Write(RowOf(record), [&](DbHandle connection) {
        return StoreBillIfCovered(connection, record, check);
    });
}
