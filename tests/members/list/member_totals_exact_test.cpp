// Totals are exact sums of the amounts as stored, shown as whole numbers beyond 32 bits.
#include "MemberListFixture.h"
#include "members/SelectedMemberRefresh.h"

namespace {

Cells Totals(const Cells& row) { return Cells(row.begin() + 3, row.end()); }

class MemberTotalsExactTest : public MemberListFixture {
  protected:
    // Amounts as the desk stores them: texts, possibly with a fraction.
    void AddRechargeOf(const std::string& card, const std::string& money) {
        db.Run("INSERT INTO paylist (pay_money, pay_total, pay_del, user_id) VALUES ('" + money +
               "', '" + money + "', 0, " + card + ")");
    }
    void AddConsumptionOf(const std::string& card, const std::string& money) {
        db.Run("INSERT INTO costlist (cost_money, cost_del, user_id) VALUES ('" + money + "', 0, " +
               card + ")");
    }
};

TEST_F(MemberTotalsExactTest, SumsAreExactAndCutToWholeNumbersWithoutA32BitLimit) {
    struct Case {
        std::string card;
        std::vector<std::string> recharges, consumptions;
        Cells totals;
    };
    const std::vector<Case> cases = {
        {"1", {"100"}, std::vector<std::string>(10, "2.7"), {"1", "100", "100", "10", "27", "73"}},
        {"2", {"99.5", "0.3"}, {}, {"2", "99", "99", "", "", "99"}},
        {"3",
         {"2000000000", "1000000000"},
         {"1"},
         {"2", "3000000000", "3000000000", "1", "1", "2999999999"}},
        {"4", {"1"}, {"5000000000"}, {"1", "1", "1", "1", "5000000000", "-4999999999"}},
        // Each cell is cut on its own: 0.9 paid, 0.6 spent, 0 - 0 left.
        {"5", {"0.9"}, {"0.6"}, {"1", "", "", "1", "", "0"}},
    };
    for (const Case& c : cases) {
        AddMember(c.card, "会员" + c.card);
        for (const std::string& money : c.recharges) AddRechargeOf(c.card, money);
        for (const std::string& money : c.consumptions) AddConsumptionOf(c.card, money);
    }
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    for (const Case& c : cases) {
        const int row = RowOf(visible(), c.card);
        EXPECT_EQ(Totals(Row(visible(), row)), c.totals) << c.card;
        EXPECT_EQ(Row(spare(), RowOf(spare(), c.card)), Row(visible(), row)) << c.card;
    }

    // The refresh of the selected row reads the same way.
    AddConsumptionOf("3", "3000000000.5");
    ListViewSetCurrentRow(visible(), RowOf(visible(), "3"));
    RefreshSelectedMemberTotals();
    EXPECT_EQ(Totals(Row(visible(), RowOf(visible(), "3"))),
              (Cells{"2", "3000000000", "3000000000", "2", "3000000001", "-1"}));
}

}  // namespace
