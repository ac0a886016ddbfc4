// Recharging a member through the member panel: the opening, the preview, the stored row,
// the payment method remembered, the failures, one row for one recharge when an answer
// was lost, and the notice seen while another session holds a table.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <fstream>
#include <latch>
#include <sstream>
#include <thread>

#include "SignedInWindow.h"
#include "controls/BalloonTip.h"
#include "controls/FittingFont.h"
#include "controls/FittingLabel.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "db/client.h"
#include "db/shared.h"
#include "login/ConfigFile.h"
#include "runtime/inifile.h"
#include "runtime/texts.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const char kRechargeError[] = "充值错误\r\n\r\n请你检查网络或者数据库连接，如有疑问联系开发者";

// Freezes the server as soon as an insert into the table waits in it.
void FreezeUnderWaitingInsert(const std::string& table) {
    TestDatabase watcher;
    const std::string waiting =
        "SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE INFO LIKE "
        "'INSERT INTO `" +
        table + "`%'";
    for (int i = 0; i < 500 && watcher.Rows(waiting).at(0).at(0) == "0"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    FreezeDatabaseServer();
}

// Another session holds a table for ms milliseconds, from the guard's making on.
class TableHeldElsewhere {
  public:
    TableHeldElsewhere(const std::string& table, int ms) {
        std::latch held(1);
        holder_ = std::thread([&held, table, ms] {
            TestDatabase desk;
            desk.Run("LOCK TABLES " + table + " WRITE");
            held.count_down();
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            desk.Run("UNLOCK TABLES");
        });
        held.wait();
    }
    ~TableHeldElsewhere() { holder_.join(); }

  private:
    std::thread holder_;
};

// Whether the balloon unit's popup has been painted since the watch began.
class BalloonPainted : public QObject {
  public:
    explicit BalloonPainted(const BalloonTip* unit) : unit_(unit) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool seen() const { return seen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == unit_->popup()) seen_ = true;
        return false;
    }

  private:
    const BalloonTip* unit_;
    bool seen_ = false;
};

class RechargeEntryTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        db.Run(
            "INSERT INTO userlist (user_id, user_name, user_tel) VALUES "
            "(126, '张三', '13900000000'), (127, 'O''Brien \\\\ \"引\"', '')");
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    }

    void OpenFor(const std::string& card) {
        SelectCard(card);
        Click(ui().按钮_充值);
    }

    void TypeAmounts(const std::string& amount, const std::string& bonus) {
        SetText(ui().编辑框_新增会员_充值金额, amount);
        SetText(ui().编辑框_新增会员_充值赠送, bonus);
    }

    void Confirm() { Click(ui().按钮_会员管理_新增会员_确定); }

    // Recharges of card 126 wait until the test ends its transaction.
    void HoldRechargesOf126() {
        db.Run("START TRANSACTION; SELECT * FROM paylist WHERE user_id = 126 FOR UPDATE");
    }

    std::string Preview() { return TextOf(ui().标签_充值信息提示); }

    Rows Recharges() {
        return db.Rows(
            "SELECT pay_time, pay_money, pay_give, pay_total, pay_method, pay_notes, pay_del, "
            "user_id, user_name, boss_id, boss_name FROM paylist ORDER BY pay_id");
    }

    std::string ConfigBytes() {
        std::ifstream in(ConfigFilePath(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    std::vector<QWidget*> MemberBoxes() {
        return {ui().编辑框_新增会员_卡号, ui().编辑框_新增会员_姓名, ui().编辑框_新增会员_手机号,
                ui().按钮_会员管理_新增会员_获取卡号};
    }
};

TEST_F(RechargeEntryTest, OpensInRechargeModeUnderTheButton) {
    const DateTime now = At(2024, 3, 5, 14, 5, 7);
    SetCurrentDateTimeForTests(now);
    ASSERT_TRUE(IniWrite(ConfigFilePath(), kRechargeSection, kPaymentMethodKey, "支付宝"));
    TypeAmounts("5", "6");
    ui().选择框_关闭时刷新用户列表->setChecked(true);
    ui().外形框_快速消费->show();

    OpenFor("126");

    EXPECT_FALSE(ui().外形框_新增会员->isHidden());
    EXPECT_EQ(ui().外形框_新增会员->pos(), QPoint(509, 111));
    EXPECT_TRUE(ui().外形框_快速消费->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "126");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_姓名), "张三");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_手机号), "13900000000");
    for (QWidget* unit : MemberBoxes()) EXPECT_FALSE(unit->isEnabled());
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值金额), "");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值赠送), "");
    EXPECT_EQ(Preview(), "充值后可用余额:0元");  // the emptied boxes updated it
    EXPECT_EQ(TextOf(ui().组合框_充值管理_充值方式), "支付宝");
    EXPECT_EQ(std::get<DateTime>(
                  GetUnitProperty(ui().日期框_充值管理_自定义时间, UnitProperty::DateValue))
                  .value,
              now.value);
    EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_充值金额);
    EXPECT_TRUE(ui().选择框_关闭时刷新用户列表->isChecked());

    // The next opening for a new member turns back to create mode.
    Click(ui().按钮_新增会员);
    for (QWidget* unit : MemberBoxes()) EXPECT_TRUE(unit->isEnabled());
}

