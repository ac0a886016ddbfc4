// The item usage counts at shop scale: the click on the statistics button over 20 items
// and 1,000,000 consumption records.
//
// The records go into the real costlist: the benchmark runs only while it is empty, and
// empties it again at the end; the 15 items it adds to the first-run five are removed.

#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "app/StartUp.h"
#include "controls/ListViewOps.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "login/SignedInOperator.h"

namespace {

constexpr int kRounds = 5;
constexpr int kRecords = 1000000;
constexpr int kItems = 20;

// One record a minute from 2023-06-01 on, the items in turn; one in 50 deleted.
bool AddBills(DbHandle connection) {
    return DbExecute(
        connection,
        Sql("INSERT INTO costlist (cost_notes, cost_money, cost_del, cost_date, xm_id, xm_name, "
            "xm_money, user_id, user_name, boss_id, boss_name) SELECT '', 68, seq % 50 = 0, "
            "DATE_FORMAT(TIMESTAMP('2023-06-01') + INTERVAL seq MINUTE, '%Y-%m-%d %H:%i:%s'), "
            "1 + seq % 20, '足疗', 68, 1 + seq % 10000, '会员', '2', '王五' FROM seq_1_to_")
            .id(std::to_string(kRecords)));
}

bool AddItems(DbHandle connection) {
    return DbExecute(connection,
                     Sql("INSERT INTO xmlist (xm_name, xm_money, xm_del) SELECT CONCAT('项目', "
                         "seq), 50, 0 FROM seq_6_to_")
                         .id(std::to_string(kItems)));
}

}  // namespace

int main(int argc, char** argv) {
    BenchApplication application(argc, argv);

    const DbHandle connection = OpenPrivateConnection();
    if (connection == 0 || CountTableRows(connection, "costlist") != 0 ||
        CountTableRows(connection, "xmlist") != 5) {
        std::fprintf(stderr,
                     "costlist not empty, xmlist not the first-run five, or %s:%d "
                     "unreachable\n",
                     kDbHost.c_str(), kDbPort);
        DbClose(connection);
        return 1;
    }
    LoadStartWindow(ProgramWindowSetup());
    WaitMilliseconds(500);  // the login-combo loader
    loggedIn = 1;
    auto& ui = TheMainWindow().ui;
    ui.按钮_系统设置->click();
    ui.按钮_系统设置_修改消费项目->click();

    const bool filled = AddItems(connection) && AddBills(connection);
    if (filled) {
        DbExecute(connection, Sql("ANALYZE TABLE costlist"));
        SetCurrentDateTimeForTests(MakeDateTime(2025, 4, 20, 12, 0, 0));
        double best = 1e9, worst = 0;
        for (int round = 0; round < kRounds; ++round) {
            QElapsedTimer timer;
            timer.start();
            ui.按钮_项目消费次数统计->click();
            const double ms = timer.nsecsElapsed() / 1e6;
            best = std::min(best, ms);
            worst = std::max(worst, ms);
        }
        std::printf(
            "%d items, %d records: statistics click -> counts shown  best %.1f ms, "
            "worst %.1f ms of %d\n",
            ListViewRowCount(ui.超级列表框_项目设置), kRecords, best, worst, kRounds);
        std::printf("  first item: %s | %s | %s\n",
                    ListViewGetCell(ui.超级列表框_项目设置, 0, 3).c_str(),
                    ListViewGetCell(ui.超级列表框_项目设置, 0, 4).c_str(),
                    ListViewGetCell(ui.超级列表框_项目设置, 0, 5).c_str());
    } else {
        std::fprintf(stderr, "cannot fill costlist or xmlist\n");
    }

    DbExecute(connection, Sql("TRUNCATE TABLE costlist"));
    DbExecute(connection, Sql("DELETE FROM xmlist WHERE xm_id > 5"));
    DbClose(connection);
    return filled ? 0 : 1;
}
