#include <chrono>
#include <climits>

#include "database_test.h"

namespace {

using ClientTest = DatabaseTest;

DbHandle Connect() { return DbConnect(kDbHost, kDbUser, kDbPassword, kDbName, kDbPort); }

TEST_F(ClientTest, AFailedConnectGivesZeroQuicklyAndSilently) {
    struct Case {
        const char* what;
        std::string password, database;
        int port;
    };
    const Case cases[] = {
        {"no server on the port", kDbPassword, kDbName, UnusedPort()},
        {"wrong password", "wrong", kDbName, kDbPort},
        {"unknown database", kDbPassword, "no_such_db", kDbPort},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        auto start = std::chrono::steady_clock::now();
        DbHandle connection = DbConnect(kDbHost, kDbUser, c.password, c.database, c.port);
        auto took = std::chrono::steady_clock::now() - start;
        std::string printed = testing::internal::GetCapturedStdout();
        printed += testing::internal::GetCapturedStderr();
        EXPECT_EQ(connection, 0) << c.what;
        EXPECT_EQ(printed, "") << c.what;
        EXPECT_LT(took, std::chrono::seconds(2)) << c.what;
    }
}

TEST_F(ClientTest, ZeroUnknownAndReleasedHandlesDoNothing) {
    DbHandle closed = Connect();
    ASSERT_NE(closed, 0);
    ASSERT_TRUE(DbExecute(closed, Sql("SELECT 1 AS v")));
    DbHandle freed = DbTakeRecordset(closed);
    RecordsetFree(freed);
    DbClose(closed);

    for (DbHandle handle : {0, 987654, -1, closed, freed}) {
        SCOPED_TRACE(handle);
        EXPECT_FALSE(DbExecute(handle, Sql("SELECT 1 AS v")));
        EXPECT_EQ(DbTakeRecordset(handle), 0);
        EXPECT_EQ(RecordsetRowCount(handle), 0);
        RecordsetSeekRow(handle, 0);
        std::string text = "old";
        int32_t number = 7;
        RecordsetReadField(handle, "v", text);
        RecordsetReadField(handle, "v", number);
        EXPECT_EQ(text, "");
        EXPECT_EQ(number, 0);
        EXPECT_EQ(DbEscape(handle, "it's \\"), "it\\'s \\\\");
        RecordsetFree(handle);
        DbClose(handle);
        DbDisconnect(handle);
    }
}

TEST_F(ClientTest, AConnectionHandleIsNoResultSet) {
    DbHandle connection = Connect();
    ASSERT_NE(connection, 0);
    EXPECT_EQ(RecordsetRowCount(connection), 0);
    RecordsetFree(connection);
    EXPECT_EQ(FirstValue(connection, "SELECT 'still open' AS v"), "still open");
    DbClose(connection);
}

TEST_F(ClientTest, StatementsReportWhetherTheServerRanThem) {
    DbHandle connection = Connect();
    ASSERT_NE(connection, 0);
    EXPECT_FALSE(DbExecute(connection, Sql("SELECT * FROM no_such_table")));
    EXPECT_EQ(DbTakeRecordset(connection), 0);
    EXPECT_FALSE(DbExecute(connection, Sql("SELEKT 1")));

    EXPECT_TRUE(DbExecute(connection, Sql("INSERT INTO xmlist (xm_name) VALUES ('x')")));
    EXPECT_EQ(DbTakeRecordset(connection), 0) << "an insert gives no result set";

    // A result that nobody takes does not block the next statement.
    EXPECT_TRUE(DbExecute(connection, Sql("SELECT * FROM xmlist")));
    EXPECT_EQ(FirstValue(connection, "SELECT 'next' AS v"), "next");
    DbClose(connection);
}

TEST_F(ClientTest, TheFirstRowIsCurrentAndARowOutOfRangeLeavesNone) {
    DbHandle connection = Connect();
    ASSERT_TRUE(DbExecute(connection, Sql("SELECT 'a' AS v UNION ALL SELECT 'b'")));
    DbHandle rows = DbTakeRecordset(connection);
    EXPECT_EQ(RecordsetRowCount(rows), 2);
    std::string value;
    RecordsetReadField(rows, "v", value);
    EXPECT_EQ(value, "a");
    RecordsetSeekRow(rows, 1);
    RecordsetReadField(rows, "V", value);
    EXPECT_EQ(value, "b") << "column names match in any case, as in SQL";
    for (int64_t outside : {int64_t{2}, int64_t{-1}, INT64_MAX}) {
        RecordsetSeekRow(rows, outside);
        RecordsetReadField(rows, "v", value);
        EXPECT_EQ(value, "") << outside;
    }
    RecordsetFree(rows);
    DbClose(connection);
}

TEST_F(ClientTest, NullAndUnknownColumnsReadAsEmptyOrZero) {
    DbHandle connection = Connect();
    ASSERT_TRUE(DbExecute(connection, Sql("SELECT NULL AS v, SUM(xm_money) AS total FROM xmlist")));
    DbHandle rows = DbTakeRecordset(connection);
    std::string text = "old";
    int32_t number = 7;
    RecordsetReadField(rows, "v", text);
    RecordsetReadField(rows, "total", number);
    EXPECT_EQ(text, "");
    EXPECT_EQ(number, 0) << "the sum over no rows is NULL";
    RecordsetReadField(rows, "no_such_column", text);
    EXPECT_EQ(text, "");
    RecordsetFree(rows);
    DbClose(connection);
}

TEST_F(ClientTest, ASumWithAFractionReadsCutTowardZero) {
    database.Run("INSERT INTO xmlist (xm_name, xm_money) VALUES ('a', '99.5'), ('b', '-0.7')");
    DbHandle connection = Connect();
    ASSERT_TRUE(DbExecute(connection, Sql("SELECT SUM(xm_money) AS total FROM xmlist")));
    DbHandle rows = DbTakeRecordset(connection);
    std::string text;
    int32_t number = 0;
    RecordsetReadField(rows, "total", text);
    RecordsetReadField(rows, "total", number);
    EXPECT_EQ(text.substr(0, 4), "98.8");
    EXPECT_EQ(number, 98);
    RecordsetFree(rows);
    DbClose(connection);
}

TEST_F(ClientTest, TextsReadAsWholeNumbers) {
    struct Case {
        const char* text;
        int32_t number;
    };
    const Case cases[] = {
        {"98.8", 98},
        {"-0.7", 0},
        {"-5.9", -5},
        {"123.99999999999999999", 123},
        {"007", 7},
        {"+4", 4},
        {" 12", 12},
        {"12 元", 12},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-99999999999.5", INT32_MIN},
        {"1.5e3", 1500},
        {"2.5E-1", 0},
        {"1e20", INT32_MAX},
        {"-1e400", INT32_MIN},
        {".5", 0},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"e5", 0},
    };
    DbHandle connection = Connect();
    ASSERT_NE(connection, 0);
    for (const Case& c : cases) {
        ASSERT_TRUE(DbExecute(connection, Sql("SELECT '").text(c.text).literal("' AS v")));
        DbHandle rows = DbTakeRecordset(connection);
        int32_t number = -42;
        RecordsetReadField(rows, "v", number);
        EXPECT_EQ(number, c.number) << '"' << c.text << '"';
        RecordsetFree(rows);
    }
    DbClose(connection);
}

