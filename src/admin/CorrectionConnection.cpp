#include "admin/CorrectionConnection.h"

#include "db/shared.h"
#include "runtime/texts.h"

CorrectionConnection::CorrectionConnection() : handle_(OpenPrivateConnection()) {}

CorrectionConnection::~CorrectionConnection() { DbClose(handle_); }

bool CorrectionConnection::changeRows(const Sql& statement) {
    return DbExecute(handle_, statement) && DbRowsChanged(handle_) > 0;
}

bool IsStorableCorrection(std::string_view text) {
    return text.find_first_of("'\"\\") == std::string_view::npos && FitsGbk(text);
}
