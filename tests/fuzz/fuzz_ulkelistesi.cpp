// liste.dat and the country files as the city reader splits them: whatever the bytes, at most
// the limit of whole, trimmed lines, none longer than a line of the database may be.
#include "sehirveritabani.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *veri, size_t boyut)
{
    const QByteArray icerik(reinterpret_cast<const char *>(veri), static_cast<qsizetype>(boyut));
    const QStringList satirlar =
        SehirVeritabani::satirlariAyikla(icerik, SehirVeritabani::kEnCokUlke);
    if (satirlar.size() > SehirVeritabani::kEnCokUlke)
        std::abort();
    for (const QString &s : satirlar)
        if (s.contains(QLatin1Char('\n')) || s != s.trimmed() ||
            s.size() > SehirVeritabani::kEnUzunSatir)
            std::abort();
    return 0;
}
