#include "runtime/civil_calendar.h"

namespace {

// Day 0 of the count, 1899-12-30, in days after 0000-03-01 (the era arithmetic below
// starts the year in March so that the leap day ends it).
constexpr long kDayZeroFromEpoch = 693899;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

long FloorDiv(long a, long b) { return (a >= 0 ? a : a - b + 1) / b; }

}  // namespace

long DayNumberOf(CivilDate date) {
    const long y = date.month <= 2 ? date.year - 1 : date.year;
    const long era = FloorDiv(y, 400);
    const long yearOfEra = y - era * 400;
    const long shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const long dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - kDayZeroFromEpoch;
}

CivilDate CivilDateOf(long dayNumber) {
    const long z = dayNumber + kDayZeroFromEpoch;
    const long era = FloorDiv(z, 146097);
    const long dayOfEra = z - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Day 0 was a Saturday.
int DayOfWeekOf(long dayNumber) { return static_cast<int>(((dayNumber + 6) % 7 + 7) % 7); }
