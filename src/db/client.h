#pragma once
// The database client: connections and result sets are 32-bit handles, 0 = none. No
// operation reports an error other than by its result, and none ends the program.
// One connection and its result sets serve one thread at a time; different
// connections may be used by different threads at once.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/sql.h"

using DbHandle = int32_t;

// Connects with a connect timeout of a few seconds, sets the connection's character set to
// utf8mb4 and its session strict (STRICT_ALL_TABLES) at once. 0 on failure, also when either
// setting is refused.
DbHandle DbConnect(const std::string& host, const std::string& user, const std::string& password,
                   const std::string& database, int port);
// Ends a connection; 0 or an unknown handle does nothing.
void DbDisconnect(DbHandle connection);
void DbClose(DbHandle connection);
// Tries of a statement, or of a transaction, that the server picked as a deadlock victim.
inline constexpr int kDeadlockTries = 3;
// True when the server ran the statement; false on any error, on handle 0, and when the
// statement could not be built (an id that is not a whole number: nothing is sent). Sent
// outside a transaction, a deadlock victim is sent again, kDeadlockTries in all: the server
// rolled it back whole. Inside one it is not: the whole transaction was rolled back, and
// only its caller can run it again.
bool DbExecute(DbHandle connection, const Sql& statement);
// How the last DbExecute on a connection ended.
enum class DbOutcome {
    Done,     // the server ran it
    NotSent,  // nothing reached the server: no connection, or an id that is not a number
    Refused,  // the server answered with an error: nothing of it was stored
    Unknown,  // sent, and the connection was lost before the answer came
};
DbOutcome DbLastOutcome(DbHandle connection);
// True when the server refused the last DbExecute as a deadlock victim (on its last try),
// rolling back the transaction it was part of: nothing of that transaction is stored.
bool DbLastWasDeadlockVictim(DbHandle connection);
// True when the last DbExecute on the connection had an unknown outcome because its answer
// did not come within the read time-out: the server was slow, not gone, and may still be
// running the statement.
bool DbAnswerTimedOut(DbHandle connection);
// Rows the last statement inserted, changed or deleted (0 after a failure).
int64_t DbRowsChanged(DbHandle connection);
// True once the connection is gone (lost, timed out, closed by the server): it will never
// run another statement, and its keeper opens a new one instead.
bool DbConnectionBroken(DbHandle connection);
// True when the connection may take a statement. One that has had no answer for more than
// quietMs is asked first (one round trip): a server restart or a time-out drops a connection
// without a word, and a statement sent on it would be lost. A connection that does not
// answer is broken from then on. False for 0 and for a broken connection.
bool DbConnectionAnswers(DbHandle connection, int quietMs);
// The server's id of the connection's session (for KILL and the process list); 0 for none.
uint64_t DbSessionId(DbHandle connection);

// All rows of the last statement on the connection; its first row is current. 0 when
// the statement gave no result set.
DbHandle DbTakeRecordset(DbHandle connection);
int32_t RecordsetRowCount(DbHandle recordset);
// Makes the 0-based row current; a row out of range leaves no current row.
void RecordsetSeekRow(DbHandle recordset, int64_t row);
// The current row's value of the named column: text as stored (NULL, an unknown column
// or no current row give ""), or a whole number (fractions cut toward zero; NULL,
// an unknown column, no current row or no number give 0).
void RecordsetReadField(DbHandle recordset, const std::string& column, std::string& value);
void RecordsetReadField(DbHandle recordset, const std::string& column, int32_t& value);
// The same in 64 bits, for counts and exact (DECIMAL) sums: the fraction cut toward zero.
void RecordsetReadField(DbHandle recordset, const std::string& column, int64_t& value);
// Every row in order: each gets the row's values of the named columns, in the order named
// (as RecordsetReadField reads them: "" for NULL or an unknown column). The names are looked
// up once, so a long result is read at the pace of the rows. The current row stays.
void RecordsetForEachRow(DbHandle recordset, const std::vector<std::string>& columns,
                         const std::function<void(const std::string_view* values)>& each);
void RecordsetFree(DbHandle recordset);

// Tests only: connections opened from now on wait this long for an answer (nullopt: the
// program's own 20 s again), so a test can outlast it with a frozen server.
void SetReadTimeoutForTests(std::optional<unsigned int> seconds);

// The escape of the connection (mysql_real_escape_string); used by DbExecute.
std::string DbEscape(DbHandle connection, std::string_view value);
