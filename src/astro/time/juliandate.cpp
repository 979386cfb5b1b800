#include "astro/time/juliandate.h"

#include <cmath>

namespace {

// Floor division for the negative year counts of the distant past.
long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

}  // namespace

SkyDate JulianDateFromCalendar(int year, int month, int day)
{
    const long long a = FloorDiv(14 - month, 12);
    const long long y = static_cast<long long>(year) + 4800 - a;
    const long long m = month + 12 * a - 3;
    const long long jdn = day + FloorDiv(153 * m + 2, 5) + 365 * y + FloorDiv(y, 4) -
                          FloorDiv(y, 100) + FloorDiv(y, 400) - 32045;
    return SkyDate(static_cast<double>(jdn) - 0.5);
}

CalendarDate CalendarFromJulianDate(double jd)
{
    CalendarDate out;
    // The upper bound keeps the integer results representable.
    if (!(jd > 2299159.5 && jd < 1e9))
        return out;
    const double z = std::floor(jd + 0.5);
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double a = z + 1 + alpha - std::floor(alpha / 4);
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double e = std::floor((b - std::floor(365.25 * c)) / 30.6001);
    out.month = static_cast<int>(e > 13.5 ? e - 13 : e - 1);
    out.year = static_cast<int>(e > 13.5 ? c - 4715 : c - 4716);
    out.day = static_cast<int>(b - std::floor(365.25 * c) - std::floor(30.6001 * e));
    return out;
}


bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    switch (month) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}
