#pragma once

#include "astro/ephemeris/body.h"
#include "astro/sky/lunarcalendar.h"

#include <string>

// The one home of the texts in which Kosmira shows times, dates and angles. UTF-8.

// Korean name of a body: "태양", "달", "수성" ... "명왕성".
std::string BodyNameKorean(Body body);

// Hours as "%02d:%02d:%02d", split by HoursToHMS (astro/time/hours.h: truncated, noise below
// 3.6 ms counted as the whole second); a negative value carries its sign on the hour field:
// -1.5 -> "-1:30:00", -0.5 -> "-00:30:00", 25.25 -> "25:15:00". Non-finite: "00:00:00".
std::string FormatHours(double hours);

// "음력 %s%02d월 %02d일" with "윤" for a leap month: "음력 윤04월 01일".
std::string FormatLunarDate(const LunarDate& date);

// Right ascension (radians) as "19h 45m 12s", rounded to the second, in [0h, 24h).
std::string FormatRightAscension(double ra);
// Declination (radians) as "+23° 26′ 05″", rounded to the arc second.
std::string FormatDeclination(double dec);
// An angle (radians) in arc minutes with one decimal, "32.5′".
std::string FormatArcMinutes(double angle);
// A whole number (rounded) with thousands separators, "147,098,074".
std::string FormatGrouped(double value);

// Hours as whole hours and minutes (rounded to the minute), "3시간 07분"; non-finite or
// negative: "0시간 00분".
std::string FormatHoursMinutes(double hours);
// A clock position (hours, 0 = 12 o'clock) rounded to the minute, "4시 30분 방향"; 0 reads
// "12시 00분 방향".
std::string FormatClockPosition(double clock);
// A UT Julian date shown in a zone zoneHours ahead of UT as "2027-01-05 23:09", rounded to
// the minute. "----" for a date before the Gregorian calendar or not finite.
std::string FormatLocalDateTime(double jdUT, double zoneHours);
