// A settings value as a hand-edited file may hold it: the conversions give a number in the
// key's range, its default or zero, never NaN, infinity or something out of range.
#include "ayarlar.h"

#include <cmath>
#include <cstdlib>

// Digits only, with a sign or not, naming a number outside 0..20.
static bool disindaMi(const QString &metin)
{
    QString rakamlar = metin;
    const bool eksi = rakamlar.startsWith(QLatin1Char('-'));
    if (eksi || rakamlar.startsWith(QLatin1Char('+')))
        rakamlar.remove(0, 1);
    if (rakamlar.isEmpty())
        return false;
    for (const QChar c : rakamlar)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    while (rakamlar.size() > 1 && rakamlar.startsWith(QLatin1Char('0')))
        rakamlar.remove(0, 1);
    if (rakamlar == QLatin1String("0"))
        return false;
    return eksi || rakamlar.size() > 2 || rakamlar.toInt() > 20;
}

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
        // A whole number out of range reads as the default, however many digits it has (a
        // 32-bit conversion takes 4294967304 for 8).
        if (disindaMi(metin) && (i != 5 || AyarDonusumu::secenek(v, 5, 0, 20) != 5))
            std::abort();
        AyarDonusumu::evetHayir(v, true);
    }
    return 0;
}
