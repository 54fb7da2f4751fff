#pragma once

#include "ezanklasorleri.h"

#include <QString>

#include <memory>

class SesCihazi;
class SesTutamaci;

// The program's one way to make a sound: plays a recording of the adhan folder, stops it, and
// changes its volume while it plays. Silent, and harmless, where there is no audio device.
class SesArac
{
public:
    SesArac();
    virtual ~SesArac();
    SesArac(const SesArac &) = delete;
    SesArac &operator=(const SesArac &) = delete;

    // Stops whatever plays, then plays dosyaAdi, a bare file name of the adhan folder, at duzey
    // percent (0..100). A name that is a path plays nothing.
    void Cal(const QString &dosyaAdi, double duzey);
    // The same for one of the program's own sounds (the reminder's tone), given by its path.
    void DosyaCal(const QString &yol, double duzey);
    void Dur();
    // Sets the sound started last to duzey percent; nothing when there is none.
    void DuzeyAyarla(int duzey);

    bool cihazVarMi() const { return cihazi() != nullptr; }
    bool sesVarMi() const { return sonSes != nullptr; } // the last Cal started a sound

private:
    // The device, made when a sound is first asked for (and tried again while there is none):
    // the sound libraries stay unloaded until then.
    SesCihazi *cihazi() const;

    mutable std::unique_ptr<SesCihazi> cihaz;
    std::shared_ptr<SesTutamaci> sonSes;
    EzanKlasorleri klasorler;
};
