#include "db/whole_number.h"

#include <algorithm>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view text, size_t& at) {
    size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return text.substr(start, at - start);
}

// An exponent far beyond the 32-bit range is as good as any larger one.
constexpr int64_t kExponentCap = 1000;

int64_t TakeExponent(std::string_view text, size_t& at) {
    if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return 0;
    size_t next = at + 1;
    bool negative = false;
    if (next < text.size() && (text[next] == '+' || text[next] == '-'))
        negative = text[next++] == '-';
    std::string_view digits = TakeDigits(text, next);
    if (digits.empty()) return 0;
    at = next;
    int64_t exponent = 0;
    for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
    return negative ? -exponent : exponent;
}

}  // namespace

int64_t WideWholeNumberFromText(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::string_view whole = TakeDigits(text, at);
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') fraction = TakeDigits(text, ++at);
    if (whole.empty() && fraction.empty()) return 0;

    // Digits before the decimal point once the exponent has moved it; exact, unlike a
    // detour through double, and independent of the locale.
    const int64_t point = static_cast<int64_t>(whole.size()) + TakeExponent(text, at);
    const int64_t digitCount = static_cast<int64_t>(whole.size() + fraction.size());
    // Once past the 64-bit range the value is held there below.
    constexpr uint64_t kBeyond = uint64_t{1} << 63;
    uint64_t value = 0;
    for (int64_t k = 0; k < point && value <= kBeyond; ++k) {
        if (k >= digitCount && value == 0) break;
        char c = k < static_cast<int64_t>(whole.size()) ? whole[k]
                 : k < digitCount                       ? fraction[k - whole.size()]
                                                        : '0';
        value = value > kBeyond / 10 ? kBeyond + 1 : value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (negative)
        return value >= kBeyond ? std::numeric_limits<int64_t>::min()
                                : -static_cast<int64_t>(value);
    return value >= kBeyond ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(value);
}

int32_t WholeNumberFromText(std::string_view text) {
    return static_cast<int32_t>(std::clamp<int64_t>(WideWholeNumberFromText(text),
                                                    std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
