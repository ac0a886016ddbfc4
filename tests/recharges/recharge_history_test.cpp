// Page 1: what the two queries list and total, the period and its buttons, the re-run by
// the query kind, and the number of statements each action sends.
#include <QDateTimeEdit>
#include <QTest>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "members/CurrentMemberStrip.h"
#include "periods/HistoryPeriod.h"

namespace {

std::string DayIn(QDateTimeEdit* box) { return box->date().toString("yyyy-MM-dd").toStdString(); }

class RechargeHistoryTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        SetCurrentDateTimeForTests(At(2024, 3, 5, 14, 30, 0));
        db.Run(
            "INSERT INTO userlist (user_id, user_name, user_tel) VALUES "
            "(126, '张三', '13900000000'), (127, '李四', '')");
    }

    void AddRecharge(const std::string& card, const std::string& time, const std::string& paid,
                     const std::string& bonus, const std::string& total,
                     const std::string& extra = "'微信', '', '2', '王五'") {
        db.Run(
            "INSERT INTO paylist (user_id, user_name, pay_time, pay_money, pay_give, "
            "pay_total, pay_method, pay_notes, boss_id, boss_name) VALUES (" +
            card + ", '张三', '" + time + "', '" + paid + "', '" + bonus + "', '" + total + "', " +
            extra + ")");
    }

    ListView* list() { return ui().超级列表框_会员充值_充值列表; }
    std::string Totals() { return TextOf(ui().标签_充值管理_汇总信息); }
    std::string Kind() { return TextOf(ui().编辑框_充值管理_查询类型); }
    std::vector<std::string> Column(int column) {
        std::vector<std::string> cells;
        for (int row = 0; row < ListViewRowCount(list()); ++row)
            cells.push_back(ListViewGetCell(list(), row, column));
        return cells;
    }

    void MakeCurrent(const std::string& card) {
        SelectCard(card);
        OnCurrentMemberTimerTick();
    }
    void NoMemberCurrent() {
        ListViewSetCurrentRow(members(), -1);
        OnCurrentMemberTimerTick();
    }

    void OpenPage() { Click(ui().按钮_会员充值); }
    void TickPeriod() { Click(ui().选择框_充值管理_指定日期); }
    void Press(TextButton* button) { Click(reinterpret_cast<QWidget*>(button)); }

    // Statements the server has run; the fixture's own SHOW counts as none.
    long long Selects() {
        return std::stoll(db.Rows("SHOW GLOBAL STATUS LIKE 'Com_select'")[0][1]);
    }
};

TEST_F(RechargeHistoryTest, AllMembersListsEveryCellAndTheTotals) {
    AddRecharge("126", "2024-03-01 10:00:00", "100", "20", "120");
    AddRecharge("127", "2024-03-02 10:00:00", "200", "0", "200",
                "'现金', 'O''Brien \\\\ \"引\"', '', '老板'");
    AddRecharge("126", "2024-03-03 10:00:00", "50.5", "", "50");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    EXPECT_EQ(ui().选择夹1->currentIndex(), 1);
    EXPECT_EQ(ListViewRowCount(list()), 0);  // no member current: nothing is asked
    Click(ui().按钮_充值管理_所有用户);
    EXPECT_EQ(Kind(), "所有用户");
    ASSERT_EQ(ListViewRowCount(list()), 3);
    std::vector<std::string> first;
    for (int column = 0; column < 10; ++column) first.push_back(ListViewGetCell(list(), 0, column));
    EXPECT_EQ(first, (std::vector<std::string>{"1", "126", "张三", "2024-03-01 10:00:00", "100",
                                               "20", "120", "微信", "", "[2]王五"}));
    EXPECT_EQ(Column(5), (std::vector<std::string>{"20", "", ""}));
    EXPECT_EQ(ListViewGetCell(list(), 1, 8), "O'Brien \\ \"引\"");
    EXPECT_EQ(ListViewGetCell(list(), 1, 9), "[]老板");
    EXPECT_EQ(ListViewGetCell(list(), 2, 4), "50.5");
    EXPECT_EQ(Totals(), "充值3次，实付350元，赠送20元，合计370元");
}

