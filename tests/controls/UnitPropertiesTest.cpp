#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

#include "ListView.h"
#include "WindowOps.h"

// Lets the property values compare whole; the runtime's date-time has no comparison.
static bool operator==(DateTime a, DateTime b) { return a.value == b.value; }

namespace {

using P = UnitProperty;

// A window that is never shown, as in the window tests before the window appears.
class UnitProperties : public ::testing::Test {
  protected:
    UnitProperties() {
        combo->addItems({"现金", "微信"});
        list->addItems({"足疗[68]", "修脚[40]"});
        tabs->addTab(new QWidget, "会员管理");
        tabs->addTab(new QWidget, "会员充值");
        view->setColumns({"卡号|80"});
        view->appendRow();
        view->appendRow();
        check->setCheckable(true);
    }
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    QPlainTextEdit* memo = new QPlainTextEdit(&window);
    QLabel* label = new QLabel(&window);
    QPushButton* button = new QPushButton(&window);
    QCheckBox* check = new QCheckBox(&window);
    QComboBox* combo = new QComboBox(&window);
    QGroupBox* group = new QGroupBox(&window);
    QTabWidget* tabs = new QTabWidget(&window);
    QListWidget* list = new QListWidget(&window);
    ListView* view = new ListView(&window);
    QDateTimeEdit* dateBox = new QDateTimeEdit(&window);
};

}  // namespace

TEST_F(UnitProperties, SetThenGet) {
    struct Case {
        QWidget* unit;
        P property;
        PropertyValue value;
    };
    const Case cases[] = {
        {edit, P::Left, 20},
        {edit, P::Top, 69},
        {edit, P::Width, 184},
        {edit, P::Height, 40},
        {edit, P::Text, std::string("张三")},
        {memo, P::Text, std::string("本会员姓名为空\r\n----------------\r\n手机号[123]")},
        {label, P::Text, std::string("余额")},
        {button, P::Text, std::string("登录成功")},
        {group, P::Text, std::string("会员信息")},
        {&window, P::Text, std::string("青禾苑-洗脚店管理系统 V1.5")},
        {combo, P::Text, std::string("微信")},
        {check, P::Ticked, true},
        {check, P::Ticked, false},
        {tabs, P::CurrentIndex, 1},
        {combo, P::CurrentIndex, 1},
        {combo, P::CurrentIndex, -1},
        {list, P::CurrentIndex, 1},
        {list, P::CurrentIndex, -1},
        {view, P::CurrentIndex, 1},
        {view, P::CurrentIndex, -1},
        {edit, P::Visible, false},
        {edit, P::Visible, true},
        {edit, P::Disabled, true},
        {edit, P::Disabled, false},
    };
    for (const Case& c : cases) {
        SetUnitProperty(c.unit, c.property, c.value);
        EXPECT_EQ(GetUnitProperty(c.unit, c.property), c.value)
            << c.unit->metaObject()->className() << " " << static_cast<int>(c.property);
    }
}

TEST_F(UnitProperties, VisibleAndDisabledAreTheUnitsOwnFlags) {
    EXPECT_EQ(GetUnitProperty(edit, P::Visible), PropertyValue(true));  // window not shown
    EXPECT_EQ(GetUnitProperty(&window, P::Visible), PropertyValue(false));
    window.setEnabled(false);
    EXPECT_EQ(GetUnitProperty(edit, P::Disabled), PropertyValue(false));
    EXPECT_EQ(GetUnitProperty(&window, P::Disabled), PropertyValue(true));
    window.setEnabled(true);
    SetUnitProperty(edit, P::Visible, false);
    window.show();
    EXPECT_EQ(GetUnitProperty(edit, P::Visible), PropertyValue(false));
    EXPECT_EQ(GetUnitProperty(label, P::Visible), PropertyValue(true));
}

TEST_F(UnitProperties, WindowPositionIsOnTheScreen) {
    window.move(50, 50);
    window.show();
    SetUnitProperty(&window, P::Height, 700);
    EXPECT_EQ(GetUnitProperty(&window, P::Left), PropertyValue(50));
    EXPECT_EQ(GetUnitProperty(&window, P::Top), PropertyValue(50));
    EXPECT_EQ(GetUnitProperty(&window, P::Height), PropertyValue(700));
}

TEST_F(UnitProperties, DateValueIsLocalTimeToTheSecond) {
    const DateTime at = *MakeDateTime(2024, 2, 29, 23, 59, 58);
    SetUnitProperty(dateBox, P::DateValue, at);
    EXPECT_EQ(dateBox->dateTime(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
    const DateTime back = std::get<DateTime>(GetUnitProperty(dateBox, P::DateValue));
    CalendarFields fields;
    ASSERT_TRUE(SplitDateTime(back, fields));
    EXPECT_EQ(fields.year, 2024);
    EXPECT_EQ(fields.day, 29);
    EXPECT_EQ(fields.second, 58);
}

TEST_F(UnitProperties, MismatchesAreIgnored) {
    SetText(edit, "保留");
    SetUnitProperty(edit, P::Text, 5);
    SetUnitProperty(edit, P::Ticked, true);
    SetUnitProperty(edit, P::Width, std::string("wide"));
    EXPECT_EQ(TextOf(edit), "保留");
    EXPECT_EQ(GetUnitProperty(edit, P::Ticked), PropertyValue(false));
    EXPECT_EQ(GetUnitProperty(edit, P::CurrentIndex), PropertyValue(-1));
    EXPECT_EQ(GetUnitProperty(tabs, P::Text), PropertyValue(std::string()));
    SetUnitProperty(check, P::Ticked, 1);  // a whole number stands for a logical value
    EXPECT_TRUE(check->isChecked());
}

TEST_F(UnitProperties, PageChangeSignalsAndNonEditableComboTakesOnlyItems) {
    QSignalSpy pages(tabs, &QTabWidget::currentChanged);
    SetUnitProperty(tabs, P::CurrentIndex, 1);
    EXPECT_EQ(pages.count(), 1);
    SetText(combo, "支付宝");
    EXPECT_EQ(TextOf(combo), "");
    EXPECT_EQ(combo->currentIndex(), -1);
}
