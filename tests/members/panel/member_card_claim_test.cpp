// Storing a member from several desks at once: one member per card, also on a database
// whose userlist lacks the unique key.
#include <gtest/gtest.h>

#include <array>
#include <thread>

#include "db/shared.h"
#include "members/MemberPanelCardClaim.h"
#include "test_database.h"

namespace {

class MemberCardClaimTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(db.EmptyTables(true)); }
    void TearDown() override { db.EmptyTables(true); }
    TestDatabase db;
};

TEST_F(MemberCardClaimTest, TwoDesksNeverStoreOneCardTwice) {
    // Only the lock guards the check and the insert here.
    WithoutUniqueCardKey olderDatabase(db);
    constexpr int kCards = 300;
    std::array<int, 2> stored{}, taken{};
    auto desk = [&](int index) {
        DbHandle connection = OpenPrivateConnection();
        ASSERT_NE(connection, 0);
        for (int card = 1; card <= kCards; ++card) {
            const MemberRecord record{
                std::to_string(card), kLiveFlag, "台" + std::to_string(index), "", "", "", "", ""};
            const MemberStoreResult result = StoreMemberIfCardFree(connection, record);
            if (result == MemberStoreResult::Stored) ++stored[index];
            if (result == MemberStoreResult::CardTaken) ++taken[index];
        }
        DbDisconnect(connection);
    };
    std::thread first(desk, 0), second(desk, 1);
    first.join();
    second.join();

    EXPECT_EQ(db.Rows("SELECT user_id FROM userlist GROUP BY user_id HAVING COUNT(*) > 1").size(),
              0u);
    EXPECT_EQ(db.CountRows("userlist"), kCards);
    EXPECT_EQ(stored[0] + stored[1], kCards);
    EXPECT_EQ(taken[0] + taken[1], kCards);
}

TEST_F(MemberCardClaimTest, ACardLockHeldElsewhereStoresNothing) {
    db.Run("DO GET_LOCK('marlovia.userlist.card', 0)");
    DbHandle connection = OpenPrivateConnection();
    ASSERT_NE(connection, 0);
    const MemberRecord record{"9", kLiveFlag, "张三", "", "", "", "", ""};
    EXPECT_EQ(StoreMemberIfCardFree(connection, record, 1), MemberStoreResult::Failed);
    db.Run("DO RELEASE_LOCK('marlovia.userlist.card')");
    EXPECT_EQ(db.CountRows("userlist"), 0);
    EXPECT_EQ(StoreMemberIfCardFree(connection, record, 1), MemberStoreResult::Stored);
    DbDisconnect(connection);
}

}  // namespace
