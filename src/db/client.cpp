#include "db/client.h"

#include <errmsg.h>
#include <malloc.h>
#include <mysql.h>
#include <mysqld_error.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <limits>
#include <memory>
#include <mutex>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "db/whole_number.h"

namespace {

constexpr unsigned int kConnectTimeoutSeconds = 3;
// Long enough for any list the program reads, short enough that a server that stops
// answering gives the window back.
constexpr unsigned int kReadWriteTimeoutSeconds = 20;
std::atomic<unsigned int> readWriteTimeoutSeconds{kReadWriteTimeoutSeconds};
// Rows from which releasing a result hands its memory back to the system at once (a history
// of a large shop); a smaller result's is left for the next one, which then need not make it
// resident again.
constexpr size_t kLargeResult = 250000;

struct Connection {
    MYSQL* mysql = nullptr;
    DbOutcome outcome = DbOutcome::NotSent;
    int64_t rowsChanged = 0;
    bool broken = false;
    // The last statement's answer was given up after the read time-out.
    bool answerTimedOut = false;
    bool deadlockVictim = false;
    std::chrono::seconds readTimeout{kReadWriteTimeoutSeconds};
    // When the server last answered on it: one silent for long may have been dropped.
    std::chrono::steady_clock::time_point lastAnswer = std::chrono::steady_clock::now();
    // Rows of the last statement, stored at once so that a result nobody takes never
    // blocks the next statement.
    MYSQL_RES* pending = nullptr;

    void DropPending() {
        if (pending != nullptr) mysql_free_result(pending);
        pending = nullptr;
    }
    ~Connection() {
        DropPending();
        mysql_close(mysql);
    }
};

struct Recordset {
    MYSQL_RES* result = nullptr;
    std::vector<std::string> columns;
    // Every row indexed once: the client's own seek walks the rows from the first. Only
    // the place of each row is kept; a long result costs little more than its rows.
    std::vector<MYSQL_ROW_OFFSET> rows;
    // The current row, its index and its lengths (the client keeps only the last fetched).
    MYSQL_ROW row = nullptr;
    int64_t current = -1;
    std::vector<unsigned long> rowLengths;

    ~Recordset() { mysql_free_result(result); }
};

// Handles of both kinds come from one counter, so a handle of one kind is never taken
// for the other. Entries are shared so that a close on another thread cannot pull an
// object from under a call that is still using it.
class HandleTable {
  public:
    template <typename T>
    DbHandle Add(std::shared_ptr<T> object) {
        std::lock_guard lock(mutex_);
        do {
            last_ = last_ == std::numeric_limits<DbHandle>::max() ? 1 : last_ + 1;
        } while (connections_.contains(last_) || recordsets_.contains(last_));
        MapFor<T>()[last_] = std::move(object);
        return last_;
    }
    template <typename T>
    std::shared_ptr<T> Find(DbHandle handle) {
        std::lock_guard lock(mutex_);
        auto& map = MapFor<T>();
        auto found = map.find(handle);
        return found == map.end() ? nullptr : found->second;
    }
    template <typename T>
    std::shared_ptr<T> Remove(DbHandle handle) {
        std::lock_guard lock(mutex_);
        auto& map = MapFor<T>();
        auto found = map.find(handle);
        if (found == map.end()) return nullptr;
        std::shared_ptr<T> object = std::move(found->second);
        map.erase(found);
        return object;
    }

  private:
    template <typename T>
    auto& MapFor() {
        if constexpr (std::is_same_v<T, Connection>)
            return connections_;
        else
            return recordsets_;
    }

