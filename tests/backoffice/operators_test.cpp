// Adding operators and changing the signed-in operator's password.
#include "backoffice/Operators.h"

#include <QTest>
#include <chrono>
#include <cstdlib>

#include "SignedInWindow.h"
#include "app/ProgramEnd.h"
#include "common/Threads.h"
#include "controls/WindowOps.h"
#include "form/StartWindow.h"
#include "login/Login.h"
#include "login/SignedInOperator.h"
#include "members/MemberList.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// An older database whose operators may share a login name, for as long as it lives.
class WithoutUniqueLoginKey {
  public:
    explicit WithoutUniqueLoginKey(TestDatabase& database) : database_(database) {
        database_.Run("ALTER TABLE bosslist DROP INDEX IF EXISTS uq_boss_tel");
    }
    ~WithoutUniqueLoginKey() {
        database_.Run("DELETE FROM bosslist WHERE boss_id > 2");
        database_.Run("ALTER TABLE bosslist ADD UNIQUE KEY IF NOT EXISTS uq_boss_tel (boss_tel)");
    }

  private:
    TestDatabase& database_;
};

class OperatorsTest : public SignedInWindow {
  protected:
    void OpenAddOperator() {
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        Click(ui().按钮_系统设置);
        dialogs().queueInputBoxText("Abc123");
        Click(ui().按钮_系统设置_新增管理员);
        ASSERT_FALSE(ui().外形框_系统设置_新增管理员->isHidden());
        dialogs().clear();
    }
    void OpenChangePassword() {
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        Click(ui().按钮_系统设置);
        dialogs().queueInputBoxText("Abc123");
        Click(ui().按钮_系统设置_修改密码);
        ASSERT_FALSE(ui().外形框_修改密码->isHidden());
        dialogs().clear();
    }
    void FillOperator(const std::string& name, const std::string& tel, const std::string& password,
                      const std::string& again) {
        SetText(ui().编辑框_新增管理员_姓名, name);
        SetText(ui().编辑框_新增管理员_手机号, tel);
        SetText(ui().编辑框_新增管理员_密码, password);
        SetText(ui().编辑框_新增管理员_密码确认, again);
    }
    void TypeNewPassword(const std::string& password, const std::string& again) {
        SetText(ui().编辑框_输入新密码, password);
        SetText(ui().编辑框_新密码确认, again);
    }
    std::string StoredKey(int id) {
        const Rows rows =
            db.Rows("SELECT boss_key FROM bosslist WHERE boss_id = " + std::to_string(id));
        return rows.empty() ? "(none)" : rows[0][0];
    }
    bool SignsIn(const std::string& tel, const std::string& password) {
        loggedIn = 0;
        SetText(ui().编辑框_用户名, tel);
        SetText(ui().编辑框_密码, password);
        return CheckOperatorLogin();
    }
};

TEST_F(OperatorsTest, EmptyFieldsPutTheFocusInTheLastEmptyBox) {
    ASSERT_NO_FATAL_FAILURE(OpenAddOperator());
    struct Case {
        std::string name, tel, password;
        QWidget* focus;
    };
    const std::vector<Case> cases = {
        {"", "", "", ui().编辑框_新增管理员_密码},
        {"", "139", "x", ui().编辑框_新增管理员_姓名},
        {"", "", "x", ui().编辑框_新增管理员_手机号},
        {"张三", "139", "", ui().编辑框_新增管理员_密码},
    };
    for (const Case& c : cases) {
        dialogs().clear();
        SetInputFocus(ui().按钮_系统设置_新增管理员_确认);
        FillOperator(c.name, c.tel, c.password, "x");
        Click(ui().按钮_系统设置_新增管理员_确认);
        EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"姓名、手机号、密码都不能为空，请重试"});
        EXPECT_EQ(QApplication::focusWidget(), c.focus) << c.name << "/" << c.tel;
    }
    dialogs().clear();
    FillOperator("张三", "139", "x", "");
    Click(ui().按钮_系统设置_新增管理员_确认);
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"两次输入密码不一样，请重试"});
    EXPECT_EQ(QApplication::focusWidget(), ui().编辑框_新增管理员_密码确认);
    EXPECT_EQ(db.CountRows("bosslist"), 2);
}

