// ayarlar.dat as the adhan dialog reads it: at most six lines, each a name that either is a
// bare file name of the folder or plays nothing.
#include "ezanklasorleri.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *veri, size_t boyut)
{
    if (boyut == 0)
        return 0;
    const bool tamami = veri[0] & 1; // the whole file, or only its first part
    const QByteArray bas(reinterpret_cast<const char *>(veri + 1),
                         static_cast<qsizetype>(boyut - 1));
    const QStringList satirlar = EzanKlasorleri::ayarSatirlari(bas, tamami);
    if (satirlar.size() > 6)
        std::abort();
    for (const QString &ad : satirlar) {
        if (ad.contains(QLatin1Char('\n')))
            std::abort();
        if (EzanKlasorleri::yalinAdMi(ad) &&
            (ad.contains(QLatin1Char('/')) || ad.contains(QLatin1Char('\\')) ||
             ad == QLatin1String("..")))
            std::abort();
    }
    return 0;
}
