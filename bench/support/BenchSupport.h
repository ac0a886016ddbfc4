#pragma once
// What the window benchmarks share: the application they run in and a row count.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdint>

#include "db/client.h"

// The application of a window benchmark: offscreen unless a platform is set, a configuration
// folder of its own unless one is set, and the program's font substitutes.
class BenchApplication {
  public:
    BenchApplication(int& argc, char** argv);

  private:
    QTemporaryDir config_;
    bool platformSet_;
    QApplication application_;
};

// The rows of a table; -1 when the count failed.
int64_t CountTableRows(DbHandle connection, const char* table);

// A positive whole number from the environment variable, else the fallback.
int SizeFromEnvironment(const char* name, int fallback);
