#include "sescihazi.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLibrary>
#include <QThread>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>

namespace {

// SDL2 and SDL2_mixer are loaded when a sound is first asked for, not with the program: they
// bring some forty libraries (decoders, sound servers) that a program waiting in the tray does
// not need, and would cost it memory and start-up time.
#define RAVLA_SDL_ISLEVLERI(X)                                                                     \
    X(SDL_SetHint)                                                                                 \
    X(SDL_InitSubSystem)                                                                           \
    X(SDL_QuitSubSystem)                                                                           \
    X(SDL_RWFromFile)
#define RAVLA_MIX_ISLEVLERI(X)                                                                     \
    X(Mix_Init)                                                                                    \
    X(Mix_Quit)                                                                                    \
    X(Mix_OpenAudioDevice)                                                                         \
    X(Mix_CloseAudio)                                                                              \
    X(Mix_LoadMUS_RW)                                                                              \
    X(Mix_LoadMUS)                                                                                 \
    X(Mix_FreeMusic)                                                                               \
    X(Mix_PlayMusic)                                                                               \
    X(Mix_HaltMusic)                                                                               \
    X(Mix_VolumeMusic)                                                                             \
    X(Mix_PlayingMusic)                                                                            \
    X(Mix_Playing)                                                                                 \
    X(Mix_HaltChannel)

struct Kitaplik {
#define RAVLA_UYE(ad) decltype(&::ad) ad = nullptr;
    RAVLA_SDL_ISLEVLERI(RAVLA_UYE)
    RAVLA_MIX_ISLEVLERI(RAVLA_UYE)
#undef RAVLA_UYE
    bool denendi = false;
    bool hazir = false;
    // SDL 2.0.16 on: frees what SDL keeps for a thread it did not start (its error text), as
    // each such thread that called SDL ends. Older libraries go without.
    void (*SDL_TLSCleanup)() = nullptr;
    // SDL2_mixer 2.6 on: without it no recording can be checked, though all still play.
    double (*Mix_MusicDuration)(Mix_Music *) = nullptr;

