#include "sescihazi.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <filesystem>

namespace {

// SDL_mixer has one music stream for the whole process, so the state is the process's too.
struct Durum {
    int acikCihaz = 0;              // devices handed out and not yet destroyed
    Mix_Music *muzik = nullptr;     // the sound started last
    std::uint64_t gecerliNesil = 0; // moves on at every play and stop
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
    Mix_HaltMusic();
    if (d.muzik) {
        Mix_FreeMusic(d.muzik);
        d.muzik = nullptr;
    }
    ++d.gecerliNesil;
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
    if (SDL_RWops *rw = SDL_RWFromFile(sdlYolu.constData(), "rb"))
        if (Mix_Music *m = Mix_LoadMUS_RW(rw, SDL_TRUE))
            return m;
    return Mix_LoadMUS(sdlYolu.constData());
}

} // namespace

std::unique_ptr<SesCihazi> SesCihazi::olustur()
{
    Durum &d = durum();
    if (d.acikCihaz == 0) {
        // SDL would otherwise take SIGINT and SIGTERM for an event queue nobody reads here.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Ravla Namaz Vakti");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Ezan");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return nullptr;
        // What is missing among these simply fails to load later.
        Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_FLAC | MIX_INIT_OPUS);
        // 16-bit stereo at 44.1 kHz whatever the hardware has (SDL converts), 1024 frames a
        // period: a sound starts within about 23 ms.
        if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
            Mix_Quit();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return nullptr;
        }
    }
    ++d.acikCihaz;
    return std::unique_ptr<SesCihazi>(new SesCihazi);
}

SesCihazi::~SesCihazi()
{
    Durum &d = durum();
    if (--d.acikCihaz > 0)
        return;
    muzigiBirak();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SesCihazi::hepsiniDurdur()
{
    Mix_HaltChannel(-1);
    muzigiBirak();
}

std::shared_ptr<SesTutamaci> SesCihazi::cal(const char *yol, float duzey)
{
    if (!yol || !*yol)
        return nullptr;
    Mix_Music *yeni = yukle(yol);
    if (!yeni)
        return nullptr;

    muzigiBirak();
    Durum &d = durum();
    d.muzik = yeni;
    // The volume is the mixer's own; set before the start, it holds from the first sample.
    Mix_VolumeMusic(mikserDuzeyi(duzey));
    if (Mix_PlayMusic(yeni, 0) != 0) {
        muzigiBirak();
        return nullptr;
    }
    return std::shared_ptr<SesTutamaci>(new SesTutamaci(d.gecerliNesil));
}

void SesTutamaci::duzeyAyarla(float duzey)
{
    const Durum &d = durum();
    if (d.acikCihaz == 0 || nesil != d.gecerliNesil)
        return;
    Mix_VolumeMusic(mikserDuzeyi(duzey));
}
