#include "periods/PeriodBounds.h"

#include "common/DateTimeText.h"
#include "common/MonthBounds.h"
#include "db/sql.h"

namespace {

DateTime DaysBack(int days) { return DateTimeAdd(CurrentDateTime(), kDay, -days); }

DateTime DayOfText(const std::string& text) { return TextToDateTime(text).value_or(DateTime{}); }

}  // namespace

PeriodBounds BoundsOfDays(DateTime startDay, DateTime endDay) {
    return {FormatDateTime(startDay, "yyyy-MM-dd") + " 00:00:00",
            FormatDateTime(endDay, "yyyy-MM-dd") + " 23:59:59"};
}

void AppendPeriodFilter(Sql& statement, std::string_view column, const PeriodBounds& bounds) {
    statement.literal(" AND ")
        .literal(column)
        .literal(" >= '")
        .text(bounds.start)
        .literal("' AND ")
        .literal(column)
        .literal(" <= '")
        .text(bounds.end)
        .literal("'");
}

PeriodDates DatesOfPeriodButton(PeriodButton button) {
    switch (button) {
        case PeriodButton::Today:
            return {CurrentDateTime(), CurrentDateTime()};
        case PeriodButton::Yesterday:
            return {DaysBack(1), DaysBack(1)};
        case PeriodButton::Last7Days:
            return {DaysBack(7), CurrentDateTime()};
        case PeriodButton::ThisMonth:
            return {DayOfText(FirstDayOfMonthText()), DayOfText(LastDayOfMonthText())};
        case PeriodButton::LastMonth:
            return {DayOfText(FirstDayOfPreviousMonthText()),
                    DayOfText(LastDayOfPreviousMonthText())};
        case PeriodButton::Last30Days:
            return {DaysBack(30), CurrentDateTime(), true};
    }
    return {};
}
