// Plain amounts: the only totals and recharges the program writes.
#include <gtest/gtest.h>

#include "common/PlainAmount.h"

namespace {

TEST(PlainAmountTest, OnlyDigitsAndUpToTwoDecimalsPass) {
    struct Case {
        const char* text;
        bool positive, signedToo;
    };
    const Case cases[] = {
        {"0", true, true},           {"68", true, true},      {"12345678", true, true},
        {"99.5", true, true},        {"0.01", true, true},    {"-50", false, true},
        {"-0.5", false, true},       {"", false, false},      {"-", false, false},
        {"123456789", false, false}, {"1.234", false, false}, {"1.", false, false},
        {".5", false, false},        {"1e3", false, false},   {"12abc", false, false},
        {" 68", false, false},       {"68 ", false, false},   {"+5", false, false},
        {"--5", false, false},       {"1,5", false, false},   {"１２", false, false},
        {"5-", false, false},        {"1.2.3", false, false}, {"-.5", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPlainAmount(c.text, AmountSign::PositiveOnly), c.positive) << c.text;
        EXPECT_EQ(IsPlainAmount(c.text, AmountSign::MayBeNegative), c.signedToo) << c.text;
    }
}

}  // namespace
