#pragma once
// The connection of one correction: opened after the danger question, used for the
// correction's statements alone, closed when the correction ends, whichever way it ends.

#include <string_view>

#include "db/client.h"

class CorrectionConnection {
  public:
    CorrectionConnection();  // a failed connect leaves the handle 0: every statement fails
    ~CorrectionConnection();
    CorrectionConnection(const CorrectionConnection&) = delete;
    CorrectionConnection& operator=(const CorrectionConnection&) = delete;

    DbHandle handle() const { return handle_; }
    // True only when the server ran the statement and it changed at least one row: a
    // correction that found nothing to change (already done at another desk, a stale
    // list) is a failure, not a success. When the answer is lost, the lost session is ended
    // on a new connection and inPlace (a SELECT of one count "n") tells whether the change
    // is there: a count above 0 is a success.
    bool changeRows(const Sql& statement, const Sql& inPlace) {
        return change(statement, inPlace) == Change::Made;
    }
    // As changeRows, telling apart a statement that the server ran without changing a row
    // (None: the row is not as the list showed it) from one that failed.
    enum class Change { Made, None, Failed };
    Change change(const Sql& statement, const Sql& inPlace);

  private:
    DbHandle handle_;
};

// A typed value that may go into a correction: only characters the GBK tables can hold.
// Quotes and backslashes go in escaped; a text longer than its column the server refuses.
bool IsStorableCorrection(std::string_view text);
