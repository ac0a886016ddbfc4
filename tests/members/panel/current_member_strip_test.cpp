// The current-member strip follows the selection; a row change re-opens the open panel.
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"

namespace {

class CurrentMemberStripTest : public SignedInWindow {
  protected:
    void SetUp() override {
        SignedInWindow::SetUp();
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        // Rows as a load and the totals pass leave them.
        AppendListRow({"7", "王一", "13800000007", "", "", "", "", "", ""});
        AppendListRow({"8", "赵二", "", "1", "100", "100", "2", "150", "-50"});
        AppendListRow({"9", "钱三", "139", "1", "20", "20", "", "", "20"});
        AppendListRow({"", "无卡", "", "", "", "", "", "", ""});
    }

    std::vector<std::string> Strip() {
        return {TextOf(ui().编辑框_全局_卡号), TextOf(ui().编辑框_全局_姓名),
                TextOf(ui().编辑框_全局_余额)};
    }

    // One tick of 时钟1 (200 ms) and slack for a busy machine.
    bool WithinATick(const std::function<bool()>& done) {
        return WaitUntil(done, std::chrono::milliseconds(400));
    }

    bool StripShown() { return !ui().外形框_当前用户->isHidden(); }
};

TEST_F(CurrentMemberStripTest, FollowsTheSelectionWithinATick) {
    EXPECT_FALSE(StripShown());
    const std::pair<int, std::vector<std::string>> cases[] = {
        {0, {"7", "王一", ""}},  // no balance computed (yet, or the query failed): no figure
        {1, {"8", "赵二", "-50"}},
        {2, {"9", "钱三", "20"}},
    };
    for (const auto& [row, shown] : cases) {
        ListViewSetCurrentRow(members(), row);
        EXPECT_TRUE(WithinATick([&] { return StripShown() && Strip() == shown; })) << row;
    }
    // Whatever is typed into the strip is overwritten by the next tick.
    SetText(ui().编辑框_全局_姓名, "别人");
    EXPECT_TRUE(WithinATick([&] { return TextOf(ui().编辑框_全局_姓名) == "钱三"; }));

    ListViewSetCurrentRow(members(), -1);
    EXPECT_TRUE(WithinATick([&] { return !StripShown(); }));
    // Hidden on every page.
    Click(ui().按钮_系统设置);
    Pump(250);
    EXPECT_FALSE(StripShown());
}

// The first and last column of a grab holding ink of the balance's green (white has blue 255).
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qBlue(image.pixel(x, y)) < 230) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

// A balance too wide for its box first takes the strip's room left of it that the name leaves
// free, and only then a smaller size; the box's right edge stays.
TEST_F(CurrentMemberStripTest, EveryBalanceIsPaintedWhole) {
    QLineEdit* box = ui().编辑框_全局_余额;
    QLineEdit* name = ui().编辑框_全局_姓名;
    const QRect stored = box->geometry();
    ASSERT_EQ(stored, QRect(170, 55, 58, 26));
    struct Case {
        const char *name, *balance;
        bool storedSize;
    };
    const Case cases[] = {
        {"孙五", "20", true},
        {"孙五", "123456", true},
        {"孙五", "2750000040", true},
        {"孙五", "-9223372036854775808", false},
        {"欧阳明月光", "123456", false},
        {"欧阳明月光", "-2750000040", false},
    };
    for (const Case& c : cases) {
        AppendListRow({"5", c.name, "", "", "", "", "", "", c.balance});
        ListViewSetCurrentRow(members(), ListViewRowCount(members()) - 1);
        ASSERT_TRUE(WithinATick([&] { return TextOf(box) == c.balance; })) << c.balance;
        const QString figure = QString::fromUtf8(c.balance);
        const int advance = QFontMetrics(box->font()).horizontalAdvance(figure);
        EXPECT_EQ(box->font().pixelSize() == 20, c.storedSize) << c.balance;
        EXPECT_TRUE(box->font().bold());
        if (QString(c.balance).size() <= 2) {
            EXPECT_EQ(box->geometry(), stored);
        }
        EXPECT_EQ(box->geometry().right(), stored.right()) << c.balance;
        const int nameEnd =
            name->x() + 2 + QFontMetrics(name->font()).horizontalAdvance(QString(c.name));
        EXPECT_GE(box->x(), std::min(nameEnd, stored.x())) << c.name << " " << c.balance;
        // The box's own margins (2 px a side) and the cursor's pixel.
        EXPECT_LE(advance, box->width() - 5) << c.balance << " at " << box->font().pixelSize();
        const auto [first, last] =
            InkColumns(ui().外形框_当前用户->grab(box->geometry()).toImage());
        EXPECT_GT(first, 0) << c.balance;
        EXPECT_LT(last, box->width() - 1) << c.balance;
        EXPECT_GE(last - first + 1, advance - 4) << c.balance;
    }
}

