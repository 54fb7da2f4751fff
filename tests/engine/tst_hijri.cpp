#include "hicrimiladihesap.h"

#include <QTest>

#include <chrono>

namespace chr = std::chrono;

namespace {

QString text(const HicriMiladiHesap &h)
{
    return QStringLiteral("%1.%2.%3 %4").arg(h.gun).arg(h.ay).arg(h.yil).arg(h.ayAdi.c_str());
}

} // namespace

class TestHijri : public QObject
{
    Q_OBJECT

private slots:
    void knownDates_data()
    {
        QTest::addColumn<int>("gun");
        QTest::addColumn<int>("ay");
        QTest::addColumn<int>("yil");
        QTest::addColumn<QString>("expected");
        QTest::newRow("2000") << 1 << 1 << 2000 << "25.9.1420 رمضان";
        QTest::newRow("December 2026") << 5 << 12 << 2026 << "25.6.1448 جمادى الثاني";
        QTest::newRow("Ramadan 1445") << 11 << 3 << 2024 << "2.9.1445 رمضان";
        QTest::newRow("first of Shaban") << 19 << 1 << 2026 << "1.8.1447 شعبان";
        QTest::newRow("first of Ramadan") << 17 << 2 << 2026 << "1.9.1447 رمضان";
    }
    void knownDates()
    {
        QFETCH(int, gun);
        QFETCH(int, ay);
        QFETCH(int, yil);
        QFETCH(QString, expected);
        HicriMiladiHesap h;
        h.Hesapla(gun, ay, yil);
        QCOMPARE(text(h), expected);
    }

    // The user's correction moves the Hijri date by whole days across the ends of months and
    // years of both calendars (1 Ramadan 1447 is 17 February 2026, 1 Muharram 1448 16 June 2026,
    // and Dhu al-Hijja 1447 has 30 days).
    void correction_data()
    {
        QTest::addColumn<int>("gun");
        QTest::addColumn<int>("ay");
        QTest::addColumn<int>("yil");
        QTest::addColumn<int>("duzeltme");
        QTest::addColumn<QString>("expected");
        QTest::newRow("into Ramadan") << 16 << 2 << 2026 << 1 << "1.9.1447 رمضان";
        QTest::newRow("two days into Ramadan") << 15 << 2 << 2026 << 2 << "1.9.1447 رمضان";
        QTest::newRow("back into Shaban") << 17 << 2 << 2026 << -1 << "29.8.1447 شعبان";
        QTest::newRow("two days back") << 18 << 2 << 2026 << -2 << "29.8.1447 شعبان";
        QTest::newRow("past the 30th") << 18 << 3 << 2026 << 1 << "1.10.1447 شوّال";
        QTest::newRow("into the new year") << 15 << 6 << 2026 << 1 << "1.1.1448 محرم";
        QTest::newRow("two days into it") << 14 << 6 << 2026 << 2 << "1.1.1448 محرم";
        QTest::newRow("back into the old year") << 16 << 6 << 2026 << -1 << "30.12.1447 ذو الحجة";
        QTest::newRow("two days back into it") << 17 << 6 << 2026 << -2 << "30.12.1447 ذو الحجة";
        QTest::newRow("over New Year's Eve") << 31 << 12 << 2026 << 2 << "24.7.1448 رجب";
        QTest::newRow("back over New Year") << 1 << 1 << 2027 << -1 << "22.7.1448 رجب";
    }
    void correction()
    {
        QFETCH(int, gun);
        QFETCH(int, ay);
        QFETCH(int, yil);
        QFETCH(int, duzeltme);
        QFETCH(QString, expected);
        HicriMiladiHesap h;
        h.Hesapla(gun, ay, yil, duzeltme);
        QCOMPARE(text(h), expected);
    }

    void wholePart_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("just under 3") << 2.99999995 << 3.0;
        QTest::newRow("just above -3") << -2.99999995 << -3.0;
        QTest::newRow("minus a half") << -0.5 << 0.0;
        QTest::newRow("a half") << 0.5 << 0.0;
        QTest::newRow("clearly under 3") << 2.9999 << 2.0;
    }
    void wholePart()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(HicriMiladiHesap::tamKisim(x), expected);
    }

    // Each Gregorian day is exactly one tabular day further; months have 29 or 30 days.
    void advancesOneDayAtATime()
    {
        HicriMiladiHesap prev;
        prev.Hesapla(31, 12, 1999);
        for (chr::sys_days d{chr::year{2000} / 1 / 1};
             d <= chr::sys_days{chr::year{2030} / 12 / 31}; d += chr::days{1}) {
            const chr::year_month_day ymd{d};
            HicriMiladiHesap h;
            h.Hesapla(int(unsigned(ymd.day())), int(unsigned(ymd.month())), int(ymd.year()));
            const bool sameMonth =
                h.yil == prev.yil && h.ay == prev.ay && h.gun == prev.gun + 1 && h.gun <= 30;
            const bool nextMonth = h.gun == 1 && (prev.gun == 29 || prev.gun == 30) &&
                                   ((h.yil == prev.yil && h.ay == prev.ay + 1) ||
                                    (h.yil == prev.yil + 1 && h.ay == 1 && prev.ay == 12));
            QVERIFY2(sameMonth || nextMonth, qPrintable(text(h) + " after " + text(prev)));
            QCOMPARE(h.ayAdi, std::string(HicriMiladiHesap::ayAdiOf(h.ay)));
            prev = h;
        }
    }
};

QTEST_APPLESS_MAIN(TestHijri)
#include "tst_hijri.moc"
