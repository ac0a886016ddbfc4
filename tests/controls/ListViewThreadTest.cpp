#include <gtest/gtest.h>

#include <QComboBox>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <string>
#include <thread>

#include "ListView.h"
#include "WindowOps.h"
#include "WindowThread.h"

namespace {

// Runs the work on a worker thread while this (the window's) thread runs its event loop.
void RunOnWorkerWithEventLoop(const std::function<void()>& work) {
    QEventLoop loop;
    std::thread worker([&] {
        work();
        PostToWindowThread([&] { loop.quit(); });
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);  // never hang the test run
    loop.exec();
    worker.join();
}

}  // namespace

TEST(WindowThread, KnowsWhichThreadIsTheWindows) {
    EXPECT_TRUE(OnWindowThread());
    bool onWorker = true;
    std::thread([&] { onWorker = OnWindowThread(); }).join();
    EXPECT_FALSE(onWorker);
}

TEST(WindowThread, RunsWorkersCallsOnTheWindowThreadInOrder) {
    std::vector<int> order;
    std::atomic<bool> allOnWindow = true;
    RunOnWorkerWithEventLoop([&] {
        RunOnWindowThread([&] { order.push_back(1); });
        PostToWindowThread([&] {
            allOnWindow = allOnWindow && OnWindowThread();
            order.push_back(2);
        });
        RunOnWindowThread([&] {
            allOnWindow = allOnWindow && OnWindowThread();
            order.push_back(3);
        });
    });
    EXPECT_TRUE(allOnWindow);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(WindowThread, WorkerReadsAndWritesCellsWhileTheWindowRuns) {
    ListView view;
    view.setColumns({"卡号|80", "姓名|100", "余额|100"});
    view.show();
    for (int row = 0; row < 500; ++row) {
        ListViewInsertRow(&view);
        ListViewSetCell(&view, row, 0, std::to_string(row));
    }
    // The window thread keeps changing the selection meanwhile, as the operator would.
    QTimer clicker;
    int ticks = 0;
    QObject::connect(&clicker, &QTimer::timeout,
                     [&] { ListViewSetCurrentRow(&view, ++ticks % 500); });
    clicker.start(0);

    bool allRead = true;
    RunOnWorkerWithEventLoop([&] {
        for (int row = 0; row < ListViewRowCount(&view); ++row) {
            const std::string id = ListViewGetCell(&view, row, 0);
            allRead = allRead && id == std::to_string(row);
            ListViewSetCell(&view, row, 2, "余" + id);
        }
        ListViewSetCell(&view, ListViewInsertRow(&view), 0, "worker");
    });
    clicker.stop();

    EXPECT_TRUE(allRead);
    EXPECT_EQ(ListViewGetCell(&view, 321, 2), "余321");
    EXPECT_EQ(ListViewRowCount(&view), 501);
    EXPECT_EQ(ListViewGetCell(&view, 500, 0), "worker");
    EXPECT_GT(ticks, 0);
}

TEST(WindowThread, WorkerFillsAComboBox) {
    QComboBox combo;
    RunOnWorkerWithEventLoop([&] {
        ComboBoxClear(&combo);
        ComboBoxAddItem(&combo, "Chief");
        ComboBoxAddItem(&combo, "小王");
        ComboBoxSetText(&combo, "小王");
    });
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(ComboBoxText(&combo), "小王");
}
