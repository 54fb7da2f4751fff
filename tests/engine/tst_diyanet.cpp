// Diyanet beyond 45 degrees: what must hold anywhere without a table (tst_timetables holds the
// rule to Diyanet's German tables).

#include "schedule.h"

#include <QTest>

#include <cmath>

using namespace ravla;

namespace {

int minutesOf(const PrayerTime &t)
{
    return t.hour * 60 + t.minute;
}

// Minutes from a to b, the shorter way round the clock.
int minutesApart(const PrayerTime &a, const PrayerTime &b)
{
    return (minutesOf(b) - minutesOf(a) + 2160) % 1440 - 720;
}

// The day's seven times at a place on a fixed standard clock, no daylight saving.
const DaySchedule &schedule(ScheduleCalculator &calculator, double latitude, double longitude,
                            double timeZone, const QDate &day, int code = 8)
{
    ScheduleInputs in{.date = {day.day(), day.month(), day.year()}, .methodCode = code, .dst = {}};
    in.latitude = latitude;
    in.longitude = longitude;
    in.timeZone = timeZone;
    in.dst.kind = DstRule::None;
    return calculator.compute(in);
}

} // namespace

class TestDiyanet : public QObject
{
    Q_OBJECT

private slots:
    // A whole year of days at one place, on its standard clock: Yatsı and İmsak move by no more
    // than a few minutes a day (the change is gradual), Yatsı after Akşam, İmsak before Güneş,
    // and beyond 62 deg every time is that of 62 deg.
    void year_data()
    {
        QTest::addColumn<double>("latitude");
        for (const double latitude : {46.0, 50.0, 55.0, 58.0, 62.0, 65.0, 66.0, -50.0, -58.0})
            QTest::addRow("%g", latitude) << latitude;
    }
    void year()
    {
        QFETCH(double, latitude);
        ScheduleCalculator here, at62;
        QString wrong;
        PrayerTime before[7] = {};
        for (QDate q(2026, 1, 1); q.year() == 2026; q = q.addDays(1)) {
            const DaySchedule s = schedule(here, latitude, 10, 1, q);
            if (std::fabs(latitude) > 62) {
                const DaySchedule &c = schedule(at62, std::copysign(62.0, latitude), 10, 1, q);
                for (int i = 0; i < 7; ++i)
                    if (!(s.times[i] == c.times[i]))
                        wrong +=
                            QString::asprintf(" %s: %d not 62's;", qPrintable(q.toString()), i);
            }
            for (const int i : {int(Imsak), int(Isha)}) {
                if (!s.times[i].exists())
                    wrong += QString::asprintf(" %s: %d missing;", qPrintable(q.toString()), i);
                else if (q.dayOfYear() > 1 && std::abs(minutesApart(before[i], s.times[i])) > 6)
                    wrong += QString::asprintf(" %s: %d jumps %d;", qPrintable(q.toString()), i,
                                               minutesApart(before[i], s.times[i]));
                before[i] = s.times[i];
            }
            if (minutesApart(s.times[Maghrib], s.times[Isha]) < 20)
                wrong += QString::asprintf(" %s: Yatsı by Akşam;", qPrintable(q.toString()));
            if (minutesApart(s.times[Imsak], s.times[Sunrise]) < 20)
                wrong += QString::asprintf(" %s: İmsak by Güneş;", qPrintable(q.toString()));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.left(800)));
    }

    // At 45 deg and below (north and south), code 8 is the ordinary method; codes other than 8
    // never take the rule, at any latitude.
    void untouched_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("latitude");
        for (const double latitude : {45.0, 41.0, -45.0, -30.0})
            QTest::addRow("8 at %g", latitude) << 8 << latitude;
        for (const int code : {5, 13, 17, 20})
            for (const double latitude : {52.0, 66.0, -55.0})
                QTest::addRow("%d at %g", code, latitude) << code << latitude;
    }
    void untouched()
    {
        QFETCH(int, code);
        QFETCH(double, latitude);
        PrayerMethod with, without;
        methodDefaults(code, with);
        methodDefaults(code, without);
        without.diyanetBeyond45 = false;
        PrayerEngine a, b;
        const Location place{10, latitude, 1, 0, 0, 1010, 10};
        for (QDate q(2026, 1, 1); q.year() == 2026; q = q.addDays(1)) {
            const CivilDate date{q.day(), q.month(), 2026};
            PrayerTime x[6], y[6];
            a.prayerTimesForDay(place, with, date, x);
            b.prayerTimesForDay(place, without, date, y);
            for (int i = 0; i < 6; ++i)
                QVERIFY2(x[i] == y[i], qPrintable(q.toString() + QString::number(i)));
            QVERIFY(a.imsakForDay(place, with, date) == b.imsakForDay(place, without, date));
        }
    }
};

QTEST_APPLESS_MAIN(TestDiyanet)
#include "tst_diyanet.moc"
