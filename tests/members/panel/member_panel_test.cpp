// The member panel: opening it for a new member, the card suggestion, the two ways of
// creating a member, their refusals and closing the panel.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <thread>

#include "ScreenClick.h"
#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "login/ConfigFile.h"
#include "runtime/inifile.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const char kAskToGoOn[] = "操作成功，是否继续新增会员";
const char kRechargeError[] = "充值错误\r\n\r\n请你检查网络或者数据库连接，如有疑问联系开发者";

std::string Repeat(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// Another desk that stores a card in a transaction it has not committed yet: the window's
// check does not see the row, and the window's insert waits for that desk to end.
class OtherDesk {
  public:
    void HoldCard(const std::string& card, const std::string& name, const std::string& phone) {
        connection_.Run(
            "START TRANSACTION; INSERT INTO userlist (user_id, user_name, user_tel) "
            "VALUES (" +
            card + ", '" + name + "', '" + phone + "')");
    }
    // Once the window's member insert waits, runs the statements here (on a thread).
    void WhenTheWindowWaits(const std::string& statements) {
        const uint64_t window = DbSessionId(sharedConnection);
        thread_ = std::thread([this, window, statements] {
            const std::string waiting =
                "SELECT ID FROM information_schema.PROCESSLIST WHERE ID = " +
                std::to_string(window) + " AND INFO LIKE 'INSERT INTO `userlist`%'";
            for (int tries = 0; tries < 500 && connection_.Rows(waiting).empty(); ++tries)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            connection_.Run(statements);
        });
    }
    ~OtherDesk() {
        if (thread_.joinable()) thread_.join();
    }

  private:
    TestDatabase connection_;
    std::thread thread_;
};

class MemberPanelTest : public SignedInWindow {
  protected:
    void SeedCards(int first, int last) {
        std::string sql = "INSERT INTO userlist (user_id, user_name) VALUES ";
        for (int card = first; card <= last; ++card)
            sql += (card == first ? "(" : ",(") + std::to_string(card) + ",'会员')";
        db.Run(sql);
    }

    void Type(const std::string& card, const std::string& name, const std::string& phone,
              const std::string& amount = "", const std::string& bonus = "") {
        SetText(ui().编辑框_新增会员_卡号, card);
        SetText(ui().编辑框_新增会员_姓名, name);
        SetText(ui().编辑框_新增会员_手机号, phone);
        SetText(ui().编辑框_新增会员_充值金额, amount);
        SetText(ui().编辑框_新增会员_充值赠送, bonus);
    }

    void Confirm() { Click(ui().按钮_会员管理_新增会员_确定); }

    std::vector<std::string> PanelTexts() {
        return {TextOf(ui().编辑框_新增会员_卡号), TextOf(ui().编辑框_新增会员_姓名),
                TextOf(ui().编辑框_新增会员_手机号), TextOf(ui().编辑框_新增会员_充值金额),
                TextOf(ui().编辑框_新增会员_充值赠送)};
    }

    Rows Member(const std::string& card) {
        return db.Rows(
            "SELECT user_id, user_del, user_name, user_tel, user_key, user_add, user_wxid, "
            "user_notes FROM userlist WHERE user_id = " +
            card);
    }

    std::vector<QWidget*> ModeUnits() {
        return {ui().编辑框_新增会员_卡号, ui().编辑框_新增会员_姓名, ui().编辑框_新增会员_手机号,
                ui().按钮_会员管理_新增会员_获取卡号};
    }
    bool InCreateMode() {
        for (QWidget* unit : ModeUnits())
            if (!unit->isEnabled()) return false;
        return true;
    }
    bool InRechargeMode() {
        for (QWidget* unit : ModeUnits())
            if (unit->isEnabled()) return false;
        return true;
    }
};

TEST_F(MemberPanelTest, OpeningForANewMemberSuggestsTheLargestCardPlusOne) {
    SeedCards(1, 125);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    const DateTime now = At(2024, 3, 5, 14, 5, 7);
    SetCurrentDateTimeForTests(now);
    ASSERT_TRUE(IniWrite(ConfigFilePath(), kRechargeSection, kPaymentMethodKey, "支付宝"));
    // What an earlier use left behind: recharge mode, a tick, texts, the other panel open.
    SetText(ui().标签_充值信息提示, "充值后可用余额:120元");
    Type("7", "旧名", "旧号", "100", "20");
    for (QWidget* unit : {static_cast<QWidget*>(ui().编辑框_新增会员_卡号),
                          static_cast<QWidget*>(ui().编辑框_新增会员_姓名),
                          static_cast<QWidget*>(ui().编辑框_新增会员_手机号),
                          static_cast<QWidget*>(ui().按钮_会员管理_新增会员_获取卡号)})
        unit->setEnabled(false);
    ui().选择框_关闭时刷新用户列表->setChecked(true);
    ui().外形框_快速消费->show();

    Click(ui().按钮_新增会员);

    EXPECT_FALSE(ui().外形框_新增会员->isHidden());
    EXPECT_EQ(ui().外形框_新增会员->pos(), QPoint(320, 111));
    EXPECT_TRUE(ui().外形框_快速消费->isHidden());
    EXPECT_TRUE(InCreateMode());
    EXPECT_FALSE(ui().选择框_关闭时刷新用户列表->isChecked());
    EXPECT_EQ(PanelTexts(), (std::vector<std::string>{"126", "", "", "100", "20"}));
    EXPECT_EQ(TextOf(ui().标签_充值信息提示), "");
    EXPECT_EQ(std::get<DateTime>(
                  GetUnitProperty(ui().日期框_充值管理_自定义时间, UnitProperty::DateValue))
                  .value,
              now.value);
    EXPECT_EQ(TextOf(ui().组合框_充值管理_充值方式), "支付宝");
    EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_姓名);
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

TEST_F(MemberPanelTest, AnEmptyUserlistLeavesTheCardBoxEmpty) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    SetText(ui().编辑框_新增会员_卡号, "999");
    Click(ui().按钮_新增会员);
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "");
    // No payment method saved yet: the combo shows none.
    EXPECT_EQ(TextOf(ui().组合框_充值管理_充值方式), "");
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

