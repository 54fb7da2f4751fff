#include "ayarlar.h"
#include "testortami.h"

#include <QSettings>

namespace {

QString depoDosyasi()
{
    return QSettings(QLatin1String(kOrganizasyon), QStringLiteral("Ravla Ayarlar")).fileName();
}

// The store as someone else left it: a hand-edited file, another program, a damaged disk.
void depoYaz(const QByteArray &satirlar)
{
    QFile f(depoDosyasi());
    QVERIFY(QDir().mkpath(QFileInfo(f).absolutePath()));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[General]\n" + satirlar + "\n");
}

AyarDegerleri oku()
{
    AyarDegerleri d;
    d.enlem = d.boylam = -1; // so that a key that is not read shows
    d.gmt = d.hesapYontemi = -1;
    Ayarlar a;
    a.Bagla(d);
    a.Oku();
    return d;
}

QVariantList alanlar(const AyarDegerleri &d)
{
    return {d.enlem,         d.boylam,
            d.gmt,           d.ulkeAdi,
            d.sehirAdi,      d.yazSaatiOtomatik,
            d.yazGunBasla,   d.yazAyBasla,
            d.yazYilBasla,   d.yazGunBitis,
            d.yazAyBitis,    d.yazYilBitis,
            d.hesapYontemi,  d.ikindiYontemi,
            d.hanefiMezhep,  d.ozelHesapYontem,
            d.sabahAci,      d.yatsiAci,
            d.saatDilimi,    d.dakikalar[0],
            d.dakikalar[6],  d.yuksekEnlemKurali,
            d.hicriDuzeltme, d.hatirlat[0],
            d.hatirlat[5],   d.hatirlatmaSesi};
}

} // namespace

class TestAyarlar : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(depoDosyasi()); }
    void okunanlar_data();
    void okunanlar();
    void kaydetVeOku();
    void eskiDepo();
    void baglanmamis();
};

void TestAyarlar::okunanlar_data()
{
    QTest::addColumn<QByteArray>("satir");
    QTest::addColumn<int>("alan"); // index into alanlar()
    QTest::addColumn<QVariant>("beklenen");

    QTest::newRow("latitude") << QByteArray("Enlem=41.5") << 0 << QVariant(41.5);
    QTest::newRow("latitude not a number: zero")
        << QByteArray("Enlem=kirk bir") << 0 << QVariant(0.0);
    QTest::newRow("latitude NaN") << QByteArray("Enlem=nan") << 0 << QVariant(49.08);
    QTest::newRow("latitude infinite") << QByteArray("Enlem=-inf") << 0 << QVariant(49.08);
    QTest::newRow("latitude overflowing") << QByteArray("Enlem=1e400") << 0 << QVariant(49.08);
    QTest::newRow("latitude beyond the pole") << QByteArray("Enlem=-118.6") << 0 << QVariant(49.08);
    QTest::newRow("longitude huge") << QByteArray("Boylam=-1e300") << 1 << QVariant(9.14);
    QTest::newRow("longitude 180") << QByteArray("Boylam=180") << 1 << QVariant(180.0);
    QTest::newRow("time zone") << QByteArray("GMT=-9") << 2 << QVariant(-9.0);
    QTest::newRow("half-hour time zone") << QByteArray("GMT=5.5") << 2 << QVariant(5.5);
    QTest::newRow("time zone out of range") << QByteArray("GMT=16") << 2 << QVariant(1.0);
    QTest::newRow("time zone overflowing") << QByteArray("GMT=99999999999") << 2 << QVariant(1.0);
    QTest::newRow("time zone NaN") << QByteArray("GMT=nan") << 2 << QVariant(1.0);
    QTest::newRow("time zone not a number: zero") << QByteArray("GMT=iki") << 2 << QVariant(0.0);
    QTest::newRow("city as rich text stays text")
        << QByteArray("SehirAdi=<img src='/dev/zero'>") << 4 << QVariant("<img src='/dev/zero'>");
    QTest::newRow("manual daylight saving")
        << QByteArray("YazSaatiOtomotikHesap=0") << 5 << QVariant(false);
    QTest::newRow("yes/no key holding a word")
        << QByteArray("YazSaatiOtomotikHesap=hayir") << 5 << QVariant(true);
    QTest::newRow("method") << QByteArray("HesapYontemi=2") << 12 << QVariant(2);
    QTest::newRow("method beyond the last") << QByteArray("HesapYontemi=99") << 12 << QVariant(5);
    QTest::newRow("method negative") << QByteArray("HesapYontemi=-1") << 12 << QVariant(5);
    QTest::newRow("Hanafi") << QByteArray("HanefiMezhep=1") << 14 << QVariant(true);
    QTest::newRow("Hanafi in Turkish: not understood")
        << QByteArray("HanefiMezhep=evet") << 14 << QVariant(false);
    QTest::newRow("custom angle") << QByteArray("SabahAci=18.5") << 16 << QVariant(18.5);
    QTest::newRow("custom angle beyond the nadir")
        << QByteArray("SabahAci=91") << 16 << QVariant(0.0);
    // Keys added since: anything but a whole number in range is the default.
    QTest::newRow("own minutes for Fajr") << QByteArray("DakikaSabah=-30") << 19 << QVariant(-30);
    QTest::newRow("own minutes beyond 30") << QByteArray("DakikaSabah=31") << 19 << QVariant(0);
    QTest::newRow("own minutes for İmsak, words")
        << QByteArray("DakikaImsak=beş") << 20 << QVariant(0);
    QTest::newRow("high-latitude rule") << QByteArray("YuksekEnlemKurali=3") << 21 << QVariant(3);
    QTest::newRow("high-latitude rule unknown")
        << QByteArray("YuksekEnlemKurali=4") << 21 << QVariant(0);
    QTest::newRow("Hijri correction") << QByteArray("HicriDuzeltme=-2") << 22 << QVariant(-2);
    QTest::newRow("Hijri correction, a fraction")
        << QByteArray("HicriDuzeltme=1.5") << 22 << QVariant(0);
    QTest::newRow("reminder before İmsak") << QByteArray("HatirlatImsak=60") << 23 << QVariant(60);
    QTest::newRow("reminder under 5 minutes is off")
        << QByteArray("HatirlatImsak=4") << 23 << QVariant(0);
    QTest::newRow("reminder before Isha") << QByteArray("HatirlatYatsi=5") << 24 << QVariant(5);
    QTest::newRow("reminder beyond an hour is off")
        << QByteArray("HatirlatYatsi=61") << 24 << QVariant(0);
    QTest::newRow("reminder tone") << QByteArray("HatirlatmaSesi=true") << 25 << QVariant(true);
    QTest::newRow("custom angle above the horizon")
        << QByteArray("YatsiAci=-0.5") << 17 << QVariant(0.0);
}

