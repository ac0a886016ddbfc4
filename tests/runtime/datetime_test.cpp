#include "runtime/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

namespace {

constexpr double kOneSecond = 1.0 / 86400;

DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    const std::optional<DateTime> value = MakeDateTime(year, month, day, hour, minute, second);
    EXPECT_TRUE(value) << year << "-" << month << "-" << day;
    return value.value_or(DateTime{});
}

// As the program formats a date-time: date part, then time part.
std::string Format(DateTime value, std::string_view date, std::string_view time,
                   bool force24 = false) {
    CalendarFields fields;
    if (!SplitDateTime(value, fields)) return "invalid";
    return FormatDatePicture(fields, date) + FormatTimePicture(fields, time, force24);
}

std::string Text(DateTime value) { return Format(value, "yyyy-MM-dd ", "HH:mm:ss"); }

TEST(MakeDateTime, CountsDaysFrom18991230) {
    EXPECT_EQ(At(1899, 12, 30).value, 0);
    EXPECT_EQ(At(2000, 1, 1).value, 36526);
    EXPECT_EQ(At(2024, 2, 29, 12).value, 45351.5);
    // Before day 0 the time still runs forward from the day's midnight.
    EXPECT_EQ(At(1899, 12, 29, 6).value, -1.25);
    EXPECT_EQ(At(100, 1, 1).value, -657434);
}

TEST(MakeDateTime, RefusesFieldsThatNameNoMoment) {
    EXPECT_FALSE(MakeDateTime(2023, 2, 29));
    EXPECT_FALSE(MakeDateTime(2024, 13, 1));
    EXPECT_FALSE(MakeDateTime(2024, 4, 31));
    EXPECT_FALSE(MakeDateTime(99, 12, 31));
    EXPECT_FALSE(MakeDateTime(10000, 1, 1));
    EXPECT_FALSE(MakeDateTime(2024, 1, 1, 24, 0, 0));
}

struct SplitCase {
    double value;
    const char* expected;  // yyyy-MM-dd HH:mm:ss
    int dayOfWeek;
};

TEST(SplitDateTime, GivesTheCalendarFields) {
    const SplitCase cases[] = {
        {0, "1899-12-30 00:00:00", 6},
        {36526.5, "2000-01-01 12:00:00", 6},
        {45351, "2024-02-29 00:00:00", 4},
        {-1.25, "1899-12-29 06:00:00", 5},
        {-0.5, "1899-12-30 12:00:00", 6},
        // Rounded to the nearest second, carrying into the next day.
        {36526 + 59.4 * kOneSecond, "2000-01-01 00:00:59", 6},
        {36526 + 59.6 * kOneSecond, "2000-01-01 00:01:00", 6},
        {36526 + 86399.6 * kOneSecond, "2000-01-02 00:00:00", 0},
        {-1 - 86399.6 * kOneSecond, "1899-12-30 00:00:00", 6},
        {-657434, "0100-01-01 00:00:00", 5},
        {2958465 + 86399 * kOneSecond, "9999-12-31 23:59:59", 5},
    };
    for (const SplitCase& c : cases) {
        CalendarFields fields;
        ASSERT_TRUE(SplitDateTime(DateTime{c.value}, fields)) << c.value;
        EXPECT_EQ(Text(DateTime{c.value}), c.expected) << c.value;
        EXPECT_EQ(fields.dayOfWeek, c.dayOfWeek) << c.value;
        EXPECT_EQ(fields.milliseconds, 0);
    }
}

TEST(SplitDateTime, RefusesValuesOutsideTheYears100To9999) {
    for (double value : {-657435.5, -657435.0, 2958466.0, 2958465 + 86399.6 * kOneSecond, 1e300,
                         -1e300, std::nan(""), std::numeric_limits<double>::infinity()}) {
        CalendarFields fields;
        EXPECT_FALSE(SplitDateTime(DateTime{value}, fields)) << value;
    }
}

struct PictureCase {
    DateTime value;
    const char* date;
    const char* time;
    bool force24;
    const char* expected;
};

TEST(Pictures, FormatFieldsAndCopyEverythingElse) {
    const DateTime afternoon = At(2024, 3, 5, 14, 7, 9);
    const PictureCase cases[] = {
        {afternoon, "yyyy-MM-dd", "", false, "2024-03-05"},
        {afternoon, "yyyy-MM-dd ", "HH:mm:ss", false, "2024-03-05 14:07:09"},
        {afternoon, "yyyy-MM-dd ", "hh:mm:ss", true, "2024-03-05 14:07:09"},
        {afternoon, "yyyy-MM-dd ", "hh:mm:ss", false, "2024-03-05 02:07:09"},
        {afternoon, "yyyy-MM-dd ", "23:59:59", false, "2024-03-05 23:59:59"},
        {afternoon, "yyyy/MM/01", "", false, "2024/03/01"},
        {afternoon, "yy M d", " H h m s", false, "24 3 5 14 2 7 9"},
        {At(2024, 3, 5), "", "hh:mm:ss", false, "12:00:00"},
        {At(2024, 3, 5), "", "hh:mm:ss", true, "00:00:00"},
        {At(2024, 3, 5), "", "HH:mm:ss", false, "00:00:00"},
        {At(2024, 3, 5, 12), "", "hh", false, "12"},
        {At(2024, 3, 5, 13), "", "hh", false, "01"},
        {At(2024, 3, 5, 13), "", "hh", true, "13"},
        {At(100, 1, 2), "yyyy/MM/dd", "", false, "0100/01/02"},
    };
    for (const PictureCase& c : cases) {
        EXPECT_EQ(Format(c.value, c.date, c.time, c.force24), c.expected)
            << c.date << "|" << c.time << "|" << c.force24;
    }
}

