// The day's schedule driver on the clock: the prayer times and reminders it raises as the ticks
// cross them, and the next prayer with the time left, for Istanbul at UTC+2 without daylight
// saving on 5 December 2026 (İmsak 5:26, Fajr 5:34, sunrise 7:13, Dhuhr 11:54, Asr 14:17,
// Maghrib 16:35, Isha 18:08) and for Berlin across its spring clock change.
#include "gunlukvakitler.h"
#include "testortami.h"

#include <QSignalSpy>
#include <QTimeZone>

class TestGunlukVakitler : public QObject
{
    Q_OBJECT

private slots:
    void tikler_data()
    {
        QTest::addColumn<QString>("yer"); // "istanbul" or a zone name
        QTest::addColumn<QDate>("gun");
        QTest::addColumn<QString>("tikler");      // one after the other; "+" the next day
        QTest::addColumn<int>("hatirlatOgle");    // minutes before Dhuhr, 0 off
        QTest::addColumn<QList<int>>("gelenler"); // prayers 1..5, reminders 11..16
        QTest::addColumn<QList<int>>("sonraki");  // the next prayer, hours and minutes left
        const QDate gun(2026, 12, 5);
        QTest::newRow("morning") << "istanbul" << gun << "10:00:00" << 0 << QList<int>{}
                                 << QList<int>{2, 1, 55};
        QTest::newRow("after Isha: tomorrow's Fajr")
            << "istanbul" << gun << "18:30:00" << 0 << QList<int>{} << QList<int>{1, 11, 5};
        QTest::newRow("59:30 left stays 59")
            << "istanbul" << gun << "10:54:30" << 0 << QList<int>{} << QList<int>{2, 0, 59};
        QTest::newRow("sunrise is not a prayer")
            << "istanbul" << gun << "07:13:00" << 0 << QList<int>{} << QList<int>{2, 4, 42};
        QTest::newRow("Dhuhr comes") << "istanbul" << gun << "11:53:59.500 11:54:00.500" << 0
                                     << QList<int>{2} << QList<int>{3, 2, 24};
        QTest::newRow("slept through it") << "istanbul" << gun << "11:53:00 11:56:00" << 0
                                          << QList<int>{} << QList<int>{3, 2, 22};
        QTest::newRow("started after it") << "istanbul" << gun << "11:54:00.500 11:54:01.500" << 0
                                          << QList<int>{} << QList<int>{3, 2, 23};
        QTest::newRow("clock set back: once")
            << "istanbul" << gun << "11:53:59.500 11:54:00.500 11:53:59 11:54:00.500" << 0
            << QList<int>{2} << QList<int>{3, 2, 24};
        QTest::newRow("a day of prayers")
            << "istanbul" << gun
            << "05:33:59.500 05:34:00.500 14:16:59.500 14:17:00.500 16:34:59 16:35:00 "
               "18:07:59 18:08:00"
            << 0 << QList<int>{1, 3, 4, 5} << QList<int>{1, 11, 27};
        QTest::newRow("reminder 15 minutes before Dhuhr")
            << "istanbul" << gun << "11:38:59.500 11:39:00.500" << 15 << QList<int>{12}
            << QList<int>{2, 0, 16};
        QTest::newRow("over midnight") << "istanbul" << gun << "23:59:59 +00:00:01" << 0
                                       << QList<int>{} << QList<int>{1, 5, 35}; // Fajr of the 6th
        QTest::newRow("Berlin, before the spring change")
            << "Europe/Berlin" << QDate(2026, 3, 29) << "01:59:30" << 0 << QList<int>{}
            << QList<int>{1, 1, 49}; // Fajr 04:48 CEST, 1 h 48 min 30 s away
        QTest::newRow("Berlin, a minute later across the change")
            << "Europe/Berlin" << QDate(2026, 3, 29) << "01:59:00 01:59:30 03:00:30" << 0
            << QList<int>{} << QList<int>{1, 1, 48};
    }
    void tikler()
    {
        QFETCH(QString, yer);
        QFETCH(QDate, gun);
        QFETCH(QString, tikler);
        QFETCH(int, hatirlatOgle);
        QFETCH(QList<int>, gelenler);
        QFETCH(QList<int>, sonraki);
        AyarDegerleri a;
        if (yer == "istanbul") {
            a.enlem = 41, a.boylam = 29, a.gmt = 2, a.yazSaatiOtomatik = false;
        } else {
            a.enlem = 52.52, a.boylam = 13.405, a.gmt = 1, a.saatDilimi = yer;
        }
        a.hatirlat[2] = hatirlatOgle;
        GunlukVakitler g;
        g.ayarla(a);
        QList<int> gelen;
        connect(&g, &GunlukVakitler::vakitGeldi, this, [&](int v) { gelen << v; });
        connect(&g, &GunlukVakitler::hatirlatmaGeldi, this, [&](int v) { gelen << 10 + v; });
        for (const QString &t : tikler.split(' ')) {
            const QTime saat = QTime::fromString(t.mid(t.startsWith('+')), Qt::ISODateWithMs);
            const QDate tarih = gun.addDays(t.startsWith('+'));
            g.tik(yer == "istanbul" ? QDateTime(tarih, saat)
                                    : QDateTime(tarih, saat, QTimeZone(yer.toLatin1())));
        }
        QCOMPARE(gelen, gelenler);
        const GunlukVakitler::Sonraki &s = g.sonraki();
        QCOMPARE((QList<int>{s.vakit, s.saat, s.dakika}), sonraki);
    }
};

RAVLA_TEST_MAIN(TestGunlukVakitler)
#include "tst_gunlukvakitler.moc"
