#include "SignedInWindow.h"

#include <QTest>

#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "common/Threads.h"
#include "db/shared.h"
#include "login/Login.h"
#include "login/SignedInOperator.h"

void SignedInWindow::SetUp() {
    startWindowInSetUp = false;
    WindowFixture::SetUp();
    ASSERT_NO_FATAL_FAILURE(db.EmptyTables(true));
    db.Run(
        "INSERT INTO bosslist (boss_tel, boss_name, boss_key) VALUES "
        "('13800000001', '王五', 'Abc123')");
    SetMousePositionForTests(kPointer);
}

void SignedInWindow::TearDown() {
    SetConnectionPortForTests(std::nullopt);
    WindowFixture::TearDown();
    SetMousePositionForTests(std::nullopt);
    SetCurrentDateTimeForTests(std::nullopt);
}

void SignedInWindow::StartSignedIn() {
    StartWindow();
    ASSERT_TRUE(WaitUntil([] { return RunningWorkerThreads() == 0; }));
    ComboBoxSetText(ui().组合框_登录用户名, "13800000001");
    SetText(ui().编辑框_密码, "Abc123");
    PerformLogin();
    ASSERT_EQ(loggedIn, 1);
    Click(ui().按钮_会员管理);
    WaitForWorkers();
    dialogs().clear();
}

ListView* SignedInWindow::members() { return ui().超级列表框_会员管理_会员列表; }

ListView* SignedInWindow::spareMembers() { return ui().超级列表框_会员管理_会员列表备用; }

int SignedInWindow::RowOfCard(const std::string& card, ListView* list) {
    if (list == nullptr) list = members();
    for (int row = 0; row < ListViewRowCount(list); ++row)
        if (ListViewGetCell(list, row, 0) == card) return row;
    return -1;
}

void SignedInWindow::SelectCard(const std::string& card) {
    const int row = RowOfCard(card);
    ASSERT_NE(row, -1) << "no row for card " << card;
    ListViewSetCurrentRow(members(), row);
    Pump(5);
}

std::vector<std::string> SignedInWindow::RowCells(ListView* list, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < 9; ++column) cells.push_back(ListViewGetCell(list, row, column));
    return cells;
}

void SignedInWindow::AppendListRow(const std::vector<std::string>& cells) {
    const int row = ListViewInsertRow(members());
    for (int column = 0; column < static_cast<int>(cells.size()); ++column)
        ListViewSetCell(members(), row, column, cells[column]);
}

void SignedInWindow::Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

void SignedInWindow::WaitForWorkers() {
    ASSERT_TRUE(WaitUntil([] { return RunningWorkerThreads() == 0; }));
    Pump(10);
}

void SignedInWindow::CutDatabase() {
    SetConnectionPortForTests(UnusedPort());
    ResetSharedDatabaseForTests();
}

std::vector<std::string> SignedInWindow::BalloonTexts() {
    std::vector<std::string> texts;
    for (const auto& shown : dialogs().balloons()) texts.push_back(shown.text);
    return texts;
}

DateTime SignedInWindow::At(int year, int month, int day, int hour, int minute, int second) {
    return *MakeDateTime(year, month, day, hour, minute, second);
}
