#include "common/DateTimeText.h"

namespace {

// Each part is formatted into a buffer of 50 characters; a longer part does not fit.
constexpr size_t kPartBuffer = 50;

std::string FitPart(std::string part) { return part.size() < kPartBuffer ? part : std::string(); }

}  // namespace

std::string FormatDateTime(DateTime value, const std::string& datePicture,
                           const std::string& timePicture, bool force24Hour, int /*localeId*/) {
    CalendarFields fields;
    if (!SplitDateTime(value, fields)) return {};
    return FitPart(FormatDatePicture(fields, datePicture)) +
           FitPart(FormatTimePicture(fields, timePicture, force24Hour));
}
