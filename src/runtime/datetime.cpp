#include "runtime/datetime.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <initializer_list>
#include <mutex>

#include "runtime/civil_calendar.h"

namespace {

constexpr int kSecondsPerDay = 86400;

std::mutex fixedNowMutex;
std::optional<DateTime> fixedNow;

// The value as a plain count of days in which later always means larger (the stored
// form runs the fraction forward from a negative day's midnight).
double ToLinearDays(double value) {
    const double day = std::trunc(value);
    return day + std::fabs(value - day);
}

double FromLinearDays(double linear) {
    const double day = std::floor(linear);
    const double fraction = linear - day;
    return day >= 0 ? day + fraction : day - fraction;
}

std::string Padded(int number, int width) {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// Copies the picture, replacing at each place the longest token that starts there.
template <typename Expand>
std::string ExpandPicture(std::string_view picture, std::initializer_list<std::string_view> tokens,
                          Expand expand) {
    std::string result;
    for (size_t i = 0; i < picture.size();) {
        auto token = std::find_if(tokens.begin(), tokens.end(), [&](std::string_view t) {
            return picture.substr(i, t.size()) == t;
        });
        if (token == tokens.end()) {
            result += picture[i++];
            continue;
        }
        result += expand(*token);
        i += token->size();
    }
    return result;
}

// Reads 1 to maxDigits digits at text[at], moving at past them.
std::optional<int> ReadNumber(std::string_view text, size_t& at, size_t maxDigits) {
    size_t end = at;
    int value = 0;
    while (end < text.size() && end - at < maxDigits && text[end] >= '0' && text[end] <= '9') {
        value = value * 10 + (text[end++] - '0');
    }
    if (end == at) return std::nullopt;
    at = end;
    return value;
}

bool Skip(std::string_view text, size_t& at, char wanted) {
    if (at >= text.size() || text[at] != wanted) return false;
    ++at;
    return true;
}

DateTime AddMonths(DateTime value, const CalendarFields& f, long long months) {
    const long long total = f.year * 12LL + (f.month - 1) + months;
    if (total < 0) return value;
    // Far past any valid year, yet within int.
    const int year = static_cast<int>(std::min<long long>(total / 12, 1000000));
    const int month = static_cast<int>(total % 12) + 1;
    const int day = std::min(f.day, DaysInMonth(year, month));
    return MakeDateTime(year, month, day, f.hour, f.minute, f.second).value_or(value);
}

DateTime AddDays(DateTime value, double days) {
    const DateTime result{FromLinearDays(ToLinearDays(value.value) + days)};
    CalendarFields check;
    return SplitDateTime(result, check) ? result : value;
}

}  // namespace

bool SplitDateTime(DateTime value, CalendarFields& fields) {
    // Wide of the years 100 to 9999, yet small enough for exact whole days; false for NaN.
    if (!(value.value > -1e6 && value.value < 1e7)) return false;
    long day = static_cast<long>(std::trunc(value.value));
    long seconds = std::lround(std::fabs(value.value - std::trunc(value.value)) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        ++day;
        seconds -= kSecondsPerDay;
    }
    const CivilDate date = CivilDateOf(day);
    if (date.year < 100 || date.year > 9999) return false;
    fields = {date.year,
              date.month,
              DayOfWeekOf(day),
              date.day,
              static_cast<int>(seconds / 3600),
              static_cast<int>(seconds / 60 % 60),
              static_cast<int>(seconds % 60),
              0};
    return true;
}

std::optional<DateTime> MakeDateTime(int year, int month, int day, int hour, int minute,
                                     int second) {
    if (year < 100 || year > 9999 || month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    const double dayNumber = static_cast<double>(DayNumberOf({year, month, day}));
    const double fraction = (hour * 3600 + minute * 60 + second) / double{kSecondsPerDay};
    return DateTime{dayNumber >= 0 ? dayNumber + fraction : dayNumber - fraction};
}

std::string FormatDatePicture(const CalendarFields& fields, std::string_view picture) {
    return ExpandPicture(picture, {"yyyy", "yy", "MM", "M", "dd", "d"}, [&](std::string_view t) {
        if (t == "yyyy") return Padded(fields.year, 4);
        if (t == "yy") return Padded(fields.year % 100, 2);
        if (t[0] == 'M') return Padded(fields.month, static_cast<int>(t.size()));
        return Padded(fields.day, static_cast<int>(t.size()));
    });
}

std::string FormatTimePicture(const CalendarFields& fields, std::string_view picture,
                              bool force24) {
    const int hour12 = fields.hour % 12 == 0 ? 12 : fields.hour % 12;
    return ExpandPicture(picture, {"HH", "H", "hh", "h", "mm", "m", "ss", "s"},
                         [&](std::string_view t) {
                             const int width = static_cast<int>(t.size());
                             switch (t[0]) {
                                 case 'H':
                                     return Padded(fields.hour, width);
                                 case 'h':
                                     return Padded(force24 ? fields.hour : hour12, width);
                                 case 'm':
                                     return Padded(fields.minute, width);
                                 default:
                                     return Padded(fields.second, width);
                             }
                         });
}

DateTime CurrentDateTime() {
    {
        std::lock_guard lock(fixedNowMutex);
        if (fixedNow) return *fixedNow;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, std::min(local.tm_sec, 59))
        .value_or(DateTime{});
}

void SetCurrentDateTimeForTests(std::optional<DateTime> fixed) {
    std::lock_guard lock(fixedNowMutex);
    fixedNow = fixed;
}

std::optional<DateTime> TextToDateTime(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') + 1 - first);

    size_t at = 0;
    const std::optional<int> year = ReadNumber(text, at, 4);
    if (!year || at >= text.size()) return std::nullopt;
    const char separator = text[at];
    if (separator != '/' && separator != '-' && separator != '.') return std::nullopt;
    ++at;
    const std::optional<int> month = ReadNumber(text, at, 2);
    if (!month || !Skip(text, at, separator)) return std::nullopt;
    const std::optional<int> day = ReadNumber(text, at, 2);
    if (!day) return std::nullopt;
    if (at == text.size()) return MakeDateTime(*year, *month, *day);

    if (text[at] != ' ') return std::nullopt;
    at = text.find_first_not_of(' ', at);  // the text ends in no blank
    const std::optional<int> hour = ReadNumber(text, at, 2);
    if (!hour || !Skip(text, at, ':')) return std::nullopt;
    const std::optional<int> minute = ReadNumber(text, at, 2);
    if (!minute) return std::nullopt;
    std::optional<int> second = 0;
    if (Skip(text, at, ':')) second = ReadNumber(text, at, 2);
    if (!second || at != text.size()) return std::nullopt;
    return MakeDateTime(*year, *month, *day, *hour, *minute, *second);
}

DateTime DateTimeAdd(DateTime value, int unit, int amount) {
    CalendarFields fields;
    if (!SplitDateTime(value, fields)) return value;
    switch (unit) {
        case kYear:
            return AddMonths(value, fields, 12LL * amount);
        case kQuarter:
            return AddMonths(value, fields, 3LL * amount);
        case kMonth:
            return AddMonths(value, fields, amount);
        case kWeek:
            return AddDays(value, 7.0 * amount);
        case kDay:
            return AddDays(value, amount);
        case kHour:
            return AddDays(value, amount / 24.0);
        case kMinute:
            return AddDays(value, amount / 1440.0);
        case kSecond:
            return AddDays(value, amount / double{kSecondsPerDay});
        default:
            return value;
    }
}

int DateTimeYear(DateTime value) {
    CalendarFields fields;
    return SplitDateTime(value, fields) ? fields.year : 0;
}

int DateTimeMonth(DateTime value) {
    CalendarFields fields;
    return SplitDateTime(value, fields) ? fields.month : 0;
}

int DateTimeDay(DateTime value) {
    CalendarFields fields;
    return SplitDateTime(value, fields) ? fields.day : 0;
}
