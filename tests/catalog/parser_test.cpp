#include "astro/math/angles.h"
#include "catalog/catalogparser.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

constexpr double kExactRad = 1e-15;

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b)
{
    return r | (g << 8) | (b << 16);
}

// A line with each text placed at its byte offset, spaces between.
std::string Columns(std::initializer_list<std::pair<std::size_t, std::string>> fields)
{
    std::string line;
    for (const auto& [offset, text] : fields) {
        if (line.size() < offset)
            line.resize(offset, ' ');
        line.replace(offset, text.size(), text);
    }
    return line;
}

}  // namespace

TEST(StarLine, FixedColumnsAreRead)
{
    const auto star = ParseStarLine(" 1.7677953616 -0.2917512422 A -1.44");
    EXPECT_DOUBLE_EQ(star.position.lon, 1.7677953616);
    EXPECT_DOUBLE_EQ(star.position.lat, -0.2917512422);
    EXPECT_EQ(star.spectral, 'A');
    EXPECT_FLOAT_EQ(star.magnitude, -1.44f);
    EXPECT_FLOAT_EQ(star.sizeFactor, static_cast<float>(std::pow(1.4, 1.44)));
}

TEST(StarLine, SpectralColours)
{
    auto colourOf = [](char letter) {
        std::string line = " 0.0000000000  0.0000000000 X  1.00";
        line[28] = letter;
        return ParseStarLine(line.c_str()).colour;
    };
    EXPECT_EQ(colourOf('O'), Rgb(200, 210, 255));
    EXPECT_EQ(colourOf('B'), Rgb(230, 240, 255));
    EXPECT_EQ(colourOf('A'), Rgb(255, 255, 255));
    EXPECT_EQ(colourOf('F'), Rgb(230, 255, 150));
    EXPECT_EQ(colourOf('G'), Rgb(255, 255, 180));
    EXPECT_EQ(colourOf('g'), Rgb(255, 255, 255));
    EXPECT_EQ(colourOf('K'), Rgb(255, 220, 180));
    EXPECT_EQ(colourOf('M'), Rgb(255, 160, 0));
    EXPECT_EQ(colourOf('C'), Rgb(255, 255, 255));
}

TEST(StarLine, SizeFactorIsPowerOfMagnitude)
{
    EXPECT_FLOAT_EQ(ParseStarLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "A"}, {30, "0.00"}}).c_str()).sizeFactor, 1.0f);
    EXPECT_FLOAT_EQ(ParseStarLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "A"}, {30, "1.00"}}).c_str()).sizeFactor, 1.0f / 1.4f);
    EXPECT_FLOAT_EQ(ParseStarLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "A"}, {30, "-1.00"}}).c_str()).sizeFactor, 1.4f);
}

TEST(StarLine, ShortLinesReadMissingFieldsAsEmpty)
{
    const auto a = ParseStarLine("0.5");
    EXPECT_EQ(a.position.lon, 0.5);
    EXPECT_EQ(a.position.lat, 0.0);
    EXPECT_EQ(a.spectral, '\0');
    EXPECT_EQ(a.magnitude, 0.0f);
    EXPECT_EQ(a.colour, Rgb(255, 255, 255));
    const auto b = ParseStarLine(" 0.1000000000  0.2000000000 M");
    EXPECT_EQ(b.spectral, 'M');
    EXPECT_EQ(b.magnitude, 0.0f);
    EXPECT_EQ(b.sizeFactor, 1.0f);
    const auto c = ParseStarLine("");
    EXPECT_EQ(c.position.lon, 0.0);
}

TEST(StarNameLine, SexagesimalPositionAndName)
{
    const StarNameFields f = ReadStarNameLine("064509-164258시리우스");
    const double raHours = 9 * 0.0002777777777777778 + 45 * 0.016666666666666666 + 6;
    const double decDegrees = -(58 * 0.0002777777777777778 + 42 * 0.016666666666666666 + 16);
    EXPECT_NEAR(f.position.lon, raHours * kPi / 12, kExactRad);
    EXPECT_NEAR(f.position.lat, decDegrees * kPi / 180, kExactRad);
    EXPECT_EQ(f.name, "시리우스");
}

TEST(StarNameLine, SignOfDeclination)
{
    EXPECT_GT(ReadStarNameLine("000000+010000x").position.lat, 0.0);
    EXPECT_GT(ReadStarNameLine("000000 010000x").position.lat, 0.0);
    EXPECT_NEAR(ReadStarNameLine("000000-003000x").position.lat, -0.5 * kPi / 180, kExactRad);
}

TEST(StarNameLine, DigitFieldsReadCharacterByCharacter)
{
    // " 5" reads 5, "5 " reads 50.
    EXPECT_NEAR(ReadStarNameLine(" 50000+000000").position.lon, 5 * kPi / 12, kExactRad);
    EXPECT_NEAR(ReadStarNameLine("0000 0+5 0000").position.lat, 50 * kPi / 180, kExactRad);
}

