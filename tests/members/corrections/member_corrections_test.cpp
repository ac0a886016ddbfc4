// Renaming a member and changing a member's phone from the menu 会员操作.
#include "MemberCorrectionFixture.h"

namespace {

class MemberCorrectionsTest : public MemberCorrectionFixture {};

TEST_F(MemberCorrectionsTest, TheMenuPopsUpForEveryoneButOnlyChiefCorrects) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    const auto before = Members();
    for (const char* tel : {"chief", "Chief ", "13800000001"}) {
        operatorTel = tel;
        SelectCard("2");
        QTest::mouseClick(members()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        ASSERT_TRUE(WaitUntil([this] { return memberMenu()->isVisible(); })) << tel;
        QStringList entries;
        for (QAction* action : memberMenu()->actions()) entries << action->text();
        EXPECT_EQ(entries, (QStringList{"删除会员", "修改姓名", "修改电话"}));
        memberMenu()->hide();
        dialogs().queueInputBoxText("新名");
        dialogs().queueInputBoxText("123");
        Choose("删除会员");
        Choose("修改姓名");
        Choose("修改电话");
        QTest::keyClick(members(), Qt::Key_Delete);
        EXPECT_EQ(dialogs().shownTexts(), std::vector<std::string>{}) << tel;
        dialogs().clear();
    }
    EXPECT_EQ(Members(), before);
    EXPECT_EQ(ListViewRowCount(members()), 3);
}

TEST_F(MemberCorrectionsTest, RenamingChangesTheHistoryRowsWithExactlyTheOldNameOnly) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    for (const char* table : {"paylist", "costlist"})
        db.Run(std::string("INSERT INTO ") + table +
               " (user_id, user_name) VALUES (2, 'Tom'), (2, 'tom'), (2, 'Tom '), (2, 'TOM'), "
               "(2, '汤姆'), (3, 'Tom')");
    SelectCard("2");
    const int connections = OpenConnections();
    dialogs().queueInputBoxText("Jerry");
    Choose("修改姓名");

    ASSERT_EQ(dialogs().inputBoxes().size(), 1u);
    EXPECT_EQ(dialogs().inputBoxes()[0].prompt, "请输入新的用户姓名");
    EXPECT_EQ(dialogs().inputBoxes()[0].title, "修改会员姓名");
    EXPECT_EQ(dialogs().inputBoxes()[0].initial, "Tom");
    EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(BalloonTexts(),
              (std::vector<std::string>{"修改用户姓名成功，原姓名为：Tom、新姓名为：Jerry"}));
    EXPECT_EQ(db.Rows("SELECT user_name FROM userlist WHERE user_id = 2")[0][0], "Jerry");
    const std::vector<std::vector<std::string>> history = {
        {"2", "Jerry"}, {"2", "tom"}, {"2", "Tom "}, {"2", "TOM"}, {"2", "汤姆"}, {"3", "Tom"}};
    for (const char* table : {"paylist", "costlist"})
        EXPECT_EQ(db.Rows(std::string("SELECT user_id, user_name FROM ") + table), history)
            << table;
    const int row = RowOfCard("2");
    EXPECT_EQ(ListViewGetCell(members(), row, 1), "Jerry");
    EXPECT_EQ(RowCells(spareMembers(), RowOfCard("2", spareMembers())), RowCells(members(), row));
    EXPECT_TRUE(ConnectionsBackTo(connections));
}

TEST_F(MemberCorrectionsTest, ChangingThePhoneStoresItInTheMemberRowAndBothLists) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    SelectCard("3");
    dialogs().queueInputBoxText("13600000000");
    Choose("修改电话");
    ASSERT_EQ(dialogs().inputBoxes().size(), 1u);
    EXPECT_EQ(dialogs().inputBoxes()[0].prompt, "请输入新的用户电话");
    EXPECT_EQ(dialogs().inputBoxes()[0].title, "修改会员电话");
    EXPECT_EQ(dialogs().inputBoxes()[0].initial, "15000000003");
    EXPECT_EQ(BalloonTexts(),
              (std::vector<std::string>{
                  "修改用户电话成功，原电话为：15000000003、新电话为：13600000000"}));
    EXPECT_EQ(db.Rows("SELECT user_tel FROM userlist WHERE user_id = 3")[0][0], "13600000000");
    EXPECT_EQ(ListViewGetCell(members(), RowOfCard("3"), 2), "13600000000");
    EXPECT_EQ(ListViewGetCell(spareMembers(), RowOfCard("3", spareMembers()), 2), "13600000000");
}

