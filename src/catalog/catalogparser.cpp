#include "catalog/catalogparser.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The application sets the user's locale at start-up; catalog numbers always use '.'.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// The bytes of [offset, offset + width) that exist in a line of `length` bytes.
std::string Field(const char* line, std::size_t length, std::size_t offset, std::size_t width)
{
    if (offset >= length)
        return std::string();
    return std::string(line + offset, std::min(width, length - offset));
}

// The text from offset to the end of the line, at most kMaxNameBytes bytes of it.
std::string Rest(const char* line, std::size_t length, std::size_t offset)
{
    return offset >= length ? std::string()
                            : std::string(line + offset, std::min(kMaxNameBytes, length - offset));
}

// A two-character integer field: each character in turn multiplies by 10 and adds its digit
// when it is one, so " 5" reads 5 and "5 " reads 50. Bytes past the line add nothing.
int TwoDigits(const char* line, std::size_t length, std::size_t offset)
{
    int value = 0;
    for (std::size_t k = 0; k < 2; ++k) {
        value *= 10;
        if (offset + k < length) {
            const char c = line[offset + k];
            if (c >= '0' && c <= '9')
                value += c - '0';
        }
    }
    return value;
}

// The first `count` tab-separated fields; the last runs to the end of the line, missing
// ones are empty.
std::vector<std::string_view> TabFields(const char* line, std::size_t count)
{
    std::vector<std::string_view> fields(count);
    std::string_view rest(line);
    for (std::size_t i = 0; i < count; ++i) {
        if (i + 1 == count) {
            fields[i] = rest;
            break;
        }
        const std::size_t tab = rest.find('\t');
        if (tab == std::string_view::npos) {
            fields[i] = rest;
            break;
        }
        fields[i] = rest.substr(0, tab);
        rest.remove_prefix(tab + 1);
    }
    return fields;
}

std::string Name(std::string_view field)
{
    return std::string(field.substr(0, kMaxNameBytes));
}

double Number(std::string_view field)
{
    return ReadNumber(std::string(field).c_str());
}

}  // namespace

double ReadNumber(const char* text)
{
    return strtod_l(text, nullptr, CLocale());
}

double NumberAt(const char* line, std::size_t offset)
{
    return offset < std::strlen(line) ? ReadNumber(line + offset) : 0.0;
}

Star ParseStarLine(const char* line)
{
    const std::size_t length = std::strlen(line);
    const SphericalCoord position(NumberAt(line, 0), NumberAt(line, 14));
    const char spectral = 28 < length ? line[28] : '\0';
    const float magnitude = static_cast<float>(NumberAt(line, 30));
    return Star(position, spectral, magnitude);
}

StarNameFields ReadStarNameLine(const char* line)
{
    const std::size_t length = std::strlen(line);
    const int hours = TwoDigits(line, length, 0);
    const int minutes = TwoDigits(line, length, 2);
    const double seconds = ReadNumber(Field(line, length, 4, 2).c_str());
    const bool south = 6 < length && line[6] == '-';
    const int degrees = TwoDigits(line, length, 7);
    const int arcMinutes = TwoDigits(line, length, 9);
    const int arcSeconds = TwoDigits(line, length, 11);

    const double raHours = seconds * 0.0002777777777777778 + minutes * 0.016666666666666666 + hours;
    double decDegrees =
        arcSeconds * 0.0002777777777777778 + arcMinutes * 0.016666666666666666 + degrees;
    if (south)
        decDegrees = -decDegrees;

    StarNameFields fields;
    fields.position = SphericalCoord(raHours * kHoursToRad, decDegrees * kDegreesToRad);
    fields.name = Rest(line, length, 13);
    return fields;
}

StarName ParseStarNameLine(const char* line)
{
    StarNameFields fields = ReadStarNameLine(line);
    return StarName(std::move(fields.name), fields.position);
}

ConstellationName ParseConstellationNameLine(const char* line)
{
    const std::vector<std::string_view> f = TabFields(line, 4);
    const double ra = static_cast<float>(Number(f[2]) * kHoursToRad);
    const double dec = Number(f[3]) * kDegreesToRad;
    ConstellationName name(Name(f[1]), SphericalCoord(ra, dec));
    name.abbreviation = Name(f[0]);
    return name;
}

ConstellationLine ParseConstellationLineLine(const char* line)
{
    const std::size_t length = std::strlen(line);
    double v[4];
    for (std::size_t k = 0; k < 4; ++k)
        v[k] = ReadNumber(Field(line, length, 12 * k, 12).c_str());
    return ConstellationLine(SphericalCoord(v[0], v[1]), SphericalCoord(v[2], v[3]));
}

ConstellationZone ParseZoneLine(const char* line)
{
    const std::size_t length = std::strlen(line);
    const double raLow = NumberAt(line, 0) * kHoursToRad;
    const double raHigh = NumberAt(line, 9) * kHoursToRad;
    const double decLow = NumberAt(line, 17) * kDegreesToRad;
    return ConstellationZone(raHigh, raLow, decLow, Rest(line, length, 26));
}

SphericalCoord ReadMessierLine(const char* line)
{
    return SphericalCoord(NumberAt(line, 0), NumberAt(line, 14));
}

MessierObject ParseMessierLine(const char* line, std::int32_t number)
{
    return MessierObject(number, ReadMessierLine(line));
}

NgcObject ParseNgcLine(const char* line)
{
    const std::size_t length = std::strlen(line);
    const SphericalCoord position(NumberAt(line, 0), NumberAt(line, 14));
    const NgcType type = NgcObject::TypeFromCode(Field(line, length, 28, 2));
    return NgcObject(Rest(line, length, 31), type, position);
}

SphericalCoord ParseMilkyWayLine(const char* line)
{
    const std::vector<std::string_view> f = TabFields(line, 2);
    const double ra = static_cast<float>(Number(f[0]) * kHoursToRad);
    return SphericalCoord(ra, Number(f[1]) * kDegreesToRad);
}

Observer ParseCityLine(const char* line)
{
    const std::vector<std::string_view> f = TabFields(line, 6);
    Observer city(Name(f[0]), Name(f[1]), static_cast<float>(Number(f[2]) * kDegreesToRad),
                  static_cast<float>(Number(f[3]) * kDegreesToRad), static_cast<float>(Number(f[4])));
    // The optional sixth field: the IANA zone name, up to the first white space.
    std::string_view zone = f[5];
    const std::size_t end = zone.find_first_of(" \t\r\n");
    if (end != std::string_view::npos)
        zone = zone.substr(0, end);
    city.zoneName = Name(zone);
    return city;
}
