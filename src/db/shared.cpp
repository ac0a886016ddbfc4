#include "db/shared.h"

#include <atomic>
#include <cctype>

#include "runtime/clock.h"

const std::string kDbHost = DB_HOST;
const std::string kDbUser = "marlovia";
const std::string kDbPassword = "mzr417#&*";
const std::string kDbName = "marlovia";
const int kDbPort = DB_PORT;

DbHandle sharedConnection = 0;
DbHandle sharedResultSet = 0;

namespace {

int32_t connectionUsedBefore = 0;
int32_t lastConnectionUse = 0;

constexpr int32_t kFirstCallIdleMs = 10000000;
constexpr int32_t kLongestIdleMs = 60000;
// A connection silent for longer is asked whether it is still there before it is used: a
// restart of the server drops every connection, and the desk would meet it with a failure.
constexpr int kQuietBeforeAskingMs = 1000;
constexpr int kNoPortOverride = -1;

std::atomic<int> portForTests = kNoPortOverride;

// Never destroyed: a worker thread may still hold it when the program ends.
std::recursive_mutex& SharedMutex() {
    static auto* mutex = new std::recursive_mutex;
    return *mutex;
}

// A SELECT that takes no lock: it leaves the database as it found it.
bool IsRead(const Sql& statement) {
    std::string text = statement.preview();
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos || text.compare(start, 7, "SELECT ") != 0) return false;
    for (const char* lock : {"GET_LOCK", "FOR UPDATE", "LOCK IN SHARE MODE"})
        if (text.find(lock) != std::string::npos) return false;
    return true;
}

int ConnectionPort() {
    int port = portForTests.load();
    return port == kNoPortOverride ? kDbPort : port;
}

}  // namespace

std::unique_lock<std::recursive_mutex> LockSharedDatabase() {
    return std::unique_lock(SharedMutex());
}

DbHandle GetSharedConnection() {
    auto lock = LockSharedDatabase();
    int32_t idle;
    if (connectionUsedBefore == 0) {
        idle = kFirstCallIdleMs;
        connectionUsedBefore = 1;
    } else {
        // Modulo 2^32 read as signed: the true elapsed time across the counter's wrap.
        idle = static_cast<int32_t>(TickCountMs() - static_cast<uint32_t>(lastConnectionUse));
    }
    // A connection that is gone, or none at all, is renewed at once: the server may be
    // back, and a desk must not wait out the idle rule to work again.
    if (idle > kLongestIdleMs || sharedConnection == 0 ||
        !DbConnectionAnswers(sharedConnection, kQuietBeforeAskingMs)) {
        DbDisconnect(sharedConnection);
        sharedConnection = 0;
        sharedConnection = DbConnect(kDbHost, kDbUser, kDbPassword, kDbName, ConnectionPort());
    }
    lastConnectionUse = static_cast<int32_t>(TickCountMs());
    return sharedConnection;
}

bool ExecuteSharedRead(const Sql& statement) {
    auto lock = LockSharedDatabase();
    GetSharedConnection();
    if (DbExecute(sharedConnection, statement)) return true;
    // A read changes nothing, so one whose connection went away is asked again on a new
    // one; anything else that lost its answer may have run and is never sent twice. A read
    // whose answer timed out met a slow server: sent again, it would double the wait and
    // the server's work.
    if (DbLastOutcome(sharedConnection) != DbOutcome::Unknown ||
        DbAnswerTimedOut(sharedConnection) || !IsRead(statement))
        return false;
    GetSharedConnection();
    return DbExecute(sharedConnection, statement);
}

int32_t RunSharedQuery(const Sql& statement) {
    auto lock = LockSharedDatabase();
    // A result set still held here belongs to a caller that frees it itself.
    sharedResultSet = 0;
    if (!ExecuteSharedRead(statement)) return 0;
    sharedResultSet = DbTakeRecordset(sharedConnection);
    return RecordsetRowCount(sharedResultSet);
}

void FreeSharedResultSet() {
    auto lock = LockSharedDatabase();
    FreeResultSet(sharedResultSet);
}

void FreeResultSet(DbHandle& recordset) {
    if (recordset == 0) return;
    RecordsetFree(recordset);
    recordset = 0;
}

DbHandle OpenPrivateConnection() {
    return DbConnect(kDbHost, kDbUser, kDbPassword, kDbName, ConnectionPort());
}

void ResetSharedDatabaseForTests() {
    auto lock = LockSharedDatabase();
    FreeResultSet(sharedResultSet);
    DbDisconnect(sharedConnection);
    sharedConnection = 0;
    connectionUsedBefore = 0;
    lastConnectionUse = 0;
}

void SetConnectionPortForTests(std::optional<int> port) {
    portForTests = port.value_or(kNoPortOverride);
}
