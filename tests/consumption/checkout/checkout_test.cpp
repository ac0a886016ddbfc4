// Checking out the quick-consume bill: the stored record by the number of bill lines, the
// balloons, the refresh, the failures, the balance the database holds, and no second charge
// for one bill, also when an answer was lost.
#include <QListWidget>
#include <QTest>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "db/client.h"
#include "db/shared.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const char kFailure[] = "操作失败，请检查网络及数据库";

class CheckoutTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        db.Run(
            "INSERT INTO userlist (user_id, user_name, user_tel) VALUES "
            "(126, '张三', '139'), (0, '零号', ''), (127, 'O''Brien \\\\', '')");
        db.Run(
            "INSERT INTO paylist (pay_time, pay_money, pay_give, pay_total, pay_del, user_id) "
            "VALUES ('2024-01-01 10:00:00', '400', '100', '500', 0, 126), "
            "('2024-01-01 10:00:00', '300', '', '300', 0, 0), "
            "('2024-01-01 10:00:00', '300', '', '300', 0, 127)");
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    }

    void OpenBillFor(const std::string& card) {
        SelectCard(card);
        Click(ui().按钮_消费);
        ASSERT_FALSE(ui().外形框_快速消费->isHidden());
    }

    // A double click on the service item with this name.
    void Add(const std::string& name) {
        QListWidget* items = ui().列表框_快速消费_消费项目清单;
        for (int i = 0; i < items->count(); ++i) {
            if (ListBoxItemText(items, i).rfind(name + "[", 0) != 0) continue;
            const QPoint at = items->visualItemRect(items->item(i)).center();
            // The first click of a double click comes as a click of its own.
            QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(items->viewport(), Qt::LeftButton, {}, at);
            return;
        }
        ADD_FAILURE() << "no item " << name;
    }

    void CheckOut() { Click(ui().按钮_快速消费_确定结账); }

    std::string Total() { return TextOf(ui().编辑框_快速消费_消费总金额); }

    std::vector<std::string> Bill() {
        return {Total(), TextOf(ui().编辑框_快速消费_消费项目数),
                TextOf(ui().编辑框_快速消费_消费后余额),
                std::to_string(ListBoxItemCount(ui().列表框_快速消费_结账清单))};
    }

    Rows Records() {
        return db.Rows(
            "SELECT cost_notes, cost_money, cost_del, cost_date, xm_id, xm_name, xm_money, "
            "user_id, user_name, boss_id, boss_name FROM costlist ORDER BY cost_id");
    }
};

TEST_F(CheckoutTest, AOneLineBillNamesItsItem) {
    SetCurrentDateTimeForTests(At(2024, 3, 5, 14, 5, 7));
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    ASSERT_EQ(Bill(), (std::vector<std::string>{"68", "1", "432", "1"}));
    CheckOut();

    EXPECT_EQ(Records(), (Rows{{"{1}足疗[68]", "68", "0", "2024-03-05 14:05:07", "1", "足疗", "68",
                                "126", "张三", "2", "王五"}}));
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    const auto& shown = dialogs().balloons()[0];
    EXPECT_EQ(shown.text, "操作成功");
    EXPECT_EQ(QPoint(shown.x, shown.y), kPointer);
    EXPECT_EQ(shown.style, -1);
    EXPECT_TRUE(shown.flag);

    // The member's totals and the panel follow at once; the spare row too.
    const std::vector<std::string> row = {"126", "张三", "139", "1",  "400",
                                          "500", "1",    "68",  "432"};
    EXPECT_EQ(RowCells(members(), RowOfCard("126")), row);
    EXPECT_EQ(RowCells(spareMembers(), RowOfCard("126", spareMembers())), row);
    EXPECT_EQ(Bill(), (std::vector<std::string>{"", "", "", "0"}));
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "432");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_备注), "");

    // A second press finds no total.
    CheckOut();
    EXPECT_EQ(db.CountRows("costlist"), 1);
    EXPECT_EQ(dialogs().balloons().size(), 1u);
}

TEST_F(CheckoutTest, AThreeLineBillCountsItsItemsAndKeepsAnEditedTotal) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    Add("修脚");
    Add("修脚");
    ASSERT_EQ(Total(), "144");
    QLineEdit* total = ui().编辑框_快速消费_消费总金额;
    total->selectAll();
    QTest::keyClicks(total, "100");
    // The operator sets the date box back; the hours stay on the 24-hour clock.
    SetUnitProperty(ui().日期框_消费管理_自定义时间, UnitProperty::DateValue,
                    At(2024, 1, 2, 23, 59, 58));
    CheckOut();

    EXPECT_EQ(Records(),
              (Rows{{"{1}足疗[68]\r\n{2}修脚[38]\r\n{2}修脚[38]", "100", "0", "2024-01-02 23:59:58",
                     "", "3个项目", "100", "126", "张三", "2", "王五"}}));
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("126"), 8), "400");
}

