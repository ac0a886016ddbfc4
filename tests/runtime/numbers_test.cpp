#include <gtest/gtest.h>

#include <limits>

#include "runtime/texts.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(ToInteger, ReadsTheLeadingWholeNumber) {
    const std::pair<const char*, int32_t> cases[] = {
        {"", 0},
        {"12", 12},
        {"99.5", 99},
        {"-50", -50},
        {"-0.9", 0},
        {"-7.9", -7},
        {" 7", 7},
        {"\t+8", 8},
        {"12abc", 12},
        {"abc", 0},
        {"- 5", 0},
        {".5", 0},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"99999999999999999999999", kMax},
        {"-2147483648", kMin},
        {"-99999999999", kMin},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ToInteger(text), expected) << text;
}

TEST(NumberToText, WritesWholeNumbersWithoutFraction) {
    const std::pair<double, const char*> cases[] = {
        {120, "120"},
        {-20, "-20"},
        {0, "0"},
        {-0.0, "0"},
        {2147483648.0, "2147483648"},
        {0.5, "0.5"},
        {-1.25, "-1.25"},
        {1e15, "1000000000000000"},
    };
    for (const auto& [number, expected] : cases) EXPECT_EQ(NumberToText(number), expected);
}

}  // namespace
