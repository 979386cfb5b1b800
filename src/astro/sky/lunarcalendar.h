#pragma once

#include "astro/time/skydate.h"

#include <string>

// Month lengths of the Korean lunisolar calendar, lunar years 1841-2043: 12 digits a year
// for months 1..12. 1: 29 days; 2: 30 days; 3: 29 + leap 29; 4: 29 + leap 30;
// 5: 30 + leap 29; 6: 30 + leap 30 (the leap month follows the ordinary month).
constexpr int kLunarMonthTableLength = 2436;
extern const char LunarMonthTable[kLunarMonthTableLength + 1];

// First and last lunar year of the table.
constexpr int kLunarFirstYear = 1841;
constexpr int kLunarLastYear = 2043;

// A date of the Korean lunisolar calendar.
struct LunarDate {
    int year = 0;
    int month = 0;       // 1..12
    int day = 0;         // 1..30
    bool leap = false;   // in the leap month following the ordinary month of that number
};

// Days covered by one digit of LunarMonthTable (29, 30, 58, 59, 59 or 60; 0 if invalid).
int LunarDigitDays(char digit);

// Converts a Gregorian day (Julian date of its 0h) from 23 January 1841 (lunar 1841-01-01)
// to 31 December 2043 into the lunar calendar by counting days through the table. Returns
// false and leaves out untouched outside that range.
bool ToLunar(const SkyDate& date, LunarDate& out);