TEST_F(CheckoutTest, ATotalTypedWithoutABillIsStoredAsNoItems) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    QTest::keyClicks(ui().编辑框_快速消费_消费总金额, "50");
    SetText(ui().编辑框_快速消费_备注, "手写");
    CheckOut();
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_EQ(Records()[0][0], "手写");
    EXPECT_EQ(Records()[0][1], "50");
    EXPECT_EQ(Records()[0][4], "");
    EXPECT_EQ(Records()[0][5], "0个项目");
}

// Only a plain total above 0 is charged: nothing else is written or shown.
TEST_F(CheckoutTest, ATotalWhoseWholeNumberIsNotAbove0OrThatIsNotPlainDoesNothing) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    for (const char* typed : {"", "0", "0.5", "abc", "-5", "-68.5", "1e2", "12abc", "30'", "1\\0",
                              "68.123", " 68", "123456789", "999999999999999999999999999999999"}) {
        SetText(ui().编辑框_快速消费_消费总金额, typed);
        CheckOut();
    }
    EXPECT_EQ(db.CountRows("costlist"), 0);
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

TEST_F(CheckoutTest, TheDatabaseOutOfReachKeepsTheBill) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    Add("采耳");
    const std::vector<std::string> bill = Bill();
    const std::string remarks = TextOf(ui().编辑框_快速消费_备注);
    CutDatabase();
    CheckOut();

    ASSERT_EQ(dialogs().balloons().size(), 1u);
    EXPECT_EQ(dialogs().balloons()[0].text, "操作失败，请检查网络及数据库");
    EXPECT_EQ(QPoint(dialogs().balloons()[0].x, dialogs().balloons()[0].y), kPointer);
    EXPECT_EQ(db.CountRows("costlist"), 0);
    EXPECT_EQ(Bill(), bill);
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_备注), remarks);
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("126"), 8), "500");
}

// The refresh does not reach the panel when no row is selected, or when the card number
// converts to 0; the bill must not stay to be charged a second time.
TEST_F(CheckoutTest, ABillIsChargedOnceEvenWhenTheRefreshMissesThePanel) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    ListViewSetCurrentRow(members(), -1);  // the panel keeps its member and balance
    Pump(5);
    Add("足疗");
    ASSERT_EQ(Total(), "68");
    CheckOut();
    CheckOut();
    EXPECT_EQ(db.Rows("SELECT user_id, cost_money FROM costlist"), (Rows{{"126", "68"}}));
    EXPECT_EQ(Bill(), (std::vector<std::string>{"", "", "", "0"}));

    // The refresh passes over card 0, whose panel shows no balance; a total put straight
    // into the box is charged against the database's.
    db.Run("DELETE FROM costlist");
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("0"));
    SetText(ui().编辑框_快速消费_消费总金额, "5");
    ASSERT_EQ(Total(), "5");
    CheckOut();
    CheckOut();
    EXPECT_EQ(db.Rows("SELECT user_id, cost_money FROM costlist"), (Rows{{"0", "5"}}));
    EXPECT_EQ(Bill(), (std::vector<std::string>{"", "", "", "0"}));
    EXPECT_EQ(BalloonTexts(), (std::vector<std::string>{"操作成功", "操作成功"}));
}

TEST_F(CheckoutTest, RemarksAndTotalsAreStoredAsTypedOrRefusedWithTheFailureBalloon) {
    struct Case {
        std::string remarks, total;
        bool stored;
    };
    std::string longRemark;
    for (int i = 0; i < 40000; ++i) longRemark += "长";  // 80000 GBK bytes: beyond TEXT
    const Case cases[] = {
        {"O'Brien \\ \"引号\" '); DELETE FROM costlist; --", "68", true},
        {"\\", "30.5", true},
        {"第一行\r\n第二行", "12.05", true},
        {"表情😀", "68", false},
        {longRemark, "68", false},
    };
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("127"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remarks.substr(0, 40) + " / " + c.total);
        dialogs().clear();
        const int before = db.CountRows("costlist");
        SetText(ui().编辑框_快速消费_备注, c.remarks);
        SetText(ui().编辑框_快速消费_消费总金额, c.total);
        CheckOut();
        ASSERT_EQ(dialogs().balloons().size(), 1u);
        if (c.stored) {
            EXPECT_EQ(dialogs().balloons()[0].text, "操作成功");
            EXPECT_EQ(db.Rows("SELECT cost_notes, cost_money, xm_money, user_id, user_name FROM "
                              "costlist ORDER BY cost_id DESC LIMIT 1"),
                      (Rows{{c.remarks, c.total, c.total, "127", "O'Brien \\"}}));
        } else {
            EXPECT_EQ(dialogs().balloons()[0].text, kFailure);
            EXPECT_EQ(db.CountRows("costlist"), before);
            EXPECT_EQ(Total(), c.total);
        }
    }
    EXPECT_EQ(db.Rows("SELECT COUNT(*) FROM costlist WHERE user_id <> 127"), (Rows{{"0"}}));
}

