#include "test_database.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <mysql.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "db/shared.h"

TestDatabase::TestDatabase() { Connect(); }

void TestDatabase::Connect() {
    mysql_ = mysql_init(nullptr);
    ASSERT_NE(mysql_, nullptr);
    unsigned int timeout = 3;
    mysql_options(mysql_, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    mysql_options(mysql_, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    ASSERT_NE(mysql_real_connect(mysql_, kDbHost.c_str(), kDbUser.c_str(), kDbPassword.c_str(),
                                 kDbName.c_str(), static_cast<unsigned int>(kDbPort), nullptr,
                                 CLIENT_MULTI_STATEMENTS),
              nullptr)
        << "no database server on " << kDbHost << ":" << kDbPort << ": " << mysql_error(mysql_);
}

TestDatabase::~TestDatabase() { mysql_close(mysql_); }

void TestDatabase::RestartServer() {
    mysql_close(mysql_);
    mysql_ = nullptr;
    const std::string script =
        "DB_INSTANCE=test DB_PORT=" + std::to_string(kDbPort) + " '" + DB_SCRIPT + "' ";
    const std::string command = script + "stop >/dev/null && " + script + "start >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << "the test instance did not restart";
    Connect();
}

namespace {

// Root over the instance's socket; nullptr, recorded as a failure, when refused.
MYSQL* ConnectAsAdministrator() {
    MYSQL* root = mysql_init(nullptr);
    const std::string socket = std::string(TEST_DB_DIR) + "/mysqld.sock";
    if (root == nullptr ||
        mysql_real_connect(root, nullptr, "root", "", nullptr, 0, socket.c_str(), 0) == nullptr) {
        ADD_FAILURE() << "no administrator connection on " << socket << ": "
                      << (root != nullptr ? mysql_error(root) : "out of memory");
        mysql_close(root);
        return nullptr;
    }
    return root;
}

// Polled for up to 5 s as the administrator: only the PROCESS privilege shows lock waits.
// The server renews its table of transactions only after 100 ms without a read of it.
bool AwaitLockWait(uint64_t session) {
    MYSQL* root = ConnectAsAdministrator();
    if (root == nullptr) return false;
    const std::string waiting =
        "SELECT 1 FROM information_schema.INNODB_TRX WHERE trx_state = 'LOCK WAIT' AND "
        "trx_mysql_thread_id = " +
        std::to_string(session);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    bool waits = false;
    while (!waits && std::chrono::steady_clock::now() < deadline) {
        if (mysql_real_query(root, waiting.data(), waiting.size()) != 0) break;
        MYSQL_RES* rows = mysql_store_result(root);
        waits = rows != nullptr && mysql_num_rows(rows) > 0;
        mysql_free_result(rows);
        if (!waits) std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    mysql_close(root);
    return waits;
}

}  // namespace

void TestDatabase::RunAsAdministrator(const std::string& sql) {
    MYSQL* root = ConnectAsAdministrator();
    if (root == nullptr) return;
    const int failed = mysql_real_query(root, sql.data(), sql.size());
    EXPECT_EQ(failed, 0) << mysql_error(root) << "\n  in: " << sql;
    mysql_close(root);
}

namespace {

void SignalDatabaseServer(int signal) {
    std::ifstream file(std::string(TEST_DB_DIR) + "/mysqld.pid");
    pid_t pid = 0;
    ASSERT_TRUE(file >> pid) << "no process id in " << TEST_DB_DIR << "/mysqld.pid";
    ASSERT_EQ(kill(pid, signal), 0);
}

}  // namespace

void FreezeDatabaseServer() { SignalDatabaseServer(SIGSTOP); }

void ResumeDatabaseServer() { SignalDatabaseServer(SIGCONT); }

WithoutUniqueCardKey::WithoutUniqueCardKey(TestDatabase& database) : database_(database) {
    database_.Run("ALTER TABLE userlist DROP INDEX IF EXISTS uq_user_id");
}

WithoutUniqueCardKey::~WithoutUniqueCardKey() {
    database_.Run("DELETE FROM userlist");
    database_.Run("ALTER TABLE userlist ADD UNIQUE KEY IF NOT EXISTS uq_user_id (user_id)");
}

ShortAnswerTimeout::ShortAnswerTimeout() {
    SetReadTimeoutForTests(2);
    ResetSharedDatabaseForTests();
}

ShortAnswerTimeout::~ShortAnswerTimeout() {
    ResumeDatabaseServer();
    SetReadTimeoutForTests(std::nullopt);
    ResetSharedDatabaseForTests();
}

void TestDatabase::Run(const std::string& sql) {
    ASSERT_EQ(mysql_real_query(mysql_, sql.data(), sql.size()), 0)
        << mysql_error(mysql_) << "\n  in: " << sql;
    int more = 0;
    do {
        mysql_free_result(mysql_store_result(mysql_));
        ASSERT_EQ(mysql_errno(mysql_), 0u) << mysql_error(mysql_) << "\n  in: " << sql;
        more = mysql_next_result(mysql_);
        ASSERT_LE(more, 0) << mysql_error(mysql_) << "\n  in: " << sql;
    } while (more == 0);
}

std::vector<std::vector<std::string>> TestDatabase::Rows(const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    EXPECT_EQ(mysql_real_query(mysql_, sql.data(), sql.size()), 0)
        << mysql_error(mysql_) << "\n  in: " << sql;
    MYSQL_RES* result = mysql_store_result(mysql_);
    EXPECT_NE(result, nullptr) << "no rows from: " << sql;
    if (result == nullptr) return rows;
    unsigned int columns = mysql_num_fields(result);
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        unsigned long* lengths = mysql_fetch_lengths(result);
        auto& cells = rows.emplace_back();
        for (unsigned int i = 0; i < columns; ++i)
            cells.emplace_back(row[i] != nullptr ? std::string(row[i], lengths[i]) : "");
    }
    mysql_free_result(result);
    return rows;
}

int TestDatabase::CountRows(const std::string& table) {
    auto rows = Rows("SELECT COUNT(*) FROM " + table);
    return rows.empty() ? -1 : std::stoi(rows[0][0]);
}

void TestDatabase::EmptyTables(bool firstRunRows) {
    ASSERT_NO_FATAL_FAILURE(
        Run("TRUNCATE bosslist; TRUNCATE userlist; TRUNCATE paylist; TRUNCATE costlist; "
            "TRUNCATE xmlist"));
    if (!firstRunRows) return;
    std::ifstream file(FIRST_RUN_SQL);
    ASSERT_TRUE(file) << "cannot read " << FIRST_RUN_SQL;
    std::stringstream text;
    text << file.rdbuf();
    Run(text.str());
}

int UnusedPort() {
    int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    // Port 0 lets the system choose one that is free; closing it leaves nobody there.
    bind(probe, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    close(probe);
    return ntohs(address.sin_port);
}

MemberDeletionUnderWay::MemberDeletionUnderWay(const std::string& card) {
    desk_.Run("START TRANSACTION; UPDATE userlist SET user_del = 1 WHERE user_id = " + card);
    commit_ = std::thread([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        desk_.Run("COMMIT");
    });
}

MemberDeletionUnderWay::~MemberDeletionUnderWay() { commit_.join(); }

SteppedDesk::~SteppedDesk() {
    if (steps_.joinable()) steps_.join();
}

void SteppedDesk::WhenWaitedFor(uint64_t session, std::vector<std::string> steps) {
    steps_ = std::thread([this, session, steps = std::move(steps)] {
        if (!AwaitLockWait(session)) ADD_FAILURE() << "session " << session << " never waited";
        for (const std::string& step : steps) desk_.Run(step);
    });
}
