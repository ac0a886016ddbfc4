#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "ListView.h"
#include "WindowOps.h"

namespace {

const QStringList kMemberColumns = {"卡号|80",     "姓名|100",     "手机号|120",
                                    "充值次数|80", "实付金额|100", "充值总额|100",
                                    "消费次数|80", "消费金额|100", "卡余额|100"};

class ListViewOps : public ::testing::Test {
  protected:
    ListViewOps() {
        view.setProperty("columns", kMemberColumns);  // as the form sets it
        view.resize(950, 432);
    }
    void AddRows(int count) {
        for (int i = 0; i < count; ++i) {
            const int row = ListViewInsertRow(&view);
            ListViewSetCell(&view, row, 0, std::to_string(1000 + row));
        }
    }
    ListView view;
};

}  // namespace

TEST_F(ListViewOps, ColumnsComeFromTitleAndWidth) {
    EXPECT_EQ(ListViewColumnCount(&view), 9);
    EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("卡号"));
    EXPECT_EQ(view.model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("卡余额"));
    EXPECT_EQ(view.horizontalHeader()->sectionSize(2), 120);
    EXPECT_EQ(view.property("columns").toStringList(), kMemberColumns);
    EXPECT_TRUE(view.verticalHeader()->isHidden());
    EXPECT_EQ(view.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ListViewOps, RowsAndCells) {
    EXPECT_EQ(ListViewRowCount(&view), 0);
    EXPECT_EQ(ListViewInsertRow(&view), 0);
    EXPECT_EQ(ListViewInsertRow(&view), 1);
    ListViewSetCell(&view, 1, 1, "张三");
    ListViewSetCell(&view, 1, 8, "-20");
    EXPECT_EQ(ListViewGetCell(&view, 1, 1), "张三");
    EXPECT_EQ(ListViewGetCell(&view, 1, 8), "-20");
    EXPECT_EQ(ListViewGetCell(&view, 0, 1), "");
    EXPECT_EQ(view.model()->data(view.model()->index(1, 1)).toString(), QStringLiteral("张三"));

    struct Outside {
        int row, column;
    };
    for (const Outside& at : {Outside{-1, 0}, Outside{2, 0}, Outside{0, -1}, Outside{0, 9}}) {
        ListViewSetCell(&view, at.row, at.column, "x");
        EXPECT_EQ(ListViewGetCell(&view, at.row, at.column), "") << at.row << "," << at.column;
    }
    EXPECT_EQ(ListViewRowCount(&view), 2);

    ListViewClear(&view);
    EXPECT_EQ(ListViewRowCount(&view), 0);
    EXPECT_EQ(ListViewColumnCount(&view), 9);
    EXPECT_EQ(ListViewGetCell(&view, 1, 1), "");
    EXPECT_EQ(ListViewInsertRow(&view), 0);
}

TEST_F(ListViewOps, RowsOfAnotherListAreCopiedInTheOrderGiven) {
    AddRows(6);
    ListViewSetCell(&view, 2, 8, "120");
    ListViewSetCell(&view, 3, 1, "李四");  // a changed cell moves its row in the buffer
    ListView shown;
    shown.setProperty("columns", kMemberColumns);
    EXPECT_EQ(shown.appendRowsOf(view, {0, 2, 3, 5}), 0);
    EXPECT_EQ(shown.appendRowsOf(view, {}), 4);
    ASSERT_EQ(ListViewRowCount(&shown), 4);
    const std::vector<std::string> cards = {"1000", "1002", "1003", "1005"};
    for (int row = 0; row < 4; ++row) EXPECT_EQ(ListViewGetCell(&shown, row, 0), cards[row]);
    EXPECT_EQ(ListViewGetCell(&shown, 1, 8), "120");
    EXPECT_EQ(ListViewGetCell(&shown, 2, 1), "李四");
    EXPECT_EQ(ListViewGetCell(&shown, 3, 8), "");
}

TEST_F(ListViewOps, SingleSelectionKeepsOneRow) {
    AddRows(5);
    QSignalSpy changed(&view, &ListView::currentRowChanged);
    EXPECT_EQ(ListViewCurrentRow(&view), -1);

    ListViewSelectRow(&view, 2);
    ListViewSelectRow(&view, 4);
    EXPECT_EQ(ListViewSelectedRows(&view), std::vector<int>{4});
    EXPECT_EQ(ListViewCurrentRow(&view), 4);
    EXPECT_EQ(changed.count(), 2);

    ListViewSetCurrentRow(&view, 1);
    EXPECT_EQ(ListViewCurrentRow(&view), 1);
    EXPECT_EQ(ListViewSelectedRows(&view), std::vector<int>{1});
    ListViewDeselectRow(&view, 1);
    EXPECT_EQ(ListViewCurrentRow(&view), -1);
    EXPECT_EQ(changed.count(), 4);

    ListViewSelectRow(&view, 7);  // no such row
    EXPECT_TRUE(ListViewSelectedRows(&view).empty());
    ListViewSetCurrentRow(&view, 3);
    ListViewSetCurrentRow(&view, -1);
    EXPECT_EQ(ListViewCurrentRow(&view), -1);
    EXPECT_TRUE(ListViewSelectedRows(&view).empty());
}