TEST_F(RechargeHistoryTest, TotalsPastTwoToTheThirtyFirstAreExact) {
    AddRecharge("126", "2024-03-01 10:00:00", "2000000000", "2000000000", "2000000000");
    AddRecharge("126", "2024-03-01 11:00:00", "2000000000", "2000000000", "2000000000");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    Click(ui().按钮_充值管理_所有用户);
    EXPECT_EQ(Totals(), "充值2次，实付4000000000元，赠送4000000000元，合计4000000000元");
}

TEST_F(RechargeHistoryTest, TheFirstTickOfThePeriodListsToday) {
    AddRecharge("126", "2024-03-04 12:00:00", "1", "", "1");
    AddRecharge("126", "2024-03-05 09:00:00", "10", "", "10");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    Click(ui().按钮_充值管理_所有用户);
    TickPeriod();
    EXPECT_EQ(DayIn(ui().日期框_充值管理_开始日期), "2024-03-05");
    EXPECT_EQ(DayIn(ui().日期框_充值管理_结束日期), "2024-03-05");
    EXPECT_EQ(Column(3), (std::vector<std::string>{"2024-03-05 09:00:00"}));
    EXPECT_EQ(Totals(), "充值1次，实付10元，赠送0元，合计10元");
}

TEST_F(RechargeHistoryTest, ThePeriodHoldsBothEndsOfItsDays) {
    AddRecharge("126", "2024-03-04 23:59:59", "1", "", "1");
    AddRecharge("126", "2024-03-05 00:00:00", "10", "", "10");
    AddRecharge("126", "2024-03-05 23:59:59", "100", "", "100");
    AddRecharge("126", "2024-03-06 00:00:00", "1000", "", "1000");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    Click(ui().按钮_充值管理_所有用户);
    TickPeriod();
    EXPECT_FALSE(ui().外形框_充值管理_指定日期->isHidden());
    Press(ui().按钮_充值管理_今天);
    EXPECT_EQ(Column(3), (std::vector<std::string>{"2024-03-05 00:00:00", "2024-03-05 23:59:59"}));
    EXPECT_EQ(Totals(), "充值2次，实付110元，赠送0元，合计110元");
    Press(ui().按钮_充值管理_昨天);
    EXPECT_EQ(Column(4), (std::vector<std::string>{"1"}));
    Press(ui().按钮_充值管理_本月);
    EXPECT_EQ(Column(4), (std::vector<std::string>{"1", "10", "100", "1000"}));
    TickPeriod();  // off: all time again
    EXPECT_TRUE(ui().外形框_充值管理_指定日期->isHidden());
    EXPECT_EQ(ListViewRowCount(list()), 4);
}

TEST_F(RechargeHistoryTest, WithoutAQueryKindThePeriodRunsNothing) {
    AddRecharge("126", "2024-03-05 10:00:00", "100", "", "100");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    const long long before = Selects();
    TickPeriod();
    Press(ui().按钮_充值管理_近30天);
    Pump(HistoryPeriod::kTypingRestMs + 100);
    EXPECT_EQ(Selects(), before);
    EXPECT_EQ(Kind(), "");
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(DayIn(ui().日期框_充值管理_开始日期), "2024-02-04");
}

TEST_F(RechargeHistoryTest, OnePressOfAPeriodButtonRunsOneQuery) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    Click(ui().按钮_充值管理_所有用户);
    TickPeriod();
    for (TextButton* button : {ui().按钮_充值管理_近7天, ui().按钮_充值管理_上月}) {
        const long long before = Selects();
        Press(button);
        Pump(HistoryPeriod::kTypingRestMs + 100);
        EXPECT_EQ(Selects() - before, 1);
    }
}

