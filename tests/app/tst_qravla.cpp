#include "dil.h"
#include "qravla.h"
#include "saat.h"
#include "testortami.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>

namespace {

QDateTime anlikZaman;

void saatKur(const QString &metin)
{
    anlikZaman = QDateTime::fromString(metin, QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    Q_ASSERT(anlikZaman.isValid());
}

AyarDegerleri istanbul()
{
    AyarDegerleri a;
    a.enlem = 41.0;
    a.boylam = 29.0;
    a.gmt = 2;
    a.ulkeAdi = QStringLiteral("Turkey");
    a.sehirAdi = QStringLiteral("Istanbul");
    a.yazSaatiOtomatik = false; // and no dates: no daylight saving
    return a;
}

void kaydet(AyarDegerleri a, const QVariant &dilNo = QVariant())
{
    Ayarlar ayarlar;
    ayarlar.Bagla(a);
    ayarlar.Kaydet();
    QSettings dil{QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama)};
    dil.clear();
    if (dilNo.isValid())
        dil.setValue(QStringLiteral("Dil No"), dilNo);
}

QString metin(const QRavla &w, const char *ad)
{
    return w.findChild<QLabel *>(ad)->text();
}

const char *const kSaatEtiketleri[7] = {"fecirvakitlabel",  "gunesvakitlabel", "oglevakitlabel",
                                        "ikindivakitlabel", "aksamvakitlabel", "yatsivakitlabel",
                                        "imsakvakitlabel"};

} // namespace

class TestQRavla : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Saat::ayarla([] { return anlikZaman; });
    }
    void pencere();
    void saatYazisi_data();
    void saatYazisi();
    void gunDegisimi();
    void yazSaati_data();
    void yazSaati();
    void gecYatsi();
    void cumleler_data();
    void cumleler();
    void bozukDepo();
    void alarm();
    void animasyon();
};

void TestQRavla::pencere()
{
    kaydet(istanbul());
    saatKur("2026-12-05 10:00:00.000");
    QRavla w;

    QCOMPARE(w.windowTitle(), QStringLiteral("Ravla Namaz Vakti"));
    QCOMPARE(w.minimumSize(), QSize(720, 440));
    QCOMPARE(w.maximumSize(), QSize(720, 440));
    QCOMPARE(w.pos(), QPoint(280, 292)); // centred on 1280 x 1024

    const QStringList beklenen{"5:34:00",  "7:13:00",  "11:54:00", "14:17:00",
                               "16:35:00", "18:08:00", "5:26:00"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(metin(w, kSaatEtiketleri[i]), beklenen[i]);
    QCOMPARE(w.kibleDerecesi(), 151);
    QCOMPARE(metin(w, "Sehirlabel"), QStringLiteral("Istanbul - Turkey"));
    QCOMPARE(metin(w, "Tarihlabel"), QStringLiteral("Cumartesi, 05.12.2026"));
    QCOMPARE(metin(w, "Hicrilabel"), QStringLiteral("جمادى الثاني : 25.6.1448"));
    QCOMPARE(metin(w, "KalanZamanLabel"), QStringLiteral("Öğle namazına 1 saat 55 dakika kaldı"));

    // A setting changed by the options dialog shows within a tick.
    w.ayarDegerleri().sehirAdi.clear();
    w.ayarDegerleri().ulkeAdi.clear();
    w.ayarDegerleri().hesapYontemi = 1; // Fajr at 20 degrees: earlier
    w.ZamanAkimi();
    QCOMPARE(metin(w, "Sehirlabel"), QStringLiteral(" - "));
    QVERIFY(metin(w, "fecirvakitlabel") < QStringLiteral("5:34:00"));
}

void TestQRavla::saatYazisi_data()
{
    QTest::addColumn<QTime>("saat");
    QTest::addColumn<QString>("yazi");
    QTest::newRow("even second hides the colon") << QTime(9, 5, 6) << "09 05";
    QTest::newRow("odd second shows it") << QTime(9, 5, 7) << "09:05";
    QTest::newRow("midnight") << QTime(0, 0, 0) << "00 00";
    QTest::newRow("evening") << QTime(23, 59, 59, 999) << "23:59";
}

void TestQRavla::saatYazisi()
{
    QFETCH(QTime, saat);
    QFETCH(QString, yazi);
    QCOMPARE(QRavla::saatYazisi(saat), yazi);
}

void TestQRavla::gunDegisimi()
{
    kaydet(istanbul());
    saatKur("2026-12-05 23:59:59.000");
    QRavla w;
    const QString dunFecir = metin(w, "fecirvakitlabel");
    QCOMPARE(metin(w, "KalanZamanLabel"), QStringLiteral("Sabah namazına 5 saat 35 dakika kaldı"));

    saatKur("2026-12-06 00:00:00.000");
    w.ZamanAkimi();
    QCOMPARE(metin(w, "Tarihlabel"), QStringLiteral("Pazar, 06.12.2026"));
    QCOMPARE(metin(w, "Hicrilabel"), QStringLiteral("جمادى الثاني : 26.6.1448"));
    QVERIFY(metin(w, "fecirvakitlabel") != dunFecir || metin(w, "aksamvakitlabel") != "16:35:00");
}

void TestQRavla::yazSaati_data()
{
    QTest::addColumn<bool>("otomatik");
    QTest::addColumn<QString>("tarih");
    QTest::addColumn<bool>("etkin");

    // Both sides of both change-overs, under the rule and under the user's dates.
    QTest::newRow("automatic, day before") << true << "2026-03-28" << false;
    QTest::newRow("automatic, first day") << true << "2026-03-29" << true;
    QTest::newRow("29.3.-25.10.2026, last day") << false << "2026-10-24" << true;
    QTest::newRow("29.3.-25.10.2026, end date") << false << "2026-10-25" << false;
}

void TestQRavla::yazSaati()
{
    QFETCH(bool, otomatik);
    QFETCH(QString, tarih);
    QFETCH(bool, etkin);

    AyarDegerleri a = istanbul();
    kaydet(a);
    saatKur(tarih + " 12:00:00.000");
    QRavla kis; // the same day without daylight saving
    QVERIFY(!kis.yazSaatiEtkinMi());

    a.yazSaatiOtomatik = otomatik;
    a.yazGunBasla = 29, a.yazAyBasla = 3, a.yazYilBasla = 2026;
    a.yazGunBitis = 25, a.yazAyBitis = 10, a.yazYilBitis = 2026;
    kaydet(a);
    QRavla w;
    QCOMPARE(w.yazSaatiEtkinMi(), etkin);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(w.vakit(i).hour, kis.vakit(i).hour + (etkin ? 1 : 0));
        QCOMPARE(w.vakit(i).minute, kis.vakit(i).minute);
        QCOMPARE(metin(w, kSaatEtiketleri[i]).section(':', 0, 0).toInt(), w.vakit(i).hour);
    }
}

