#include "sescihazi.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QThread>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <filesystem>
#include <type_traits>

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

Kitaplik &sdl()
{
    static Kitaplik k;
    return k;
}

// An output left with nothing to play closes after this long: an open output keeps a thread
// waking every period (some 40 times a second) for silence. A pause shorter than this between
// two sounds (the test buttons of the adhan dialog) keeps it open.
constexpr int kBosKalmaSiniriSn = 3;

// SDL_mixer has one music stream for the whole process, so the state is the process's too.
struct Durum {
    int acikCihaz = 0;              // devices handed out and not yet destroyed
    bool cikisAcik = false;         // the audio output is open
    Mix_Music *muzik = nullptr;     // the sound started last
    std::uint64_t gecerliNesil = 0; // moves on at every play and stop
    QTimer *bekci = nullptr;        // closes an output that has stayed idle
    int bosSaniye = 0;              // seconds the open output has played nothing
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

void muzigiBirak()
{
    Durum &d = durum();
    if (d.cikisAcik) {
        sdl().Mix_HaltMusic();
        if (d.muzik)
            sdl().Mix_FreeMusic(d.muzik);
    }
    d.muzik = nullptr;
    ++d.gecerliNesil;
}

void cikisiKapat()
{
    Durum &d = durum();
    if (!d.cikisAcik)
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
    if (sdl().Mix_PlayingMusic() || sdl().Mix_Playing(-1)) {
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
    const QCoreApplication *uygulama = QCoreApplication::instance();
    // Without an event loop to run it, the output stays open until the last device goes.
    if (!uygulama || QThread::currentThread() != uygulama->thread())
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

Mix_Music *yukle(const char *yol)
{
    // Opening a FIFO would wait for a writer for ever, a device would never end.
    std::error_code hata;
    if (!std::filesystem::is_regular_file(std::filesystem::path(yol), hata))
        return nullptr;
#ifdef _WIN32
    // SDL opens UTF-8 paths on Windows, not the ANSI code page's.
    const QByteArray sdlYolu = QFile::decodeName(yol).toUtf8();
#else
    const QByteArray sdlYolu(yol);
#endif
    // By content first, so that a recording with the wrong extension still plays; then the
    // extension decides for the formats that carry no signature.
    if (SDL_RWops *rw = sdl().SDL_RWFromFile(sdlYolu.constData(), "rb"))
        if (Mix_Music *m = sdl().Mix_LoadMUS_RW(rw, SDL_TRUE))
            return m;
    return sdl().Mix_LoadMUS(sdlYolu.constData());
}

} // namespace

std::unique_ptr<SesCihazi> SesCihazi::olustur()
{
    Durum &d = durum();
    // The output is opened here to learn whether there is one; left idle, it closes again.
    if (!sdl().yukle() || !cikisiAc())
        return nullptr;
    ++d.acikCihaz;
    return std::unique_ptr<SesCihazi>(new SesCihazi);
}

SesCihazi::~SesCihazi()
{
    Durum &d = durum();
    if (--d.acikCihaz > 0)
        return;
    cikisiKapat();
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

std::shared_ptr<SesTutamaci> SesCihazi::cal(const char *yol, float duzey)
{
    if (!yol || !*yol || !cikisiAc())
        return nullptr;
    Mix_Music *yeni = yukle(yol);
    if (!yeni)
        return nullptr; // an output that was idle closes again by itself

    muzigiBirak();
    Durum &d = durum();
    d.muzik = yeni;
    d.bosSaniye = 0;
    // The volume is the mixer's own; set before the start, it holds from the first sample.
    sdl().Mix_VolumeMusic(mikserDuzeyi(duzey));
    if (sdl().Mix_PlayMusic(yeni, 0) != 0) {
        muzigiBirak();
        return nullptr;
    }
    return std::shared_ptr<SesTutamaci>(new SesTutamaci(d.gecerliNesil));
}

void SesTutamaci::duzeyAyarla(float duzey)
{
    const Durum &d = durum();
    if (d.acikCihaz == 0 || !d.cikisAcik || nesil != d.gecerliNesil)
        return;
    sdl().Mix_VolumeMusic(mikserDuzeyi(duzey));
}
