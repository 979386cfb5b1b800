#include "app/fieldparsers.h"

#include "astro/time/juliandate.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// How far text follows the form [+-]digits[.digits][(e|E)[+-]digits]: complete when it is a
// whole number of that form, a prefix when typing could still complete it.
enum class Form { Complete, Prefix, Other };

Form DecimalForm(std::string_view t)
{
    std::size_t i = 0;
    auto skipSign = [&] {
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
    };
    // Steps over a run of digits and tells how many there were.
    auto skipDigits = [&] {
        const std::size_t from = i;
        while (i < t.size() && IsDigit(t[i]))
            ++i;
        return i - from;
    };
    skipSign();
    std::size_t mantissaDigits = skipDigits();
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantissaDigits += skipDigits();
    }
    if (i == t.size())
        return mantissaDigits > 0 ? Form::Complete : Form::Prefix;
    if (mantissaDigits == 0 || (t[i] != 'e' && t[i] != 'E'))
        return Form::Other;
    ++i;
    skipSign();
    const std::size_t exponentDigits = skipDigits();
    if (i != t.size())
        return Form::Other;
    return exponentDigits > 0 ? Form::Complete : Form::Prefix;
}

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

FieldReading ReadUnsignedField(std::string_view text, std::uint32_t limit, std::uint32_t& value)
{
    const std::string_view t = Trimmed(text);
    if (t.empty())
        return FieldReading::Incomplete;
    std::uint64_t parsed = 0;
    for (const char c : t) {
        if (!IsDigit(c))
            return FieldReading::Invalid;
        parsed = parsed * 10 + static_cast<std::uint64_t>(c - '0');
        if (parsed > limit)  // stops long before 64 bits could overflow
            return FieldReading::Invalid;
    }
    value = static_cast<std::uint32_t>(parsed);
    return FieldReading::Valid;
}

FieldReading ReadDecimalField(std::string_view text, double low, double high, double& value,
                              bool openRange)
{
    const std::string_view t = Trimmed(text);
    switch (DecimalForm(t)) {
    case Form::Prefix:
        return FieldReading::Incomplete;
    case Form::Other:
        return FieldReading::Invalid;
    case Form::Complete:
        break;
    }
    const std::string copy(t);
    char* end = nullptr;
    const double parsed = strtod_l(copy.c_str(), &end, CLocale());
    if (end != copy.c_str() + copy.size() || !std::isfinite(parsed))
        return FieldReading::Invalid;
    const bool inside = openRange ? (parsed > low && parsed < high) : (parsed >= low && parsed <= high);
    if (!inside)
        return FieldReading::Invalid;
    value = parsed;
    return FieldReading::Valid;
}

FieldReading ReadTimeField(std::string_view text, std::uint32_t& value)
{
    return ReadUnsignedField(text, kMaxTimeField, value);
}

FieldReading ReadJulianDateField(std::string_view text, double& value)
{
    return ReadDecimalField(text, -kJulianDateLimit, kJulianDateLimit, value, true);
}

bool InstantFromTimeFields(const std::uint32_t fields[kTimeFieldCount], double& dateJd, double& hours)
{
    for (int f = 0; f < kTimeFieldCount; ++f) {
        if (fields[f] > kMaxTimeField)
            return false;
    }
    // With every field below 1e9 the calendar formula stays well inside 64-bit integers.
    const double date = JulianDateFromCalendar(static_cast<int>(fields[kTimeYear]),
                                               static_cast<int>(fields[kTimeMonth]),
                                               static_cast<int>(fields[kTimeDay]))
                            .jd;
    const double h = fields[kTimeSecond] / 3600.0 + fields[kTimeMinute] / 60.0 + fields[kTimeHour];
    const double jd = h / 24.0 + date;
    if (!(std::fabs(jd) < kJulianDateLimit))
        return false;
    dateJd = date;
    hours = h;
    return true;
}

std::uint32_t LocationFieldLimit(int field)
{
    switch (field) {
    case kFieldLonDegrees: return 180;
    case kFieldLatDegrees: return 90;
    default: return 59;
    }
}

FieldReading ReadLocationField(int field, std::string_view text, std::uint32_t& value)
{
    return ReadUnsignedField(text, LocationFieldLimit(field), value);
}

FieldReading ReadZoneHoursField(std::string_view text, double& hours)
{
    return ReadDecimalField(text, 0.0, kMaxZoneHours, hours);
}

double DegreesOf(std::uint32_t degrees, std::uint32_t minutes, std::uint32_t seconds)
{
    return degrees + minutes / 60.0 + seconds / 3600.0;
}
