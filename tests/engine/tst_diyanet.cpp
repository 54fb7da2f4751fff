// Diyanet beyond 45 degrees: against its published German tables (beside the project; skipped
// without them), and what must hold anywhere without a table.

#include "schedule.h"

#include <QFile>
#include <QTest>
#include <QTimeZone>

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
    // Per table, the shares of rows within a minute and to the minute (the shown hour:minute
    // the published one) that must hold: for İmsak and Yatsı, then the other four. The other
    // four miss 90 % to the minute with no mean offset (under 0.1 min): Diyanet's own points
    // and solar model are not known, so rounding splits about one row in eight.
    void tables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("within");
        QTest::addColumn<double>("exactTwilight");
        QTest::addColumn<double>("exactOther");
        // Berlin and Nürnberg as the program's city list has them; Amsterdam the reporter's
        // point (one row, so within a minute only).
        QTest::newRow("Berlin 2026")
            << "diyanet-berlin-2026" << 52.5244 << 13.4105 << 99.5 << 80.0 << 85.0;
        QTest::newRow("Nürnberg 2026")
            << "diyanet-nurnberg-2026" << 49.4542 << 11.0775 << 99.5 << 78.0 << 85.0;
        // Breuberg's point is approximate (the table gives none): Yatsı runs late in July.
        QTest::newRow("Breuberg 2026")
            << "ditib-breuberg-2026" << 49.82 << 9.04 << 96.0 << 60.0 << 85.0;
        QTest::newRow("Amsterdam 2021")
            << "diyanet-amsterdam-2021" << 52.370788 << 4.889883 << 100.0 << 0.0 << 0.0;
    }
    void tables()
    {
        if (!QFile::exists(QStringLiteral(RAVLA_TIMETABLES)))
            QSKIP("the authorities' timetables are not beside the project (" RAVLA_TIMETABLES ")");
        QFETCH(QString, file);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, within);
        QFETCH(double, exactTwilight);
        QFETCH(double, exactOther);
        QFile f(QStringLiteral(RAVLA_TIMETABLES "/") + file + ".csv");
        QVERIFY2(f.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file));
        const QTimeZone tz("Europe/Berlin"); // Amsterdam keeps the same clock
        ScheduleCalculator calculator;
        double rows[6] = {}, exact[6] = {}, near[6] = {}, mean[6] = {};
        QString far; // rows more than a minute off
        while (!f.atEnd()) {
            const QStringList field = QString::fromUtf8(f.readLine()).trimmed().split(',');
            const QDate day = QDate::fromString(field[0], "yyyy-MM-dd");
            if (field.size() != 7 || !day.isValid())
                continue;
            ScheduleInputs in{
                .date = {day.day(), day.month(), day.year()}, .methodCode = 8, .dst = {}};
            in.latitude = latitude;
            in.longitude = longitude;
            const QDateTime noon(day, QTime(12, 0), tz);
            in.timeZone = tz.standardTimeOffset(noon) / 3600.0;
            in.dst = {DstRule::Shift, {}, {}, tz.offsetFromUtc(noon) / 3600.0 - in.timeZone};
            const DaySchedule &s = calculator.compute(in);
            for (int i = 0; i < 6; ++i) {
                const QTime want = QTime::fromString(field[i + 1], "H:mm");
                if (!want.isValid())
                    continue; // Amsterdam's row has no sunrise
                const PrayerTime &got = s.times[i == 0 ? int(Imsak) : i];
                const int off =
                    got.exists()
                        ? (minutesOf(got) - want.msecsSinceStartOfDay() / 60000 + 2160) % 1440 - 720
                        : 999;
                rows[i] += 1;
                mean[i] += std::abs(off) <= 1 ? off : 0;
                exact[i] += off == 0;
                near[i] += std::abs(off) <= 1;
                if (std::abs(off) > 1)
                    far += QString::asprintf(" %s#%d%+d", qPrintable(field[0]), i, off);
            }
        }
        const char *const names[] = {"İmsak", "Güneş", "Öğle", "İkindi", "Akşam", "Yatsı"};
        QString report, low;
        for (int i = 0; i < 6; ++i) {
            const bool twilight = i == 0 || i == 5;
            if (rows[i] == 0)
                continue;
            const double e = 100 * exact[i] / rows[i], w = 100 * near[i] / rows[i];
            report += QString::asprintf(" %s %.1f/%.1f (%+.2f)", names[i], e, w, mean[i] / rows[i]);
            if (w < within || e < (twilight ? exactTwilight : exactOther))
                low += QString::asprintf(" %s %.1f%% exact, %.1f%% within", names[i], e, w);
        }
        qInfo("%s exact/within 1 min:%s;%s", qPrintable(file), qPrintable(report),
              qPrintable(far.left(600)));
        QVERIFY2(low.isEmpty(), qPrintable(low));
    }

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
