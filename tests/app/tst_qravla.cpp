#include "dil.h"
#include "programklasoru.h"
#include "qravla.h"
#include "saat.h"
#include "testortami.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

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
        ProgramKlasoru::ayarla(QStringLiteral(RAVLA_PROGRAM_KLASORU));
    }
    void pencere();
    void saatYazisi_data();
    void saatYazisi();
    void gunDegisimi();
    void yazSaati_data();
    void yazSaati();
    void saatDilimleri_data();
    void saatDilimleri();
    void gecYatsi();
    void dialoglar();
    void hicriDuzeltme_data();
    void hicriDuzeltme();
    void bilgiEtiketleri_data();
    void bilgiEtiketleri();
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

void TestQRavla::saatDilimleri_data()
{
    QTest::addColumn<QString>("bolge");
    QTest::addColumn<double>("gmt");
    QTest::addColumn<QString>("tarih");
    QTest::addColumn<int>("kayma"); // minutes the clocks are ahead of standard time that day

    QTest::newRow("Istanbul, summer: no change since 2016")
        << "Europe/Istanbul" << 3.0 << "2026-07-01" << 0;
    QTest::newRow("Riyadh, summer") << "Asia/Riyadh" << 3.0 << "2026-07-01" << 0;
    QTest::newRow("New York, day before March change")
        << "America/New_York" << -5.0 << "2026-03-07" << 0;
    QTest::newRow("New York, March change") << "America/New_York" << -5.0 << "2026-03-08" << 60;
    QTest::newRow("New York, day before November change")
        << "America/New_York" << -5.0 << "2026-10-31" << 60;
    QTest::newRow("New York, November change") << "America/New_York" << -5.0 << "2026-11-01" << 0;
    QTest::newRow("Sydney, southern summer") << "Australia/Sydney" << 10.0 << "2026-01-15" << 60;
    QTest::newRow("Sydney, southern winter") << "Australia/Sydney" << 10.0 << "2026-07-15" << 0;
    QTest::newRow("Delhi, half-hour zone") << "Asia/Kolkata" << 5.5 << "2026-07-01" << 0;
    QTest::newRow("Lord Howe: half an hour") << "Australia/Lord_Howe" << 10.5 << "2026-01-15" << 30;
    QTest::newRow("typed-in place: the built-in rule") << "" << 1.0 << "2026-07-01" << 60;
    QTest::newRow("unknown zone: the built-in rule") << "Mars/Olympus" << 1.0 << "2026-07-01" << 60;
}

