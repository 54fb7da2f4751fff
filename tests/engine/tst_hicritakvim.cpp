// The Hijri calendars: Diyanet's published month starts, ICU's Umm al-Qura, the correction.

#include "dinigunler.h"
#include "hicrimiladihesap.h"
#include "hicritakvim.h"
#include "moon.h"

#include <QFile>
#include <QTest>

using namespace ravla;

Q_DECLARE_METATYPE(ravla::CivilDate)

namespace {

CivilDate isoDate(const QByteArray &text) // YYYY-MM-DD
{
    const QList<QByteArray> p = text.split('-');
    return p.size() == 3 ? CivilDate{p[2].toInt(), p[1].toInt(), p[0].toInt()} : CivilDate{0, 0, 0};
}

long dayBefore(const CivilDate &d)
{
    return civilDayNumber(d) - 1;
}

} // namespace

class TestHicriTakvim : public QObject
{
    Q_OBJECT

private slots:
    // Every month start Diyanet published for 1436-1441 AH, and Umm al-Qura's where it differs
    // (ICU's table, as the shared file's notes list them) with Saudi Arabia's 1 Ramadan 1447:
    // the day is the 1st of the month and the day before belongs to the month before.
    void monthStarts_data()
    {
        QTest::addColumn<bool>("ummAlQura");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<CivilDate>("first");
        const std::tuple<CivilDate, int, int> rows[] = {
            {{23, 11, 2014}, 1436, 2}, {{14, 9, 2015}, 1436, 12}, {{6, 7, 2016}, 1437, 10},
            {{2, 9, 2016}, 1437, 12},  {{30, 11, 2016}, 1438, 3}, {{19, 11, 2017}, 1439, 3},
            {{18, 3, 2018}, 1439, 7},  {{18, 2, 2026}, 1447, 9},
        };
        for (const auto &[date, year, month] : rows)
            QTest::addRow("Umm al-Qura %d-%d", year, month) << true << year << month << date;
        QFile f(QStringLiteral(RAVLA_HIJRI "/diyanet-1436-1441.csv"));
        if (!f.open(QIODevice::ReadOnly))
            qInfo("Diyanet's month starts are not beside the project (" RAVLA_HIJRI ")");
        while (f.isOpen() && !f.atEnd()) {
            const QList<QByteArray> v = f.readLine().trimmed().split(',');
            if (v.size() < 3 || v[0].startsWith('#') || v[0] == "hijri_year")
                continue;
            QTest::addRow("%s-%s", v[0].constData(), v[1].constData())
                << false << v[0].toInt() << v[1].toInt() << isoDate(v[2]);
        }
    }
    void monthStarts()
    {
        QFETCH(bool, ummAlQura);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(CivilDate, first);
        const HijriCalendar calendar =
            ummAlQura ? HijriCalendar::UmmAlQura : HijriCalendar::Diyanet;
        const HijriDate got = hijriDate(first, calendar);
        const HijriDate before = hijriDate(civilDateOf(dayBefore(first)), calendar);
        QCOMPARE(got, (HijriDate{year, month, 1}));
        QVERIFY2(before.month == (month + 10) % 12 + 1 && before.day >= 29,
                 qPrintable(QString::asprintf("day before: %d.%d.%d", before.day, before.month,
                                              before.year)));
    }

    // Every religious day and night Diyanet listed for 2015-2020 falls on its date by the
    // Diyanet calendar and the listing rules (the two Arefe days told apart by their month).
    void diyanetDays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<CivilDate>("date");
        QTest::addColumn<int>("hijriMonth");
        QFile f(QStringLiteral(RAVLA_HIJRI "/diyanet-days-2015-2020.csv"));
        if (!f.open(QIODevice::ReadOnly))
            QSKIP("Diyanet's religious days are not beside the project (" RAVLA_HIJRI ")");
        while (!f.atEnd()) {
            const QList<QByteArray> v = f.readLine().trimmed().split(',');
            if (v.size() < 3 || v[0].startsWith('#') || v[0] == "name")
                continue;
            QTest::addRow("%s %s", v[0].constData(), v[2].constData())
                << QString::fromUtf8(v[0]) << isoDate(v[2]) << v[1].mid(5, 2).toInt();
        }
    }
    void diyanetDays()
    {
        QFETCH(QString, name);
        QFETCH(CivilDate, date);
        QFETCH(int, hijriMonth);
        QStringList got;
        for (DiniGun g : diniGunler(date, HijriCalendar::Diyanet, 0))
            if (g != (hijriMonth == 12 ? DiniGun::RamazanArefe : DiniGun::KurbanArefe))
                got << QString::fromUtf8(diniGunAdi(g));
        QVERIFY2(got.contains(name), qPrintable(got.join(", ")));
        // Nothing is listed the day before unless Diyanet lists that too.
        const CivilDate before = civilDateOf(dayBefore(date));
        for (DiniGun g : diniGunler(before, HijriCalendar::Diyanet, 0))
            QVERIFY(QString::fromUtf8(diniGunAdi(g)) != name || name == "Arefe" ||
                    name.startsWith("Ramazan Bayramı") || name.startsWith("Kurban Bayramı"));
    }

    // The user's correction moves every calendar's date, across months (Diyanet's Ramadan 1447
    // runs 19 February to 19 March 2026), and a day that does not exist has no date.
    void correction()
    {
        const std::tuple<CivilDate, int, HijriCalendar, const char *> rows[] = {
            {{17, 2, 2026}, 2, HijriCalendar::Diyanet, "1.9.1447"},
            {{20, 3, 2026}, -1, HijriCalendar::Diyanet, "29.9.1447"},
            {{20, 3, 2026}, 0, HijriCalendar::Diyanet, "1.10.1447"},
            {{17, 2, 2026}, 1, HijriCalendar::UmmAlQura, "1.9.1447"},
            {{1, 3, 2026}, -2, HijriCalendar::UmmAlQura, "10.9.1447"},
            {{30, 2, 2026}, 0, HijriCalendar::Diyanet, "0.0.0"},
        };
        for (const auto &[date, days, calendar, expected] : rows) {
            HicriMiladiHesap h;
            h.Hesapla(date.day, date.month, date.year, days, calendar);
            QCOMPARE(QString::fromStdString(h.tarihMetni()), QString::fromLatin1(expected));
        }
    }
};

QTEST_APPLESS_MAIN(TestHicriTakvim)
#include "tst_hicritakvim.moc"
