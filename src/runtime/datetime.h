#pragma once
// Date-times of the window runtime: days since 1899-12-30, the time of day as the
// fraction (for negative values the fraction still counts forward from midnight).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DateTime {
    double value = 0;
};

// Calendar fields of a date-time, as the program formats them.
struct CalendarFields {
    int year = 0, month = 0, dayOfWeek = 0, day = 0;  // dayOfWeek: 0 = Sunday
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
};

// Splits a value into calendar fields, rounded to the nearest second (milliseconds
// are always 0). False outside the years 100 to 9999 or for a value that is no number.
bool SplitDateTime(DateTime value, CalendarFields& fields);
// The value of the given fields; nullopt when they name no day between 100 and 9999.
std::optional<DateTime> MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                     int second = 0);

// Date and time pictures: yyyy, yy, MM, M, dd, d, HH, H, hh, h, mm, m, ss, s; every
// other character is copied. "hh"/"h" give the 12-hour clock unless force24 is set.
std::string FormatDatePicture(const CalendarFields& fields, std::string_view picture);
std::string FormatTimePicture(const CalendarFields& fields, std::string_view picture, bool force24);

// The computer clock, or the time a test set.
DateTime CurrentDateTime();
void SetCurrentDateTimeForTests(std::optional<DateTime> fixed);

// "Y/M/D", "Y-M-D" or "Y.M.D", optionally followed by a blank and "H:M[:S]"; fields may
// lack leading zeros. nullopt when the text names no valid date-time.
std::optional<DateTime> TextToDateTime(std::string_view text);

// Units of DateTimeAdd.
enum DateTimeUnit {
    kYear = 1,
    kQuarter = 2,
    kMonth = 3,
    kWeek = 4,
    kDay = 5,
    kHour = 6,
    kMinute = 7,
    kSecond = 8
};
// Adds amount units; months and years keep the day, cut back to the month's last day.
DateTime DateTimeAdd(DateTime value, int unit, int amount);
int DateTimeYear(DateTime value);
int DateTimeMonth(DateTime value);
int DateTimeDay(DateTime value);
