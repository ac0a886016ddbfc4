// The member list at shop scale: 10,000 members, 100,000 recharges and 100,000
// consumption records. Times the load behind the navigation click, the totals pass (and
// the longest stretch the window's thread spends away from its events meanwhile), the
// all-rows mirror beside the first-match scan it replaces, and, as the floor, the two
// aggregate queries that give every member's totals at once.
//
// The totals pass reads the real tables over connections of its own, so the rows go into
// them: the benchmark runs only while userlist, paylist and costlist are empty, and
// empties them again at the end.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/StartUp.h"
#include "controls/Fonts.h"
#include "controls/ListViewOps.h"
#include "form/MainWindow.h"
#include "common/Threads.h"
#include "db/shared.h"
#include "login/SignedInOperator.h"
#include "members/MemberList.h"

namespace {

constexpr int kMembers = 10000;
constexpr int kRecords = 100000;

ListView* Visible() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* Spare() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }

int CountRows(DbHandle connection, const char* table) {
    if (!DbExecute(connection, Sql("SELECT COUNT(*) AS n FROM ").literal(table))) return -1;
    DbHandle rows = DbTakeRecordset(connection);
    int32_t n = -1;
    RecordsetReadField(rows, "n", n);
    FreeResultSet(rows);
    return n;
}

bool FillTables(DbHandle connection) {
    for (const char* table : {"userlist", "paylist", "costlist"})
        if (CountRows(connection, table) != 0) {
            std::fprintf(stderr, "%s is not empty: the benchmark leaves such data alone\n", table);
            return false;
        }
    const std::string members = std::to_string(kMembers), records = std::to_string(kRecords);
    return DbExecute(connection,
                     Sql("INSERT INTO userlist (user_id, user_del, user_name, user_tel) "
                         "SELECT seq, 0, CONCAT('会员', seq), CONCAT('138', "
                         "LPAD(seq, 8, '0')) FROM seq_1_to_")
                         .id(members)) &&
           DbExecute(connection,
                     Sql("INSERT INTO paylist (pay_time, pay_money, pay_give, "
                         "pay_total, pay_method, pay_del, user_id) SELECT "
                         "'2024-01-01 10:00:00', seq % 500, 20, seq % 500 + 20, '微信', "
                         "seq % 50 = 0, 1 + seq % ")
                         .id(members)
                         .literal(" FROM seq_1_to_")
                         .id(records)) &&
           DbExecute(connection,
                     Sql("INSERT INTO costlist (cost_money, cost_del, cost_date, xm_id, "
                         "user_id) SELECT seq % 300, seq % 40 = 0, "
                         "'2024-01-02 10:00:00', '1', 1 + seq % ")
                         .id(members)
                         .literal(" FROM seq_1_to_")
                         .id(records));
}

void EmptyTables(DbHandle connection) {
    for (const char* table : {"userlist", "paylist", "costlist"})
        DbExecute(connection, Sql("TRUNCATE TABLE ").literal(table));
}

// Runs the event loop until no worker thread is left; returns the longest interval between
// two ticks of a 1 ms timer meanwhile, the time the window's thread was away from events.
qint64 PumpUntilWorkersEnd() {
    QEventLoop loop;
    QElapsedTimer sinceTick;
    sinceTick.start();
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.restart());
        if (RunningWorkerThreads() == 0) loop.quit();
    });
    tick.start();
    loop.exec();
    return longest;
}

void ClearLists() {
    ListViewClear(Visible());
    ListViewClear(Spare());
    QCoreApplication::processEvents();
}

void BM_ClickToRowsShown(benchmark::State& state) {
    for (auto _ : state) {
        ClearLists();
        QElapsedTimer timer;
        timer.start();
        TheMainWindow().ui.按钮_会员管理->click();
        QCoreApplication::processEvents();  // the rows painted
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        PumpUntilWorkersEnd();
    }
    if (ListViewRowCount(Visible()) != kMembers) state.SkipWithError("not every member loaded");
}
BENCHMARK(BM_ClickToRowsShown)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_TotalsPass(benchmark::State& state) {
    qint64 longestGap = 0;
    for (auto _ : state) {
        LoadMemberList(Visible(), Spare());
        QElapsedTimer timer;
        timer.start();
        StartThread(ComputedColumnsThreadEntry);
        longestGap = std::max(longestGap, PumpUntilWorkersEnd());
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    state.counters["longest_gap_ms"] = static_cast<double>(longestGap);
    if (ListViewGetCell(Spare(), kMembers - 1, 8).empty())
        state.SkipWithError("the pass left rows without a balance");
}
BENCHMARK(BM_TotalsPass)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_MirrorAllRows(benchmark::State& state) {
    for (auto _ : state) MirrorMemberRows(false);
    state.SetItemsProcessed(state.iterations() * ListViewRowCount(Visible()));
}
BENCHMARK(BM_MirrorAllRows)->Unit(benchmark::kMillisecond);

// The rule as stated, a scan of the spare list from its first row for each visible row.
void BM_MirrorByFirstMatchScan(benchmark::State& state) {
    ListView* visible = Visible();
    ListView* spare = Spare();
    for (auto _ : state) {
        for (int row = 0; row < ListViewRowCount(visible); ++row) {
            const std::string key = ListViewGetCell(visible, row, 0);
            for (int twin = 0; twin < ListViewRowCount(spare); ++twin) {
                if (ListViewGetCell(spare, twin, 0) != key) continue;
                for (int column = 1; column <= 8; ++column)
                    ListViewSetCell(spare, twin, column, ListViewGetCell(visible, row, column));
                break;
            }
        }
    }
}
BENCHMARK(BM_MirrorByFirstMatchScan)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every member's totals in two statements: what no per-member pass can beat.
void BM_AggregateQueriesFloor(benchmark::State& state) {
    const DbHandle connection = OpenPrivateConnection();
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (const char* statement :
             {"SELECT user_id, SUM(pay_money) AS pay_money_sum, SUM(pay_total) AS pay_total_sum, "
              "COUNT(pay_money) AS pay_count FROM paylist WHERE `pay_del` <> 1 GROUP BY user_id",
              "SELECT user_id, SUM(cost_money) AS cost_money_sum, COUNT(cost_money) AS cost_count "
              "FROM costlist WHERE `cost_del` <> 1 GROUP BY user_id"}) {
            if (!DbExecute(connection, Sql(statement))) state.SkipWithError("statement failed");
            DbHandle result = DbTakeRecordset(connection);
            const int n = RecordsetRowCount(result);
            int32_t value = 0;
            for (int row = 0; row < n; ++row) {
                RecordsetSeekRow(result, row);
                RecordsetReadField(result, "user_id", value);
            }
            rows += n;
            FreeResultSet(result);
        }
    }
    state.counters["rows"] = rows;
    DbClose(connection);
}
BENCHMARK(BM_AggregateQueriesFloor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir config;
    if (qgetenv("XDG_CONFIG_HOME").isEmpty()) qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    const DbHandle connection = OpenPrivateConnection();
    if (connection == 0 || !FillTables(connection)) {
        std::fprintf(stderr, "cannot fill the members on %s:%d\n", kDbHost.c_str(), kDbPort);
        DbClose(connection);
        return 1;
    }
    LoadStartWindow(ProgramWindowSetup());
    PumpUntilWorkersEnd();  // the login-combo loader
    loggedIn = 1;           // the navigation button works from here on
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PumpUntilWorkersEnd();
    EmptyTables(connection);
    DbClose(connection);
    return 0;
}
