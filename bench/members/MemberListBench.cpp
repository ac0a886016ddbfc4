// The member list at shop scale. Seeds BENCH_MEMBERS members, BENCH_RECHARGES recharges and
// BENCH_BILLS consumption records (by default 10,000 / 100,000 / 100,000; a large shop is
// 100,000 / 1,000,000 / 1,000,000), then prints in one run: the time from the click on
// 会员管理 to the rows shown, the totals pass from start to its end, the longest stretch the
// window's thread spent away from its events meanwhile, the floor (the two grouped aggregate
// queries over the same data, with the server's own plan and as full scans), the pass's
// ratio to the floor, the resident memory after the pass, and an administrator's deletion of a
// member while a pass runs: the reload, the new pass and the end of the earlier one. BENCH_ROUNDS
// (default 3) rounds of the click and of the pass; the best round counts, the gap is the worst
// seen.
//
// The totals pass reads the real tables over connections of its own, so the rows go into
// them: the benchmark runs only while userlist, paylist and costlist are empty, and
// empties them again at the end.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "admin/AdminGate.h"
#include "app/StartUp.h"
#include "common/Threads.h"
#include "controls/Dialogs.h"
#include "controls/ListViewOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "login/SignedInOperator.h"
#include "members/MemberCorrections.h"
#include "members/MemberList.h"

namespace {

const int kMembers = SizeFromEnvironment("BENCH_MEMBERS", 10000);
const int kRecharges = SizeFromEnvironment("BENCH_RECHARGES", 100000);
const int kBills = SizeFromEnvironment("BENCH_BILLS", 100000);
const int kRounds = SizeFromEnvironment("BENCH_ROUNDS", 3);

ListView* Visible() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* Spare() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }

// A shop as it runs: a tenth of the members never came back, records spread unevenly
// over the others, some amounts carry a fraction, one record in fifty (recharges) or
// forty (bills) was deleted.
bool FillTables(DbHandle connection) {
    for (const char* table : {"userlist", "paylist", "costlist"})
        if (CountTableRows(connection, table) != 0) {
            std::fprintf(stderr, "%s is not empty: the benchmark leaves such data alone\n", table);
            return false;
        }
    const std::string members = std::to_string(kMembers);
    const std::string active = std::to_string(std::max(1, kMembers * 9 / 10));
    const std::string card = "1 + (seq * 2654435761 + seq DIV 3) % " + active;
    return DbExecute(connection,
                     Sql("INSERT INTO userlist (user_id, user_del, user_name, user_tel) "
                         "SELECT seq, 0, CONCAT('会员', seq), CONCAT('138', "
                         "LPAD(seq, 8, '0')) FROM seq_1_to_")
                         .id(members)) &&
           DbExecute(connection,
                     Sql("INSERT INTO paylist (pay_time, pay_money, pay_give, pay_total, "
                         "pay_method, pay_del, user_id) SELECT '2024-01-01 10:00:00', "
                         "CONCAT(seq % 500, IF(seq % 7 = 0, '.5', '')), 20, "
                         "CONCAT(seq % 500 + 20, IF(seq % 7 = 0, '.5', '')), '微信', "
                         "seq % 50 = 0, ")
                         .literal(card)
                         .literal(" FROM seq_1_to_")
                         .id(std::to_string(kRecharges))) &&
           DbExecute(connection,
                     Sql("INSERT INTO costlist (cost_money, cost_del, cost_date, xm_id, "
                         "user_id) SELECT CONCAT(seq % 300, IF(seq % 11 = 0, '.3', '')), "
                         "seq % 40 = 0, '2024-01-02 10:00:00', '1', ")
                         .literal(card)
                         .literal(" FROM seq_1_to_")
                         .id(std::to_string(kBills))) &&
           DbExecute(connection, Sql("ANALYZE TABLE userlist, paylist, costlist"));
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

double ClickToRowsShownMs() {
    ClearLists();
    QElapsedTimer timer;
    timer.start();
    TheMainWindow().ui.按钮_会员管理->click();
    QCoreApplication::processEvents();  // the rows painted
    const double ms = timer.nsecsElapsed() / 1e6;
    PumpUntilWorkersEnd();
    if (ListViewRowCount(Visible()) != kMembers) std::fprintf(stderr, "not every member loaded\n");
    return ms;
}

struct PassFigures {
    double seconds;
    qint64 longestGapMs;
};

PassFigures TotalsPass() {
    LoadMemberList(Visible(), Spare());
    QElapsedTimer timer;
    timer.start();
    StartThread(ComputedColumnsThreadEntry);
    const qint64 gap = PumpUntilWorkersEnd();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (ListViewGetCell(Spare(), kMembers - 1, 8).empty())
        std::fprintf(stderr, "the pass left rows without a balance\n");
    return {seconds, gap};
}

struct DeletionFigures {
    double rowsShownMs;
    double passSeconds;
    qint64 longestGapMs;
    double earlierPassEndedMs;  // until no more than the new pass runs
};

// The administrator deletes a member while a totals pass is halfway: from the deletion to
// the reloaded rows shown, the new pass to its end, and how long the earlier one lingers.
DeletionFigures MemberDeletion(int round) {
    LoadMemberList(Visible(), Spare());
    StartThread(ComputedColumnsThreadEntry);
    QEventLoop halfway;
    QTimer::singleShot(150, &halfway, &QEventLoop::quit);
    halfway.exec();
    const int row = ListViewRowCount(Visible()) / 2 + round;
    ListViewSetCurrentRow(Visible(), row);
    const std::string card = ListViewGetCell(Visible(), row, 0);

    QElapsedTimer timer;
    timer.start();
    DeleteSelectedMember();
    QCoreApplication::processEvents();  // the rows painted
    const double rowsShown = timer.nsecsElapsed() / 1e6;
    double earlierEnded = -1;
    QEventLoop loop;
    QElapsedTimer sinceTick;
    sinceTick.start();
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.restart());
        const int running = RunningWorkerThreads();
        if (earlierEnded < 0 && running <= 1) earlierEnded = timer.nsecsElapsed() / 1e6;
        if (running == 0) loop.quit();
    });
    tick.start();
    loop.exec();
    const double pass = timer.nsecsElapsed() / 1e9;
    const int rows = ListViewRowCount(Visible());
    if (ListViewGetCell(Spare(), rows - 1, 8).empty() || ListViewGetCell(Visible(), row, 0) == card)
        std::fprintf(stderr, "the deletion left a row without a balance or the member shown\n");
    return {rowsShown, pass, longest, earlierEnded};
}