// Another desk spends the balance after the panel was opened: the database's balance
// decides, and the panel is told what it is, the bill standing beside it.
TEST_F(CheckoutTest, ABalanceSpentAtAnotherDeskTurnsTheBillAway) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    const std::vector<std::string> bill = Bill();
    ASSERT_EQ(bill, (std::vector<std::string>{"68", "1", "432", "1"}));
    db.Run("INSERT INTO costlist (cost_money, cost_del, user_id) VALUES ('433', 0, 126)");
    CheckOut();

    EXPECT_EQ(db.CountRows("costlist"), 1);
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    const auto& shown = dialogs().balloons()[0];
    EXPECT_EQ(shown.text, "余额不足，不能消费");
    EXPECT_EQ(QPoint(shown.x, shown.y), kPointer);
    EXPECT_EQ(shown.style, -1);
    EXPECT_TRUE(shown.flag);
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "67");
    EXPECT_EQ(Bill(), (std::vector<std::string>{"68", "1", "-1", "1"}));
}

// Two desks build one bill of 294 for a balance of 300, and the other desk checks out
// first. The refused bill stays to be changed, beside the database's figures everywhere:
// the member's row, its spare twin, the strip and the panel; 清空 keeps them.
TEST_F(CheckoutTest, ABillRefusedForABalanceSpentElsewhereShowsTheDatabasesFigures) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("127"));
    QTest::keyClicks(ui().编辑框_快速消费_消费总金额, "294");
    ASSERT_EQ(TextOf(ui().编辑框_快速消费_消费后余额), "6");
    db.Run("INSERT INTO costlist (cost_money, cost_del, user_id) VALUES ('294', 0, 127)");
    CheckOut();

    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"余额不足，不能消费"});
    EXPECT_EQ(db.CountRows("costlist"), 1);
    const std::vector<std::string> row = {"127", "O'Brien \\", "",    "1", "300",
                                          "300", "1",          "294", "6"};
    EXPECT_EQ(RowCells(members(), RowOfCard("127")), row);
    EXPECT_EQ(RowCells(spareMembers(), RowOfCard("127", spareMembers())), row);
    EXPECT_TRUE(WaitUntil([this] { return TextOf(ui().编辑框_全局_余额) == "6"; }));
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "6");
    EXPECT_EQ(Bill(), (std::vector<std::string>{"294", "", "-288", "0"}));

    Click(ui().按钮_快速消费_清空);
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "6");
    EXPECT_EQ(Bill(), (std::vector<std::string>{"", "", "", "0"}));
    QTest::keyClicks(ui().编辑框_快速消费_消费总金额, "6");
    CheckOut();
    EXPECT_EQ(db.Rows("SELECT cost_money FROM costlist WHERE user_id = 127 ORDER BY cost_id"),
              (Rows{{"294"}, {"6"}}));
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("127"), 8), "0");
}

// Another desk deletes the member (marked, or the row gone) while the bill is built: nothing
// is stored, the failure is shown and the member leaves the list. The refusal is no lost
// answer: the next bill, for another member, is stored alone.
TEST_F(CheckoutTest, ABillForAMemberDeletedAtAnotherDeskIsNotStored) {
    for (const char* deletion : {"UPDATE userlist SET user_del = 1 WHERE user_id = 126",
                                 "DELETE FROM userlist WHERE user_id = 127"}) {
        SCOPED_TRACE(deletion);
        dialogs().clear();
        const std::string card = std::string(deletion).substr(std::string(deletion).size() - 3);
        ASSERT_NO_FATAL_FAILURE(OpenBillFor(card));
        Add("足疗");
        db.Run(deletion);
        CheckOut();
        EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kFailure});
        EXPECT_EQ(db.CountRows("costlist"), 0);
        WaitForWorkers();
        EXPECT_EQ(RowOfCard(card), -1);
        EXPECT_EQ(RowOfCard(card, spareMembers()), -1);
        EXPECT_TRUE(ui().外形框_快速消费->isHidden());
    }
    dialogs().clear();
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("0"));
    SetText(ui().编辑框_快速消费_消费总金额, "5");
    CheckOut();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作成功"});
    EXPECT_EQ(db.Rows("SELECT user_id, cost_money FROM costlist"), (Rows{{"0", "5"}}));
}