TEST_F(RechargeHistoryTest, TypingADateRunsOneQuery) {
    AddRecharge("126", "2023-12-25 10:00:00", "100", "", "100");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    Click(ui().按钮_充值管理_所有用户);
    TickPeriod();
    Press(ui().按钮_充值管理_今天);
    const long long before = Selects();
    QDateTimeEdit* start = ui().日期框_充值管理_开始日期;
    start->setFocus();
    start->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(start, "2023");
    start->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(start, "12");
    start->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(start, "01");
    EXPECT_EQ(DayIn(start), "2023-12-01");
    ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(list()) == 1; }));
    Pump(HistoryPeriod::kTypingRestMs + 100);
    EXPECT_EQ(Selects() - before, 1);
}

TEST_F(RechargeHistoryTest, CurrentMemberKindFollowsTheMemberCurrentNow) {
    AddRecharge("126", "2024-03-05 10:00:00", "100", "", "100");
    AddRecharge("127", "2024-03-05 11:00:00", "200", "", "200");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    MakeCurrent("126");
    OpenPage();
    EXPECT_EQ(Kind(), "当前用户");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"126"}));
    MakeCurrent("127");
    TickPeriod();
    Press(ui().按钮_充值管理_今天);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"127"}));
    NoMemberCurrent();
    Press(ui().按钮_充值管理_今天);
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(Totals(), "");
}

// A query that is never sent has no figure: the label stays empty beside the empty list.
TEST_F(RechargeHistoryTest, AStripWithoutACardNumberAsksNothingAndShowsNoFigure) {
    AddRecharge("126", "2024-03-05 10:00:00", "100", "", "100");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    for (const char* card : {"", "12a", "1 OR 1=1"}) {
        AppendListRow({card, "无卡"});
        MakeCurrent(card);
        ASSERT_FALSE(ui().外形框_当前用户->isHidden());
        Click(ui().按钮_充值管理_所有用户);
        ASSERT_EQ(ListViewRowCount(list()), 1);
        const long long before = Selects();
        Click(ui().按钮_充值管理_当前用户);
        EXPECT_EQ(Selects(), before) << "[" << card << "]";
        EXPECT_EQ(ListViewRowCount(list()), 0) << "[" << card << "]";
        EXPECT_EQ(Totals(), "") << "[" << card << "]";
    }
}

TEST_F(RechargeHistoryTest, TheNavigationButtonWithoutAMemberEmptiesListAndTotals) {
    AddRecharge("126", "2024-03-05 10:00:00", "100", "", "100");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    Click(ui().按钮_充值管理_所有用户);
    ASSERT_EQ(ListViewRowCount(list()), 1);
    Click(ui().按钮_会员管理);
    OpenPage();
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(Totals(), "");
    EXPECT_EQ(Kind(), "所有用户");
}

TEST_F(RechargeHistoryTest, NewestFirstFollowsTheListOrderBox) {
    for (const char* time : {"2024-03-01 10:00:00", "2024-03-02 10:00:00", "2024-03-03 10:00:00"})
        AddRecharge("126", time, "1", "", "1");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    Click(ui().按钮_充值管理_所有用户);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3"}));
    ui().选择框_新纪录在最前->setChecked(true);
    Click(ui().按钮_充值管理_所有用户);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"3", "2", "1"}));
}

// A failed read is no "0 records": the list stays empty and no figure stands beside it.
TEST_F(RechargeHistoryTest, TheFirstListingAfterTheServerRestartedShowsTheRowsAndTotals) {
    AddRecharge("126", "2024-03-05 10:00:00", "100", "20", "120");
    AddRecharge("127", "2024-03-05 11:00:00", "50", "", "50");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    ASSERT_NO_FATAL_FAILURE(db.RestartServer());
    Click(ui().按钮_充值管理_所有用户);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"126", "127"}));
    EXPECT_EQ(Totals(), "充值2次，实付150元，赠送20元，合计170元");
}

TEST_F(RechargeHistoryTest, AFailedStatementShowsNoFigure) {
    AddRecharge("126", "2024-03-05 10:00:00", "100", "", "100");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    OpenPage();
    CutDatabase();
    Click(ui().按钮_充值管理_所有用户);
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(Totals(), "");
}

}  // namespace