// Every member's totals in two statements, summed as the program sums them: what no pass
// can beat. hint: what follows the table name (an index hint, or nothing).
double AggregateQueriesFloorSeconds(const std::string& payHint, const std::string& costHint) {
    const DbHandle connection = OpenPrivateConnection();
    QElapsedTimer timer;
    timer.start();
    for (const std::string& statement :
         {"SELECT user_id, SUM(CAST(pay_money AS DECIMAL(20,2))) AS pay_money_sum, "
          "SUM(CAST(pay_total AS DECIMAL(20,2))) AS pay_total_sum, COUNT(pay_money) AS "
          "pay_count FROM paylist" +
              payHint + " WHERE `pay_del` <> 1 GROUP BY user_id ORDER BY NULL",
          "SELECT user_id, SUM(CAST(cost_money AS DECIMAL(20,2))) AS cost_money_sum, "
          "COUNT(cost_money) AS cost_count FROM costlist" +
              costHint + " WHERE `cost_del` <> 1 GROUP BY user_id ORDER BY NULL"}) {
        if (!DbExecute(connection, Sql(statement))) std::fprintf(stderr, "statement failed\n");
        DbHandle result = DbTakeRecordset(connection);
        const int n = RecordsetRowCount(result);
        int64_t value = 0;
        for (int row = 0; row < n; ++row) {
            RecordsetSeekRow(result, row);
            RecordsetReadField(result, "user_id", value);
        }
        FreeResultSet(result);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    DbClose(connection);
    return seconds;
}

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    BenchApplication application(argc, argv);

    const DbHandle connection = OpenPrivateConnection();
    if (connection == 0 || !FillTables(connection)) {
        std::fprintf(stderr, "cannot fill the members on %s:%d\n", kDbHost.c_str(), kDbPort);
        EmptyTables(connection);
        DbClose(connection);
        return 1;
    }
    LoadStartWindow(ProgramWindowSetup());
    PumpUntilWorkersEnd();  // the login-combo loader
    loggedIn = 1;           // the navigation button works from here on

    std::printf("%d members, %d recharges, %d bills, best of %d rounds\n", kMembers, kRecharges,
                kBills, kRounds);
    double click = 1e9, pass = 1e9;
    qint64 gap = 0;
    for (int round = 0; round < kRounds; ++round) click = std::min(click, ClickToRowsShownMs());
    for (int round = 0; round < kRounds; ++round) {
        const PassFigures figures = TotalsPass();
        pass = std::min(pass, figures.seconds);
        gap = std::max(gap, figures.longestGapMs);
    }
    const double resident = ResidentMegabytes();
    ScriptedDialogs answers;  // the danger question is answered OK
    SetDialogs(&answers);
    operatorTel = PrivilegedLoginName;
    DeletionFigures deletion{1e9, 1e9, 0, 0};
    for (int round = 0; round < kRounds; ++round) {
        const DeletionFigures figures = MemberDeletion(round);
        deletion.rowsShownMs = std::min(deletion.rowsShownMs, figures.rowsShownMs);
        deletion.passSeconds = std::min(deletion.passSeconds, figures.passSeconds);
        deletion.longestGapMs = std::max(deletion.longestGapMs, figures.longestGapMs);
        deletion.earlierPassEndedMs =
            std::max(deletion.earlierPassEndedMs, figures.earlierPassEndedMs);
    }
    SetDialogs(nullptr);
    double planned = 1e9, scanned = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        planned = std::min(planned, AggregateQueriesFloorSeconds("", ""));
        scanned = std::min(scanned, AggregateQueriesFloorSeconds(" IGNORE INDEX (idx_pay_user)",
                                                                 " IGNORE INDEX (idx_cost_user)"));
    }
    const double floor = std::min(planned, scanned);
    std::printf("click on 会员管理 -> rows shown       %9.1f ms\n", click);
    std::printf("totals pass complete                 %9.3f s\n", pass);
    std::printf("longest gap in event handling        %9lld ms\n", static_cast<long long>(gap));
    std::printf("floor, the server's own plan         %9.3f s\n", planned);
    std::printf("floor, full scans                    %9.3f s\n", scanned);
    std::printf("pass / floor                         %9.2f\n", pass / floor);
    std::printf("resident memory after the pass       %9.1f MB\n", resident);
    std::printf("member deleted -> rows shown         %9.1f ms\n", deletion.rowsShownMs);
    std::printf("  its totals pass complete           %9.3f s\n", deletion.passSeconds);
    std::printf("  longest gap in event handling      %9lld ms\n",
                static_cast<long long>(deletion.longestGapMs));
    std::printf("  earlier pass gone after (worst)    %9.1f ms\n", deletion.earlierPassEndedMs);

    PumpUntilWorkersEnd();
    EmptyTables(connection);
    DbClose(connection);
    return 0;
}
