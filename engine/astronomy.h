#pragma once

// Calendar arithmetic, angle reductions, refraction, the Sun's position
// (NREL SPA, geocentric part), the three-day solar cache and the Qibla.
// Angles in degrees unless a name says radians; times of day in decimal hours.

namespace ravla {

inline constexpr double kPi = 3.1415926535898;
inline constexpr double kDegToRad = 0.017453292519943334;
inline constexpr double kHoursPerDegree = 1.0 / 15.0;
inline constexpr double kJ2000 = 2451545.0;

inline constexpr double rad(double degrees)
{
    return degrees * kDegToRad;
}
inline constexpr double deg(double radians)
{
    return radians / kDegToRad;
}

struct CivilDate {
    int day = 1;
    int month = 1;
    int year = 2000; // no year 0: the year before 1 is -1

    bool operator==(const CivilDate &) const = default;
};

struct Location {
    double longitude = 0; // east positive
    double latitude = 0;  // north positive
    double timeZone = 0;  // hours east of UTC
    int dstHours = 0;
    double elevation = 0;    // metres
    double pressure = 1010;  // millibar
    double temperature = 10; // degrees Celsius
};

struct SolarCoordinates {
    double declination = 0;       // radians
    double rightAscension = 0;    // degrees
    double siderealTime = 0;      // apparent, at Greenwich, degrees
    double distance = 0;          // AU
    double longitude = 0;         // apparent ecliptic longitude, degrees
    double nutationLongitude = 0; // degrees
    double obliquity = 0;         // true obliquity of the ecliptic, degrees
};

// The Sun at local midnight of the day before, the day and the day after (index 0, 1, 2).
struct SolarDayCache {
    double julianDay = 0; // 0 never matches a real request
    double declination[3] = {};
    double rightAscension[3] = {};
    double siderealTime[3] = {};
    double distance[3] = {};
};

struct TopocentricDay {
    double declination[3] = {};    // degrees
    double rightAscension[3] = {}; // degrees, not reduced
    double siderealTime[3] = {};   // degrees
    double parallaxRA[3] = {};     // radians
    double distance[3] = {};       // AU
};

struct DayInfo {
    int daysInYear = 0;
    double julianDay = 0;
};

struct DstWindow {
    int firstDay = 0; // day of the year, both ends in force
    int lastDay = 0;
};

double reduce360(double angle);
double reduce180(double angle);
double fraction(double x);
double reduceSigned180(double angle);

bool isLeapYear(int year);
int dayOfYear(int year, int month, int day);
int daysInMonth(int year, int month); // 0 outside 1..12
// Julian day number of a proleptic Gregorian date, or 0 when the date does not exist.
long civilDayNumber(const CivilDate &date);
double julianDay(const CivilDate &date, double timeZone);
DayInfo dayInfo(const CivilDate &date, double timeZone);

double refraction(const Location &place, double altitude);
SolarCoordinates solarCoordinates(double julianDay);
// Apparent less mean solar time at the instant of `sun`, in minutes (NREL SPA's A.1).
double equationOfTime(double julianDay, const SolarCoordinates &sun);

// Fills the cache as needed (shifting it when the request moves by one day)
// and returns the topocentric Sun for the day before, the day and the day after.
TopocentricDay topocentricDay(SolarDayCache &cache, double julianDay, const Location &place);

double qiblaAngle(const Location &place);
DstWindow daylightSavingWindow(int year);

} // namespace ravla
