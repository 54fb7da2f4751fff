#include "sehirveritabani.h"

#include "programklasoru.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

std::optional<QStringList> satirlar(const QString &yol, int enCok)
{
    // stat() first: a FIFO would block open() for good, /dev/zero never ends.
    const QFileInfo bilgi(yol);
    if (!bilgi.isFile() || bilgi.size() > SehirVeritabani::kEnBuyukDosya)
        return std::nullopt;
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray icerik = f.read(SehirVeritabani::kEnBuyukDosya + 1);
    if (icerik.size() > SehirVeritabani::kEnBuyukDosya) // grew since
        return std::nullopt;
    return SehirVeritabani::satirlariAyikla(icerik, enCok);
}

} // namespace

QStringList SehirVeritabani::satirlariAyikla(const QByteArray &icerik, int enCok)
{
    QStringList sonuc;
    qsizetype bas = icerik.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (bas < icerik.size() && sonuc.size() < enCok) {
        qsizetype son = icerik.indexOf('\n', bas);
        if (son < 0)
            son = icerik.size(); // the last line, without its break
        // No place or country takes more; a longer line is no line of the database, and a
        // list entry of megabytes would stall the window.
        if (son - bas <= kEnUzunSatir)
            sonuc << QString::fromUtf8(icerik.constData() + bas, son - bas).trimmed();
        bas = son + 1;
    }
    return sonuc;
}

QString SehirVeritabani::klasor()
{
    return ProgramKlasoru::yol() + QStringLiteral("/koordinat/");
}

std::optional<QStringList> SehirVeritabani::ulkeler(const QString &klasor)
{
    return satirlar(klasor + QStringLiteral("liste.dat"), kEnCokUlke);
}

std::optional<QStringList> SehirVeritabani::sehirSatirlari(const QString &klasor,
                                                           const QString &ulke)
{
    // A line of liste.dat names a file in this folder, never one elsewhere.
    if (ulke.contains(QLatin1Char('/')) || ulke.contains(QLatin1Char('\\')) ||
        ulke.contains(QLatin1String("..")))
        return std::nullopt;
    return satirlar(klasor + ulke + QStringLiteral(".txt"), kEnCokSehir);
}

QString SehirVeritabani::sehirAdiniAyikla(const QString &satir)
{
    const qsizetype ilk = satir.indexOf(QLatin1Char(','));
    const qsizetype ikinci = ilk < 0 ? -1 : satir.indexOf(QLatin1Char(','), ilk + 1);
    return ikinci < 0 ? satir : satir.left(ikinci);
}

SehirVeritabani::Koordinat SehirVeritabani::koordinatlariAyikla(const QString &satir)
{
    const QStringList alan = satir.split(QLatin1Char(','));
    Koordinat k;
    k.enlemMetni = alan.value(2);
    k.boylamMetni = alan.value(3);
    k.gmtMetni = alan.value(4);
    k.saatDilimi = alan.value(5).trimmed();

    // A place at 0, 0 out of a line that says nothing would be a wrong answer, not a default.
    struct Sayi {
        const QString &metin;
        double &deger;
        double sinir;
        const char *ad;
    };
    for (const Sayi &s :
         {Sayi{k.enlemMetni, k.enlem, 90, QT_TRANSLATE_NOOP("secenekler", "Enlem")},
          Sayi{k.boylamMetni, k.boylam, 180, QT_TRANSLATE_NOOP("secenekler", "Boylam")},
          Sayi{k.gmtMetni, k.gmt, 15, QT_TRANSLATE_NOOP("secenekler", "Zaman dilimi")}}) {
        bool sayi = false;
        s.deger = s.metin.trimmed().toDouble(&sayi);
        if (!sayi || !std::isfinite(s.deger) || std::fabs(s.deger) > s.sinir) {
            s.deger = 0;
            if (k.hata.isEmpty())
                k.hata = QCoreApplication::translate("secenekler", "%1 geçersiz: \"%2\"")
                             .arg(QCoreApplication::translate("secenekler", s.ad), s.metin);
        }
    }
    return k;
}

QString SehirVeritabani::aramaAnahtari(const QString &metin)
{
    const QString ayrik = metin.normalized(QString::NormalizationForm_KD);
    QString anahtar;
    anahtar.reserve(ayrik.size());
    for (const QChar c : ayrik) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue; // the accent of a decomposed letter, and the dot of İ
        if (c == u'ı')
            anahtar += u'i';
        else if (c == u'ß')
            anahtar += QLatin1String("ss");
        else
            anahtar += c.toLower();
    }
    return anahtar;
}
