#include "DateConversion.h"

QDateTime ToQDateTime(DateTime value) {
    CalendarFields fields;
    if (!SplitDateTime(value, fields)) return {};
    return QDateTime(QDate(fields.year, fields.month, fields.day),
                     QTime(fields.hour, fields.minute, fields.second), Qt::LocalTime);
}

DateTime FromQDateTime(const QDateTime& value) {
    if (!value.isValid()) return {};
    const QDateTime local = value.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    return MakeDateTime(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                        time.second())
        .value_or(DateTime{});
}
