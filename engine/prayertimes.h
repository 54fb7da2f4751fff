#pragma once

#include "astronomy.h"
#include "diyanet.h"
#include "methods.h"

#include <vector>

namespace ravla {

// Marks a time that does not exist on the day (shown 99:99).
inline constexpr double kNoTime = 99.0;

struct PrayerTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int isExtreme = 0;

    bool exists() const { return hour != 99; }
    bool operator==(const PrayerTime &) const = default;
};

// The solver's six times, then İmsak: also the order of a day's schedule.
enum PrayerIndex { Fajr = 0, Sunrise, Dhuhr, Asr, Maghrib, Isha, Imsak };

double depressionHourAngle(double latitude, double declinationRad, double angle);
double asrHourAngle(double latitude, double declinationRad, int asrFactor);
double solarTransit(double longitude, const TopocentricDay &day);

// A day's times reckoned from one position of the Sun: its declination and the transit.
struct DaySun {
    double declination = 0; // radians
    double transit = 0;     // hours of the place's standard clock
};
// Diyanet's: the declination and the equation of time at 0h UT of the date whose local midnight
// is `julianDay` (its tables follow this to the second, not the Sun at local midnight); `sun` is
// solarCoordinates(universalMidnight(place, julianDay)).
inline double universalMidnight(const Location &place, double julianDay)
{
    return julianDay + place.timeZone / 24.0;
}
DaySun sunAtUniversalMidnight(const Location &place, double julianDay, const SolarCoordinates &sun);
double riseOrSet(const Location &place, const TopocentricDay &day, int which);
void toClockTime(double t, const Location &place, const PrayerMethod &method, PrayerTime &out,
                 int prayerIndex);

// The solver with its own three-day solar cache. Results never depend on the
// order of the calls; the cache only saves work when successive dates are asked.
class PrayerEngine
{
public:
    enum Mode { AllTimes = 0, ImsakOnly = 6 };
    enum RiseSet { Rise = 1, Set = 4 };

    void solveDay(const Location &place, const PrayerMethod &method, int daysInYear,
                  double julianDay, PrayerTime *out, int mode);
    void prayerTimesForDay(const Location &place, const PrayerMethod &method, const CivilDate &date,
                           PrayerTime out[6]);
    PrayerTime imsakForDay(const Location &place, const PrayerMethod &method,
                           const CivilDate &date);

private:
    struct Twilight {
        double transit = kNoTime;
        double fajr = kNoTime; // hour angles
        double isha = kNoTime;

        bool complete() const { return fajr != kNoTime && isha != kNoTime; }
    };

    // What the nearest-day search learnt of each day at one place (its transit and the Sun's
    // declination), so that consecutive days near the poles reuse it instead of walking a year.
    struct DayMemo {
        struct Day {
            double transit = 0;
            double declination = 0; // radians
            bool known = false;
        };
        double latitude = 0, longitude = 0, elevation = 0, timeZone = 0; // days count in its dates
        long firstDay = 0;
        std::vector<Day> days;           // days[i] is day firstDay + i
        SolarDayCache backward, forward; // each moves a day at a time
        bool matches(const Location &place) const;
        Day &at(long day);
    };

    // The last search for one pair of angles: every day nearer to `day` than `clearDistance`
    // lacks a twilight, so a search for a neighbouring day may start further out.
    struct Search {
        double fajrAngle = 0, ishaAngle = 0;
        long day = 0;
        int clearDistance = -1; // -1: unused
        unsigned long lastUse = 0;
    };

    const TopocentricDay &topocentric(double julianDay, const Location &place);
    const SolarCoordinates &sunAt(double julianDay); // the last instant asked for is kept
    bool nearestCompleteDay(const Location &place, const PrayerMethod &method, int daysInYear,
                            double julianDay, Twilight &good);
    // Sunset of the day before and sunrise of the day after, on this day's clock.
    void neighbouringNights(const Location &place, const PrayerMethod &method, double julianDay,
                            double &sunsetBefore, double &sunriseAfter);

    SolarDayCache cache_;
    SolarDayCache before_, after_; // the days either side, for the length of the nights
    TopocentricDay topo_;          // of cache_.julianDay for the place below
    double sunJulianDay_ = 0;      // sun_ is the Sun then
    SolarCoordinates sun_;
    bool topoValid_ = false;
    double topoLongitude_ = 0, topoLatitude_ = 0, topoElevation_ = 0;
    DayMemo memo_;
    DiyanetSummers diyanet_;
    Search searches_[4]; // İmsak's steeper angle searches too
    unsigned long searchClock_ = 0;
};

} // namespace ravla
