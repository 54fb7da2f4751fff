// From EzanCal to the first sample of the adhan at the loudspeaker, with SDL's disk driver in
// the loudspeaker's place. The driver keeps real time (a period of 1024 frames every 23 ms,
// as a sound card would), so the figure holds the wait for the next period too.
//
// Two clocks: when the mixer hands the sample to the driver (seen by a post-mix hook), and
// when it shows in the driver's file. SDL writes that file through stdio, whose 4 KiB buffer
// holds every other period back until the next one: the file can lag the hand-over by one
// period, 23 ms, that a sound card would not add.
#include "diskkaydi.h"
#include "ezansec.h"
#include "programklasoru.h"
#include "sesarac.h"

#include <QApplication>
#include <QTemporaryDir>

#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

using namespace DiskSes;
using Saat = std::chrono::steady_clock;

namespace {

EzanSec *ezanSec = nullptr;
const Kayit *kayit = nullptr;
qint64 oggSessizligi = 0; // frames of silence Aksa.ogg opens with

// What the mixer handed to the driver, period by period (written by the audio thread).
struct Donem {
    qint64 ilkKare; // of the mixer's output since the hook was set
    Saat::time_point zaman;
    qint64 ilkSesli; // the first frame in it that is not silent, or -1
};
std::vector<Donem> donemler(1 << 16);
std::atomic<size_t> donemSayisi{0};
qint64 karistirilan = 0;

void sonKaristirma(void *, Uint8 *akis, int uzunluk)
{
    const Saat::time_point t = Saat::now();
    const auto *o = reinterpret_cast<const qint16 *>(akis);
    qint64 ilk = -1;
    for (int i = 0; i < uzunluk / 2; ++i)
        if (o[i] != 0) {
            ilk = karistirilan + i / 2;
            break;
        }
    const size_t n = donemSayisi.load(std::memory_order_relaxed);
    if (n < donemler.size()) {
        donemler[n] = {karistirilan, t, ilk};
        donemSayisi.store(n + 1, std::memory_order_release);
    }
    karistirilan += uzunluk / kKareBoyu;
}

// Where the sound begins in a decoded file: the first frame that is not silent.
qint64 ilkSesliKare(const QString &yol)
{
    Mix_Chunk *c = Mix_LoadWAV(QFile::encodeName(yol).constData());
    if (!c)
        return -1;
    const auto *o = reinterpret_cast<const qint16 *>(c->abuf);
    const qint64 n = c->alen / 2;
    qint64 i = 0;
    while (i < n && o[i] == 0)
        ++i;
    Mix_FreeChunk(c);
    return i < n ? i / 2 : -1;
}

// Sleeps about d, the event loop turning first, as the program's would: a sound starts from it
// once its file is open.
void bekle(Saat::duration d)
{
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(d);
}

// Stops, then waits until the output has been silent for a few periods.
bool sustur()
{
    ezanSec->EzanDur();
    const qint64 bas = kayit->kareSayisi() + kGecikme;
    return kayit->bekle(bas + kDonem, 5000) && kayit->tepe(bas, bas + kDonem) == 0;
}

double ms(Saat::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void sayaclar(benchmark::State &state, const char *ad, std::vector<double> s)
{
    if (s.empty())
        return;
    std::sort(s.begin(), s.end());
    state.counters[std::string(ad) + "_med_ms"] = s[s.size() / 2];
    state.counters[std::string(ad) + "_max_ms"] = s.back();
}

// vakit 1 plays Ani.wav, loud from its first sample; vakit 2 the placeholder Aksa.ogg, whose
// half second of silence is taken off: the time is the one at which the frame the recording
// starts with was handed over or written. Each call comes at another moment of the period.
void BM_EzanCalIlkOrnek(benchmark::State &state)
{
    const int vakit = int(state.range(0));
    const qint64 sessizlik = vakit == 1 ? 0 : oggSessizligi;
    std::minstd_rand zar(vakit);
    std::vector<double> surucuye, dosyaya;
    for (auto _ : state) {
        if (!sustur()) {
            state.SkipWithError("the output does not go silent");
            return;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(zar() % 23220));
        const qint64 bas = kayit->kareSayisi();
        const size_t ilkDonem = donemSayisi.load(std::memory_order_acquire);
        std::vector<std::pair<qint64, Saat::time_point>> yazilan; // frames in the file by then
        const Saat::time_point t0 = Saat::now();
        ezanSec->EzanCal(vakit, 100);

        qint64 ilk = -1, bakilan = bas;
        while (ilk < 0) {
            const qint64 n = kayit->kareSayisi();
            const Saat::time_point t = Saat::now();
            if (yazilan.empty() || yazilan.back().first != n)
                yazilan.emplace_back(n, t);
            if (t - t0 > std::chrono::seconds(5)) {
                state.SkipWithError("nothing was heard within 5 s");
                return;
            }
            const QList<qint16> o = kayit->ornekler(bakilan, n);
            for (qsizetype i = 0; i < o.size() && ilk < 0; ++i)
                if (o[i] != 0)
                    ilk = bakilan + i / 2;
            bakilan = n;
            if (ilk < 0)
                bekle(std::chrono::microseconds(100));
        }
        const qint64 baslangic = ilk - sessizlik;
        const auto yazildi = std::find_if(yazilan.begin(), yazilan.end(),
                                          [&](const auto &y) { return y.first > baslangic; });

        // The same frame at the hand-over.
        const size_t son = donemSayisi.load(std::memory_order_acquire);
        qint64 karisik = -1;
        for (size_t i = ilkDonem; i < son && karisik < 0; ++i)
            karisik = donemler[i].ilkSesli;
        const qint64 karisikBaslangic = karisik - sessizlik;
        const auto verildi =
            std::find_if(donemler.begin() + ilkDonem, donemler.begin() + son,
                         [&](const Donem &d) { return karisikBaslangic < d.ilkKare + kDonem; });
        if (baslangic < bas || yazildi == yazilan.end() || karisik < 0 ||
            karisikBaslangic < donemler[ilkDonem].ilkKare || verildi == donemler.begin() + son) {
            state.SkipWithError("the recording started before the call");
            return;
        }
        state.SetIterationTime(ms(yazildi->second - t0) / 1000);
        dosyaya.push_back(ms(yazildi->second - t0));
        surucuye.push_back(ms(verildi->zaman - t0));
    }
    sayaclar(state, "surucuye", surucuye);
    sayaclar(state, "dosyaya", dosyaya);
}
BENCHMARK(BM_EzanCalIlkOrnek)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

// The usual case at a prayer time: the output has been closed for hours (it closes a few
// seconds after the last sound), so EzanCal opens it again. Timed by the driver's file alone,
// which the reopened output starts afresh.
void BM_EzanCalKapaliCikis(benchmark::State &state)
{
    for (auto _ : state) {
        ezanSec->EzanDur();
        // Past the idle limit, the event loop turning: the output closes.
        for (const Saat::time_point son = Saat::now() + std::chrono::milliseconds(4500);
             Saat::now() < son;)
            bekle(std::chrono::milliseconds(10));
        qint64 bakilan = kayit->kareSayisi();
        const Saat::time_point t0 = Saat::now();
        ezanSec->EzanCal(1, 100);
        if (kayit->kareSayisi() >= bakilan) {
            state.SkipWithError("the output did not close");
            return;
        }
        qint64 ilk = -1;
        while (ilk < 0) {
            const qint64 n = kayit->kareSayisi();
            if (n < bakilan)
                bakilan = 0; // the file was started afresh
            if (Saat::now() - t0 > std::chrono::seconds(5)) {
                state.SkipWithError("nothing was heard within 5 s");
                return;
            }
            const QList<qint16> o = kayit->ornekler(bakilan, n);
            for (qsizetype i = 0; i < o.size() && ilk < 0; ++i)
                ilk = o[i] != 0 ? i : -1;
            bakilan = n;
            if (ilk < 0)
                bekle(std::chrono::microseconds(100));
        }
        state.SetIterationTime(ms(Saat::now() - t0) / 1000);
    }
    ezanSec->EzanDur();
}
BENCHMARK(BM_EzanCalKapaliCikis)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);

// The call and what it starts: open the recording (on a thread of its own) and start it from the
// event loop. Streamed, its length does not count.
void BM_EzanCalCagrisi(benchmark::State &state)
{
    for (auto _ : state) {
        ezanSec->EzanCal(int(state.range(0)), 100);
        while (!ezanSec->sesAraci()->sesVarMi())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        ezanSec->EzanDur();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EzanCalCagrisi)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// What decoding the two-minute Fecir.ogg whole would cost before a sound could start.
void BM_TumunuCozmek(benchmark::State &state)
{
    const QByteArray yol = QFile::encodeName(ProgramKlasoru::yol() + "/ezan/Fecir.ogg");
    for (auto _ : state)
        Mix_FreeChunk(Mix_LoadWAV(yol.constData()));
}
BENCHMARK(BM_TumunuCozmek)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir gecici;
    qputenv("XDG_CONFIG_HOME", gecici.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", gecici.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString cikti = gecici.filePath(QStringLiteral("cikti.raw"));
    kur(cikti);
    qunsetenv("SDL_DISKAUDIODELAY"); // real time
    QApplication app(argc, argv);

    const QString program = gecici.filePath(QStringLiteral("ravla"));
    QDir().mkpath(program + QStringLiteral("/ezan"));
    for (const char *ad : {"Aksa.ogg", "Fecir.ogg", "Mekke.ogg"})
        QFile::copy(QStringLiteral(RAVLA_KAYNAK_EZAN "/") + QLatin1String(ad),
                    program + QStringLiteral("/ezan/") + QLatin1String(ad));
    wavYaz(program + QStringLiteral("/ezan/Ani.wav"), 8000, 4);
    QFile ayar(program + QStringLiteral("/ayarlar.dat"));
    ayar.open(QIODevice::WriteOnly);
    ayar.write("Ani.wav\nAksa.ogg\nFecir.ogg\nAksa.ogg\nAksa.ogg\n");
    ayar.close();
    ProgramKlasoru::ayarla(program);

    EzanSec e;
    Kayit k(cikti);
    ezanSec = &e;
    kayit = &k;
    // The output opens with the first sound; decoding below and the post-mix hook need it.
    e.EzanCal(1, 0);
    e.EzanDur();
    oggSessizligi = ilkSesliKare(program + QStringLiteral("/ezan/Aksa.ogg"));
    if (oggSessizligi < 0)
        return 1;
    Mix_SetPostMix(sonKaristirma, nullptr);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
