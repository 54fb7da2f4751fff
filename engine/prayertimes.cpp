#include "prayertimes.h"

#include <cmath>

namespace ravla {

namespace {

double rad(double degrees)
{
    return degrees * kDegToRad;
}
double deg(double radians)
{
    return radians / kDegToRad;
}

// Interpolates a quantity of the day (index 1) towards the neighbouring days at fraction m.
double interpolate(double v0, double v1, double v2, double m)
{
    const double a = v1 - v0;
    const double b = v2 - v1;
    return v1 + m * (a + b + (b - a) * m) / 2.0;
}

// Right ascension of the day at fraction m, with the wrap through 0/360 taken care of.
double interpolatedRA(const TopocentricDay &day, double m)
{
    double a0 = day.rightAscension[0];
    const double a1 = day.rightAscension[1];
    double a2 = day.rightAscension[2];
    if (a1 > 350 && a2 < 10)
        a2 += 360;
    if (a0 > 350 && a1 < 10)
        a0 -= 360; // keeps the three on one side of 0 h, as a2 above
    return interpolate(a0, a1, a2, m);
}

struct HourAngles {
    double transit = kNoTime;
    double fajr = kNoTime;
    double isha = kNoTime;

    bool complete() const { return fajr != kNoTime && isha != kNoTime; }
};

HourAngles twilight(const Location &place, const PrayerMethod &method, const TopocentricDay &day)
{
    const double delta = rad(day.declination[1]);
    return {solarTransit(place.longitude, day),
            depressionHourAngle(place.latitude, delta, method.fajrAngle),
            depressionHourAngle(place.latitude, delta, method.ishaAngle)};
}

} // namespace

const char *methodName(int code)
{
    static const char *const names[] = {
        "",
        "Egyptian General Authority of Survey",
        "University Of Islamic Sciences, Karachi - Safi",
        "University Of Islamic Sciences, Karachi - Hanefi",
        "Islamic Society Of North America ",
        "Muslim World League",
        "Umm Al-Qura University",
        "Fixed Ishaa",
    };
    return code >= 1 && code <= kMethodCount ? names[code] : "";
}

void methodDefaults(int code, PrayerMethod &m)
{
    m.imsakAngle = 1.5;
    m.fajrInterval = 0;
    m.imsakInterval = 0;
    m.nearestLatitude = 48.5;
    m.highLatitudeRule = 5;
    m.adjustOn = 0;
    for (double &adjust : m.minuteAdjust)
        adjust = 0;

    struct Row {
        double fajr, isha;
        int ishaInterval, asrFactor;
    };
    static const Row rows[] = {
        {0, 0, 0, 1},   {20, 18, 0, 1}, {18, 18, 0, 1}, {18, 18, 0, 2},
        {15, 15, 0, 1}, {18, 17, 0, 1}, {19, 0, 90, 1}, {19.5, 0, 90, 1},
    };
    if (code < 0 || code > kMethodCount) {
        m.asrFactor = 1;
        m.ishaInterval = 0;
        return;
    }
    m.fajrAngle = rows[code].fajr;
    m.ishaAngle = rows[code].isha;
    m.ishaInterval = rows[code].ishaInterval;
    m.asrFactor = rows[code].asrFactor;
}

double depressionHourAngle(double latitude, double declinationRad, double angle)
{
    const double phi = rad(latitude);
    const double c = (std::sin(-rad(angle)) - std::sin(phi) * std::sin(declinationRad)) /
                     (std::cos(phi) * std::cos(declinationRad));
    // Below -0.999 the Sun never sinks that far; above 1 it never climbs back to it.
    if (c <= -0.999 || c > 1.0 || std::isnan(c))
        return kNoTime;
    return deg(std::acos(c)) / 15.0;
}

double asrHourAngle(double latitude, double declinationRad, int asrFactor)
{
    const double phi = rad(latitude);
    // The shadow at noon is tan|phi - delta| on either side of the equator.
    const double p = asrFactor + std::tan(std::fabs(phi - declinationRad));
    const double altitude = kPi / 2.0 - std::atan(p);
    const double c = (std::sin(altitude) - std::sin(phi) * std::sin(declinationRad)) /
                     (std::cos(phi) * std::cos(declinationRad));
    if (c > 1.0 || c < -1.0 || std::isnan(c))
        return kNoTime;
    return deg(std::acos(c)) / 15.0;
}

double solarTransit(double longitude, const TopocentricDay &day)
{
    const double a1 = day.rightAscension[1];
    const double nu1 = day.siderealTime[1];
    const double m = fraction((a1 - longitude - nu1) / 360.0);
    const double nu = nu1 + 360.985647 * m;
    const double alpha = interpolatedRA(day, m);
    const double h = reduceSigned180(nu + longitude - alpha);
    return (m - h / 360.0) * 24.0;
}

double riseOrSet(const Location &place, const TopocentricDay &day, int which)
{
    const double phi = rad(place.latitude);
    const double d1 = rad(day.declination[1]);
    const double c = (std::sin(-0.014545050387345177) - std::sin(phi) * std::sin(d1)) /
                     (std::cos(phi) * std::cos(d1));
    if (c <= -1.0 || c >= 1.0 || std::isnan(c))
        return kNoTime;
    const double h0 = reduce180(deg(std::acos(c)));

    const double a1 = day.rightAscension[1];
    const double nu1 = day.siderealTime[1];
    double m = (a1 - place.longitude - nu1) / 360.0;
    m = which == PrayerEngine::Rise ? m - h0 / 360.0 : m + h0 / 360.0;
    m = fraction(m);

    const double nu = reduce360(nu1 + 360.985647 * m);
    const double alpha = interpolatedRA(day, m);
    const double delta =
        rad(interpolate(day.declination[0], day.declination[1], day.declination[2], m));
    const double h = reduceSigned180(nu + place.longitude - alpha) - deg(day.parallaxRA[1]);
    const double hr = rad(h);
    const double altitude = deg(std::asin(std::sin(phi) * std::sin(delta) +
                                          std::cos(phi) * std::cos(delta) * std::cos(hr)));
    const double d =
        altitude + refraction(place, altitude) + 0.83337 + 0.0347 * std::sqrt(place.elevation);
    return (m + d / (360.0 * std::cos(delta) * std::cos(phi) * std::sin(hr))) * 24.0;
}

void toClockTime(double t, const Location &place, const PrayerMethod &method, PrayerTime &out,
                 int prayerIndex)
{
    if (t == kNoTime) {
        out.hour = 99;
        out.minute = 99;
        out.second = 0;
        return;
    }
    if (method.adjustOn == 1)
        t += method.minuteAdjust[prayerIndex == Imsak ? Fajr : prayerIndex] / 60.0;
    while (t < 0)
        t += 24.0;
    const double minutes = (t - std::floor(t)) * 60.0;
    const double seconds = (minutes - std::floor(minutes)) * 60.0;
    t += place.dstHours;
    if (t >= 24.0)
        t = std::fmod(t, 24.0);
    out.hour = static_cast<int>(t);
    out.minute = static_cast<int>(minutes);
    out.second = static_cast<int>(seconds);
}

void PrayerEngine::solveDay(const Location &place, const PrayerMethod &method, int daysInYear,
                            double jd, PrayerTime *out, int mode)
{
    const TopocentricDay &day = topocentric(jd, place);
    const double delta = rad(day.declination[1]);

    // İmsak needs only the Fajr of its steeper angle: skip the rest of the day.
    const bool imsakOnly = mode == ImsakOnly;
    const double hf = depressionHourAngle(place.latitude, delta, method.fajrAngle);
    const double dhuhr = solarTransit(place.longitude, day);
    double sunrise = 0, ha = 0, maghrib = 0, hi = 0;
    if (!imsakOnly) {
        sunrise = riseOrSet(place, day, Rise);
        ha = asrHourAngle(place.latitude, delta, method.asrFactor);
        maghrib = riseOrSet(place, day, Set);
        hi = depressionHourAngle(place.latitude, delta, method.ishaAngle);
    }

    double times[6] = {
        hf == kNoTime ? kNoTime : dhuhr - hf, sunrise, dhuhr,
        ha == kNoTime ? kNoTime : dhuhr + ha, maghrib, hi == kNoTime ? kNoTime : dhuhr + hi,
    };
    int extreme[6] = {};

    // (For İmsak the search can only change Fajr, so only a missing Fajr starts it.)
    const bool incomplete =
        hf == kNoTime || sunrise == kNoTime || maghrib == kNoTime || hi == kNoTime;
    if (incomplete && method.highLatitudeRule == 5) {
        // Nearest day on which both twilights exist; copies keep our cache as it was.
        SolarDayCache backward = cache_;
        SolarDayCache forward = cache_;
        for (int k = 0; k <= daysInYear; ++k) {
            HourAngles good = twilight(place, method, topocentricDay(backward, jd - k, place));
            if (!good.complete())
                good = twilight(place, method, topocentricDay(forward, jd + k, place));
            if (!good.complete())
                continue;
            if (times[Fajr] == kNoTime) {
                times[Fajr] = good.transit - good.fajr;
                extreme[Fajr] = 1;
            }
            if (times[Isha] == kNoTime) {
                times[Isha] = good.transit + good.isha;
                extreme[Isha] = 1;
            }
            break;
        }
    }

    if (method.ishaInterval != 0)
        times[Isha] = maghrib == kNoTime ? kNoTime : maghrib + method.ishaInterval / 60.0;

    if (mode == ImsakOnly) {
        out[0].isExtreme = extreme[Fajr];
        toClockTime(times[Fajr], place, method, out[0], Imsak);
        return;
    }
    for (int i = 0; i < 6; ++i) {
        out[i].isExtreme = extreme[i];
        toClockTime(times[i], place, method, out[i], i);
    }
}

void PrayerEngine::prayerTimesForDay(const Location &place, const PrayerMethod &method,
                                     const CivilDate &date, PrayerTime out[6])
{
    const DayInfo info = dayInfo(date, place.timeZone);
    solveDay(place, method, info.daysInYear, info.julianDay, out, AllTimes);
}

const TopocentricDay &PrayerEngine::topocentric(double jd, const Location &place)
{
    // Every solve of the same day and place asks for the same correction.
    const bool same = topoValid_ && cache_.julianDay == jd && topoLongitude_ == place.longitude &&
                      topoLatitude_ == place.latitude && topoElevation_ == place.elevation;
    if (!same) {
        topo_ = topocentricDay(cache_, jd, place);
        topoLongitude_ = place.longitude;
        topoLatitude_ = place.latitude;
        topoElevation_ = place.elevation;
        topoValid_ = true;
    }
    return topo_;
}

PrayerTime PrayerEngine::imsakForDay(const Location &place, const PrayerMethod &method,
                                     const CivilDate &date)
{
    const DayInfo info = dayInfo(date, place.timeZone);
    PrayerMethod steeper = method;
    steeper.fajrAngle += steeper.imsakAngle;
    PrayerTime imsak;
    solveDay(place, steeper, info.daysInYear, info.julianDay, &imsak, ImsakOnly);
    if (imsak.isExtreme == 1 || !imsak.exists()) {
        // No real İmsak tonight: ten minutes before the (possibly borrowed) Fajr.
        PrayerMethod adjusted = method;
        adjusted.adjustOn = 1;
        adjusted.minuteAdjust[Fajr] -= 10;
        solveDay(place, adjusted, info.daysInYear, info.julianDay, &imsak, ImsakOnly);
    }
    return imsak;
}

} // namespace ravla
