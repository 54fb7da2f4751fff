// The settings store and the city database, read from files the tests write, as a hand-edited
// file, another program or a damaged disk may leave them.
#include "ayarlar.h"
#include "saatdilimi.h"
#include "sehirveritabani.h"
#include "testortami.h"

#include <QDir>
#include <QSettings>

using namespace SehirVeritabani;

namespace {

QString depoDosyasi()
{
    return QSettings(QLatin1String(kOrganizasyon), QStringLiteral("Ravla Ayarlar")).fileName();
}

QByteArray dosya(const QString &yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("-");
}

void dosyaYaz(const QString &yol, const QByteArray &icerik)
{
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(icerik);
}

AyarDegerleri oku(const QByteArray &satirlar = "-")
{
    if (satirlar != "-")
        dosyaYaz(depoDosyasi(), "[General]\n" + satirlar + "\n");
    AyarDegerleri d;
    Ayarlar a;
    a.Bagla(d);
    a.Oku();
    return d;
}

} // namespace

class TestAyarlar : public QObject
{
    Q_OBJECT

private slots:
    void bozukDegerler_data();
    void bozukDegerler();
    void kaydetVeOku();
    void ulkeListesi();
    void sehirSatiri();
    void ulkeDosyasi();
    void arama();
    void sunulanVeritabani();
};

// clang-format off
void TestAyarlar::bozukDegerler_data()
{
    QTest::addColumn<QByteArray>("satir");
    QTest::addColumn<bool>("varsayilan"); // reads as an empty store does, or is taken
    const QList<std::pair<const char *, bool>> satirlar{
        {"Enlem=nan", true}, {"Enlem=-inf", true}, {"Enlem=1e400", true}, {"Enlem=-118.6", true},
        {"Enlem=90.01", true}, {"Enlem=-90", false}, {"Enlem=kirk bir", false}, // text: zero
        {"Boylam=-1e300", true}, {"Boylam=180.5", true}, {"Boylam=-180", false},
        {"GMT=nan", true}, {"GMT=15.5", true}, {"GMT=-15", false}, {"GMT=5.5", false},
        {"HesapYontemi=21", true}, {"HesapYontemi=-1", true}, {"HesapYontemi=20", false},
        {"SabahAci=91", true}, {"YatsiAci=-0.5", true}, {"SabahAci=90", false},
        {"YazSaatiOtomotikHesap=hayir", true}, {"YazSaatiOtomotikHesap=0", false},
        {"HanefiMezhep=evet", true}, {"HanefiMezhep=1", false},
        {"DakikaSabah=31", true}, {"DakikaImsak=beş", true}, {"DakikaImsak=-30", false},
        {"YuksekEnlemKurali=4", true}, {"YuksekEnlemKurali=3", false},
        {"HicriDuzeltme=1.5", true}, {"HicriDuzeltme=3", true}, {"HicriDuzeltme=-2", false},
        {"HatirlatImsak=4", true}, {"HatirlatYatsi=61", true}, {"HatirlatYatsi=5", false},
        {"HatirlatmaSesi=true", false}};
    for (const auto &[satir, varsayilan] : satirlar)
        QTest::newRow(satir) << QByteArray(satir) << varsayilan;
}
// clang-format on

// A value not finite, out of range or not understood reads as that key's default, exactly as
// a missing key does, and reading writes nothing back.
void TestAyarlar::bozukDegerler()
{
    QFETCH(QByteArray, satir);
    QFETCH(bool, varsayilan);
    const AyarDegerleri bos = oku(QByteArray());
    QCOMPARE(oku(satir) == bos, varsayilan);
    QCOMPARE(dosya(depoDosyasi()), "[General]\n" + satir + "\n");
}