    // Once per process; false for good where the libraries are missing (the program is then
    // silent, as without a sound card).
    bool yukle()
    {
        if (denendi)
            return hazir;
        denendi = true;
#ifdef Q_OS_WIN
        QLibrary sdl(QStringLiteral("SDL2")), mix(QStringLiteral("SDL2_mixer"));
#else
        QLibrary sdl(QStringLiteral("SDL2-2.0"), 0), mix(QStringLiteral("SDL2_mixer-2.0"), 0);
#endif
        // A QLibrary that goes out of scope leaves its library loaded.
        if (!sdl.load() || !mix.load())
            return false;
        bool tamam = true;
#define RAVLA_BUL(kaynak)                                                                          \
    [&](auto &islev, const char *ad) {                                                             \
        islev = reinterpret_cast<std::remove_reference_t<decltype(islev)>>(kaynak.resolve(ad));    \
        tamam = tamam && islev;                                                                    \
    }
        const auto sdlden = RAVLA_BUL(sdl);
        const auto mixden = RAVLA_BUL(mix);
#undef RAVLA_BUL
#define RAVLA_SDLDEN(ad) sdlden(ad, #ad);
#define RAVLA_MIXDEN(ad) mixden(ad, #ad);
        RAVLA_SDL_ISLEVLERI(RAVLA_SDLDEN)
        RAVLA_MIX_ISLEVLERI(RAVLA_MIXDEN)
#undef RAVLA_SDLDEN
#undef RAVLA_MIXDEN
        SDL_TLSCleanup = reinterpret_cast<void (*)()>(sdl.resolve("SDL_TLSCleanup"));
        Mix_MusicDuration =
            reinterpret_cast<double (*)(Mix_Music *)>(mix.resolve("Mix_MusicDuration"));
        if (!tamam)
            return false;
        // SDL would otherwise take SIGINT and SIGTERM for an event queue nobody reads here.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Ravla Namaz Vakti");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Ezan");
        hazir = true;
        return true;
    }
};

// Calls SDL_TLSCleanup as a thread that called SDL ends: the workers that open files, and
// any other thread a caller plays from.
struct IplikTemizligi {
    ~IplikTemizligi();
};

Kitaplik &kitaplik()
{
    static Kitaplik k;
    return k;
}

Kitaplik &sdl()
{
    thread_local IplikTemizligi temizlik;
    (void)temizlik;
    return kitaplik();
}

IplikTemizligi::~IplikTemizligi()
{
    if (const auto temizle = kitaplik().SDL_TLSCleanup)
        temizle();
}

// An output left with nothing to play closes after this long: an open output keeps a thread
// waking every period (some 40 times a second) for silence. A pause shorter than this between
// two sounds (the test buttons of the adhan dialog) keeps it open.
constexpr int kBosKalmaSiniriSn = 3;

// Where the application's event loop runs: timers work, and results can be sent back to it.
bool donguIpligindeMi()
{
    const QCoreApplication *uygulama = QCoreApplication::instance();
    return uygulama && QThread::currentThread() == uygulama->thread();
}

// The files a sound may come from, shared by the thread that asked and the one opening them.
struct Acilis {
    std::vector<std::string> yollar;
    // The sound is no longer wanted: stopped, replaced, or its device gone.
    std::atomic<bool> iptal{false};
};

// What the asking thread keeps of the sound whose files are being opened.
struct Bekleyen {
    std::shared_ptr<Acilis> acilis;
    const SesCihazi *cihaz = nullptr;
    std::shared_ptr<SesTutamaci> tutamac;
    float duzey = 1.0f; // what it starts at
    std::function<void(int)> sonuc;
};

// SDL_mixer has one music stream for the whole process, so the state is the process's too. It
// belongs to the asking thread: the workers that open files touch only their Acilis.
struct Durum {
    int acikCihaz = 0;              // devices handed out and not yet destroyed
    bool cikisAcik = false;         // the audio output is open
    Mix_Music *muzik = nullptr;     // the sound started last
    std::uint64_t gecerliNesil = 0; // moves on at every play and stop
    Bekleyen bekleyen;              // the sound being opened, if any
    // Files being opened by workers, wanted or not. The output stays open for them: closing it
    // (Mix_Quit) would pull the decoders from under a worker.
    int acilan = 0;
    // Takes the workers' results in the event loop's thread. Never deleted: a worker still
    // opening a file when the program ends may post to it at any time.
    QObject *alici = nullptr;
    QTimer *bekci = nullptr; // closes an output that has stayed idle
    int bosSaniye = 0;       // seconds the open output has played nothing
};

Durum &durum()
{
    static Durum d;
    return d;
}

int mikserDuzeyi(float duzey)
{
    if (!(duzey > 0.0f)) // also NaN
        return 0;
    if (duzey >= 1.0f)
        return MIX_MAX_VOLUME;
    return static_cast<int>(std::lround(duzey * MIX_MAX_VOLUME));
}

// The sound being opened is no longer wanted: its worker's reads now fail, so that it gives up.
void bekleyeniBirak()
{
    Durum &d = durum();
    if (d.bekleyen.acilis)
        d.bekleyen.acilis->iptal = true;
    d.bekleyen = {};
}

void muzigiBirak()
{
    Durum &d = durum();
    if (d.cikisAcik) {
        sdl().Mix_HaltMusic();
        if (d.muzik)
            sdl().Mix_FreeMusic(d.muzik);
    }
    d.muzik = nullptr;
    bekleyeniBirak();
    ++d.gecerliNesil;
}

void cikisiKapat()
{
    Durum &d = durum();
    if (!d.cikisAcik || d.acilan > 0) // the last result closes it then
        return;
    muzigiBirak();
    sdl().Mix_CloseAudio();
    sdl().Mix_Quit();
    // The whole subsystem: some drivers keep a thread of their own (ALSA looks for new
    // devices ten times a second).
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    d.cikisAcik = false;
    if (d.bekci)
        d.bekci->stop();
}

// Once a second while the output is open, in the thread of the application's event loop.
void bekle()
{
    Durum &d = durum();
    if (!d.cikisAcik)
        return;
    if (d.acilan > 0 || sdl().Mix_PlayingMusic() || sdl().Mix_Playing(-1)) {
        d.bosSaniye = 0;
        return;
    }
    if (++d.bosSaniye >= kBosKalmaSiniriSn)
        cikisiKapat();
}

void bekciyiKur()
{
    Durum &d = durum();
    d.bosSaniye = 0;
    // Without an event loop to run it, the output stays open until the last device goes.
    if (!donguIpligindeMi())
        return;
    if (!d.bekci) {
        d.bekci = new QTimer;
        d.bekci->setInterval(1000);
        QObject::connect(d.bekci, &QTimer::timeout, &bekle);
    }
    if (!d.bekci->isActive())
        d.bekci->start();
}

bool cikisiAc()
{
    Durum &d = durum();
    if (!d.cikisAcik) {
        Kitaplik &s = sdl();
        if (s.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        // What is missing among these simply fails to load later.
        s.Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC | MIX_INIT_OPUS);
        // 16-bit stereo at 44.1 kHz whatever the hardware has (SDL converts), 1024 frames a
        // period: a sound starts within about 23 ms of an open output.
        if (s.Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
            s.Mix_Quit();
            s.SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        d.cikisAcik = true;
    }
    bekciyiKur();
    return true;
}

// A file as a worker reads it: once its sound is no longer wanted, reads and seeks fail, and the
// decoder gives up at once instead of scanning on (libvorbisfile spends minutes on a recording
// followed by a few hundred megabytes of junk). A failing read sets errno, for libvorbisfile
// takes a bare end of file for a reason to search the file again from its start.
struct Okuyucu {
    SDL_RWops rw{};
    SDL_RWops *dosya;
    std::shared_ptr<const Acilis> acilis;

    static Okuyucu *bu(SDL_RWops *rw) { return static_cast<Okuyucu *>(rw->hidden.unknown.data1); }

    static SDL_RWops *sar(SDL_RWops *dosya, std::shared_ptr<const Acilis> acilis)
    {
        auto *o = new Okuyucu{{}, dosya, std::move(acilis)};
        o->rw.type = SDL_RWOPS_UNKNOWN;
        o->rw.hidden.unknown.data1 = o;
        o->rw.size = [](SDL_RWops *rw) -> Sint64 {
            SDL_RWops *d = bu(rw)->dosya;
            return d->size(d);
        };
        o->rw.seek = [](SDL_RWops *rw, Sint64 yer, int nereden) -> Sint64 {
            const Okuyucu *o = bu(rw);
            return o->acilis->iptal ? -1 : o->dosya->seek(o->dosya, yer, nereden);
        };
        o->rw.read = [](SDL_RWops *rw, void *hedef, size_t boy, size_t sayi) -> size_t {
            const Okuyucu *o = bu(rw);
            if (o->acilis->iptal) {
                errno = EIO;
                return 0;
            }
            return o->dosya->read(o->dosya, hedef, boy, sayi);
        };
        o->rw.write = [](SDL_RWops *, const void *, size_t, size_t) -> size_t { return 0; };
        o->rw.close = [](SDL_RWops *rw) -> int {
            Okuyucu *o = bu(rw);
            const int sonuc = o->dosya->close(o->dosya);
            delete o;
            return sonuc;
        };
        return &o->rw;
    }
};

// Null when the file at yol cannot be played. With acilis (on a worker), the reads stop once the
// sound is no longer wanted.
Mix_Music *yukle(const std::string &yol, const std::shared_ptr<const Acilis> &acilis)
{
    // Opening a FIFO would wait for a writer for ever, a device would never end.
    std::error_code hata;
    if (yol.empty() || !std::filesystem::is_regular_file(std::filesystem::path(yol), hata))
        return nullptr;
#ifdef _WIN32
    // SDL opens UTF-8 paths on Windows, not the ANSI code page's.
    const QByteArray sdlYolu = QFile::decodeName(yol.c_str()).toUtf8();
#else
    const QByteArray sdlYolu(yol.c_str());
#endif
    // By content first, so that a recording with the wrong extension still plays; then the
    // extension decides for the formats that carry no signature.
    if (SDL_RWops *rw = sdl().SDL_RWFromFile(sdlYolu.constData(), "rb"))
        if (Mix_Music *m = sdl().Mix_LoadMUS_RW(acilis ? Okuyucu::sar(rw, acilis) : rw, SDL_TRUE))
            return m;
    if (acilis && acilis->iptal)
        return nullptr;
    return sdl().Mix_LoadMUS(sdlYolu.constData());
}

// The first of a's paths from bas on that opens: its index and its music; -1 when none does.
std::pair<int, Mix_Music *> ilkAcilan(const std::shared_ptr<Acilis> &a, size_t bas, bool isci)
{
    for (size_t i = bas; i < a->yollar.size() && !a->iptal; ++i)
        if (Mix_Music *m = yukle(a->yollar[i], isci ? a : nullptr))
            return {int(i), m};
    return {-1, nullptr};
}

// Starts m as the sound being opened; false (m freed) when the mixer will not play it.
bool oynat(Mix_Music *m)
{
    Durum &d = durum();
    d.muzik = m;
    d.bosSaniye = 0;
    // The volume is the mixer's own; set before the start, it holds from the first sample.
    sdl().Mix_VolumeMusic(mikserDuzeyi(d.bekleyen.duzey));
    if (sdl().Mix_PlayMusic(m, 0) == 0)
        return true;
    sdl().Mix_FreeMusic(m);
    d.muzik = nullptr;
    return false;
}

} // namespace

// What needs the handles' inside.
struct SesCihaziIci {
    // Opens the waiting sound's files from bas on: on a worker where the event loop runs, else
    // right here.
    static void ac(size_t bas)
    {
        Durum &d = durum();
        const std::shared_ptr<Acilis> a = d.bekleyen.acilis;
        if (donguIpligindeMi()) {
            if (!d.alici)
                d.alici = new QObject;
            QObject *alici = d.alici;
            try {
                std::thread([a, bas, alici] {
                    auto [sira, m] = ilkAcilan(a, bas, true);
                    if (m && a->iptal) { // let go of the file now, not when the loop gets to it
                        sdl().Mix_FreeMusic(m);
                        m = nullptr;
                    }
                    QMetaObject::invokeMethod(
                        alici, [a, sira = sira, m = m] { acildi(a, sira, m); },
                        Qt::QueuedConnection);
                }).detach();
                ++d.acilan;
                return;
            } catch (const std::system_error &) {
                // No thread to be had: opened here, late rather than never.
            }
        }
        for (;;) {
            const auto [sira, m] = ilkAcilan(a, bas, false);
            if (!m || oynat(m))
                return bitir(m ? sira : -1);
            bas = size_t(sira) + 1;
        }
    }

