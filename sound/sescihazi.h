#pragma once

#include <cstdint>
#include <memory>

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
    // 0.0 silent .. 1.0 full, at once. Once its sound has been stopped or replaced, a handle
    // changes nothing: the next sound keeps its own volume.
    void duzeyAyarla(float duzey);

private:
    friend class SesCihazi;
    explicit SesTutamaci(std::uint64_t nesil) : nesil(nesil) {}
    std::uint64_t nesil; // the sound this handle belongs to
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

    // Plays the file at yol (in the file system's own 8-bit encoding) once, starting at duzey
    // (0.0..1.0): a sound meant to be silent never sounds for a moment before its volume is
    // set. Null when the file cannot be played; whatever played before then goes on.
    std::shared_ptr<SesTutamaci> cal(const char *yol, float duzey = 1.0f);

private:
    SesCihazi() = default;
};