TEST_F(MemberPanelTest, TheCardButtonFetchesAFreshSuggestion) {
    SeedCards(1, 3);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "4");
    db.Run("INSERT INTO userlist (user_id, user_name) VALUES (500, '别人')");
    Click(ui().按钮_会员管理_新增会员_获取卡号);
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "501");
    EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_卡号);
}

// The suggestion is edited where the operator types: at its end, not before it.
TEST_F(MemberPanelTest, EditingTheFetchedSuggestionChangesItsEnd) {
    SeedCards(1, 103);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    ASSERT_EQ(TextOf(ui().编辑框_新增会员_卡号), "104");
    Click(ui().按钮_会员管理_新增会员_获取卡号);
    ASSERT_EQ(window().focusWidget(), ui().编辑框_新增会员_卡号);
    QTest::keyClick(ui().编辑框_新增会员_卡号, Qt::Key_Backspace);
    QTest::keyClicks(ui().编辑框_新增会员_卡号, QStringLiteral("9"));
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "109");
}

TEST_F(MemberPanelTest, CreatingAMemberAndGoingOn) {
    SeedCards(1, 125);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    SetText(ui().编辑框_新增会员_姓名, "张三");
    dialogs().queueMessageBoxAnswer(0);
    Confirm();

    EXPECT_EQ(Member("126"), (Rows{{"126", "0", "张三", "", "", "", "", ""}}));
    ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(dialogs().messageBoxes()[0].message, kAskToGoOn);
    EXPECT_EQ(dialogs().messageBoxes()[0].style, 1);
    EXPECT_EQ(dialogs().messageBoxes()[0].title, "温馨提示");
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_FALSE(ui().外形框_新增会员->isHidden());
    EXPECT_TRUE(InCreateMode());
    EXPECT_TRUE(ui().选择框_关闭时刷新用户列表->isChecked());
    EXPECT_EQ(PanelTexts(), (std::vector<std::string>{"127", "", "", "", ""}));
    EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_姓名);

    // A phone without a name passes as well.
    SetText(ui().编辑框_新增会员_手机号, "13900000000");
    dialogs().queueMessageBoxAnswer(0);
    Confirm();
    EXPECT_EQ(Member("127"), (Rows{{"127", "0", "", "13900000000", "", "", "", ""}}));
    EXPECT_EQ(db.CountRows("paylist"), 0);
}