TEST(StarNameLine, ShortLinesReadMissingFieldsAsEmpty)
{
    const StarNameFields f = ReadStarNameLine("0645");
    EXPECT_NEAR(f.position.lon, (6 + 45 / 60.0) * kPi / 12, 1e-12);
    EXPECT_EQ(f.position.lat, 0.0);
    EXPECT_EQ(f.name, "");
    const StarNameFields g = ReadStarNameLine("064509-1642");
    EXPECT_NEAR(g.position.lat, -(16 + 42 / 60.0) * kPi / 180, 1e-12);
    EXPECT_EQ(ReadStarNameLine("").name, "");
    EXPECT_EQ(ReadStarNameLine("064509-164258").name, "");
}

TEST(ConstellationNameLine, TabFields)
{
    const auto c = ParseConstellationNameLine("Lyr\t거문고자리\t18.6000\t30.0000");
    EXPECT_EQ(c.name, "거문고자리");
    EXPECT_EQ(c.position.lon, static_cast<double>(static_cast<float>(18.6 * kPi / 12)));
    EXPECT_DOUBLE_EQ(c.position.lat, 30.0 * kPi / 180);
}

TEST(ConstellationNameLine, NamesAreCutAt127Bytes)
{
    const std::string longName(300, 'x');
    const auto c = ParseConstellationNameLine((std::string(200, 'a') + "\t" + longName + "\t1\t2").c_str());
    EXPECT_EQ(c.name, std::string(127, 'x'));
    EXPECT_NEAR(c.position.lon, kPi / 12, 1e-7);
}

TEST(ConstellationNameLine, FewerTabsGiveEmptyFields)
{
    const auto a = ParseConstellationNameLine("Lyr\t거문고자리");
    EXPECT_EQ(a.name, "거문고자리");
    EXPECT_EQ(a.position.lon, 0.0);
    EXPECT_EQ(a.position.lat, 0.0);
    const auto b = ParseConstellationNameLine("Lyr");
    EXPECT_EQ(b.name, "");
    const auto c = ParseConstellationNameLine("Lyr\tX\t2.5");
    EXPECT_NEAR(c.position.lon, 2.5 * kPi / 12, 1e-7);
    EXPECT_EQ(c.position.lat, 0.0);
}

TEST(ConstellationLineLine, FourTwelveCharacterFields)
{
    const auto l = ParseConstellationLineLine("  0.54061225  0.73879264  0.30426325  0.62169675");
    EXPECT_DOUBLE_EQ(l.start.lon, 0.54061225);
    EXPECT_DOUBLE_EQ(l.start.lat, 0.73879264);
    EXPECT_DOUBLE_EQ(l.end.lon, 0.30426325);
    EXPECT_DOUBLE_EQ(l.end.lat, 0.62169675);
}

TEST(ConstellationLineLine, FieldsDoNotRunIntoEachOther)
{
    // Without spaces each field still ends after its twelve characters.
    const auto l = ParseConstellationLineLine("1.0000000001-2.000000002");
    EXPECT_DOUBLE_EQ(l.start.lon, 1.0000000001);
    EXPECT_DOUBLE_EQ(l.start.lat, -2.000000002);
    EXPECT_EQ(l.end.lon, 0.0);
    EXPECT_EQ(l.end.lat, 0.0);
}

TEST(ZoneLine, FixedColumns)
{
    const auto z = ParseZoneLine(" 21.0000 23.0000  86.1667 작은곰자리");
    EXPECT_DOUBLE_EQ(z.raLow, 21.0 * kHoursToRad);
    EXPECT_DOUBLE_EQ(z.raHigh, 23.0 * kHoursToRad);
    EXPECT_DOUBLE_EQ(z.decLow, 86.1667 * kDegreesToRad);
    EXPECT_EQ(z.name, "작은곰자리");
    const auto s = ParseZoneLine("  0.0000 24.0000 -90.0000 팔분의자리");
    EXPECT_DOUBLE_EQ(s.decLow, -90.0 * kDegreesToRad);
}

TEST(ZoneLine, ShortLinesReadMissingFieldsAsEmpty)
{
    const auto z = ParseZoneLine(" 1.5");
    EXPECT_DOUBLE_EQ(z.raLow, 1.5 * kHoursToRad);
    EXPECT_EQ(z.raHigh, 0.0);
    EXPECT_EQ(z.decLow, 0.0);
    EXPECT_EQ(z.name, "");
}

TEST(MessierLine, PositionOnly)
{
    const SphericalCoord p = ReadMessierLine(" 1.4595315870  0.3842639054 Nb M1 NGC 1952");
    EXPECT_DOUBLE_EQ(p.lon, 1.4595315870);
    EXPECT_DOUBLE_EQ(p.lat, 0.3842639054);
    EXPECT_EQ(ReadMessierLine("").lon, 0.0);
}

