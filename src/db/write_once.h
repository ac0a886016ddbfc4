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

// One kind of write (recharges, bills). Keeps the write it could not settle, so that the
// next one settles it first. Window's thread only.
class WriteOnce {
  public:
    // Writes the row with send on the shared connection, which send's outcome describes.
    // A write left unknown before is settled first: when it arrived and was for the same
    // member (user_id), this write counts as stored and nothing is sent. Unknown is returned only when
    // the server cannot say now; the write is then settled at the next call.
    WriteOutcome Write(const RowValues& row, const std::function<WriteOutcome(DbHandle)>& send);

  private:
    struct Pending {
        RowValues row;
        int64_t countBefore = 0;
        uint64_t lostSession = 0;
    };
    // Stored or NotStored once the server has answered; Unknown while it cannot.
    static WriteOutcome Settle(const Pending& pending);

    std::optional<Pending> pending_;
};

// The outcome of one insert that DbExecute ran on the connection.
WriteOutcome InsertOutcome(DbHandle connection, bool ran);
