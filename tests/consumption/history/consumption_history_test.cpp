// Page 2: the cells and notes of the consumption list, its totals, its period, and the notes
// balloon of the selected row.
#include <QDateTimeEdit>

#include "SignedInWindow.h"
#include "consumption/ConsumptionHistory.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "members/CurrentMemberStrip.h"

namespace {

const std::string kBlanks(20, ' ');

TEST(ConsumptionNotesTest, CellByItemIdNameAndRemark) {
    struct Case {
        const char *xmId, *name, *notes;
        std::string cell;
    };
    const Case cases[] = {
        {"3", "足疗", "", "1个项目" + kBlanks + "\r\n"},
        {"3", "足疗", "加钟", "1个项目" + kBlanks + "\r\n加钟"},
        {"", "", "", ""},
        {"", "3个项目", "", "3个项目"},
        {"", "", "只备注", "只备注"},
        {"", "2个项目", "行一\r\n行二", "2个项目" + kBlanks + "\r\n行一\r\n行二"},
    };
    for (const Case& c : cases) {
        ConsumptionRecord record;
        record.xm_id = c.xmId;
        record.xm_name = c.name;
        record.cost_notes = c.notes;
        EXPECT_EQ(ConsumptionNotesCell(record), c.cell) << c.xmId << c.name << c.notes;
    }
}

TEST(ConsumptionNotesTest, BalloonTurnsEachTwentyBlanksIntoADashLine) {
    const std::string dashes = "\r\n————————";
    EXPECT_EQ(NotesBalloonText("1个项目" + kBlanks + "\r\n"), "1个项目" + dashes + "\r\n");
    EXPECT_EQ(NotesBalloonText("a" + std::string(45, ' ') + "b"), "a" + dashes + dashes + "     b");
    EXPECT_EQ(NotesBalloonText(""), "");
}

class ConsumptionHistoryTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        SetCurrentDateTimeForTests(At(2024, 3, 5, 14, 30, 0));
        db.Run(
            "INSERT INTO userlist (user_id, user_name, user_tel) VALUES "
            "(126, '张三', '13900000000'), (127, '李四', '')");
    }

    void AddRecord(const std::string& values) {
        db.Run(
            "INSERT INTO costlist (user_id, user_name, cost_date, xm_id, xm_name, xm_money, "
            "cost_money, cost_notes, boss_id, boss_name) VALUES (" +
            values + ")");
    }

    ListView* list() { return ui().超级列表框_会员消费_消费列表; }
    std::string Totals() { return TextOf(ui().标签_消费管理_汇总信息); }
    std::vector<std::string> Row(int row) {
        std::vector<std::string> cells;
        for (int column = 0; column < 9; ++column)
            cells.push_back(ListViewGetCell(list(), row, column));
        return cells;
    }
};

TEST_F(ConsumptionHistoryTest, CellsTotalsAndNotesBalloon) {
    AddRecord("126, '张三', '2024-03-05 00:00:00', '3', '足疗', '58', '58', '', '2', '王五'");
    AddRecord(
        "127, 'O''Brien \\\\ \"引\"', '2024-03-05 23:59:59', '', '0个项目', '', '98', "
        "'只记总额', '', '王五'");
    AddRecord(
        "126, '张三', '2024-03-04 23:59:59', '', '2个项目', '120', '120', '行一', '2', '王五'");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_会员消费);
    EXPECT_EQ(ui().选择夹1->currentIndex(), 2);
    Click(ui().按钮_消费管理_所有用户);
    ASSERT_EQ(ListViewRowCount(list()), 3);
    EXPECT_EQ(Row(0),
              (std::vector<std::string>{"1", "126", "张三", "2024-03-05 00:00:00", "足疗", "58",
                                        "58", "1个项目" + kBlanks + "\r\n", "[2]王五"}));
    EXPECT_EQ(Row(1),
              (std::vector<std::string>{"2", "127", "O'Brien \\ \"引\"", "2024-03-05 23:59:59", "",
                                        "", "98", "只记总额", ""}));
    EXPECT_EQ(ListViewGetCell(list(), 2, 7), "2个项目" + kBlanks + "\r\n行一");
    EXPECT_EQ(Totals(), "统计消费3次，合计总额276元");

    dialogs().clear();
    ListViewSetCurrentRow(list(), 0);
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    const auto& balloon = dialogs().balloons()[0];
    EXPECT_EQ(balloon.text, "1个项目\r\n————————\r\n");
    EXPECT_EQ(balloon.x, window().x() + 660);
    EXPECT_EQ(balloon.y, kPointer.y());
    ListViewSetCurrentRow(list(), 1);
    EXPECT_EQ(dialogs().balloons().back().text, "只记总额");

    // The first tick lists today, as 今天 does.
    Click(ui().选择框_消费管理_指定日期);
    EXPECT_EQ(ui().日期框_消费管理_开始日期->date(), QDate(2024, 3, 5));
    EXPECT_EQ(ui().日期框_消费管理_结束日期->date(), QDate(2024, 3, 5));
    EXPECT_EQ(Totals(), "统计消费2次，合计总额156元");
    Click(ui().按钮_消费管理_今天);
    EXPECT_EQ(ListViewRowCount(list()), 2);
    EXPECT_EQ(Totals(), "统计消费2次，合计总额156元");
}

TEST_F(ConsumptionHistoryTest, CurrentMemberAndTheEmptiedLabel) {
    AddRecord("126, '张三', '2024-03-05 10:00:00', '', '', '', '58', '', '2', '王五'");
    AddRecord("127, '李四', '2024-03-05 10:00:00', '', '', '', '98', '', '2', '王五'");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    SelectCard("127");
    OnCurrentMemberTimerTick();
    Click(ui().按钮_会员消费);
    EXPECT_EQ(TextOf(ui().编辑框_消费管理_查询类型), "当前用户");
    EXPECT_EQ(ListViewGetCell(list(), 0, 1), "127");
    EXPECT_EQ(Totals(), "统计消费1次，合计总额98元");
    ListViewSetCurrentRow(members(), -1);
    OnCurrentMemberTimerTick();
    Click(ui().按钮_会员消费);
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(Totals(), "");
    AppendListRow({"", "无卡"});
    SelectCard("");
    OnCurrentMemberTimerTick();
    Click(ui().按钮_消费管理_所有用户);
    ASSERT_EQ(ListViewRowCount(list()), 2);
    // No card number, no query: no figure of a read that never happened.
    Click(ui().按钮_消费管理_当前用户);
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(Totals(), "");

    // A failed read is no "0 records": no figure stands beside the empty list.
    SelectCard("127");
    OnCurrentMemberTimerTick();
    CutDatabase();
    Click(ui().按钮_消费管理_当前用户);
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(Totals(), "");
}

}  // namespace
