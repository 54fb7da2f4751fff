#include "diyanet.h"

#include "prayertimes.h"

#include <cmath>
#include <cstdlib>

namespace ravla {

// Diyanet's High Board decided (2009/61) that beyond 45 deg Yatsı is at a third of the night
// from Akşam to true dawn, İmsak from March to September is sunrise less the Akşam-Yatsı interval
// plus an allowance for the difference of the angles, the change to these times comes gradually,
// and beyond 62 deg the times of 62 deg are used; 2007/48 keeps the last real value through the
// days without true dawn. How it is done was measured on its tables for Berlin, Nürnberg and
// Breuberg 2026 and Amsterdam 2021 (48.5 to 53 deg N): the 18 and 16 deg angles, the anchor
// days, the 18/16 allowance and the 20-minute ramps below. Beyond that band (45 to 48.5, above
// 53 deg, the southern hemisphere) it follows the decision's wording unmeasured.

namespace {

constexpr double kDawnAngle = 18;
constexpr double kDuskAngle = 16;    // Türkiye keeps 17; the tables abroad show 16
constexpr double kTemkin = 7 / 60.0; // Güneş before sunrise, Akşam after sunset
constexpr double kRamp = 20 / 60.0;  // how near the estimate the ordinary time starts to bend
constexpr double kAngleRatio = kDawnAngle / kDuskAngle;
constexpr int kHalfYear = 190; // days kept either side of the solstice

long dayNumberOf(double julianDay, double timeZone)
{
    return std::lround(julianDay + 0.5 + timeZone / 24.0);
}

double julianDayOf(long dayNumber, double timeZone)
{
    return dayNumber - 0.5 - timeZone / 24.0;
}

// The summer solstice nearest to the day: 21 June in the north, 21 December in the south.
long nearestSolstice(long dayNumber, double latitude)
{
    const int month = latitude >= 0 ? 6 : 12;
    const int year = static_cast<int>(std::floor((dayNumber - kJ2000) / 365.2425)) + 2000;
    long best = 0;
    for (int y = year - 1; y <= year + 1; ++y) {
        const long s = civilDayNumber({21, month, y == 0 ? 1 : y});
        if (best == 0 || std::labs(s - dayNumber) < std::labs(best - dayNumber))
            best = s;
    }
    return best;
}

// Where the line from the anchor's target meets the ordinary time `band` hours off it, walking
// away from the anchor by `step`; `ordinary(n)` is that time on day n, NaN where there is none.
template <class Ordinary>
double rampStart(long anchor, int step, double target, double side, Ordinary ordinary)
{
    double previous = side * (ordinary(anchor) - target);
    if (!(previous < kRamp))
        return anchor;
    for (int k = 1; k < kHalfYear - 2; ++k) {
        const long n = anchor + step * k;
        const double v = side * (ordinary(n) - target);
        if (v >= kRamp)
            return n - step + step * (kRamp - previous) / (v - previous);
        if (std::isfinite(v))
            previous = v;
    }
    return anchor + step * (kHalfYear - 3);
}

// The time on whichever of the two ramps holds day x, or NaN outside both.
template <typename Ramp> double onRamps(double x, const Ramp &a, const Ramp &b)
{
    for (const Ramp *r : {&a, &b})
        if (r->start != r->anchor && (x - r->anchor) * (x - r->start) < 0)
            return r->target + r->side * kRamp * (x - r->anchor) / (r->start - r->anchor);
    return NAN;
}

// The engine's depressionHourAngle gives up 10 minutes short of the lower transit; the tables'
// B1 is the last day the Sun reaches 18 deg at all (Nürnberg's Yatsı 3 minutes late otherwise).
double dawnHourAngle(double latitude, double delta)
{
    const double phi = rad(latitude);
    const double c = (std::sin(-rad(kDawnAngle)) - std::sin(phi) * std::sin(delta)) /
                     (std::cos(phi) * std::cos(delta));
    return c >= -1.0 && c <= 1.0 ? deg(std::acos(c)) / 15.0 : kNoTime;
}

} // namespace

void DiyanetSummers::build(Summer &s, const Location &place)
{
    s.first = s.solstice - kHalfYear;
    s.days.assign(2 * kHalfYear + 2, Day{});
    for (std::size_t i = 0; i < s.days.size(); ++i) {
        const double jd = julianDayOf(s.first + static_cast<long>(i), place.timeZone);
        const DaySun sun =
            sunAtUniversalMidnight(place, jd, solarCoordinates(universalMidnight(place, jd)));
        const double transit = sun.transit;
        const double delta = sun.declination;
        const double h0 = depressionHourAngle(place.latitude, delta, 0.8333);
        const double hf = dawnHourAngle(place.latitude, delta);
        const double hi = depressionHourAngle(place.latitude, delta, kDuskAngle);
        Day &d = s.days[i];
        // Up to 62 deg the Sun sets every day, so the night is always there.
        d.sunrise = transit - h0;
        d.sunset = transit + h0;
        d.hasDawn = hf != kNoTime;
        d.hasDusk = hi != kNoTime;
        d.dawn = d.hasDawn ? transit - hf : 0;
        d.dusk = d.hasDusk ? transit + hi : 0;
    }
    const auto at = [&s](long n) -> const Day & { return s.days[n - s.first]; };

    s.b1 = s.b2 = s.solstice;
    if (!at(s.solstice).hasDawn) {
        while (!at(s.b1).hasDawn && s.b1 > s.first)
            --s.b1;
        while (!at(s.b2).hasDawn && s.b2 < s.first + 2 * kHalfYear)
            ++s.b2;
    }

    // On B1 Yatsı is a third of the night from Akşam to (that morning's) true dawn; from there to
    // B2 the night keeps that fraction.
    const Day &b1 = at(s.b1);
    const double aksam = b1.sunset + kTemkin;
    const double yatsi = aksam + (b1.dawn + 24 - aksam) / 3;
    s.fraction = (yatsi - b1.sunset) / (at(s.b1 + 1).sunrise + 24 - b1.sunset);

    const auto frozenYatsi = [&](long n) {
        return at(n).sunset + s.fraction * (at(n + 1).sunrise + 24 - at(n).sunset);
    };
    const auto frozenImsak = [&](long n) {
        return at(n).sunrise - kTemkin - kAngleRatio * (frozenYatsi(n) - at(n).sunset - kTemkin);
    };
    const auto dusk = [&](long n) { return at(n).hasDusk ? at(n).dusk : NAN; };
    const auto dawn = [&](long n) { return at(n).hasDawn ? at(n).dawn : NAN; };

    s.yatsiIn = {double(s.b1), 0, frozenYatsi(s.b1), -1};
    s.yatsiOut = {double(s.b2), 0, frozenYatsi(s.b2), -1};
    s.imsakIn = {double(s.b1), 0, frozenImsak(s.b1), 1};
    s.imsakOut = {double(s.b2), 0, frozenImsak(s.b2), 1};
    for (Ramp *r : {&s.yatsiIn, &s.imsakIn, &s.yatsiOut, &s.imsakOut}) {
        const bool in = r == &s.yatsiIn || r == &s.imsakIn;
        const bool isYatsi = r == &s.yatsiIn || r == &s.yatsiOut;
        r->start = isYatsi ? rampStart(long(r->anchor), in ? -1 : 1, r->target, r->side, dusk)
                           : rampStart(long(r->anchor), in ? -1 : 1, r->target, r->side, dawn);
    }
}

DiyanetSummers::Summer &DiyanetSummers::summerFor(const Location &place, long dayNumber)
{
    const long solstice = nearestSolstice(dayNumber, place.latitude);
    Summer *oldest = &summers_[0];
    for (Summer &s : summers_) {
        if (!s.days.empty() && s.solstice == solstice && s.latitude == place.latitude &&
            s.longitude == place.longitude && s.timeZone == place.timeZone &&
            s.elevation == place.elevation) {
            s.lastUse = ++clock_;
            return s;
        }
        if (s.lastUse < oldest->lastUse)
            oldest = &s;
    }
    *oldest = Summer{};
    oldest->latitude = place.latitude;
    oldest->longitude = place.longitude;
    oldest->timeZone = place.timeZone;
    oldest->elevation = place.elevation;
    oldest->solstice = solstice;
    oldest->lastUse = ++clock_;
    build(*oldest, place);
    return *oldest;
}

bool DiyanetSummers::night(const Location &place, double julianDay, DiyanetNight &out)
{
    if (!(std::fabs(place.latitude) > kDiyanetLatitude) ||
        std::fabs(place.latitude) > kDiyanetCapLatitude || !std::isfinite(julianDay))
        return false;
    const long n = dayNumberOf(julianDay, place.timeZone);
    const Summer &s = summerFor(place, n);
    const Day &d = s.days[n - s.first];
    const double x = n;

    double yatsi = NAN;
    if (n >= s.b1 && n <= s.b2) {
        const Day &next = s.days[n + 1 - s.first];
        yatsi = d.sunset + s.fraction * (next.sunrise + 24 - d.sunset);
    } else {
        yatsi = onRamps(x, s.yatsiIn, s.yatsiOut);
    }
    out.yatsiEstimated = !std::isnan(yatsi);
    if (!out.yatsiEstimated)
        yatsi = d.hasDusk ? d.dusk : kNoTime;

    double imsak = NAN;
    if (n >= s.b1 && n <= s.b2) {
        imsak = d.sunrise - kTemkin - kAngleRatio * (yatsi - d.sunset - kTemkin);
    } else {
        imsak = onRamps(x, s.imsakIn, s.imsakOut);
    }
    out.imsakEstimated = !std::isnan(imsak);
    if (!out.imsakEstimated)
        imsak = d.hasDawn ? d.dawn : kNoTime;
    out.imsak = imsak;
    out.yatsi = yatsi;
    return true;
}

} // namespace ravla
