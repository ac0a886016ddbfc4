#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "WindowOps.h"

TEST(ListBoxOps, ItemsCarryTextAndData) {
    QListWidget box;
    EXPECT_EQ(ListBoxCurrentItem(&box), -1);
    EXPECT_EQ(ListBoxAddItem(&box, "足疗[68]", 3), 0);
    EXPECT_EQ(ListBoxAddItem(&box, "修脚[40]"), 1);
    EXPECT_EQ(ListBoxAddItem(&box, "大额", -2147483647 - 1), 2);
    EXPECT_EQ(ListBoxItemCount(&box), 3);
    EXPECT_EQ(ListBoxItemText(&box, 0), "足疗[68]");
    EXPECT_EQ(ListBoxItemData(&box, 0), 3);
    EXPECT_EQ(ListBoxItemData(&box, 1), 0);
    EXPECT_EQ(ListBoxItemData(&box, 2), -2147483647 - 1);
    for (int outside : {-1, 3}) {
        EXPECT_EQ(ListBoxItemText(&box, outside), "");
        EXPECT_EQ(ListBoxItemData(&box, outside), 0);
    }
    box.setCurrentRow(1);
    EXPECT_EQ(ListBoxCurrentItem(&box), 1);
    ListBoxClear(&box);
    EXPECT_EQ(ListBoxItemCount(&box), 0);
    EXPECT_EQ(ListBoxCurrentItem(&box), -1);
}

TEST(ComboBoxOps, ItemsAndCurrentItem) {
    QComboBox box;
    EXPECT_EQ(ComboBoxAddItem(&box, "Chief", 7), 0);
    EXPECT_EQ(ComboBoxAddItem(&box, "小王"), 1);
    EXPECT_EQ(ComboBoxItemCount(&box), 2);
    EXPECT_EQ(box.itemData(0).toInt(), 7);
    ComboBoxSetCurrentItem(&box, 1);
    EXPECT_EQ(ComboBoxText(&box), "小王");
    ComboBoxSetCurrentItem(&box, 5);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(ComboBoxText(&box), "");
    ComboBoxClear(&box);
    EXPECT_EQ(ComboBoxItemCount(&box), 0);
}

TEST(ComboBoxOps, SetText) {
    struct Case {
        bool editable;
        std::string text;
        std::string shown;
        int index;
    };
    const Case cases[] = {
        {false, "小王", "小王", 1},    {false, "小", "", -1},
        {false, "chief", "", -1},                                  // case counts
        {false, "", "", -1},           {true, "小王", "小王", 0},  // the text alone changes
        {true, "新来的", "新来的", 0}, {true, "", "", 0},
    };
    for (const Case& c : cases) {
        QComboBox box;
        box.setEditable(c.editable);
        ComboBoxAddItem(&box, "Chief");
        ComboBoxAddItem(&box, "小王");
        ComboBoxSetText(&box, c.text);
        EXPECT_EQ(ComboBoxText(&box), c.shown) << c.editable << " " << c.text;
        EXPECT_EQ(box.currentIndex(), c.index) << c.editable << " " << c.text;
    }
}
