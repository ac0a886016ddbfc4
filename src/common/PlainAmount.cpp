#include "common/PlainAmount.h"

#include <algorithm>

namespace {

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool IsPlainAmount(std::string_view text, AmountSign sign) {
    if (sign == AmountSign::MayBeNegative && text.starts_with('-')) text.remove_prefix(1);
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (whole.empty() || whole.size() > 8 || !AllDigits(whole)) return false;
    if (point == std::string_view::npos) return true;
    const std::string_view fraction = text.substr(point + 1);
    return !fraction.empty() && fraction.size() <= 2 && AllDigits(fraction);
}
