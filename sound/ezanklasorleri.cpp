#include "ezanklasorleri.h"

#include "programklasoru.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
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

bool EzanKlasorleri::yerTutucuMu(const QString &ad)
{
    return ad == QLatin1String("Fecir.ogg") || ad == QLatin1String("Aksa.ogg") ||
           ad == QLatin1String("Mekke.ogg");
}

bool EzanKlasorleri::kullanicininMi(const QString &ad) const
{
    if (!yalinAdMi(ad) || ezanKlasorleri.isEmpty())
        return false;
    // With one folder the user's files and the program's share it: the placeholders' names
    // are the program's.
    if (!kullaniciKlasoru && yerTutucuMu(ad))
        return false;
    return QFileInfo(ezanKlasorleri.first() + QLatin1Char('/') + ad).isFile();
}

bool EzanKlasorleri::gercekMi(const QString &ad) const
{
    return yalinAdMi(ad) && (!yerTutucuMu(ad) || kullanicininMi(ad));
}

void EzanKlasorleri::yazilabilirlikAyarla(std::function<bool(const QString &)> s)
{
    sinama() = std::move(s);
}

QStringList EzanKlasorleri::ayarSatirlari(const QByteArray &bas, bool tamami)
{
    constexpr int kEnCokSatir = 6; // a sixth line and more are read past, never used
    QStringDecoder cozucu(QStringConverter::encodingForData(bas).value_or(QStringConverter::Utf8));
    const QString metin = cozucu.decode(bas);

    QStringList satirlar;
    qsizetype basla = 0;
    while (satirlar.size() < kEnCokSatir) {
        const qsizetype son = metin.indexOf(QLatin1Char('\n'), basla);
        // A line cut off by the limit is not a line; the last one of a whole file is.
        if (son < 0 && (!tamami || basla >= metin.size()))
            break;
        QString satir = metin.mid(basla, son < 0 ? -1 : son - basla);
        if (satir.endsWith(QLatin1Char('\r')))
            satir.chop(1);
        satirlar << satir;
        if (son < 0)
            break;
        basla = son + 1;
    }
    return satirlar;
}
