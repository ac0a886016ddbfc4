// Deleting a bill from page 2: its lines stay under the note, it leaves the history and the
// member's totals, and every row of its card shows the higher balance.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "login/SignedInOperator.h"
#include "members/CurrentMemberStrip.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kNote = "管理员王五[Chief][2]于2024-03-05 02:05:09删除了本条消费记录";
const std::string kBillLines = "足疗 1 58\r\n加钟 1 40";

class ConsumptionDeletionTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        SetCurrentDateTimeForTests(At(2024, 3, 5, 14, 5, 9));
        db.Run(
            "INSERT INTO userlist (user_id, user_name, user_tel) VALUES "
            "(126, '张三', '13900000000'), (127, '李四', '')");
        db.Run(
            "INSERT INTO paylist (user_id, user_name, pay_money, pay_total) VALUES "
            "(126, '张三', '500', '500'), (127, '李四', '100', '100')");
        // ids 1 and 2: a bill of 126 with its lines, a plain charge of 127
        db.Run(
            "INSERT INTO costlist (user_id, user_name, cost_date, xm_id, xm_name, xm_money, "
            "cost_money, cost_notes, boss_id, boss_name) VALUES "
            "(126, '张三', '2024-03-04 10:00:00', '', '2个项目', '98', '98', '" +
            kBillLines +
            "', '2', '王五'), "
            "(127, '李四', '2024-03-04 11:00:00', '', '0个项目', '', '20', NULL, '2', '王五')");
    }
    void TearDown() override {
        operatorTel.clear();
        SignedInWindow::TearDown();
    }

    void StartOnAllBills() {
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        operatorTel = "Chief";
        Click(ui().按钮_会员消费);
        Click(ui().按钮_消费管理_所有用户);
        ASSERT_EQ(ListViewRowCount(list()), 2);
        dialogs().clear();
    }

    ListView* list() { return ui().超级列表框_会员消费_消费列表; }
    void SelectRecord(const std::string& id) {
        const int row = RowOfCard(id, list());  // cell 0 holds the record's id here
        ASSERT_NE(row, -1) << "no row for record " << id;
        ListViewSetCurrentRow(list(), row);
        Pump(5);
        dialogs().clear();  // the notes balloon of the row
    }
    void Choose() {
        QMenu* menu = window().findChild<QMenu*>(QStringLiteral("消费操作"));
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        ASSERT_EQ(menu->actions()[0]->text(), QStringLiteral("删除消费记录"));
        menu->actions()[0]->trigger();
    }
    Rows Record(const std::string& id) {
        return db.Rows(
            "SELECT cost_del, cost_notes, user_id, user_name, cost_date, xm_name, xm_money, "
            "cost_money FROM costlist WHERE cost_id = " +
            id);
    }
    std::string Balance(const std::string& card, ListView* in) {
        return ListViewGetCell(in, RowOfCard(card, in), 8);
    }
};

