// Recomputing the selected member's totals after a change.
#include "MemberListFixture.h"
#include "controls/WindowOps.h"
#include "members/SelectedMemberRefresh.h"

namespace {

Cells Totals(const Cells& row) { return Cells(row.begin() + 3, row.end()); }

class SelectedMemberRefreshTest : public MemberListFixture {
  protected:
    void SetUp() override {
        MemberListFixture::SetUp();
        AddMember("1", "张三", "13800000001");
        AddRecharge("1", 100, 100);
        AddMember("2", "李四");
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        ClickMemberNavigation();
        ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    }
};

TEST_F(SelectedMemberRefreshTest, WithoutASelectedRowNothingHappens) {
    AddConsumption("1", 30);
    const std::vector<Cells> before = Rows(visible());
    const int selects = ServerCounter("Com_select");
    const int connections = ServerCounter("Connections");
    RefreshSelectedMemberTotals();
    EXPECT_EQ(Rows(visible()), before);
    EXPECT_EQ(ServerCounter("Com_select"), selects);
    EXPECT_EQ(ServerCounter("Connections"), connections);
}

TEST_F(SelectedMemberRefreshTest, ARowWithoutANumericCardNumberStaysAsItIsAndNoConnectionStays) {
    const int threads = ServerCounter("Threads_connected");
    for (const char* card : {"0", "", "abc"}) {
        const Cells row = {card, "某人", "", "1", "2", "3", "4", "5", "6"};
        PutRows(visible(), {row});
        ListViewSetCurrentRow(visible(), 0);
        RefreshSelectedMemberTotals();
        EXPECT_EQ(Row(visible(), 0), row) << card;
    }
    EXPECT_TRUE(WaitUntil([&] { return ServerCounter("Threads_connected") == threads; },
                          std::chrono::seconds(3)));
}

TEST_F(SelectedMemberRefreshTest, TheSelectedRowTakesTheTotalsOfTheDatabaseNow) {
    AddRecharge("1", 20, 25);
    AddConsumption("1", 150);
    const Cells spareBefore = Row(spare(), 0);
    ListViewSetCurrentRow(visible(), 0);
    RefreshSelectedMemberTotals();
    EXPECT_EQ(Totals(Row(visible(), 0)), (Cells{"2", "120", "125", "1", "150", "-25"}));
    EXPECT_EQ(Totals(Row(visible(), 1)), (Cells{"", "", "", "", "", "0"}));
    EXPECT_EQ(Row(spare(), 0), spareBefore);  // the callers mirror the row themselves
}

TEST_F(SelectedMemberRefreshTest, AnOpenQuickConsumePanelShowsTheNewBalanceWithAnEmptyBill) {
    ListViewSetCurrentRow(visible(), 0);
    QTest::mouseClick(ui().按钮_消费, Qt::LeftButton);
    ASSERT_FALSE(ui().外形框_快速消费->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "100");
    SetText(ui().编辑框_快速消费_消费总金额, "30");
    SetText(ui().编辑框_快速消费_消费项目数, "1");

    AddConsumption("1", 30);
    RefreshSelectedMemberTotals();
    EXPECT_FALSE(ui().外形框_快速消费->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "70");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_消费总金额), "");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_消费项目数), "");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_卡号), "1");
}

}  // namespace
