// Date-time texts: the pictures in use and the month bounds.
#include <gtest/gtest.h>

#include "common/DateTimeText.h"
#include "common/MonthBounds.h"

namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    auto value = MakeDateTime(y, mo, d, h, mi, s);
    EXPECT_TRUE(value.has_value());
    return value.value_or(DateTime{});
}

struct PictureCase {
    const char* use;
    DateTime value;
    const char* datePicture;
    const char* timePicture;
    bool force24;
    const char* expected;
};

TEST(FormatDateTime, PicturesInUse) {
    const DateTime afternoon = At(2026, 3, 5, 14, 7, 9);
    const PictureCase cases[] = {
        {"period bound", afternoon, "yyyy-MM-dd", "", false, "2026-03-05"},
        {"recharge time", afternoon, "yyyy-MM-dd ", "hh:mm:ss", true, "2026-03-05 14:07:09"},
        {"consumption time", afternoon, "yyyy-MM-dd ", "HH:mm:ss", false, "2026-03-05 14:07:09"},
        {"audit note time", afternoon, "yyyy-MM-dd ", "hh:mm:ss", false, "2026-03-05 02:07:09"},
        {"day window start", afternoon, "yyyy-MM-dd ", "00:00:00", false, "2026-03-05 00:00:00"},
        {"day window end", afternoon, "yyyy-MM-dd ", "23:59:59", false, "2026-03-05 23:59:59"},
        {"month first day", afternoon, "yyyy/MM/01", "", false, "2026/03/01"},
        {"month day", afternoon, "yyyy/MM/dd", "", false, "2026/03/05"},
        {"midnight 12-hour", At(2026, 1, 1), "", "hh:mm:ss", false, "12:00:00"},
        {"midnight forced", At(2026, 1, 1), "", "hh:mm:ss", true, "00:00:00"},
        {"hour 13 12-hour", At(2026, 1, 1, 13), "", "hh", false, "01"},
        {"hour 13 forced", At(2026, 1, 1, 13), "", "hh", true, "13"},
        {"date alone has no blank", afternoon, "yyyy-MM-dd", "", false, "2026-03-05"},
        {"no pictures", afternoon, "", "", false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.value, c.datePicture, c.timePicture, c.force24), c.expected)
            << c.use;
}

TEST(FormatDateTime, ValueOutsideTheCalendarGivesEmptyText) {
    EXPECT_EQ(FormatDateTime(DateTime{1e9}, "yyyy-MM-dd"), "");
    EXPECT_EQ(FormatDateTime(DateTime{-1e9}, "yyyy-MM-dd"), "");
}

TEST(FormatDateTime, StoredTimesSortAsTexts) {
    const std::string earlier =
        FormatDateTime(At(2026, 9, 30, 23, 59, 59), "yyyy-MM-dd ", "HH:mm:ss");
    const std::string later = FormatDateTime(At(2026, 10, 1, 0, 0, 0), "yyyy-MM-dd ", "HH:mm:ss");
    EXPECT_EQ(earlier.size(), 19u);
    EXPECT_LT(earlier, later);
}

struct MonthCase {
    DateTime day;
    const char* first;
    const char* last;
    const char* previousFirst;
    const char* previousLast;
};

TEST(MonthBounds, CurrentAndPreviousMonth) {
    const MonthCase cases[] = {
        {At(2026, 3, 5, 14, 7, 9), "2026/03/01", "2026/03/31", "2026/02/01", "2026/02/28"},
        {At(2026, 12, 10), "2026/12/01", "2026/12/31", "2026/11/01", "2026/11/30"},
        {At(2028, 2, 10), "2028/02/01", "2028/02/29", "2028/01/01", "2028/01/31"},
        {At(2026, 2, 10), "2026/02/01", "2026/02/28", "2026/01/01", "2026/01/31"},
        {At(2026, 1, 15), "2026/01/01", "2026/01/31", "2025/12/01", "2025/12/31"},
        {At(2028, 3, 31, 23, 59, 59), "2028/03/01", "2028/03/31", "2028/02/01", "2028/02/29"},
    };
    for (const auto& c : cases) {
        const std::string when = FormatDateTime(c.day, "yyyy-MM-dd");
        EXPECT_EQ(FirstDayOfMonthText(c.day), c.first) << when;
        EXPECT_EQ(LastDayOfMonthText(c.day), c.last) << when;
        EXPECT_EQ(FirstDayOfPreviousMonthText(c.day), c.previousFirst) << when;
        EXPECT_EQ(LastDayOfPreviousMonthText(c.day), c.previousLast) << when;
    }
}

TEST(MonthBounds, OmittedDayMeansNow) {
    SetCurrentDateTimeForTests(At(2026, 12, 10, 9, 30));
    EXPECT_EQ(FirstDayOfMonthText(), "2026/12/01");
    EXPECT_EQ(LastDayOfMonthText(), "2026/12/31");
    EXPECT_EQ(FirstDayOfPreviousMonthText(), "2026/11/01");
    EXPECT_EQ(LastDayOfPreviousMonthText(), "2026/11/30");
    SetCurrentDateTimeForTests(std::nullopt);
}

}  // namespace
