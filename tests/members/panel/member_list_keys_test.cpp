// Keys in the member list: Tab and Shift+Tab move the focus on and keep the member; the arrow
// keys choose another member.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/ListViewOps.h"
#include "controls/WindowOps.h"

namespace {

class MemberListKeysTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        db.Run(
            "INSERT INTO userlist (user_id, user_name, user_tel) VALUES "
            "(1, '王一', '131'), (2, '赵二', '132'), (3, '钱三', '133')");
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        ASSERT_EQ(ListViewRowCount(members()), 3);
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    QWidget* Focus() { return QApplication::focusWidget(); }
    // The key goes where the operator's keys go: to the control with the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), key, modifiers);
        Pump(5);
    }
    // Typed text as an input method hands it over (QTest types only ASCII).
    void Type(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(Focus(), &press);
    }
    std::string StripCard() {
        Pump(250);  // a tick of 时钟1
        return TextOf(ui().编辑框_全局_卡号);
    }
};

TEST_F(MemberListKeysTest, TabLeavesTheListWithTheMemberKept) {
    SelectCard("2");
    members()->setFocus();
    ASSERT_EQ(Focus(), members());
    Press(Qt::Key_Tab);
    EXPECT_NE(Focus(), members()) << "Tab moves the focus to the next control";
    EXPECT_NE(Focus(), ui().选择夹1->tabBar()) << "the page strip lies under the navigation row";
    EXPECT_EQ(ListViewCurrentRow(members()), 1);
    EXPECT_EQ(StripCard(), "2");
    // Arrows where the focus went never turn the page past the navigation buttons.
    Press(Qt::Key_Right);
    EXPECT_EQ(ui().选择夹1->currentIndex(), 0);

    members()->setFocus();
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), ui().编辑框_会员管理_搜索) << "Shift+Tab, to the control before the list";
    EXPECT_EQ(ListViewCurrentRow(members()), 1);
    EXPECT_EQ(StripCard(), "2");

    // The arrow keys still choose the member.
    members()->setFocus();
    Press(Qt::Key_Down);
    EXPECT_EQ(ListViewCurrentRow(members()), 2);
    EXPECT_EQ(StripCard(), "3");
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    EXPECT_EQ(ListViewCurrentRow(members()), 0);
    EXPECT_EQ(StripCard(), "1");
}

// A new member typed into the panel: Tab runs through the panel's boxes, round the window
// into the list and out of it again, and the member, the panel and the texts stay.
TEST_F(MemberListKeysTest, TabbingRoundThePanelAndTheListKeepsTheTypedMember) {
    SelectCard("1");
    Click(ui().按钮_新增会员);
    ASSERT_EQ(Focus(), ui().编辑框_新增会员_姓名);
    Type(QStringLiteral("孙四"));
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focus(), ui().编辑框_新增会员_手机号);
    Type(QStringLiteral("13900000004"));

    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier;
        bool inList = false, leftList = false;
        for (int press = 0; press < 80 && !leftList; ++press) {
            Press(key, modifiers);
            if (Focus() == members())
                inList = true;
            else if (inList)
                leftList = true;
            ASSERT_EQ(ListViewCurrentRow(members()), 0) << "press " << press;
        }
        EXPECT_TRUE(leftList) << (key == Qt::Key_Tab ? "Tab" : "Shift+Tab")
                              << " went into the list and out of it";
        EXPECT_FALSE(ui().外形框_新增会员->isHidden());
        EXPECT_TRUE(ui().编辑框_新增会员_姓名->isEnabled()) << "still creating a member";
        EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "4");
        EXPECT_EQ(TextOf(ui().编辑框_新增会员_姓名), "孙四");
        EXPECT_EQ(TextOf(ui().编辑框_新增会员_手机号), "13900000004");
        EXPECT_EQ(StripCard(), "1");
    }
}

}  // namespace