TEST_F(CurrentMemberStripTest, ARowChangeReopensTheMemberPanelInRechargeMode) {
    // Open for a new member, then select a row: recharge mode for that member.
    Click(ui().按钮_新增会员);
    SetText(ui().编辑框_新增会员_姓名, "正在新建");
    ListViewSetCurrentRow(members(), 0);
    EXPECT_FALSE(ui().外形框_新增会员->isHidden());
    EXPECT_EQ(ui().外形框_新增会员->pos(), QPoint(509, 111));
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "7");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_姓名), "王一");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_手机号), "13800000007");
    EXPECT_FALSE(ui().编辑框_新增会员_姓名->isEnabled());

    // Another row: the typed amounts go, the new member comes.
    SetText(ui().编辑框_新增会员_充值金额, "30");
    SetText(ui().编辑框_新增会员_充值赠送, "5");
    ListViewSetCurrentRow(members(), 1);
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "8");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值金额), "");
    EXPECT_EQ(TextOf(ui().编辑框_新增会员_充值赠送), "");

    // No selection, or a row without a card number: the panel keeps its member.
    for (int row : {-1, 3}) {
        ListViewSetCurrentRow(members(), row);
        EXPECT_FALSE(ui().外形框_新增会员->isHidden());
        EXPECT_EQ(TextOf(ui().编辑框_新增会员_卡号), "8");
    }
    EXPECT_TRUE(dialogs().shownTexts().empty());
}

TEST_F(CurrentMemberStripTest, ARowChangeOpensNothingWhileBothPanelsAreHidden) {
    ListViewSetCurrentRow(members(), 0);
    ListViewSetCurrentRow(members(), 1);
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_TRUE(ui().外形框_快速消费->isHidden());
}

TEST_F(CurrentMemberStripTest, ARowChangeRefillsTheQuickConsumePanel) {
    ListViewSetCurrentRow(members(), 2);
    Click(ui().按钮_消费);
    ASSERT_FALSE(ui().外形框_快速消费->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_卡号), "9");
    SetText(ui().编辑框_快速消费_备注, "{1}足疗[68]");

    ListViewSetCurrentRow(members(), 1);
    EXPECT_FALSE(ui().外形框_快速消费->isHidden());
    EXPECT_TRUE(ui().外形框_新增会员->isHidden());
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_卡号), "8");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_姓名), "赵二");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_现有余额), "-50");
    EXPECT_EQ(TextOf(ui().编辑框_快速消费_备注), "");
}

// The grab of a box over the columns where the prefix's characters stand when the box shows
// the beginning of its text.
QImage StartOfBox(QLineEdit* box, const QString& prefix) {
    const int textLeft = box->contentsRect().left() + box->textMargins().left() + 2;
    const int width = textLeft + QFontMetrics(box->font()).horizontalAdvance(prefix) - 1;
    return box->grab().toImage().copy(0, 0, width, box->height());
}

// A stored name (and phone) too long for its box shows its beginning: the box paints the
// first characters where it paints them for the short text alone.
TEST_F(CurrentMemberStripTest, ALongNameShowsItsBeginningInEveryBox) {
    std::string name = "司马";
    for (int i = 0; i < 30; ++i) name += "长";
    name += "名";
    const std::string phone = "139" + std::string(40, '8');
    AppendListRow({"10", name, phone, "1", "20", "20", "", "", "20"});
    const int row = ListViewRowCount(members()) - 1;

    struct Box {
        const char* what;
        QLineEdit* box;
        QWidget* opener;  // nullptr: the strip, shown by the timer
        QString prefix;
    };
    const std::vector<Box> boxes = {
        {"strip", ui().编辑框_全局_姓名, nullptr, QStringLiteral("司马")},
        {"quick consume", ui().编辑框_快速消费_姓名, ui().按钮_消费, QStringLiteral("司马")},
        {"panel name", ui().编辑框_新增会员_姓名, ui().按钮_充值, QStringLiteral("司马")},
        {"panel phone", ui().编辑框_新增会员_手机号, ui().按钮_充值, QStringLiteral("139")},
    };
    const auto shownGrabs = [&](const std::string& cellName) {
        std::vector<QImage> grabs;
        ListViewSetCurrentRow(members(), row);
        for (const Box& b : boxes) {
            if (b.opener)
                Click(b.opener);
            else
                EXPECT_TRUE(WithinATick([&] { return TextOf(b.box) == cellName; })) << b.what;
            grabs.push_back(StartOfBox(b.box, b.prefix));
        }
        return grabs;
    };

    const std::vector<QImage> longTexts = shownGrabs(name);
    for (const Box& b : boxes)
        ASSERT_GT(QFontMetrics(b.box->font()).horizontalAdvance(b.box->text()),
                  b.box->contentsRect().width())
            << b.what;
    ListViewSetCell(members(), row, 1, "司马");
    ListViewSetCell(members(), row, 2, "139");
    ListViewSetCurrentRow(members(), -1);
    const std::vector<QImage> prefixes = shownGrabs("司马");
    for (size_t i = 0; i < boxes.size(); ++i)
        EXPECT_TRUE(longTexts[i] == prefixes[i]) << boxes[i].what;
}

}  // namespace
