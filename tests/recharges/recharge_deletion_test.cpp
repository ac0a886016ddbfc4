// Deleting a recharge record from page 1: the gate, the note, the re-run and the member rows
// brought up to date.
#include <QAction>
#include <QDateTimeEdit>
#include <QMenu>
#include <QTest>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "login/SignedInOperator.h"
#include "members/CurrentMemberStrip.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kNoteAt140509 = "管理员王五[Chief][2]于2024-03-05 02:05:09删除了本条充值记录";

class RechargeDeletionTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        SetCurrentDateTimeForTests(At(2024, 3, 5, 14, 5, 9));
        db.Run(
            "INSERT INTO userlist (user_id, user_name, user_tel) VALUES "
            "(126, '张三', '13900000000'), (127, '李四', '')");
        // ids 1 to 3: 126 twice (one with a remark), 127 once
        db.Run(
            "INSERT INTO paylist (user_id, user_name, pay_time, pay_money, pay_give, pay_total, "
            "pay_method, pay_notes, boss_id, boss_name) VALUES "
            "(126, '张三', '2024-03-01 10:00:00', '100', '20', '120', '微信', '收据12', '2', "
            "'王五'), "
            "(126, '张三', '2024-03-02 10:00:00', '50', '', '50', '现金', '', '2', '王五'), "
            "(127, '李四', '2024-03-03 10:00:00', '30', '', '30', '现金', NULL, '2', '王五')");
    }
    void TearDown() override {
        operatorTel.clear();
        SignedInWindow::TearDown();
    }

    // Signed in as 王五, then the administrator by the login name alone; page 1 lists every
    // member's recharges.
    void StartOnAllRecharges() {
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        operatorTel = "Chief";
        Click(ui().按钮_会员充值);
        Click(ui().按钮_充值管理_所有用户);
        ASSERT_EQ(ListViewRowCount(list()), 3);
        dialogs().clear();
    }

    ListView* list() { return ui().超级列表框_会员充值_充值列表; }
    int RowOfRecord(const std::string& id) { return RowOfCard(id, list()); }
    void SelectRecord(const std::string& id) {
        ASSERT_NE(RowOfRecord(id), -1) << "no row for record " << id;
        ListViewSetCurrentRow(list(), RowOfRecord(id));
        Pump(5);
    }
    void Choose() {
        QMenu* menu = window().findChild<QMenu*>(QStringLiteral("充值操作"));
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        ASSERT_EQ(menu->actions()[0]->text(), QStringLiteral("删除充值记录"));
        menu->actions()[0]->trigger();
    }
    Rows Record(const std::string& id) {
        return db.Rows(
            "SELECT pay_del, pay_notes, user_id, user_name, pay_time, pay_money, pay_give, "
            "pay_total, pay_method, boss_id, boss_name FROM paylist WHERE pay_id = " +
            id);
    }
    std::string Totals() { return TextOf(ui().标签_充值管理_汇总信息); }
    std::vector<std::string> MemberCells(const std::string& card, ListView* in) {
        return RowCells(in, RowOfCard(card, in));
    }
};

TEST_F(RechargeDeletionTest, TheEntryAndTheDeleteKeyMarkTheRecordAndKeepItsRemark) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllRecharges());
    SelectRecord("1");
    Choose();
    EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(BalloonTexts(),
              std::vector<std::string>{"删除充值记录成功，ID为：1、用户姓名为：张三"});
    // The twelve-hour clock, the remark kept a line below; every other field as it was.
    EXPECT_EQ(Record("1"),
              (Rows{{"1", kNoteAt140509 + "\r\n收据12", "126", "张三", "2024-03-01 10:00:00", "100",
                     "20", "120", "微信", "2", "王五"}}));
    EXPECT_EQ(RowOfRecord("1"), -1);
    EXPECT_EQ(Totals(), "充值2次，实付80元，赠送0元，合计80元");

    const std::pair<const char*, Qt::KeyboardModifiers> keys[] = {{"2", Qt::ShiftModifier},
                                                                  {"3", Qt::ControlModifier}};
    for (const auto& [id, modifiers] : keys) {
        SelectRecord(id);
        const size_t asked = dialogs().messageBoxes().size();
        QTest::keyClick(list(), Qt::Key_Backspace, modifiers);  // no other key deletes
        EXPECT_EQ(dialogs().messageBoxes().size(), asked);
        QTest::keyClick(list(), Qt::Key_Delete, modifiers);
        EXPECT_EQ(RowOfRecord(id), -1) << id;
        EXPECT_EQ(Record(id)[0][0], "1");
        EXPECT_EQ(Record(id)[0][1], kNoteAt140509) << "no remark: the note alone";
    }
    EXPECT_EQ(ListViewRowCount(list()), 0);
    EXPECT_EQ(Totals(), "充值0次，实付0元，赠送0元，合计0元");
    EXPECT_EQ(dialogs().messageBoxes().size(), 3u);
}

TEST_F(RechargeDeletionTest, AtHalfPastMidnightTheNoteSaysTwelve) {
    SetCurrentDateTimeForTests(At(2024, 3, 5, 0, 30, 0));
    ASSERT_NO_FATAL_FAILURE(StartOnAllRecharges());
    SelectRecord("2");
    Choose();
    EXPECT_EQ(Record("2")[0][1], "管理员王五[Chief][2]于2024-03-05 12:30:00删除了本条充值记录");
}

