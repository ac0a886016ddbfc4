// The item usage counts behind the hidden statistics button.
#include <QFontMetrics>
#include <QStyle>
#include <QTest>
#include <chrono>
#include <thread>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"

namespace {

class ItemUsageTest : public SignedInWindow {
  protected:
    void Open() {
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        Click(ui().按钮_系统设置);
        Click(ui().按钮_系统设置_修改消费项目);
    }
    ListView* items() { return ui().超级列表框_项目设置; }
    void Bill(const std::string& itemId, const std::string& when, int deleted = 0) {
        db.Run("INSERT INTO costlist (cost_date, xm_id, cost_del, user_id) VALUES ('" + when +
               "', '" + itemId + "', " + std::to_string(deleted) + ", 1001)");
    }
    std::vector<std::string> Counts(int row) {
        return {ListViewGetCell(items(), row, 3), ListViewGetCell(items(), row, 4),
                ListViewGetCell(items(), row, 5)};
    }
    void RunStatistics() {
        ASSERT_TRUE(ui().按钮_项目消费次数统计->isHidden());
        QTest::mouseClick(ui().按钮_项目消费次数统计, Qt::LeftButton);
    }
};

using Cells = std::vector<std::string>;

TEST_F(ItemUsageTest, EachRecordCountsInItsDayThe30DaysAndTheTotal) {
    SetCurrentDateTimeForTests(At(2025, 3, 20, 14, 0, 0));
    for (const char* when : {"2025-03-20 00:00:00", "2025-03-20 23:59:59", "2025-03-19 12:00:00",
                             "2025-03-14 00:00:00", "2025-02-18 00:00:00", "2025-02-17 23:59:59",
                             "2025-03-21 00:00:00", "不是时间", ""})
        Bill("1", when);
    Bill("1", "2025-03-20 10:00:00", 1);  // deleted: counts nowhere
    Bill("", "2025-03-20 10:00:00");      // a bill of several items names none
    Bill("2", "2025-03-20 10:00:00");
    db.Run("UPDATE xmlist SET xm_del = 1 WHERE xm_id = 2");
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(ListViewRowCount(items()), 4);

    RunStatistics();
    ASSERT_EQ(ListViewRowCount(items()), 5);
    EXPECT_EQ(Counts(0), (Cells{"1|0|0|0|0|1|2", "5", "9"}));
    EXPECT_EQ(ListViewGetCell(items(), 1, 1).substr(0, 2), "_[");
    EXPECT_EQ(Counts(1), (Cells{"0|0|0|0|0|0|1", "1", "1"}));
    EXPECT_EQ(Counts(2), (Cells{"0|0|0|0|0|0|0", "0", "0"}));

    Click(ui().按钮_项目消费重新载入);
    ASSERT_EQ(ListViewRowCount(items()), 4);
    EXPECT_EQ(Counts(0), (Cells{"", "", ""}));
}

// Every cell's text stands whole in its column (the delegate elides whatever exceeds the cell's
// width less its margins and the grid line), and no column is narrower than the form stores.
TEST_F(ItemUsageTest, EveryCellOfTheStatisticsIsShownWhole) {
    SetCurrentDateTimeForTests(At(2025, 3, 20, 14, 0, 0));
    db.Run("INSERT INTO xmlist (xm_name, xm_del, xm_money) VALUES ('按摩', 0, '99999999.99')");
    for (const char* when : {"2025-03-20 09:00:00", "2025-03-20 10:00:00", "2025-03-19 12:00:00",
                             "2025-03-14 00:00:00"})
        Bill("1", when);
    ASSERT_NO_FATAL_FAILURE(Open());
    RunStatistics();
    ListView* list = items();
    const int stored[] = {60, 170, 80, 110, 70, 50};
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QFontMetrics metrics(list->font());
    bool sawCounts = false, sawPrice = false;
    for (int column = 0; column < 6; ++column) {
        const int width = list->columnWidth(column);
        EXPECT_GE(width, stored[column]) << column;
        const int room = width - (list->showGrid() ? 1 : 0) - 2 * margin;
        for (int row = 0; row < ListViewRowCount(list); ++row) {
            const QString text = QString::fromStdString(ListViewGetCell(list, row, column));
            sawCounts = sawCounts || text == QStringLiteral("1|0|0|0|0|1|2");
            sawPrice = sawPrice || text == QStringLiteral("99999999.99");
            EXPECT_EQ(metrics.elidedText(text, Qt::ElideRight, room), text)
                << column << " " << text.toStdString();
        }
    }
    EXPECT_TRUE(sawCounts);
    EXPECT_TRUE(sawPrice);
    // A column whose texts all fit keeps its stored width.
    EXPECT_EQ(list->columnWidth(0), 60);
}

// The clock passes midnight while the first item is counted: the second item is still
// counted against the same days.
TEST_F(ItemUsageTest, ARunTakesItsDaysOnce) {
    SetCurrentDateTimeForTests(At(2025, 3, 20, 23, 59, 59));
    Bill("1", "2025-03-20 10:00:00");
    Bill("2", "2025-03-20 10:00:00");
    ASSERT_NO_FATAL_FAILURE(Open());
    db.Run("LOCK TABLES costlist WRITE");
    std::thread midnight([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        SetCurrentDateTimeForTests(At(2025, 3, 21, 0, 0, 1));
        db.Run("UNLOCK TABLES");
    });
    RunStatistics();
    midnight.join();
    EXPECT_EQ(Counts(0), (Cells{"0|0|0|0|0|0|1", "1", "1"}));
    EXPECT_EQ(Counts(1), (Cells{"0|0|0|0|0|0|1", "1", "1"}));
}

TEST_F(ItemUsageTest, ACountThatFailsLeavesTheCellsEmpty) {
    Bill("1", "2025-03-20 10:00:00");
    ASSERT_NO_FATAL_FAILURE(Open());
    struct Away {
        explicit Away(TestDatabase& database) : db(database) {
            db.Run("RENAME TABLE costlist TO costlist_away");
        }
        ~Away() { db.Run("RENAME TABLE costlist_away TO costlist"); }
        TestDatabase& db;
    };
    {
        const Away away(db);
        RunStatistics();
    }
    ASSERT_EQ(ListViewRowCount(items()), 5);
    for (int row = 0; row < 5; ++row) EXPECT_EQ(Counts(row), (Cells{"", "", ""})) << row;
}

}  // namespace
