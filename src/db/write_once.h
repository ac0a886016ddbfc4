#pragma once
// Rows written exactly once. An insert whose answer never came may still have been stored,
// so it is looked up before it is reported or sent again: the lost session is ended first,
// for a server that was only frozen may still run what sat in its socket, and then the
// rows equal to the one sent are counted again.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "db/client.h"

// The table and the values of the row, column by column.
struct RowValues {
    std::string table;
    std::vector<std::pair<std::string, std::string>> columns;
    bool operator==(const RowValues&) const = default;
};

// How a write ended: stored, surely not stored, or not known.
enum class WriteOutcome { Stored, NotStored, Unknown };

// Rows of the table equal to these values; nullopt when the count failed.
std::optional<int64_t> CountEqualRows(DbHandle connection, const RowValues& row);

// One kind of write (recharges, bills, operators, items). Keeps the write it could not
// settle, so that the next one settles it first. Window's thread only.
class WriteOnce {
  public:
    // retryColumn names what makes a later write the retry of a lost one: the same value in
    // that column (the member's card for recharges and bills).
    explicit WriteOnce(std::string retryColumn);

    // Writes the row with send on the shared connection, which send's outcome describes.
    // A write left unknown before is settled first: when it arrived and the new row has the
    // same retryColumn value, this write counts as stored and nothing is sent. Unknown is
    // returned only when the server cannot say now; the write is then settled at the next
    // call.
    WriteOutcome Write(const RowValues& row, const std::function<WriteOutcome(DbHandle)>& send);

  private:
    struct Pending {
        RowValues row;
        int64_t countBefore = 0;
        uint64_t lostSession = 0;
    };
    // Stored or NotStored once the server has answered; Unknown while it cannot.
    static WriteOutcome Settle(const Pending& pending);
    bool IsRetry(const RowValues& earlier, const RowValues& now) const;

    std::string retryColumn_;
    std::optional<Pending> pending_;
};

// Ends the session on the server (KILL) and waits until it has left the process list, so
// that nothing it was sent can still land. False when that cannot be made sure.
bool EndLostSession(DbHandle connection, uint64_t session);

// After a statement on the shared connection lost its answer (the connection's session id
// taken before it was sent): ends that session on the server, so nothing it was sent can
// still land, then asks isInPlace, on a fresh shared connection, whether the change is
// there. Stored or NotStored; Unknown when the server cannot say (isInPlace gives nullopt
// for a lookup that failed).
WriteOutcome SettleLostStatement(uint64_t lostSession,
                                 const std::function<std::optional<bool>(DbHandle)>& isInPlace);

// The outcome of one insert that DbExecute ran on the connection.
WriteOutcome InsertOutcome(DbHandle connection, bool ran);