    // In the event loop's thread: a worker has opened yollar[sira] as m, or none (-1).
    static void acildi(const std::shared_ptr<Acilis> &a, int sira, Mix_Music *m)
    {
        Durum &d = durum();
        --d.acilan;
        if (d.bekleyen.acilis != a) { // stopped or replaced meanwhile
            if (m)
                sdl().Mix_FreeMusic(m);
            if (d.acikCihaz == 0)
                cikisiKapat(); // the last device went while this was being opened
            return;
        }
        if (m && !oynat(m))
            return ac(size_t(sira) + 1);
        bitir(m ? sira : -1);
    }

    // The sound being opened plays from yollar[sira], or none of them could (-1).
    static void bitir(int sira)
    {
        Bekleyen b = std::move(durum().bekleyen);
        durum().bekleyen = {};
        if (sira >= 0)
            b.tutamac->baslamis = true;
        if (b.sonuc)
            b.sonuc(sira);
    }
};

std::unique_ptr<SesCihazi> SesCihazi::olustur()
{
    Durum &d = durum();
    // An output the last device left open for a file still being opened: the results that have
    // come meanwhile close it, so that this device starts on an output of its own.
    if (d.acikCihaz == 0 && d.cikisAcik && d.alici && donguIpligindeMi()) {
        QCoreApplication::sendPostedEvents(d.alici, QEvent::MetaCall);
        cikisiKapat();
    }
    // The output is opened here to learn whether there is one; left idle, it closes again.
    if (!sdl().yukle() || !cikisiAc())
        return nullptr;
    ++d.acikCihaz;
    return std::unique_ptr<SesCihazi>(new SesCihazi);
}

SesCihazi::~SesCihazi()
{
    Durum &d = durum();
    // Its sound's sonuc may reach into its owner, which is going too.
    if (d.bekleyen.cihaz == this) {
        bekleyeniBirak();
        ++d.gecerliNesil;
    }
    if (--d.acikCihaz > 0)
        return;
    cikisiKapat(); // not while files are being opened: the last of them closes it
    delete d.bekci;
    d.bekci = nullptr;
}

void SesCihazi::hepsiniDurdur()
{
    if (durum().cikisAcik)
        sdl().Mix_HaltChannel(-1);
    muzigiBirak();
    durum().bosSaniye = 0; // the output closes a few seconds from now
}

std::shared_ptr<SesTutamaci> SesCihazi::cal(std::vector<std::string> yollar, float duzey,
                                            std::function<void(int)> sonuc)
{
    const bool bos = std::all_of(yollar.begin(), yollar.end(),
                                 [](const std::string &yol) { return yol.empty(); });
    if (bos || !cikisiAc())
        return nullptr;
    muzigiBirak();
    Durum &d = durum();
    auto tutamac = std::shared_ptr<SesTutamaci>(new SesTutamaci(d.gecerliNesil));
    auto acilis = std::make_shared<Acilis>();
    acilis->yollar = std::move(yollar);
    d.bekleyen = {std::move(acilis), this, tutamac, duzey, std::move(sonuc)};
    d.bosSaniye = 0;
    SesCihaziIci::ac(0);
    return tutamac;
}

void SesTutamaci::duzeyAyarla(float duzey)
{
    Durum &d = durum();
    if (d.acikCihaz == 0 || !d.cikisAcik || nesil != d.gecerliNesil)
        return;
    if (d.bekleyen.tutamac.get() == this)
        d.bekleyen.duzey = duzey;
    else
        sdl().Mix_VolumeMusic(mikserDuzeyi(duzey));
}

double SesCihazi::sure(const std::string &yol)
{
    if (!sdl().Mix_MusicDuration || !cikisiAc())
        return -1;
    Durum &d = durum();
    const auto olc = [yol] {
        Mix_Music *m = yukle(yol, nullptr);
        const double saniye = m ? sdl().Mix_MusicDuration(m) : -1;
        if (m)
            sdl().Mix_FreeMusic(m);
        return saniye;
    };
    if (!donguIpligindeMi())
        return olc();
    // Some files take seconds to open: the window keeps being drawn meanwhile (the caller keeps
    // its own controls from being used), and the output stays open for the decoder.
    ++d.acilan;
    std::atomic<double> saniye{-1};
    QEventLoop bekleyis;
    try {
        std::thread([&saniye, &bekleyis, olc] {
            saniye = olc();
            QMetaObject::invokeMethod(&bekleyis, &QEventLoop::quit, Qt::QueuedConnection);
        }).detach();
        bekleyis.exec(QEventLoop::ExcludeUserInputEvents);
    } catch (const std::system_error &) {
        saniye = olc();
    }
    --d.acilan;
    d.bosSaniye = 0;
    return saniye;
}