TEST_F(RechargeEntryTest, WithoutAMemberOnlyTheQuickConsumePanelIsHidden) {
    AppendListRow({"", "无卡", "", "", "", "", "", "", ""});
    for (int row : {-1, ListViewRowCount(members()) - 1}) {
        SCOPED_TRACE(row);
        ListViewSetCurrentRow(members(), row);
        ui().外形框_快速消费->show();
        Click(ui().按钮_充值);
        EXPECT_TRUE(ui().外形框_快速消费->isHidden());
        EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    }
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

TEST_F(RechargeEntryTest, ThePreviewAddsTheWholeNumbers) {
    OpenFor("126");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"100", "20", "充值后可用余额:120元"},
        {"", "", "充值后可用余额:0元"},
        {"99.5", "", "充值后可用余额:99元"},
        {"-50", "", "充值后可用余额:-50元"},
        {"abc", "7", "充值后可用余额:7元"},
        {"2147483647", "2147483647", "充值后可用余额:4294967294元"},
    };
    for (const auto& [amount, bonus, shown] : cases) {
        TypeAmounts(amount, bonus);
        EXPECT_EQ(Preview(), shown) << amount << " + " << bonus;
    }
    // Typing updates it key by key.
    TypeAmounts("", "");
    QTest::keyClicks(ui().编辑框_新增会员_充值金额, "15");
    EXPECT_EQ(Preview(), "充值后可用余额:15元");
}

// The first and last column of a grab that holds dark ink; -1 when none does.
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

// A preview wider than its label is painted whole in a smaller size: its first character is
// not cut off on the left, and no ink touches either edge.
TEST_F(RechargeEntryTest, TheLargestPreviewIsPaintedWhole) {
    OpenFor("126");
    TypeAmounts("99999999.99", "99999999.99");
    ASSERT_EQ(Preview(), "充值后可用余额:199999998元");
    QLabel* label = ui().标签_充值信息提示;
    const QString text = label->text();
    ASSERT_GT(TextWidthNeeded(label->font(), text), label->contentsRect().width());
    auto* fitting = qobject_cast<FittingLabel*>(label);
    ASSERT_NE(fitting, nullptr);
    EXPECT_LE(TextWidthNeeded(fitting->paintFont(), text), label->contentsRect().width());
    const auto [first, last] = InkColumns(label->grab().toImage());
    EXPECT_GT(first, 0);
    EXPECT_LT(last, label->width() - 1);

    TypeAmounts("100", "20");
    EXPECT_EQ(fitting->paintFont(), label->font());
}