TEST_F(ListViewOps, ClearingDropsTheCurrentRow) {
    AddRows(3);
    ListViewSetCurrentRow(&view, 2);
    QSignalSpy changed(&view, &ListView::currentRowChanged);
    ListViewClear(&view);
    EXPECT_EQ(ListViewCurrentRow(&view), -1);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ListViewOps, MultiSelectionListsRowsAscending) {
    view.setMultiSelection(true);
    AddRows(8);
    for (int row : {5, 1, 3, 6}) ListViewSelectRow(&view, row);
    ListViewDeselectRow(&view, 6);
    EXPECT_EQ(ListViewSelectedRows(&view), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(ListViewCurrentRow(&view), 1);
    for (int row = 0; row < 8; ++row) ListViewDeselectRow(&view, row);
    ListViewSelectRow(&view, 2);
    ListViewEnsureRowVisible(&view, 2);
    EXPECT_EQ(ListViewSelectedRows(&view), std::vector<int>{2});
}

TEST_F(ListViewOps, AWholeSelectionIsSetInRunsAndReadBack) {
    view.setMultiSelection(true);
    AddRows(10);
    QSignalSpy changed(&view, &ListView::currentRowChanged);
    view.setSelectedRows({1, 2, 3, 7, 9});
    EXPECT_EQ(ListViewSelectedRows(&view), (std::vector<int>{1, 2, 3, 7, 9}));
    EXPECT_EQ(view.selectionModel()->selection().size(), 3);
    EXPECT_FALSE(view.selectionModel()->isRowSelected(8, QModelIndex()));
    EXPECT_EQ(ListViewCurrentRow(&view), 1);
    EXPECT_EQ(changed.count(), 1);

    view.setSelectedRows({-1, 7, 20});  // rows that do not exist are left out
    EXPECT_EQ(ListViewSelectedRows(&view), std::vector<int>{7});
    EXPECT_EQ(changed.count(), 2);
    // Changed another way, the selection is read from the list again.
    ListViewSelectRow(&view, 4);
    EXPECT_EQ(ListViewSelectedRows(&view), (std::vector<int>{4, 7}));
    view.setSelectedRows({});
    EXPECT_TRUE(ListViewSelectedRows(&view).empty());
    view.setSelectedRows({5});
    ListViewClear(&view);
    EXPECT_TRUE(ListViewSelectedRows(&view).empty());

    ListView single;
    single.setProperty("columns", kMemberColumns);
    ListViewInsertRow(&single);
    ListViewInsertRow(&single);
    single.setSelectedRows({0, 1});
    EXPECT_EQ(ListViewSelectedRows(&single), std::vector<int>{1});
}

TEST_F(ListViewOps, MultiSelectionShowsAfterTheEventLoopToo) {
    view.setMultiSelection(true);
    AddRows(4);
    ListViewSelectRow(&view, 0);
    ListViewSelectRow(&view, 3);
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.selectionModel()->isRowSelected(3, QModelIndex()));
    EXPECT_FALSE(view.selectionModel()->isRowSelected(1, QModelIndex()));
}

TEST_F(ListViewOps, RightClickSelectsAndSignals) {
    AddRows(3);
    view.show();
    QSignalSpy right(&view, &ListView::rightClicked);
    QSignalSpy deleted(&view, &ListView::deleteKeyPressed);
    const QRect second = view.visualRect(view.model()->index(1, 1));
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, second.center());
    EXPECT_EQ(right.count(), 1);
    EXPECT_EQ(ListViewCurrentRow(&view), 1);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(deleted.count(), 1);
}

