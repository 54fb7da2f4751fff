#include "sesarac.h"

#include "sescihazi.h"

#include <QFile>

#include <algorithm>

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
    SiraylaCal({yol}, duzey);
}

void SesArac::SiraylaCal(const QStringList &yollar, double duzey, std::function<void(int)> sonuc)
{
    if (cihaz)
        cihaz->hepsiniDurdur();
    sonSes.reset();
    if (std::all_of(yollar.begin(), yollar.end(), [](const QString &y) { return y.isEmpty(); }))
        return;
    SesCihazi *c = cihazi();
    if (!c)
        return;
    // The file system's own encoding, so that "Öğle Ezanı.ogg" or a folder under a user name
    // with ş in it is found.
    std::vector<std::string> yerel;
    for (const QString &yol : yollar)
        yerel.push_back(QFile::encodeName(yol).toStdString());
    sonSes = c->cal(std::move(yerel), static_cast<float>(duzey / 100.0), std::move(sonuc));
}

bool SesArac::sesVarMi() const
{
    return sonSes && sonSes->basladi();
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

double SesArac::sure(const QString &yol) const
{
    SesCihazi *c = cihazi();
    return c ? c->sure(QFile::encodeName(yol).toStdString()) : kCihazYok;
}
