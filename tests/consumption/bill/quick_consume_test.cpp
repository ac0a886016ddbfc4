// The quick-consume panel: opening it for the selected member and building the bill.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "MemberListFixture.h"
#include "consumption/QuickConsume.h"
#include "controls/BalloonTip.h"
#include "controls/WindowOps.h"
#include "runtime/datetime.h"

namespace {

class QuickConsumeTest : public MemberListFixture {
  protected:
    void SetUp() override {
        MemberListFixture::SetUp();
        AddMember("1", "张三", "13800000001");
        AddRecharge("1", 100, 100);
        AddMember("2", "", "13900001111");
        AddRecharge("2", 50, 50);
        AddMember("0", "零号");  // its balance cell stays empty
        db.Run("UPDATE xmlist SET xm_del = 1");
        db.Run(
            "INSERT INTO xmlist (xm_name, xm_money, xm_del) VALUES ('套餐', '60', 0), "
            "('足疗', '40', 0), ('修脚', '41', 0), ('免费', '0', 0), ('按摩[加时]', '5', 0), "
            "('无价', '', 0)");
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        ClickMemberNavigation();
        ASSERT_NO_FATAL_FAILURE(WaitForPasses());
        SetMousePositionForTests(QPoint(300, 400));
    }
    void TearDown() override {
        SetMousePositionForTests(std::nullopt);
        SetCurrentDateTimeForTests(std::nullopt);
        MemberListFixture::TearDown();
    }

    void OpenFor(const std::string& card) {
        ListViewSetCurrentRow(visible(), RowOf(visible(), card));
        QTest::mouseClick(ui().按钮_消费, Qt::LeftButton);
        Pump(10);  // lays the item list out, as the event loop would before any click
    }
    void DoubleClickItem(const std::string& name) {
        QListWidget* items = ui().列表框_快速消费_消费项目清单;
        for (int i = 0; i < items->count(); ++i) {
            if (!items->item(i)->text().startsWith(QString::fromStdString(name + "["))) continue;
            const QPoint at = items->visualItemRect(items->item(i)).center();
            // What the window receives for a double click: press, release, double click, release.
            QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(items->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(items->viewport(), Qt::LeftButton, {}, at);
            return;
        }
        ADD_FAILURE() << "no item " << name;
    }
    std::string ItemId(const std::string& name) {
        return db.Rows("SELECT xm_id FROM xmlist WHERE xm_del = 0 AND xm_name = '" + name +
                       "'")[0][0];
    }

    std::string Total() { return TextOf(ui().编辑框_快速消费_消费总金额); }
    std::string Count() { return TextOf(ui().编辑框_快速消费_消费项目数); }
    std::string After() { return TextOf(ui().编辑框_快速消费_消费后余额); }
    std::string Remarks() { return TextOf(ui().编辑框_快速消费_备注); }
    int BillLines() { return ui().列表框_快速消费_结账清单->count(); }

    void ExpectRefusedAtThePointer() {
        ASSERT_EQ(dialogs().balloons().size(), 1u);
        const auto& shown = dialogs().balloons()[0];
        EXPECT_EQ(shown.text, "余额不足，不能消费");
        EXPECT_EQ(shown.unit, ui().气球提示框1);
        EXPECT_EQ(shown.x, 300);
        EXPECT_EQ(shown.y, 400);
        EXPECT_EQ(shown.style, -1);
        EXPECT_TRUE(shown.flag);
    }
};

TEST_F(QuickConsumeTest, OpeningShowsTheSelectedMemberWithAFreshBill) {
    const DateTime now = *MakeDateTime(2024, 3, 5, 14, 30, 15);
    SetCurrentDateTimeForTests(now);
    ui().外形框_新增会员->show();
    OpenFor("1");
    DoubleClickItem("套餐");
    OpenFor("1");  // every opening resets the bill

    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_FALSE(ui().外形框_快速消费->isHidden());
    EXPECT_EQ(ui().外形框_快速消费->pos(), QPoint(603, 111));
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_卡号), "1");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_姓名), "张三");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "100");
    EXPECT_TRUE(ui().编辑框_快速消费_手机号->isHidden());
    EXPECT_EQ(Total(), "");
    EXPECT_EQ(Count(), "");
    EXPECT_EQ(After(), "");
    EXPECT_EQ(Remarks(), "");
    EXPECT_EQ(BillLines(), 0);
    EXPECT_EQ(std::get<DateTime>(
                  GetUnitProperty(ui().日期框_消费管理_自定义时间, UnitProperty::DateValue))
                  .value,
              now.value);
    QListWidget* items = ui().列表框_快速消费_消费项目清单;
    std::vector<std::string> entries;
    for (int i = 0; i < ListBoxItemCount(items); ++i) entries.push_back(ListBoxItemText(items, i));
    EXPECT_EQ(entries, (std::vector<std::string>{"套餐[60]", "足疗[40]", "修脚[41]", "免费[0]",
                                                 "按摩[加时][5]", "无价[]"}));
    EXPECT_EQ(std::to_string(ListBoxItemData(items, 1)), ItemId("足疗"));
    EXPECT_EQ(window().focusWidget(), items);
}

TEST_F(QuickConsumeTest, AMemberWithoutANameGetsTheNoteWithThePhoneNumber) {
    OpenFor("2");
    EXPECT_FALSE(ui().编辑框_快速消费_手机号->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_手机号),
              "本会员姓名为空\r\n----------------\r\n手机号[13900001111]");
    OpenFor("1");
    EXPECT_TRUE(ui().编辑框_快速消费_手机号->isHidden());
}