TEST_F(RechargeEntryTest, ARechargeStoresTheRowAndRefreshesTheMember) {
    SetCurrentDateTimeForTests(At(2024, 3, 5, 14, 5, 0));  // five past two in the afternoon
    ASSERT_TRUE(IniWrite(ConfigFilePath(), kRechargeSection, kPaymentMethodKey, "微信"));
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"100", "20", "120"}, {"100", "", "100"}, {"99.5", "", "99"}, {"-50", "", "-50"}};
    Rows expected;
    for (const auto& [amount, bonus, total] : cases) {
        SCOPED_TRACE(amount);
        dialogs().clear();
        OpenFor("126");
        TypeAmounts(amount, bonus);
        Confirm();
        expected.push_back({"2024-03-05 14:05:00", amount, bonus, total, "微信", "", "0", "126",
                            "张三", "2", "王五"});
        EXPECT_EQ(Recharges(), expected);
        EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"充值成功"});
        EXPECT_TRUE(ui().外形框_新增会员->isHidden());
        EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值金额), "");
        EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值赠送), "");
        EXPECT_EQ(Preview(), "");
    }
    // 4 recharges, paid 100+100+99.5-50 read as a whole number, totals 120+100+99-50.
    const std::vector<std::string> row = {"126", "张三", "13900000000", "4", "249", "269",
                                          "",    "",     "269"};
    EXPECT_EQ(RowCells(members(), RowOfCard("126")), row);
    EXPECT_EQ(RowCells(spareMembers(), RowOfCard("126", spareMembers())), row);
}

// Another session holds costlist (a busy desk, a backup) longer than a notice's time: the
// recharge is stored at once, the refresh of the member's totals waits for the table, and the
// success notice is still seen once the window's thread runs again.
TEST_F(RechargeEntryTest, TheSuccessNoticeIsSeenAfterAWaitForAHeldTable) {
    OpenFor("126");
    TypeAmounts("100", "20");
    const BalloonPainted painted(ui().气球提示框1);
    QElapsedTimer pressed;
    {
        const TableHeldElsewhere otherSession("costlist", BalloonTip::kTimeoutMs + 1000);
        pressed.start();
        Confirm();
    }
    ASSERT_GT(pressed.elapsed(), BalloonTip::kTimeoutMs) << "the press did not wait for costlist";
    EXPECT_EQ(db.CountRows("paylist"), 1);
    ASSERT_EQ(BalloonTexts(), std::vector<std::string>{"充值成功"});

    EXPECT_TRUE(WaitUntil([&] { return painted.seen(); }, std::chrono::seconds(1)));
    Pump(200);
    QWidget* popup = ui().气球提示框1->popup();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(qobject_cast<QLabel*>(popup)->text(), QStringLiteral("充值成功"));
}

// Desk 1 types a recharge while desk 2 deletes the member (marked, or the row gone): nothing
// is stored, the failure is shown and the member leaves the list. The refusal is no lost
// answer left to settle: the next recharge, for another member, is stored alone.
TEST_F(RechargeEntryTest, ARechargeForAMemberDeletedAtAnotherDeskIsNotStored) {
    for (const char* deletion : {"UPDATE userlist SET user_del = 1 WHERE user_id = 126",
                                 "DELETE FROM userlist WHERE user_id = 127"}) {
        SCOPED_TRACE(deletion);
        dialogs().clear();
        const std::string card = std::string(deletion).substr(std::string(deletion).size() - 3);
        OpenFor(card);
        TypeAmounts("100", "");
        db.Run(deletion);
        Confirm();
        EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kRechargeError});
        EXPECT_EQ(db.CountRows("paylist"), 0);
        WaitForWorkers();
        EXPECT_EQ(RowOfCard(card), -1);
        EXPECT_EQ(RowOfCard(card, spareMembers()), -1);
        EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    }
    db.Run("INSERT INTO userlist (user_id, user_name) VALUES (128, '李四')");
    Click(ui().按钮_会员管理_搜索);
    WaitForWorkers();
    dialogs().clear();
    OpenFor("128");
    TypeAmounts("100", "");
    Confirm();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"充值成功"});
    EXPECT_EQ(db.Rows("SELECT user_id, pay_money FROM paylist"), (Rows{{"128", "100"}}));
}

