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

// Quotes and backslashes go in escaped, as a new member's do: stored byte for byte, and a
// name holding them is matched exactly in the history at the next rename.
TEST_F(MemberCorrectionsTest, QuotesAndBackslashesAreStoredAsTyped) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    for (const char* table : {"paylist", "costlist"})
        db.Run(std::string("INSERT INTO ") + table +
               " (user_id, user_name) VALUES (2, 'Tom'), (2, 'o\\'neil'), (2, '王\"五 '), "
               "(3, 'O\\'Neil')");
    SelectCard("2");
    const int connections = OpenConnections();
    const struct {
        const char* oldName;
        const char* newName;
        std::vector<std::string> history;  // the names of the four rows afterwards
    } renames[] = {
        {"Tom", "O'Neil", {"O'Neil", "o'neil", "王\"五 ", "O'Neil"}},
        {"O'Neil", "王\"五", {"王\"五", "o'neil", "王\"五 ", "O'Neil"}},
        {"王\"五", "李\\四", {"李\\四", "o'neil", "王\"五 ", "O'Neil"}},
    };
    for (const auto& r : renames) {
        SCOPED_TRACE(r.newName);
        dialogs().clear();
        dialogs().queueInputBoxText(r.newName);
        Choose("修改姓名");
        EXPECT_EQ(BalloonTexts(),
                  std::vector<std::string>{std::string("修改用户姓名成功，原姓名为：") + r.oldName +
                                           "、新姓名为：" + r.newName});
        EXPECT_EQ(db.Rows("SELECT user_name FROM userlist WHERE user_id = 2")[0][0], r.newName);
        for (const char* table : {"paylist", "costlist"}) {
            std::vector<std::string> names;
            for (const auto& row : db.Rows(std::string("SELECT user_name FROM ") + table))
                names.push_back(row[0]);
            EXPECT_EQ(names, r.history) << table;
        }
        EXPECT_EQ(ListViewGetCell(members(), RowOfCard("2"), 1), r.newName);
        EXPECT_EQ(ListViewGetCell(spareMembers(), RowOfCard("2", spareMembers()), 1), r.newName);
    }
    const std::pair<const char*, const char*> phones[] = {{"13900000002", "139'0\"0\\2"},
                                                          {"139'0\"0\\2", "' OR '1'='1"}};
    for (const auto& [oldPhone, newPhone] : phones) {
        dialogs().clear();
        dialogs().queueInputBoxText(newPhone);
        Choose("修改电话");
        EXPECT_EQ(BalloonTexts(),
                  std::vector<std::string>{std::string("修改用户电话成功，原电话为：") + oldPhone +
                                           "、新电话为：" + newPhone});
        EXPECT_EQ(db.Rows("SELECT user_tel FROM userlist WHERE user_id = 2")[0][0], newPhone);
        EXPECT_EQ(ListViewGetCell(members(), RowOfCard("2"), 2), newPhone);
    }
    EXPECT_EQ(db.Rows("SELECT user_name FROM userlist WHERE user_id <> 2"),
              (std::vector<std::vector<std::string>>{{"张三"}, {"李四"}}));
    EXPECT_TRUE(ConnectionsBackTo(connections));
}

// What the tables cannot hold (GBK, the column's length) fails as a new member's insert
// does: after the question nothing is shown and nothing changes.
TEST_F(MemberCorrectionsTest, ATextTheTablesCannotHoldChangesNothingAndShowsNothing) {
    ASSERT_NO_FATAL_FAILURE(StartAsAdministrator());
    db.Run("INSERT INTO paylist (user_id, user_name) VALUES (2, 'Tom')");
    SelectCard("2");
    const int connections = OpenConnections();
    std::string longest;
    for (int i = 0; i < 100; ++i) longest += "汉";
    const struct {
        const char* entry;
        std::string text;
        bool stored;
    } cases[] = {
        {"修改姓名", "汤😀", false},
        {"修改姓名", "欧€", false},  // iconv's GBK holds it, the server's does not
        {"修改姓名", std::string(101, 'x'), false},
        {"修改电话", "😀", false},
        {"修改电话", std::string(65, '1'), false},
        {"修改电话", std::string(64, '9'), true},
        {"修改姓名", longest, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto before = Members();
        const auto cells = RowCells(members(), RowOfCard("2"));
        dialogs().clear();
        dialogs().queueInputBoxText(c.text);
        Choose(QString::fromUtf8(c.entry));
        EXPECT_EQ(dialogs().messageBoxes().size(), 1u);
        if (c.stored) {
            EXPECT_EQ(dialogs().balloons().size(), 1u);
            EXPECT_NE(Members(), before);
            continue;
        }
        EXPECT_TRUE(dialogs().balloons().empty());
        EXPECT_EQ(Members(), before);
        EXPECT_EQ(RowCells(members(), RowOfCard("2")), cells);
    }
    EXPECT_EQ(db.Rows("SELECT user_name FROM paylist")[0][0], longest);
    EXPECT_EQ(db.Rows("SELECT user_name, user_tel FROM userlist WHERE user_id = 2"),
              (std::vector<std::vector<std::string>>{{longest, std::string(64, '9')}}));
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