// Every list, single or multi selection: Tab and Shift+Tab move the focus to the next and the
// previous control and leave the rows as they were; the arrow keys move the current row.
TEST(ListViewKeys, TabMovesTheFocusOnAndArrowsMoveTheRow) {
    for (const bool multi : {false, true}) {
        SCOPED_TRACE(multi ? "multi selection" : "single selection");
        QWidget window;
        auto* before = new QLineEdit(&window);
        auto* list = new ListView(&window);
        auto* after = new QLineEdit(&window);
        list->setColumns({"卡号|80", "姓名|100"});
        list->setMultiSelection(multi);
        for (int row = 0; row < 4; ++row) ListViewInsertRow(list);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ListViewSetCurrentRow(list, 1);
        QSignalSpy changed(list, &ListView::currentRowChanged);

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), after);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), before);
        EXPECT_EQ(ListViewCurrentRow(list), 1);
        EXPECT_EQ(ListViewSelectedRows(list), std::vector<int>{1});
        EXPECT_EQ(changed.count(), 0);

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(ListViewCurrentRow(list), 2);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_EQ(ListViewCurrentRow(list), 0);
    }
}

namespace {

// A cost that grows with the rows no faster than this multiple of their growth (linear is
// 1, a quadratic cost gives the growth itself): wide enough for a busy machine.
constexpr int kGrowth = 8;
constexpr double kMostCostPerRowGrowth = 3;

// The time this thread spent running: other work on a busy machine takes the cores from
// it, which a clock on the wall would count, the longer run more often than the short one.
class ThreadCpuTimer {
  public:
    ThreadCpuTimer() : start_(Now()) {}
    qint64 nsecsElapsed() const { return Now() - start_; }

  private:
    static qint64 Now() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    qint64 start_;
};

// How much more one row costs at kGrowth times the rows than at smallRows: the fastest of
// a few runs of each, the two sizes taking turns so that a busy spell meets both. Both sizes
// should outgrow the processor's caches, which would otherwise favour the small one.
template <typename Run>
double CostPerRowGrowth(Run run, int smallRows, const char* what) {
    qint64 small = std::numeric_limits<qint64>::max();
    qint64 large = small;
    for (int i = 0; i < 5; ++i) {
        small = std::min(small, run(smallRows));
        large = std::min(large, run(smallRows * kGrowth));
    }
    const double growth =
        static_cast<double>(large) / static_cast<double>(std::max<qint64>(small, 1)) / kGrowth;
    std::printf("[          ] %s: %d rows %.1f ms, %d rows %.1f ms, cost per row x%.2f\n", what,
                smallRows, small / 1e6, smallRows * kGrowth, large / 1e6, growth);
    return growth;
}

}  // namespace

// The totals pass and a load fill rows cell by cell into a shown list (figures: bench/).
TEST_F(ListViewOps, MemberRowsFillAtACostLinearInTheRows) {
    auto fill = [](int rows) {
        ListView view;
        view.setColumns(kMemberColumns);
        view.resize(950, 432);
        view.show();
        const ThreadCpuTimer timer;
        for (int i = 0; i < rows; ++i) {
            const int row = ListViewInsertRow(&view);
            for (int column = 0; column < 9; ++column)
                ListViewSetCell(&view, row, column, "单元格" + std::to_string(row * 9 + column));
        }
        QCoreApplication::processEvents();
        const qint64 ns = timer.nsecsElapsed();
        EXPECT_EQ(ListViewRowCount(&view), rows);
        EXPECT_EQ(ListViewGetCell(&view, rows - 1, 8), "单元格" + std::to_string(rows * 9 - 1));
        return ns;
    };
    EXPECT_LT(CostPerRowGrowth(fill, 2500, "rows filled and shown"), kMostCostPerRowGrowth);
}

// Every other row selected one by one, as a history's select-all does, and read back.
TEST_F(ListViewOps, SelectingManyRowsCostsLinearInTheRows) {
    auto select = [](int rows) {
        ListView view;
        view.setColumns(kMemberColumns);
        view.setMultiSelection(true);
        std::vector<std::vector<std::string>> cells(rows, std::vector<std::string>{"1"});
        ListViewAppendRows(&view, cells);
        const ThreadCpuTimer timer;
        for (int row = 0; row < rows; ++row) ListViewDeselectRow(&view, row);
        for (int row = 0; row < rows; row += 2) {
            ListViewSelectRow(&view, row);
            ListViewEnsureRowVisible(&view, row);
        }
        const std::vector<int> selected = ListViewSelectedRows(&view);
        const qint64 ns = timer.nsecsElapsed();
        EXPECT_EQ(selected.size(), static_cast<size_t>(rows / 2));
        EXPECT_EQ(selected.back(), rows - 2);
        return ns;
    };
    // Qt's own selection grows somewhat faster than the rows (about x2 here for x8 rows, on
    // a busy machine up to x2.4); one range compared with every other would give x8.
    EXPECT_LT(CostPerRowGrowth(select, 20000, "every other row selected and read back"),
              kMostCostPerRowGrowth + 1);
}