// The other desk's deletion is under way when 确定 is pressed: the recharge waits for it and
// is refused, rather than slipping in before the deletion lands.
TEST_F(RechargeEntryTest, ARechargeWaitsForADeletionUnderWayAndIsRefused) {
    OpenFor("126");
    TypeAmounts("100", "");
    {
        const MemberDeletionUnderWay otherDesk("126");
        Confirm();
    }
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kRechargeError});
    EXPECT_EQ(db.CountRows("paylist"), 0);
}

TEST_F(RechargeEntryTest, AnAmountOfZeroDoesNothingInRechargeMode) {
    OpenFor("126");
    for (const char* amount : {"", "0", "0.5", "abc"}) {
        TypeAmounts(amount, "50");
        Confirm();
    }
    EXPECT_EQ(db.CountRows("paylist"), 0);
    EXPECT_EQ(db.CountRows("userlist"), 2);
    EXPECT_TRUE(dialogs().shownTexts().empty());
    EXPECT_FALSE(ui().外形框_新增会员->isHidden());
}

TEST_F(RechargeEntryTest, TheDatabaseOutOfReachKeepsWhatWasTyped) {
    OpenFor("126");
    TypeAmounts("100", "20");
    CutDatabase();
    Confirm();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kRechargeError});
    EXPECT_EQ(dialogs().balloons().at(0).y, kPointer.y() - 10);
    EXPECT_EQ(db.CountRows("paylist"), 0);
    EXPECT_FALSE(ui().外形框_新增会员->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值金额), "100");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值赠送), "20");
    EXPECT_EQ(Preview(), "充值后可用余额:120元");
    EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_充值金额);
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("126"), 8), "0");
}

// The server restarts while the panel is open: the press right after it finds the old
// connection gone before it sends anything, and stores the recharge once.
TEST_F(RechargeEntryTest, ARechargePressedRightAfterTheServerRestartedIsStoredOnce) {
    OpenFor("126");
    TypeAmounts("100", "20");
    ASSERT_NO_FATAL_FAILURE(db.RestartServer());
    Confirm();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"充值成功"});
    EXPECT_EQ(db.Rows("SELECT user_id, pay_money, pay_give FROM paylist"),
              (Rows{{"126", "100", "20"}}));
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
}

// Only plain amounts are written; the name goes in as typed, quotes and all.
TEST_F(RechargeEntryTest, PlainAmountsAreStoredAsTypedOthersRefusedWithTheErrorNotice) {
    struct Case {
        std::string amount, bonus;
        bool stored;
    };
    const Case cases[] = {
        {"100", "", true},
        {"99.99", "-0.5", true},
        {"12345678", "1", true},
        {"10'0", "", false},
        {"1\"; DROP TABLE paylist; --", "", false},
        {"5元", "", false},
        {"1e3", "", false},
        {"12abc", "", false},
        {"100", "2\\0", false},
        {"100", "20 ", false},
        {"123456789", "", false},
        {"1.234", "", false},
        {"100😀", "", false},
        {"100", "送😀", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount + " / " + c.bonus);
        dialogs().clear();
        const int before = db.CountRows("paylist");
        OpenFor("127");
        TypeAmounts(c.amount, c.bonus);
        Confirm();
        if (c.stored) {
            EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"充值成功"});
            EXPECT_EQ(db.Rows("SELECT pay_money, pay_give, user_id, user_name FROM paylist "
                              "ORDER BY pay_id DESC LIMIT 1"),
                      (Rows{{c.amount, c.bonus, "127", "O'Brien \\ \"引\""}}));
        } else {
            EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kRechargeError});
            EXPECT_EQ(db.CountRows("paylist"), before);
            EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值金额), c.amount);
        }
    }
    EXPECT_EQ(db.Rows("SELECT COUNT(*) FROM paylist WHERE user_id <> 127"), (Rows{{"0"}}));
}