void TestAyarlar::okunanlar()
{
    QFETCH(QByteArray, satir);
    QFETCH(int, alan);
    QFETCH(QVariant, beklenen);

    const QVariantList varsayilanlar = alanlar(oku());
    depoYaz(satir);
    const QByteArray once = [] {
        QFile f(depoDosyasi());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    const QVariantList okunan = alanlar(oku());
    QCOMPARE(okunan.at(alan), beklenen);
    for (int i = 0; i < okunan.size(); ++i) // every other key reads as in an empty store
        if (i != alan)
            QCOMPARE(okunan.at(i), varsayilanlar.at(i));

    QFile f(depoDosyasi()); // reading writes nothing back
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), once);
}

void TestAyarlar::kaydetVeOku()
{
    AyarDegerleri d;
    d.enlem = 21.4225;
    d.boylam = 39.8262;
    d.gmt = 3;
    d.ulkeAdi = QStringLiteral("السعودية");
    d.sehirAdi = QStringLiteral("Mekke, Hicaz"); // a comma must not split it into a list
    d.yazSaatiOtomatik = false;
    d.yazGunBasla = 29, d.yazAyBasla = 3, d.yazYilBasla = 2026;
    d.yazGunBitis = 25, d.yazAyBitis = 10, d.yazYilBitis = 2026;
    d.hesapYontemi = 6;
    d.ikindiYontemi = 4;
    d.hanefiMezhep = true;
    d.ozelHesapYontem = true;
    d.sabahAci = 18.5;
    d.yatsiAci = 17.0;
    Ayarlar a;
    a.Bagla(d);
    a.Kaydet();

    d.saatDilimi = QStringLiteral("Asia/Riyadh");
    for (int i = 0; i < 7; ++i)
        d.dakikalar[i] = i - 3;
    d.yuksekEnlemKurali = 2;
    d.hicriDuzeltme = -1;
    d.hatirlat[0] = 15, d.hatirlat[5] = 60, d.hatirlatmaSesi = true;
    a.Kaydet();
    QCOMPARE(QSettings(depoDosyasi(), QSettings::IniFormat).allKeys().size(), 35);
    QCOMPARE(alanlar(oku()), alanlar(d));
}

// A store written by the first version (eighteen keys, the time zone a whole number) loads as
// it was, and the keys added since take their defaults.
void TestAyarlar::eskiDepo()
{
    depoYaz("Enlem=41.0082\nBoylam=28.9784\nGMT=3\nUlkeAdi=T\xc3\xbcrkiye\n"
            "SehirAdi=\"\xc4\xb0stanbul\"\nYazSaatiOtomotikHesap=false\nYazGunBaslaTarih=29\n"
            "YazAyBaslaTarih=3\nYazYilBaslaTarih=2026\nYazGunBitisTarih=25\nYazAyBitisTarih=10\n"
            "YazYilBitisTarih=2026\nHesapYontemi=7\nikindiYontemi=1\nHanefiMezhep=true\n"
            "OzelHesapYontem=false\nSabahAci=18.5\nYatsiAci=17");
    const AyarDegerleri d = oku();
    QCOMPARE(alanlar(d),
             (QVariantList{41.0082, 28.9784, 3.0,  "Türkiye", "İstanbul", false, 29,    3,    2026,
                           25,      10,      2026, 7,         1,          true,  false, 18.5, 17.0,
                           "",      0,       0,    0,         0,          0,     0,     false}));
}

void TestAyarlar::baglanmamis()
{
    // An unbound object neither crashes nor touches the store.
    Ayarlar a;
    a.Oku();
    a.Kaydet();
    QVERIFY(!QFile::exists(depoDosyasi()));
}

RAVLA_TEST_MAIN(TestAyarlar)
#include "tst_ayarlar.moc"