void TestQRavla::saatDilimleri()
{
    QFETCH(QString, bolge);
    QFETCH(double, gmt);
    QFETCH(QString, tarih);
    QFETCH(int, kayma);

    AyarDegerleri a = istanbul();
    a.gmt = gmt;
    kaydet(a); // no daylight saving at all
    saatKur(tarih + " 12:00:00.000");
    QRavla standart;
    a.yazSaatiOtomatik = true;
    a.saatDilimi = bolge;
    kaydet(a);
    QRavla w;
    QCOMPARE(w.yazSaatiEtkinMi(), kayma != 0);
    for (int i = 0; i < 7; ++i) {
        const ravla::PrayerTime &s = standart.vakit(i), &v = w.vakit(i);
        QCOMPARE((v.hour * 60 + v.minute) - (s.hour * 60 + s.minute), kayma);
        QCOMPARE(v.second, s.second);
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

// The window's two buttons open the dialogs; a confirmed page shows in the labels at once.
void TestQRavla::dialoglar()
{
    AyarDegerleri a = istanbul();
    a.gmt = 3;
    kaydet(a);
    saatKur("2026-12-05 10:00:00.000");
    QRavla w;
    w.show();
    const QString once = metin(w, "fecirvakitlabel");

    QTest::mouseClick(w.findChild<QToolButton *>("secenektoolButton"), Qt::LeftButton);
    secenekler *s = nullptr;
    for (QWidget *p : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<secenekler *>(p); d && d->isVisible())
            s = d;
    QVERIFY(s);
    s->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(2);
    QCoreApplication::processEvents();
    QRadioButton *misir = s->findChild<QRadioButton *>("HesapMisirRadioButton");
    QTest::mouseClick(misir, Qt::LeftButton, {}, QPoint(8, misir->height() / 2));
    QTest::mouseClick(s->findChild<QPushButton *>("YontemTamamBtn"), Qt::LeftButton);
    QVERIFY(!s->isVisible());
    QVERIFY(metin(w, "fecirvakitlabel") < once); // 20 degrees: earlier, without another tick

    QTest::mouseClick(w.findChild<QToolButton *>("BilgiToolButton"), Qt::LeftButton);
    bilgi *b = nullptr;
    for (QWidget *p : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<bilgi *>(p); d && d->isVisible())
            b = d;
    QVERIFY(b);
    QCOMPARE(b->findChild<QLabel *>("HesapMetotBilgiLbl")->text(),
             QStringLiteral("Egyptian General Authority of Survey"));
    QCOMPARE(b->findChild<QLabel *>("SehirLabelBilgi")->text(), QStringLiteral("Istanbul"));
    QVERIFY(yakalananMesajlar().isEmpty());
}

void TestQRavla::hicriDuzeltme_data()
{
    QTest::addColumn<QString>("tarih");
    QTest::addColumn<int>("duzeltme");
    QTest::addColumn<QString>("hicri");
    QTest::newRow("none") << "2026-12-05" << 0 << "جمادى الثاني : 25.6.1448";
    QTest::newRow("a day on") << "2026-12-05" << 1 << "جمادى الثاني : 26.6.1448";
    QTest::newRow("into the next month") << "2026-12-08" << 2 << "رجب : 1.7.1448";
    QTest::newRow("back a month") << "2026-12-11" << -2 << "جمادى الثاني : 29.6.1448";
}

// The user's Hijri correction moves the date line, month boundaries included, at once.
void TestQRavla::hicriDuzeltme()
{
    QFETCH(QString, tarih);
    QFETCH(int, duzeltme);
    QFETCH(QString, hicri);
    kaydet(istanbul());
    saatKur(tarih + " 10:00:00.000");
    QRavla w;
    w.ayarDegerleri().hicriDuzeltme = duzeltme;
    w.ZamanAkimi();
    QCOMPARE(metin(w, "Hicrilabel"), hicri);
}

void TestQRavla::bilgiEtiketleri_data()
{
    QTest::addColumn<int>("yontem");
    QTest::addColumn<bool>("ozel");
    QTest::addColumn<bool>("hanefi");
    QTest::addColumn<double>("enlem");
    QTest::addColumn<double>("gmt");
    QTest::addColumn<bool>("yazSaati");
    QTest::addColumn<QStringList>("etiketler"); // method, Asr, latitude, zone, daylight saving

    QTest::newRow("Muslim World League")
        << 5 << false << false << 41.01234567 << 3.0 << false
        << QStringList{"Muslim World League", "Şafi - Maliki - Hanbeli", "41.0123", "3", "Hayır"};
    QTest::newRow("custom over any code")
        << 6 << true << true << 37.0 << -5.0 << true
        << QStringList{"Özel Yöntem", "Hanefi", "37", "-5", "Evet"};
    QTest::newRow("code 0") << 0 << false << false << 0.000012 << 5.5 << false
                            << QStringList{"", "Şafi - Maliki - Hanbeli", "1.2e-05", "5.5",
                                           "Hayır"};
    QTest::newRow("ISNA keeps its blank")
        << 4 << false << false << -3.5 << -3.5 << false
        << QStringList{"Islamic Society Of North America ", "Şafi - Maliki - Hanbeli", "-3.5",
                       "-3.5", "Hayır"};
}

void TestQRavla::bilgiEtiketleri()
{
    QFETCH(int, yontem);
    QFETCH(bool, ozel);
    QFETCH(bool, hanefi);
    QFETCH(double, enlem);
    QFETCH(double, gmt);
    QFETCH(bool, yazSaati);
    QFETCH(QStringList, etiketler);

    bilgi b;
    b.BilgileriGoster(QStringLiteral("<b>Türkiye</b>"), QStringLiteral("İzmir"), enlem, 27.1384,
                      yontem, hanefi, gmt, yazSaati, ozel);
    QStringList okunan;
    for (const char *ad : {"HesapMetotBilgiLbl", "ikindiMetotBilgiLbl", "EnlemLabelBilgi",
                           "ZamanDilimBilgiLbl", "GunIsikBilgiLbl"})
        okunan << b.findChild<QLabel *>(ad)->text();
    QCOMPARE(okunan, etiketler);
    const QLabel *ulke = b.findChild<QLabel *>("UlkeLabelBilgi");
    QCOMPARE(ulke->text(), QStringLiteral("<b>Türkiye</b>"));
    QCOMPARE(ulke->textFormat(), Qt::PlainText);
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