void TestQRavla::gecYatsi()
{
    // Berlin at midsummer: Isha (borrowed from a day with night) is 23:01 standard time.
    AyarDegerleri a;
    a.enlem = 52.52;
    a.boylam = 13.405;
    a.gmt = 1;
    kaydet(a);
    saatKur("2026-06-21 22:00:00.000");
    QRavla w;
    QSignalSpy spy(&w, &QRavla::vakitGeldi);
    QCOMPARE(metin(w, "yatsivakitlabel"), QStringLiteral("24:01:00"));
    QCOMPARE(metin(w, "KalanZamanLabel"), QStringLiteral("Yatsı namazına 2 saat 2 dakika kaldı"));

    saatKur("2026-06-22 00:00:59.500");
    w.ZamanAkimi();
    QCOMPARE(metin(w, "KalanZamanLabel"), QStringLiteral("Yatsı namazına 0 saat 1 dakika kaldı"));
    QVERIFY(spy.isEmpty());
    saatKur("2026-06-22 00:01:00.500");
    w.ZamanAkimi();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5);
    QCOMPARE(metin(w, "KalanZamanLabel").left(15), QStringLiteral("Sabah namazına "));
}

void TestQRavla::cumleler_data()
{
    QTest::addColumn<QVariant>("dilNo");
    QTest::addColumn<int>("kutu");
    QTest::addColumn<QStringList>("cumleler"); // before Fajr .. Isha, hours, minutes

    QTest::newRow("Turkish") << QVariant("0") << 0
                             << QStringList{"Sabah namazına ",  "Öğle namazına ",
                                            "İkindi namazına ", "Akşam namazına ",
                                            "Yatsı namazına ",  " saat ",
                                            " dakika kaldı"};
    QTest::newRow("Arabic") << QVariant("1") << 1
                            << QStringList{" بقي على صلاة الصّبح ",
                                           " بقي على صلاة الظّهر ",
                                           " بقي على صلاة العصر ",
                                           " بقي على صلاة المغرب ",
                                           " بقي على صلاة العشاء ",
                                           " ساعة ",
                                           " دقيقة"};
    QTest::newRow("German") << QVariant("2") << 2
                            << QStringList{"bis Fadscr ", "bis Mittag ", "bis Asr ",   "bis Abend ",
                                           "bis Nacht ",  " Stunde(n) ", " Minute(n) "};
    QTest::newRow("English") << QVariant("3") << 3
                             << QStringList{"Until Fajr ",    "Until Dhuhr ", "Until Asr ",
                                            "Until Maghrib ", "Until Isha ",  " hours ",
                                            " minutes"};
    QTest::newRow("empty store: Turkish")
        << QVariant() << 0
        << QStringList{"Sabah namazına ", "Öğle namazına ", "İkindi namazına ", "Akşam namazına ",
                       "Yatsı namazına ", " saat ",         " dakika kaldı"};
}

