// The item sub-panel: the list, adding and deleting items behind the password asked again.
#include <QTest>

#include "SignedInWindow.h"
#include "backoffice/ServiceItems.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"

namespace {

const char kEmptyMessage[] = "项目名称和金额不能同时为空";

class ServiceItemsTest : public SignedInWindow {
  protected:
    void Open() {
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        Click(ui().按钮_系统设置);
        Click(ui().按钮_系统设置_修改消费项目);
        dialogs().clear();
    }
    ListView* items() { return ui().超级列表框_项目设置; }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int row = 0; row < ListViewRowCount(items()); ++row)
            names.push_back(ListViewGetCell(items(), row, 1));
        return names;
    }
    void Add(const std::string& name, const std::string& price) {
        SetText(ui().编辑框_项目名称, name);
        SetText(ui().编辑框_项目金额, price);
        dialogs().queueInputBoxText("Abc123");
        Click(ui().按钮_新增项目);
    }
    int Items() { return db.CountRows("xmlist"); }
};

TEST_F(ServiceItemsTest, AnItemIsAddedAfterThePasswordAndListedWithItsId) {
    ASSERT_NO_FATAL_FAILURE(Open());
    Add("刮痧", "45");
    ASSERT_EQ(dialogs().inputBoxes().size(), 1u);
    EXPECT_EQ(dialogs().inputBoxes()[0].prompt, "需要二次确认密码，请输入");
    EXPECT_EQ(dialogs().inputBoxes()[0].title, "密码二次验证");
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"新增成功"});
    EXPECT_EQ(TextOf(ui().编辑框_项目名称), "");
    EXPECT_EQ(TextOf(ui().编辑框_项目金额), "");
    const auto stored =
        db.Rows("SELECT xm_id, xm_name, xm_money, xm_del FROM xmlist WHERE xm_id = 6");
    ASSERT_EQ(stored, (std::vector<std::vector<std::string>>{{"6", "刮痧", "45", "0"}}));
    ASSERT_EQ(ListViewRowCount(items()), 6);
    for (const auto& [column, text] :
         std::vector<std::pair<int, std::string>>{{0, "6"}, {1, "刮痧"}, {2, "45"}, {3, ""}})
        EXPECT_EQ(ListViewGetCell(items(), 5, column), text);

    Add("刮痧", "45");  // the same name again is a second item
    EXPECT_EQ(Items(), 7);
    EXPECT_EQ(ListViewGetCell(items(), 6, 0), "7");
}

// A negative price would raise the balance of whoever is billed for it, and a bracket in the
// name would make the quick bill read its price from the name.
TEST_F(ServiceItemsTest, RefusedEntriesAskNothingAndWriteNothing) {
    ASSERT_NO_FATAL_FAILURE(Open());
    struct Case {
        std::string name, price, message;
    };
    const std::vector<Case> cases = {
        {"刮痧", "", kEmptyMessage},
        {"刮痧", "0", kEmptyMessage},
        {"", "45", kEmptyMessage},
        {"刮痧", "0.50", kEmptyMessage},
        {"刮痧", "-45", kEmptyMessage},
        {"刮痧", "45元", kEmptyMessage},
        {"足疗[VIP]", "45", "项目名称不能含有[或]"},
        {"足疗]", "45", "项目名称不能含有[或]"},
    };
    for (const Case& c : cases) {
        dialogs().clear();
        SetText(ui().编辑框_项目名称, c.name);
        SetText(ui().编辑框_项目金额, c.price);
        Click(ui().按钮_新增项目);
        ASSERT_EQ(dialogs().messageBoxes().size(), 1u) << c.name << " " << c.price;
        EXPECT_EQ(dialogs().messageBoxes()[0].message, c.message) << c.name << " " << c.price;
        EXPECT_EQ(dialogs().messageBoxes()[0].title, "错误提示");
        EXPECT_TRUE(dialogs().inputBoxes().empty());
        EXPECT_EQ(TextOf(ui().编辑框_项目名称), c.name);
    }
    EXPECT_EQ(Items(), 5);
}

TEST_F(ServiceItemsTest, ThePriceBoxTakesOnlyPlainNonNegativeAmounts) {
    ASSERT_NO_FATAL_FAILURE(Open());
    QLineEdit* price = ui().编辑框_项目金额;
    for (const auto& [typed, kept] : std::vector<std::pair<QString, std::string>>{
             {"-45", "45"}, {"4a5", "45"}, {"12.345", "12.34"}, {"1e3", "13"}}) {
        price->clear();
        QTest::keyClicks(price, typed);
        EXPECT_EQ(TextOf(price), kept) << typed.toStdString();
    }
}

TEST_F(ServiceItemsTest, AWrongPasswordOrAFailedInsertKeepsTheBoxes) {
    ASSERT_NO_FATAL_FAILURE(Open());
    SetText(ui().编辑框_项目名称, "刮痧");
    SetText(ui().编辑框_项目金额, "45");
    dialogs().queueInputBoxText("abc123");
    Click(ui().按钮_新增项目);
    EXPECT_EQ(dialogs().messageBoxes().back().message, "密码验证错误，不能修改");
    EXPECT_EQ(Items(), 5);

    CutDatabase();
    dialogs().clear();
    dialogs().queueInputBoxText("Abc123");
    Click(ui().按钮_新增项目);
    EXPECT_EQ(BalloonTexts(), std::vector<std::string>{"操作失败，错误代码[561254545]"});
    EXPECT_EQ(TextOf(ui().编辑框_项目名称), "刮痧");
    EXPECT_EQ(TextOf(ui().编辑框_项目金额), "45");
    EXPECT_EQ(ListViewRowCount(items()), 5);
}

TEST_F(ServiceItemsTest, ADeletedItemVanishesAndStaysFlagged) {
    ASSERT_NO_FATAL_FAILURE(Open());
    Click(ui().按钮_删除项目);  // no row selected: nothing asked
    EXPECT_TRUE(dialogs().inputBoxes().empty());

    const std::string name = ListViewGetCell(items(), 1, 1);
    ListViewSetCurrentRow(items(), 1);
    dialogs().queueInputBoxText("Abc123");
    Click(ui().按钮_删除项目);
    ASSERT_EQ(dialogs().inputBoxes().size(), 1u);
    EXPECT_EQ(dialogs().inputBoxes()[0].title, "密码二次验证");
    EXPECT_TRUE(dialogs().messageBoxes().empty());
    EXPECT_EQ(ListViewRowCount(items()), 4);
    EXPECT_EQ(db.Rows("SELECT xm_name, xm_del FROM xmlist WHERE xm_id = 2"),
              (std::vector<std::vector<std::string>>{{name, "1"}}));

    // Listed with the deleted ones, it reads "_[" name "]"; the reload lists the live ones.
    LoadServiceItems(true);
    EXPECT_EQ(ListViewGetCell(items(), 1, 1), "_[" + name + "]");
    Click(ui().按钮_项目消费重新载入);
    EXPECT_EQ(ListViewRowCount(items()), 4);

    ListViewSetCurrentRow(items(), 0);
    CutDatabase();
    dialogs().clear();
    dialogs().queueInputBoxText("Abc123");
    Click(ui().按钮_删除项目);
    ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
    EXPECT_EQ(dialogs().messageBoxes()[0].message, "操作失败");
    EXPECT_EQ(dialogs().messageBoxes()[0].title, "错误提示[56522145]");
    EXPECT_EQ(ListViewRowCount(items()), 4);
}

}  // namespace
