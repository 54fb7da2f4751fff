#include "hicritakvim.h"

#include "hicrimiladihesap.h"
#include "moon.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

namespace ravla {

namespace {

constexpr long kUnixEpochDay = 2440588; // Julian day number of 1 January 1970
// Months counted from 1 Muharram 1 AH, of Shawwal 1420: the month of Meeus's lunation 0.
constexpr int kMonthOfLunationZero = 1419 * 12 + 9;

HijriDate tabularDate(long dayNumber)
{
    const CivilDate d = civilDateOf(dayNumber);
    HicriMiladiHesap h;
    h.Hesapla(d.day, d.month, d.year);
    return {h.yil, h.ay, h.gun};
}

HijriDate ummAlQuraDate(long dayNumber)
{
    // One calendar per thread: creating one loads ICU's data, setting its time is cheap.
    thread_local std::unique_ptr<icu::Calendar> calendar = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Calendar> c(icu::Calendar::createInstance(
            icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=islamic-umalqura"), status));
        return U_SUCCESS(status) ? std::move(c) : nullptr;
    }();
    if (!calendar)
        return tabularDate(dayNumber); // no ICU data: the arithmetical calendar is the nearest
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(static_cast<UDate>(dayNumber - kUnixEpochDay) * U_MILLIS_PER_DAY +
                          U_MILLIS_PER_DAY / 2,
                      status);
    const HijriDate d{calendar->get(UCAL_EXTENDED_YEAR, status),
                      calendar->get(UCAL_MONTH, status) + 1, calendar->get(UCAL_DATE, status)};
    return U_SUCCESS(status) ? d : tabularDate(dayNumber);
}

// The Sun's geocentric place at an instant (degrees), enough for the horizon to a few seconds
// of arc: the Sun moves 0.04 deg an hour.
struct SunNow {
    double rightAscension, declination, siderealTime;
};
SunNow sunAt(double jdUT)
{
    const SolarCoordinates s = solarCoordinates(jdUT + deltaT(jdUT) / 86400.0);
    // Sidereal time belongs to UT: Earth turns 360.9856 deg a day more than the ephemeris time.
    const double theta = s.siderealTime - 360.98564736629 * deltaT(jdUT) / 86400.0;
    return {s.rightAscension, deg(s.declination), theta};
}

// Hour angle (degrees, 0..180) at which the Sun's centre stands at `altitude`; NaN where it does
// not reach it that day.
double hourAngleAt(double altitude, double latitude, double declination)
{
    const double c =
        (std::sin(rad(altitude)) - std::sin(rad(latitude)) * std::sin(rad(declination))) /
        (std::cos(rad(latitude)) * std::cos(rad(declination)));
    return c < -1 || c > 1 ? NAN : deg(std::acos(c));
}

// The instant (UT) the Sun's centre passes `altitude` on the local day `dayNumber` at the place,
// in the evening (setting) or the morning; NaN where it does not.
double sunPasses(long dayNumber, double latitude, double longitude, double altitude, bool evening)
{
    double t = dayNumber - longitude / 360.0 + (evening ? 0.25 : -0.25); // JD counts from noon
    for (int i = 0; i < 4; ++i) {
        const SunNow s = sunAt(t);
        const double h0 = hourAngleAt(altitude, latitude, s.declination);
        if (std::isnan(h0))
            return NAN;
        const double h = reduceSigned180(s.siderealTime + longitude - s.rightAscension);
        t += reduceSigned180((evening ? h0 : -h0) - h) / 360.98564736629;
    }
    return t;
}

constexpr double kSunset = -0.8333; // the upper limb on the horizon, standard refraction
constexpr double kMinAltitude = 5;
constexpr double kMinElongation = 8;

bool criterionAt(double jdUT, double latitude, double longitude)
{
    const MoonSky sky = moonSky(jdUT);
    return sky.elongation >= kMinElongation &&
           moonTopocentricAltitude(sky, latitude, longitude) >= kMinAltitude;
}

// The westernmost point of the continental Americas (islands left out: the Aleutians,
// Vancouver Island, Chiloé, Tierra del Fuego) every two degrees, where their sunset comes last.
struct CoastPoint {
    double latitude, longitude;
};
constexpr CoastPoint kAmericasWestCoast[] = {
    {66, -168.0},   {64, -166.0}, {62, -165.5}, {60, -164.5}, {58, -157.5}, {56, -160.5},
    {54, -130.4},   {52, -127.9}, {50, -124.9}, {48, -124.7}, {46, -124.0}, {44, -124.1},
    {42, -124.4},   {40, -124.4}, {38, -123.0}, {36, -121.9}, {34, -120.6}, {32, -117.1},
    {30, -115.8},   {28, -114.9}, {26, -112.1}, {24, -111.6}, {22, -105.7}, {20, -105.5},
    {18, -102.7},   {16, -98.2},  {14, -91.9},  {12, -87.6},  {10, -85.8},  {8, -83.0},
    {6, -77.4},     {4, -77.4},   {2, -78.9},   {0, -80.1},   {-2, -80.9},  {-4, -81.3},
    {-6, -81.1},    {-8, -79.4},  {-10, -78.2}, {-12, -77.2}, {-14, -76.3}, {-16, -74.5},
    {-18, -71.4},   {-20, -70.2}, {-22, -70.2}, {-24, -70.5}, {-26, -70.7}, {-28, -71.2},
    {-30, -71.6},   {-32, -71.5}, {-34, -71.9}, {-36, -72.8}, {-38, -73.5}, {-40, -73.7},
    {-42, -72.9},   {-44, -73.2}, {-46, -75.5}, {-48, -74.2}, {-50, -74.0}, {-52, -73.6},
    {-53.9, -71.3},
};

// Wellington: the conjunction must come before dawn there (the Sun 18 deg down).
constexpr double kNewZealandLatitude = -41.29, kNewZealandLongitude = 174.78;

} // namespace

HijriCalendar hijriCalendarFrom(int number)
{
    return number == 1   ? HijriCalendar::Diyanet
           : number == 2 ? HijriCalendar::UmmAlQura
                         : HijriCalendar::Tabular;
}

CivilDate civilDateOf(long dayNumber)
{
    namespace chr = std::chrono;
    const chr::year_month_day ymd{chr::sys_days{chr::days{dayNumber - kUnixEpochDay}}};
    const int y = static_cast<int>(ymd.year());
    return {static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(static_cast<unsigned>(ymd.month())), y <= 0 ? y - 1 : y};
}

// The criterion of the unified Hijri calendar (International Hijri Calendar Union Congress,
// Istanbul, 28-30 May 2016), as its resolution is usually quoted:
//   The month begins on the next day if, before 24:00 UTC, the Moon somewhere on Earth stands
//   at sunset at least 5 deg above the horizon with an elongation of at least 8 deg. If the
//   criterion is met only after 24:00 UTC, the month still begins when (1) the conjunction
//   came before dawn in New Zealand, and (2) the criterion is met on the land of the Americas.
// Applied here as: the altitude of the Moon's centre from the surface (parallax, no
// refraction), the geocentric elongation, the Sun's upper limb at sunset (-0.8333 deg), dawn in
// Wellington at 18 deg, and the land of the Americas as its west coast, where sunset is latest.
bool unifiedCalendarEvening(long dayNumber, double newMoonUT)
{
    const double midnight = dayNumber + 0.5; // 24:00 UTC of the day
    const MoonSky sky = moonSky(midnight);
    if (newMoonUT < midnight && sky.elongation >= kMinElongation) {
        // At 24:00 UTC the Sun sets along a line across the Americas; where it set earlier the
        // Moon was younger and lower, so that line is the place to look.
        const SunNow s = sunAt(midnight);
        for (int lat = -60; lat <= 60; lat += 2) {
            const double h0 = hourAngleAt(kSunset, lat, s.declination);
            if (std::isnan(h0))
                continue;
            const double longitude = reduceSigned180(h0 + s.rightAscension - s.siderealTime);
            if (moonTopocentricAltitude(sky, lat, longitude) >= kMinAltitude)
                return true;
        }
    }
    const double dawn =
        sunPasses(dayNumber + 1, kNewZealandLatitude, kNewZealandLongitude, -18, false);
    if (!(newMoonUT < dawn))
        return false;
    for (const CoastPoint &p : kAmericasWestCoast) {
        const double sunset = sunPasses(dayNumber, p.latitude, p.longitude, kSunset, true);
        if (sunset >= midnight && sunset > newMoonUT &&
            criterionAt(sunset, p.latitude, p.longitude))
            return true;
    }
    return false;
}

long unifiedMonthStart(int lunation)
{
    static std::mutex mutex;
    static std::map<int, long> known;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto it = known.find(lunation);
        if (it != known.end())
            return it->second;
    }
    const double conjunction = newMoon(lunation);
    long evening = static_cast<long>(std::floor(conjunction + 0.5)); // its UTC day
    // Two days after the conjunction the Moon stands high enough everywhere it sets after the Sun.
    while (!unifiedCalendarEvening(evening, conjunction) && evening < conjunction + 3)
        ++evening;
    const std::lock_guard<std::mutex> lock(mutex);
    known.emplace(lunation, evening + 1);
    return evening + 1;
}

HijriDate hijriDate(const CivilDate &date, HijriCalendar calendar)
{
    const long n = civilDayNumber(date);
    if (n == 0)
        return {};
    switch (calendar) {
    case HijriCalendar::Tabular:
        return tabularDate(n);
    case HijriCalendar::UmmAlQura:
        return ummAlQuraDate(n);
    case HijriCalendar::Diyanet:
        break;
    }
    int k = lunationNear(n - 1.5); // a month starts one to three days after its new moon
    while (unifiedMonthStart(k) > n)
        --k;
    while (unifiedMonthStart(k + 1) <= n)
        ++k;
    const int months = k + kMonthOfLunationZero;
    return {months / 12 + 1, months % 12 + 1, static_cast<int>(n - unifiedMonthStart(k) + 1)};
}

} // namespace ravla