TEST_F(MemberPanelTest, AnsweringCancelHidesThePanelAndReloadsTheList) {
    SeedCards(1, 2);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ASSERT_EQ(ListViewRowCount(members()), 2);
    Click(ui().按钮_新增会员);
    SetText(ui().编辑框_新增会员_姓名, "张三");
    dialogs().queueMessageBoxAnswer(1);
    Confirm();
    WaitForWorkers();

    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_TRUE(ui().选择框_关闭时刷新用户列表->isChecked());
    ASSERT_NE(RowOfCard("3"), -1);
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("3"), 1), "张三");
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("3"), 8), "0");  // the totals pass ran
}

TEST_F(MemberPanelTest, ClosingReloadsTheListOnlyAfterACreation) {
    SeedCards(1, 2);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    db.Run("INSERT INTO userlist (user_id, user_name) VALUES (50, '旁人')");

    Click(ui().按钮_新增会员);
    Click(ui().按钮_会员管理_新增会员_取消);
    WaitForWorkers();
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_EQ(RowOfCard("50"), -1);

    Click(ui().按钮_新增会员);
    SetText(ui().编辑框_新增会员_姓名, "张三");
    dialogs().queueMessageBoxAnswer(0);
    Confirm();
    Click(ui().按钮_会员管理_新增会员_取消);
    WaitForWorkers();
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_NE(RowOfCard("50"), -1);
    EXPECT_NE(RowOfCard("51"), -1);
    EXPECT_TRUE(ui().选择框_关闭时刷新用户列表->isChecked());
}

// The three refusals, in notices without an amount and in message boxes with one.
TEST_F(MemberPanelTest, RefusalsTellTheOperatorAndMoveTheFocus) {
    SeedCards(1, 5);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    struct Case {
        const char *card, *name, *phone, *message, *title;
        QWidget* focus;
    };
    const Case cases[] = {
        {"", "张三", "139", "用户卡号为空，无能新建", "温馨提示", ui().编辑框_新增会员_卡号},
        {"200", "", "", "会员姓名和手机号不能同时为空，请重新输入", "温馨提示",
         ui().编辑框_新增会员_手机号},
        {"5", "张三", "", "这个卡号系统中已经存在，请重新输入", "错误提示",
         ui().编辑框_新增会员_卡号},
        {"005", "张三", "", "这个卡号系统中已经存在，请重新输入", "错误提示",
         ui().编辑框_新增会员_卡号},
    };
    Click(ui().按钮_新增会员);
    for (const char* amount : {"", "50"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.message) + " / amount " + amount);
            dialogs().clear();
            Type(c.card, c.name, c.phone, amount, "10");
            SetInputFocus(ui().编辑框_新增会员_充值赠送);
            Confirm();
            if (*amount == '\0') {
                EXPECT_EQ(BalloonTexts(), std::vector<std::string>{c.message});
                EXPECT_TRUE(dialogs().messageBoxes().empty());
            } else {
                ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
                EXPECT_EQ(dialogs().messageBoxes()[0].message, c.message);
                EXPECT_EQ(dialogs().messageBoxes()[0].style, 16);
                EXPECT_EQ(dialogs().messageBoxes()[0].title, c.title);
                EXPECT_TRUE(dialogs().balloons().empty());
            }
            EXPECT_EQ(window().focusWidget(), c.focus);
            EXPECT_EQ(PanelTexts(),
                      (std::vector<std::string>{c.card, c.name, c.phone, amount, "10"}));
        }
    }
    EXPECT_EQ(db.CountRows("userlist"), 5);
    EXPECT_EQ(db.CountRows("paylist"), 0);
    EXPECT_FALSE(ui().选择框_关闭时刷新用户列表->isChecked());
}

