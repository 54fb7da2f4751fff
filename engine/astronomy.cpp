#include "astronomy.h"

#include "spatables.h"

#include <cmath>

namespace ravla {

namespace {

constexpr int kMonthLength[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// e^(i a) as a plain pair: std::complex's operator* takes a slow path for NaN checks.
struct UnitComplex {
    double re, im;

    UnitComplex operator*(const UnitComplex &o) const
    {
        return {re * o.re - im * o.im, re * o.im + im * o.re};
    }
    UnitComplex conjugate() const { return {re, -im}; }
};

constexpr int kMaxMultiplier = 4; // the table's multipliers lie in -4..4

double reduceTo(double angle, double range)
{
    const double f = angle / range - std::floor(angle / range);
    return range * f;
}

template <int N> double series(const spa::Term (&terms)[N], double t)
{
    double sum = 0;
    for (const spa::Term &term : terms)
        sum += term.a * std::cos(term.b + term.c * t);
    return sum;
}

// Weekday of a Gregorian date, 0 = Sunday.
int weekday(int year, int month, int day)
{
    const long jdn = std::lround(julianDay({day, month, year}, 0) + 0.5);
    return static_cast<int>((jdn + 1) % 7);
}

int lastSundayOf(int year, int month)
{
    const int lastDay = daysInMonth(year, month);
    return lastDay - weekday(year, month, lastDay);
}

void fillDay(SolarDayCache &cache, int i, double julianDay)
{
    const SolarCoordinates c = solarCoordinates(julianDay);
    cache.declination[i] = c.declination;
    cache.rightAscension[i] = c.rightAscension;
    cache.siderealTime[i] = c.siderealTime;
    cache.distance[i] = c.distance;
}

void copyDay(SolarDayCache &cache, int to, int from)
{
    cache.declination[to] = cache.declination[from];
    cache.rightAscension[to] = cache.rightAscension[from];
    cache.siderealTime[to] = cache.siderealTime[from];
    cache.distance[to] = cache.distance[from];
}

} // namespace

double reduce360(double angle)
{
    return reduceTo(angle, 360.0);
}
double reduce180(double angle)
{
    return reduceTo(angle, 180.0);
}
double fraction(double x)
{
    return x - std::floor(x);
}

double reduceSigned180(double angle)
{
    const double a = reduce360(angle);
    return a > 180.0 ? a - 360.0 : a;
}

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int dayOfYear(int year, int month, int day)
{
    const int leap = isLeapYear(year);
    for (int m = 1; m < month && m <= 12; ++m)
        day += kMonthLength[leap][m];
    return day;
}

int daysInMonth(int year, int month)
{
    return month >= 1 && month <= 12 ? kMonthLength[isLeapYear(year)][month] : 0;
}

long civilDayNumber(const CivilDate &date)
{
    // Proleptic Gregorian with astronomical years inside: 1 BC (-1) is the leap year 0.
    const int astronomical = date.year < 0 ? date.year + 1 : date.year;
    if (date.year == 0 || date.day < 1 || date.day > daysInMonth(astronomical, date.month))
        return 0;
    const long y = astronomical - (date.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long mp = (date.month + 9) % 12;
    const long doy = (153 * mp + 2) / 5 + date.day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe + 1721120; // 1721120: day number of 1 March of year 0
}

double julianDay(const CivilDate &date, double timeZone)
{
    double y = date.year;
    double m = date.month;
    if (date.month <= 2) {
        y = date.year - 1;
        m = date.month + 12;
    }
    if (date.year <= 0)
        y += 1;
    double b = 0;
    const bool gregorian = date.year > 1582 || (date.year == 1582 && date.month > 10) ||
                           (date.year == 1582 && date.month == 10 && date.day > 4);
    if (gregorian)
        b = 2 - std::floor(y / 100) + std::floor(y / 400);
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + date.day + b - 1524.5 -
           timeZone / 24.0;
}

DayInfo dayInfo(const CivilDate &date, double timeZone)
{
    return {dayOfYear(date.year, 12, 31), julianDay(date, timeZone)};
}

double refraction(const Location &place, double altitude)
{
    // The tangent's argument mixes the altitude's number with a radian term on purpose:
    // the rise and set times are tuned to this form.
    const double h = altitude;
    return (place.pressure / 1010.0) * (283.0 / (273.0 + place.temperature)) *
           (1.0 / std::tan(h + (7.31 / (h + 4.4)) * kPi / 180.0) + 0.0013515) / 60.0;
}

SolarCoordinates solarCoordinates(double jd)
{
    using namespace spa;
    const double jc = (jd - kJ2000) / 36525.0;
    const double t = jc / 10.0;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;

    const double lRad = (series(kL0, t) + series(kL1, t) * t + series(kL2, t) * t2 +
                         series(kL3, t) * t3 + series(kL4, t) * t4 + series(kL5, t) * t5) /
                        1e8;
    const double l = reduce360(deg(lRad));
    const double b = deg((series(kB0, t) + series(kB1, t) * t) / 1e8);
    const double r = (series(kR0, t) + series(kR1, t) * t + series(kR2, t) * t2 +
                      series(kR3, t) * t3 + series(kR4, t) * t4) /
                     1e8;

    const double theta = reduce360(l + 180.0);
    const double beta = -b;

    const double jc2 = jc * jc, jc3 = jc2 * jc;
    const double x[5] = {
        297.85036 + 445267.11148 * jc - 0.0019142 * jc2 + jc3 / 189474.0,
        357.52772 + 35999.05034 * jc - 0.0001603 * jc2 - jc3 / 300000.0,
        134.96298 + 477198.867398 * jc + 0.0086972 * jc2 + jc3 / 56250.0,
        93.27191 + 483202.017538 * jc - 0.0036825 * jc2 + jc3 / 327270.0,
        125.04452 - 1934.136261 * jc + 0.0020708 * jc2 + jc3 / 450000.0,
    };
    // Each nutation argument is a small integer combination of the five angles, so its
    // sine and cosine come from products of precomputed powers of e^(i x): five sincos
    // calls instead of 63, the hot spot of a day's computation.
    UnitComplex powers[5][2 * kMaxMultiplier + 1];
    for (int i = 0; i < 5; ++i) {
        const UnitComplex one{std::cos(rad(x[i])), std::sin(rad(x[i]))};
        UnitComplex *p = powers[i] + kMaxMultiplier;
        p[0] = {1.0, 0.0};
        for (int k = 1; k <= kMaxMultiplier; ++k) {
            p[k] = p[k - 1] * one;
            p[-k] = p[k].conjugate();
        }
    }
    double dPsi = 0, dEps = 0;
    for (const NutationTerm &n : kNutation) {
        UnitComplex z = powers[0][kMaxMultiplier + n.y[0]];
        for (int i = 1; i < 5; ++i)
            z = z * powers[i][kMaxMultiplier + n.y[i]];
        dPsi += (n.a + n.b * jc) * z.im;
        dEps += (n.c + n.d * jc) * z.re;
    }
    dPsi /= 36000000.0;
    dEps /= 36000000.0;

    const double u = t / 10.0;
    const double eps0 =
        84381.448 +
        u * (-4680.93 +
             u * (-1.55 +
                  u * (1999.25 +
                       u * (-51.38 +
                            u * (-249.67 +
                                 u * (-39.05 +
                                      u * (7.12 + u * (27.87 + u * (5.79 + u * 2.45)))))))));
    const double eps = eps0 / 3600.0 + dEps;

    const double lambda = theta + dPsi - 20.4898 / (3600.0 * r);
    const double nu0 = reduce360(280.46061837 + 360.98564736629 * (jd - kJ2000) +
                                 0.000387933 * jc2 - jc3 / 38710000.0);
    const double nu = nu0 + dPsi * std::cos(rad(eps));

    const double lr = rad(lambda), er = rad(eps), br = rad(beta);
    const double alpha = reduce360(
        deg(std::atan2(std::sin(lr) * std::cos(er) - std::tan(br) * std::sin(er), std::cos(lr))));
    const double delta =
        std::asin(std::sin(br) * std::cos(er) + std::cos(br) * std::sin(er) * std::sin(lr));
    return {delta, alpha, nu, r, reduce360(lambda), dPsi, eps};
}

double equationOfTime(double jd, const SolarCoordinates &sun)
{
    const double t = (jd - kJ2000) / 365250.0;
    const double meanLongitude =
        280.4664567 +
        t * (360007.6982779 + t * (0.03032028 + t * (1 / 49931.0 - t * (1 / 15300.0 + t / 2e6))));
    return reduceSigned180(meanLongitude - 0.0057183 - sun.rightAscension +
                           sun.nutationLongitude * std::cos(rad(sun.obliquity))) *
           4.0;
}

TopocentricDay topocentricDay(SolarDayCache &cache, double jd, const Location &place)
{
    if (cache.julianDay == jd - 1) {
        copyDay(cache, 0, 1);
        copyDay(cache, 1, 2);
        fillDay(cache, 2, jd + 1);
    } else if (cache.julianDay == jd + 1) {
        copyDay(cache, 2, 1);
        copyDay(cache, 1, 0);
        fillDay(cache, 0, jd - 1);
    } else if (cache.julianDay != jd) {
        fillDay(cache, 0, jd - 1);
        fillDay(cache, 1, jd);
        fillDay(cache, 2, jd + 1);
    }
    cache.julianDay = jd;

    const double phi = rad(place.latitude);
    const double e = place.elevation / 6378140.0;
    const double u = std::atan(0.99664719 * std::tan(phi));
    const double x = std::cos(u) + e * std::cos(phi);
    const double y = 0.99664719 * std::sin(u) + e * std::sin(phi);

    TopocentricDay out;
    for (int i = 0; i < 3; ++i) {
        const double delta = cache.declination[i];
        const double h =
            rad(reduce360(place.longitude + cache.siderealTime[i] - cache.rightAscension[i]));
        const double xi = rad(8.794 / (3600.0 * cache.distance[i]));
        const double dAlpha =
            (-x * std::sin(xi) * std::sin(h)) / (std::cos(delta) - x * std::sin(xi) * std::cos(h));
        out.rightAscension[i] = cache.rightAscension[i] + deg(dAlpha);
        out.declination[i] = deg(std::atan2((std::sin(delta) - y * std::sin(xi)) * std::cos(dAlpha),
                                            std::cos(delta) - x * std::sin(xi) * std::cos(h)));
        out.siderealTime[i] = cache.siderealTime[i];
        out.parallaxRA[i] = dAlpha;
        out.distance[i] = cache.distance[i];
    }
    return out;
}

double qiblaAngle(const Location &place)
{
    constexpr double kaabaLon = 0.6950482799681125;
    constexpr double kaabaLat = 0.37390769760115516;
    const double lon = rad(place.longitude);
    const double lat = rad(place.latitude);
    const double q =
        deg(std::atan2(std::sin(kaabaLon - lon), std::cos(lat) * std::tan(kaabaLat) -
                                                     std::sin(lat) * std::cos(kaabaLon - lon)));
    const double bearing = q < 0 ? q + 360.0 : q;
    return bearing >= 360.0 ? 0.0 : bearing; // a q of -1e-15 must not give 360
}

DstWindow daylightSavingWindow(int year)
{
    return {dayOfYear(year, 3, lastSundayOf(year, 3)),
            dayOfYear(year, 10, lastSundayOf(year, 10)) - 1};
}

} // namespace ravla
