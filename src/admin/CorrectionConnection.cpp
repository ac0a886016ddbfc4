#include "admin/CorrectionConnection.h"

#include "db/shared.h"
#include "db/write_once.h"
#include "runtime/texts.h"

CorrectionConnection::CorrectionConnection() : handle_(OpenPrivateConnection()) {}

CorrectionConnection::~CorrectionConnection() { DbClose(handle_); }

CorrectionConnection::Change CorrectionConnection::change(const Sql& statement,
                                                          const Sql& inPlace) {
    const uint64_t session = DbSessionId(handle_);
    if (DbExecute(handle_, statement))
        return DbRowsChanged(handle_) > 0 ? Change::Made : Change::None;
    if (DbLastOutcome(handle_) != DbOutcome::Unknown) return Change::Failed;
    DbClose(handle_);
    handle_ = OpenPrivateConnection();
    if (!EndLostSession(handle_, session) || !DbExecute(handle_, inPlace)) return Change::Failed;
    DbHandle rows = DbTakeRecordset(handle_);
    int64_t count = 0;
    RecordsetReadField(rows, "n", count);
    FreeResultSet(rows);
    // Not in place after a lost answer: a failure, as the statement itself may never have run.
    return count > 0 ? Change::Made : Change::Failed;
}

bool IsStorableCorrection(std::string_view text) { return FitsGbk(text); }
