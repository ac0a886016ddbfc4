#include "db/write_once.h"

#include <chrono>
#include <thread>

#include "db/shared.h"

namespace {

// A killed session leaves at its next check; one that stays longer is not known to be gone.
constexpr auto kSessionEndLimit = std::chrono::seconds(5);
constexpr auto kSessionEndPoll = std::chrono::milliseconds(20);

std::optional<int64_t> ReadCount(DbHandle connection, const Sql& statement) {
    if (!DbExecute(connection, statement)) return std::nullopt;
    DbHandle rows = DbTakeRecordset(connection);
    int64_t count = 0;
    RecordsetReadField(rows, "n", count);
    const bool answered = RecordsetRowCount(rows) == 1;
    FreeResultSet(rows);
    if (!answered) return std::nullopt;
    return count;
}

}  // namespace

bool EndLostSession(DbHandle connection, uint64_t session) {
    const std::string id = std::to_string(session);
    if (session == 0 || session == DbSessionId(connection)) return false;
    // Refused when the session is gone already; the process list below tells.
    DbExecute(connection, Sql("KILL ").id(id));
    const Sql present =
        Sql("SELECT COUNT(*) AS n FROM information_schema.PROCESSLIST WHERE ID = ").id(id);
    const auto deadline = std::chrono::steady_clock::now() + kSessionEndLimit;
    for (;;) {
        const std::optional<int64_t> count = ReadCount(connection, present);
        if (!count) return false;
        if (*count == 0) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(kSessionEndPoll);
    }
}

std::string ValueOf(const RowValues& row, const std::string& column) {
    for (const auto& [name, value] : row.columns)
        if (name == column) return value;
    return {};
}

std::optional<int64_t> CountEqualRows(DbHandle connection, const RowValues& row) {
    Sql statement("SELECT COUNT(*) AS n FROM `" + row.table + "` WHERE ");
    bool first = true;
    for (const auto& [column, value] : row.columns) {
        statement.literal(first ? "`" : " AND `").literal(column).literal("` = '");
        statement.text(value).literal("'");
        first = false;
    }
    if (first) statement.literal("1");
    return ReadCount(connection, statement);
}

WriteOutcome InsertOutcome(DbHandle connection, bool ran) {
    if (ran) return WriteOutcome::Stored;
    return DbLastOutcome(connection) == DbOutcome::Unknown ? WriteOutcome::Unknown
                                                           : WriteOutcome::NotStored;
}

WriteOnce::WriteOnce(std::string retryColumn) : retryColumn_(std::move(retryColumn)) {}

// After a press the operator saw fail, the next write with the same key (the same member)
// is its retry, even when the panel was reset meanwhile (a new time) or the amount retyped:
// the one that arrived stands, and a second is never sent on top of it.
bool WriteOnce::IsRetry(const RowValues& earlier, const RowValues& now) const {
    return earlier.table == now.table &&
           ValueOf(earlier, retryColumn_) == ValueOf(now, retryColumn_);
}

WriteOutcome WriteOnce::Write(const RowValues& row,
                              const std::function<WriteOutcome(DbHandle)>& send) {
    auto lock = LockSharedDatabase();
    if (pending_) {
        const WriteOutcome earlier = Settle(*pending_);
        if (earlier == WriteOutcome::Unknown) return WriteOutcome::Unknown;
        const bool retry = IsRetry(pending_->row, row);
        pending_.reset();
        if (earlier == WriteOutcome::Stored && retry) return WriteOutcome::Stored;
    }
    const DbHandle connection = GetSharedConnection();
    const std::optional<int64_t> before = CountEqualRows(connection, row);
    if (!before) return WriteOutcome::NotStored;
    const uint64_t session = DbSessionId(connection);
    const WriteOutcome outcome = send(connection);
    if (outcome != WriteOutcome::Unknown) return outcome;

    pending_ = Pending{row, *before, session};
    const WriteOutcome found = Settle(*pending_);
    if (found != WriteOutcome::Unknown) pending_.reset();
    return found;
}

WriteOutcome WriteOnce::Settle(const Pending& pending) {
    return SettleLostStatement(
        pending.lostSession, [&](DbHandle connection) -> std::optional<bool> {
            const std::optional<int64_t> count = CountEqualRows(connection, pending.row);
            if (!count) return std::nullopt;
            return *count > pending.countBefore;
        });
}

WriteOutcome SettleLostStatement(uint64_t lostSession,
                                 const std::function<std::optional<bool>(DbHandle)>& isInPlace) {
    auto lock = LockSharedDatabase();
    // The lost connection is broken, so this is a new one.
    const DbHandle connection = GetSharedConnection();
    if (connection == 0 || !EndLostSession(connection, lostSession)) return WriteOutcome::Unknown;
    const std::optional<bool> inPlace = isInPlace(connection);
    if (!inPlace) return WriteOutcome::Unknown;
    return *inPlace ? WriteOutcome::Stored : WriteOutcome::NotStored;
}
