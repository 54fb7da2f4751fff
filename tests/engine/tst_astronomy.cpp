#include "astronomy.h"

#include <QTest>

#include <chrono>
#include <cmath>

using namespace ravla;
namespace chr = std::chrono;

namespace {

int chronoDayOfYear(chr::sys_days day)
{
    return (day - chr::sys_days{chr::year_month_day{day}.year() / 1 / 1}).count() + 1;
}

Location at(double latitude, double longitude)
{
    return {longitude, latitude, 0, 0, 0, 1010, 10};
}

} // namespace

class TestAstronomy : public QObject
{
    Q_OBJECT

private slots:
    void values_data()
    {
        QTest::addColumn<double>("got");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        auto row = [](const char *name, double got, double expected, double tolerance = 0) {
            QTest::newRow(name) << got << expected << tolerance;
        };
        // The worked example of the SPA paper, 67 s of Delta T included.
        const SolarCoordinates sun = solarCoordinates(2452930.312847 + 67 / 86400.0);
        row("SPA right ascension", sun.rightAscension, 202.22741, 5e-6);
        row("SPA declination", sun.declination / kDegToRad, -9.31434, 5e-6);
        row("SPA distance", sun.distance, 0.9965422974, 5e-11);
        row("SPA sidereal time", sun.siderealTime, 318.7918, 5e-5);

        row("refraction at rise", refraction(at(0, 0), -0.83337), -0.01624, 5e-6);
        row("refraction at 0", refraction(at(0, 0), 0), 0.57465, 5e-6);
        row("reduce360(-30)", reduce360(-30), 330);
        row("reduce360(720)", reduce360(720), 0);
        row("reduceSigned180(190)", reduceSigned180(190), -170);
        row("reduceSigned180(180)", reduceSigned180(180), 180);
        row("leap year's last day", dayOfYear(2024, 12, 31), 366);
        row("common year's last day", dayOfYear(2023, 12, 31), 365);
        row("January", dayOfYear(2023, 1, 17), 17);

        row("J2000 midnight", julianDay({1, 1, 2000}, 0), 2451544.5);
        row("two hours east", julianDay({1, 1, 2000}, 2), 2451544.5 - 2 / 24.0);
        row("last Julian day", julianDay({4, 10, 1582}, 0), 2299159.5);
        row("first Gregorian day", julianDay({15, 10, 1582}, 0), 2299160.5);
        row("leap day", julianDay({29, 2, 2024}, 0), 2460369.5);
        row("after leap day", julianDay({1, 3, 2024}, 0), 2460370.5);
        row("last day BC", julianDay({31, 12, -1}, 0), 1721422.5);
        row("first day AD", julianDay({1, 1, 1}, 0), 1721423.5);
        row("start of the count", julianDay({1, 1, -4713}, 0), -0.5);

        row("day number of J2000", civilDayNumber({1, 1, 2000}), 2451545);
        row("30 February", civilDayNumber({30, 2, 2024}), 0);
        row("month 13", civilDayNumber({1, 13, 2024}), 0);
        row("year 0", civilDayNumber({1, 1, 0}), 0);
        row("all zeros", civilDayNumber({0, 0, 0}), 0);

        row("Qibla from Istanbul", qiblaAngle(at(41.0, 29.0)), 151.667, 5e-4);
        row("Qibla from Heilbronn", qiblaAngle(at(49.08, 9.14)), 127.590, 5e-4);
        row("Qibla from Tehran", qiblaAngle(at(35.7, 51.4)), 218.417, 5e-4);
        row("Qibla at the Kaaba's meridian", qiblaAngle(at(21.4225, 39.8262)), 287.334, 5e-4);
    }
    void values()
    {
        QFETCH(double, got);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        QVERIFY2(std::fabs(got - expected) <= tolerance, qPrintable(QString::number(got, 'f', 10)));
    }

    // Every day, and every impossible one, against std::chrono (which counts a year 0);
    // julianDay must agree wherever the Gregorian calendar is in use.
    void dayNumbersMatchChrono_data()
    {
        QTest::addColumn<int>("firstYear");
        QTest::addColumn<int>("lastYear");
        QTest::newRow("before Christ") << -1000 << -1;
        QTest::newRow("Julian era") << 1 << 1582;
        QTest::newRow("Gregorian era") << 1583 << 3000;
    }
    void dayNumbersMatchChrono()
    {
        QFETCH(int, firstYear);
        QFETCH(int, lastYear);
        for (int y = firstYear; y <= lastYear; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= 31; ++d) {
                    const chr::year_month_day ymd{chr::year{y < 0 ? y + 1 : y} / m / d};
                    const long expected =
                        ymd.ok() ? chr::sys_days{ymd}.time_since_epoch().count() + 2440588 : 0;
                    const long got = civilDayNumber({d, m, y});
                    const bool julianOk =
                        expected == 0 || y < 1583 || julianDay({d, m, y}, 0) == expected - 0.5;
                    if (got != expected || !julianOk)
                        QFAIL(qPrintable(QString::asprintf("%d-%d-%d: %ld, expected %ld", y, m, d,
                                                           got, expected)));
                }
            }
        }
    }

    // Summer time from the last Sunday of March to the day before October's last Sunday.
    void daylightSavingMatchesChrono()
    {
        using chr::last, chr::Sunday;
        for (int y = 1900; y <= 2199; ++y) {
            const chr::year cy{y};
            const int first = chronoDayOfYear(chr::sys_days{cy / chr::March / Sunday[last]});
            const int lastDay =
                chronoDayOfYear(chr::sys_days{cy / chr::October / Sunday[last]} - chr::days{1});
            const DstWindow w = daylightSavingWindow(y);
            QVERIFY2(w.firstDay == first && w.lastDay == lastDay, qPrintable(QString::number(y)));
        }
    }
};

QTEST_APPLESS_MAIN(TestAstronomy)
#include "tst_astronomy.moc"