TEST(NgcLine, TypeCodesAndName)
{
    const auto g = ParseNgcLine(" 0.0613762485 -0.4046038329 Gx NGC 45");
    EXPECT_EQ(g.type, NgcType::Galaxy);
    EXPECT_EQ(g.name, "NGC 45");
    EXPECT_DOUBLE_EQ(g.position.lon, 0.0613762485);
    EXPECT_DOUBLE_EQ(g.position.lat, -0.4046038329);
    EXPECT_EQ(ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "OC"}, {31, "x"}}).c_str()).type, NgcType::OpenCluster);
    EXPECT_EQ(ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "Gb"}, {31, "x"}}).c_str()).type, NgcType::GlobularCluster);
    EXPECT_EQ(ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "Pl"}, {31, "x"}}).c_str()).type, NgcType::PlanetaryNebula);
    EXPECT_EQ(ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "Nb"}, {31, "x"}}).c_str()).type, NgcType::DiffuseNebula);
    EXPECT_EQ(ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "gx"}, {31, "x"}}).c_str()).type, NgcType::DiffuseNebula);
}

TEST(NgcLine, EmptyAndMissingNames)
{
    EXPECT_EQ(ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "Gx"}}).c_str()).name, "");
    EXPECT_EQ(ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "Gx "}}).c_str()).name, "");
    const auto shortLine = ParseNgcLine(Columns({{0, "0.0"}, {14, "0.0"}, {28, "G"}}).c_str());
    EXPECT_EQ(shortLine.type, NgcType::DiffuseNebula);
    EXPECT_EQ(shortLine.name, "");
}

TEST(MilkyWayLine, HoursTabDegrees)
{
    const SphericalCoord p = ParseMilkyWayLine("2.994021\t45.113786");
    EXPECT_EQ(p.lon, static_cast<double>(static_cast<float>(2.994021 * kPi / 12)));
    EXPECT_DOUBLE_EQ(p.lat, 45.113786 * kPi / 180);
    const SphericalCoord noTab = ParseMilkyWayLine("3.5");
    EXPECT_NEAR(noTab.lon, 3.5 * kPi / 12, 1e-7);
    EXPECT_EQ(noTab.lat, 0.0);
}

TEST(CityLine, FiveTabFields)
{
    const auto c = ParseCityLine("대한민국\t서울\t126.98\t37.57\t9");
    EXPECT_EQ(c.region, "대한민국");
    EXPECT_EQ(c.name, "서울");
    EXPECT_EQ(c.longitude, static_cast<float>(126.98 * 0.017453292519943295));
    EXPECT_EQ(c.latitude, static_cast<float>(37.57 * 0.017453292519943295));
    EXPECT_EQ(c.timeZone, 9.0f);
}

TEST(CityLine, WestIsNegativeAndHalfHourZones)
{
    const auto c = ParseCityLine("영국\t어딘가\t-0.5\t51.5\t5.5");
    EXPECT_NEAR(c.longitude, -0.0087266f, 1e-7f);
    EXPECT_EQ(c.longitude, static_cast<float>(-0.5 * 0.017453292519943295));
    EXPECT_EQ(c.timeZone, 5.5f);
}

TEST(CityLine, LongNamesAreCutAndMissingFieldsAreEmpty)
{
    const auto c = ParseCityLine((std::string(128, 'r') + "\t" + std::string(400, 'c') + "\t1").c_str());
    EXPECT_EQ(c.region, std::string(127, 'r'));
    EXPECT_EQ(c.name, std::string(127, 'c'));
    EXPECT_NEAR(c.longitude, 0.017453292f, 1e-8f);
    EXPECT_EQ(c.latitude, 0.0f);
    EXPECT_EQ(c.timeZone, 0.0f);
    const auto empty = ParseCityLine("");
    EXPECT_EQ(empty.region, "");
    EXPECT_EQ(empty.name, "");
}

TEST(ReadNumber, BehavesLikeAtofInTheCLocale)
{
    EXPECT_EQ(ReadNumber("  -12.5xyz"), -12.5);
    EXPECT_EQ(ReadNumber("+3"), 3.0);
    EXPECT_EQ(ReadNumber("abc"), 0.0);
    EXPECT_EQ(ReadNumber(""), 0.0);
    EXPECT_EQ(NumberAt("12", 5), 0.0);
    EXPECT_EQ(NumberAt("12 34", 3), 34.0);
}

TEST(ReadNumber, IgnoresTheProcessLocale)
{
    // The application runs in the user's locale; build one with a decimal comma if the
    // system has none installed.
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen) {
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + folder + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) {
            setenv("LOCPATH", folder.c_str(), 1);
            if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
                chosen = "de_DE.UTF-8";
            unsetenv("LOCPATH");
        }
    }
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma could be set";
    EXPECT_EQ(std::atof("1,5"), 1.5) << "the locale is not in effect";
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_EQ(ReadNumber("1,5"), 1.0);
    EXPECT_EQ(NumberAt(" 0.0013892821 -0.7730167977", 14), -0.7730167977);
    std::setlocale(LC_NUMERIC, "C");
}
