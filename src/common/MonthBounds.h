#pragma once
// First and last days of the current and the previous month, as "yyyy/MM/01" and
// "yyyy/MM/dd" texts for the period buttons of the histories.

#include <optional>
#include <string>

#include "runtime/datetime.h"

// Each takes the date d (now, from CurrentDateTime, when omitted).
std::string FirstDayOfMonthText(std::optional<DateTime> d = std::nullopt);
std::string LastDayOfMonthText(std::optional<DateTime> d = std::nullopt);
std::string FirstDayOfPreviousMonthText(std::optional<DateTime> d = std::nullopt);
std::string LastDayOfPreviousMonthText(std::optional<DateTime> d = std::nullopt);
