#pragma once
// The period of a history page: the days its two date boxes name, the six period buttons,
// and how a statement keeps the records of the period.

#include <string>
#include <string_view>

#include "runtime/datetime.h"

class Sql;

// Texts in the stored form of a record's time: the first second of the start day and the
// last second of the end day.
struct PeriodBounds {
    std::string start, end;
};

PeriodBounds BoundsOfDays(DateTime startDay, DateTime endDay);

// " AND column >= start AND column <= end": both ends belong to the period. The stored
// times have one fixed form, so the comparison of texts is a range of the column's index.
void AppendPeriodFilter(Sql& statement, std::string_view column, const PeriodBounds& bounds);

enum class PeriodButton { Today, Yesterday, Last7Days, ThisMonth, LastMonth, Last30Days };

// The values a period button gives the two boxes, read from the clock now.
struct PeriodDates {
    DateTime start, end;
    bool endFirst = false;  // the order in which the boxes are set
};

PeriodDates DatesOfPeriodButton(PeriodButton button);
