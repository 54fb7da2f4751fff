// A year and more of the alerts the day's schedule raises, on a clock that behaves like a real
// computer's: ticks that drift between 0.9 and 1.3 s, stalls of 5 to 50 s, sleeps of hours, both
// clock changes of the place's zone, an Isha after midnight under summer time, borrowed twilights
// in the north, and a change of place and of method on the way.
#include "gunlukvakitler.h"
#include "saat.h"
#include "testortami.h"

#include <QRandomGenerator>
#include <QTimeZone>

using Alarm = std::pair<qint64, int>; // the place's wall-clock second; prayer 1..5, reminder 11..16

class TestYillikAlarm : public QObject
{
    Q_OBJECT

private slots:
    void dortYuzGun();
};

void TestYillikAlarm::dortYuzGun()
{
    // Berlin: real zone rules; Isha is borrowed and falls after midnight in summer.
    QTimeZone bolge("Europe/Berlin");
    qint64 utc =
        QDateTime(QDate(2026, 1, 1), QTime(0, 0, 30), QTimeZone::utc()).toMSecsSinceEpoch();
    Saat::ayarla([&] { // the place's clock, as the window reads it
        const QDateTime y = QDateTime::fromMSecsSinceEpoch(utc, bolge);
        return QDateTime(y.date(), y.time());
    });
    const auto duvar = [] {
        const QDateTime y = Saat::simdi();
        return y.date().toJulianDay() * 86400 + y.time().msecsSinceStartOfDay() / 1000;
    };
    GunlukVakitler g;
    AyarDegerleri ayar;
    ayar.enlem = 52.52, ayar.boylam = 13.405, ayar.gmt = 1, ayar.saatDilimi = "Europe/Berlin";
    const int hatirlat[6] = {30, 10, 15, 0, 0, 60}; // İmsak, Fajr, Dhuhr, Asr, Maghrib, Isha
    std::copy(hatirlat, hatirlat + 6, ayar.hatirlat);
    g.ayarla(ayar);

    QList<Alarm> gelenler, anlar, beklenen;
    QList<qint64> tikler;
    connect(&g, &GunlukVakitler::vakitGeldi, this, [&](int v) { gelenler.append({duvar(), v}); });
    connect(&g, &GunlukVakitler::hatirlatmaGeldi, this, [&](int v) {
        gelenler.append({duvar(), 10 + v});
    });
    QRandomGenerator rastgele(20261206);
    int uyanik = 0, uyku = 0;
    const auto tik = [&] {
        tikler.append(duvar());
        g.tik(Saat::simdi());
    };
    const auto ileri = [&](qint64 saniye) { // one step, as after a sleep
        utc += std::max<qint64>(0, saniye) * 1000;
        tik();
    };
    const auto uyan = [&](qint64 hedef) { // ticks as a running computer makes them, stalls too
        while (duvar() < hedef) {
            utc += rastgele.bounded(100) < 2 ? 5000 + rastgele.bounded(45001)
                                             : 900 + rastgele.bounded(401);
            tik();
        }
    };
    for (int gun = 0; gun < 400; ++gun) {
        if (gun == 150) { // moved north, another method
            ayar.enlem = 69.65, ayar.boylam = 18.96, ayar.saatDilimi = "Europe/Oslo";
            ayar.hesapYontemi = 2, bolge = QTimeZone("Europe/Oslo");
        } else if (gun == 260) { // and back south, with Hanafi Asr and custom angles
            ayar.enlem = 41.0, ayar.boylam = 29.0, ayar.gmt = 3,
            bolge = QTimeZone("Europe/Istanbul");
            ayar.saatDilimi = "Europe/Istanbul", ayar.hanefiMezhep = ayar.ozelHesapYontem = true;
            ayar.sabahAci = 18.5, ayar.yatsiAci = 17;
        }
        g.ayarla(ayar);
        tik(); // just after midnight: today's schedule is in force
        const qint64 gece = Saat::simdi().date().toJulianDay() * 86400;
        QList<Alarm> bugun;
        const int sira[6] = {ravla::Imsak, ravla::Fajr,    ravla::Dhuhr,
                             ravla::Asr,   ravla::Maghrib, ravla::Isha};
        for (int i = 0; i < 6; ++i) {
            const ravla::PrayerTime v = g.bugun().times[sira[i]];
            const qint64 an = gece + v.hour * 3600 + v.minute * 60; // 24:40 is 00:40 tomorrow
            if (v.exists() && i > 0)
                bugun.append({an, i});
            if (v.exists() && hatirlat[i] > 0)
                bugun.append({an - hatirlat[i] * 60, i ? 10 + i : 16});
        }
        std::sort(bugun.begin(), bugun.end());
        anlar += bugun;
        for (const auto &[an, no] : bugun) {
            if (an <= duvar() + 120) // a late Isha, seen before this midnight
                continue;
            if (rastgele.bounded(5) == 0) { // asleep over it: from well before to well after
                ileri(an - duvar() + 600 + rastgele.bounded(3 * 3600));
                ++uyku;
            } else {
                ileri(an - 90 - duvar());
                uyan(an + 90);
                ++uyanik;
            }
        }
        // Often awake through midnight too, where the date and a late Isha change over.
        ileri(gece + 86400 - 120 - duvar());
        if (rastgele.bounded(2) == 0)
            uyan(gece + 86430);
        else
            ileri(gece + 86430 - duvar());
    }
    QVERIFY(uyanik > 2000 && uyku > 400);
    // Due: the moments a tick crossed awake, the next tick at most a minute late (a sleep may
    // also end within that minute: that counts as awake).
    std::sort(anlar.begin(), anlar.end());
    for (const Alarm &a : anlar) {
        const auto t = std::lower_bound(tikler.cbegin(), tikler.cend(), a.first);
        if (t != tikler.cbegin() && t != tikler.cend() && *t - a.first <= 60)
            beklenen.append(a);
    }
    QVERIFY(beklenen.size() >= uyanik);
    // Exactly those, each once, within a minute of its moment.
    for (qsizetype i = 0; i < std::min(gelenler.size(), beklenen.size()); ++i) {
        const auto &[an, no] = beklenen[i];
        QVERIFY2(gelenler[i].second == no && gelenler[i].first - an >= 0 &&
                     gelenler[i].first - an <= 60,
                 qPrintable(QString::number(an)));
    }
    QCOMPARE(gelenler.size(), beklenen.size());
}

RAVLA_TEST_MAIN(TestYillikAlarm)
#include "tst_yillikalarm.moc"
