// The totals label of both history pages: it stands above the date panel, and a totals
// text longer than the label is painted whole.
#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>

#include "SignedInWindow.h"
#include "controls/FittingLabel.h"
#include "controls/ShapePanel.h"
#include "controls/UnitProperties.h"
#include "controls/WindowOps.h"

namespace {

struct HistoryPage {
    const char* name;
    QWidget* navigation;
    FittingLabel* totals;
    QCheckBox* periodBox;
    ShapePanel* datePanel;
    std::string usualText, longText;
    int storedPixels;
};

// The first and last column of a grab holding ink of the label's orange (white has blue 255).
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) > 0 && qBlue(image.pixel(x, y)) < 200) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

class HistoryTotalsLabelTest : public SignedInWindow {
  protected:
    std::vector<HistoryPage> Pages() {
        return {
            {"recharges", reinterpret_cast<QWidget*>(ui().按钮_会员充值),
             ui().标签_充值管理_汇总信息, ui().选择框_充值管理_指定日期,
             ui().外形框_充值管理_指定日期, "充值6266次，实付250040元，赠送0元，合计250040元",
             "充值6266次，实付250000040元，赠送250000040元，合计500000080元", 14},
            {"consumption", reinterpret_cast<QWidget*>(ui().按钮_会员消费),
             ui().标签_消费管理_汇总信息, ui().选择框_消费管理_指定日期,
             ui().外形框_消费管理_指定日期, "统计消费6266次，合计总额250000040元",
             "统计消费9223372036854775807次，合计总额-9223372036854775808元", 15},
        };
    }
};

TEST_F(HistoryTotalsLabelTest, TheTotalsStandAboveTheDatePanel) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    for (const HistoryPage& page : Pages()) {
        Click(page.navigation);
        Click(page.periodBox);
        ASSERT_TRUE(page.datePanel->isVisible()) << page.name;
        SetText(page.totals, page.longText);
        const QRect label = page.totals->geometry();
        const QRect shared = label & page.datePanel->geometry();
        ASSERT_FALSE(shared.isEmpty()) << page.name;
        EXPECT_EQ(page.totals->parentWidget()->childAt(shared.center()), page.totals) << page.name;
        // Nothing of the panel's own lies under the label.
        for (QWidget* control : page.datePanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_FALSE(label.intersects(control->geometry().translated(page.datePanel->pos())))
                << page.name << " " << control->objectName().toStdString();
    }
}

TEST_F(HistoryTotalsLabelTest, ALongTotalsTextIsPaintedWhole) {
    ASSERT_NO_FATAL_FAILURE(StartSignedIn());
    for (const HistoryPage& page : Pages()) {
        Click(page.navigation);
        FittingLabel* label = page.totals;

        SetText(label, page.usualText);
        EXPECT_EQ(label->font().pixelSize(), page.storedPixels) << page.name;
        EXPECT_EQ(label->paintFont(), label->font()) << page.name;

        SetText(label, page.longText);
        const QString text = QString::fromStdString(page.longText);
        EXPECT_GT(QFontMetrics(label->font()).horizontalAdvance(text), label->width()) << page.name;
        const int advance = QFontMetrics(label->paintFont()).horizontalAdvance(text);
        EXPECT_LE(advance, label->contentsRect().width()) << page.name;
        EXPECT_GE(label->paintFont().pixelSize(), 8) << page.name;
        const auto [first, last] = InkColumns(label->grab().toImage());
        EXPECT_GE(first, 0) << page.name;
        EXPECT_LT(last, label->width() - 1) << page.name;
        EXPECT_GE(last - first + 1, advance - 4) << page.name;
    }
}

}  // namespace
