#pragma once
// How a column's text becomes a 32-bit whole number (private to the client).

#include <cstdint>
#include <string_view>

// The leading number of the text ("12", "-0.7", "98.8", "1e20", " 7 items"): the fraction
// cut toward zero, held at the 32-bit ends; 0 when the text does not start with a number.
int32_t WholeNumberFromText(std::string_view text);
// The same held at the 64-bit ends.
int64_t WideWholeNumberFromText(std::string_view text);
