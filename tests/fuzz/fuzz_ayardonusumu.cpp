// A settings value as a hand-edited file may hold it: the conversions give a number in the
// key's range, its default or zero, never NaN, infinity or something out of range.
#include "ayarlar.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *veri, size_t boyut)
{
    const QString metin =
        QString::fromUtf8(reinterpret_cast<const char *>(veri), static_cast<qsizetype>(boyut));
    for (const QVariant &v : {QVariant(metin), QVariant(metin.toUtf8())}) {
        const double d = AyarDonusumu::sayi(v, 49.08, -90, 90);
        if (!std::isfinite(d) || d < -90 || d > 90)
            std::abort();
        const int i = AyarDonusumu::tamSayi(v, 5, 0, 20);
        if (i < 0 || i > 20)
            std::abort();
        AyarDonusumu::evetHayir(v, true);
    }
    return 0;
}
