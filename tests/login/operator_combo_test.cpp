// The login combo: filled on a worker thread, the remembered login name preselected.
#include <atomic>
#include <thread>

#include "LoginFixture.h"
#include "login/OperatorCombo.h"

namespace {

using OperatorComboTest = LoginFixture;

std::vector<std::string> Items(QComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    return items;
}

TEST_F(OperatorComboTest, ListsEveryOperatorAndPreselectsTheFirstWithoutAFile) {
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    EXPECT_EQ(Items(ui().组合框_登录用户名), (std::vector<std::string>{"Chief", "13800000001"}));
    EXPECT_EQ(ComboBoxText(ui().组合框_登录用户名), "Chief");
    EXPECT_EQ(ui().组合框_登录用户名->itemData(1).toInt(), 2);  // the boss_id
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

TEST_F(OperatorComboTest, PreselectsTheRememberedLoginName) {
    ASSERT_TRUE(IniWrite(ConfigFilePath(), kLoginSection, kLastLoginKey, "13800000001"));
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    EXPECT_EQ(ComboBoxText(ui().组合框_登录用户名), "13800000001");
}

TEST_F(OperatorComboTest, TheNextStartPreselectsTheLastLoginAndTheFirstWhenItIsGone) {
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    TypeLogin("13800000001", "Abc123");
    PerformLogin();
    ASSERT_EQ(loggedIn, 1);
    CloseWindow();

    loggedIn = 0;
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    EXPECT_EQ(ComboBoxText(ui().组合框_登录用户名), "13800000001");
    CloseWindow();

    db.Run("DELETE FROM bosslist WHERE boss_tel = '13800000001'");
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    EXPECT_EQ(ComboBoxText(ui().组合框_登录用户名), "Chief");
}

TEST_F(OperatorComboTest, StaysEmptyWithoutOperatorsOrWithoutTheDatabase) {
    db.Run("DELETE FROM bosslist");
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    EXPECT_EQ(ui().组合框_登录用户名->count(), 0);
    EXPECT_EQ(ComboBoxText(ui().组合框_登录用户名), "");
    CloseWindow();

    db.Run("INSERT INTO bosslist (boss_tel, boss_name, boss_key) VALUES ('Chief', '店长', 'x')");
    SetConnectionPortForTests(UnusedPort());
    ResetSharedDatabaseForTests();
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    EXPECT_EQ(ui().组合框_登录用户名->count(), 0);
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

// The loader and the login check share the one connection: logins made while the loader
// reads a long list must neither fail nor disturb the list.
TEST_F(OperatorComboTest, LoginsWhileTheLoaderRunsDoNotCorruptEachOther) {
    std::string rows;
    for (int i = 0; i < 3000; ++i)
        rows += std::string(i ? "," : "") + "('1390000" + std::to_string(1000 + i) + "','n','k')";
    db.Run("INSERT INTO bosslist (boss_tel, boss_name, boss_key) VALUES " + rows);

    StartWindow();
    int checks = 0;
    while (RunningWorkerThreads() > 0 || checks < 20) {
        SetText(ui().编辑框_用户名, "13800000001");
        SetText(ui().编辑框_密码, checks % 2 ? "Abc123" : "wrong");
        ASSERT_EQ(CheckOperatorLogin(), checks % 2 == 1) << "check " << checks;
        ASSERT_EQ(operatorName, "王五");
        ++checks;
        Pump(1);
    }
    Pump(20);
    const auto items = Items(ui().组合框_登录用户名);
    ASSERT_EQ(items.size(), 3002u);
    EXPECT_EQ(items[0], "Chief");
    EXPECT_EQ(items[1], "13800000001");
    EXPECT_EQ(items[3001], "13900003999");
    EXPECT_EQ(ComboBoxText(ui().组合框_登录用户名), "Chief");
}

}  // namespace
