#pragma once
// Base of the database tests: empty tables, a fresh keeper, the real clock and port.

#include <gtest/gtest.h>

#include <string>

#include "runtime/clock.h"
#include "db/client.h"
#include "db/shared.h"
#include "test_database.h"

class DatabaseTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(database.EmptyTables());
        ResetSharedDatabaseForTests();
    }
    void TearDown() override {
        ResetSharedDatabaseForTests();
        SetConnectionPortForTests(std::nullopt);
        SetTickCountForTests(std::nullopt);
    }

    TestDatabase database;
};

// The first value of the first row of a SELECT run on the connection ("" when none).
inline std::string FirstValue(DbHandle connection, const std::string& select) {
    std::string value;
    if (!DbExecute(connection, Sql(select))) return "<failed>";
    DbHandle rows = DbTakeRecordset(connection);
    RecordsetReadField(rows, "v", value);
    FreeResultSet(rows);
    return value;
}
