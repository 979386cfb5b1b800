#pragma once

#include <cstdint>
#include <string_view>

// Readers of the number fields of the time and location dialogs, shared by the dialogs and
// the fuzz targets. They take the field's text as UTF-8, check its form and its range before
// any arithmetic, and never overflow. Leading and trailing white space is ignored.

enum class FieldReading {
    Valid,       // a number within range; the value was stored
    Incomplete,  // empty, or the start of a number still being typed ("", "-", "1e")
    Invalid,     // anything else, including a number outside the range
};

// Decimal digits only, at most `limit`.
FieldReading ReadUnsignedField(std::string_view text, std::uint32_t limit, std::uint32_t& value);

// A decimal number in the C locale ("-12.5", "2.4e6"; no "inf", "nan" or hexadecimal), finite
// and within [low, high] (or (low, high) with openRange).
FieldReading ReadDecimalField(std::string_view text, double low, double high, double& value,
                              bool openRange = false);

// ----- Time dialog -----

enum TimeField { kTimeYear, kTimeMonth, kTimeDay, kTimeHour, kTimeMinute, kTimeSecond, kTimeFieldCount };

// Each date and time field holds 0 to 999999999: out-of-range calendar values (month 13,
// 90 minutes) are computed by the formulas, but nothing larger reaches them.
constexpr std::uint32_t kMaxTimeField = 999999999;
// The dialog's Julian dates lie strictly between -1e9 and 1e9.
constexpr double kJulianDateLimit = 1.0e9;

FieldReading ReadTimeField(std::string_view text, std::uint32_t& value);
FieldReading ReadJulianDateField(std::string_view text, double& value);

// The instant of six field values: the Julian date of 0h of the calendar date and the hours
// second / 3600 + minute / 60 + hour. False, leaving both alone, when the fields exceed
// kMaxTimeField or the Julian date (date + hours / 24) would not lie within the limit.
bool InstantFromTimeFields(const std::uint32_t fields[kTimeFieldCount], double& dateJd, double& hours);

// ----- Location dialog -----

enum LocationField {
    kFieldLonDegrees, kFieldLonMinutes, kFieldLonSeconds, kFieldLatDegrees, kFieldLatMinutes,
    kFieldLatSeconds, kFieldZoneHours,
    kLocationFieldCount
};
constexpr double kMaxZoneHours = 14.0;

// The largest value of each whole-number field (degrees 180 and 90, minutes and seconds 59).
std::uint32_t LocationFieldLimit(int field);
FieldReading ReadLocationField(int field, std::string_view text, std::uint32_t& value);
FieldReading ReadZoneHoursField(std::string_view text, double& hours);

// Degrees of a degree, minute, second triple.
double DegreesOf(std::uint32_t degrees, std::uint32_t minutes, std::uint32_t seconds);