TEST_F(RechargeDeletionTest, OnlyChiefByteForByteDeletesAndOthersSeeNothing) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllRecharges());
    SelectRecord("1");
    const Rows before = db.Rows("SELECT * FROM paylist ORDER BY pay_id");
    for (const char* login : {"chief", "Chief ", "", "13800000001"}) {
        operatorTel = login;
        Choose();
        QTest::keyClick(list(), Qt::Key_Delete);
        EXPECT_TRUE(dialogs().shownTexts().empty()) << '"' << login << '"';
    }
    // The menu itself opens for everyone.
    QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QMenu* menu = window().findChild<QMenu*>(QStringLiteral("充值操作"));
    EXPECT_TRUE(WaitUntil([menu] { return menu->isVisible(); }));
    menu->hide();
    EXPECT_EQ(db.Rows("SELECT * FROM paylist ORDER BY pay_id"), before);
    EXPECT_EQ(ListViewRowCount(list()), 3);
}

TEST_F(RechargeDeletionTest, CancelAndARowWithoutIdDeleteNothing) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllRecharges());
    SelectRecord("1");
    dialogs().queueMessageBoxAnswer(1);
    Choose();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"未进行操作"});
    EXPECT_EQ(Record("1")[0][0], "0");

    // No record id in the row: nothing is asked.
    dialogs().clear();
    ListViewSetCell(list(), RowOfRecord("2"), 0, "");
    ListViewSetCurrentRow(list(), 1);
    Choose();
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

// The other desk's deletion is not this desk's success, but the stale list is read again
// over the same period, and without the database it keeps what it showed.
TEST_F(RechargeDeletionTest, ARecordDeletedAtAnotherDeskLeavesTheListAndItsTotals) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllRecharges());
    ui().日期框_充值管理_开始日期->setDateTime(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    ui().日期框_充值管理_结束日期->setDateTime(QDateTime(QDate(2024, 3, 2), QTime(0, 0)));
    Click(ui().选择框_充值管理_指定日期);
    ASSERT_EQ(ListViewRowCount(list()), 2);
    ASSERT_EQ(Totals(), "充值2次，实付150元，赠送20元，合计170元");

    db.Run("UPDATE paylist SET pay_del = 1, pay_notes = '别处' WHERE pay_id = 1");
    SelectRecord("1");
    Choose();
    EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(Record("1")[0][1], "别处");  // this desk's note does not go over it
    EXPECT_EQ(RowOfRecord("1"), -1);
    ASSERT_EQ(ListViewRowCount(list()), 1);
    EXPECT_EQ(ListViewGetCell(list(), 0, 0), "2");
    EXPECT_EQ(Totals(), "充值1次，实付50元，赠送0元，合计50元");
    // The member's figures no longer count it, as after a deletion made here.
    EXPECT_EQ(MemberCells("126", members())[8], "50");
    EXPECT_EQ(MemberCells("126", spareMembers()), MemberCells("126", members()));

    CutDatabase();
    SelectRecord("2");
    Choose();
    EXPECT_EQ(dialogs().messageBoxes().size(), 2u);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(RowOfRecord("2"), 0);
    EXPECT_EQ(Totals(), "充值1次，实付50元，赠送0元，合计50元");
}

TEST_F(RechargeDeletionTest, EveryRowOfTheRecordsCardTakesTheLowerBalance) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllRecharges());
    ASSERT_EQ(MemberCells("126", members())[8], "170");
    ASSERT_EQ(MemberCells("126", spareMembers())[8], "170");
    SelectCard("127");  // another member is selected on page 0
    SelectRecord("1");
    Choose();
    EXPECT_EQ(
        MemberCells("126", members()),
        (std::vector<std::string>{"126", "张三", "13900000000", "1", "50", "50", "", "", "50"}));
    EXPECT_EQ(MemberCells("126", spareMembers()), MemberCells("126", members()));
    EXPECT_EQ(MemberCells("127", members())[8], "30");

    // Selected or not, shown or only in the spare list.
    SetText(ui().编辑框_会员管理_搜索, "ls");
    Pump(5);
    ASSERT_EQ(RowOfCard("126"), -1);
    SelectRecord("2");
    Choose();
    EXPECT_EQ(MemberCells("126", spareMembers())[8], "0");
}

TEST_F(RechargeDeletionTest, TheReRunFollowsTheQueryKind) {
    ASSERT_NO_FATAL_FAILURE(StartOnAllRecharges());
    SelectCard("127");
    OnCurrentMemberTimerTick();
    Click(ui().按钮_充值管理_当前用户);
    ASSERT_EQ(ListViewRowCount(list()), 1);
    // The member current now is listed, whose ever the record was.
    Click(ui().按钮_充值管理_所有用户);
    SelectRecord("1");
    SetText(ui().编辑框_充值管理_查询类型, "当前用户");
    Choose();
    EXPECT_EQ(ListViewRowCount(list()), 1);
    EXPECT_EQ(ListViewGetCell(list(), 0, 0), "3");

    // Any other kind runs nothing: the list keeps what it showed.
    Click(ui().按钮_充值管理_所有用户);
    SelectRecord("2");
    SetText(ui().编辑框_充值管理_查询类型, "");
    Choose();
    EXPECT_EQ(Record("2")[0][0], "1");
    EXPECT_NE(RowOfRecord("2"), -1);
}

}  // namespace
