#include "schedule.h"

#include <QDate>
#include <QTest>

#include <array>
#include <cmath>
#include <optional>

using namespace ravla;

static PrayerMethod method(int code)
{
    PrayerMethod m;
    methodDefaults(code, m);
    return m;
}

using Day = std::array<PrayerTime, 7>; // Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak
// With a fresh engine unless one is given, whose memory of other days must not show.
static Day solve(const Location &place, const PrayerMethod &m, const CivilDate &date,
                 PrayerEngine *engine = nullptr)
{
    PrayerEngine fresh;
    PrayerEngine &e = engine ? *engine : fresh;
    Day d;
    e.prayerTimesForDay(place, m, date, d.data());
    d[Imsak] = e.imsakForDay(place, m, date);
    return d;
}

static double hours(const PrayerTime &t) // the middle of the second the time is truncated to
{
    return t.hour + t.minute / 60.0 + (t.second + 0.5) / 3600;
}
// Whether b comes that many minutes after a, through midnight if need be.
static bool minutesApart(const PrayerTime &a, const PrayerTime &b, double minutes)
{
    return std::fabs(std::fmod(hours(b) - hours(a) + 24, 24) * 60 - minutes) < 0.02;
}

// The Sun straight from the SPA at `h` hours of the date's clock: geometric altitude and hour
// angle in degrees, declination in radians.
struct Sun {
    double altitude, hourAngle, declination;
};
static Sun sunAt(const Location &place, const CivilDate &date, double h)
{
    const SolarCoordinates s = solarCoordinates(julianDay(date, place.timeZone) + h / 24);
    const double ha = reduceSigned180(s.siderealTime + place.longitude - s.rightAscension);
    const double phi = rad(place.latitude), dec = s.declination;
    return {deg(std::asin(std::sin(phi) * std::sin(dec) +
                          std::cos(phi) * std::cos(dec) * std::cos(rad(ha)))),
            ha, dec};
}

// When, between two hours of the date's clock, the Sun's altitude passes `target` (by halving);
// NaN when it stays on one side.
static double crossing(const Location &place, const CivilDate &date, double target, double from,
                       double to)
{
    const auto below = [&](double h) { return sunAt(place, date, h).altitude < target; };
    const bool rising = below(from);
    if (rising == below(to))
        return qQNaN();
    for (int i = 0; i < 50; ++i)
        (below((from + to) / 2) == rising ? from : to) = (from + to) / 2;
    return from;
}

// Places as the engine takes them: longitude first, then latitude and time zone.
Q_DECLARE_METATYPE(ravla::Location)

