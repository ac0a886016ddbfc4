// The text between two markers.
#include <gtest/gtest.h>

#include "consumption/QuickConsume.h"

namespace {

TEST(TextBetween, CasesOfMarkersAndPositions) {
    struct Case {
        const char* text;
        const char* start;
        const char* end;
        std::optional<int> position;
        bool ignoreCase;
        const char* expected;
    };
    const Case cases[] = {
        {"足疗[68]", "[", "]", {}, false, "68"},
        {"足疗[加时][68]", "[", "]", {}, false, "加时"},  // the first pair counts
        {"足疗68]", "[", "]", {}, false, ""},             // no start marker
        {"足疗[68", "[", "]", {}, false, ""},             // no end marker after it
        {"足疗][68", "[", "]", {}, false, ""},            // the end marker only before it
        {"足疗[]", "[", "]", {}, false, ""},              // nothing between
        {"说\"你好\"和\"再见\"", "#引号", "#引号", {}, false, "你好"},
        {"a=\"x\"", "=#引号", "#引号", {}, false, "x"},
        {"[1][2]", "[", "]", 2, false, "2"},    // from byte 2 on
        {"足[1][2]", "[", "]", 3, false, "1"},  // 足 takes bytes 1 and 2
        {"足[1][2]", "[", "]", 4, false, "2"},
        {"<B>粗</b>", "<b>", "</b>", {}, false, ""},
        {"<B>粗</b>", "<b>", "</b>", {}, true, "粗"},
        {"text", "", "]", {}, false, ""},  // an empty marker is never found
    };
    for (const Case& c : cases) {
        const std::string text = c.text, start = c.start, end = c.end;
        EXPECT_EQ(TextBetween(text, start, end, c.position, c.ignoreCase), c.expected)
            << c.text << " " << c.start << " " << c.end;
        EXPECT_EQ(start, c.start);  // the caller's markers stay as they were
    }
}

}  // namespace
