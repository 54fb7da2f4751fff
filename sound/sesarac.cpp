#include "sesarac.h"

#include "sescihazi.h"

#include <QFile>

SesArac::SesArac() : klasorler(EzanKlasorleri::bul()) {}

SesCihazi *SesArac::cihazi() const
{
    if (!cihaz)
        cihaz = SesCihazi::olustur();
    return cihaz.get();
}

// Releasing the device closes the audio output once no other SesArac uses it.
SesArac::~SesArac() = default;

void SesArac::Cal(const QString &dosyaAdi, double duzey)
{
    DosyaCal(klasorler.dosyaYolu(dosyaAdi), duzey);
}

void SesArac::DosyaCal(const QString &yol, double duzey)
{
    if (cihaz)
        cihaz->hepsiniDurdur();
    sonSes.reset();
    if (yol.isEmpty())
        return;
    SesCihazi *c = cihazi();
    if (!c)
        return;
    // The file system's own encoding, so that "Öğle Ezanı.ogg" or a folder under a user name
    // with ş in it is found.
    sonSes = c->cal(QFile::encodeName(yol).constData(), static_cast<float>(duzey / 100.0));
}

void SesArac::Dur()
{
    if (cihaz)
        cihaz->hepsiniDurdur();
}

void SesArac::DuzeyAyarla(int duzey)
{
    if (sonSes)
        sonSes->duzeyAyarla(static_cast<float>(duzey / 100.0));
}
