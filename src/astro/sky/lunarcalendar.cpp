#include "astro/sky/lunarcalendar.h"

#include "astro/time/juliandate.h"

#include <cmath>

// Lunar years 1841-2043, five years (60 months) a line, months 1..12 of each year, after
// the month lengths published by the Korea Astronomy and Space Science Institute.
const char LunarMonthTable[kLunarMonthTableLength + 1] =
    "124112121221221211212121222121412121221212121212121221212121"  // 1841-1845
    "212152122121211212122212121121212221212321212122212112112212"  // 1846-1850
    "221211232122212211212112212212121212121212521212112122122121"  // 1851-1855
    "211212122212121152121222121121122122212112112122216112112122"  // 1856-1860
    "122121212112212122152112122121221212112121221221211241221221"  // 1861-1865
    "211211221222121121121222122321121221222112112121222121211521"  // 1866-1870
    "221221212112121221212212112124212212112121212221211211212221"  // 1871-1875
    "221151212212221121121212221212112121224212112121212212212112"  // 1876-1880
    "121212522121121212122122112112122212211232122122211211212122"  // 1881-1885
    "212121121212221521121212212212112121212212121212152122121212"  // 1886-1890
    "121212122122112115221222112112121222121211212122212151212121"  // 1891-1895
    "222121121212122121212121215221212121212121221212121121252212"  // 1896-1900
    "121121212221212112121222121232112212221211211221221221121212"  // 1901-1905
    "122412121212121212212121211221212212151212122212121121212221"  // 1906-1910
    "212115122122212112112212221211211212221251212112212212121212"  // 1911-1915
    "121212212121232122122121211212122212121121522122121121122122"  // 1916-1920
    "212112112122212232112122122121212112212122121211212521221212"  // 1921-1925
    "112121221221211212122122151211221222121121121222122115121221"  // 1926-1930
    "222112112121222121211212122161212112121221221212112121221221"  // 1931-1935
    "214121212221211211212221221121412212221121121212221212112121"  // 1936-1940
    "221224112121212212212112121212212212112412122122112112122212"  // 1941-1945
    "211211212212251211212122212121121212221212321212212212112121"  // 1946-1950
    "212212121212121242121212121122122122112112122122214112121222"  // 1951-1955
    "121211212122212121152122122121121212122121212121212125212121"  // 1956-1960
    "212121221212121121221221212321212221212112121222121211211222"  // 1961-1965
    "125211211221221221121212122121521212121212212121211221212212"  // 1966-1970
    "121152122212121121212221212112112221221512112212221211211212"  // 1971-1975
    "221212152112212212121211221212212121211216122121211212122122"  // 1976-1980
    "121121122122212321122122212112112122212211211522122121211212"  // 1981-1985
    "122122121211212215221212112121221221211212122122121151221222"  // 1986-1990
    "121121121222122112112122125212112121222121211212122122152112"  // 1991-1995
    "121221212212112121221221211232212221211211212221221121121221"  // 1996-2000
    "222321121212221212112121221221211212152212121212121212212211"  // 2001-2005
    "212121522122112112122212211211212212221151212122212121121212"  // 2006-2010
    "212212112121216212112121212212121212121212125212121121222121"  // 2011-2015
    "212112122122121232121222121211212122212121121212212521121212"  // 2016-2020
    "122121212121212122121212152121221212121121221221212115212221"  // 2021-2025
    "212112121222121211211222122151211221221221121122121221212121"  // 2026-2030
    "215212212121211212212212121121212252121121212221212112112212"  // 2031-2035
    "221214112212221211211212221212121121221252121211212212212121"  // 2036-2040
    "211212212212151212122122121121122122";  // 2041-2043

namespace {

// Gregorian 23 January 1841 is lunar 1841-01-01; 31 December 2043 is the last day covered.
const SkyDate& BaseDate()
{
    static const SkyDate base = JulianDateFromCalendar(1841, 1, 23);
    return base;
}

const SkyDate& LastDate()
{
    static const SkyDate last = JulianDateFromCalendar(2043, 12, 31);
    return last;
}

int DigitDays(char digit);

// Day number (counted from 0 on the base date) of lunar new year of every table year, built
// once, so that a conversion walks only the months of its own year.
struct YearStarts {
    long long day[kLunarLastYear - kLunarFirstYear + 2];
    YearStarts()
    {
        day[0] = 0;
        for (int y = 0; y <= kLunarLastYear - kLunarFirstYear; ++y) {
            long long total = 0;
            for (int k = 0; k < 12; ++k)
                total += DigitDays(LunarMonthTable[y * 12 + k]);
            day[y + 1] = day[y] + total;
        }
    }
};

const YearStarts& Years()
{
    static const YearStarts years;
    return years;
}

int DigitDays(char digit)
{
    switch (digit) {
    case '1': return 29;
    case '2': return 30;
    case '3': return 58;
    case '4': return 59;
    case '5': return 59;
    case '6': return 60;
    default: return 0;
    }
}

}  // namespace

int LunarDigitDays(char digit)
{
    return DigitDays(digit);
}

bool ToLunar(const SkyDate& date, LunarDate& out)
{
    // Count whole days by day numbers, so that any instant of a day (not only its 0h) and
    // no rounding of the Julian date moves the result to a neighbouring day.
    const double day = std::floor(date.jd + 0.5);
    const double base = std::floor(BaseDate().jd + 0.5);
    const double last = std::floor(LastDate().jd + 0.5);
    if (!(day >= base && day <= last))
        return false;
    long long n = static_cast<long long>(day - base) + 1;
    // Skip whole years first; the month walk below then ends in the same place as a walk
    // from the first digit of the table would.
    const YearStarts& years = Years();
    int y = 0;
    while (y < kLunarLastYear - kLunarFirstYear && years.day[y + 1] < n)
        ++y;
    n -= years.day[y];
    int year = kLunarFirstYear + y;
    int month = 1;
    int pos = y * 12;
    while (pos < kLunarMonthTableLength) {
        const int days = LunarDigitDays(LunarMonthTable[pos]);
        if (n <= days)
            break;
        n -= days;
        if (month == 12) {
            ++year;
            month = 1;
        } else {
            ++month;
        }
        ++pos;
    }
    if (pos >= kLunarMonthTableLength)
        return false;
    const char digit = LunarMonthTable[pos];
    const int ordinary = (digit == '1' || digit == '3' || digit == '4') ? 29 : 30;
    out.year = year;
    out.month = month;
    if (n <= ordinary) {
        out.day = static_cast<int>(n);
        out.leap = false;
    } else {
        out.day = static_cast<int>(n - ordinary);
        out.leap = true;
    }
    return true;
}