// The other desk's deletion is under way at the press: the bill waits for it and is refused.
TEST_F(CheckoutTest, ABillWaitsForADeletionUnderWayAndIsRefused) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    {
        const MemberDeletionUnderWay otherDesk("126");
        CheckOut();
    }
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kFailure});
    EXPECT_EQ(db.CountRows("costlist"), 0);
}

// Two desks check out two members at once: each desk's sums lock the same gap of costlist,
// and each then inserts into it. The server rolls back this desk's transaction, the lighter
// one (the other desk's scratch rows weigh on its side); run once more, it stores the bill
// once. The other desk's insert fails the test if the server picks that desk instead.
TEST_F(CheckoutTest, ABillRolledBackForADeadlockWithAnotherDeskIsStoredOnce) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    SteppedDesk otherDesk;
    otherDesk.Run(
        "SET TRANSACTION ISOLATION LEVEL SERIALIZABLE; START TRANSACTION; "
        "INSERT INTO xmlist (xm_name) VALUES ('s'), ('s'), ('s'), ('s'); "
        "SELECT * FROM userlist WHERE user_id = 127 FOR UPDATE; "
        "SELECT SUM(cost_money) FROM costlist WHERE cost_del <> 1 AND user_id = 127");
    otherDesk.WhenWaitedFor(
        DbSessionId(sharedConnection),
        {"INSERT INTO costlist (cost_money, cost_del, user_id) VALUES ('30', 0, 127)", "ROLLBACK"});
    CheckOut();

    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作成功"});
    EXPECT_EQ(db.Rows("SELECT user_id, cost_money FROM costlist"), (Rows{{"126", "68"}}));
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("126"), 8), "432");
}

// Amounts are read as exact decimals: 500 less 431 + 0.1 + 0.1 leaves exactly 68.8, which
// pays a bill of 68.8 (in double precision the costs sum to a hair more).
TEST_F(CheckoutTest, ABillOfExactlyTheBalanceIsStored) {
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    db.Run(
        "INSERT INTO costlist (cost_money, cost_del, user_id) VALUES "
        "('431', 0, 126), ('0.1', 0, 126), ('0.1', 0, 126), ('0.1', 1, 126)");
    ASSERT_EQ(db.Rows("SELECT 500 - SUM(cost_money) >= 68.8 FROM costlist WHERE cost_del = 0"),
              (Rows{{"0"}}));
    QTest::keyClicks(ui().编辑框_快速消费_消费总金额, "68.8");
    CheckOut();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作成功"});
    EXPECT_EQ(db.Rows("SELECT cost_money FROM costlist WHERE cost_id = 5"), (Rows{{"68.8"}}));

    // Nothing is left for even the smallest bill.
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    SetText(ui().编辑框_快速消费_消费总金额, "1");
    CheckOut();
    EXPECT_EQ(db.CountRows("costlist"), 5);
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "0");
}

// The server is frozen when the operator presses: the failure is shown, and the bill is
// not stored behind the operator's back once the server answers again.
TEST_F(CheckoutTest, ABillPressedIntoAFrozenServerIsStoredOnceByTheNextPress) {
    ShortAnswerTimeout guard;
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    FreezeDatabaseServer();
    Pump(200);  // the signal takes a moment to stop every thread
    CheckOut();
    ResumeDatabaseServer();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kFailure});
    Pump(500);
    EXPECT_EQ(db.CountRows("costlist"), 0) << "stored although the failure was shown";

    dialogs().clear();
    CheckOut();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作成功"});
    EXPECT_EQ(db.Rows("SELECT user_id, cost_money FROM costlist"), (Rows{{"126", "68"}}));
}

// The checkout waits for a lock until the answer is given up; its session is ended, so the
// bill never lands on its own, and the next press stores it once.
TEST_F(CheckoutTest, ABillLostWhileWaitingIsEndedAndTheNextPressStoresItOnce) {
    ShortAnswerTimeout guard;
    ASSERT_NO_FATAL_FAILURE(OpenBillFor("126"));
    Add("足疗");
    db.Run("START TRANSACTION; SELECT * FROM costlist WHERE user_id = 126 FOR UPDATE");
    CheckOut();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kFailure});
    db.Run("ROLLBACK");
    Pump(500);
    EXPECT_EQ(db.CountRows("costlist"), 0) << "the lost bill landed after all";

    dialogs().clear();
    CheckOut();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作成功"});
    EXPECT_EQ(db.CountRows("costlist"), 1);
}

}  // namespace