TEST_F(ClientTest, HostileValuesAreStoredExactlyAndHostileIdsAreNeverSent) {
    database.Run("INSERT INTO userlist (user_id, user_name) VALUES (1, 'a'), (2, 'b')");
    const std::string name = "O'Brien \\ \"x\" \\'; DELETE FROM userlist; -- ";
    DbHandle connection = Connect();
    ASSERT_NE(connection, 0);

    EXPECT_TRUE(DbExecute(connection, Sql("INSERT INTO userlist (user_id, user_name) VALUES ('")
                                          .texts({"3", name})
                                          .literal("')")));
    EXPECT_EQ(database.Rows("SELECT user_name FROM userlist WHERE user_id = 3"),
              (std::vector<std::vector<std::string>>{{name}}));
    EXPECT_EQ(FirstValue(connection, "SELECT user_name AS v FROM userlist WHERE user_id = 3"),
              name);

    EXPECT_FALSE(DbExecute(
        connection, Sql("DELETE FROM `marlovia`.`userlist` WHERE `user_id` = ").id("1 OR 1=1")));
    EXPECT_EQ(database.CountRows("userlist"), 3);
    EXPECT_EQ(FirstValue(connection, "SELECT COUNT(*) AS v FROM userlist"), "3")
        << "the connection works on after a statement that was not sent";
    DbClose(connection);
}

TEST_F(ClientTest, ChineseTextIsStoredAsGbkAndReadBackAsUtf8) {
    DbHandle connection = Connect();
    ASSERT_TRUE(DbExecute(connection, Sql("INSERT INTO userlist (user_id, user_name, user_notes) "
                                          "VALUES ('")
                                          .texts({"1", "张三", "真"})
                                          .literal("')")));
    EXPECT_EQ(database.Rows("SELECT HEX(user_name), HEX(user_notes) FROM userlist"),
              (std::vector<std::vector<std::string>>{{"D5C5C8FD", "D5E6"}}));
    EXPECT_EQ(FirstValue(connection, "SELECT user_name AS v FROM userlist"), "张三");
    EXPECT_EQ(FirstValue(connection, "SELECT user_notes AS v FROM userlist"), "真");
    DbClose(connection);
}

TEST_F(ClientTest, TextThatGbkCannotHoldIsRefusedNotMangled) {
    DbHandle connection = Connect();
    EXPECT_FALSE(DbExecute(connection, Sql("INSERT INTO userlist (user_id, user_name) VALUES ('")
                                           .texts({"1", "张三😀"})
                                           .literal("')")));
    EXPECT_EQ(database.CountRows("userlist"), 0);
    DbClose(connection);
}