// The refusal's notice appears where the pointer pressed 确定 and covers 关闭 beside it: one
// click on 关闭 closes the panel while the notice is still up, and the notice goes at its time.
TEST_F(MemberPanelTest, OneClickOnCloseUnderTheTakenCardNoticeClosesThePanel) {
    SeedCards(5, 5);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    Type("5", "张三", "");
    QWidget* confirm = ui().按钮_会员管理_新增会员_确定;
    SetMousePositionForTests(confirm->mapToGlobal(confirm->rect().center()));
    Confirm();
    ASSERT_EQ(BalloonTexts(), std::vector<std::string>{"这个卡号系统中已经存在，请重新输入"});

    QWidget* notice = ui().气球提示框1->popup();
    ASSERT_TRUE(notice && notice->isVisible());
    QWidget* close = ui().按钮_会员管理_新增会员_取消;
    const QRect covered =
        notice->geometry() & QRect(close->mapToGlobal(QPoint(0, 0)), close->size());
    ASSERT_FALSE(covered.isEmpty()) << "the notice does not cover 关闭";
    ASSERT_TRUE(ClickAtScreenPoint(covered.center()));
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->pos(), confirm->mapToGlobal(confirm->rect().center()) - QPoint(0, 10));
    EXPECT_TRUE(WaitUntil([&] { return notice->isHidden(); }, std::chrono::seconds(4)));
}

// The card stored by another desk between the check and the insert: the unique key refuses
// the insert, and the operator reads that the card is taken.
TEST_F(MemberPanelTest, ACardTakenByAnotherDeskMeanwhileIsReportedTaken) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    for (const char* amount : {"", "50"}) {
        SCOPED_TRACE(amount);
        const std::string card = *amount ? "701" : "700";
        dialogs().clear();
        OtherDesk other;
        other.HoldCard(card, "别人", "");
        Type(card, "张三", "139", amount);
        SetInputFocus(ui().编辑框_新增会员_充值赠送);
        other.WhenTheWindowWaits("COMMIT");
        Confirm();

        const std::string taken = "这个卡号系统中已经存在，请重新输入";
        if (*amount == '\0') {
            EXPECT_EQ(BalloonTexts(), std::vector<std::string>{taken});
        } else {
            ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
            EXPECT_EQ(dialogs().messageBoxes()[0].message, taken);
            EXPECT_EQ(dialogs().messageBoxes()[0].title, "错误提示");
            EXPECT_EQ(dialogs().messageBoxes()[0].style, 16);
        }
        EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_卡号);
        EXPECT_EQ(Member(card), (Rows{{card, "0", "别人", "", "", "", "", ""}}));
    }
    EXPECT_EQ(db.CountRows("paylist"), 0);
    EXPECT_FALSE(ui().选择框_关闭时刷新用户列表->isChecked());
}

// The window's connection is lost while its insert waits; the card then holds the member
// as typed (here stored by the other desk, which the window cannot tell apart).
TEST_F(MemberPanelTest, ALostAnswerToTheMemberInsertIsLookedUp) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    OtherDesk other;
    other.HoldCard("700", "张三", "139");
    Type("700", "张三", "139", "100", "20");
    other.WhenTheWindowWaits("KILL " + std::to_string(DbSessionId(sharedConnection)) + "; COMMIT");
    dialogs().queueMessageBoxAnswer(1);
    Confirm();
    WaitForWorkers();

    EXPECT_EQ(Member("700"), (Rows{{"700", "0", "张三", "139", "", "", "", ""}}));
    EXPECT_EQ(db.Rows("SELECT user_id, pay_total FROM paylist"), (Rows{{"700", "120"}}));
    EXPECT_EQ(BalloonTexts(),
              (std::vector<std::string>{"用户新建成功，开始直接收费...", "充值成功"}));
    EXPECT_TRUE(ui().选择框_关闭时刷新用户列表->isChecked());
}

TEST_F(MemberPanelTest, WithoutANameTheNameBoxGetsTheFocusWhenThePhoneIsThere) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    // Both empty: the name box first, then the phone box, which keeps the focus.
    Type("9", "", "");
    Confirm();
    EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_手机号);
    EXPECT_EQ(dialogs().balloons().size(), 1u);
    EXPECT_EQ(dialogs().balloons()[0].y, kPointer.y() - 10);
}

