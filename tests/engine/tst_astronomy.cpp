// The calendars and the Sun: worked examples, and every day of centuries against std::chrono.

#include "astronomy.h"
#include "hicrimiladihesap.h"

#include <QTest>

#include <chrono>
#include <cmath>

using namespace ravla;
namespace chr = std::chrono;

class TestAstronomy : public QObject
{
    Q_OBJECT

private slots:
    void values()
    {
        // The worked example of the SPA paper, 67 s of Delta T included. Locations take the
        // longitude first.
        const SolarCoordinates sun = solarCoordinates(2452930.312847 + 67 / 86400.0);
        const std::tuple<const char *, double, double, double> rows[] = {
            {"SPA right ascension", sun.rightAscension, 202.22741, 5e-6},
            {"SPA declination", deg(sun.declination), -9.31434, 5e-6},
            {"SPA distance", sun.distance, 0.9965422974, 5e-11},
            {"SPA sidereal time", sun.siderealTime, 318.7918, 5e-5},
            // Meeus, Astronomical Algorithms, example 28.a: 13 October 1992, 0h TD, +13m42.6s.
            {"equation of time", equationOfTime(2448908.5, solarCoordinates(2448908.5)),
             13 + 42.6 / 60, 0.002},
            {"refraction at rise", refraction(Location{}, -0.83337), -0.01624, 5e-6},
            {"Qibla from Istanbul", qiblaAngle({29.0, 41.0}), 151.667, 5e-4},
            {"Qibla on the Kaaba's meridian", qiblaAngle({39.8262, 21.4225}), 287.334, 5e-4},
            // The Julian calendar's last day and the Gregorian's first are consecutive.
            {"4 October 1582", julianDay({4, 10, 1582}, 0), 2299159.5, 0},
            {"15 October 1582, UTC+2", julianDay({15, 10, 1582}, 2), 2299160.5 - 2 / 24.0, 0},
        };
        for (const auto &[name, got, expected, tolerance] : rows)
            QVERIFY2(std::fabs(got - expected) <= tolerance,
                     qPrintable(QString::asprintf("%s: %.10f", name, got)));
    }

    // Every day, and every impossible one (year 0 too), against std::chrono, which counts 1 BC as
    // 0; julianDay must agree wherever the Gregorian calendar is in use, and summer time runs
    // from the last Sunday of March to the day before October's last Sunday.
    void calendarMatchesChrono()
    {
        for (int y = -1000; y <= 3000; ++y) {
            const auto lastSunday = [y](chr::month m) { // its day of the year
                const chr::sys_days day{chr::year{y} / m / chr::Sunday[chr::last]};
                return (day - chr::sys_days{chr::year{y} / 1 / 1}).count() + 1;
            };
            const DstWindow w = daylightSavingWindow(y);
            if (y > 1582 &&
                (w.firstDay != lastSunday(chr::March) || w.lastDay != lastSunday(chr::October) - 1))
                QFAIL(qPrintable(QString::asprintf("summer time of %d", y)));
            for (int m = 1; m <= 12; ++m)
                for (int d = 1; d <= 31; ++d) {
                    const chr::year_month_day ymd{chr::year{y < 0 ? y + 1 : y} / m / d};
                    const long want = ymd.ok() && y != 0
                                          ? chr::sys_days{ymd}.time_since_epoch().count() + 2440588
                                          : 0;
                    if (civilDayNumber({d, m, y}) != want ||
                        (want && y > 1582 && julianDay({d, m, y}, 0) != want - 0.5))
                        QFAIL(qPrintable(QString::asprintf("%d-%d-%d", y, m, d)));
                }
        }
    }

    // Hijri: known dates, and the user's correction across the ends of months and years of both
    // calendars (1 Ramadan 1447 is 17 February 2026, 1 Muharram 1448 16 June 2026, and Dhu
    // al-Hijja 1447 has 30 days).
    void hijriDates()
    {
        const std::tuple<CivilDate, int, const char *> rows[] = {
            {{1, 1, 2000}, 0, "25.9.1420 رمضان"},   {{5, 12, 2026}, 0, "25.6.1448 جمادى الثاني"},
            {{17, 2, 2026}, 0, "1.9.1447 رمضان"},   {{15, 2, 2026}, 2, "1.9.1447 رمضان"},
            {{17, 2, 2026}, -1, "29.8.1447 شعبان"}, {{18, 3, 2026}, 1, "1.10.1447 شوّال"},
            {{15, 6, 2026}, 1, "1.1.1448 محرم"},    {{17, 6, 2026}, -2, "30.12.1447 ذو الحجة"},
            {{31, 12, 2026}, 2, "24.7.1448 رجب"},   {{1, 1, 2027}, -1, "22.7.1448 رجب"},
        };
        for (const auto &[date, correction, expected] : rows) {
            HicriMiladiHesap h;
            h.Hesapla(date.day, date.month, date.year, correction);
            QCOMPARE(QString::fromStdString(h.tarihMetni() + " " + h.ayAdi), QString(expected));
        }
    }
};

QTEST_APPLESS_MAIN(TestAstronomy)
#include "tst_astronomy.moc"