    std::mutex mutex_;
    DbHandle last_ = 0;
    std::unordered_map<DbHandle, std::shared_ptr<Connection>> connections_;
    std::unordered_map<DbHandle, std::shared_ptr<Recordset>> recordsets_;
};

// Never destroyed: a worker thread may still be reading when the program ends.
HandleTable& Handles() {
    static auto* table = new HandleTable;
    return *table;
}

std::string EscapeOn(MYSQL* mysql, std::string_view value) {
    std::string escaped(value.size() * 2 + 1, '\0');
    unsigned long length =
        mysql != nullptr
            ? mysql_real_escape_string(mysql, escaped.data(), value.data(), value.size())
            : mysql_escape_string(escaped.data(), value.data(), value.size());
    escaped.resize(length);
    return escaped;
}

void IndexRows(Recordset& recordset) {
    MYSQL_FIELD* fields = mysql_fetch_fields(recordset.result);
    const unsigned int count = mysql_num_fields(recordset.result);
    for (unsigned int i = 0; i < count; ++i)
        recordset.columns.emplace_back(fields[i].name, fields[i].name_length);
    recordset.rows.reserve(mysql_num_rows(recordset.result));
    for (;;) {
        MYSQL_ROW_OFFSET place = mysql_row_tell(recordset.result);
        if (mysql_fetch_row(recordset.result) == nullptr) break;
        recordset.rows.push_back(place);
    }
}

void MakeRowCurrent(Recordset& recordset, int64_t row) {
    recordset.row = nullptr;
    recordset.current = -1;
    if (row < 0 || static_cast<uint64_t>(row) >= recordset.rows.size()) return;
    mysql_row_seek(recordset.result, recordset.rows[static_cast<size_t>(row)]);
    recordset.row = mysql_fetch_row(recordset.result);
    const unsigned long* lengths = mysql_fetch_lengths(recordset.result);
    recordset.rowLengths.assign(lengths, lengths + recordset.columns.size());
    recordset.current = row;
}

// The server's own "connection was killed" (ER_CONNECTION_KILLED).
constexpr unsigned int kConnectionKilled = 1927;

// Errors after which the connection is gone; a statement sent before them may have run.
bool ConnectionLost(unsigned int error) {
    return error == CR_SERVER_GONE_ERROR || error == CR_SERVER_LOST ||
           error == CR_SERVER_LOST_EXTENDED || error == CR_CONNECTION_ERROR ||
           error == CR_CONN_HOST_ERROR || error == CR_COMMANDS_OUT_OF_SYNC ||
           error == kConnectionKilled;
}

// The session's own SQL mode, strict whatever the server's default: a value the table
// cannot hold is refused, never cut or replaced.
bool MakeSessionStrict(MYSQL* mysql) {
    const char statement[] =
        "SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), "
        "'STRICT_ALL_TABLES')";
    return mysql_query(mysql, statement) == 0;
}

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

// The index of the named column; -1 when the result has none. Callers name columns as the
// tables do; any case is accepted, as SQL does.
int ColumnIndex(const Recordset& recordset, const std::string& column) {
    const auto& columns = recordset.columns;
    auto found = std::find(columns.begin(), columns.end(), column);
    if (found == columns.end())
        found = std::find_if(columns.begin(), columns.end(),
                             [&](const std::string& name) { return SameName(name, column); });
    return found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
}

std::string_view ValueAt(MYSQL_ROW row, const unsigned long* lengths, int index) {
    if (index < 0 || row[index] == nullptr) return {};
    return std::string_view(row[index], lengths[index]);
}

// Hands the current row's value of the column to use ("" for NULL, no such column or no
// row) while the result set is surely alive.
template <typename Use>
void UseCurrentValue(DbHandle handle, const std::string& column, Use use) {
    auto recordset = Handles().Find<Recordset>(handle);
    if (!recordset || recordset->row == nullptr) return use(std::string_view());
    use(ValueAt(recordset->row, recordset->rowLengths.data(), ColumnIndex(*recordset, column)));
}

void ForgetLastStatement(Connection& connection) {
    connection.DropPending();
    connection.outcome = DbOutcome::NotSent;
    connection.rowsChanged = 0;
    connection.answerTimedOut = false;
    connection.deadlockVictim = false;
}

// Outside a transaction a statement is a transaction of its own, so the server rolls a
// deadlock victim back whole and it may be sent again. The status is the one the server
// gave with its last answer.
bool OutsideTransaction(MYSQL* mysql) {
    unsigned int status = 0;
    if (mariadb_get_infov(mysql, MARIADB_CONNECTION_SERVER_STATUS, &status) != 0) return false;
    return (status & SERVER_STATUS_AUTOCOMMIT) != 0 && (status & SERVER_STATUS_IN_TRANS) == 0;
}

bool SendStatement(Connection& connection, const std::string& text) {
    ForgetLastStatement(connection);
    MYSQL* mysql = connection.mysql;
    const auto sent = std::chrono::steady_clock::now();
    errno = 0;
    const bool answered = mysql_real_query(mysql, text.data(), text.size()) == 0;
    if (answered) connection.pending = mysql_store_result(mysql);
    const int waitError = errno;
    if (answered || !ConnectionLost(mysql_errno(mysql)))
        connection.lastAnswer = std::chrono::steady_clock::now();
    if (answered && (connection.pending != nullptr || mysql_field_count(mysql) == 0)) {
        connection.outcome = DbOutcome::Done;
        const my_ulonglong changed = mysql_affected_rows(mysql);
        connection.rowsChanged =
            changed == static_cast<my_ulonglong>(-1) ? 0 : static_cast<int64_t>(changed);
        return true;
    }
    if (ConnectionLost(mysql_errno(mysql))) {
        connection.broken = true;
        connection.outcome = DbOutcome::Unknown;
        // The library gives up a wait with the same error as a closed connection; the
        // socket's time-out, or a wait as long as the time-out, tells them apart.
        connection.answerTimedOut =
            waitError == ETIMEDOUT ||
            std::chrono::steady_clock::now() - sent >= connection.readTimeout;
    } else {
        connection.outcome = DbOutcome::Refused;
        connection.deadlockVictim = mysql_errno(mysql) == ER_LOCK_DEADLOCK;
    }
    return false;
}

}  // namespace