TEST_F(OperatorsTest, AnAddedOperatorSignsInAndATakenLoginNameIsRefused) {
    ASSERT_NO_FATAL_FAILURE(OpenAddOperator());
    FillOperator("张三", "13900000009", "Pw9", "Pw9");
    Click(ui().按钮_系统设置_新增管理员_确认);
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作成功，你可以使用新账户登录系统"});
    EXPECT_EQ(db.Rows("SELECT boss_tel, boss_name, boss_key FROM bosslist WHERE boss_id = 3"),
              (Rows{{"13900000009", "张三", "Pw9"}}));
    for (QWidget* box : {ui().编辑框_新增管理员_姓名, ui().编辑框_新增管理员_手机号,
                         ui().编辑框_新增管理员_密码, ui().编辑框_新增管理员_密码确认})
        EXPECT_EQ(TextOf(box), "");

    // The collation takes "chief " and "CHIEF" for "Chief": each would be a second login.
    for (const std::string tel : {"13900000009", "chief ", "CHIEF"}) {
        dialogs().clear();
        FillOperator("李四", tel, "Pw8", "Pw8");
        Click(ui().按钮_系统设置_新增管理员_确认);
        EXPECT_EQ(BalloonTexts(),
                  std::vector<std::string>{"新增管理员失败，请联系管理员，错误代码[0452155855]"})
            << tel;
        EXPECT_EQ(TextOf(ui().编辑框_新增管理员_手机号), tel);
    }
    EXPECT_EQ(db.CountRows("bosslist"), 3);
}

TEST_F(OperatorsTest, RefusedNewPasswordsLeaveTheFocusInTheFirstBox) {
    ASSERT_NO_FATAL_FAILURE(OpenChangePassword());
    struct Case {
        std::string password, again, message;
    };
    const std::vector<Case> cases = {
        {"", "", "两次输入密码不一样，请重试"},
        {"Xyz789", "", "两次输入密码不一样，请重试"},
        {"Xyz789", "Xyz780", "两次输入密码不一样，请重试"},
        {"Abc123", "Abc123", "你输入的新密码和原密码一致，无需修改"},
    };
    for (const Case& c : cases) {
        dialogs().clear();
        SetInputFocus(ui().按钮_修改密码确认);
        TypeNewPassword(c.password, c.again);
        Click(ui().按钮_修改密码确认);
        ASSERT_EQ(dialogs().messageBoxes().size(), 1u) << c.password;
        EXPECT_EQ(dialogs().messageBoxes()[0].message, c.message);
        EXPECT_EQ(dialogs().messageBoxes()[0].title, "温馨提示");
        EXPECT_EQ(dialogs().messageBoxes()[0].style, 0);
        EXPECT_EQ(QApplication::focusWidget(), ui().编辑框_输入新密码);
        EXPECT_EQ(TextOf(ui().编辑框_新密码确认), c.again);
    }
    EXPECT_EQ(StoredKey(2), "Abc123");
    EXPECT_FALSE(EndProgramRequested());
}

TEST_F(OperatorsTest, EnterMovesOnThenRunsTheChange) {
    ASSERT_NO_FATAL_FAILURE(OpenChangePassword());
    TypeNewPassword("Xyz780", "Xyz789");
    SetInputFocus(ui().编辑框_输入新密码);
    QTest::keyClick(ui().编辑框_输入新密码, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), ui().编辑框_新密码确认);
    EXPECT_TRUE(dialogs().messageBoxes().empty());
    QTest::keyClick(ui().编辑框_新密码确认, Qt::Key_Enter);
    ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(dialogs().messageBoxes()[0].message, "两次输入密码不一样，请重试");
}

// Every failure keeps the program running and the old password valid: a row gone since the
// login, a password the GBK table cannot hold, no database.
TEST_F(OperatorsTest, AChangeThatStoresNothingTakesTheFailurePath) {
    ASSERT_NO_FATAL_FAILURE(OpenChangePassword());
    const auto expectFailure = [this](const std::string& why) {
        ASSERT_EQ(dialogs().messageBoxes().size(), 1u) << why;
        EXPECT_EQ(dialogs().messageBoxes()[0].message, "修改失败，请联系管理员") << why;
        EXPECT_EQ(dialogs().messageBoxes()[0].title, "错误代码[0452155855]");
        EXPECT_EQ(dialogs().messageBoxes()[0].style, 16);
        EXPECT_FALSE(EndProgramRequested()) << why;
        EXPECT_FALSE(ui().外形框_修改密码->isHidden());
        dialogs().clear();
    };

    TypeNewPassword("密码😀", "密码😀");
    Click(ui().按钮_修改密码确认);
    expectFailure("outside GBK");
    EXPECT_EQ(StoredKey(2), "Abc123");
    EXPECT_TRUE(SignsIn("13800000001", "Abc123"));
    SetText(ui().编辑框_用户名, "13800000001");
    SetText(ui().编辑框_密码, "Abc123");

    db.Run("UPDATE bosslist SET boss_id = 9 WHERE boss_id = 2");
    TypeNewPassword("Xyz789", "Xyz789");
    Click(ui().按钮_修改密码确认);
    expectFailure("row gone");
    EXPECT_EQ(StoredKey(9), "Abc123");
    db.Run("UPDATE bosslist SET boss_id = 2 WHERE boss_id = 9");

    CutDatabase();
    Click(ui().按钮_修改密码确认);
    expectFailure("no database");
    EXPECT_EQ(TextOf(ui().编辑框_输入新密码), "Xyz789");
}

