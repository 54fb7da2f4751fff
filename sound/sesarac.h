#pragma once

#include "ezanklasorleri.h"

#include <QString>
#include <QStringList>

#include <functional>
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
    // Stops whatever plays, then plays the first of yollar that can be played (a recording, then
    // what stands in for it). sonuc learns which one (its index; -1: none could) once that is
    // known: where the event loop runs, the files are opened on a thread of their own and sonuc
    // comes later, from the loop. Never for a sound stopped or replaced before, nor without an
    // audio device.
    void SiraylaCal(const QStringList &yollar, double duzey,
                    std::function<void(int calan)> sonuc = {});
    void Dur();
    // Sets the sound started last to duzey percent (the one being opened starts at it); nothing
    // when there is none.
    void DuzeyAyarla(int duzey);

    // How many seconds the file at yol plays: negative when it cannot be played, kCihazYok
    // when there is no audio output to decode it with.
    static constexpr double kCihazYok = -2;
    double sure(const QString &yol) const;

    bool cihazVarMi() const { return cihazi() != nullptr; }
    bool sesVarMi() const; // the last Cal's sound has started (its file opened)

private:
    // The device, made when a sound is first asked for (and tried again while there is none):
    // the sound libraries stay unloaded until then.
    SesCihazi *cihazi() const;

    mutable std::unique_ptr<SesCihazi> cihaz;
    std::shared_ptr<SesTutamaci> sonSes;
    EzanKlasorleri klasorler;
};
