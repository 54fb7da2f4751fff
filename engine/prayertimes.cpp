#include "prayertimes.h"

#include <algorithm>
#include <cmath>

namespace ravla {

namespace {

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

} // namespace

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

DaySun sunAtUniversalMidnight(const Location &place, double jd, const SolarCoordinates &sun)
{
    const double noon = 12.0 + place.timeZone - place.longitude * kHoursPerDegree;
    return {sun.declination, noon - equationOfTime(universalMidnight(place, jd), sun) / 60.0};
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

namespace {

struct SunAt {
    double hourAngle;   // degrees
    double declination; // radians
    double altitude;    // geometric, degrees
};

// The Sun of the day interpolated to fraction m of it, seen from the place.
SunAt interpolatedSun(const Location &place, const TopocentricDay &day, double m)
{
    const double phi = rad(place.latitude);
    const double nu = reduce360(day.siderealTime[1] + 360.985647 * m);
    const double alpha = interpolatedRA(day, m);
    const double delta =
        rad(interpolate(day.declination[0], day.declination[1], day.declination[2], m));
    const double h = reduceSigned180(nu + place.longitude - alpha) - deg(day.parallaxRA[1]);
    const double altitude = deg(std::asin(std::sin(phi) * std::sin(delta) +
                                          std::cos(phi) * std::cos(delta) * std::cos(rad(h))));
    return {h, delta, altitude};
}

// Geometric altitude at which the rise/set correction below vanishes (about -0.817 deg at sea
// level). Refraction changes slowly there, so a few fixed-point steps settle it.
double riseSetAltitude(const Location &place)
{
    const double apparent = -0.83337 - 0.0347 * std::sqrt(place.elevation);
    double h = apparent;
    for (int i = 0; i < 3; ++i) // each step gains about two digits
        h = apparent - refraction(place, h);
    return h;
}

// Where the Sun barely crosses the horizon (near the polar day and night) the single correction
// step overshoots; there the crossing is bracketed between the transit and the lower transit.
double bisectCrossing(const Location &place, const TopocentricDay &day, double target, int which)
{
    double upper = solarTransit(place.longitude, day) / 24.0;
    double lower = which == PrayerEngine::Rise ? upper - 0.5 : upper + 0.5;
    const double above = interpolatedSun(place, day, upper).altitude - target;
    const double below = interpolatedSun(place, day, lower).altitude - target;
    if (!(above > 0 && below < 0))
        return kNoTime;
    for (int i = 0; i < 40; ++i) { // 40 halvings of half a day: far below a second
        const double mid = (upper + lower) / 2.0;
        if (interpolatedSun(place, day, mid).altitude - target > 0)
            upper = mid;
        else
            lower = mid;
    }
    return (upper + lower) / 2.0 * 24.0;
}

} // namespace

double riseOrSet(const Location &place, const TopocentricDay &day, int which)
{
    const double phi = rad(place.latitude);
    const double d1 = rad(day.declination[1]);
    const double c = (std::sin(-0.014545050387345177) - std::sin(phi) * std::sin(d1)) /
                     (std::cos(phi) * std::cos(d1));
    if (!(c > -1.0 && c < 1.0)) // also NaN
        return kNoTime;
    const double h0 = reduce180(deg(std::acos(c)));

    double m = (day.rightAscension[1] - place.longitude - day.siderealTime[1]) / 360.0;
    m = which == PrayerEngine::Rise ? m - h0 / 360.0 : m + h0 / 360.0;
    m = fraction(m);

    const SunAt sun = interpolatedSun(place, day, m);
    const double d = sun.altitude + refraction(place, sun.altitude) + 0.83337 +
                     0.0347 * std::sqrt(place.elevation);
    const double t =
        m + d / (360.0 * std::cos(sun.declination) * std::cos(phi) * std::sin(rad(sun.hourAngle)));
    const double target = riseSetAltitude(place);
    if (std::isfinite(t) && std::fabs(interpolatedSun(place, day, t).altitude - target) <= 0.05)
        return t * 24.0;
    return bisectCrossing(place, day, target, which);
}

namespace {

// When the Sun is `angle` below the horizon in the morning (Rise) or evening (Set), on the Sun as
// it moves through the day rather than with the day's midnight declination. `estimate` is the
// answer by that declination, or kNoTime; Newton steps from it settle within a few steps.
double twilightAt(const Location &place, const TopocentricDay &day, double angle, int which,
                  double estimate)
{
    const double target = -angle;
    if (estimate != kNoTime) {
        const double cosPhi = std::cos(rad(place.latitude));
        double m = estimate / 24.0;
        for (int i = 0; i < 4 && std::isfinite(m); ++i) {
            const SunAt sun = interpolatedSun(place, day, m);
            m += (sun.altitude - target) * std::cos(rad(sun.altitude)) /
                 (360.0 * std::cos(sun.declination) * cosPhi * std::sin(rad(sun.hourAngle)));
        }
        if (std::isfinite(m) && std::fabs(interpolatedSun(place, day, m).altitude - target) < 1e-4)
            return m * 24.0;
    }
    // Near the lower transit the steps may not settle, and the Sun may just reach an angle
    // that the midnight declination says it misses.
    return bisectCrossing(place, day, target, which);
}

// Asr hour angle with the declination of the Asr moment itself (a few steps).
double asrAt(const Location &place, const TopocentricDay &day, double transit, int asrFactor)
{
    double h = asrHourAngle(place.latitude, rad(day.declination[1]), asrFactor);
    for (int i = 0; i < 3 && h != kNoTime; ++i) {
        const double m = (transit + h) / 24.0;
        const double delta =
            interpolate(day.declination[0], day.declination[1], day.declination[2], m);
        h = asrHourAngle(place.latitude, rad(delta), asrFactor);
    }
    return h;
}

// Sunrise or sunset as the method reckons it.
double sunriseOrSunset(const Location &place, const PrayerMethod &method, const TopocentricDay &day,
                       const DaySun &sun, int which)
{
    if (!method.riseSetByHourAngle)
        return riseOrSet(place, day, which);
    const double h = depressionHourAngle(place.latitude, sun.declination, 0.8333);
    if (h == kNoTime)
        return kNoTime;
    return which == PrayerEngine::Rise ? sun.transit - h : sun.transit + h;
}

// The Sun the method reckons the day's times by, where it does not follow the Sun through it.
DaySun sunOfTheDay(const Location &place, const PrayerMethod &method, const TopocentricDay &day,
                   double jd)
{
    if (method.sunAtUniversalMidnight)
        return sunAtUniversalMidnight(place, jd, solarCoordinates(universalMidnight(place, jd)));
    return {rad(day.declination[1]), solarTransit(place.longitude, day)};
}

// Whether any time needs the Sun's course through the day, not only the day's one position.
bool followsTheSun(const PrayerMethod &method)
{
    return !method.sunAtUniversalMidnight || !method.riseSetByHourAngle || method.twilightAtEvent ||
           method.asrAtEvent || method.maghribAngle > 0;
}

double nightPortion(HighLatitudeRule rule, double angle)
{
    switch (rule) {
    case HighLatitudeRule::MiddleOfNight:
        return 0.5;
    case HighLatitudeRule::OneSeventh:
        return 1.0 / 7.0;
    case HighLatitudeRule::TwilightAngle:
        return angle / 60.0;
    case HighLatitudeRule::Nearest:
        break;
    }
    return 0;
}

// The steps of PrayerEngine::solveDay, in the order it takes them.

// A day's times in hours of its clock while the steps settle them; kNoTime where missing.
struct DayTimes {
    double time[6] = {}; // PrayerIndex order
    int extreme[6] = {}; // 1: an estimate, not where the Sun is that day
    // The day's own sunrise and sunset (Maghrib may go by an angle instead); 0 where İmsak alone
    // needs neither.
    double sunrise = 0, sunset = 0;

    // Without its own Fajr, sunrise, sunset or Isha, the day asks the nearest-day rule.
    bool incomplete(bool imsakOnly) const
    {
        return time[Fajr] == kNoTime || sunrise == kNoTime || sunset == kNoTime ||
               (!imsakOnly && time[Isha] == kNoTime);
    }
    bool twilightMissing(bool imsakOnly) const
    {
        return time[Fajr] == kNoTime || (!imsakOnly && time[Isha] == kNoTime);
    }
};

// Nothing sensible comes from a place or date that is not a number.
bool isSolvable(const Location &place, double jd)
{
    return std::isfinite(place.latitude) && std::isfinite(place.longitude) &&
           std::isfinite(place.elevation) && std::isfinite(jd) && std::fabs(place.latitude) <= 90.0;
}

DayTimes noTimes()
{
    DayTimes d;
    for (double &t : d.time)
        t = kNoTime;
    return d;
}

// The times by one declination for the day (sunOfTheDay's). İmsak needs only the Fajr of its
// steeper angle, so the rest of the day is skipped (a portion of the night still needs the
// sunrise).
DayTimes timesByDeclination(const Location &place, const PrayerMethod &method,
                            const TopocentricDay &day, const DaySun &sun, bool imsakOnly)
{
    const double delta = sun.declination;
    const bool byPortion = method.highLatitudeRule != HighLatitudeRule::Nearest;
    const double hf = depressionHourAngle(place.latitude, delta, method.fajrAngle);
    const double dhuhr = sun.transit;
    DayTimes d;
    double ha = 0, hi = 0;
    if (!imsakOnly || byPortion)
        d.sunrise = sunriseOrSunset(place, method, day, sun, PrayerEngine::Rise);
    if (!imsakOnly) {
        ha = method.asrAtEvent ? asrAt(place, day, dhuhr, method.asrFactor)
                               : asrHourAngle(place.latitude, delta, method.asrFactor);
        d.sunset = sunriseOrSunset(place, method, day, sun, PrayerEngine::Set);
        hi = depressionHourAngle(place.latitude, delta, method.ishaAngle);
    }
    d.time[Fajr] = hf == kNoTime ? kNoTime : dhuhr - hf;
    d.time[Sunrise] = d.sunrise;
    d.time[Dhuhr] = dhuhr;
    d.time[Asr] = ha == kNoTime ? kNoTime : dhuhr + ha;
    d.time[Maghrib] = d.sunset;
    d.time[Isha] = hi == kNoTime ? kNoTime : dhuhr + hi;
    return d;
}

// Fajr and Isha where the Sun really is at that moment (an Isha by its interval needs none).
void twilightsAtTheirMoment(DayTimes &d, const Location &place, const PrayerMethod &method,
                            const TopocentricDay &day, bool imsakOnly)
{
    d.time[Fajr] = twilightAt(place, day, method.fajrAngle, PrayerEngine::Rise, d.time[Fajr]);
    if (!imsakOnly && method.ishaInterval == 0)
        d.time[Isha] = twilightAt(place, day, method.ishaAngle, PrayerEngine::Set, d.time[Isha]);
}

// Maghrib when the Sun is the method's angle down instead of at sunset.
void maghribByAngle(DayTimes &d, const Location &place, const PrayerMethod &method,
                    const TopocentricDay &day)
{
    const double hm =
        depressionHourAngle(place.latitude, rad(day.declination[1]), method.maghribAngle);
    d.time[Maghrib] = hm == kNoTime ? kNoTime : d.time[Dhuhr] + hm;
    if (method.twilightAtEvent)
        d.time[Maghrib] =
            twilightAt(place, day, method.maghribAngle, PrayerEngine::Set, d.time[Maghrib]);
}

// Fajr no earlier than the rule's portion of the night before sunrise, Isha no later than its
// portion of the night after sunset; both become estimates where the bound moves them.
void boundByNightPortions(DayTimes &d, const PrayerMethod &method, double sunsetBefore,
                          double sunriseAfter, bool imsakOnly)
{
    const HighLatitudeRule rule = method.highLatitudeRule;
    if (d.sunrise != kNoTime && sunsetBefore != kNoTime) {
        const double bound =
            d.sunrise - nightPortion(rule, method.fajrAngle) * (d.sunrise - sunsetBefore);
        if (d.time[Fajr] == kNoTime || d.time[Fajr] < bound) {
            d.time[Fajr] = bound;
            d.extreme[Fajr] = 1;
        }
    }
    if (!imsakOnly && d.sunset != kNoTime && sunriseAfter != kNoTime) {
        // A Maghrib by an angle is bounded like Isha (and Isha never comes before it).
        for (const int i : {Maghrib, Isha}) {
            const double angle = i == Isha ? method.ishaAngle : method.maghribAngle;
            const double bound = d.sunset + nightPortion(rule, angle) * (sunriseAfter - d.sunset);
            if ((i == Isha || angle > 0) && (d.time[i] == kNoTime || d.time[i] > bound)) {
                const bool afterMaghrib = i == Isha && d.time[Maghrib] != kNoTime;
                d.time[i] = afterMaghrib ? std::max(bound, d.time[Maghrib]) : bound;
                d.extreme[i] = 1;
            }
        }
    }
}

// A time the day lacks, taken from another day.
void estimateIfMissing(DayTimes &d, int i, double estimate)
{
    if (d.time[i] == kNoTime) {
        d.time[i] = estimate;
        d.extreme[i] = 1;
    }
}

// Where the Sun never sinks to Maghrib's angle the sunset stands in, and a borrowed Isha may
// fall before a late Maghrib by its angle: not before it.
void settleMaghribByAngle(DayTimes &d)
{
    if (d.time[Maghrib] == kNoTime && d.sunset != kNoTime) {
        d.time[Maghrib] = d.sunset;
        d.extreme[Maghrib] = 1;
    }
    if (d.time[Maghrib] != kNoTime && d.time[Isha] != kNoTime && d.time[Isha] < d.time[Maghrib]) {
        d.time[Isha] = d.time[Maghrib];
        d.extreme[Isha] = 1;
    }
}

void ishaAfterMaghrib(DayTimes &d, int minutes)
{
    d.time[Isha] = d.time[Maghrib] == kNoTime ? kNoTime : d.time[Maghrib] + minutes / 60.0;
    d.extreme[Isha] = 0; // a fixed time after Maghrib is no estimate
}

// İmsak alone is written to out[0], with İmsak's own minutes.
void writeClockTimes(const DayTimes &d, const Location &place, const PrayerMethod &method,
                     bool imsakOnly, PrayerTime *out)
{
    const int count = imsakOnly ? 1 : 6;
    for (int i = 0; i < count; ++i) {
        out[i].isExtreme = d.extreme[i];
        toClockTime(d.time[i], place, method, out[i], imsakOnly ? static_cast<int>(Imsak) : i);
    }
}

} // namespace

void toClockTime(double t, const Location &place, const PrayerMethod &method, PrayerTime &out,
                 int prayerIndex)
{
    if (t == kNoTime || !std::isfinite(t)) {
        out.hour = 99;
        out.minute = 99;
        out.second = 0;
        return;
    }
    if (method.adjustOn == 1)
        t += method.minuteAdjust[prayerIndex == Imsak ? Fajr : prayerIndex] / 60.0;
    if (prayerIndex >= 0 && prayerIndex <= Imsak)
        t += method.shiftSeconds[prayerIndex] / 3600.0;
    if (t < 0)
        t = std::fmod(t, 24.0) + 24.0; // a time just before midnight of the day before
    const double minutes = (t - std::floor(t)) * 60.0;
    const double seconds = (minutes - std::floor(minutes)) * 60.0;
    t += place.dstHours;
    if (t >= 24.0)
        t = std::fmod(t, 24.0);
    out.hour = static_cast<int>(t);
    out.minute = static_cast<int>(minutes);
    out.second = static_cast<int>(seconds);
}

bool PrayerEngine::DayMemo::matches(const Location &place) const
{
    return !days.empty() && latitude == place.latitude && longitude == place.longitude &&
           elevation == place.elevation && timeZone == place.timeZone;
}

PrayerEngine::DayMemo::Day &PrayerEngine::DayMemo::at(long day)
{
    if (days.empty()) {
        firstDay = day;
        days.resize(1);
    } else if (day < firstDay) {
        const long grow = std::max<long>(firstDay - day, static_cast<long>(days.size()));
        days.insert(days.begin(), static_cast<std::size_t>(grow), Day{});
        firstDay -= grow;
    } else if (day - firstDay >= static_cast<long>(days.size())) {
        const long need = day - firstDay + 1;
        days.resize(static_cast<std::size_t>(std::max<long>(need, 2 * days.size())));
    }
    return days[static_cast<std::size_t>(day - firstDay)];
}

bool PrayerEngine::nearestCompleteDay(const Location &place, const PrayerMethod &method,
                                      int daysInYear, double jd, Twilight &good)
{
    if (!memo_.matches(place)) {
        memo_ = DayMemo{};
        memo_.latitude = place.latitude;
        memo_.longitude = place.longitude;
        memo_.elevation = place.elevation;
        memo_.timeZone = place.timeZone;
        for (Search &s : searches_)
            s = Search{};
    }

    Search *search = &searches_[0];
    for (Search &s : searches_) {
        if (s.clearDistance >= 0 && s.fajrAngle == method.fajrAngle &&
            s.ishaAngle == method.ishaAngle) {
            search = &s;
            break;
        }
        if (s.lastUse < search->lastUse)
            search = &s;
    }
    if (search->clearDistance < 0 || search->fajrAngle != method.fajrAngle ||
        search->ishaAngle != method.ishaAngle)
        *search = Search{method.fajrAngle, method.ishaAngle, 0, -1, 0};
    search->lastUse = ++searchClock_;

    // Days near the last search that it found without twilight need no second look: a day
    // next to it starts one day nearer, which gives exactly the result of a search from 0.
    const long today = std::lround(jd);
    const long moved = std::labs(today - search->day);
    int start = 0;
    if (search->clearDistance >= 0 && moved <= 1)
        start = std::max(0, search->clearDistance - static_cast<int>(moved));
    search->day = today;

    for (int k = start; k <= daysInYear; ++k) {
        for (const double dayJd : {jd - k, jd + k}) {
            DayMemo::Day &d = memo_.at(std::lround(dayJd));
            if (!d.known) {
                const TopocentricDay day =
                    topocentricDay(dayJd < jd ? memo_.backward : memo_.forward, dayJd, place);
                d = {solarTransit(place.longitude, day), rad(day.declination[1]), true};
            }
            const Twilight t{d.transit,
                             depressionHourAngle(place.latitude, d.declination, method.fajrAngle),
                             depressionHourAngle(place.latitude, d.declination, method.ishaAngle)};
            if (t.complete()) {
                search->clearDistance = k;
                good = t;
                return true;
            }
        }
    }
    search->clearDistance = daysInYear + 1;
    return false;
}

void PrayerEngine::solveDay(const Location &where, const PrayerMethod &method, int daysInYear,
                            double jd, PrayerTime *out, int mode)
{
    const bool imsakOnly = mode == ImsakOnly;
    // Diyanet beyond 62 deg: the times of 62 deg (on the same meridian and clock).
    Location place = where;
    if (method.diyanetBeyond45 && std::fabs(place.latitude) > kDiyanetCapLatitude &&
        std::fabs(place.latitude) <= 90.0)
        place.latitude = std::copysign(kDiyanetCapLatitude, place.latitude);
    if (!isSolvable(place, jd)) {
        writeClockTimes(noTimes(), place, method, imsakOnly, out);
        return;
    }

    // Diyanet's times come from one position of the Sun: the day's course (three more) is not
    // worked out for them.
    static const TopocentricDay noCourse{};
    const bool course = followsTheSun(method);
    const TopocentricDay &day = course ? topocentric(jd, place) : noCourse;
    const DaySun sun = course
                           ? sunOfTheDay(place, method, day, jd)
                           : sunAtUniversalMidnight(place, jd, sunAt(universalMidnight(place, jd)));
    DayTimes d = timesByDeclination(place, method, day, sun, imsakOnly);
    if (method.twilightAtEvent)
        twilightsAtTheirMoment(d, place, method, day, imsakOnly);
    if (!imsakOnly && method.maghribAngle > 0)
        maghribByAngle(d, place, method, day);

    // (For İmsak the search can only change Fajr, so only a missing Fajr starts it.)
    const HighLatitudeRule rule = method.highLatitudeRule;
    bool borrow = d.incomplete(imsakOnly) && rule == HighLatitudeRule::Nearest;
    if (rule != HighLatitudeRule::Nearest) {
        double sunsetBefore = kNoTime, sunriseAfter = kNoTime;
        neighbouringNights(place, method, jd, sunsetBefore, sunriseAfter);
        boundByNightPortions(d, method, sunsetBefore, sunriseAfter, imsakOnly);
        // No night to divide (the Sun stays up): as the nearest-day rule does.
        borrow = d.twilightMissing(imsakOnly);
    }
    DiyanetNight night;
    if (method.diyanetBeyond45 && diyanet_.night(place, jd, night)) {
        d.time[Fajr] = night.imsak;
        d.extreme[Fajr] = night.imsakEstimated;
        if (!imsakOnly) {
            d.time[Isha] = night.yatsi;
            d.extreme[Isha] = night.yatsiEstimated;
        }
        borrow = false; // up to 62 deg the Sun sets every day
    }
    Twilight good;
    if (borrow && nearestCompleteDay(place, method, daysInYear, jd, good)) {
        estimateIfMissing(d, Fajr, good.transit - good.fajr);
        estimateIfMissing(d, Isha, good.transit + good.isha);
    }

    if (!imsakOnly && method.maghribAngle > 0)
        settleMaghribByAngle(d);
    if (method.ishaInterval != 0)
        ishaAfterMaghrib(d, method.ishaInterval);
    writeClockTimes(d, place, method, imsakOnly, out);
}

void PrayerEngine::neighbouringNights(const Location &place, const PrayerMethod &method, double jd,
                                      double &sunsetBefore, double &sunriseAfter)
{
    const TopocentricDay before = topocentricDay(before_, jd - 1, place);
    const TopocentricDay after = topocentricDay(after_, jd + 1, place);
    const double set =
        sunriseOrSunset(place, method, before, sunOfTheDay(place, method, before, jd - 1), Set);
    const double rise =
        sunriseOrSunset(place, method, after, sunOfTheDay(place, method, after, jd + 1), Rise);
    sunsetBefore = set == kNoTime ? kNoTime : set - 24.0;
    sunriseAfter = rise == kNoTime ? kNoTime : rise + 24.0;
}

void PrayerEngine::prayerTimesForDay(const Location &place, const PrayerMethod &method,
                                     const CivilDate &date, PrayerTime out[6])
{
    const DayInfo info = dayInfo(date, place.timeZone);
    solveDay(place, method, info.daysInYear, info.julianDay, out, AllTimes);
}

const SolarCoordinates &PrayerEngine::sunAt(double jd)
{
    if (jd != sunJulianDay_) {
        sun_ = solarCoordinates(jd);
        sunJulianDay_ = jd;
    }
    return sun_;
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
    if (method.imsakAngle == 0)
        return imsak; // İmsak is Fajr, estimated or not
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
