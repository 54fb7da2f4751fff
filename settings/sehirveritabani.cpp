#include "sehirveritabani.h"

#include "programklasoru.h"
#include "saatdilimi.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

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

int SehirVeritabani::ulkeninYontemi(const QString &ulke)
{
    static const struct {
        const char16_t *ulke;
        int yontem;
    } ulkeler[] = {
        {u"Türkiye", 8},  {u"Suudi Arabistan", 9}, {u"Birleşik Arap Emirlikleri", 10},
        {u"Kuveyt", 11},  {u"Katar", 12},          {u"Singapur", 13},
        {u"Malezya", 14}, {u"Endonezya", 15},      {u"Mısır", 16},
        {u"Fas", 17},     {u"İran", 18},           {u"Fransa", 19},
        {u"Rusya", 20},
    };
    // Typed on the own-place page as well: "turkiye" is Türkiye.
    const QString anahtar = aramaAnahtari(ulke.trimmed());
    for (const auto &u : ulkeler)
        if (anahtar == aramaAnahtari(QString::fromUtf16(u.ulke)))
            return u.yontem;
    return 0;
}

namespace {

// "Berlin, State of Berlin" and "Berlin,State of Berlin" alike.
QString adAnahtari(const QString &ad)
{
    QString anahtar = SehirVeritabani::aramaAnahtari(ad);
    static const QRegularExpression virgul(QStringLiteral("\\s*,\\s*"));
    anahtar.replace(virgul, QStringLiteral(","));
    return anahtar.trimmed();
}

} // namespace

QList<SehirVeritabani::Bulunan>
SehirVeritabani::sehirAra(const QString &klasor, const QString &aranan, const QString &ulke)
{
    const QString anahtar = adAnahtari(aranan);
    QList<Bulunan> tam, iceren;
    if (anahtar.isEmpty())
        return tam;
    const QStringList ulkeListesi =
        ulke.isEmpty() ? ulkeler(klasor).value_or(QStringList()) : QStringList{ulke};
    for (const QString &u : ulkeListesi) {
        for (const QString &satir : sehirSatirlari(klasor, u).value_or(QStringList())) {
            const QString ad = adAnahtari(sehirAdiniAyikla(satir));
            if (ad == anahtar || ad.section(QLatin1Char(','), 0, 0) == anahtar)
                tam.append({u, satir});
            else if (tam.isEmpty() && ad.contains(anahtar))
                iceren.append({u, satir});
        }
    }
    return tam.isEmpty() ? iceren : tam;
}

QStringList SehirVeritabani::ulkeAra(const QString &klasor, const QString &aranan)
{
    const QString anahtar = adAnahtari(aranan);
    QStringList tam, iceren;
    if (anahtar.isEmpty())
        return tam;
    for (const QString &u : ulkeler(klasor).value_or(QStringList())) {
        const QString ad = adAnahtari(u);
        if (ad == anahtar)
            tam << u;
        else if (ad.contains(anahtar))
            iceren << u;
    }
    return tam.isEmpty() ? iceren : tam;
}

namespace {

struct Nokta {
    double enlem, boylam;
    QString saatDilimi, ad, ulke;
};

// Every place with a zone, read once for the folder last asked about.
const std::vector<Nokta> &noktalar(const QString &klasor)
{
    static QString okunan;
    static std::vector<Nokta> hepsi;
    if (okunan == klasor && !hepsi.empty())
        return hepsi;
    okunan = klasor;
    hepsi.clear();
    for (const QString &ulke : SehirVeritabani::ulkeler(klasor).value_or(QStringList())) {
        for (const QString &satir :
             SehirVeritabani::sehirSatirlari(klasor, ulke).value_or(QStringList())) {
            const SehirVeritabani::Koordinat k = SehirVeritabani::koordinatlariAyikla(satir);
            if (k.hata.isEmpty() && !k.saatDilimi.isEmpty())
                hepsi.push_back(
                    {k.enlem, k.boylam, k.saatDilimi, satir.section(QLatin1Char(','), 0, 0), ulke});
        }
    }
    return hepsi;
}

double kmArasi(double enlem1, double boylam1, double enlem2, double boylam2)
{
    constexpr double derece = std::numbers::pi / 180;
    const double a = std::pow(std::sin((enlem2 - enlem1) * derece / 2), 2) +
                     std::cos(enlem1 * derece) * std::cos(enlem2 * derece) *
                         std::pow(std::sin((boylam2 - boylam1) * derece / 2), 2);
    return 2 * 6371.0 * std::asin(std::min(1.0, std::sqrt(a)));
}

} // namespace

std::optional<SehirVeritabani::YakinSaatDilimi>
SehirVeritabani::enYakinSaatDilimi(const QString &klasor, double enlem, double boylam, double gmt,
                                   int yil, double kmSiniri)
{
    std::vector<std::pair<double, const Nokta *>> yakinlar;
    for (const Nokta &n : noktalar(klasor))
        if (const double km = kmArasi(enlem, boylam, n.enlem, n.boylam); km <= kmSiniri)
            yakinlar.emplace_back(km, &n);
    std::sort(yakinlar.begin(), yakinlar.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    // On a border the nearest place may lie across it: the nearest whose zone keeps the offset
    // the user chose.
    QHash<QString, std::optional<double>> standartlar;
    for (const auto &[km, n] : yakinlar) {
        auto s = standartlar.find(n->saatDilimi);
        if (s == standartlar.end())
            s = standartlar.insert(n->saatDilimi, SaatDilimi::standartOfset(n->saatDilimi, yil));
        if (*s && std::fabs(**s - gmt) < 1e-6)
            return YakinSaatDilimi{n->saatDilimi, n->ad, n->ulke, km};
    }
    return std::nullopt;
}
