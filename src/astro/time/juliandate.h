#pragma once

#include "astro/time/skydate.h"

// Calendar date in the proleptic Gregorian calendar.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Julian date of 0h of the Gregorian calendar date (proleptic for every year), JDN - 0.5.
// Month 1..12. Source: the Fliegel-Van Flandern style day count (Explanatory Supplement).
SkyDate JulianDateFromCalendar(int year, int month, int day);

// Gregorian calendar date of the day containing jd (Meeus, Astronomical Algorithms, ch. 7).
// Defined for jd > 2299159.5 only; earlier dates give year = month = day = 0.
CalendarDate CalendarFromJulianDate(double jd);

// True for Gregorian leap years (divisible by 4 and not by 100, or divisible by 400).
bool IsLeapYear(int year);

// Days in the month (28..31) of the Gregorian calendar.
int DaysInMonth(int year, int month);
