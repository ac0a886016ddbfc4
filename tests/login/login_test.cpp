// Logging in: the refusals, the success and what it leaves behind.
#include <QTest>

#include "LoginFixture.h"
#include "runtime/texts.h"

namespace {

const char kFailure[] = "登录失败，请检查网络或用户名密码。错误代码[528456621]";

class LoginTest : public LoginFixture {
  protected:
    void SetUp() override {
        LoginFixture::SetUp();
        StartAndLoad();
    }

    void ExpectFailureBalloonOnly() {
        ASSERT_EQ(dialogs().balloons().size(), 1u);
        const auto& shown = dialogs().balloons()[0];
        EXPECT_EQ(shown.text, kFailure);
        EXPECT_EQ(shown.x, window().x() + 130);
        EXPECT_EQ(shown.y, window().y() + 470);
        EXPECT_EQ(shown.style, 0);
        EXPECT_TRUE(shown.flag);
        EXPECT_TRUE(dialogs().messageBoxes().empty());
        EXPECT_EQ(window().focusWidget(), ui().编辑框_密码);
        EXPECT_EQ(loggedIn, 0);
        EXPECT_TRUE(ui().编辑框_密码->isEnabled());
    }
};

TEST_F(LoginTest, RejectedLoginsShowTheFailureBalloonAndFocusThePassword) {
    const std::pair<const char*, const char*> cases[] = {
        {"13999999999", "chief123"},            // nobody has this login name
        {"Chief", "wrong"},                     // wrong password
        {"Chief", "CHIEF123"},                  // differs only in letter case
        {"13800000001", "abc123"},              // the same for another operator
        {"x' OR boss_tel='Chief", "chief123"},  // a quote reaches the server escaped
        {"Chief\\", "chief123"},                // a backslash too
        {"Chief😀", "chief123"},                 // a character GBK cannot hold
        {"Chief", "chief123 "},                 // a blank counts
    };
    for (const auto& [name, password] : cases) {
        dialogs().clear();
        SetInputFocus(ui().按钮_登录系统);
        TypeLogin(name, password);
        PerformLogin();
        SCOPED_TRACE(std::string(name) + " / " + password);
        ExpectFailureBalloonOnly();
    }
    EXPECT_EQ(IniRead(ConfigFilePath(), kLoginSection, kLastLoginKey), "");
}

TEST_F(LoginTest, VeryLongTextsAreRefusedWithoutACrash) {
    TypeLogin(std::string(100000, 'A'), std::string(100000, '\''));
    PerformLogin();
    ExpectFailureBalloonOnly();
}

TEST_F(LoginTest, EmptyNameOrPasswordShowsTheMessageBoxAndNothingElse) {
    const std::pair<const char*, const char*> cases[] = {{"Chief", ""}, {"", "chief123"}, {"", ""}};
    for (const auto& [name, password] : cases) {
        dialogs().clear();
        SetInputFocus(ui().按钮_登录系统);
        TypeLogin(name, password);
        QTest::mouseClick(ui().按钮_登录系统, Qt::LeftButton);
        ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
        EXPECT_EQ(dialogs().messageBoxes()[0].message, "您输入的用户名或密码错误");
        EXPECT_EQ(dialogs().messageBoxes()[0].style, 16);
        EXPECT_EQ(dialogs().messageBoxes()[0].title, "温馨提示");
        EXPECT_TRUE(dialogs().balloons().empty());
        EXPECT_EQ(window().focusWidget(), ui().按钮_登录系统);
        EXPECT_EQ(loggedIn, 0);
    }
}

TEST_F(LoginTest, SuccessSignsTheOperatorInAndLocksTheLoginArea) {
    TypeLogin("13800000001", "Abc123");
    QTest::mouseClick(ui().按钮_登录系统, Qt::LeftButton);

    EXPECT_EQ(loggedIn, 1);
    EXPECT_EQ(operatorId, "2");
    EXPECT_EQ(operatorName, "王五");
    EXPECT_EQ(operatorTel, "13800000001");
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui().编辑框_用户名, ui().编辑框_密码, ui().按钮_登录系统, ui().组合框_登录用户名})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(TextOf(ui().按钮_登录系统), "登录成功");
    EXPECT_EQ(TextOf(ui().编辑框_密码), "Abc123");
    EXPECT_EQ(TextOf(ui().编辑框_用户名), "13800000001");
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    EXPECT_EQ(dialogs().balloons()[0].text, "登录成功");
    EXPECT_EQ(dialogs().balloons()[0].x, window().x() + 130);
    EXPECT_EQ(dialogs().balloons()[0].y, window().y() + 470);
    EXPECT_EQ(ui().选择夹1->currentIndex(), 3);

    // The login name is kept as GBK bytes under 配置.
    const std::string bytes = ConfigBytes();
    EXPECT_NE(bytes.find(*Utf8ToGbk("[配置]")), std::string::npos);
    EXPECT_NE(bytes.find(*Utf8ToGbk("最近登录的用户名=13800000001")), std::string::npos);

    // The pages now open.
    QTest::mouseClick(ui().按钮_会员充值, Qt::LeftButton);
    EXPECT_EQ(ui().选择夹1->currentIndex(), 1);
}

TEST_F(LoginTest, EnterInThePasswordBoxLogsIn) {
    TypeLogin("Chief", "chief123");
    QTest::keyClick(ui().编辑框_密码, Qt::Key_Return);
    EXPECT_EQ(loggedIn, 1);
    EXPECT_EQ(operatorTel, "Chief");
}

TEST_F(LoginTest, ThePasswordShowsAnAsteriskPerCharacter) {
    QLineEdit* box = ui().编辑框_密码;
    QTest::keyClicks(box, "ab1");
    EXPECT_EQ(box->text().toStdString(), "ab1");
    EXPECT_EQ(box->displayText().toStdString(), "***");
}

TEST_F(LoginTest, EnterInTheLoginNameBoxMovesToThePassword) {
    OnLoginNameKeyDown(13);
    EXPECT_EQ(window().focusWidget(), ui().编辑框_密码);
    OnPasswordKeyDown(65);  // any other key does nothing
    EXPECT_EQ(loggedIn, 0);
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

TEST_F(LoginTest, DatabaseOutOfReachGivesTheFailureBalloon) {
    SetConnectionPortForTests(UnusedPort());
    ResetSharedDatabaseForTests();
    TypeLogin("Chief", "chief123");
    PerformLogin();
    ExpectFailureBalloonOnly();
}

}  // namespace
