#include "common/MonthBounds.h"

#include "runtime/texts.h"
#include "common/DateTimeText.h"

namespace {

DateTime DayOf(std::optional<DateTime> d) { return d ? *d : CurrentDateTime(); }

// The last day of the month before the one that the first-day text names.
DateTime DayBefore(const std::string& firstDayText) {
    DateTime first = TextToDateTime(firstDayText).value_or(DateTime{});
    return DateTimeAdd(first, kDay, -1);
}

}  // namespace

std::string FirstDayOfMonthText(std::optional<DateTime> d) {
    return FormatDateTime(DayOf(d), "yyyy/MM/01");
}

std::string LastDayOfMonthText(std::optional<DateTime> d) {
    DateTime day = DayOf(d);
    int month = DateTimeMonth(day) + 1;
    int year = DateTimeYear(day);
    if (month == 13) {
        year += 1;
        month = 1;
    }
    return FormatDateTime(DayBefore(NumberToText(year) + "/" + NumberToText(month) + "/1"),
                          "yyyy/MM/dd");
}

std::string FirstDayOfPreviousMonthText(std::optional<DateTime> d) {
    return FormatDateTime(DayBefore(FormatDateTime(DayOf(d), "yyyy/MM/01")), "yyyy/MM/01");
}

std::string LastDayOfPreviousMonthText(std::optional<DateTime> d) {
    return FormatDateTime(DayBefore(FormatDateTime(DayOf(d), "yyyy/MM/01")), "yyyy/MM/dd");
}
