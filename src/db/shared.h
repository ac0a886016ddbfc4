#pragma once
// The shared connection, its keeper and the shared result set, plus the settings every
// connection uses. Everything that touches sharedConnection or sharedResultSet holds
// the shared lock from its statement to the release of its result set.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "db/client.h"

extern const std::string kDbHost;
extern const std::string kDbUser;
extern const std::string kDbPassword;
extern const std::string kDbName;
extern const int kDbPort;

extern DbHandle sharedConnection;
extern DbHandle sharedResultSet;

// The one lock around the shared connection and result set (recursive: the routines
// below take it too).
std::unique_lock<std::recursive_mutex> LockSharedDatabase();

// Opens the connection on the first call; renews it when more than 60000 ms passed since
// the previous call, when there is none (a failed connect) and when it is gone (a statement
// lost it, or, after a second without an answer, it does not answer a ping). Returns
// sharedConnection (0 when it could not be opened).
DbHandle GetSharedConnection();
// DbExecute on the shared connection, after its keeper. A read (a SELECT that takes no lock)
// whose connection was found gone before its answer came (the send refused, or the
// connection closed) is run once more on a renewed connection; one whose answer timed out,
// and any other statement, is sent once. Its rows are then taken from sharedConnection.
bool ExecuteSharedRead(const Sql& statement);
// Runs the statement on the shared connection as ExecuteSharedRead does; the rows stay in
// sharedResultSet. Returns the row count, 0 when the statement failed (sharedResultSet then 0).
int32_t RunSharedQuery(const Sql& statement);
void FreeSharedResultSet();
// Releases a result set that is not 0 and sets the variable to 0.
void FreeResultSet(DbHandle& recordset);

// A private connection with the shared settings (0 on failure).
DbHandle OpenPrivateConnection();

// Tests only: end the shared connection, release sharedResultSet and forget the keeper's
// values, so that the next GetSharedConnection is a first call again.
void ResetSharedDatabaseForTests();
// Tests only: every connection opened from now on goes to this port (nullopt: kDbPort
// again), so a test can make the database unreachable without stopping the server.
void SetConnectionPortForTests(std::optional<int> port);
