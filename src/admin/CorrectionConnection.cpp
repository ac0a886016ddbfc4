#include "admin/CorrectionConnection.h"

#include "db/shared.h"
#include "db/write_once.h"
#include "runtime/texts.h"

CorrectionConnection::CorrectionConnection() : handle_(OpenPrivateConnection()) {}

CorrectionConnection::~CorrectionConnection() { DbClose(handle_); }

bool CorrectionConnection::changeRows(const Sql& statement, const Sql& inPlace) {
    const uint64_t session = DbSessionId(handle_);
    if (DbExecute(handle_, statement)) return DbRowsChanged(handle_) > 0;
    if (DbLastOutcome(handle_) != DbOutcome::Unknown) return false;
    DbClose(handle_);
    handle_ = OpenPrivateConnection();
    if (!EndLostSession(handle_, session) || !DbExecute(handle_, inPlace)) return false;
    DbHandle rows = DbTakeRecordset(handle_);
    int64_t count = 0;
    RecordsetReadField(rows, "n", count);
    FreeResultSet(rows);
    return count > 0;
}

bool IsStorableCorrection(std::string_view text) {
    return text.find_first_of("'\"\\") == std::string_view::npos && FitsGbk(text);
}
