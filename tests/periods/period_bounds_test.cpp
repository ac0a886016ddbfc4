// The period buttons' dates, the bounds of two date boxes and the filter they give.
#include <gtest/gtest.h>

#include "common/DateTimeText.h"
#include "db/sql.h"
#include "periods/PeriodBounds.h"

namespace {

std::string Day(DateTime value) { return FormatDateTime(value, "yyyy-MM-dd"); }

struct ClockAt {
    explicit ClockAt(DateTime now) { SetCurrentDateTimeForTests(now); }
    ~ClockAt() { SetCurrentDateTimeForTests(std::nullopt); }
};

TEST(PeriodButtonsTest, DatesOfEachButton) {
    const ClockAt clock(*MakeDateTime(2024, 3, 5, 14, 30, 0));
    struct Case {
        PeriodButton button;
        const char *start, *end;
        bool endFirst;
    };
    const Case cases[] = {
        {PeriodButton::Today, "2024-03-05", "2024-03-05", false},
        {PeriodButton::Yesterday, "2024-03-04", "2024-03-04", false},
        {PeriodButton::Last7Days, "2024-02-27", "2024-03-05", false},
        {PeriodButton::ThisMonth, "2024-03-01", "2024-03-31", false},
        {PeriodButton::LastMonth, "2024-02-01", "2024-02-29", false},
        {PeriodButton::Last30Days, "2024-02-04", "2024-03-05", true},
    };
    for (const Case& c : cases) {
        const PeriodDates dates = DatesOfPeriodButton(c.button);
        EXPECT_EQ(Day(dates.start), c.start) << static_cast<int>(c.button);
        EXPECT_EQ(Day(dates.end), c.end) << static_cast<int>(c.button);
        EXPECT_EQ(dates.endFirst, c.endFirst) << static_cast<int>(c.button);
    }
}

TEST(PeriodButtonsTest, LastMonthOverTheYearsEnd) {
    const ClockAt clock(*MakeDateTime(2025, 1, 10, 9, 0, 0));
    const PeriodDates dates = DatesOfPeriodButton(PeriodButton::LastMonth);
    EXPECT_EQ(Day(dates.start), "2024-12-01");
    EXPECT_EQ(Day(dates.end), "2024-12-31");
}

TEST(PeriodBoundsTest, BothEndsOfTheDaysBelongToThePeriod) {
    const PeriodBounds bounds =
        BoundsOfDays(*MakeDateTime(2024, 3, 1, 18, 0, 0), *MakeDateTime(2024, 3, 31, 6, 0, 0));
    EXPECT_EQ(bounds.start, "2024-03-01 00:00:00");
    EXPECT_EQ(bounds.end, "2024-03-31 23:59:59");
    Sql statement("SELECT * FROM t WHERE 1");
    AppendPeriodFilter(statement, "`pay_time`", bounds);
    EXPECT_EQ(statement.preview(),
              "SELECT * FROM t WHERE 1 AND `pay_time` >= '2024-03-01 00:00:00' AND `pay_time` <= "
              "'2024-03-31 23:59:59'");
}

}  // namespace