// The server freezes while the insert waits in it: the answer never comes and the server
// cannot be asked. Resumed, it stores the recharge; the next press finds it and tells so.
TEST_F(RechargeEntryTest, ARechargeLostToAFrozenServerIsFoundByTheNextPressNotStoredTwice) {
    ShortAnswerTimeout guard;
    OpenFor("126");
    TypeAmounts("100", "20");
    HoldRechargesOf126();
    std::thread freezer(FreezeUnderWaitingInsert, "paylist");
    Confirm();
    freezer.join();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kRechargeError});
    EXPECT_FALSE(ui().外形框_新增会员->isHidden());

    ResumeDatabaseServer();
    db.Run("ROLLBACK");
    ASSERT_TRUE(WaitUntil([&] { return db.CountRows("paylist") == 1; }))
        << "the resumed server did not store the lost recharge";
    dialogs().clear();
    Confirm();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"充值成功"});
    EXPECT_EQ(db.Rows("SELECT pay_money, pay_give, pay_total FROM paylist"),
              (Rows{{"100", "20", "120"}}));
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("126"), 8), "120");
}

// The insert waits for a lock until the answer is given up; its session is ended, so the
// recharge never lands on its own, and the next press stores it once.
TEST_F(RechargeEntryTest, ARechargeLostWhileWaitingIsEndedAndTheNextPressStoresItOnce) {
    ShortAnswerTimeout guard;
    OpenFor("126");
    TypeAmounts("100", "20");
    HoldRechargesOf126();
    Confirm();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{kRechargeError});
    db.Run("ROLLBACK");
    Pump(500);
    EXPECT_EQ(db.CountRows("paylist"), 0) << "the lost recharge landed after all";

    dialogs().clear();
    Confirm();
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"充值成功"});
    EXPECT_EQ(db.CountRows("paylist"), 1);
}

TEST_F(RechargeEntryTest, ThePaymentMethodChosenIsRememberedForBothOpenings) {
    OpenFor("126");
    // An absent key leaves the combo without an item, and opening writes nothing.
    EXPECT_EQ(TextOf(ui().组合框_充值管理_充值方式), "");
    EXPECT_EQ(ConfigBytes().find(*Utf8ToGbk("默认充值方式")), std::string::npos);
    EXPECT_EQ(IniRead(ConfigFilePath(), kRechargeSection, kPaymentMethodKey), "");

    // The operator picks with the keyboard: every pick is written at once.
    QComboBox* combo = ui().组合框_充值管理_充值方式;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(IniRead(ConfigFilePath(), kRechargeSection, kPaymentMethodKey), TextOf(combo));
    ComboBoxSetCurrentItem(combo, 0);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(TextOf(combo), "支付宝");
    EXPECT_EQ(IniRead(ConfigFilePath(), kRechargeSection, kPaymentMethodKey), "支付宝");

    TypeAmounts("10", "");
    Confirm();
    EXPECT_EQ(db.Rows("SELECT pay_method FROM paylist"), (Rows{{"支付宝"}}));

    ComboBoxSetCurrentItem(combo, 2);  // the program's own change is no choice
    EXPECT_EQ(IniRead(ConfigFilePath(), kRechargeSection, kPaymentMethodKey), "支付宝");
    Click(ui().按钮_新增会员);
    EXPECT_EQ(TextOf(combo), "支付宝");
    Click(ui().按钮_会员管理_新增会员_取消);
    ComboBoxSetCurrentItem(combo, 0);
    OpenFor("127");
    EXPECT_EQ(TextOf(combo), "支付宝");
}

}  // namespace
