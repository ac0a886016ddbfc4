// The creation handler ticks the list-order box only for exactly 真.
#include "LoginFixture.h"

namespace {

using ListOrderAtStartTest = LoginFixture;

TEST_F(ListOrderAtStartTest, OnlyExactly真Ticks) {
    const std::pair<const char*, bool> cases[] = {{"真", true},  {"真 ", false},  {" 真", false},
                                                  {"假", false}, {"true", false}, {"", false}};
    for (const auto& [value, ticked] : cases) {
        ASSERT_TRUE(IniWrite(ConfigFilePath(), kListOrderSection, kNewestFirstKey, value));
        ASSERT_NO_FATAL_FAILURE(StartAndLoad());
        EXPECT_EQ(ui().选择框_新纪录在最前->isChecked(), ticked) << "[" << value << "]";
        EXPECT_TRUE(ui().外形框_系统设置->isHidden());
        CloseWindow();
    }
}

TEST_F(ListOrderAtStartTest, NoFileLeavesTheBoxUnticked) {
    ASSERT_NO_FATAL_FAILURE(StartAndLoad());
    EXPECT_FALSE(ui().选择框_新纪录在最前->isChecked());
}

}  // namespace
