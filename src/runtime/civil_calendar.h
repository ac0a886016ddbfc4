#pragma once
// The proleptic Gregorian calendar, counted in days since 1899-12-30 (day 0).

struct CivilDate {
    int year = 0, month = 0, day = 0;
};

long DayNumberOf(CivilDate date);
CivilDate CivilDateOf(long dayNumber);
int DaysInMonth(int year, int month);
// 0 = Sunday.
int DayOfWeekOf(long dayNumber);