// The answer never comes (the row waits on another desk's lock until the client gives up):
// the program ends the lost statement and looks before it tells anything, so the operator
// learns which password signs in and a retry adds the operator once.
TEST_F(OperatorsTest, ALostAnswerIsLookedUpBeforeAnythingIsTold) {
    ShortAnswerTimeout guard;
    ASSERT_NO_FATAL_FAILURE(OpenChangePassword());
    db.Run("START TRANSACTION; SELECT * FROM bosslist WHERE boss_id = 2 FOR UPDATE");
    TypeNewPassword("Xyz789", "Xyz789");
    Click(ui().按钮_修改密码确认);
    db.Run("ROLLBACK");
    ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(dialogs().messageBoxes()[0].message, "修改失败，请联系管理员");
    EXPECT_FALSE(EndProgramRequested());
    Pump(500);
    EXPECT_EQ(StoredKey(2), "Abc123") << "the lost change landed after the failure was told";

    dialogs().clear();
    Click(ui().按钮_系统设置);
    dialogs().queueInputBoxText("Abc123");
    Click(ui().按钮_系统设置_新增管理员);
    dialogs().clear();
    db.Run("START TRANSACTION; SELECT * FROM bosslist FOR UPDATE");
    FillOperator("张三", "13900000009", "Pw9", "Pw9");
    Click(ui().按钮_系统设置_新增管理员_确认);
    db.Run("ROLLBACK");
    EXPECT_EQ(BalloonTexts(),
              std::vector<std::string>{"新增管理员失败，请联系管理员，错误代码[0452155855]"});
    Pump(500);
    EXPECT_EQ(db.CountRows("bosslist"), 2) << "the lost insert landed after the failure was told";
    dialogs().clear();
    Click(ui().按钮_系统设置_新增管理员_确认);
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作成功，你可以使用新账户登录系统"});
    EXPECT_EQ(db.CountRows("bosslist"), 3);
}

TEST_F(OperatorsTest, OnlyTheSignedInOperatorsRowChanges) {
    const WithoutUniqueLoginKey older(db);
    db.Run(
        "INSERT INTO bosslist (boss_tel, boss_name, boss_key) VALUES "
        "('13800000001 ', '同名', 'Other1')");
    ASSERT_NO_FATAL_FAILURE(OpenChangePassword());
    TypeNewPassword("Xyz789", "Xyz789");
    dialogs().queueMessageBoxAnswer(0);
    Click(ui().按钮_修改密码确认);
    ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(dialogs().messageBoxes()[0].message, "修改成功，需要重新登录");
    EXPECT_EQ(dialogs().messageBoxes()[0].title, "温馨提示");
    EXPECT_TRUE(EndProgramRequested());
    EXPECT_EQ(db.Rows("SELECT boss_id, boss_key FROM bosslist WHERE boss_id > 1 ORDER BY boss_id"),
              (Rows{{"2", "Xyz789"}, {"3", "Other1"}}));
}

// The process ends with 0 at once, though a totals pass waits on a locked table; the next
// login takes the new password.
TEST_F(OperatorsTest, ASuccessfulChangeEndsTheProcessAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    db.Run(
        "INSERT INTO userlist (user_id, user_name, user_tel) VALUES (1001, '赵六', '13700000001')");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EXIT(
        {
            StartSignedIn();
            Click(ui().按钮_系统设置);
            dialogs().queueInputBoxText("Abc123");
            Click(ui().按钮_系统设置_修改密码);
            db.Run("LOCK TABLES paylist WRITE");
            ResetMemberSearch();  // a new load: its totals pass now waits for the table
            Pump(200);
            if (RunningWorkerThreads() != 1) std::_Exit(4);
            TypeNewPassword("Xyz789", "Xyz789");
            Click(ui().按钮_修改密码确认);
            if (dialogs().messageBoxes().empty() ||
                dialogs().messageBoxes().back().message != "修改成功，需要重新登录")
                std::_Exit(3);
            RunMessageLoop();
            EndProcessAfterEventLoop();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(8));
    EXPECT_EQ(StoredKey(2), "Xyz789");

    StartWindow();
    EXPECT_FALSE(SignsIn("13800000001", "Abc123"));
    EXPECT_TRUE(SignsIn("13800000001", "Xyz789"));
}

}  // namespace