TEST(TextToDateTime, ReadsDatesWithOrWithoutTime) {
    const std::pair<const char*, const char*> cases[] = {
        {"2024/3/5", "2024-03-05 00:00:00"},      {"2024/1/1", "2024-01-01 00:00:00"},
        {"2024/02/29", "2024-02-29 00:00:00"},    {"2024-03-05 14:07:09", "2024-03-05 14:07:09"},
        {"2024.3.5 4:07", "2024-03-05 04:07:00"}, {" 2024/3/5 ", "2024-03-05 00:00:00"},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<DateTime> value = TextToDateTime(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(Text(*value), expected) << text;
    }
}

TEST(TextToDateTime, RefusesTextsThatNameNoMoment) {
    for (const char* text :
         {"", "abc", "2023/2/29", "2024/13/1", "2024/3-5", "2024/3/5x", "2024/3/5 24:00",
          "2024/3/5 12", "2024/3/5 12:60", "99/1/1", "2024/3", "2024/3/5 12:00:00:00"}) {
        EXPECT_FALSE(TextToDateTime(text)) << text;
    }
}

struct AddCase {
    DateTime value;
    int unit;
    int amount;
    const char* expected;
};

TEST(DateTimeAdd, AddsUnitsKeepingTheDayWhereTheMonthAllows) {
    const AddCase cases[] = {
        {At(2024, 1, 31, 14, 7, 9), kMonth, 1, "2024-02-29 14:07:09"},
        {At(2023, 1, 31), kMonth, 1, "2023-02-28 00:00:00"},
        {At(2024, 3, 31), kMonth, -1, "2024-02-29 00:00:00"},
        {At(2024, 1, 15), kMonth, -13, "2022-12-15 00:00:00"},
        {At(2024, 2, 29), kYear, 1, "2025-02-28 00:00:00"},
        {At(2024, 11, 30), kQuarter, 1, "2025-02-28 00:00:00"},
        {At(2024, 3, 1), kDay, -1, "2024-02-29 00:00:00"},
        {At(2025, 3, 1), kDay, -1, "2025-02-28 00:00:00"},
        {At(2025, 1, 1), kDay, -1, "2024-12-31 00:00:00"},
        {At(2024, 2, 26), kWeek, 1, "2024-03-04 00:00:00"},
        {At(2024, 12, 31, 23), kHour, 1, "2025-01-01 00:00:00"},
        {At(2024, 3, 5, 14, 7, 9), kMinute, -8, "2024-03-05 13:59:09"},
        {At(2024, 3, 5, 23, 59, 59), kSecond, 1, "2024-03-06 00:00:00"},
        // Across day 0, where the stored form changes its sign.
        {At(1899, 12, 30, 6), kDay, -1, "1899-12-29 06:00:00"},
        {At(1899, 12, 29, 6), kHour, 20, "1899-12-30 02:00:00"},
        // Unknown units and results past the year 9999 leave the value as it was.
        {At(2024, 3, 5), 99, 1, "2024-03-05 00:00:00"},
        {At(9999, 12, 31), kDay, 1, "9999-12-31 00:00:00"},
        {At(9999, 12, 31), kYear, 1, "9999-12-31 00:00:00"},
    };
    for (const AddCase& c : cases) {
        EXPECT_EQ(Text(DateTimeAdd(c.value, c.unit, c.amount)), c.expected)
            << Text(c.value) << " unit " << c.unit << " amount " << c.amount;
    }
}

TEST(DateTimeFields, ReadYearMonthDay) {
    const DateTime value = At(2024, 2, 29, 23, 59, 59);
    EXPECT_EQ(DateTimeYear(value), 2024);
    EXPECT_EQ(DateTimeMonth(value), 2);
    EXPECT_EQ(DateTimeDay(value), 29);
    EXPECT_EQ(DateTimeYear(DateTime{std::nan("")}), 0);
}

TEST(CurrentDateTime, FollowsTheLocalClockUnlessFixed) {
    const DateTime fixed = At(2024, 3, 5, 14, 7, 9);
    SetCurrentDateTimeForTests(fixed);
    EXPECT_EQ(CurrentDateTime().value, fixed.value);
    SetCurrentDateTimeForTests(std::nullopt);

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const DateTime expected = At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                 local.tm_hour, local.tm_min, std::min(local.tm_sec, 59));
    EXPECT_NEAR(CurrentDateTime().value, expected.value, 3 * kOneSecond);
}

}  // namespace
