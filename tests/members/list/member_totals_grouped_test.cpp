// The pass computes all totals with one statement per table; every row must show what the
// one-member statements give for its card number, and a pass that a newer load has made
// useless must stop rather than run on.
#include <QCoreApplication>
#include <random>
#include <thread>

#include "MemberListFixture.h"
#include "db/shared.h"
#include "members/MemberList.h"
#include "members/MemberTotals.h"
#include "runtime/texts.h"

namespace {

using namespace std::chrono_literals;

class MemberTotalsGroupedTest : public MemberListFixture {
  protected:
    // What the one-member statements give for the row's card number, as cells 3 to 8.
    static Cells OneMemberTotals(const std::string& card, DbHandle connection) {
        RechargeTotals recharge;
        ConsumptionTotals consumption;
        EXPECT_TRUE(QueryMemberRechargeTotals(card, connection, recharge.count, recharge.paidSum,
                                              recharge.totalSum));
        EXPECT_TRUE(QueryMemberConsumptionTotals(card, connection, consumption.count,
                                                 consumption.moneySum));
        return {TotalsCellText(recharge.count),
                TotalsCellText(recharge.paidSum),
                TotalsCellText(recharge.totalSum),
                TotalsCellText(consumption.count),
                TotalsCellText(consumption.moneySum),
                std::to_string(recharge.totalSum - consumption.moneySum)};
    }

    void InsertRows(const std::string& head, const std::vector<std::string>& values) {
        for (size_t first = 0; first < values.size(); first += 500) {
            std::string statement = head;
            for (size_t i = first; i < std::min(values.size(), first + 500); ++i)
                statement += (i == first ? "" : ",") + values[i];
            db.Run(statement);
        }
    }
};

// Amounts with and without fractions, deleted records, members without records, records
// of card numbers no member has, card numbers held by two members, negative and large
// card numbers, and card number 0 (never computed).
TEST_F(MemberTotalsGroupedTest, EveryRowShowsWhatTheOneMemberStatementsGive) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    auto amount = [&] {
        std::string text = std::to_string(pick(0, 3000));
        if (pick(0, 2) == 0) text += "." + std::to_string(pick(0, 99));
        return "'" + text + "'";
    };

    std::vector<int> cards;
    for (int i = 0; i < 300; ++i) cards.push_back(pick(1, 400));
    for (int card : {-7, 0, 2147483647}) cards.push_back(card);
    std::vector<std::string> members, recharges, bills;
    for (int card : cards)
        members.push_back("(" + std::to_string(card) + ", 0, '会员" + std::to_string(card) + "')");
    // Card numbers beyond 400 have records but no member; some members have none.
    auto recordCard = [&] {
        return pick(0, 20) == 0 ? cards[pick(0, static_cast<int>(cards.size()) - 1)] : pick(1, 450);
    };
    for (int i = 0; i < 3000; ++i) {
        const std::string money = amount();
        recharges.push_back("(" + money + ", " + (pick(0, 1) ? money : amount()) + ", " +
                            std::to_string(pick(0, 9) == 0) + ", " + std::to_string(recordCard()) +
                            ")");
        bills.push_back("(" + amount() + ", " + std::to_string(pick(0, 9) == 0) + ", " +
                        std::to_string(recordCard()) + ")");
    }
    // Two members on one card: only a database older than the unique key holds that.
    WithoutUniqueCardKey olderDatabase(db);
    InsertRows("INSERT INTO userlist (user_id, user_del, user_name) VALUES ", members);
    InsertRows("INSERT INTO paylist (pay_money, pay_total, pay_del, user_id) VALUES ", recharges);
    InsertRows("INSERT INTO costlist (cost_money, cost_del, user_id) VALUES ", bills);

    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    const std::vector<Cells> rows = Rows(visible());
    ASSERT_EQ(rows.size(), cards.size());
    const DbHandle connection = OpenPrivateConnection();
    ASSERT_NE(connection, 0);
    for (const Cells& row : rows) {
        const Cells expected =
            ToInteger(row[0]) == 0 ? Cells(6, "") : OneMemberTotals(row[0], connection);
        EXPECT_EQ(Cells(row.begin() + 3, row.end()), expected) << "card " << row[0];
    }
    DbClose(connection);
    // Each card number's first spare row is the twin; the lists hold the rows in one order.
    const std::vector<Cells> spareRows = Rows(spare());
    ASSERT_EQ(spareRows.size(), rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        if (RowOf(spare(), rows[row][0]) == static_cast<int>(row)) {
            EXPECT_EQ(spareRows[row], rows[row]) << "card " << rows[row][0];
        }
    }
}

TEST_F(MemberTotalsGroupedTest, ReloadsInARowLeaveOnePassRunningItsStatements) {
    AddMember("1", "张三");
    AddRecharge("1", 100, 120);
    AddConsumption("1", 30);
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    ClickMemberNavigation();
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    AddRecharge("1", 10, 10);

    // The window's thread stays busy here while every pass starts: each waits for the card
    // numbers, and by then only the last one is of any use.
    for (int reload = 0; reload < 4; ++reload) ResetMemberSearch();
    std::this_thread::sleep_for(300ms);
    const int before = ServerCounter("Com_select");
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    EXPECT_EQ(ServerCounter("Com_select") - before, 2) << "one pass, one statement per table";
    EXPECT_EQ(Row(visible(), 0), (Cells{"1", "张三", "", "2", "110", "130", "1", "30", "100"}));
    EXPECT_EQ(Rows(spare()), Rows(visible()));
}

}  // namespace