// What is saved reads back as it was; a store of the first version (eighteen keys, the time
// zone whole) loads unchanged with the keys added since at their defaults.
void TestAyarlar::kaydetVeOku()
{
    // clang-format off
    AyarDegerleri d{21.4225, 39.8262, 5.5, "السعودية", "Mekke, Hicaz", false, 29, 3, 2026, 25,
                    10, 2026, 6, 4, true, true, 18.5, 17.0, "Asia/Riyadh", {-3, 0, 0, 0, 0, 0, 3},
                    2, -1, {15, 0, 0, 0, 0, 60}, true};
    // clang-format on
    Ayarlar a;
    a.Bagla(d);
    a.Kaydet();
    QCOMPARE(oku(), d);

    // clang-format off
    d = {41.0082, 28.9784, 3, "Türkiye", "İstanbul", false, 29, 3, 2026, 25, 10, 2026, 7, 1,
         true, false, 18.5, 17, "", {}, 0, 0, {}, false};
    // clang-format on
    QCOMPARE(oku("Enlem=41.0082\nBoylam=28.9784\nGMT=3\nUlkeAdi=T\xc3\xbcrkiye\n"
                 "SehirAdi=\"\xc4\xb0stanbul\"\nYazSaatiOtomotikHesap=false\nYazGunBaslaTarih=29\n"
                 "YazAyBaslaTarih=3\nYazYilBaslaTarih=2026\nYazGunBitisTarih=25\n"
                 "YazAyBitisTarih=10\nYazYilBitisTarih=2026\nHesapYontemi=7\nikindiYontemi=1\n"
                 "HanefiMezhep=true\nOzelHesapYontem=false\nSabahAci=18.5\nYatsiAci=17"),
             d);
}

// liste.dat as it may be: the first 254 lines only, a last line without a break, CR LF, blanks,
// a BOM, a megabyte line with its letters whole, binary junk; no file is no list at all.
void TestAyarlar::ulkeListesi()
{
    QByteArray uzun;
    for (int i = 1; i <= 300; ++i)
        uzun += "U" + QByteArray::number(i) + "\n";
    // clang-format off
    for (const auto &[icerik, beklenen] : QList<std::pair<QByteArray, QStringList>>{
             {uzun, {"254", "U1", "U254"}},
             {"", {"0"}},
             {"Almanya\n\nTürkiye", {"3", "Almanya", "Türkiye"}},
             {"\xEF\xBB\xBF  Almanya \r\n\tMısır\r\n", {"2", "Almanya", "Mısır"}},
             {QByteArray("Ş").repeated(500000) + "\nB", {"2", QString("Ş").repeated(500000), "B"}},
             {QByteArray::fromHex("00ff10fe0a80c0c1f5ff0d0a"),
              {"2", QString::fromUtf8("\0\xFF\x10\xFE", 4).trimmed(), QString::fromUtf8("\x80\xC0\xC1\xF5\xFF")}}}) {
        // clang-format on
        QTemporaryDir k;
        QVERIFY(!ulkeler(k.path() + "/"));
        dosyaYaz(k.filePath("liste.dat"), icerik);
        const QStringList okunan = ulkeler(k.path() + "/").value_or(QStringList{"-"});
        QStringList ozet{QString::number(okunan.size())};
        if (!okunan.isEmpty())
            ozet << okunan.first() << okunan.last();
        QCOMPARE(ozet, beklenen);
    }
}

// A city line: name, latitude, longitude, zone and IANA zone; what gives no real place is listed
// but cannot be chosen ("-").
void TestAyarlar::sehirSatiri()
{
    // clang-format off
    for (const auto &[satir, beklenen] : QList<std::pair<QString, QString>>{
             {"A,B,37.00,-35.32,+2", "A,B|37|-35.32|2|"},
             {"New Delhi,Delhi,28.6358,77.2245,5.5,Asia/Kolkata,x",
              "New Delhi,Delhi|28.6358|77.2245|5.5|Asia/Kolkata"},
             {"Atlantis", "Atlantis|0|0|0|-"},
             {"A,B,95,10,1", "A,B|0|10|1|-"},
             {"A,B,10,-180.5,1", "A,B|10|0|1|-"},
             {"A,B,kirk,otuz,iki", "A,B|0|0|0|-"},
             {"A,B,10,10,nan", "A,B|10|10|0|-"}}) {
        // clang-format on
        const Koordinat k = koordinatlariAyikla(satir);
        QCOMPARE(QStringList({sehirAdiniAyikla(satir), QString::number(k.enlem),
                              QString::number(k.boylam), QString::number(k.gmt),
                              k.hata.isEmpty() ? k.saatDilimi : QStringLiteral("-")})
                     .join('|'),
                 beklenen);
    }
}