class TestPrayerTimes : public QObject
{
    Q_OBJECT

private slots:
    // Every method (and angles the Sun never reaches), every day of a year, at ordinary and polar
    // latitudes, the Sun is where the times say:
    // - Dhuhr on the meridian;
    // - sunrise and Maghrib with its centre at -0.817 deg (the apparent -0.833 less the engine's
    //   refraction; Diyanet's, by the hour angle, within 0.2), and no day without one while the
    //   Sun crosses the horizon by more than 0.15 deg (the engine decides on the midnight
    //   declination, which at 80 deg may miss a graze of a tenth);
    // - Fajr and Isha at the published angles (and Tehran's Maghrib at 4.5 deg), İmsak 1.5 deg
    //   lower or ten minutes before Fajr, an Isha of 0 deg 90 minutes after Maghrib: the
    //   national methods, which follow the Sun, to a hundredth before their safety minutes
    //   every day (Diyanet, by the day's declination, within 0.2), the first seven, on the day's
    //   midnight declination, to a tenth at the solstices;
    // - Asr when the shadow is the object times the factor plus the noon shadow, whichever side
    //   of the place the Sun passes (at the solstices for the midnight declination).
    // A clock time carries no date: one near midnight may belong to the evening before or after.
    // The year is walked with one engine: what its nearest-day search remembers of other days
    // must not show against a fresh engine.
    void sky_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<Location>("place");
        for (int code = 0; code <= kMethodCount; ++code)
            for (const Location &p :
                 {Location{29, 41, 2}, Location{106.85, -6.2, 7}, Location{-17.45, 14.7, 0},
                  Location{-157.86, 21.3, -10}, Location{18.4, -33.9, 2}, Location{18.9, 66, 1},
                  Location{-40, 72, -2}, Location{-120, -80, -8}})
                QTest::addRow("code %d at %g", code, p.latitude) << code << p;
    }
    void sky()
    {
        QFETCH(int, code);
        QFETCH(Location, place);
        // Diyanet beyond 62 deg gives the times of 62 deg (tst_diyanet holds them equal).
        const bool diyanetAbroad = code == 8 && std::fabs(place.latitude) > 45;
        if (code == 8 && std::fabs(place.latitude) > 62)
            place.latitude = std::copysign(62.0, place.latitude);
        // Fajr, Isha (0: Maghrib + 90) and Maghrib (0: sunset) by code; code 0: never reached.
        const double angles[kMethodCount + 1][2] = {
            {90, 90},  {20, 18}, {18, 18},     {18, 18},     {15, 15},   {18, 17}, {19, 0},
            {19.5, 0}, {18, 17}, {18.5, 0},    {18.2, 18.2}, {18, 17.5}, {18, 0},  {20, 18},
            {18, 18},  {20, 18}, {19.5, 17.5}, {19, 17},     {17.7, 14}, {12, 12}, {16, 15}};
        const double fajr = angles[code][0];
        const double isha = diyanetAbroad ? 16 : angles[code][1]; // Diyanet's Yatsı abroad
        const double maghrib = code == 18 ? 4.5 : 0;
        const double imsak = code == 8 ? fajr : fajr + 1.5; // Diyanet's İmsak is its Fajr
        PrayerMethod m = method(code);
        std::fill(std::begin(m.shiftSeconds), std::end(m.shiftSeconds), 0.0);
        if (code == 0)
            m.fajrAngle = m.ishaAngle = 90;
        const double horizon = code == 8 ? 0.2 : (std::fabs(place.latitude) < 60 ? 0.03 : 0.06);
        PrayerEngine engine;
        QString wrong;
        for (QDate q(2026, 1, 1); q.year() == 2026; q = q.addDays(1)) {
            const CivilDate date{q.day(), q.month(), 2026};
            const Day d = solve(place, m, date, &engine);
            if (date.day == 1)
                QCOMPARE(d, solve(place, m, date));
            // Whether the Sun is at that altitude at time i (or there is no such time).
            const auto at = [&](int i, double altitude, double within) {
                for (const double h : {0, -24, 24}) // today, the day before or after
                    if (std::fabs(sunAt(place, date, hours(d[i]) + h).altitude - altitude) < within)
                        return true;
                return !d[i].exists();
            };
            const auto check = [&](bool ok, int i) {
                if (!ok)
                    wrong += QString::asprintf(" %d.%d time %d;", date.day, date.month, i);
            };
            const double h = hours(d[Dhuhr]);
            const Sun noon = sunAt(place, date, h);
            // Diyanet's noon takes the equation of time of 0h UT: by the time the Sun passes the
            // meridian (up to a day later in the far west) it drifts up to 30 s (0.13 deg).
            check(std::fabs(noon.hourAngle) < (code == 8 ? 0.14 : 0.004), Dhuhr);
            check(at(Sunrise, -0.817, horizon), Sunrise);
            check(maghrib > 0 || at(Maghrib, -0.817, horizon), Maghrib);
            // Without a sunrise (sunset) the Sun must not climb from the day's lowest before noon
            // (sink to it after noon) through the horizon by more than 0.15 deg.
            const double lowBefore = sunAt(place, date, std::max(h - 12, 0.0)).altitude;
            const double lowAfter = sunAt(place, date, std::min(h + 12, 24.0)).altitude;
            check(d[Sunrise].exists() || noon.altitude < -0.667 || lowBefore > -0.967, Sunrise);
            check(d[Maghrib].exists() || noon.altitude < -0.667 || lowAfter > -0.967, Maghrib);
            const bool solstice = date.day == 21 && date.month % 6 == 0;
            // Diyanet, at home and abroad: by the day's one declination, as its tables.
            const double twilight = code == 8 ? 0.2 : code > 7 ? 0.01 : 0.1;
            if (code > 7 || solstice) {
                check(d[Fajr].isExtreme || at(Fajr, -fajr, twilight), Fajr);
                check(isha == 0 || d[Isha].isExtreme || at(Isha, -isha, twilight), Isha);
                check(maghrib == 0 || d[Maghrib].isExtreme || at(Maghrib, -maghrib, 0.01), Maghrib);
                check(d[Imsak].isExtreme || minutesApart(d[Imsak], d[Fajr], 10) ||
                          at(Imsak, -imsak, twilight),
                      Imsak);
            }
            check(isha > 0 || !d[Maghrib].exists() || minutesApart(d[Maghrib], d[Isha], 90), Isha);
            const double shadow =
                m.asrFactor + std::tan(std::fabs(rad(place.latitude) - noon.declination));
            check(!(m.asrAtEvent || solstice) || at(Asr, deg(std::atan(1 / shadow)), 0.05), Asr);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // The portion rules from their definition: the night runs from sunset to the next sunrise;
    // Fajr is no earlier than the portion of the night before sunrise, Isha no later than the
    // portion after sunset (a half, a seventh, or the angle / 60), and a time so bounded is
    // marked. Both where the Sun never reaches the angle and where it does, too late (55 N
    // reaches code 19's 12 deg early in June).
    void nightPortions_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<int>("rule"); // 1 middle of the night, 2 one seventh, 3 angle/60
        for (const double latitude : {55.0, 60.0, 65.0})
            for (const int rule : {1, 2, 3})
                QTest::addRow("%g N, rule %d", latitude, rule) << latitude << rule;
    }
    void nightPortions()
    {
        QFETCH(double, latitude);
        QFETCH(int, rule);
        const Location place{30, latitude, 2}; // the Sun culminates near 12:00
        for (const int code : {5, 19}) {
            PrayerMethod m = method(code);
            m.highLatitudeRule = HighLatitudeRule(rule);
            for (const CivilDate &date : {CivilDate{5, 6, 2026}, CivilDate{21, 6, 2026}}) {
                const Day d = solve(place, m, date);
                for (const int i : {Fajr, Isha}) { // the night before or after the day
                    const bool fajr = i == Fajr;
                    const double at = fajr ? 0 : 24,
                                 dusk = crossing(place, date, -0.817, at - 12, at),
                                 dawn = crossing(place, date, -0.817, at, at + 12);
                    const double angle = fajr ? m.fajrAngle : m.ishaAngle;
                    const double portion = rule == 3 ? angle / 60 : rule == 1 ? 0.5 : 1.0 / 7;
                    const double bound = dusk + (fajr ? 1 - portion : portion) * (dawn - dusk);
                    const double real = crossing(place, date, -angle, at / 2, at / 2 + 12);
                    const bool useBound = std::isnan(real) || (fajr ? real < bound : real > bound);
                    const double off = std::remainder(hours(d[i]) - (useBound ? bound : real), 24);
                    QVERIFY(std::fabs(off) * 3600 <= 20 && d[i].isExtreme == int(useBound));
                }
                // İmsak follows a marked Fajr by the program's ten minutes.
                QVERIFY(!d[Fajr].isExtreme ||
                        (d[Imsak].isExtreme && minutesApart(d[Imsak], d[Fajr], 10)));
            }
        }
    }

    // The nearest-day rule from its definition: a Fajr or Isha the day lacks is the one of the
    // nearest day that has both (the day before first), to the second on the same clock, and it
    // is marked; a time the day has stays its own, and where no day of the year has both the time
    // stays missing. Angles of the first seven methods, reckoned on each day's midnight
    // declination as the estimate is.
    void nearestDay_data()
    {
        QTest::addColumn<Location>("place");
        QTest::addColumn<double>("fajrAngle");
        QTest::addColumn<double>("ishaAngle");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("fajrOwn");
        QTest::addColumn<bool>("ishaOwn");
        const auto row = [](const char *name, Location place, double fajr, double isha, QDate date,
                            bool fajrOwn, bool ishaOwn) {
            QTest::newRow(name) << place << fajr << isha << date << fajrOwn << ishaOwn;
        };
        row("60 N, June", Location{25, 60, 2}, 18, 17, QDate(2026, 6, 21), false, false);
        row("49 N, Fajr alone", Location{9, 49, 1}, 18, 17, QDate(2026, 6, 21), false, true);
        row("49 N, Isha alone", Location{9, 49, 1}, 15, 18, QDate(2026, 6, 21), true, false);
        row("65 S, December", Location{-70, -65, -4}, 18, 18, QDate(2026, 12, 21), false, false);
        row("41 N, a true night", Location{29, 41, 2}, 18, 17, QDate(2026, 12, 5), true, true);
        row("41 N, never", Location{29, 41, 2}, 90, 90, QDate(2026, 12, 5), false, false);
    }
    void nearestDay()
    {
        QFETCH(Location, place);
        QFETCH(double, fajrAngle);
        QFETCH(double, ishaAngle);
        QFETCH(QDate, date);
        QFETCH(bool, fajrOwn);
        QFETCH(bool, ishaOwn);
        PrayerMethod m = method(0);
        m.fajrAngle = fajrAngle;
        m.ishaAngle = ishaAngle;
        const auto civil = [](const QDate &q) { return CivilDate{q.day(), q.month(), q.year()}; };
        const Day d = solve(place, m, civil(date));
        const auto own = [](const Day &day, int i) { return day[i].exists() && !day[i].isExtreme; };
        QCOMPARE(own(d, Fajr), fajrOwn);
        QCOMPARE(own(d, Isha), ishaOwn);

        PrayerEngine walker;
        std::optional<Day> nearest;
        for (int k = 0; k <= 366 && !nearest; ++k)
            for (const int step : {-k, k}) {
                const Day other = solve(place, m, civil(date.addDays(step)), &walker);
                if (!nearest && own(other, Fajr) && own(other, Isha))
                    nearest = other;
            }
        for (const int i : {Fajr, Isha}) {
            if (own(d, i))
                continue;
            QCOMPARE(d[i].exists(), nearest.has_value());
            if (!nearest)
                continue;
            QVERIFY(d[i].isExtreme);
            QVERIFY2(
                std::fabs(std::remainder(hours(d[i]) - hours((*nearest)[i]), 24)) <= 2 / 3600.0,
                qPrintable(
                    QString::asprintf("time %d: %d:%02d:%02d, the nearest day's %d:%02d:%02d", i,
                                      d[i].hour, d[i].minute, d[i].second, (*nearest)[i].hour,
                                      (*nearest)[i].minute, (*nearest)[i].second)));
        }
    }

    // Input that is not a number gives no times, never a hang or garbage; the clock conversion
    // truncates to the second and brings any number into the day.
    void notANumber()
    {
        for (const Location &place : {Location{29, qQNaN(), 2}, Location{-qInf(), 41, 2},
                                      Location{29, 41, qQNaN()}, Location{-1e300, -118.6, -9}})
            for (const PrayerTime &t : solve(place, method(5), {5, 12, 2026}))
                QCOMPARE(t, (PrayerTime{99, 99, 0, 0}));
        const std::pair<double, PrayerTime> clock[] = {
            {5.999, {5, 59, 56}},  {-0.5, {23, 30, 0}}, {-24.5, {23, 30, 0}},
            {24.25, {0, 15, 0}},   {-1e17, {8, 0, 0}},  {qQNaN(), {99, 99, 0}},
            {-qInf(), {99, 99, 0}}};
        for (const auto &[h, want] : clock) {
            PrayerTime t;
            toClockTime(h, Location{}, method(5), t, Dhuhr);
            QCOMPARE(t, want);
        }
    }

    // Daylight saving moves every time that exists by its hour (an early one back into the
    // evening before) and leaves 99:99 alone; its end in October and an Isha past midnight
    // under it are tst_ics's (Berlin on --tz 1, Bergen in June, against Python's zone rules). The
    // user's minutes move one time alone, through midnight either way; a number outside -30..30
    // counts as none.
    void shifts()
    {
        const DstRule none{DstRule::None}, automatic{DstRule::Automatic};
        const DstRule range{DstRule::Range, {10, 4, 2026}, {20, 4, 2026}};
        // latitude, time zone, date, daylight saving, method, entry (-1: every time, by
        // daylight saving) and minutes, and how far the times move (seconds)
        const std::tuple<double, double, CivilDate, DstRule, int, int, int, int> rows[] = {
            {41, 2, {29, 3, 2026}, automatic, 5, -1, 0, 3600},
            {41, 2, {10, 4, 2026}, range, 5, -1, 0, 3600},
            {41, 2, {20, 4, 2026}, range, 5, -1, 0, 0}, // the end is excluded
            // Fajr 23:39 the evening before
            {52.5, 2.2, {21, 6, 2026}, {DstRule::Shift, {}, {}, -1}, 5, -1, 0, -3600},
            // At UTC-3.4 Fajr falls at 0:10, at UTC+7.7 Isha at 23:50.
            {41, -3.4, {5, 12, 2026}, none, 5, Fajr, -30, -1800},
            {41, 7.7, {5, 12, 2026}, none, 5, Isha, 30, 1800},
            {41, 2, {5, 12, 2026}, none, 5, Asr, 31, 0},
            {41, 2, {5, 12, 2026}, none, 5, Fajr, -31, 0},
        };
        for (const auto &[latitude, timeZone, date, dst, code, entry, minutes, moved] : rows) {
            ScheduleInputs in{.date = date, .latitude = latitude, .longitude = 29, .dst = none};
            in.timeZone = timeZone;
            in.methodCode = code;
            const DaySchedule plain = ScheduleCalculator().compute(in);
            in.dst = dst;
            if (entry >= 0)
                in.offsets[entry] = minutes;
            const DaySchedule s = ScheduleCalculator().compute(in);
            QCOMPARE(s.dstInForce, entry < 0 && moved != 0);
            for (int i = 0; i < 7; ++i) {
                const PrayerTime &was = plain.times[i], &now = s.times[i];
                double want = hours(was) + (entry < 0 || i == entry ? moved / 3600.0 : 0);
                want = entry >= 0 ? std::fmod(want + 24, 24) : want < 0 ? want + 24 : want;
                QCOMPARE(hours(now), was.exists() ? want : hours(was));
                QCOMPARE(now.isExtreme, was.isExtreme);
            }
        }
    }

    // Umm al-Qura's Isha is two hours after Maghrib in Ramadan, by the program's Hijri date
    // with the user's correction (1 Ramadan 1447 is 17 February 2026, 1 Shawwal 19 March; a
    // correction of 3 counts as none, one of 1 the day before is tst_vakit's). The old Umm
    // al-Qura method keeps its 90 minutes. With the Umm al-Qura calendar Ramadan runs 18
    // February to 19 March, with Diyanet's from the 19th (calendar 2 and 1).
    void ramadanIsha()
    {
        const int rows[][6] = {
            {9, 16, 2, 0, 0, 90},  {9, 17, 2, 0, 0, 120},  {9, 18, 3, 0, 0, 120},
            {9, 19, 3, 0, 0, 90},  {9, 19, 3, -1, 0, 120}, {9, 16, 2, 3, 0, 90},
            {6, 17, 2, 0, 0, 90},  {9, 17, 2, 0, 2, 90},   {9, 18, 2, 0, 2, 120},
            {9, 19, 3, 0, 2, 120}, {9, 18, 2, 0, 1, 90},   {9, 18, 2, 1, 1, 120},
            {9, 19, 3, 0, 1, 120}, {9, 20, 3, 0, 1, 90},
        }; // code, date, correction, calendar
        for (const auto &[code, day, month, correction, calendar, minutes] : rows) {
            ScheduleInputs in{.date = {day, month, 2026}, .methodCode = code, .dst = {}};
            in.hijriOffset = correction;
            in.hijriCalendar = hijriCalendarFrom(calendar);
            const DaySchedule s = ScheduleCalculator().compute(in);
            QVERIFY(minutesApart(s.times[Maghrib], s.times[Isha], minutes));
        }
    }
};

QTEST_APPLESS_MAIN(TestPrayerTimes)
#include "tst_prayertimes.moc"