// Texts go in exactly as typed, or the insert fails and nothing is shown at all.
TEST_F(MemberPanelTest, NamesAndPhonesAreStoredAsTypedOrNotAtAll) {
    SeedCards(12, 12);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    struct Case {
        std::string card, name, phone;
        bool stored;
    };
    const Case cases[] = {
        {"300", "O'Brien \\ \"引号\"", "", true},
        {"301", "", "139'); DELETE FROM userlist; --", true},
        {"302", "张\\'三", "\\", true},
        {"303", std::string(100, 'x'), std::string(64, '9'), true},
        {"304", Repeat("汉", 100), "", true},
        {"305", "表情😀", "", false},                // GBK cannot hold it
        {"306", std::string(101, 'x'), "", false},  // longer than the column
        {"307", "", std::string(65, '1'), false},
        {"A12", "张三", "", false},  // no number
        {"12 ", "张三", "", false},  // the server would read 12, which is taken
        {"+12", "张三", "", false},
        {"12.0", "张三", "", false},
        {"99999999999", "张三", "", false},  // beyond the column's range
        {"2147483647", "李四", "", true},    // the largest card number
        {"2147483648", "李四", "", false},
        {"13800000001", "李四", "", false},  // a phone number typed as the card
    };
    Click(ui().按钮_新增会员);
    for (const Case& c : cases) {
        SCOPED_TRACE("card [" + c.card + "] name [" + c.name + "]");
        dialogs().clear();
        Type(c.card, c.name, c.phone);
        dialogs().queueMessageBoxAnswer(0);
        Confirm();
        if (c.stored) {
            EXPECT_EQ(Member(c.card), (Rows{{c.card, "0", c.name, c.phone, "", "", "", ""}}));
            EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
        } else {
            EXPECT_TRUE(dialogs().shownTexts().empty());
            EXPECT_EQ(PanelTexts(), (std::vector<std::string>{c.card, c.name, c.phone, "", ""}));
            EXPECT_FALSE(ui().外形框_新增会员->isHidden());
        }
    }
    EXPECT_EQ(db.CountRows("userlist"), 7);
    EXPECT_EQ(Member("12"), (Rows{{"12", "0", "会员", "", "", "", "", ""}}));
}

TEST_F(MemberPanelTest, CreatingWithAFirstRechargeStoresBothRows) {
    SeedCards(1, 125);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    SetCurrentDateTimeForTests(At(2024, 3, 5, 14, 5, 7));
    ASSERT_TRUE(IniWrite(ConfigFilePath(), kRechargeSection, kPaymentMethodKey, "现金"));
    Click(ui().按钮_新增会员);
    Type("126", "李四", "139", "100", "20");
    EXPECT_EQ(TextOf(ui().标签_充值信息提示), "充值后可用余额:120元");
    dialogs().queueMessageBoxAnswer(0);
    // The window goes on (its timers run, it paints) while it waits between the notices.
    std::vector<std::vector<std::string>> seenWhileWaiting;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] { seenWhileWaiting.push_back(BalloonTexts()); });
    watch.start();
    QElapsedTimer timer;
    timer.start();
    Confirm();
    EXPECT_GE(timer.elapsed(), 500);
    watch.stop();
    EXPECT_NE(std::find(seenWhileWaiting.begin(), seenWhileWaiting.end(),
                        std::vector<std::string>{"用户新建成功，开始直接收费..."}),
              seenWhileWaiting.end());

    EXPECT_EQ(Member("126"), (Rows{{"126", "0", "李四", "139", "", "", "", ""}}));
    EXPECT_EQ(db.Rows("SELECT pay_id, pay_time, pay_money, pay_give, pay_total, pay_method, "
                      "pay_notes, pay_del, user_id, user_name, boss_id, boss_name FROM paylist"),
              (Rows{{"1", "2024-03-05 14:05:07", "100", "20", "120", "现金", "", "0", "126", "李四",
                     "2", "王五"}}));
    EXPECT_EQ(BalloonTexts(),
              (std::vector<std::string>{"用户新建成功，开始直接收费...", "充值成功"}));
    ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(dialogs().messageBoxes()[0].message, kAskToGoOn);
    // Going on keeps the member's name and phone; only the card number is new.
    EXPECT_EQ(PanelTexts(), (std::vector<std::string>{"127", "李四", "139", "", ""}));
    EXPECT_EQ(TextOf(ui().标签_充值信息提示), "");
    EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_姓名);
    EXPECT_TRUE(ui().选择框_关闭时刷新用户列表->isChecked());

    // A second press without an amount creates another member with the same name.
    dialogs().queueMessageBoxAnswer(1);
    Confirm();
    WaitForWorkers();
    EXPECT_EQ(Member("127"), (Rows{{"127", "0", "李四", "139", "", "", "", ""}}));
    EXPECT_EQ(db.CountRows("paylist"), 1);
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
}