void TestQRavla::cumleler()
{
    QFETCH(QVariant, dilNo);
    QFETCH(int, kutu);
    QFETCH(QStringList, cumleler);

    kaydet(istanbul(), dilNo);
    saatKur("2026-12-05 00:00:00.000");
    QRavla w;
    QCOMPARE(w.findChild<QComboBox *>("DilComboBox")->currentIndex(), kutu);
    // Istanbul that day: Fajr 5:34, Dhuhr 11:54, Asr 14:17, Maghrib 16:35, Isha 18:08.
    const QStringList saatler{"05:00", "11:00", "14:00", "16:00", "18:00"};
    const QList<int> dakikalar{35, 55, 18, 36, 9}; // the running minute counts
    for (int i = 0; i < 5; ++i) {
        saatKur("2026-12-05 " + saatler[i] + ":00.000");
        w.ZamanAkimi();
        QCOMPARE(metin(w, "KalanZamanLabel"),
                 cumleler[i] + "0" + cumleler[5] + QString::number(dakikalar[i]) + cumleler[6]);
    }
}

// A store left damaged or hostile starts the window with the defaults, shows stored names
// as text, and never hangs the refresh.
void TestQRavla::bozukDepo()
{
    kaydet(AyarDegerleri{});
    saatKur("2026-12-05 10:00:00.000");
    QStringList varsayilan;
    {
        QRavla w;
        for (const char *ad : kSaatEtiketleri)
            varsayilan << metin(w, ad);
    }
    {
        QSettings s{QLatin1String(kOrganizasyon), QStringLiteral("Ravla Ayarlar")};
        s.setValue("Enlem", "-118.6");
        s.setValue("Boylam", "-1e300");
        s.setValue("SabahAci", "nan");
        s.setValue("SehirAdi", "<img src='/dev/zero'>");
    }
    QRavla w;
    QStringList okunan;
    for (const char *ad : kSaatEtiketleri)
        okunan << metin(w, ad);
    QCOMPARE(okunan, varsayilan);
    const QLabel *yer = w.findChild<QLabel *>("Sehirlabel");
    QCOMPARE(yer->text(), QStringLiteral("<img src='/dev/zero'> - "));
    QCOMPARE(yer->textFormat(), Qt::PlainText);
}

void TestQRavla::alarm()
{
    kaydet(istanbul());
    saatKur("2026-12-05 11:53:59.980");
    QRavla w;
    QSignalSpy spy(&w, &QRavla::vakitGeldi);

    saatKur("2026-12-05 11:54:01.010"); // the timer stepped over 11:54:00
    w.ZamanAkimi();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QVERIFY(w.animasyonZamanlayicisi()->isActive());
    QCOMPARE(w.animasyonZamanlayicisi()->interval(), 700);
    QCOMPARE(metin(w, "KalanZamanLabel"), QStringLiteral("İkindi namazına 2 saat 23 dakika kaldı"));

    saatKur("2026-12-05 11:54:02.010");
    w.ZamanAkimi();
    QCOMPARE(spy.size(), 1);
}

void TestQRavla::animasyon()
{
    kaydet(istanbul());
    saatKur("2026-12-05 10:00:00.000");
    QRavla w;
    const QLabel *cami = w.findChild<QLabel *>("camilabel");
    const QImage normal = cami->pixmap().toImage();

    w.animasyonZamanlayicisi()->start(700);
    w.TrayAnimasyon();
    QCOMPARE(cami->pixmap().toImage(), normal); // odd frame
    w.TrayAnimasyon();
    QVERIFY(cami->pixmap().toImage() != normal);
    for (int i = 2; i < 171; ++i)
        w.TrayAnimasyon();
    QCOMPARE(w.animasyonKaresi(), 0);
    QVERIFY(!w.animasyonZamanlayicisi()->isActive());
    QCOMPARE(cami->pixmap().toImage(), normal);
}

RAVLA_TEST_MAIN(TestQRavla)
#include "tst_qravla.moc"
