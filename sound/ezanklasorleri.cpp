#include "ezanklasorleri.h"

#include "programklasoru.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

std::function<bool(const QString &)> &sinama()
{
    static std::function<bool(const QString &)> s;
    return s;
}

// Asked the way the save will meet it: by creating a file. Permission bits alone would call a
// read-only mount writable for root.
bool dosyaOlusturulabilir(const QString &klasor)
{
    QTemporaryFile deneme(klasor + QStringLiteral("/.ravla-XXXXXX"));
    return deneme.open();
}

} // namespace

EzanKlasorleri EzanKlasorleri::bul()
{
    const QString program = ProgramKlasoru::yol();
    const bool yazilabilir = sinama() ? sinama()(program) : dosyaOlusturulabilir(program);
    const QString kullanici = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

    EzanKlasorleri k;
    if (yazilabilir || kullanici.isEmpty()) {
        k.ezanKlasorleri = {program + QStringLiteral("/ezan")};
        k.ayarDosyasi = program + QStringLiteral("/ayarlar.dat");
    } else {
        k.kullaniciKlasoru = true;
        k.ezanKlasorleri = {kullanici + QStringLiteral("/ezan"), program + QStringLiteral("/ezan")};
        k.ayarDosyasi = kullanici + QStringLiteral("/ayarlar.dat");
    }
    return k;
}

bool EzanKlasorleri::yalinAdMi(const QString &ad)
{
    if (ad.isEmpty() || ad == QLatin1String(".") || ad == QLatin1String(".."))
        return false;
    for (const QChar c : ad) {
        // Both separators everywhere: a file written on Windows may be read on Linux.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
#ifdef Q_OS_WIN
        if (c == QLatin1Char(':')) // a drive ("C:x") or another stream of a file
            return false;
#endif
    }
    return true;
}

QString EzanKlasorleri::dosyaYolu(const QString &ad) const
{
    if (!yalinAdMi(ad) || ezanKlasorleri.isEmpty())
        return QString();
    for (const QString &klasor : ezanKlasorleri) {
        const QString yol = klasor + QLatin1Char('/') + ad;
        if (QFileInfo(yol).isFile())
            return yol;
    }
    return ezanKlasorleri.last() + QLatin1Char('/') + ad;
}

void EzanKlasorleri::yazilabilirlikAyarla(std::function<bool(const QString &)> s)
{
    sinama() = std::move(s);
}
