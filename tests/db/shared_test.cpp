#include <atomic>
#include <chrono>
#include <thread>

#include "database_test.h"
#include "db/records.h"

namespace {

using SharedConnectionTest = DatabaseTest;

DbHandle CallAt(uint32_t tick) {
    SetTickCountForTests(tick);
    return GetSharedConnection();
}

// The server's own id of the shared connection, read without calling the keeper.
std::string ServerSideId() { return FirstValue(sharedConnection, "SELECT CONNECTION_ID() AS v"); }

TEST_F(SharedConnectionTest, TheFirstCallConnectsWhateverTheTickCount) {
    for (uint32_t tick : {0u, 60000u, 0xFFFFFFFFu}) {
        ResetSharedDatabaseForTests();
        DbHandle connection = CallAt(tick);
        EXPECT_NE(connection, 0) << tick;
        EXPECT_EQ(connection, sharedConnection);
        EXPECT_NE(ServerSideId(), "<failed>");
    }
}

TEST_F(SharedConnectionTest, ReconnectsOnlyAfterMoreThan60000MsSinceThePreviousCall) {
    struct Case {
        const char* what;
        uint32_t first, second;
        bool reconnects;
    };
    const uint32_t nearWrap = 0xFFFFFFFFu - 9999;  // 10000 ms before the counter wraps
    const Case cases[] = {
        {"exactly 60000 later", 5, 60005, false},
        {"60001 later", 5, 60006, true},
        {"across the wrap, 60000 later", nearWrap, 50000, false},
        {"across the wrap, 60001 later", nearWrap, 50001, true},
        {"clock went back", 100000, 50000, false},
    };
    for (const Case& c : cases) {
        ResetSharedDatabaseForTests();
        ASSERT_NE(CallAt(c.first), 0) << c.what;
        std::string before = ServerSideId();
        ASSERT_NE(CallAt(c.second), 0) << c.what;
        EXPECT_EQ(ServerSideId() != before, c.reconnects) << c.what;
    }
}

TEST_F(SharedConnectionTest, FrequentCallsNeverReconnectEvenWhenEveryStatementFails) {
    uint32_t tick = 1000;
    ASSERT_NE(CallAt(tick), 0);
    std::string first = ServerSideId();
    for (int i = 0; i < 5; ++i) {
        SetTickCountForTests(tick += 59999);
        EXPECT_EQ(RunSharedQuery(Sql("SELECT * FROM no_such_table")), 0);
    }
    EXPECT_EQ(ServerSideId(), first);
}

// A desk whose server was away works again with its next statement.
TEST_F(SharedConnectionTest, AFailedConnectIsRetriedAtTheNextUse) {
    SetConnectionPortForTests(UnusedPort());
    EXPECT_EQ(CallAt(1000), 0);
    EXPECT_EQ(RunSharedQuery(Sql("SELECT 1")), 0) << "statements on handle 0 fail";
    EXPECT_EQ(sharedResultSet, 0);

    SetConnectionPortForTests(std::nullopt);  // the server is back
    EXPECT_NE(CallAt(1001), 0);
}

TEST_F(SharedConnectionTest, AConnectionLostByAStatementIsRenewedAtTheNextUseNeverResent) {
    EXPECT_NE(CallAt(1000), 0);
    const std::string first = ServerSideId();
    database.Run("KILL CONNECTION " + first);
    EXPECT_EQ(RunSharedQuery(Sql("INSERT INTO xmlist (xm_name) VALUES ('x')")), 0);
    EXPECT_EQ(database.CountRows("xmlist"), 0) << "the lost statement is not sent again";
    EXPECT_NE(CallAt(1001), 0);
    EXPECT_NE(ServerSideId(), first);
    EXPECT_EQ(RunSharedQuery(Sql("SELECT 1")), 1);
    FreeSharedResultSet();
}

// The server ends the shared connection's session (as a restart or its idle time-out would)
// just before a statement is sent on it: a read is run once more on a new connection; a
// statement that may change something, or that takes a lock, is not sent again.
TEST_F(SharedConnectionTest, AReadThatLostItsConnectionIsRunOnceMoreOnANewOne) {
    database.Run("INSERT INTO xmlist (xm_name) VALUES ('a'), ('b')");
    struct Case {
        const char* statement;
        int rows;
    };
    const Case cases[] = {
        {"SELECT * FROM `marlovia`.`xmlist`", 2},
        {"\n select xm_name FROM xmlist WHERE xm_del <> 1", 2},
        {"SELECT * FROM xmlist FOR UPDATE", 0},
        {"SELECT GET_LOCK('x', 0) AS got", 0},
        {"INSERT INTO xmlist (xm_name) VALUES ('c')", 0},
    };
    for (const Case& c : cases) {
        ASSERT_NE(GetSharedConnection(), 0) << c.statement;
        const std::string lost = ServerSideId();
        database.Run("KILL CONNECTION " + lost);
        EXPECT_EQ(RunSharedQuery(Sql(c.statement)), c.rows) << c.statement;
        EXPECT_EQ(sharedResultSet != 0, c.rows != 0) << c.statement;
        FreeSharedResultSet();
        EXPECT_EQ(database.CountRows("xmlist"), 2) << c.statement;
        EXPECT_NE(ServerSideId(), lost) << c.statement;
    }
}

// A server too slow for the read time-out is not a gone one: the read is given up after one
// wait and not sent again, so the server runs it once and the desk waits once.
TEST_F(SharedConnectionTest, AReadThatTimedOutIsSentOnceAndFailsAfterOneWait) {
    ShortAnswerTimeout guard;
    const std::string slow = "SELECT SLEEP(12) AS slower_than_the_time_out";
    const std::string copies =
        "SELECT ID FROM information_schema.PROCESSLIST WHERE INFO = '" + slow + "'";
    ASSERT_NE(GetSharedConnection(), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunSharedQuery(Sql(slow)), 0);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(sharedResultSet, 0);
    EXPECT_TRUE(DbAnswerTimedOut(sharedConnection));
    // The copy given up still sleeps on the server; a second send would sleep beside it.
    const auto running = database.Rows(copies);
    EXPECT_EQ(running.size(), 1u) << "copies of the read the server runs";
    EXPECT_GE(waited, std::chrono::seconds(2)) << "the time-out of ShortAnswerTimeout";
    EXPECT_LT(waited, std::chrono::seconds(4)) << "one wait, not two";
    for (const auto& row : running) database.Run("KILL " + row[0]);

    // The keeper renews the connection for the next statement.
    EXPECT_EQ(RunSharedQuery(Sql("SELECT 1")), 1);
    FreeSharedResultSet();
}

// A connection that died while nobody used it is found before a statement is sent on it, so
// a write goes out once, on a live connection.
TEST_F(SharedConnectionTest, AConnectionThatDiedWhileIdleIsRenewedBeforeTheNextStatement) {
    ASSERT_NE(GetSharedConnection(), 0);
    const std::string lost = ServerSideId();
    database.Run("KILL CONNECTION " + lost);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_TRUE(DbExecute(GetSharedConnection(), Sql("INSERT INTO xmlist (xm_name) VALUES ('x')")));
    EXPECT_EQ(database.CountRows("xmlist"), 1);
    EXPECT_NE(ServerSideId(), lost);
}

// A real restart between two queries: the first query after it lists the rows.
TEST_F(SharedConnectionTest, TheFirstQueryAfterTheServerRestartedListsTheRows) {
    database.Run("INSERT INTO xmlist (xm_name) VALUES ('a'), ('b')");
    EXPECT_EQ(RunSharedQuery(Sql("SELECT * FROM xmlist")), 2);
    FreeSharedResultSet();
    ASSERT_NO_FATAL_FAILURE(database.RestartServer());
    EXPECT_EQ(RunSharedQuery(Sql("SELECT * FROM xmlist")), 2);
    FreeSharedResultSet();
}

TEST_F(SharedConnectionTest, ARejectedStatementLeavesNoResultSet) {
    EXPECT_EQ(RunSharedQuery(Sql("SELECT * FROM no_such_table")), 0);
    EXPECT_EQ(sharedResultSet, 0);
    FreeSharedResultSet();
    EXPECT_EQ(sharedResultSet, 0);

    // An empty result, by contrast, holds a result set until it is released.
    EXPECT_EQ(RunSharedQuery(Sql("SELECT * FROM xmlist")), 0);
    EXPECT_NE(sharedResultSet, 0);
    FreeSharedResultSet();
    EXPECT_EQ(sharedResultSet, 0);
}

TEST_F(SharedConnectionTest, PrivateConnectionsAreSeparateAndFollowThePortForTests) {
    ASSERT_NE(GetSharedConnection(), 0);
    DbHandle own = OpenPrivateConnection();
    ASSERT_NE(own, 0);
    EXPECT_NE(FirstValue(own, "SELECT CONNECTION_ID() AS v"), ServerSideId());
    DbClose(own);

    SetConnectionPortForTests(UnusedPort());
    EXPECT_EQ(OpenPrivateConnection(), 0);
}

// Each thread runs its own query and reads its rows under the lock; without it, one
// thread's statement would replace the other's rows between query and read.
TEST_F(SharedConnectionTest, TheLockKeepsEachQueryAndItsReadingTogether) {
    database.Run(
        "INSERT INTO userlist (user_id, user_name) SELECT seq, CONCAT('member', seq) "
        "FROM seq_1_to_20");
    database.Run(
        "INSERT INTO xmlist (xm_name, xm_money) SELECT CONCAT('item', seq), seq FROM seq_1_to_7");
    std::atomic<int> wrongReads = 0;
    auto members = [&] {
        for (int i = 0; i < 200; ++i) {
            auto lock = LockSharedDatabase();
            int n = RunSharedQuery(Sql("SELECT * FROM `marlovia`.`userlist`"));
            if (n != 20) ++wrongReads;
            MemberRecord record;
            for (int row = 1; row <= n; ++row) {
                ReadMemberRow(record, row);
                if (record.user_name != "member" + record.user_id) ++wrongReads;
            }
            FreeSharedResultSet();
        }
    };
    auto items = [&] {
        for (int i = 0; i < 200; ++i) {
            auto lock = LockSharedDatabase();
            int n = RunSharedQuery(Sql("SELECT * FROM `marlovia`.`xmlist`"));
            if (n != 7) ++wrongReads;
            ServiceItemRecord record;
            for (int row = 1; row <= n; ++row) {
                ReadServiceItemRow(record, row);
                if (record.xm_name != "item" + record.xm_money) ++wrongReads;
            }
            FreeSharedResultSet();
        }
    };
    std::thread first(members), second(items);
    first.join();
    second.join();
    EXPECT_EQ(wrongReads, 0);
    EXPECT_EQ(sharedResultSet, 0);
}

}  // namespace
