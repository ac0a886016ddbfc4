// Writes stored exactly once: an insert whose answer never came is looked up, after its
// session has ended, before anything is sent again.
#include "db/write_once.h"

#include <chrono>
#include <thread>

#include "database_test.h"

namespace {

class WriteOnceTest : public DatabaseTest {
  protected:
    const RowValues row{"paylist",
                        {{"pay_money", "100"}, {"user_id", "126"}, {"user_name", "O'Brien \\"}}};

    WriteOutcome Insert(DbHandle connection) {
        ++sent;
        const Sql statement = Sql("INSERT INTO paylist (pay_money, user_id, user_name) VALUES ('")
                                  .texts({"100", "126", "O'Brien \\"})
                                  .literal("')");
        return InsertOutcome(connection, DbExecute(connection, statement));
    }

    // Whether the table reaches this many rows within the tries (20 ms apart).
    bool WaitForRows(int count, int tries = 250) {
        for (int i = 0; i < tries; ++i) {
            if (database.CountRows("paylist") == count) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    WriteOnce once{"user_id"};
    int sent = 0;
};

TEST_F(WriteOnceTest, EqualRowsAreCountedAsStored) {
    database.Run(
        "INSERT INTO paylist (pay_money, user_id, user_name) VALUES "
        "('100', 126, 'O''Brien \\\\'), ('100', 126, 'O''Brien'), ('100', 127, '')");
    DbHandle connection = GetSharedConnection();
    EXPECT_EQ(CountEqualRows(connection, row), 1);
    EXPECT_EQ(CountEqualRows(connection, {"paylist", {}}), 3);
    EXPECT_EQ(CountEqualRows(connection, {"no_such_table", {}}), std::nullopt);
}

// The server freezes after the insert was sent: the answer never comes, and the server
// cannot be asked either. Resumed, it runs the insert that sat in its socket; the next
// write of that row finds it and sends nothing.
TEST_F(WriteOnceTest, AnInsertLostToAFrozenServerIsFoundAndNotSentAgain) {
    ShortAnswerTimeout guard;
    EXPECT_EQ(once.Write(row,
                         [&](DbHandle connection) {
                             FreezeDatabaseServer();
                             // The signal takes a moment to stop every thread.
                             std::this_thread::sleep_for(std::chrono::milliseconds(200));
                             return Insert(connection);
                         }),
              WriteOutcome::Unknown);
    ResumeDatabaseServer();
    ASSERT_TRUE(WaitForRows(1)) << "the resumed server did not run the lost insert";

    // The retry of a press the operator saw fail, retyped meanwhile: still the same member.
    RowValues retyped = row;
    retyped.columns[0].second = "200";
    EXPECT_EQ(once.Write(retyped, [&](DbHandle connection) { return Insert(connection); }),
              WriteOutcome::Stored);
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(database.CountRows("paylist"), 1);
}

// The insert waits for a lock until its answer is given up; its session is ended, so the
// insert never lands, and the next write sends it once.
TEST_F(WriteOnceTest, AnInsertLostWhileWaitingIsEndedAndSentOnceMore) {
    ShortAnswerTimeout guard;
    database.Run("START TRANSACTION; SELECT * FROM paylist WHERE user_id = 126 FOR UPDATE");
    EXPECT_EQ(once.Write(row, [&](DbHandle connection) { return Insert(connection); }),
              WriteOutcome::NotStored);
    database.Run("ROLLBACK");
    EXPECT_FALSE(WaitForRows(1, 50)) << "the lost insert landed after all";

    EXPECT_EQ(once.Write(row, [&](DbHandle connection) { return Insert(connection); }),
              WriteOutcome::Stored);
    EXPECT_EQ(sent, 2);
    EXPECT_EQ(database.CountRows("paylist"), 1);
}

// A change that is no insert: the server freezes with the update in its socket, runs it
// once resumed, and the lookup after the lost session has ended finds it in place.
TEST_F(WriteOnceTest, AnUpdateLostToAFrozenServerIsFoundInPlace) {
    ShortAnswerTimeout guard;
    database.Run("INSERT INTO bosslist (boss_tel, boss_key) VALUES ('t', 'old')");
    DbHandle connection = GetSharedConnection();
    const uint64_t session = DbSessionId(connection);
    FreezeDatabaseServer();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(DbExecute(connection, Sql("UPDATE bosslist SET boss_key = 'new'")));
    EXPECT_EQ(DbLastOutcome(connection), DbOutcome::Unknown);
    ResumeDatabaseServer();
    for (int i = 0; i < 250 && database.Rows("SELECT boss_key FROM bosslist")[0][0] != "new"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto keyIsNew = [](DbHandle fresh) -> std::optional<bool> {
        if (!DbExecute(fresh, Sql("SELECT boss_key FROM bosslist"))) return std::nullopt;
        DbHandle rows = DbTakeRecordset(fresh);
        std::string key;
        RecordsetReadField(rows, "boss_key", key);
        FreeResultSet(rows);
        return key == "new";
    };
    EXPECT_EQ(SettleLostStatement(session, keyIsNew), WriteOutcome::Stored);
}

}  // namespace
