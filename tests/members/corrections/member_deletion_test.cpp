// Deleting a member from the member list: marked deleted, gone from the lists, its card
// number still taken.
#include "MemberCorrectionFixture.h"
#include "db/shared.h"
#include "members/MemberPanel.h"
#include "members/MemberPanelCardClaim.h"

namespace {

class MemberDeletionTest : public MemberCorrectionFixture {};

TEST_F(MemberDeletionTest, TheDeleteKeyWithAnyShiftStateMarksTheMemberDeleted) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    db.Run(
        "INSERT INTO paylist (user_id, user_name, pay_money, pay_total) VALUES (2, 'Tom', 5, 5)");
    const std::pair<const char*, Qt::KeyboardModifiers> cases[] = {
        {"3", Qt::NoModifier}, {"2", Qt::ShiftModifier}, {"1", Qt::ControlModifier}};
    for (const auto& [card, modifiers] : cases) {
        SelectCard(card);
        QTest::keyClick(members(), Qt::Key_Backspace, modifiers);  // no other key deletes
        EXPECT_TRUE(dialogs().shownTexts().empty());
        SetText(ui().编辑框_会员管理_搜索, "1");
        SelectCard(card);
        const std::string name = ListViewGetCell(members(), RowOfCard(card), 1);
        QTest::keyClick(members(), Qt::Key_Delete, modifiers);
        EXPECT_EQ(BalloonTexts(),
                  std::vector<std::string>{"删除用户成功，用户ID为：" + std::string(card) +
                                           "、用户姓名为：" + name});
        EXPECT_EQ(TextOf(ui().编辑框_会员管理_搜索), "");
        WaitForWorkers();
        EXPECT_EQ(RowOfCard(card), -1);
        EXPECT_EQ(RowOfCard(card, spareMembers()), -1);
        EXPECT_EQ(ListViewRowCount(members()), ListViewRowCount(spareMembers()));
        dialogs().clear();
    }
    // The rows stay, marked; the history stays with the card.
    EXPECT_EQ(Members(),
              (std::vector<std::vector<std::string>>{{"1", "1", "张三", "13800000001"},
                                                     {"2", "1", "Tom", "13900000002"},
                                                     {"3", "1", "李四", "15000000003"}}));
    EXPECT_EQ(db.CountRows("paylist"), 1);
    EXPECT_EQ(ListViewRowCount(members()), 0);
}

TEST_F(MemberDeletionTest, ADeletedCardNumberIsNeitherSuggestedNorFreeForANewMember) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    SelectCard("3");
    Choose("删除会员");
    WaitForWorkers();
    ASSERT_EQ(db.Rows("SELECT user_del FROM userlist WHERE user_id = 3"),
              (std::vector<std::vector<std::string>>{{"1"}}));
    EXPECT_EQ(NextCardNumber(), "4");
    const DbHandle connection = OpenPrivateConnection();
    MemberRecord record;
    record.user_id = "3";
    record.user_del = "0";
    record.user_name = "新人";
    EXPECT_EQ(StoreMemberIfCardFree(connection, record), MemberStoreResult::CardTaken);
    DbClose(connection);
}

TEST_F(MemberDeletionTest, ASuccessfulDeletionHidesBothPanelsOfPageZero) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    SelectCard("2");
    Click(ui().按钮_消费);
    Pump(5);
    ASSERT_FALSE(ui().外形框_快速消费->isHidden());
    Choose("删除会员");
    WaitForWorkers();
    EXPECT_TRUE(ui().外形框_快速消费->isHidden());
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());

    SelectCard("1");
    Click(ui().按钮_新增会员);
    Pump(5);
    ASSERT_FALSE(ui().外形框_新增会员->isHidden());
    Choose("删除会员");
    WaitForWorkers();
    EXPECT_TRUE(ui().外形框_快速消费->isHidden());
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
}

TEST_F(MemberDeletionTest, CancelAsksNoMoreAndAMemberGoneElsewhereLeavesTheListSilently) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    const auto before = Members();
    SelectCard("2");
    dialogs().queueMessageBoxAnswer(1);
    Choose("删除会员");
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"未进行操作"});
    EXPECT_EQ(Members(), before);
    dialogs().clear();

    // Deleted at another desk since the list was loaded: nothing is said, and the list
    // loads again, without the member.
    db.Run("UPDATE userlist SET user_del = 1 WHERE user_id = 2");
    const int connections = OpenConnections();
    Choose("删除会员");
    EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_TRUE(dialogs().balloons().empty());
    WaitForWorkers();
    EXPECT_EQ(RowOfCard("2"), -1);
    EXPECT_EQ(RowOfCard("2", spareMembers()), -1);
    EXPECT_EQ(ListViewRowCount(members()), 2);
    EXPECT_TRUE(ConnectionsBackTo(connections));
    dialogs().clear();

    // Out of reach: nothing is known, so the list stays as it was.
    SelectCard("3");
    CutDatabase();
    Choose("删除会员");
    EXPECT_TRUE(dialogs().balloons().empty());
    WaitForWorkers();
    EXPECT_EQ(ListViewRowCount(members()), 2);
    EXPECT_NE(RowOfCard("3"), -1);
}

TEST_F(MemberDeletionTest, OnAnEmptyListTheMenuStillOpensAndItsEntriesDoNothing) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    operatorTel = "Chief";
    ASSERT_EQ(ListViewRowCount(members()), 0);
    QTest::mouseClick(members()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_TRUE(WaitUntil([this] { return memberMenu()->isVisible(); }));
    memberMenu()->hide();
    Choose("删除会员");
    QTest::keyClick(members(), Qt::Key_Delete);
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

}  // namespace
