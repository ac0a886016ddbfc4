#pragma once
// The team's database fixture: a connection of its own, over the raw client library and
// independent of the code under test, to the server the program is compiled for (the
// port override for tests does not apply to it). Texts go in and come out as UTF-8.
//
// Every test of a program that uses it shares one server: discover such tests with
//   gtest_discover_tests(target PROPERTIES RESOURCE_LOCK database)
// so that ctest never runs two of them at once.
//
// Run and EmptyTables fail with ASSERT: that ends the helper, not the test; wrap a call in
// ASSERT_NO_FATAL_FAILURE where the test must stop. Rows and CountRows record a failure
// and return what they have (CountRows: -1).

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

struct st_mysql;

class TestDatabase {
  public:
    TestDatabase();  // connects; a failed connect is a test failure
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Runs one or more statements separated by ";", throwing away any rows.
    void Run(const std::string& sql);
    // Every row of a SELECT, each cell as text; NULL gives "".
    std::vector<std::vector<std::string>> Rows(const std::string& sql);
    // The number of rows of a table.
    int CountRows(const std::string& table);
    // Empties the five tables (ids start again at 1); with firstRunRows, puts back the
    // rows of sql/first-run.sql: the operator "Chief" (password "chief123") and five items.
    void EmptyTables(bool firstRunRows = false);

    // Stops the test instance's server and starts it again, as a power cut or an update
    // would: every connection to it is dropped. This connection is opened anew; any other
    // TestDatabase is left with a dead one.
    void RestartServer();

    // Runs statements as the server's administrator (root over the instance's socket), for
    // what the program's user may not do, such as changing the server's default SQL mode.
    void RunAsAdministrator(const std::string& sql);

  private:
    void Connect();

    st_mysql* mysql_ = nullptr;
};

// An older database whose userlist has no unique key on the card number, for as long as
// the guard lives: several members may then share a card. At its end the members are
// removed and the key is put back.
class WithoutUniqueCardKey {
  public:
    explicit WithoutUniqueCardKey(TestDatabase& database);
    ~WithoutUniqueCardKey();

  private:
    TestDatabase& database_;
};

// Another desk deleting a member: its transaction has flagged the row when the guard is made
// and commits half a second later, so that a write pressed meanwhile has to wait for it.
// The guard's end waits for the commit.
class MemberDeletionUnderWay {
  public:
    explicit MemberDeletionUnderWay(const std::string& card);
    ~MemberDeletionUnderWay();

  private:
    TestDatabase desk_;
    std::thread commit_;
};

// Another desk's transaction played step by step on a connection of its own: its first
// steps on the test's thread, the rest on a thread of its own once a session of the code
// under test waits for one of its locks. The end waits for that thread.
class SteppedDesk {
  public:
    ~SteppedDesk();
    void Run(const std::string& sql) { desk_.Run(sql); }
    // Runs the steps one by one once the session waits for a lock inside the server (found
    // in information_schema); after 5 s without a wait they run anyway, recorded as a failure,
    // so that a session blocked some other way is set free.
    void WhenWaitedFor(uint64_t session, std::vector<std::string> steps);

  private:
    TestDatabase desk_;
    std::thread steps_;
};

// A TCP port on 127.0.0.1 where nothing listens right now.
int UnusedPort();

// The test instance's server process: frozen (SIGSTOP) and resumed (SIGCONT), to make a
// statement's answer never come. A failure is a test failure.
void FreezeDatabaseServer();
void ResumeDatabaseServer();

// For a test that makes an answer never come: while it lives, new connections give up
// waiting after 2 s; on both ends the shared connection starts afresh, and at its end the
// server is resumed whatever the test did.
struct ShortAnswerTimeout {
    ShortAnswerTimeout();
    ~ShortAnswerTimeout();
};
