// The member list: loading it from the navigation button, its totals and the search reset.
#include "MemberListFixture.h"
#include "controls/WindowOps.h"
#include "members/MemberList.h"

namespace {

const Cells kNoTotals = {"", "", "", "", "", ""};

Cells Totals(const Cells& row) { return Cells(row.begin() + 3, row.end()); }

class MemberListTest : public MemberListFixture {};

TEST_F(MemberListTest, TheFirstClickAfterLoginLoadsTheListAndFillsTheTotals) {
    AddMember("101", "张三", "13800000101");
    AddRecharge("101", 100, 120);
    AddRecharge("101", 50, 50);
    AddRecharge("101", 999, 999, 1);  // deleted records count nowhere
    AddConsumption("101", 30);
    AddConsumption("101", 500, 1);
    AddMember("102", "李四", "13800000102");  // no records at all
    AddMember("103", "王五", "13800000103");
    AddRecharge("103", 10, 10);
    AddConsumption("103", 30);
    AddMember("0", "零号");  // card number 0: never gets totals
    AddRecharge("0", 5, 5);
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());

    ClickMemberNavigation();  // before login: nothing at all
    EXPECT_EQ(ui().选择夹1->currentIndex(), 3);
    EXPECT_EQ(ListViewRowCount(visible()), 0);
    EXPECT_EQ(RunningWorkerThreads(), 0);

    TypeLogin("Chief", "chief123");
    PerformLogin();
    const int connections = ServerCounter("Connections");
    ClickMemberNavigation();
    EXPECT_EQ(ui().选择夹1->currentIndex(), 0);
    // The load itself fills cells 0 to 2 of both lists; the totals come afterwards.
    const std::vector<Cells> loaded = {{"101", "张三", "13800000101", "", "", "", "", "", ""},
                                       {"102", "李四", "13800000102", "", "", "", "", "", ""},
                                       {"103", "王五", "13800000103", "", "", "", "", "", ""},
                                       {"0", "零号", "", "", "", "", "", "", ""}};
    EXPECT_EQ(Rows(visible()), loaded);
    EXPECT_EQ(Rows(spare()), loaded);

    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    const std::vector<Cells> filled = {
        {"101", "张三", "13800000101", "2", "150", "170", "1", "30", "140"},
        {"102", "李四", "13800000102", "", "", "", "", "", "0"},
        {"103", "王五", "13800000103", "1", "10", "10", "1", "30", "-20"},
        {"0", "零号", "", "", "", "", "", "", ""}};
    EXPECT_EQ(Rows(visible()), filled);
    EXPECT_EQ(Rows(spare()), filled);  // the pass ends by mirroring every row
    // One private connection per sweep, whatever the number of rows.
    EXPECT_EQ(ServerCounter("Connections") - connections, 2);
}

TEST_F(MemberListTest, ALaterClickRunsNoStatement) {
    AddMember("1", "张三");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    AddMember("2", "李四");

    QTest::mouseClick(ui().按钮_系统设置, Qt::LeftButton);
    const int selects = ServerCounter("Com_select");
    ClickMemberNavigation();
    EXPECT_EQ(ui().选择夹1->currentIndex(), 0);
    EXPECT_EQ(RunningWorkerThreads(), 0);
    Pump(50);
    EXPECT_EQ(ServerCounter("Com_select"), selects);
    EXPECT_EQ(ListViewRowCount(visible()), 1);

    // An empty list with a search text typed (a search that found nothing) stays as it is.
    ListViewClear(visible());
    SetText(ui().编辑框_会员管理_搜索, "没有这个人");
    Pump(20);
    const int selectsBefore = ServerCounter("Com_select");
    ClickMemberNavigation();
    Pump(50);
    EXPECT_EQ(ServerCounter("Com_select"), selectsBefore);
    EXPECT_EQ(ListViewRowCount(visible()), 0);
    EXPECT_EQ(RunningWorkerThreads(), 0);
}

TEST_F(MemberListTest, NewestFirstOrdersByCardNumberAndTheSearchButtonReloads) {
    AddMember("5", "五");
    AddMember("9", "九");
    AddMember("2", "二");
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    auto cards = [this] {
        std::vector<std::string> result;
        for (const Cells& row : Rows(visible())) result.push_back(row[0]);
        return result;
    };
    EXPECT_EQ(cards(), (std::vector<std::string>{"5", "9", "2"}));  // the server's order

    AddRecharge("9", 80, 100);
    ui().选择框_新纪录在最前->setChecked(true);
    SetText(ui().编辑框_会员管理_搜索, "九");
    QTest::mouseClick(ui().按钮_会员管理_搜索, Qt::LeftButton);
    EXPECT_EQ(TextOf(ui().编辑框_会员管理_搜索), "");
    EXPECT_EQ(cards(), (std::vector<std::string>{"9", "5", "2"}));
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    EXPECT_EQ(Totals(Row(visible(), 0)), (Cells{"1", "80", "100", "", "", "100"}));
    EXPECT_EQ(Rows(spare()), Rows(visible()));
}

TEST_F(MemberListTest, RowsWithoutANumericCardNumberGetNoTotals) {
    AddMember("7", "七");
    AddRecharge("7", 20, 20);
    AddConsumption("7", 5);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    const std::vector<Cells> rows = {{"", "空"}, {"0", "零"}, {"abc", "字母"}, {"7", "七"}};
    PutRows(visible(), rows);
    PutRows(spare(), rows);
    StartThread(ComputedColumnsThreadEntry);
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    for (int row = 0; row < 3; ++row) EXPECT_EQ(Totals(Row(visible(), row)), kNoTotals) << row;
    EXPECT_EQ(Totals(Row(visible(), 3)), (Cells{"1", "20", "20", "1", "5", "15"}));
}

TEST_F(MemberListTest, WithoutADatabaseTheSweepsWriteNothingAndTheMirrorStillRuns) {
    AddMember("7", "七");
    AddRecharge("7", 20, 20);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());

    PutRows(visible(), {{"7", "七号"}});
    PutRows(spare(), {{"7", "七"}});
    SetConnectionPortForTests(UnusedPort());
    StartThread(ComputedColumnsThreadEntry);
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    EXPECT_EQ(Row(visible(), 0), (Cells{"7", "七号", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(spare(), 0), Row(visible(), 0));
}

TEST_F(MemberListTest, AnEmptyMemberTableLeavesBothListsEmptyAndOpensNoConnection) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    const int connections = ServerCounter("Connections");
    ClickMemberNavigation();
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    EXPECT_EQ(ListViewRowCount(visible()), 0);
    EXPECT_EQ(ListViewRowCount(spare()), 0);
    EXPECT_EQ(ServerCounter("Connections"), connections);
}

}  // namespace