// A country name is a file name only when it is no path.
void TestAyarlar::ulkeDosyasi()
{
    QTemporaryDir d;
    QVERIFY(QDir(d.path()).mkdir("x"));
    for (const char *ad : {"Almanya", "x/../Almanya", "x\\..\\Almanya", "A..lmanya"})
        dosyaYaz(d.filePath(QString::fromUtf8(ad) + ".txt"), "Köln,NRW,50.93,6.95,1");
    QVERIFY(!sehirSatirlari(d.path() + "/x/", "../Almanya"));
    for (const char *ad : {"x/../Almanya", "x\\..\\Almanya", "A..lmanya", "Atlantis"})
        QVERIFY2(!sehirSatirlari(d.path() + "/", QString::fromUtf8(ad)), ad);
    QCOMPARE(sehirSatirlari(d.path() + "/", "Almanya").value_or(QStringList()),
             QStringList{"Köln,NRW,50.93,6.95,1"});
}

// The filter ignores case and accents, Turkish dotted and dotless i included.
void TestAyarlar::arama()
{
    // clang-format off
    for (const auto &[ad, aranan] : QList<std::pair<QString, QString>>{
             {"İstanbul", "istanbul"}, {"İstanbul", "İSTANBUL"}, {"İstanbul", "Istanbul"},
             {"Iğdır", "igdir"}, {"Köln", "koln"}, {"Mönchengladbach", "glad"}, {"Gießen", "giessen"}})
        QVERIFY2(aramaAnahtari(ad).contains(aramaAnahtari(aranan)), qPrintable(aranan));
    // clang-format on
    QVERIFY(!aramaAnahtari("İzmir").contains(aramaAnahtari("istanbul")));
}

// The database that ships: whole, well-formed, every zone known, a few places checked.
void TestAyarlar::sunulanVeritabani()
{
    const QString klasor = QStringLiteral(RAVLA_KOORDINAT_KLASORU "/");
    const std::optional<QStringList> liste = ulkeler(klasor);
    QVERIFY(liste && liste->size() > 200 && liste->size() <= kEnCokUlke);
    QStringList bulunan;
    for (const QString &ulke : *liste) {
        const std::optional<QStringList> satirlar = sehirSatirlari(klasor, ulke);
        QVERIFY2(satirlar && !satirlar->isEmpty(), qPrintable(ulke));
        for (const QString &satir : *satirlar) {
            const Koordinat k = koordinatlariAyikla(satir);
            if (!k.hata.isEmpty() || satir.count(',') != 5 || !SaatDilimi::bilinir(k.saatDilimi) ||
                SaatDilimi::standartOfset(k.saatDilimi, 2026) != k.gmt)
                QFAIL(qPrintable(ulke + ": " + satir + " " + k.hata));
            bulunan << ulke + "/" + satir.section(',', 0, 0) + ":" + QString::number(k.gmt) + ":" +
                           k.saatDilimi;
        }
    }
    for (const char *b :
         {"Türkiye/İstanbul:3:Europe/Istanbul", "Hindistan/Delhi:5.5:Asia/Kolkata",
          "ABD/New York City:-5:America/New_York", "Avustralya/Adelaide:9.5:Australia/Adelaide"})
        QVERIFY2(bulunan.contains(QString::fromUtf8(b)), b);
}

RAVLA_TEST_MAIN(TestAyarlar)
#include "tst_ayarlar.moc"
