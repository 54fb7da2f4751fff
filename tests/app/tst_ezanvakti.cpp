// The main window's adhan: at a prayer's time and from its buttons, heard through the real
// SDL2_mixer and SDL's disk driver, whose output the tests read back.
#include "dil.h"
#include "diskkaydi.h"
#include "ezanpopup.h"
#include "programklasoru.h"
#include "qravla.h"
#include "saat.h"
#include "testortami.h"

#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

namespace {

QDateTime simdi;
QTemporaryDir program;

// Each recording of the folder sounds at its own level, so the samples tell which one plays.
constexpr int kFecir = 8000, kAksa = 12000, kMekke = 16000, kHatirlatma = 6000;

void istanbulKaydet(bool hatirlat = false)
{
    AyarDegerleri a; // Istanbul without daylight saving: Dhuhr 11:54 on 5 December 2026
    if (hatirlat) {  // 15 minutes before Dhuhr, with the tone
        a.hatirlat[2] = 15;
        a.hatirlatmaSesi = true;
    }
    a.enlem = 41.0;
    a.boylam = 29.0;
    a.gmt = 2;
    a.yazSaatiOtomatik = false;
    Ayarlar ayarlar;
    ayarlar.Bagla(a);
    ayarlar.Kaydet();
}

void saatKur(const QString &metin)
{
    simdi = QDateTime::fromString("2026-12-05 " + metin, QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
}

QString mesaj(QRavla &w)
{
    return w.ezanBildirimi().findChild<QLabel *>(QStringLiteral("MesajLabel"))->text();
}

// Within SDL_mixer's 128 volume steps of the expected level.
bool seviyede(int tepe, int beklenen)
{
    return std::abs(tepe - beklenen) <= std::max(2, beklenen / 64);
}

} // namespace

class TestEzanVakti : public QObject
{
    Q_OBJECT

    QTemporaryDir disk;
    int sira = 0;
    std::unique_ptr<DiskSes::Kayit> kayit;

    // A fresh output file for each window: its sound device opens with the window.
    std::unique_ptr<QRavla> pencere(const QVariant &dilNo = QVariant("0"))
    {
        const QString dosya = disk.filePath(QStringLiteral("ses%1.raw").arg(++sira));
        DiskSes::kur(dosya);
        kayit = std::make_unique<DiskSes::Kayit>(dosya);
        QSettings(QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama))
            .setValue("Dil No", dilNo);
        return std::make_unique<QRavla>();
    }

private slots:
    void initTestCase()
    {
        Saat::ayarla([] { return simdi; });
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("ezan")));
        QVERIFY(DiskSes::wavYaz(program.filePath("ezan/Fecir.ogg"), kFecir));
        QVERIFY(DiskSes::wavYaz(program.filePath("ezan/Aksa.ogg"), kAksa));
        QVERIFY(DiskSes::wavYaz(program.filePath("ezan/Mekke.ogg"), kMekke));
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("sesler")));
        QVERIFY(DiskSes::wavYaz(program.filePath("sesler/Hatirlatma.ogg"), kHatirlatma));
        ProgramKlasoru::ayarla(program.path());
        istanbulKaydet();
    }

    void vakitGelince_data();
    void vakitGelince();
    void oku_data();
    void oku();
    void durVeSes();
    void hatirlatma_data();
    void hatirlatma();
};

void TestEzanVakti::vakitGelince_data()
{
    QTest::addColumn<QVariant>("dilNo");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("Turkish") << QVariant("0") << "Namaz Vakti";
    QTest::newRow("Arabic") << QVariant("1") << "حان وقت صلاة";
    QTest::newRow("German") << QVariant("2") << "Zeit zum Beten";
    QTest::newRow("English") << QVariant("3") << "It is time for prayer";
}

// At Dhuhr the noon adhan starts at the slider's 30 % and the popup says so.
void TestEzanVakti::vakitGelince()
{
    QFETCH(QVariant, dilNo);
    QFETCH(QString, beklenen);

    saatKur("11:53:59.900");
    const std::unique_ptr<QRavla> w = pencere(dilNo);
    w->findChild<QSlider *>(QStringLiteral("SesSlider"))->setValue(30);
    QCOMPARE(kayit->sonrakiTepe(), 0);
    saatKur("11:54:00.400");
    w->ZamanAkimi();
    QVERIFY(seviyede(kayit->sonrakiTepe(), kAksa * 30 / 100));
    QVERIFY(w->ezanBildirimi().isVisible());
    QCOMPARE(mesaj(*w), beklenen);
    QVERIFY(w->animasyonZamanlayicisi()->isActive());
}

