#pragma once
#include <QDateTime>

#include "runtime/datetime.h"

// Between the runtime's date-times and Qt's, in local time to the second. A date-time out of
// the runtime's years gives an invalid QDateTime, an invalid QDateTime day 0.
QDateTime ToQDateTime(DateTime value);
DateTime FromQDateTime(const QDateTime& value);
