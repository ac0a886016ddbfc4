#pragma once
// The amounts the program writes: digits the server reads the same way it sums them.

#include <string_view>

enum class AmountSign { PositiveOnly, MayBeNegative };

// "[0-9]{1,8}(\.[0-9]{1,2})?", with a leading "-" when the sign allows it.
bool IsPlainAmount(std::string_view text, AmountSign sign);