TEST_F(MemberPanelTest, AFailedFirstRechargeTurnsThePanelToRechargingTheMember) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    // The member insert succeeds, the recharge is refused: none of these is a plain amount
    // (the server would read the last two otherwise than the program).
    const std::string amounts[] = {"100😀", std::string(40, '1'), "1e3", "12abc"};
    for (const std::string& amount : amounts) {
        SCOPED_TRACE(amount);
        Click(ui().按钮_新增会员);
        dialogs().clear();
        const std::string card = std::to_string(db.CountRows("userlist") + 1);
        Type(card, "李四", "139", amount, "20");
        dialogs().queueMessageBoxAnswer(0);  // the error
        Confirm();
        WaitForWorkers();

        EXPECT_EQ(Member(card), (Rows{{card, "0", "李四", "139", "", "", "", ""}}));
        EXPECT_EQ(db.CountRows("paylist"), 0);
        EXPECT_EQ(dialogs().balloons().size(), 1u);
        EXPECT_EQ(dialogs().balloons().at(0).text, "用户新建成功，开始直接收费...");
        // The error alone: no "go on creating" that would start on a second member.
        ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
        EXPECT_EQ(dialogs().messageBoxes()[0].message, kRechargeError);
        EXPECT_EQ(dialogs().messageBoxes()[0].style, 16);
        EXPECT_EQ(dialogs().messageBoxes()[0].title, "错误提示");
        EXPECT_FALSE(ui().外形框_新增会员->isHidden());
        EXPECT_TRUE(InRechargeMode());
        EXPECT_EQ(PanelTexts(), (std::vector<std::string>{card, "李四", "139", amount, "20"}));
        EXPECT_EQ(window().focusWidget(), ui().编辑框_新增会员_充值金额);
        EXPECT_TRUE(ui().选择框_关闭时刷新用户列表->isChecked());
    }
    // 关闭 loads the list with the new members.
    Click(ui().按钮_会员管理_新增会员_取消);
    WaitForWorkers();
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_NE(RowOfCard("1"), -1);
    EXPECT_NE(RowOfCard("2"), -1);
}

// The natural retry after a failed first recharge, with the database back: 确定 again.
TEST_F(MemberPanelTest, RetryingAFailedFirstRechargeRechargesTheSameMember) {
    SeedCards(1, 125);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    Type("126", "李四", "139", "100", "20");
    db.Run("RENAME TABLE paylist TO paylist_away");
    dialogs().queueMessageBoxAnswer(0);  // the error
    dialogs().queueMessageBoxAnswer(0);  // OK to whatever follows
    Confirm();
    db.Run("RENAME TABLE paylist_away TO paylist");
    EXPECT_EQ(db.CountRows("paylist"), 0);

    Confirm();
    WaitForWorkers();
    EXPECT_EQ(db.Rows("SELECT user_id, user_name, user_tel FROM userlist WHERE user_id > 125"),
              (Rows{{"126", "李四", "139"}}));
    EXPECT_EQ(db.Rows("SELECT user_id, user_name, pay_money, pay_give, pay_total FROM paylist"),
              (Rows{{"126", "李四", "100", "20", "120"}}));
    EXPECT_EQ(BalloonTexts().back(), "充值成功");
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
}

TEST_F(MemberPanelTest, ABonusWithoutAnAmountCreatesNoRecharge) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    Click(ui().按钮_新增会员);
    for (const char* amount : {"", "0", "0.9", "abc"}) {
        SCOPED_TRACE(amount);
        const std::string card = std::to_string(db.CountRows("userlist") + 1);
        Type(card, "王", "", amount, "50");
        dialogs().queueMessageBoxAnswer(0);
        Confirm();
        EXPECT_EQ(Member(card).size(), 1u);
    }
    EXPECT_EQ(db.CountRows("paylist"), 0);
    EXPECT_TRUE(dialogs().balloons().empty());
}

}  // namespace
