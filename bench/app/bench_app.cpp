// The once-a-second refresh of the main window, as the timer runs it.
#include "ayarlar.h"
#include "qravla.h"
#include "saat.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QRavla *pencere = nullptr;

void yerKaydet(double enlem, double boylam, int gmt)
{
    AyarDegerleri d;
    d.enlem = enlem;
    d.boylam = boylam;
    d.gmt = gmt;
    Ayarlar a;
    a.Bagla(d);
    a.Kaydet();
}

// Nothing changed since the last second: the system clock, the same day, the same settings.
void BM_TickUnchanged(benchmark::State &state)
{
    Saat::ayarla({});
    pencere->ayarDegerleri().enlem = 41.0;
    pencere->ayarDegerleri().boylam = 29.0;
    pencere->ayarDegerleri().gmt = 2;
    pencere->ZamanAkimi();
    for (auto _ : state)
        pencere->ZamanAkimi();
}
BENCHMARK(BM_TickUnchanged);

// The first tick of a new day at 65 degrees north in June, where Fajr and Isha are
// borrowed from days that still have a night: every iteration is a new day.
void BM_TickNewDayHighLatitude(benchmark::State &state)
{
    pencere->ayarDegerleri().enlem = 65.0;
    pencere->ayarDegerleri().boylam = 25.0;
    pencere->ayarDegerleri().gmt = 2;
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

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir ayarKlasoru;
    qputenv("XDG_CONFIG_HOME", ayarKlasoru.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    yerKaydet(41.0, 29.0, 2);
    QRavla w;
    pencere = &w;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
