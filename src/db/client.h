#pragma once
// The database client: connections and result sets are 32-bit handles, 0 = none. No
// operation reports an error other than by its result, and none ends the program.
// One connection and its result sets serve one thread at a time; different
// connections may be used by different threads at once.

#include <cstdint>
#include <string>

#include "db/sql.h"

using DbHandle = int32_t;

// Connects with a connect timeout of a few seconds and sets the connection's character
// set to utf8mb4 at once. 0 on failure.
DbHandle DbConnect(const std::string& host, const std::string& user, const std::string& password,
                   const std::string& database, int port);
// Ends a connection; 0 or an unknown handle does nothing.
void DbDisconnect(DbHandle connection);
void DbClose(DbHandle connection);
// True when the server ran the statement; false on any error, on handle 0, and when the
// statement could not be built (an id that is not a whole number: nothing is sent).
bool DbExecute(DbHandle connection, const Sql& statement);
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
void RecordsetFree(DbHandle recordset);

// The escape of the connection (mysql_real_escape_string); used by DbExecute.
std::string DbEscape(DbHandle connection, std::string_view value);
