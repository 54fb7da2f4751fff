// One line of a country file: its shown name, its coordinates, its search key. A place that can
// be chosen always lies on the globe.
#include "sehirveritabani.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *veri, size_t boyut)
{
    const QString satir =
        QString::fromUtf8(reinterpret_cast<const char *>(veri), static_cast<qsizetype>(boyut));
    const QString ad = SehirVeritabani::sehirAdiniAyikla(satir);
    if (!satir.startsWith(ad) || ad.count(QLatin1Char(',')) > 1)
        std::abort();
    const SehirVeritabani::Koordinat k = SehirVeritabani::koordinatlariAyikla(satir);
    if (!std::isfinite(k.enlem) || !std::isfinite(k.boylam) || !std::isfinite(k.gmt))
        std::abort();
    if (k.hata.isEmpty() &&
        (std::fabs(k.enlem) > 90 || std::fabs(k.boylam) > 180 || std::fabs(k.gmt) > 15))
        std::abort();
    SehirVeritabani::aramaAnahtari(satir);
    return 0;
}