DbHandle DbConnect(const std::string& host, const std::string& user, const std::string& password,
                   const std::string& database, int port) {
    static std::once_flag libraryReady;
    std::call_once(libraryReady, [] { mysql_library_init(0, nullptr, nullptr); });
    if (port < 0 || port > 65535) return 0;

    MYSQL* mysql = mysql_init(nullptr);
    if (mysql == nullptr) return 0;
    auto connection = std::make_shared<Connection>();
    connection->mysql = mysql;
    unsigned int connectTimeout = kConnectTimeoutSeconds;
    unsigned int ioTimeout = readWriteTimeoutSeconds.load();
    connection->readTimeout = std::chrono::seconds(ioTimeout);
    // Always TCP, so the compiled port counts also for the host name "localhost".
    unsigned int protocol = MYSQL_PROTOCOL_TCP;
    mysql_options(mysql, MYSQL_OPT_CONNECT_TIMEOUT, &connectTimeout);
    mysql_options(mysql, MYSQL_OPT_READ_TIMEOUT, &ioTimeout);
    mysql_options(mysql, MYSQL_OPT_WRITE_TIMEOUT, &ioTimeout);
    mysql_options(mysql, MYSQL_OPT_PROTOCOL, &protocol);
    // Off, as the library's default: a lost connection is renewed by its keeper, which knows
    // what was sent on it.
    my_bool reconnect = 0;
    mysql_options(mysql, MYSQL_OPT_RECONNECT, &reconnect);
    if (mysql_real_connect(mysql, host.c_str(), user.c_str(), password.c_str(), database.c_str(),
                           static_cast<unsigned int>(port), nullptr, 0) == nullptr)
        return 0;
    if (mysql_set_character_set(mysql, "utf8mb4") != 0) return 0;
    if (!MakeSessionStrict(mysql)) return 0;
    return Handles().Add(std::move(connection));
}

void DbDisconnect(DbHandle connection) { Handles().Remove<Connection>(connection); }

void DbClose(DbHandle connection) { Handles().Remove<Connection>(connection); }

bool DbExecute(DbHandle handle, const Sql& statement) {
    auto connection = Handles().Find<Connection>(handle);
    if (!connection) return false;
    ForgetLastStatement(*connection);
    if (connection->broken) return false;
    MYSQL* mysql = connection->mysql;
    auto text =
        statement.render([mysql](std::string_view value) { return EscapeOn(mysql, value); });
    if (!text) return false;
    const bool mayResend = OutsideTransaction(mysql);
    for (int tries = 1;; ++tries) {
        const bool ran = SendStatement(*connection, *text);
        if (ran || !connection->deadlockVictim || !mayResend || tries == kDeadlockTries) return ran;
    }
}

DbOutcome DbLastOutcome(DbHandle handle) {
    auto connection = Handles().Find<Connection>(handle);
    return connection ? connection->outcome : DbOutcome::NotSent;
}

bool DbLastWasDeadlockVictim(DbHandle handle) {
    auto connection = Handles().Find<Connection>(handle);
    return connection && connection->deadlockVictim;
}

