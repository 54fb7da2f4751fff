#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The computer's sound output, reduced to what the program needs: create it, stop everything,
// play a file once, and change the volume of what plays. One sound plays at a time: a new one
// replaces the one before. Built over SDL2_mixer, which streams the file, so a recording of ten
// minutes starts as quickly as one of ten seconds. SDL2_mixer is loaded with the first device;
// the output is open only while there is something to play, and closes a few seconds after it
// has gone quiet (where an event loop runs), so that a program idle in the tray keeps no audio
// thread awake.

class SesTutamaci
{
public:
    // 0.0 silent .. 1.0 full, at once; while the file is still being opened, the volume it will
    // start at. Once its sound has been stopped or replaced, a handle changes nothing: the next
    // sound keeps its own volume.
    void duzeyAyarla(float duzey);
    // The file has been opened and the sound started (it may have ended since).
    bool basladi() const { return baslamis; }

private:
    friend class SesCihazi;
    friend struct SesCihaziIci;
    explicit SesTutamaci(std::uint64_t nesil) : nesil(nesil) {}
    std::uint64_t nesil; // the sound this handle belongs to
    bool baslamis = false;
};

class SesCihazi
{
public:
    // Null when the computer has no audio output; the program then stays silent.
    static std::unique_ptr<SesCihazi> olustur();
    ~SesCihazi();
    SesCihazi(const SesCihazi &) = delete;
    SesCihazi &operator=(const SesCihazi &) = delete;

    void hepsiniDurdur();

    // Stops whatever plays, then plays once the first of yollar (paths in the file system's own
    // 8-bit encoding; an empty one never plays) that can be played, starting at duzey (0.0..1.0):
    // a sound meant to be silent never sounds for a moment before its volume is set.
    //
    // Opening a file can take minutes (a recording followed by a long tail of junk). Called
    // from the thread of the application's event loop, the files are opened on a thread of their
    // own and the sound starts from the event loop once one is open; the caller never waits.
    // Elsewhere (no application, another thread) they are opened here, before this returns.
    //
    // sonuc, called in the caller's thread once it is known, gets the index of the path that
    // plays, or -1 when none can; it is not called for a sound stopped or replaced before that,
    // nor after its device is gone. Null when there is nothing to try or no output.
    std::shared_ptr<SesTutamaci> cal(std::vector<std::string> yollar, float duzey = 1.0f,
                                     std::function<void(int)> sonuc = {});

    // How many seconds the file at yol plays, decoded by the same library that plays it; negative
    // when it cannot be played. Opens the file here, in the caller's thread (a check before a
    // recording is taken in, of a file of bounded size).
    double sure(const std::string &yol);

private:
    SesCihazi() = default;
};
