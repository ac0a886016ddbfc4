// A statement the server picks as a deadlock victim: sent again when it stood alone, left
// to its caller inside a transaction.
#include "database_test.h"

namespace {

class DeadlockVictimTest : public DatabaseTest {
  protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        database.Run("INSERT INTO userlist (user_id, user_name) VALUES (126, '张三')");
        connection = DbConnect(kDbHost, kDbUser, kDbPassword, kDbName, kDbPort);
        ASSERT_NE(connection, 0);
    }
    void TearDown() override {
        DbClose(connection);
        DatabaseTest::TearDown();
    }

    // The recharge's insert: it reads the member's row under a shared lock, then waits for
    // the gap the other desk holds in paylist. The other desk, heavier by its scratch rows
    // so that the server rolls back this statement and not that desk, then wants the
    // member's row: a deadlock.
    bool InsertRechargeAgainstAnotherDesk() {
        SteppedDesk other;
        other.Run(
            "START TRANSACTION; INSERT INTO xmlist (xm_name) VALUES ('s'), ('s'), ('s'), ('s'); "
            "SELECT * FROM paylist WHERE user_id = 126 FOR UPDATE");
        other.WhenWaitedFor(
            DbSessionId(connection),
            {"UPDATE userlist SET user_notes = 'x' WHERE user_id = 126", "ROLLBACK"});
        return DbExecute(connection,
                         Sql("INSERT INTO paylist (pay_total, user_id) SELECT '50', user_id FROM "
                             "userlist WHERE user_id = 126 AND user_del <> 1"));
    }

    DbHandle connection = 0;
};

TEST_F(DeadlockVictimTest, AStatementOutsideATransactionIsSentAgainAndStoredOnce) {
    EXPECT_TRUE(InsertRechargeAgainstAnotherDesk());
    EXPECT_EQ(DbLastOutcome(connection), DbOutcome::Done);
    EXPECT_EQ(DbRowsChanged(connection), 1);
    EXPECT_FALSE(DbLastWasDeadlockVictim(connection));
    EXPECT_EQ(database.CountRows("paylist"), 1);
}

// The server rolled back the whole transaction: the statement alone, sent again, would
// store a part of it.
TEST_F(DeadlockVictimTest, AStatementInsideATransactionIsNotSentAgain) {
    ASSERT_TRUE(DbExecute(connection, Sql("START TRANSACTION")));
    EXPECT_FALSE(InsertRechargeAgainstAnotherDesk());
    EXPECT_EQ(DbLastOutcome(connection), DbOutcome::Refused);
    EXPECT_TRUE(DbLastWasDeadlockVictim(connection));
    EXPECT_TRUE(DbExecute(connection, Sql("COMMIT")));
    EXPECT_FALSE(DbLastWasDeadlockVictim(connection)) << "the next statement clears it";
    EXPECT_EQ(database.CountRows("paylist"), 0);
}

}  // namespace