void TestEzanVakti::oku_data()
{
    QTest::addColumn<QString>("saat");
    QTest::addColumn<int>("seviye");
    QTest::addColumn<QVariant>("dilNo");
    QTest::addColumn<QString>("beklenen");

    QTest::newRow("03:00, before sunrise: the morning adhan")
        << "03:00:00.000" << kFecir << QVariant("0") << "Ezan Okunuyor";
    QTest::newRow("06:00, after Fajr, before sunrise: still the morning adhan")
        << "06:00:00.000" << kFecir << QVariant("3") << "Adhan is called";
    QTest::newRow("07:30, after the 07:13 sunrise: the noon adhan")
        << "07:30:00.000" << kAksa << QVariant("1") << "الأذان يدعى";
    QTest::newRow("23:59:30: the fallback")
        << "23:59:30.000" << kMekke << QVariant("2") << "Der Gebetsruf wird ausgerufen";
    QTest::newRow("evening") << "20:00:00.000" << kAksa << QVariant("3") << "Adhan is called";
}

void TestEzanVakti::oku()
{
    QFETCH(QString, saat);
    QFETCH(int, seviye);
    QFETCH(QVariant, dilNo);
    QFETCH(QString, beklenen);

    saatKur(saat);
    const std::unique_ptr<QRavla> w = pencere(dilNo);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("OkuToolButton")), Qt::LeftButton);
    const int tepe = kayit->sonrakiTepe();
    QVERIFY2(seviyede(tepe, seviye / 2),
             qPrintable(QString::number(tepe))); // the slider starts at 50
    QCOMPARE(mesaj(*w), beklenen);
}

// "Dur" silences and sends the popup away; the slider sets the level of what plays.
void TestEzanVakti::durVeSes()
{
    saatKur("03:00:00.000");
    const std::unique_ptr<QRavla> w = pencere();
    w->show();
    QSlider *slider = w->findChild<QSlider *>(QStringLiteral("SesSlider"));
    QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("OkuToolButton")), Qt::LeftButton);
    slider->setValue(0);
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("SesDuzeyLabel"))->text(),
             QStringLiteral("% 0"));
    QCOMPARE(kayit->sonrakiTepe(), 0);
    slider->setValue(100);
    QVERIFY(seviyede(kayit->sonrakiTepe(), kFecir));

    QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("OkumaToolButton")),
                      Qt::LeftButton);
    QCOMPARE(kayit->sonrakiTepe(), 0);
    QCOMPARE(w->ezanBildirimi().durumu(), int(KayanPencere::Cikiyor));
    // "Dur" with nothing playing is no error either.
    QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("OkumaToolButton")),
                      Qt::LeftButton);
    QCOMPARE(kayit->sonrakiTepe(), 0);
}

void TestEzanVakti::hatirlatma_data()
{
    QTest::addColumn<QVariant>("dilNo");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("Turkish") << QVariant("0") << "Hatırlatma"
                             << "Öğle namazına 15 dakika kaldı";
    QTest::newRow("Arabic") << QVariant("1") << "تذكير"
                            << "بقي 15 دقيقة على صلاة الظهر";
    QTest::newRow("German") << QVariant("2") << "Erinnerung"
                            << "Noch 15 Minuten bis Dhuhr";
    QTest::newRow("English") << QVariant("3") << "Reminder"
                             << "15 minutes until Dhuhr";
}

// Fifteen minutes before Dhuhr the notice comes, and the tone at the slider's level.
void TestEzanVakti::hatirlatma()
{
    QFETCH(QVariant, dilNo);
    QFETCH(QString, baslik);
    QFETCH(QString, mesaj);

    istanbulKaydet(true);
    saatKur("11:38:59.900");
    const std::unique_ptr<QRavla> w = pencere(dilNo);
    QSignalSpy hatirlatildi(w.get(), &QRavla::hatirlatmaGeldi);
    w->findChild<QSlider *>(QStringLiteral("SesSlider"))->setValue(40);
    saatKur("11:39:00.300");
    w->ZamanAkimi();
    QCOMPARE(hatirlatildi.size(), 1);
    QCOMPARE(hatirlatildi.at(0).at(0).toInt(), 2);
    QCOMPARE(w->bildirim().findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), baslik);
    QCOMPARE(w->bildirim().findChild<QLabel *>(QStringLiteral("lblMesaj"))->text(), mesaj);
    QVERIFY(seviyede(kayit->sonrakiTepe(), kHatirlatma * 40 / 100));
    saatKur("11:39:01.300");
    w->ZamanAkimi();
    QCOMPARE(hatirlatildi.size(), 1);
    istanbulKaydet();
}

RAVLA_TEST_MAIN(TestEzanVakti)
#include "tst_ezanvakti.moc"
