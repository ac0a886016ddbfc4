// The search keys of names and phones, and which texts search at all.
#include <gtest/gtest.h>

#include "members/MemberSearch.h"

namespace {

TEST(MemberSearchKeys, InitialsReplaceCharactersWithAReadingAndEverythingElseStays) {
    const std::pair<const char*, const char*> cases[] = {
        {"张三", "zs"},
        {"李小明", "lxm"},
        {"Tom李", "Toml"},
        {"张顺", "zs"},    // only the first letter of "sh"
        {"陈 安", "c a"},  // blanks stay
        {"13800001234", "13800001234"},
        {"＊＊", "＊＊"},  // full-width symbols have no reading: kept whole
        {"王１号", "w１h"},
        {"😀李", "😀l"},
        {"", ""},
    };
    for (const auto& [text, key] : cases) EXPECT_EQ(PinyinInitialsKey(text), key) << text;
}

TEST(MemberSearchKeys, OnlyPlainLettersOrPlainDigitsSearch) {
    struct Case {
        const char* text;
        bool letters, digits;
    };
    const Case cases[] = {
        {"zs", true, false},    {"ZsA", true, false}, {"138", false, true},  {"13a", false, false},
        {"", false, false},     {"张", false, false}, {"z s", false, false}, {"ｚｓ", false, false},
        {"１３", false, false}, {"-1", false, false}, {"z.", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAllLetters(c.text), c.letters) << c.text;
        EXPECT_EQ(IsAllDigits(c.text), c.digits) << c.text;
    }
}

}  // namespace
