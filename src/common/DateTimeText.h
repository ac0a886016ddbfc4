#pragma once
#include <string>

#include "runtime/datetime.h"

// The value as text: the date picture's part directly followed by the time picture's
// part (a blank between them, where wanted, ends the date picture). "" for a value
// that names no date between the years 100 and 9999.
std::string FormatDateTime(DateTime value, const std::string& datePicture = {},
                           const std::string& timePicture = {}, bool force24Hour = false,
                           int localeId = 0);
