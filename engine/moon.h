#pragma once

// The Moon after Meeus, Astronomical Algorithms (2nd ed.), chapter 47: the ELP-2000/82 series
// truncated to tables 47.A and 47.B, good to about 10" in longitude and 4" in latitude. Times
// are Julian days of Universal Time unless a name says ephemeris (TT); angles in degrees.

namespace ravla {

// TT - UT in seconds (Espenak and Meeus's polynomials, 1900-2150; a parabola outside).
double deltaT(double julianDayUT);

struct MoonPosition {
    double longitude = 0;      // apparent geocentric ecliptic longitude
    double latitude = 0;       // geocentric ecliptic latitude
    double distance = 0;       // km, centre to centre
    double rightAscension = 0; // apparent geocentric
    double declination = 0;
};

// Meeus's series at an ephemeris time, nutation included (chapter 47's "apparent" position).
MoonPosition moonPositionTT(double julianEphemerisDay);
MoonPosition moonPosition(double julianDayUT);

// Geocentric angle between the centres of the Moon and the Sun.
double moonElongation(double julianDayUT);

// The Moon and the Sun at one instant, for looking at the Moon from many places at once.
struct MoonSky {
    MoonPosition moon;
    double elongation = 0;   // geocentric, from the Sun
    double siderealTime = 0; // apparent, at Greenwich, for the instant in UT
};
MoonSky moonSky(double julianDayUT);
double moonTopocentricAltitude(const MoonSky &sky, double latitude, double longitude);

// Altitude of the Moon's centre above the horizon of a place seen from its surface (parallax
// included, no refraction). Latitude north, longitude east.
double moonTopocentricAltitude(double julianDayUT, double latitude, double longitude);

// The first new moon (the Sun's and the Moon's apparent geocentric longitudes equal,
// Meeus chapter 49's definition) at or after the time, found by root-finding.
double newMoonAfter(double julianDayUT);
// Meeus's lunation number: 0 is the new moon of 6 January 2000; its instant in UT.
double newMoon(int lunation);
// The lunation whose new moon is nearest the time.
int lunationNear(double julianDayUT);

} // namespace ravla
