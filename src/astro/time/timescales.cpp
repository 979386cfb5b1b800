#include "astro/time/timescales.h"

#include "astro/time/juliandate.h"

#include <cmath>
#include <ctime>

namespace {

constexpr double kInvDay = 0.041666666666666664;         // 1 / 24
constexpr double kInvCentury = 2.7378507871321012e-05;   // 1 / 36525
constexpr double kInvTwoPi = 0.15915494309189532;        // 1 / (2 pi)
constexpr double kSolarPerSidereal = 0.9972695663;       // solar hours per sidereal hour

double Reduce24(double h)
{
    return h - 24.0 * std::floor(h / 24.0);
}

// Greenwich sidereal time at 0h UT of the date, hours in [0, 24).
double SiderealAtZeroHours(double dateJd)
{
    const double t = (dateJd - 2451545.0) * kInvCentury;
    return Reduce24(6.697374558 + 2400.051336 * t + 0.000025862 * t * t);
}

SkyTime FromClock(const std::tm& tm)
{
    const SkyDate date = JulianDateFromCalendar(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return SkyTime(date, tm.tm_hour + tm.tm_min / 60.0 + tm.tm_sec / 3600.0);
}

}  // namespace

SkyTime LocalToUT(const SkyTime& local, double timeZoneHours)
{
    return SkyTime(local.JD() - timeZoneHours * kInvDay);
}

SkyTime UTToLocal(const SkyTime& ut, double timeZoneHours)
{
    return SkyTime(ut.date.jd + (ut.time.hours + timeZoneHours) * kInvDay);
}

SkyTime UTToGST(const SkyTime& ut)
{
    const double theta0 = SiderealAtZeroHours(ut.date.jd);
    const double theta = Reduce24(theta0 + ut.time.hours * 1.00273790935);
    return SkyTime(SkyDate(std::floor(ut.date.jd - 0.5) + 0.5), theta);
}

SkyTime GSTToUT(const SkyTime& gst)
{
    const double theta0 = SiderealAtZeroHours(gst.date.jd);
    const double h = Reduce24(gst.time.hours - theta0);
    return SkyTime(gst.date.jd + h * kSolarPerSidereal * kInvDay);
}

SkyTime GSTToLST(const SkyTime& gst, double longitude)
{
    return SkyTime(gst.JD() + longitude * kInvTwoPi);
}

SkyTime LSTToGST(const SkyTime& lst, double longitude)
{
    return SkyTime(lst.JD() - longitude * kInvTwoPi);
}

SkyTime UTToLST(const SkyTime& ut, double longitude)
{
    return GSTToLST(UTToGST(ut), longitude);
}

SkyTime LocalToLST(const SkyTime& local, double timeZoneHours, double longitude)
{
    return UTToLST(LocalToUT(local, timeZoneHours), longitude);
}

SkyTime LSTToLocal(const SkyTime& lst, double timeZoneHours, double longitude)
{
    // Count sidereal hours from the local sidereal time at 0h local of the civil date:
    // going through a Julian date of the sidereal value would let the date slip by a day
    // whenever the sidereal hours and the longitude straddle midnight.
    const SkyTime midnight(lst.date, 0.0);
    const double lstAtMidnight = LocalToLST(midnight, timeZoneHours, longitude).time.hours;
    const double sidereal = Reduce24(lst.time.hours - lstAtMidnight);
    return SkyTime(lst.date, sidereal * kSolarPerSidereal);
}

SkyTime NowUT()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    return FromClock(tm);
}

SkyTime NowLocal()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return FromClock(tm);
}
