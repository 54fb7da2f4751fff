#include "ayarlar.h"
#include "testortami.h"

#include <QSettings>

namespace {

QSettings *depo()
{
    return new QSettings(QStringLiteral("Zorva Yazilim"), QStringLiteral("Ravla Ayarlar"));
}

AyarDegerleri oku()
{
    AyarDegerleri d;
    d.enlem = d.boylam = -1; // so that a key that is not read shows
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
    void init() { std::unique_ptr<QSettings>(depo())->clear(); }
    void bosDepo();
    void depodakiler_data();
    void depodakiler();
    void kaydetVeOku();
    void baglanmamis();
};

void TestAyarlar::bosDepo()
{
    const AyarDegerleri d = oku();
    QCOMPARE(d.enlem, 49.08);
    QCOMPARE(d.boylam, 9.14);
    QCOMPARE(d.gmt, 1);
    QVERIFY(d.ulkeAdi.isEmpty() && d.sehirAdi.isEmpty());
    QVERIFY(d.yazSaatiOtomatik);
    QCOMPARE(d.yazGunBasla + d.yazAyBasla + d.yazYilBasla + d.yazGunBitis + d.yazAyBitis +
                 d.yazYilBitis,
             0);
    QCOMPARE(d.hesapYontemi, 5);
    QCOMPARE(d.ikindiYontemi, 0);
    QVERIFY(!d.hanefiMezhep && !d.ozelHesapYontem);
    QCOMPARE(d.sabahAci, 0.0);
    QCOMPARE(d.yatsiAci, 0.0);
}

void TestAyarlar::depodakiler_data()
{
    QTest::addColumn<QString>("anahtar");
    QTest::addColumn<QVariant>("deger");
    QTest::addColumn<QVariant>("beklenen");

    QTest::newRow("latitude") << "Enlem" << QVariant(41.0) << QVariant(41.0);
    QTest::newRow("latitude as text") << "Enlem" << QVariant("41.5") << QVariant(41.5);
    QTest::newRow("latitude not a number") << "Enlem" << QVariant("kirk bir") << QVariant(0.0);
    QTest::newRow("time zone") << "GMT" << QVariant(3) << QVariant(3);
    QTest::newRow("time zone not a number") << "GMT" << QVariant("iki") << QVariant(0);
    QTest::newRow("city") << "SehirAdi" << QVariant("İzmir") << QVariant("İzmir");
    QTest::newRow("method") << "HesapYontemi" << QVariant(2) << QVariant(2);
    QTest::newRow("manual daylight saving")
        << "YazSaatiOtomotikHesap" << QVariant(false) << QVariant(false);
    QTest::newRow("Hanafi as text") << "HanefiMezhep" << QVariant("true") << QVariant(true);
    QTest::newRow("custom angle") << "SabahAci" << QVariant(18.5) << QVariant(18.5);
}

void TestAyarlar::depodakiler()
{
    QFETCH(QString, anahtar);
    QFETCH(QVariant, deger);
    QFETCH(QVariant, beklenen);

    {
        std::unique_ptr<QSettings> s(depo());
        s->setValue(anahtar, deger);
    }
    const AyarDegerleri d = oku();
    const QHash<QString, QVariant> okunan{
        {"Enlem", d.enlem},
        {"GMT", d.gmt},
        {"SehirAdi", d.sehirAdi},
        {"HesapYontemi", d.hesapYontemi},
        {"YazSaatiOtomotikHesap", d.yazSaatiOtomatik},
        {"HanefiMezhep", d.hanefiMezhep},
        {"SabahAci", d.sabahAci},
    };
    QCOMPARE(okunan.value(anahtar), beklenen);
    // The keys not stored keep their defaults.
    if (anahtar != "Enlem")
        QCOMPARE(d.enlem, 49.08);
    if (anahtar != "HesapYontemi")
        QCOMPARE(d.hesapYontemi, 5);
    QCOMPARE(d.boylam, 9.14);
}

void TestAyarlar::kaydetVeOku()
{
    AyarDegerleri d;
    d.enlem = 21.4225;
    d.boylam = 39.8262;
    d.gmt = 3;
    d.ulkeAdi = QStringLiteral("السعودية");
    d.sehirAdi = QStringLiteral("Mekke");
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

    std::unique_ptr<QSettings> s(depo());
    QStringList anahtarlar = s->allKeys();
    anahtarlar.sort();
    QCOMPARE(anahtarlar,
             (QStringList{"Boylam", "Enlem", "GMT", "HanefiMezhep", "HesapYontemi",
                          "OzelHesapYontem", "SabahAci", "SehirAdi", "UlkeAdi", "YatsiAci",
                          "YazAyBaslaTarih", "YazAyBitisTarih", "YazGunBaslaTarih",
                          "YazGunBitisTarih", "YazSaatiOtomotikHesap", "YazYilBaslaTarih",
                          "YazYilBitisTarih", "ikindiYontemi"}));

    const AyarDegerleri o = oku();
    QCOMPARE(o.enlem, d.enlem);
    QCOMPARE(o.boylam, d.boylam);
    QCOMPARE(o.gmt, d.gmt);
    QCOMPARE(o.ulkeAdi, d.ulkeAdi);
    QCOMPARE(o.sehirAdi, d.sehirAdi);
    QCOMPARE(o.yazSaatiOtomatik, false);
    QCOMPARE(QList<int>({o.yazGunBasla, o.yazAyBasla, o.yazYilBasla, o.yazGunBitis, o.yazAyBitis,
                         o.yazYilBitis}),
             QList<int>({29, 3, 2026, 25, 10, 2026}));
    QCOMPARE(o.hesapYontemi, 6);
    QCOMPARE(o.ikindiYontemi, 4);
    QVERIFY(o.hanefiMezhep && o.ozelHesapYontem);
    QCOMPARE(o.sabahAci, 18.5);
    QCOMPARE(o.yatsiAci, 17.0);
}

void TestAyarlar::baglanmamis()
{
    // An unbound object neither crashes nor touches the store.
    Ayarlar a;
    a.Oku();
    a.Kaydet();
    QVERIFY(std::unique_ptr<QSettings>(depo())->allKeys().isEmpty());
}

RAVLA_TEST_MAIN(TestAyarlar)
#include "tst_ayarlar.moc"