// All three lines of the note are readable in its stored 121 x 36: nothing to scroll to,
// no line cut off at the right, no scroll bar.
TEST_F(QuickConsumeTest, TheNoteShowsItsThreeLinesAtItsStoredSize) {
    OpenFor("2");
    Pump(10);
    QPlainTextEdit* note = ui().编辑框_快速消费_手机号;
    ASSERT_EQ(note->size(), QSize(121, 36));
    const QFontMetrics metrics(note->font());
    const QStringList lines = note->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_LE(3 * metrics.lineSpacing(), note->viewport()->height());
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), note->viewport()->width()) << line.toStdString();
    EXPECT_EQ(note->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(note->verticalScrollBar()->isVisible());
    EXPECT_FALSE(note->horizontalScrollBar()->isVisible());
}

TEST_F(QuickConsumeTest, WithoutASelectedRowTheBillEmptiesAndThePanelKeepsItsMember) {
    OpenFor("1");
    DoubleClickItem("足疗");
    ListViewSetCurrentRow(visible(), -1);
    QTest::mouseClick(ui().按钮_快速消费_清空, Qt::LeftButton);
    EXPECT_EQ(BillLines(), 0);
    EXPECT_EQ(Total(), "");
    EXPECT_EQ(Count(), "");
    EXPECT_EQ(After(), "");
    EXPECT_EQ(Remarks(), "");
    EXPECT_FALSE(ui().外形框_快速消费->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_姓名), "张三");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "100");
    EXPECT_EQ(ListBoxItemCount(ui().列表框_快速消费_消费项目清单), 6);
}

TEST_F(QuickConsumeTest, TheBillTakesWhatTheBalanceCoversAndRefusesMore) {
    OpenFor("1");
    DoubleClickItem("套餐");
    EXPECT_EQ(Total(), "60");
    EXPECT_EQ(After(), "40");
    DoubleClickItem("修脚");  // 41 > 100 - 60
    ExpectRefusedAtThePointer();
    EXPECT_EQ(BillLines(), 1);
    EXPECT_EQ(Total(), "60");
    EXPECT_EQ(Count(), "1");
    DoubleClickItem("足疗");  // exactly what is left
    EXPECT_EQ(Total(), "100");
    EXPECT_EQ(Count(), "2");
    EXPECT_EQ(After(), "0");
    EXPECT_EQ(Remarks(), "{" + ItemId("套餐") + "}套餐[60]\r\n{" + ItemId("足疗") + "}足疗[40]");
    EXPECT_EQ(dialogs().balloons().size(), 1u);
}

TEST_F(QuickConsumeTest, AnEmptyBalanceRefusesEveryPricedItemAndTakesAFreeOne) {
    OpenFor("0");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "");
    DoubleClickItem("足疗");
    ExpectRefusedAtThePointer();
    EXPECT_EQ(BillLines(), 0);
    DoubleClickItem("免费");
    EXPECT_EQ(BillLines(), 1);
    EXPECT_EQ(Total(), "0");
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(After(), "0");
}

TEST_F(QuickConsumeTest, EveryDoubleClickAddsALineAndOddPricesCountAsTheirNumber) {
    OpenFor("1");
    QTest::mouseClick(ui().编辑框_快速消费_消费项目数, Qt::LeftButton);  // the empty bill
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    EXPECT_EQ(dialogs().balloons()[0].text, "");

    for (int i = 0; i < 3; ++i) DoubleClickItem("免费");
    const std::string line = "{" + ItemId("免费") + "}免费[0]";
    EXPECT_EQ(BillLines(), 3);
    EXPECT_EQ(Remarks(), line + "\r\n" + line + "\r\n" + line);
    EXPECT_EQ(Count(), "3");
    DoubleClickItem("按摩");  // its price reads "加时": 0
    DoubleClickItem("无价");
    EXPECT_EQ(Total(), "0");
    EXPECT_EQ(Count(), "5");

    dialogs().clear();
    QTest::mouseClick(ui().编辑框_快速消费_消费项目数, Qt::LeftButton);
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    const auto& shown = dialogs().balloons()[0];
    EXPECT_EQ(shown.text, "免费[0]\r\n免费[0]\r\n免费[0]\r\n按摩[加时][5]\r\n无价[]");
    EXPECT_EQ(shown.x, 300);
    EXPECT_EQ(shown.y, 385);
    EXPECT_EQ(shown.style, 1);
    EXPECT_TRUE(shown.flag);
}

TEST_F(QuickConsumeTest, ATypedTotalAboveTheBalanceIsCutBackToIt) {
    OpenFor("1");
    QTest::keyClicks(ui().编辑框_快速消费_消费总金额, "80");
    EXPECT_EQ(After(), "20");
    EXPECT_TRUE(dialogs().balloons().empty());
    QTest::keyClicks(ui().编辑框_快速消费_消费总金额, "5");  // 805
    EXPECT_EQ(Total(), "100");
    EXPECT_EQ(After(), "0");
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    EXPECT_EQ(dialogs().balloons()[0].text, "余额不足，不能消费");
    EXPECT_EQ(dialogs().balloons()[0].x, window().x() + 900);
    EXPECT_EQ(dialogs().balloons()[0].y, window().y() + 360);
}

TEST_F(QuickConsumeTest, TheCloseButtonOnlyHidesThePanel) {
    OpenFor("1");
    DoubleClickItem("足疗");
    QTest::mouseClick(ui().按钮_快速消费_关闭, Qt::LeftButton);
    EXPECT_TRUE(ui().外形框_快速消费->isHidden());
    EXPECT_EQ(Total(), "40");
    EXPECT_EQ(BillLines(), 1);
}

}  // namespace
