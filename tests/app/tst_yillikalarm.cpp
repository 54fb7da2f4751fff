// A year and more of the window's alerts on a clock that behaves like a real computer's: ticks
// that drift between 0.9 and 1.3 s, stalls of 5 to 50 s, sleeps of hours, both clock changes of
// the place's zone, an Isha after midnight under summer time, borrowed twilights in the north,
// and a change of place and of method on the way.
#include "programklasoru.h"
#include "qravla.h"
#include "saat.h"
#include "testortami.h"

#include <QRandomGenerator>
#include <QTimeZone>

namespace {

QDateTime yerelSaat; // what the window reads as "now"

struct Alarm {
    qint64 an; // wall-clock seconds of the place, counted from an arbitrary day
    int vakit;
};

constexpr int kNamazlar[5] = {ravla::Fajr, ravla::Dhuhr, ravla::Asr, ravla::Maghrib, ravla::Isha};

} // namespace

class TestYillikAlarm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Saat::ayarla([] { return yerelSaat; });
    }
    void dortYuzGun();
};

void TestYillikAlarm::dortYuzGun()
{
    QTemporaryDir program; // no recordings: the alert runs, nothing needs to sound
    ProgramKlasoru::ayarla(program.path());
    QRavla::tepsiVarMi = [] { return false; };

    // Berlin: real zone rules; Isha is borrowed and falls after midnight in summer.
    QTimeZone bolge("Europe/Berlin");
    qint64 utc =
        QDateTime(QDate(2026, 1, 1), QTime(0, 0, 30), QTimeZone::utc()).toMSecsSinceEpoch();
    const auto yerel = [&] { return QDateTime::fromMSecsSinceEpoch(utc, bolge); };
    const auto duvar = [&] { // the place's clock as the window sees it
        const QDateTime y = yerel();
        return QDateTime(y.date(), y.time());
    };
    const auto duvarSaniye = [&] {
        const QDateTime y = yerel();
        return y.date().toJulianDay() * 86400 + y.time().msecsSinceStartOfDay() / 1000;
    };

    yerelSaat = duvar();
    QRavla w;
    AyarDegerleri &ayar = w.ayarDegerleri();
    ayar = AyarDegerleri{};
    ayar.enlem = 52.52, ayar.boylam = 13.405, ayar.gmt = 1;
    ayar.saatDilimi = QStringLiteral("Europe/Berlin");

    // Reminders 30 minutes before İmsak, 10 before Fajr, 15 before Dhuhr, an hour before Isha.
    const int hatirlat[6] = {30, 10, 15, 0, 0, 60}; // İmsak, Fajr, Dhuhr, Asr, Maghrib, Isha
    std::copy(std::begin(hatirlat), std::end(hatirlat), std::begin(ayar.hatirlat));

    QList<Alarm> gelenler; // alerts as 1..5, reminders as 11..16 (16 İmsak)
    connect(&w, &QRavla::vakitGeldi, this, [&](int v) { gelenler.append({duvarSaniye(), v}); });
    connect(&w, &QRavla::hatirlatmaGeldi, this, [&](int v) {
        gelenler.append({duvarSaniye(), 10 + v});
    });
    QList<Alarm> beklenen;
    QRandomGenerator rastgele(20261206);
    int uyanikSayisi = 0, uykuSayisi = 0;
    QList<qint64> tikler;
    QList<Alarm> anlarTumu; // every prayer moment of every day, as the window's schedules give them
    const auto tik = [&] {
        yerelSaat = duvar();
        tikler.append(duvarSaniye());
        w.ZamanAkimi();
    };
    // Ticks until the place's clock reaches `hedef`, as a running computer makes them.
    const auto uyanik = [&](qint64 hedef) {
        while (duvarSaniye() < hedef) {
            utc += rastgele.bounded(100) < 2 ? 5000 + rastgele.bounded(45001) // a stall
                                             : 900 + rastgele.bounded(401);
            tik();
        }
    };
    const auto ileri = [&](qint64 saniye) { utc += std::max<qint64>(0, saniye) * 1000; };

    for (int gun = 0; gun < 400; ++gun) {
        if (gun == 150) { // moved north, another method
            ayar.enlem = 69.65, ayar.boylam = 18.96;
            ayar.saatDilimi = QStringLiteral("Europe/Oslo");
            bolge = QTimeZone("Europe/Oslo");
            ayar.hesapYontemi = 2;
        }
        if (gun == 260) { // and back south, with Hanafi Asr and custom angles
            ayar.enlem = 41.0, ayar.boylam = 29.0, ayar.gmt = 3;
            ayar.saatDilimi = QStringLiteral("Europe/Istanbul");
            bolge = QTimeZone("Europe/Istanbul");
            ayar.hanefiMezhep = true;
            ayar.ozelHesapYontem = true, ayar.sabahAci = 18.5, ayar.yatsiAci = 17;
        }
        tik(); // just after midnight: today's schedule is in force
        const qint64 gece = yerel().date().toJulianDay() * 86400;
        QList<Alarm> anlar;
        for (int i = 0; i < 5; ++i) {
            const ravla::PrayerTime v = w.vakit(kNamazlar[i]);
            if (v.exists()) // 24:40 is 00:40 tomorrow
                anlar.append({gece + v.hour * 3600 + v.minute * 60, i + 1});
        }
        // The reminders' moments, from the same schedule.
        const int sira[6] = {ravla::Imsak, ravla::Fajr,    ravla::Dhuhr,
                             ravla::Asr,   ravla::Maghrib, ravla::Isha};
        for (int i = 0; i < 6; ++i) {
            const ravla::PrayerTime v = w.vakit(sira[i]);
            if (hatirlat[i] > 0 && v.exists())
                anlar.append({gece + v.hour * 3600 + v.minute * 60 - hatirlat[i] * 60,
                              i == 0 ? 16 : 10 + i});
        }
        std::sort(anlar.begin(), anlar.end(),
                  [](const Alarm &a, const Alarm &b) { return a.an < b.an; });
        anlarTumu += anlar;
        for (const Alarm &a : anlar) {
            if (a.an <= duvarSaniye() + 120)
                continue; // a late Isha already seen before this midnight
            if (rastgele.bounded(5) == 0) {
                // Asleep over it: from well before to well after, in one step.
                ileri(a.an - duvarSaniye() + 600 + rastgele.bounded(3 * 3600));
                tik();
                ++uykuSayisi;
            } else {
                ileri(a.an - 90 - duvarSaniye());
                tik();
                uyanik(a.an + 90);
                ++uyanikSayisi;
            }
        }
        // Often awake through midnight too, where the date and a late Isha change over.
        const qint64 yarin = gece + 86400;
        if (duvarSaniye() < yarin - 120) {
            ileri(yarin - 120 - duvarSaniye());
            tik();
        }
        if (rastgele.bounded(2) == 0)
            uyanik(yarin + 30);
        else
            ileri(yarin + 30 - duvarSaniye());
    }

    QVERIFY(uyanikSayisi > 2000 && uykuSayisi > 400);
    // Which moments a tick crossed awake: the tick after the moment came at most a minute late.
    // (A sleep may also end within a minute after a moment: that counts as awake.)
    std::sort(anlarTumu.begin(), anlarTumu.end(),
              [](const Alarm &a, const Alarm &b) { return a.an < b.an; });
    for (const Alarm &a : anlarTumu) {
        const auto sonraki = std::lower_bound(tikler.cbegin(), tikler.cend(), a.an);
        if (sonraki != tikler.cbegin() && sonraki != tikler.cend() && *sonraki - a.an <= 60)
            beklenen.append(a);
    }
    QVERIFY(beklenen.size() >= uyanikSayisi);
    // Exactly the prayers crossed awake, each once, within a minute of its moment.
    int i = 0;
    for (const Alarm &g : gelenler) {
        while (i < beklenen.size() && beklenen[i].an + 60 < g.an)
            QFAIL(qPrintable(QStringLiteral("no alert for prayer %1 at %2")
                                 .arg(beklenen[i].vakit)
                                 .arg(QDateTime::fromSecsSinceEpoch(
                                          beklenen[i].an - 2440588LL * 86400, QTimeZone::utc())
                                          .toString(Qt::ISODate))));
        QVERIFY2(i < beklenen.size(), "an alert nobody was awake for");
        QCOMPARE(g.vakit, beklenen[i].vakit);
        QVERIFY(g.an >= beklenen[i].an && g.an <= beklenen[i].an + 60);
        ++i;
    }
    QCOMPARE(i, beklenen.size());
}

RAVLA_TEST_MAIN(TestYillikAlarm)
#include "tst_yillikalarm.moc"
