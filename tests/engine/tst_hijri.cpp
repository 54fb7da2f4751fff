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
