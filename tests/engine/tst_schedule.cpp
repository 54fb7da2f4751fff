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

    // The user's minutes move one time by exactly that much, to the second, through midnight
    // either way; the other times stay. A number outside -30..30 counts as none.
    void offsets_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("timeZone");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("moved"); // minutes
        // At UTC-3.4 Istanbul's Fajr falls at 0:10, at UTC+7.7 its Isha at 23:50.
        QTest::newRow("Fajr -30 into the evening before") << 5 << -3.4 << int(Fajr) << -30 << -30;
        QTest::newRow("Isha +30 past midnight") << 5 << 7.7 << int(Isha) << 30 << 30;
        QTest::newRow("Imsak -30") << 5 << 2.0 << int(Imsak) << -30 << -30;
        QTest::newRow("sunrise +30") << 5 << 2.0 << int(Sunrise) << 30 << 30;
        QTest::newRow("Dhuhr -1") << 5 << 2.0 << int(Dhuhr) << -1 << -1;
        QTest::newRow("Asr +30") << 5 << 2.0 << int(Asr) << 30 << 30;
        QTest::newRow("Maghrib on top of Diyanet's own") << 8 << 3.0 << int(Maghrib) << -30 << -30;
        QTest::newRow("Isha of a fixed interval") << 9 << 3.0 << int(Isha) << 30 << 30;
        QTest::newRow("31 counts as none") << 5 << 2.0 << int(Asr) << 31 << 0;
        QTest::newRow("-31 counts as none") << 5 << 2.0 << int(Fajr) << -31 << 0;
    }
    void offsets()
    {
        QFETCH(int, code);
        QFETCH(double, timeZone);
        QFETCH(int, entry);
        QFETCH(int, minutes);
        QFETCH(int, moved);
        ScheduleInputs in = istanbul();
        in.methodCode = code;
        in.timeZone = timeZone;
        const DaySchedule plain = computeFresh(in);
        in.offsets[entry] = minutes;
        const DaySchedule shifted = computeFresh(in);
        for (int i = 0; i < 7; ++i) {
            const PrayerTime &a = plain.times[i], &b = shifted.times[i];
            QVERIFY(b.hour >= 0 && b.hour < 24); // no daylight saving here: a clock time
            const int was = a.hour * 3600 + a.minute * 60 + a.second;
            const int now = b.hour * 3600 + b.minute * 60 + b.second;
            QCOMPARE(now, ((was + (i == entry ? moved * 60 : 0)) % 86400 + 86400) % 86400);
        }
        if (moved != 0 && timeZone != 2.0 && timeZone != 3.0)
            QVERIFY(std::abs(shifted.times[entry].hour - plain.times[entry].hour) == 23);
    }

    // Umm al-Qura's Isha is two hours after Maghrib in Ramadan, by the program's Hijri date with
    // the user's correction (1 Ramadan 1447 is 17 February 2026, 1 Shawwal 19 March).
    void ramadanIsha_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<CivilDate>("date");
        QTest::addColumn<int>("hijriOffset");
        QTest::addColumn<int>("minutes");
        QTest::newRow("29 Shaban") << 9 << CivilDate{16, 2, 2026} << 0 << 90;
        QTest::newRow("1 Ramadan") << 9 << CivilDate{17, 2, 2026} << 0 << 120;
        QTest::newRow("30 Ramadan") << 9 << CivilDate{18, 3, 2026} << 0 << 120;
        QTest::newRow("1 Shawwal") << 9 << CivilDate{19, 3, 2026} << 0 << 90;
        QTest::newRow("moved a day on") << 9 << CivilDate{16, 2, 2026} << 1 << 120;
        QTest::newRow("moved two days back") << 9 << CivilDate{18, 2, 2026} << -2 << 90;
        QTest::newRow("Shawwal moved back") << 9 << CivilDate{19, 3, 2026} << -1 << 120;
        QTest::newRow("3 counts as none") << 9 << CivilDate{16, 2, 2026} << 3 << 90;
        QTest::newRow("code 6 keeps 90") << 6 << CivilDate{17, 2, 2026} << 0 << 90;
    }
    void ramadanIsha()
    {
        QFETCH(int, code);
        QFETCH(CivilDate, date);
        QFETCH(int, hijriOffset);
        QFETCH(int, minutes);
        ScheduleInputs in{.date = date,
                          .latitude = 21.4225,
                          .longitude = 39.8262,
                          .timeZone = 3,
                          .dst = {DstRule::None}};
        in.methodCode = code;
        in.hijriOffset = hijriOffset;
        const DaySchedule s = computeFresh(in);
        const auto seconds = [](const PrayerTime &t) {
            return t.hour * 3600 + t.minute * 60 + t.second;
        };
        QCOMPARE(seconds(s.times[Isha]) - seconds(s.times[Maghrib]), minutes * 60);
    }

    // The chosen high-latitude rule reaches the engine; a number that names none is the default.
    void highLatitudeChoice()
    {
        ScheduleInputs in{.date = {21, 6, 2026},
                          .latitude = 60,
                          .longitude = 25,
                          .timeZone = 2,
                          .dst = {DstRule::None}};
        const DaySchedule nearest = computeFresh(in);
        in.highLatitudeRule = HighLatitudeRule::MiddleOfNight;
        const DaySchedule middle = computeFresh(in);
        QVERIFY(text(middle) != text(nearest));
        QCOMPARE(middle.times[Fajr].isExtreme, 1);
        in.highLatitudeRule = static_cast<HighLatitudeRule>(7);
        QCOMPARE(text(computeFresh(in)), text(nearest));
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
        const unsigned long before = calc.generation();
        in.offsets[Isha] = 1;
        calc.compute(in);
        in.hijriOffset = 1;
        calc.compute(in);
        in.highLatitudeRule = HighLatitudeRule::OneSeventh;
        calc.compute(in);
        QCOMPARE(calc.generation(), before + 3);
    }
};

QTEST_APPLESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