TEST_F(ConsumptionDeletionTest, TheBillLinesStayUnderTheNoteAndTheBillLeavesTheTotals) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllBills());
    ASSERT_EQ(Balance("126", members()), "402");
    SelectCard("127");  // another member is selected on page 0
    SelectRecord("1");
    QTest::keyClick(list(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(BalloonTexts(),
              std::vector<std::string>{"删除消费记录成功，ID为：1、用户姓名为：张三"});
    EXPECT_EQ(Record("1"), (Rows{{"1", kNote + "\r\n" + kBillLines, "126", "张三",
                                  "2024-03-04 10:00:00", "2个项目", "98", "98"}}));
    ASSERT_EQ(ListViewRowCount(list()), 1);
    EXPECT_EQ(ListViewGetCell(list(), 0, 0), "2");
    EXPECT_EQ(TextOf(ui().标签_消费管理_汇总信息), "统计消费1次，合计总额20元");
    // The record's member, not only the selected one: visible and spare rows alike.
    EXPECT_EQ(
        RowCells(members(), RowOfCard("126")),
        (std::vector<std::string>{"126", "张三", "13900000000", "1", "500", "500", "", "", "500"}));
    EXPECT_EQ(RowCells(spareMembers(), RowOfCard("126", spareMembers())),
              RowCells(members(), RowOfCard("126")));
    EXPECT_EQ(Balance("127", members()), "80");

    // A bill without notes gets the note alone; the menu entry deletes as the key does.
    SelectRecord("2");
    Choose();
    EXPECT_EQ(Record("2")[0][1], kNote);
    EXPECT_EQ(Balance("127", members()), "100");
    EXPECT_EQ(ListViewRowCount(list()), 0);
}

TEST_F(ConsumptionDeletionTest, NoOneButChiefAndNoBillDeletedTwice) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllBills());
    SelectRecord("1");
    for (const char* login : {"chief", "Chief "}) {
        operatorTel = login;
        Choose();
        QTest::keyClick(list(), Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_TRUE(dialogs().shownTexts().empty()) << '"' << login << '"';
    }
    EXPECT_EQ(Record("1")[0][0], "0");

    // Deleted at another desk: no note over it, no success, but the list is read again.
    operatorTel = "Chief";
    db.Run("UPDATE costlist SET cost_del = 1 WHERE cost_id = 1");
    Choose();
    EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(Record("1")[0][1], kBillLines);
    ASSERT_EQ(ListViewRowCount(list()), 1);
    EXPECT_EQ(ListViewGetCell(list(), 0, 0), "2");
    EXPECT_EQ(TextOf(ui().标签_消费管理_汇总信息), "统计消费1次，合计总额20元");
}

TEST_F(ConsumptionDeletionTest, ABillDeletedAtAnotherDeskLeavesTheCurrentMembersList) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllBills());
    SelectCard("126");
    OnCurrentMemberTimerTick();
    Click(ui().按钮_消费管理_当前用户);
    ASSERT_EQ(ListViewRowCount(list()), 1);
    ASSERT_EQ(TextOf(ui().标签_消费管理_汇总信息), "统计消费1次，合计总额98元");
    db.Run("UPDATE costlist SET cost_del = 1 WHERE cost_id = 1");
    SelectRecord("1");
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(TextOf(ui().标签_消费管理_汇总信息), "统计消费0次，合计总额0元");
}

// The member's figures follow the database as after a deletion made here: the row, the strip
// and the open bill read 500, and a bill of 450 is not cut to the stale 402.
TEST_F(ConsumptionDeletionTest, ABillDeletedAtAnotherDeskLeavesTheMembersFigures) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllBills());
    Click(ui().按钮_会员管理);
    SelectCard("126");
    OnCurrentMemberTimerTick();
    Click(ui().按钮_消费);
    ASSERT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "402");
    Click(ui().按钮_会员消费);
    ASSERT_EQ(ListViewRowCount(list()), 1);
    db.Run("UPDATE costlist SET cost_del = 1 WHERE cost_id = 1");
    SelectRecord("1");
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(
        RowCells(members(), RowOfCard("126")),
        (std::vector<std::string>{"126", "张三", "13900000000", "1", "500", "500", "", "", "500"}));
    EXPECT_EQ(RowCells(spareMembers(), RowOfCard("126", spareMembers())),
              RowCells(members(), RowOfCard("126")));
    EXPECT_TRUE(WaitUntil([this] { return TextOf(ui().编辑框_全局_余额) == "500"; }));
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "500");

    Click(ui().按钮_会员管理);
    QTest::keyClicks(ui().编辑框_快速消费_消费总金额, "450");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_消费总金额), "450");
    Click(ui().按钮_快速消费_确定结账);
    EXPECT_EQ(db.Rows("SELECT cost_money FROM costlist WHERE user_id = 126 AND cost_del <> 1"),
              (Rows{{"450"}}));
    EXPECT_EQ(Balance("126", members()), "50");
}

TEST_F(ConsumptionDeletionTest, TheCurrentMemberKindListsTheMemberCurrentNow) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllBills());
    SelectCard("127");
    OnCurrentMemberTimerTick();
    SelectRecord("1");
    SetText(ui().编辑框_消费管理_查询类型, "当前用户");
    Choose();
    ASSERT_EQ(ListViewRowCount(list()), 1);
    EXPECT_EQ(ListViewGetCell(list(), 0, 0), "2");
}

}  // namespace
