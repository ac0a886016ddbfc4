#include "runtime/texts.h"

#include <gtest/gtest.h>

namespace {

TEST(TextLength, CountsAsciiOneAndOtherCharactersTwo) {
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength("Chief"), 5);
    EXPECT_EQ(TextLength("张三"), 4);
    EXPECT_EQ(TextLength("Tom李"), 5);
    EXPECT_EQ(TextLength("足疗[58]"), 8);
}

struct FindCase {
    const char* text;
    const char* part;
    int start;
    bool ignoreCase;
    int expected;
};

TEST(FindText, GivesGbkBytePosition) {
    const FindCase cases[] = {{"Tom李四", "李", 1, false, 4},
                              {"张三abc", "abc", 1, false, 5},
                              {"足疗[58]", "]", 6, false, 8},
                              {"张三abc张三", "张三", 2, false, 8},
                              {"张三abc张三", "张三", 8, false, 8},
                              {"张三abc张三", "张三", 9, false, -1},
                              {"abcABC", "abc", 2, false, -1},
                              {"abcABC", "abc", 2, true, 4},
                              {"zs", "ZS", 1, true, 1},
                              {"zs", "ZS", 1, false, -1},
                              {"abc", "a", 0, false, 1},
                              {"abc", "a", -5, false, 1},
                              {"abc", "c", 4, false, -1},
                              {"abc", "", 1, false, -1},
                              {"", "a", 1, false, -1},
                              // Only ASCII letters fold: full-width letters stay as they are.
                              {"ＡＢ", "ａ", 1, true, -1}};
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindText(c.text, c.part, c.start, c.ignoreCase), c.expected)
            << c.text << " / " << c.part << " from " << c.start;
    }
}

struct CutCase {
    const char* text;
    int start;  // 0: TextLeft, -1: TextRight, else TextMid from start
    int bytes;
    const char* expected;
};

TEST(CutText, KeepsWholeCharacters) {
    const CutCase cases[] = {{"张三abc", 3, 2, "三"},
                             {"张三abc", 1, 3, "张三"},
                             // Starting on the second byte of 张 skips it.
                             {"张三abc", 2, 2, "三"},
                             {"张三abc", 5, 10, "abc"},
                             {"足疗[58]", 6, 2, "58"},
                             {"abc", 1, 0, ""},
                             {"abc", 4, 1, ""},
                             {"张三abc", 0, 3, "张"},
                             {"张三abc", 0, 4, "张三"},
                             {"abc", 0, 10, "abc"},
                             {"abc", 0, 0, ""},
                             {"abc张三", -1, 3, "三"},
                             {"abc张三", -1, 5, "c张三"},
                             {"abc", -1, 10, "abc"},
                             {"abc", -1, 0, ""}};
    for (const CutCase& c : cases) {
        const std::string result = c.start == 0    ? TextLeft(c.text, c.bytes)
                                   : c.start == -1 ? TextRight(c.text, c.bytes)
                                                   : TextMid(c.text, c.start, c.bytes);
        EXPECT_EQ(result, c.expected) << c.text << " start " << c.start << " bytes " << c.bytes;
    }
}

TEST(TextMid, StartBelowOneCountsFromTheFirstByte) { EXPECT_EQ(TextMid("abc", 0, 2), "ab"); }

// What the price between "[" and "]" of a list entry needs.
TEST(TextMid, TakesTheTextBetweenMarkersAfterDoubleByteCharacters) {
    const std::string entry = "足疗[58]";
    const int from = FindText(entry, "[") + TextLength("[");
    const int to = FindText(entry, "]", from);
    EXPECT_EQ(TextMid(entry, from, to - from), "58");
}

TEST(CharCodeAt, GivesSignedGbkBytes) {
    EXPECT_EQ(CharCodeAt("a张", 1), 'a');
    EXPECT_EQ(CharCodeAt("a张", 2), static_cast<signed char>(0xD5));
    EXPECT_EQ(CharCodeAt("a张", 3), static_cast<signed char>(0xC5));
    // A GBK second byte can be below 0x80.
    EXPECT_EQ(CharCodeAt("丂", 1), static_cast<signed char>(0x81));
    EXPECT_EQ(CharCodeAt("丂", 2), 0x40);
    EXPECT_EQ(CharCodeAt("a张", 0), 0);
    EXPECT_EQ(CharCodeAt("a张", 4), 0);
    EXPECT_EQ(CharCodeAt("😀", 1), -1);
}

TEST(ReplaceText, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceText("#引号a#引号", "#引号", "\""), "\"a\"");
    EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceText("张三张三", "三", ""), "张张");
    EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceText("abc", "x", "y"), "abc");
}

TEST(Gbk, ConvertsBothWays) {
    EXPECT_EQ(Utf8ToGbk("真"), std::string("\xD5\xE6"));
    EXPECT_EQ(GbkToUtf8("\xD5\xE6"), std::string("真"));
    for (const char* text : {"真", "Chief", "张三abc", ""}) {
        const std::optional<std::string> gbk = Utf8ToGbk(text);
        ASSERT_TRUE(gbk) << text;
        EXPECT_EQ(GbkToUtf8(*gbk), std::string(text));
    }
}

TEST(Gbk, RefusesWhatItCannotHold) {
    EXPECT_EQ(Utf8ToGbk("a😀b"), std::nullopt);
    EXPECT_FALSE(FitsGbk("张😀"));
    EXPECT_TRUE(FitsGbk("张三"));
    EXPECT_EQ(Utf8ToGbk("\xE5\xBC"), std::nullopt);  // cut UTF-8
    EXPECT_EQ(GbkToUtf8("\xD5"), std::nullopt);      // lead byte without its second byte
    EXPECT_EQ(GbkToUtf8("\xFF\xFF"), std::nullopt);
}

}  // namespace
