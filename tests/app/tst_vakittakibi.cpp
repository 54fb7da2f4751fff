#include "vakittakibi.h"

#include <QTest>

#include <limits>

namespace {

using ravla::PrayerTime;

// Fajr 05:10, sunrise 06:40, Dhuhr 13:05, Asr 16:40, Maghrib 19:20, Isha 20:50, İmsak 05:00.
struct Takvim {
    PrayerTime v[7] = {{5, 10, 0, 0},  {6, 40, 0, 0},  {13, 5, 0, 0}, {16, 40, 0, 0},
                       {19, 20, 0, 0}, {20, 50, 0, 0}, {5, 0, 0, 0}};
};

Takvim ishaSaati(int saat, int dakika)
{
    Takvim t;
    t.v[ravla::Isha] = {saat, dakika, 0, 0};
    return t;
}

constexpr qint64 kGun = 2461380; // 5 December 2026

// "hh:mm:ss.zzz", or "+1 hh:mm:ss.zzz" for the next day.
qint64 anOf(const QString &metin)
{
    qint64 gun = kGun;
    QString saat = metin;
    if (metin.startsWith(QLatin1String("+1 "))) {
        ++gun;
        saat = metin.mid(3);
    }
    const QTime t = QTime::fromString(saat, QStringLiteral("hh:mm:ss.zzz"));
    Q_ASSERT(t.isValid());
    return gun * 86400000 + t.msecsSinceStartOfDay();
}

} // namespace

class TestVakitTakibi : public QObject
{
    Q_OBJECT

private slots:
    void sonrakiVeKalan_data();
    void sonrakiVeKalan();
    void alarmlar_data();
    void alarmlar();
    void hatirlatmalar_data();
    void hatirlatmalar();
};

Q_DECLARE_METATYPE(Takvim)

void TestVakitTakibi::sonrakiVeKalan_data()
{
    QTest::addColumn<Takvim>("takvim");
    QTest::addColumn<QString>("simdi");
    QTest::addColumn<int>("sonraki");
    QTest::addColumn<int>("saat");
    QTest::addColumn<int>("dakika");

    const Takvim t;
    QTest::newRow("after Isha, toward tomorrow's Fajr") << t << "22:30:15.000" << 1 << 6 << 40;
    QTest::newRow("after midnight") << t << "00:30:00.000" << 1 << 4 << 41;
    QTest::newRow("shortly before Dhuhr") << t << "12:50:00.000" << 2 << 0 << 16;
    QTest::newRow("sunrise is not a prayer") << t << "06:40:00.000" << 2 << 6 << 26;
    QTest::newRow("at Fajr exactly, Dhuhr is next") << t << "05:10:00.000" << 2 << 7 << 56;
    QTest::newRow("a millisecond before Fajr") << t << "05:09:59.999" << 1 << 0 << 1;
    QTest::newRow("Asr") << t << "15:35:30.000" << 3 << 1 << 5;
    QTest::newRow("59:30 left stays 59") << t << "12:05:30.000" << 2 << 0 << 59;
    QTest::newRow("45:00 left reads 46") << t << "12:20:00.000" << 2 << 0 << 46;
    QTest::newRow("Maghrib") << t << "19:00:00.000" << 4 << 0 << 21;

    const Takvim gec = ishaSaati(24, 40);
    QTest::newRow("Isha at 24:40 is named after Maghrib") << gec << "20:00:00.000" << 5 << 4 << 41;
    QTest::newRow("Isha at 24:40 seen after midnight") << gec << "+1 00:30:00.000" << 5 << 0 << 11;
    QTest::newRow("after the late Isha comes Fajr") << gec << "+1 00:41:00.000" << 1 << 4 << 30;
    const Takvim cokGec = ishaSaati(24, 5);
    QTest::newRow("late Isha just after midnight")
        << cokGec << "23:50:00.000" << 5 << 0 << 16; // not "1 hour -44 minutes"

    const Takvim yok = ishaSaati(99, 99);
    QTest::newRow("Isha does not exist") << yok << "20:00:00.000" << 1 << 9 << 11;
}

void TestVakitTakibi::sonrakiVeKalan()
{
    QFETCH(Takvim, takvim);
    QFETCH(QString, simdi);
    QFETCH(int, sonraki);
    QFETCH(int, saat);
    QFETCH(int, dakika);

    const qint64 an = anOf(simdi);
    VakitTakibi takip;
    const qint64 gun = an / 86400000;
    takip.vakitleriKur(gun, takvim.v, takvim.v);

    qint64 hedef = 0;
    QCOMPARE(takip.sonrakiVakit(an, &hedef), sonraki);
    const VakitTakibi::KalanSure kalan = VakitTakibi::kalanSure(an, hedef);
    QCOMPARE(kalan.saat, saat);
    QCOMPARE(kalan.dakika, dakika);
}