bool DbAnswerTimedOut(DbHandle handle) {
    auto connection = Handles().Find<Connection>(handle);
    return connection && connection->answerTimedOut;
}

int64_t DbRowsChanged(DbHandle handle) {
    auto connection = Handles().Find<Connection>(handle);
    return connection ? connection->rowsChanged : 0;
}

bool DbConnectionBroken(DbHandle handle) {
    auto connection = Handles().Find<Connection>(handle);
    return connection && connection->broken;
}

bool DbConnectionAnswers(DbHandle handle, int quietMs) {
    auto connection = Handles().Find<Connection>(handle);
    if (!connection || connection->broken) return false;
    const auto now = std::chrono::steady_clock::now();
    if (now - connection->lastAnswer <= std::chrono::milliseconds(quietMs)) return true;
    // The client library never reconnects by itself here: a silent reconnect would lose the
    // session's settings and could send a statement twice.
    if (mysql_ping(connection->mysql) != 0) {
        connection->broken = true;
        return false;
    }
    connection->lastAnswer = std::chrono::steady_clock::now();
    return true;
}

uint64_t DbSessionId(DbHandle handle) {
    auto connection = Handles().Find<Connection>(handle);
    return connection ? mysql_thread_id(connection->mysql) : 0;
}

DbHandle DbTakeRecordset(DbHandle handle) {
    auto connection = Handles().Find<Connection>(handle);
    if (!connection || connection->pending == nullptr) return 0;
    auto recordset = std::make_shared<Recordset>();
    recordset->result = std::exchange(connection->pending, nullptr);
    IndexRows(*recordset);
    MakeRowCurrent(*recordset, 0);
    return Handles().Add(std::move(recordset));
}

int32_t RecordsetRowCount(DbHandle handle) {
    auto recordset = Handles().Find<Recordset>(handle);
    if (!recordset) return 0;
    return static_cast<int32_t>(
        std::min<size_t>(recordset->rows.size(), std::numeric_limits<int32_t>::max()));
}

void RecordsetSeekRow(DbHandle handle, int64_t row) {
    if (auto recordset = Handles().Find<Recordset>(handle)) MakeRowCurrent(*recordset, row);
}

void RecordsetReadField(DbHandle recordset, const std::string& column, std::string& value) {
    UseCurrentValue(recordset, column, [&](std::string_view text) { value.assign(text); });
}

void RecordsetReadField(DbHandle recordset, const std::string& column, int32_t& value) {
    UseCurrentValue(recordset, column,
                    [&](std::string_view text) { value = WholeNumberFromText(text); });
}

void RecordsetReadField(DbHandle recordset, const std::string& column, int64_t& value) {
    UseCurrentValue(recordset, column,
                    [&](std::string_view text) { value = WideWholeNumberFromText(text); });
}

void RecordsetForEachRow(DbHandle handle, const std::vector<std::string>& columns,
                         const std::function<void(const std::string_view* values)>& each) {
    auto recordset = Handles().Find<Recordset>(handle);
    if (!recordset) return;
    std::vector<int> indices;
    for (const std::string& column : columns) indices.push_back(ColumnIndex(*recordset, column));
    std::vector<std::string_view> values(columns.size());
    if (!recordset->rows.empty()) mysql_row_seek(recordset->result, recordset->rows.front());
    while (MYSQL_ROW row = mysql_fetch_row(recordset->result)) {
        const unsigned long* lengths = mysql_fetch_lengths(recordset->result);
        for (size_t i = 0; i < indices.size(); ++i) values[i] = ValueAt(row, lengths, indices[i]);
        each(values.data());
    }
    MakeRowCurrent(*recordset, recordset->current);
}

void RecordsetFree(DbHandle handle) {
    std::shared_ptr<Recordset> recordset = Handles().Remove<Recordset>(handle);
    const bool large = recordset && recordset->rows.size() >= kLargeResult;
    recordset.reset();
    // glibc keeps freed memory for the next allocation; a large result's goes back at once.
    if (large) malloc_trim(0);
}

void SetReadTimeoutForTests(std::optional<unsigned int> seconds) {
    readWriteTimeoutSeconds = seconds.value_or(kReadWriteTimeoutSeconds);
}

std::string DbEscape(DbHandle handle, std::string_view value) {
    auto connection = Handles().Find<Connection>(handle);
    return EscapeOn(connection ? connection->mysql : nullptr, value);
}
