#include "schedule.h"

#include <QStringList>
#include <QTest>

#include <cmath>

using namespace ravla;

Q_DECLARE_METATYPE(ravla::CivilDate)
Q_DECLARE_METATYPE(ravla::DstRule)
Q_DECLARE_METATYPE(ravla::ScheduleInputs)

namespace {

ScheduleInputs istanbul(CivilDate date = {5, 12, 2026}, DstRule::Kind dst = DstRule::None)
{
    return {.date = date, .latitude = 41.0, .longitude = 29.0, .timeZone = 2, .dst = {dst}};
}

DaySchedule computeFresh(const ScheduleInputs &in)
{
    ScheduleCalculator calc;
    return calc.compute(in);
}

QString text(const DaySchedule &s, bool withSeconds = true)
{
    QStringList parts;
    for (const PrayerTime &t : s.times)
        parts << QString::asprintf(withSeconds ? "%d:%02d:%02d" : "%d:%02d", t.hour, t.minute,
                                   t.second);
    return parts.join(' ');
}

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    void daylightSaving_data()
    {
        QTest::addColumn<DstRule>("rule");
        QTest::addColumn<CivilDate>("date");
        QTest::addColumn<bool>("inForce");
        const DstRule automatic{DstRule::Automatic};
        const DstRule summer{DstRule::Range, {29, 3, 2026}, {25, 10, 2026}};
        const DstRule noEnd{DstRule::Range, {29, 3, 2026}, {0, 0, 0}};
        QTest::newRow("automatic, day before") << automatic << CivilDate{28, 3, 2026} << false;
        QTest::newRow("automatic, first day") << automatic << CivilDate{29, 3, 2026} << true;
        QTest::newRow("automatic, last day") << automatic << CivilDate{24, 10, 2026} << true;
        QTest::newRow("automatic, day after") << automatic << CivilDate{25, 10, 2026} << false;
        QTest::newRow("range, day before") << summer << CivilDate{28, 3, 2026} << false;
        QTest::newRow("range, first day") << summer << CivilDate{29, 3, 2026} << true;
        QTest::newRow("range, last day") << summer << CivilDate{24, 10, 2026} << true;
        QTest::newRow("range, end date") << summer << CivilDate{25, 10, 2026} << false;
        QTest::newRow("range without end") << noEnd << CivilDate{1, 7, 2026} << false;
    }
    void daylightSaving()
    {
        QFETCH(DstRule, rule);
        QFETCH(CivilDate, date);
        QFETCH(bool, inForce);
        DaySchedule expected = computeFresh(istanbul(date));
        for (PrayerTime &t : expected.times)
            t.hour += inForce ? 1 : 0;
        ScheduleInputs in = istanbul(date);
        in.dst = rule;
        const DaySchedule s = computeFresh(in);
        QCOMPARE(s.dstInForce, inForce);
        QCOMPARE(text(s), text(expected));
    }

    // Summer time shifts what exists, leaves 99:99 alone and does not wrap past midnight.
    void daylightSavingAtHighLatitude()
    {
        ScheduleInputs in{.date = {21, 6, 2026},
                          .latitude = 52.52,
                          .longitude = 13.405,
                          .timeZone = 1,
                          .dst = {DstRule::Automatic}};
        const PrayerTime isha = computeFresh(in).times[Isha];
        QCOMPARE(QString::asprintf("%d:%02d", isha.hour, isha.minute), QStringLiteral("24:01"));
        QCOMPARE(isha.isExtreme, 1);

        in.latitude = 70;
        const DaySchedule north = computeFresh(in);
        QVERIFY(north.dstInForce);
        QCOMPARE(north.times[Sunrise], (PrayerTime{99, 99, 0, 0}));
        QCOMPARE(north.times[Maghrib], (PrayerTime{99, 99, 0, 0}));
    }

    // Custom angles replace the method code, and the code ignores the angles.
    void methodChoice_data()
    {
        QTest::addColumn<ScheduleInputs>("in");
        QTest::addColumn<int>("sameAsCode");
        auto with = [](bool custom, int code, double fajr, double isha) {
            ScheduleInputs in = istanbul();
            in.customMethod = custom;
            in.methodCode = code;
            in.fajrAngle = fajr;
            in.ishaAngle = isha;
            return in;
        };
        QTest::newRow("custom, fixed Isha code") << with(true, 6, 18, 17) << 5;
        QTest::newRow("custom, other code") << with(true, 5, 15, 15) << 4;
        QTest::newRow("code, stray angles") << with(false, 5, 10, 10) << 5;
        QTest::newRow("fixed Isha code, stray angles") << with(false, 7, 12, 12) << 7;
    }
    void methodChoice()
    {
        QFETCH(ScheduleInputs, in);
        QFETCH(int, sameAsCode);
        ScheduleInputs reference = istanbul();
        reference.methodCode = sameAsCode;
        QCOMPARE(text(computeFresh(in)), text(computeFresh(reference)));
    }

    // The kept result is handed out only while nothing it depends on has changed.
    void recomputesOnlyOnChange()
    {
        ScheduleCalculator calc;
        ScheduleInputs in = istanbul();
        calc.compute(in);
        const unsigned long first = calc.generation();
        calc.compute(in);
        QCOMPARE(calc.generation(), first);
        in.dst.end = {1, 10, 2026};
        calc.compute(in);
        QCOMPARE(calc.generation(), first + 1);
        in.date.day = 6;
        QCOMPARE(text(calc.compute(in)), text(computeFresh(in)));
    }
};

QTEST_APPLESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