TEST_F(ClientTest, EveryStatementTellsHowItEndedAndHowManyRowsItChanged) {
    database.Run("INSERT INTO xmlist (xm_name) VALUES ('a'), ('b')");
    DbHandle connection = Connect();
    ASSERT_NE(connection, 0);
    struct Case {
        Sql statement;
        DbOutcome outcome;
        int64_t changed;
    };
    const Case cases[] = {
        {Sql("UPDATE xmlist SET xm_del = 1"), DbOutcome::Done, 2},
        {Sql("UPDATE xmlist SET xm_del = 1"), DbOutcome::Done, 0},
        {Sql("UPDATE xmlist SET xm_del = 0 WHERE xm_id = ").id("1"), DbOutcome::Done, 1},
        {Sql("SELECT * FROM xmlist"), DbOutcome::Done, 2},
        {Sql("UPDATE no_such_table SET a = 1"), DbOutcome::Refused, 0},
        {Sql("DELETE FROM xmlist WHERE xm_id = ").id("1 OR 1=1"), DbOutcome::NotSent, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement.preview());
        EXPECT_EQ(DbExecute(connection, c.statement), c.outcome == DbOutcome::Done);
        EXPECT_EQ(DbLastOutcome(connection), c.outcome);
        EXPECT_EQ(DbRowsChanged(connection), c.changed);
        EXPECT_FALSE(DbConnectionBroken(connection));
    }
    EXPECT_EQ(DbLastOutcome(0), DbOutcome::NotSent);
    DbClose(connection);
}

TEST_F(ClientTest, AStatementThatLosesItsConnectionHasAnUnknownOutcomeAndBreaksIt) {
    DbHandle connection = Connect();
    ASSERT_NE(connection, 0);
    database.Run("KILL CONNECTION " + std::to_string(DbSessionId(connection)));
    EXPECT_FALSE(DbExecute(connection, Sql("INSERT INTO xmlist (xm_name) VALUES ('x')")));
    EXPECT_EQ(DbLastOutcome(connection), DbOutcome::Unknown);
    EXPECT_FALSE(DbAnswerTimedOut(connection)) << "ended by the server, not given up waiting";
    EXPECT_TRUE(DbConnectionBroken(connection));
    EXPECT_FALSE(DbExecute(connection, Sql("SELECT 1 AS v")))
        << "a broken connection sends nothing";
    EXPECT_EQ(DbLastOutcome(connection), DbOutcome::NotSent);
    EXPECT_EQ(database.CountRows("xmlist"), 0);
    DbClose(connection);
}

// The server's default mode is not trusted: every connection makes its own session strict.
TEST_F(ClientTest, ASessionIsStrictEvenOnAServerThatIsNot) {
    const std::string serverMode = database.Rows("SELECT @@GLOBAL.sql_mode")[0][0];
    database.RunAsAdministrator("SET GLOBAL sql_mode = 'NO_ENGINE_SUBSTITUTION'");
    DbHandle connection = Connect();
    database.RunAsAdministrator("SET GLOBAL sql_mode = '" + serverMode + "'");
    ASSERT_NE(connection, 0);
    EXPECT_NE(FirstValue(connection, "SELECT @@SESSION.sql_mode AS v").find("STRICT_ALL_TABLES"),
              std::string::npos);
    EXPECT_FALSE(DbExecute(connection, Sql("INSERT INTO userlist (user_id, user_name) VALUES ('")
                                           .texts({"1", "张😀"})
                                           .literal("')")));
    EXPECT_FALSE(DbExecute(connection, Sql("INSERT INTO paylist (user_id, pay_money) VALUES ('")
                                           .texts({"1", std::string(40, '9')})
                                           .literal("')")));
    EXPECT_EQ(database.CountRows("userlist"), 0);
    EXPECT_EQ(database.CountRows("paylist"), 0);
    DbClose(connection);
}

TEST_F(ClientTest, CountsAndExactSumsReadIn64Bits) {
    struct Case {
        const char* text;
        int64_t number;
    };
    const Case cases[] = {
        {"27.00", 27},
        {"3000000000", 3000000000},
        {"-9.99", -9},
        {"9223372036854775807", INT64_MAX},
        {"9223372036854775808", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"123456789012345678901234", INT64_MAX},
        {"1e30", INT64_MAX},
        {"", 0},
    };
    DbHandle connection = Connect();
    ASSERT_NE(connection, 0);
    for (const Case& c : cases) {
        ASSERT_TRUE(DbExecute(connection, Sql("SELECT '").text(c.text).literal("' AS v")));
        DbHandle rows = DbTakeRecordset(connection);
        int64_t number = -42;
        RecordsetReadField(rows, "v", number);
        EXPECT_EQ(number, c.number) << '"' << c.text << '"';
        RecordsetFree(rows);
    }
    DbClose(connection);
}

}  // namespace
