#include "BenchSupport.h"

#include <cstdlib>

#include "controls/Fonts.h"
#include "db/shared.h"

namespace {

// Runs before the application is built: the platform and folder must be known by then.
bool SetEnvironment(const QTemporaryDir& config) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("XDG_CONFIG_HOME").isEmpty()) qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    return true;
}

}  // namespace

BenchApplication::BenchApplication(int& argc, char** argv)
    : platformSet_(SetEnvironment(config_)), application_(argc, argv) {
    InstallFontSubstitutes();
}

int64_t CountTableRows(DbHandle connection, const char* table) {
    if (!DbExecute(connection, Sql("SELECT COUNT(*) AS n FROM ").literal(table))) return -1;
    DbHandle rows = DbTakeRecordset(connection);
    int64_t n = -1;
    RecordsetReadField(rows, "n", n);
    FreeResultSet(rows);
    return n;
}

int SizeFromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    const int size = value != nullptr ? std::atoi(value) : 0;
    return size > 0 ? size : fallback;
}
