#include "ilkcalisma.h"

#include "sehirveritabani.h"

IlkCalisma ilkCalismaAyarlari(const QString &klasor, const QString &sistemSaatDilimi, int yil)
{
    IlkCalisma sonuc;
    AyarDegerleri &a = sonuc.ayar;
    if (const auto sehir = SehirVeritabani::saatDilimininSehri(klasor, sistemSaatDilimi)) {
        const SehirVeritabani::Koordinat k = SehirVeritabani::koordinatlariAyikla(sehir->satir);
        a.enlem = k.enlem;
        a.boylam = k.boylam;
        a.gmt = k.gmt;
        a.saatDilimi = k.saatDilimi;
        a.ulkeAdi = sehir->ulke;
        a.sehirAdi = SehirVeritabani::sehirAdiniAyikla(sehir->satir);
        if (const int yontem = SehirVeritabani::ulkeninYontemi(sehir->ulke))
            a.hesapYontemi = yontem;
        sonuc.saatDiliminden = true;
        return sonuc;
    }
    // The built-in place lies in open country: it is named after the nearest town, and keeps
    // that town's clock.
    if (const auto yakin =
            SehirVeritabani::enYakinSaatDilimi(klasor, a.enlem, a.boylam, a.gmt, yil, 50)) {
        a.ulkeAdi = yakin->ulke;
        a.sehirAdi = yakin->yer;
        a.saatDilimi = yakin->saatDilimi;
    }
    return sonuc;
}