TEST_F(MemberCorrectionsTest, AnUnchangedEmptiedOrCancelledEntryAsksNothingFurther) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    const auto before = Members();
    SelectCard("2");
    dialogs().queueInputBoxText("Tom");
    Choose("修改姓名");
    dialogs().queueInputBoxText("");
    Choose("修改姓名");
    dialogs().queueInputBoxCancel();
    Choose("修改电话");
    dialogs().queueInputBoxText("13900000002");
    Choose("修改电话");
    EXPECT_EQ(dialogs().inputBoxes().size(), 4u);
    EXPECT_TRUE(dialogs().messageBoxes().empty());
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(Members(), before);
}

TEST_F(MemberCorrectionsTest, ANameDifferingByATrailingBlankIsStoredWithIt) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    db.Run("INSERT INTO paylist (user_id, user_name) VALUES (2, 'Tom')");
    SelectCard("2");
    dialogs().queueInputBoxText("Tom ");
    Choose("修改姓名");
    EXPECT_EQ(db.Rows("SELECT CONCAT('[', user_name, ']') FROM userlist WHERE user_id = 2")[0][0],
              "[Tom ]");
    EXPECT_EQ(db.Rows("SELECT CONCAT('[', user_name, ']') FROM paylist")[0][0], "[Tom ]");
}

TEST_F(MemberCorrectionsTest, ABadValueIsRefusedAfterTheQuestionAndNothingChanges) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    db.Run("INSERT INTO paylist (user_id, user_name) VALUES (2, 'Tom')");
    const auto before = Members();
    SelectCard("2");
    const int connections = OpenConnections();
    for (const char* bad : {"O'Brien", "a\\b", "x\"y", "汤😀", "' OR '1'='1"}) {
        dialogs().queueInputBoxText(bad);
        Choose("修改姓名");
        dialogs().queueInputBoxText(bad);
        Choose("修改电话");
    }
    EXPECT_EQ(dialogs().messageBoxes().size(), 10u);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(Members(), before);
    EXPECT_EQ(db.Rows("SELECT user_name FROM paylist")[0][0], "Tom");
    EXPECT_EQ(RowCells(members(), RowOfCard("2"))[1], "Tom");
    EXPECT_EQ(RowCells(members(), RowOfCard("2"))[2], "13900000002");
    EXPECT_TRUE(ConnectionsBackTo(connections));
}

TEST_F(MemberCorrectionsTest, ACorrectionOfAMemberDeletedAtAnotherDeskShowsNothing) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    db.Run("UPDATE userlist SET user_del = 1 WHERE user_id = 2");
    db.Run("INSERT INTO paylist (user_id, user_name) VALUES (2, 'Tom')");
    const auto before = Members();
    SelectCard("2");
    dialogs().queueInputBoxText("Jerry");
    Choose("修改姓名");
    dialogs().queueInputBoxText("123");
    Choose("修改电话");
    EXPECT_EQ(dialogs().messageBoxes().size(), 2u);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(Members(), before);
    EXPECT_EQ(db.Rows("SELECT user_name FROM paylist")[0][0], "Tom");
    EXPECT_EQ(RowCells(members(), RowOfCard("2"))[1], "Tom");
}

TEST_F(MemberCorrectionsTest, WithoutTheDatabaseTheQuestionIsAskedAndThenNothingShows) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    const auto before = Members();
    SelectCard("2");
    CutDatabase();
    dialogs().queueInputBoxText("Jerry");
    Choose("修改姓名");
    QTest::keyClick(members(), Qt::Key_Delete);
    EXPECT_EQ(dialogs().messageBoxes().size(), 2u);
    EXPECT_TRUE(dialogs().balloons().empty());
    EXPECT_EQ(Members(), before);
    EXPECT_EQ(ListViewRowCount(members()), 3);
}

}  // namespace
