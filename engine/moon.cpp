#include "moon.h"

#include "astronomy.h"

#include <cmath>

namespace ravla {

namespace {

struct LrTerm {
    int d, m, mp, f;
    double sumL; // 1e-6 degree
    double sumR; // 1e-3 km
};
struct BTerm {
    int d, m, mp, f;
    double sumB; // 1e-6 degree
};

// Meeus table 47.A: the periodic terms for the longitude and the distance.
constexpr LrTerm kLongitudeDistance[60] = {
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
};

// Meeus table 47.B: the periodic terms for the latitude.

constexpr BTerm kLatitude[60] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};

constexpr double kSynodicMonth = 29.530588861;
constexpr double kEarthRadius = 6378.14;         // km
constexpr double kEarthFlattening = 1 / 298.257; // for the observer's geocentric place

double polynomial(double t, double a0, double a1, double a2, double a3, double a4)
{
    return a0 + t * (a1 + t * (a2 + t * (a3 + t * a4)));
}

} // namespace

double deltaT(double jd)
{
    const double y = 2000.0 + (jd - kJ2000) / 365.2425;
    const auto longTerm = [](double year) {
        const double u = (year - 1820) / 100;
        return -20 + 32 * u * u;
    };
    if (y < 1900 || y >= 2150)
        return longTerm(y);
    if (y < 1920) {
        const double t = y - 1900;
        return polynomial(t, -2.79, 1.494119, -0.0598939, 0.0061966, -0.000197);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return polynomial(t, 21.20, 0.84493, -0.076100, 0.0020936, 0);
    }
    if (y < 1961) {
        const double t = y - 1950;
        return polynomial(t, 29.07, 0.407, -1 / 233.0, 1 / 2547.0, 0);
    }
    if (y < 1986) {
        const double t = y - 1975;
        return polynomial(t, 45.45, 1.067, -1 / 260.0, -1 / 718.0, 0);
    }
    if (y < 2005) {
        const double t = y - 2000;
        return polynomial(t, 63.86, 0.3345, -0.060374, 0.0017275, 0.000651814) +
               0.00002373599 * t * t * t * t * t;
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    return longTerm(y) - 0.5628 * (2150 - y);
}

namespace {

MoonPosition moonFrom(double jde, const SolarCoordinates &sun)
{
    const double t = (jde - kJ2000) / 36525.0;
    // Mean longitude, elongation, the Sun's and the Moon's anomalies, argument of latitude
    // (47.1-5).
    const double lp =
        polynomial(t, 218.3164477, 481267.88123421, -0.0015786, 1 / 538841.0, -1 / 65194000.0);
    const double d =
        polynomial(t, 297.8501921, 445267.1114034, -0.0018819, 1 / 545868.0, -1 / 113065000.0);
    const double m = polynomial(t, 357.5291092, 35999.0502909, -0.0001536, 1 / 24490000.0, 0);
    const double mp =
        polynomial(t, 134.9633964, 477198.8675055, 0.0087414, 1 / 69699.0, -1 / 14712000.0);
    const double f =
        polynomial(t, 93.2720950, 483202.0175233, -0.0036539, -1 / 3526000.0, 1 / 863310000.0);
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.290 * t;
    const double a3 = 313.45 + 481266.484 * t;
    // The eccentricity of the Earth's orbit shrinks the terms with the Sun's anomaly (47.6).
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;
    const double eFactor[3] = {1, e, e * e};

    double sumL = 0, sumR = 0, sumB = 0;
    for (const LrTerm &k : kLongitudeDistance) {
        const double arg = rad(k.d * d + k.m * m + k.mp * mp + k.f * f);
        const double scale = eFactor[k.m < 0 ? -k.m : k.m];
        sumL += k.sumL * scale * std::sin(arg);
        sumR += k.sumR * scale * std::cos(arg);
    }
    for (const BTerm &k : kLatitude)
        sumB += k.sumB * eFactor[k.m < 0 ? -k.m : k.m] *
                std::sin(rad(k.d * d + k.m * m + k.mp * mp + k.f * f));
    // Venus, Jupiter and the flattening of the Earth.
    sumL += 3958 * std::sin(rad(a1)) + 1962 * std::sin(rad(lp - f)) + 318 * std::sin(rad(a2));
    sumB += -2235 * std::sin(rad(lp)) + 382 * std::sin(rad(a3)) + 175 * std::sin(rad(a1 - f)) +
            175 * std::sin(rad(a1 + f)) + 127 * std::sin(rad(lp - mp)) -
            115 * std::sin(rad(lp + mp));

    // The Sun's nutation and obliquity hold for the Moon too.
    MoonPosition p;
    p.longitude = reduce360(lp + sumL / 1e6 + sun.nutationLongitude);
    p.latitude = sumB / 1e6;
    p.distance = 385000.56 + sumR / 1000;
    const double lr = rad(p.longitude), br = rad(p.latitude), er = rad(sun.obliquity);
    p.rightAscension = reduce360(
        deg(std::atan2(std::sin(lr) * std::cos(er) - std::tan(br) * std::sin(er), std::cos(lr))));
    p.declination =
        deg(std::asin(std::sin(br) * std::cos(er) + std::cos(br) * std::sin(er) * std::sin(lr)));
    return p;
}

// Apparent longitudes' difference, Moon minus Sun, in -180..180.
double phaseAngle(double jdUT)
{
    const double jde = jdUT + deltaT(jdUT) / 86400.0;
    const SolarCoordinates sun = solarCoordinates(jde);
    return reduceSigned180(moonFrom(jde, sun).longitude - sun.longitude);
}

} // namespace

MoonPosition moonPositionTT(double jde)
{
    return moonFrom(jde, solarCoordinates(jde));
}

MoonPosition moonPosition(double jdUT)
{
    return moonPositionTT(jdUT + deltaT(jdUT) / 86400.0);
}

MoonSky moonSky(double jdUT)
{
    const double dt = deltaT(jdUT) / 86400.0;
    const SolarCoordinates sun = solarCoordinates(jdUT + dt);
    MoonSky sky;
    sky.moon = moonFrom(jdUT + dt, sun);
    // The Sun's routine gives sidereal time for the instant it is handed, here TT.
    sky.siderealTime = sun.siderealTime - 360.98564736629 * dt;
    const double md = rad(sky.moon.declination);
    const double cosE = std::sin(sun.declination) * std::sin(md) +
                        std::cos(sun.declination) * std::cos(md) *
                            std::cos(rad(sun.rightAscension - sky.moon.rightAscension));
    sky.elongation = deg(std::acos(std::fmax(-1.0, std::fmin(1.0, cosE))));
    return sky;
}

double moonElongation(double jdUT)
{
    return moonSky(jdUT).elongation;
}

double moonTopocentricAltitude(const MoonSky &sky, double latitude, double longitude)
{
    const double phi = rad(latitude);
    // The observer's geocentric place at sea level (Meeus chapter 11).
    const double u = std::atan((1 - kEarthFlattening) * std::tan(phi));
    const double rhoSin = (1 - kEarthFlattening) * std::sin(u);
    const double rhoCos = std::cos(u);
    const double sinPi = kEarthRadius / sky.moon.distance;
    const double h = rad(sky.siderealTime + longitude - sky.moon.rightAscension);
    const double dec = rad(sky.moon.declination);
    // Topocentric hour angle and declination (Meeus 40.2, 40.3).
    const double a = std::cos(dec) * std::sin(h);
    const double b = std::cos(dec) * std::cos(h) - rhoCos * sinPi;
    const double c = std::sin(dec) - rhoSin * sinPi;
    const double hTopo = std::atan2(a, b);
    const double decTopo = std::atan2(c, std::hypot(a, b));
    return deg(std::asin(std::sin(phi) * std::sin(decTopo) +
                         std::cos(phi) * std::cos(decTopo) * std::cos(hTopo)));
}

double moonTopocentricAltitude(double jdUT, double latitude, double longitude)
{
    return moonTopocentricAltitude(moonSky(jdUT), latitude, longitude);
}

double newMoon(int lunation)
{
    // Meeus 49.1 without its periodic terms: within a day of the true new moon, where the
    // longitudes' difference is single-valued, so the secant steps cannot run off.
    const double k = lunation;
    const double t = k / 1236.85;
    double jd = 2451550.09766 + kSynodicMonth * k + 0.00015437 * t * t;
    jd -= deltaT(jd) / 86400.0;
    double f = phaseAngle(jd);
    double jdPrev = jd - 0.5;
    double fPrev = phaseAngle(jdPrev);
    for (int i = 0; i < 20 && std::fabs(jd - jdPrev) > 1e-7; ++i) {
        const double next = jd - f * (jd - jdPrev) / (f - fPrev);
        jdPrev = jd;
        fPrev = f;
        jd = next;
        f = phaseAngle(jd);
    }
    return jd;
}

int lunationNear(double jdUT)
{
    return static_cast<int>(std::lround((jdUT - 2451550.09766) / kSynodicMonth));
}

double newMoonAfter(double jdUT)
{
    int k = lunationNear(jdUT);
    while (newMoon(k) < jdUT)
        ++k;
    while (newMoon(k - 1) >= jdUT)
        --k;
    return newMoon(k);
}

} // namespace ravla