void TestVakitTakibi::alarmlar_data()
{
    QTest::addColumn<Takvim>("takvim");
    QTest::addColumn<QStringList>("tikler");
    QTest::addColumn<QList<int>>("beklenen");

    const Takvim t;
    QTest::newRow("tick on the second")
        << t << QStringList{"13:04:59.000", "13:05:00.000", "13:05:01.000"} << QList<int>{2};
    QTest::newRow("drifting timer steps over the second")
        << t << QStringList{"13:04:59.980", "13:05:01.010"} << QList<int>{2};
    QTest::newRow("two ticks in the same second")
        << t << QStringList{"13:04:59.600", "13:05:00.100", "13:05:00.600"} << QList<int>{2};
    QTest::newRow("late tick within the minute")
        << t << QStringList{"13:04:50.000", "13:05:45.000"} << QList<int>{2};
    QTest::newRow("computer slept through it")
        << t << QStringList{"13:04:00.000", "13:06:30.000"} << QList<int>{};
    QTest::newRow("started just after the moment")
        << t << QStringList{"13:05:00.500", "13:05:01.500"} << QList<int>{};
    QTest::newRow("clock set back over the moment")
        << t << QStringList{"13:04:59.500", "13:05:00.500", "13:04:59.000", "13:05:00.500"}
        << QList<int>{2};
    QTest::newRow("every prayer, not sunrise")
        << t << QStringList{"05:09:59.500", "05:10:00.500", "06:39:59.500", "06:40:00.500",
                            "16:39:59.500", "16:40:00.500", "19:19:59.900", "19:20:00.900",
                            "20:49:59.000", "20:50:00.000"}
        << QList<int>{1, 3, 4, 5};
    QTest::newRow("Isha at 24:05 sounds the next day")
        << ishaSaati(24, 5) << QStringList{"23:59:59.500", "+1 00:04:59.500", "+1 00:05:00.500"}
        << QList<int>{5};
    QTest::newRow("no time never sounds")
        << ishaSaati(99, 99) << QStringList{"20:49:59.000", "20:50:00.000", "+1 00:00:00.000"}
        << QList<int>{};
    QTest::newRow("nor does a broken one") // once what a NaN turned into
        << ishaSaati(std::numeric_limits<int>::min(), std::numeric_limits<int>::min())
        << QStringList{"20:49:59.000", "20:50:00.000", "+1 00:00:00.000"} << QList<int>{};
}

void TestVakitTakibi::alarmlar()
{
    QFETCH(Takvim, takvim);
    QFETCH(QStringList, tikler);
    QFETCH(QList<int>, beklenen);

    VakitTakibi takip;
    QList<int> gelenler;
    for (const QString &tik : tikler) {
        const qint64 an = anOf(tik);
        // As the window does: the schedules of the tick's day and the day before.
        takip.vakitleriKur(an / 86400000, takvim.v, takvim.v);
        if (const int gelen = takip.tik(an))
            gelenler << gelen;
    }
    QCOMPARE(gelenler, beklenen);
}

void TestVakitTakibi::hatirlatmalar_data()
{
    QTest::addColumn<Takvim>("takvim");
    QTest::addColumn<QList<int>>("dakikalar"); // İmsak, Fajr, Dhuhr, Asr, Maghrib, Isha
    QTest::addColumn<QStringList>("tikler");
    QTest::addColumn<QList<int>>("beklenen");

    const Takvim t; // İmsak 05:00, Fajr 05:10, Dhuhr 13:05, Isha 20:50
    QTest::newRow("15 minutes before Dhuhr")
        << t << QList<int>{0, 0, 15, 0, 0, 0} << QStringList{"12:49:59.500", "12:50:00.500"}
        << QList<int>{2};
    QTest::newRow("İmsak, before the prayers")
        << t << QList<int>{30, 10, 0, 0, 0, 0}
        << QStringList{"04:29:59.500", "04:30:00.500", "04:59:59.500", "05:00:00.500"}
        << QList<int>{6, 1};
    QTest::newRow("off and out of range stay silent")
        << t << QList<int>{0, 0, 0, 0, 0, 0} << QStringList{"12:49:59.500", "12:50:00.500"}
        << QList<int>{};
    Takvim gece = ishaSaati(24, 5); // an Isha after midnight, reminded before it
    QTest::newRow("an hour before a 24:05 Isha, the evening before")
        << gece << QList<int>{0, 0, 0, 0, 0, 60} << QStringList{"23:04:59.500", "23:05:00.500"}
        << QList<int>{5};
    Takvim erken;
    erken.v[ravla::Imsak] = {0, 10, 0, 0};
    QTest::newRow("before an İmsak just after midnight: the day before")
        << erken << QList<int>{20, 0, 0, 0, 0, 0}
        << QStringList{"23:49:59.500", "23:50:00.500", "+1 00:09:59.000"} << QList<int>{6};
}

void TestVakitTakibi::hatirlatmalar()
{
    QFETCH(Takvim, takvim);
    QFETCH(QList<int>, dakikalar);
    QFETCH(QStringList, tikler);
    QFETCH(QList<int>, beklenen);

    VakitTakibi takip;
    QList<int> gelenler;
    for (const QString &tik : tikler) {
        const qint64 an = anOf(tik);
        takip.anlariKur(VakitTakibi::hatirlatmaAnlari(an / 86400000, takvim.v, takvim.v, takvim.v,
                                                      dakikalar.constData()));
        if (const int gelen = takip.tik(an))
            gelenler << gelen;
    }
    QCOMPARE(gelenler, beklenen);
}

QTEST_APPLESS_MAIN(TestVakitTakibi)
#include "tst_vakittakibi.moc"
