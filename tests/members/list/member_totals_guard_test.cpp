// Totals that a pass computed reach only rows of their own card number, and never cover
// totals that were computed later for that card number.
#include <QCoreApplication>
#include <thread>

#include "MemberListFixture.h"
#include "members/MemberList.h"
#include "members/SelectedMemberRefresh.h"
#include "runtime/texts.h"

namespace {

using namespace std::chrono_literals;

// Member c has paid c for a total of 3c and spent c: every row shows whose totals it holds.
Cells TotalsOfCard(int c) {
    return {"1", std::to_string(c), std::to_string(3 * c),
            "1", std::to_string(c), std::to_string(2 * c)};
}

Cells Totals(const Cells& row) { return Cells(row.begin() + 3, row.end()); }

class MemberTotalsGuardTest : public MemberListFixture {
  protected:
    void AddMembers(int count) {
        const std::string seq = " FROM seq_1_to_" + std::to_string(count);
        db.Run(
            "INSERT INTO userlist (user_id, user_del, user_name) SELECT seq, 0, "
            "CONCAT('会员', seq)" +
            seq);
        db.Run(
            "INSERT INTO paylist (pay_money, pay_total, pay_del, user_id) SELECT seq, 3 * seq, "
            "0, seq" +
            seq);
        db.Run("INSERT INTO costlist (cost_money, cost_del, user_id) SELECT seq, 0, seq" + seq);
    }

    // Serves what the pass waits for on the window's thread right now, then keeps the
    // window's thread away from events while the pass goes on: its results stay queued.
    static void ServeThenHold() {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(400ms);
    }

    // Filled computed cells that are not those of the row's own card number.
    int ForeignCells() {
        int foreign = 0;
        for (const Cells& row : Rows(visible())) {
            const Cells expected = TotalsOfCard(ToInteger(row[0]));
            for (size_t i = 0; i < expected.size(); ++i)
                if (!row[3 + i].empty() && row[3 + i] != expected[i]) ++foreign;
        }
        return foreign;
    }
};

TEST_F(MemberTotalsGuardTest, AReloadDuringAPassLeavesNoRowWithAnotherMembersTotals) {
    AddMembers(41);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    std::this_thread::sleep_for(100ms);
    ServeThenHold();  // the first pass computes every recharge total for rows 1 to 41
    ASSERT_EQ(ListViewGetCell(visible(), 0, 3), "") << "the results must still be queued";

    ui().选择框_新纪录在最前->setChecked(true);
    ResetMemberSearch();  // the same members in the other order; a second pass starts
    ASSERT_EQ(ListViewGetCell(visible(), 0, 0), "41");

    int foreign = 0;
    ASSERT_TRUE(WaitUntil([&] {
        foreign += ForeignCells();
        return RunningWorkerThreads() == 0;
    }));
    EXPECT_EQ(foreign, 0);
    for (const Cells& row : Rows(visible()))
        EXPECT_EQ(Totals(row), TotalsOfCard(ToInteger(row[0]))) << row[0];
    EXPECT_EQ(Rows(spare()), Rows(visible()));
}

TEST_F(MemberTotalsGuardTest, TotalsAPassComputedBeforeARefreshNeverCoverTheRefreshs) {
    AddMembers(5);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    const int row = RowOf(visible(), "3");
    ListViewSetCurrentRow(visible(), row);
    std::this_thread::sleep_for(100ms);
    ServeThenHold();  // the pass has the old recharge totals of member 3 queued
    ASSERT_EQ(ListViewGetCell(visible(), row, 3), "") << "the results must still be queued";

    AddRecharge("3", 7, 7);
    RefreshSelectedMemberTotals();
    const Cells refreshed = {"2", "10", "16", "1", "3", "13"};
    EXPECT_EQ(Totals(Row(visible(), row)), refreshed);

    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    EXPECT_EQ(Totals(Row(visible(), row)), refreshed);
    EXPECT_EQ(Totals(Row(spare(), RowOf(spare(), "3"))), refreshed);
    EXPECT_EQ(Totals(Row(visible(), RowOf(visible(), "4"))), TotalsOfCard(4));
}

TEST_F(MemberTotalsGuardTest, ARefreshThatFailedDoesNotKeepOutTotalsAPassComputedBefore) {
    AddMembers(5);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    const int row = RowOf(visible(), "3");
    ListViewSetCurrentRow(visible(), row);
    std::this_thread::sleep_for(100ms);
    ServeThenHold();  // the pass has the totals of member 3 queued
    ASSERT_EQ(ListViewGetCell(visible(), row, 3), "") << "the results must still be queued";

    SetConnectionPortForTests(UnusedPort());
    RefreshSelectedMemberTotals();
    SetConnectionPortForTests(std::nullopt);
    EXPECT_EQ(Totals(Row(visible(), row)), (Cells{"", "", "", "", "", ""}));

    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    EXPECT_EQ(Totals(Row(visible(), row)), TotalsOfCard(3));
    EXPECT_EQ(Totals(Row(spare(), RowOf(spare(), "3"))), TotalsOfCard(3));
}

}  // namespace
