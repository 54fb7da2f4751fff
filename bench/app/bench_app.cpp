// The once-a-second refresh of the main window, as the timer runs it, and the city list of
// the options dialog as a user types into its filter.
#include "ayarlar.h"
#include "programklasoru.h"
#include "qravla.h"
#include "saat.h"
#include "secenekler.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QRavla *pencere = nullptr;

// The window on a place of its own, as the options dialog hands it over.
void yer(double enlem, double boylam, double gmt)
{
    AyarDegerleri d;
    d.enlem = enlem;
    d.boylam = boylam;
    d.gmt = gmt;
    pencere->ayarlariUygula(d);
}

// The time a label shows ("12:05:00").
QTime etiket(const char *ad)
{
    return QTime::fromString(pencere->findChild<QLabel *>(ad)->text(), QStringLiteral("h:mm:ss"));
}

void yerKaydet(double enlem, double boylam, double gmt)
{
    AyarDegerleri d;
    d.enlem = enlem;
    d.boylam = boylam;
    d.gmt = gmt;
    Ayarlar a;
    a.Kaydet(d);
}

// Nothing changed since the last second: the system clock, the same day, the same settings.
void BM_TickUnchanged(benchmark::State &state)
{
    Saat::ayarla({});
    yer(41.0, 29.0, 2);
    for (auto _ : state)
        pencere->ZamanAkimi();
}
BENCHMARK(BM_TickUnchanged);

// The first tick of a new day at 65 degrees north in June, where Fajr and Isha are
// borrowed from days that still have a night: every iteration is a new day.
void BM_TickNewDayHighLatitude(benchmark::State &state)
{
    yer(65.0, 25.0, 2);
    const QDateTime gunler[2] = {QDateTime(QDate(2026, 6, 20), QTime(0, 0, 1)),
                                 QDateTime(QDate(2026, 6, 21), QTime(0, 0, 1))};
    int i = 0;
    Saat::ayarla([&] { return gunler[i]; });
    for (auto _ : state) {
        i ^= 1;
        pencere->ZamanAkimi();
    }
    Saat::ayarla({});
}
BENCHMARK(BM_TickNewDayHighLatitude)->Unit(benchmark::kMicrosecond);

// The tick that meets a prayer's time: the schedule is in place, the adhan starts (the dummy
// audio driver stands in for the sound card) and the popup shows. Together with EzanCal's own
// time to the first sample (bench_sound) this is the delay from the tick to the adhan.
void BM_VakitGelenTik(benchmark::State &state)
{
    yer(41.0, 29.0, 3);
    int gelen = 0;
    const auto baglanti = QObject::connect(pencere, &QRavla::vakitGeldi, [&] { ++gelen; });
    QDate gun(2027, 1, 1);
    QDateTime an;
    for (auto _ : state) {
        state.PauseTiming();
        gun = gun.addDays(1);
        an = QDateTime(gun, QTime(11, 0));
        Saat::ayarla([&] { return an; });
        pencere->ZamanAkimi(); // the day's schedule
        an = QDateTime(gun, etiket("oglevakitlabel")).addMSecs(-500);
        pencere->ZamanAkimi();
        an = an.addMSecs(800);
        state.ResumeTiming();
        pencere->ZamanAkimi();
    }
    QObject::disconnect(baglanti);
    Saat::ayarla({});
    if (gelen != state.iterations())
        state.SkipWithError("a tick did not raise the prayer");
}
BENCHMARK(BM_VakitGelenTik)->Unit(benchmark::kMicrosecond)->Iterations(200);

// The largest country of the database (the United States, about 3,300 places).
void BM_SehirListesiDoldur(benchmark::State &state)
{
    secenekler d;
    for (auto _ : state)
        d.SehirListesiniOku(QStringLiteral("ABD"));
    state.counters["places"] = d.findChild<QListWidget *>("SehirlistWidget")->count();
}
BENCHMARK(BM_SehirListesiDoldur)->Unit(benchmark::kMillisecond);

// One keystroke in the place filter over that list: "s", "sa", ... "san francisco" and back.
void BM_SuzgecTusu(benchmark::State &state)
{
    secenekler d;
    d.SehirListesiniOku(QStringLiteral("ABD"));
    QLineEdit *suzgec = d.findChild<QLineEdit *>("SehirFiltreLineEdit");
    const QString aranan = QStringLiteral("san francisco");
    int n = 0;
    for (auto _ : state) {
        const int k = n++ % (2 * aranan.size());
        suzgec->setText(aranan.left(k < aranan.size() ? k + 1 : 2 * aranan.size() - k));
    }
}
BENCHMARK(BM_SuzgecTusu)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir ayarKlasoru;
    qputenv("XDG_CONFIG_HOME", ayarKlasoru.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramKlasoru::ayarla(QStringLiteral(RAVLA_PROGRAM_KLASORU)); // the build folder's database
    yerKaydet(41.0, 29.0, 2);
    QRavla w;
    pencere = &w;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
