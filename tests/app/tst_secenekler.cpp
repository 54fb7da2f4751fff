#include "programklasoru.h"
#include "saat.h"
#include "secenekler.h"
#include "testortami.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>

namespace {

QTemporaryDir programKlasoru;

void yaz(const QString &ad, const QByteArray &icerik)
{
    QFile f(programKlasoru.filePath(QStringLiteral("koordinat/") + ad));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(icerik);
}

QSettings depo()
{
    return QSettings(QLatin1String(kOrganizasyon), QStringLiteral("Ravla Ayarlar"));
}

template <typename T> T *bul(QWidget &w, const char *ad)
{
    T *t = w.findChild<T *>(QLatin1String(ad));
    if (!t)
        qFatal("no widget %s", ad);
    return t;
}

// Clicks the row showing `metin` as a user would.
void satirTikla(QListWidget *liste, const QString &metin)
{
    const QList<QListWidgetItem *> bulunan = liste->findItems(metin, Qt::MatchExactly);
    QVERIFY2(bulunan.size() == 1, qPrintable(metin));
    liste->scrollToItem(bulunan.first());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(bulunan.first()).center());
}

void tikla(QWidget &w, const char *ad)
{
    // On a radio button's circle: a wide button takes no click beyond its text.
    QAbstractButton *dugme = bul<QAbstractButton>(w, ad);
    const QPoint yer = qobject_cast<QRadioButton *>(dugme) ? QPoint(8, dugme->height() / 2)
                                                           : dugme->rect().center();
    QTest::mouseClick(dugme, Qt::LeftButton, {}, yer);
}

void sayfa(QWidget &w, int i)
{
    bul<QTabWidget>(w, "tabWidget")->setCurrentIndex(i);
    QCoreApplication::processEvents(); // lays the page out, so clicks land on its buttons
}

// Types text key by key; QTest::keyClicks knows only ASCII, and users type İ and ü.
void klavyeyle(QWidget *w, const QString &metin)
{
    for (const QChar c : metin) {
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void yazKutuya(QWidget &w, const char *ad, const QString &metin)
{
    QLineEdit *kutu = bul<QLineEdit>(w, ad);
    kutu->clear();
    klavyeyle(kutu, metin);
}

QStringList gorunenler(QListWidget *liste)
{
    QStringList s;
    for (int i = 0; i < liste->count(); ++i)
        if (!liste->item(i)->isHidden())
            s << liste->item(i)->text();
    return s;
}

// The settings a user had before opening the dialog: Istanbul typed in, Muslim World League.
AyarDegerleri onceki()
{
    AyarDegerleri a;
    a.enlem = 41.0;
    a.boylam = 29.0;
    a.gmt = 3;
    a.ulkeAdi = QStringLiteral("Türkiye");
    a.sehirAdi = QStringLiteral("İstanbul");
    return a;
}

} // namespace

class TestSecenekler : public QObject
{
    Q_OBJECT

    AyarDegerleri ayar;
    std::unique_ptr<secenekler> d;

    // Opens the dialog as the main window does: shown, then bound to the settings.
    void ac(const AyarDegerleri &a = onceki())
    {
        ayar = a;
        d->show();
        d->AyarlariBagla(ayar);
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    }

private slots:
    void initTestCase()
    {
        Saat::ayarla([] { return QDateTime(QDate(2026, 12, 6), QTime(10, 0)); });
        QVERIFY(QDir(programKlasoru.path()).mkdir(QStringLiteral("koordinat")));
        ProgramKlasoru::ayarla(programKlasoru.path());
        yaz("liste.dat", "Almanya\nTürkiye\nBozuk\nAtlantis\n../Almanya\n");
        yaz("Almanya.txt", "Berlin,Berlin,52.5244,13.4105,1,Europe/Berlin\n"
                           "Köln,Nordrhein-Westfalen,50.9333,6.95,1,Europe/Berlin\n");
        yaz("Türkiye.txt", "İstanbul,İstanbul,41.0138,28.9497,3,Europe/Istanbul\r\n"
                           "İzmir,İzmir,38.4127,27.1384,3,Europe/Istanbul");
        yaz("Bozuk.txt", "Yukarı,Kutup,95,10,1\n");
    }
    void init()
    {
        depo().clear();
        yakalananMesajlar().clear();
        d = std::make_unique<secenekler>();
        d->UlkeListesiniOku();
    }
    void cleanup() { d.reset(); }

    void listedenSehir();
    void okunamayanUlkeler_data();
    void okunamayanUlkeler();
    void suzgecler();
    void elleSehir_data();
    void elleSehir();
    void yontem();
    void ozelAcilar_data();
    void ozelAcilar();
    void yeniYontemlerVeDakikalar();
    void genelAyarlar();
    void gecerliAyarlarGosterilir();
    void listeler();
};

void TestSecenekler::listedenSehir()
{
    AyarDegerleri a = onceki();
    a.yazSaatiOtomatik = false; // the list always brings the automatic rule back
    ac(a);
    QSignalSpy kaydedildi(d.get(), &secenekler::ayarlarKaydedildi);
    QPushButton *tamam = bul<QPushButton>(*d, "TamamButton");
    QVERIFY(!tamam->isEnabled());

    satirTikla(bul<QListWidget>(*d, "UlkelistWidget"), QStringLiteral("Almanya"));
    satirTikla(bul<QListWidget>(*d, "SehirlistWidget"), QStringLiteral("Köln,Nordrhein-Westfalen"));
    QCOMPARE(bul<QLabel>(*d, "enlemlabel")->text(), QStringLiteral("50.9333"));
    QCOMPARE(bul<QLabel>(*d, "gmtlabel")->text(), QStringLiteral("1"));
    QVERIFY(tamam->isEnabled());
    QTest::mouseClick(tamam, Qt::LeftButton);

    QCOMPARE(ayar.enlem, 50.9333);
    QCOMPARE(ayar.boylam, 6.95);
    QCOMPARE(ayar.gmt, 1.0);
    QCOMPARE(ayar.ulkeAdi, QStringLiteral("Almanya"));
    QCOMPARE(ayar.sehirAdi, QStringLiteral("Köln,Nordrhein-Westfalen"));
    QCOMPARE(ayar.saatDilimi, QStringLiteral("Europe/Berlin"));
    QVERIFY(ayar.yazSaatiOtomatik);
    QCOMPARE(depo().value("SehirAdi").toString(), QStringLiteral("Köln,Nordrhein-Westfalen"));
    QCOMPARE(depo().value("SaatDilimi").toString(), QStringLiteral("Europe/Berlin"));
    QCOMPARE(kaydedildi.size(), 1);
    QVERIFY(d->isHidden());
    QVERIFY(yakalananMesajlar().isEmpty());
}

void TestSecenekler::okunamayanUlkeler_data()
{
    QTest::addColumn<QString>("ulke");
    QTest::addColumn<QString>("sehir"); // "" when the country has no file
    QTest::addColumn<QString>("mesaj");

    QTest::newRow("no file") << "Atlantis"
                             << ""
                             << "Hata: Koordinat verileri bulunamadı";
    QTest::newRow("a path, not a name") << "../Almanya"
                                        << ""
                                        << "Hata: Koordinat verileri bulunamadı";
    QTest::newRow("latitude 95") << "Bozuk"
                                 << "Yukarı,Kutup"
                                 << "";
}

void TestSecenekler::okunamayanUlkeler()
{
    QFETCH(QString, ulke);
    QFETCH(QString, sehir);
    QFETCH(QString, mesaj);

    ac();
    // A place of another country was chosen first: it must not stay committable.
    satirTikla(bul<QListWidget>(*d, "UlkelistWidget"), QStringLiteral("Türkiye"));
    satirTikla(bul<QListWidget>(*d, "SehirlistWidget"), QStringLiteral("İzmir,İzmir"));
    satirTikla(bul<QListWidget>(*d, "UlkelistWidget"), ulke);
    if (!sehir.isEmpty())
        satirTikla(bul<QListWidget>(*d, "SehirlistWidget"), sehir);
    QTRY_COMPARE(yakalananMesajlar(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
    QVERIFY(!bul<QPushButton>(*d, "TamamButton")->isEnabled());
    if (!sehir.isEmpty()) {
        const QLabel *hata = bul<QLabel>(*d, "SehirHataLabel");
        QVERIFY(hata->isVisible() && hata->text().contains(QStringLiteral("95")));
    }
    tikla(*d, "TamamButton"); // disabled: nothing happens
    QVERIFY(depo().allKeys().isEmpty());
    QCOMPARE(ayar.sehirAdi, QStringLiteral("İstanbul"));
}

void TestSecenekler::suzgecler()
{
    ac();
    QListWidget *ulkeler = bul<QListWidget>(*d, "UlkelistWidget");
    klavyeyle(bul<QLineEdit>(*d, "UlkeFiltreLineEdit"), QStringLiteral("TÜR"));
    QCOMPARE(gorunenler(ulkeler), QStringList{"Türkiye"});
    satirTikla(ulkeler, QStringLiteral("Türkiye"));

    QListWidget *sehirler = bul<QListWidget>(*d, "SehirlistWidget");
    QLineEdit *sehirSuzgeci = bul<QLineEdit>(*d, "SehirFiltreLineEdit");
    for (const char *aranan : {"istanbul", "İSTANBUL", "Istanbul"}) {
        sehirSuzgeci->clear();
        klavyeyle(sehirSuzgeci, QString::fromUtf8(aranan));
        QCOMPARE(gorunenler(sehirler), QStringList{"İstanbul,İstanbul"});
    }
    // The filtered row is still the right place.
    satirTikla(sehirler, QStringLiteral("İstanbul,İstanbul"));
    QCOMPARE(bul<QLabel>(*d, "enlemlabel")->text(), QStringLiteral("41.0138"));

    klavyeyle(bul<QLineEdit>(*d, "UlkeFiltreLineEdit"), QStringLiteral("x"));
    QVERIFY(gorunenler(ulkeler).isEmpty());
    bul<QLineEdit>(*d, "UlkeFiltreLineEdit")->clear();
    QCOMPARE(gorunenler(ulkeler).size(), 5);
    satirTikla(ulkeler, QStringLiteral("Almanya"));
    QVERIFY(sehirSuzgeci->text().isEmpty()); // a new country starts unfiltered
    klavyeyle(sehirSuzgeci, QStringLiteral("koln"));
    QCOMPARE(gorunenler(sehirler), QStringList{"Köln,Nordrhein-Westfalen"});
}

void TestSecenekler::elleSehir_data()
{
    QTest::addColumn<QString>("sehir");
    QTest::addColumn<QString>("enlem"); // as typed
    QTest::addColumn<QString>("boylam");
    QTest::addColumn<QString>("mesaj"); // "" when the page is confirmed
    QTest::addColumn<double>("kayitliEnlem");

    QTest::newRow("a dot becomes a comma") << "Bursa"
                                           << "40.18"
                                           << "29.06"
                                           << "" << 40.18;
    QTest::newRow("letters are dropped") << "Bursa"
                                         << "4a0,1b8"
                                         << "29"
                                         << "" << 40.18;
    QTest::newRow("one space is a name") << " "
                                         << "40"
                                         << "29"
                                         << "" << 40.0;
    QTest::newRow("empty city") << ""
                                << "40"
                                << "29"
                                << "Uyarı: Boş geçtiniz" << 0.0;
    QTest::newRow("latitude 415") << "Bursa"
                                  << "415"
                                  << "29"
                                  << "Uyarı: Enlem -90 ile 90 arasında olmalı: 415" << 0.0;
    QTest::newRow("longitude -181") << "Bursa"
                                    << "40"
                                    << "-181"
                                    << "Uyarı: Boylam -180 ile 180 arasında olmalı: -181" << 0.0;
    QTest::newRow("not a number") << "Bursa"
                                  << "4,0,1"
                                  << "29"
                                  << "Uyarı: Enlem -90 ile 90 arasında olmalı: 4,0,1" << 0.0;
}

void TestSecenekler::elleSehir()
{
    QFETCH(QString, sehir);
    QFETCH(QString, enlem);
    QFETCH(QString, boylam);
    QFETCH(QString, mesaj);
    QFETCH(double, kayitliEnlem);

    AyarDegerleri a = onceki();
    a.saatDilimi = QStringLiteral("Europe/Istanbul");
    ac(a);
    sayfa(*d, 1);
    yazKutuya(*d, "OzelSehirlineEdit", sehir);
    yazKutuya(*d, "OzelUlkelineEdit", QStringLiteral("Türkiye"));
    yazKutuya(*d, "OzelEnlemlineEdit", enlem);
    yazKutuya(*d, "OzelBoylamlineEdit", boylam);
    QVERIFY(!bul<QLineEdit>(*d, "OzelEnlemlineEdit")->text().contains('.'));
    QComboBox *gmt = bul<QComboBox>(*d, "OzelGmtComboBox");
    gmt->setCurrentIndex(gmt->findText(QStringLiteral("+5:30")));
    tikla(*d, "OzelSehirTamamBtn");

    QTRY_COMPARE(yakalananMesajlar(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
    if (!mesaj.isEmpty()) { // nothing saved, nothing changed, the dialog stays
        QVERIFY(depo().allKeys().isEmpty());
        QCOMPARE(ayar.enlem, 41.0);
        QVERIFY(d->isVisible());
        return;
    }
    QCOMPARE(ayar.enlem, kayitliEnlem);
    QCOMPARE(ayar.sehirAdi, sehir);
    QCOMPARE(ayar.gmt, 5.5);
    QVERIFY(ayar.saatDilimi.isEmpty()); // a typed place has no zone rules
    QCOMPARE(depo().value("Enlem").toDouble(), kayitliEnlem);
    QVERIFY(d->isHidden());
}

void TestSecenekler::yontem()
{
    ac();
    sayfa(*d, 2);
    QRadioButton *hanefi = bul<QRadioButton>(*d, "ikindiHanefiRadioButton");
    tikla(*d, "HesapKaraciHanefiRadioButton");
    QVERIFY(hanefi->isChecked());
    tikla(*d, "HesapMisirRadioButton");
    QVERIFY(!hanefi->isChecked());
    tikla(*d, "ikindiHanefiRadioButton"); // the user's own choice after that stands
    tikla(*d, "YontemTamamBtn");
    QCOMPARE(ayar.hesapYontemi, 1);
    QVERIFY(ayar.hanefiMezhep);
    QVERIFY(!ayar.ozelHesapYontem);
    QCOMPARE(depo().value("HesapYontemi").toInt(), 1);
    QVERIFY(d->isHidden());
}

void TestSecenekler::ozelAcilar_data()
{
    QTest::addColumn<QString>("fecir");
    QTest::addColumn<QString>("yatsi");
    QTest::addColumn<QString>("mesaj");

    QTest::newRow("accepted") << "18.5"
                              << " 17 "
                              << "";
    QTest::newRow("empty Fajr") << ""
                                << "17"
                                << "Uyarı: Boş geçtiniz";
    QTest::newRow("blank Isha") << "18"
                                << "  "
                                << "Uyarı: Boş geçtiniz";
    QTest::newRow("beyond 90") << "91"
                               << "17"
                               << "Uyarı: Açı 0 ile 90 arasında olmalı: 91";
    QTest::newRow("above the horizon") << "18"
                                       << "-1"
                                       << "Uyarı: Açı 0 ile 90 arasında olmalı: -1";
}

void TestSecenekler::ozelAcilar()
{
    QFETCH(QString, fecir);
    QFETCH(QString, yatsi);
    QFETCH(QString, mesaj);

    ac();
    sayfa(*d, 2);
    QLineEdit *fecirKutusu = bul<QLineEdit>(*d, "OzeFecirLineEdit");
    QVERIFY(!fecirKutusu->isEnabled());
    tikla(*d, "HesapOzelYontemRadioButton");
    QVERIFY(fecirKutusu->isEnabled());
    yazKutuya(*d, "OzeFecirLineEdit", fecir);
    yazKutuya(*d, "OzeYatsiLineEdit", yatsi);
    tikla(*d, "YontemTamamBtn");

    QTRY_COMPARE(yakalananMesajlar(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
    // A refused page changes nothing, not even the running method.
    QCOMPARE(ayar.ozelHesapYontem, mesaj.isEmpty());
    QCOMPARE(ayar.hesapYontemi, 5);
    if (mesaj.isEmpty()) {
        QCOMPARE(ayar.sabahAci, 18.5);
        QCOMPARE(ayar.yatsiAci, 17.0);
        QCOMPARE(depo().value("OzelHesapYontem").toBool(), true);
    } else {
        QVERIFY(depo().allKeys().isEmpty());
    }
}

// The national methods after the seven, the user's own minutes and the high-latitude rule.
void TestSecenekler::yeniYontemlerVeDakikalar()
{
    ac();
    sayfa(*d, 2);
    bul<QScrollArea>(*d, "YontemKaydirmaAlani")
        ->ensureWidgetVisible(bul<QRadioButton>(*d, "HesapDiyanetRadioButton"));
    QCoreApplication::processEvents();
    tikla(*d, "HesapDiyanetRadioButton");
    bul<QSpinBox>(*d, "DakikaImsakSpinBox")->setValue(-30);
    bul<QSpinBox>(*d, "DakikaAksamSpinBox")->setValue(2);
    bul<QSpinBox>(*d, "DakikaYatsiSpinBox")->setValue(45); // beyond its range: 30
    bul<QComboBox>(*d, "YuksekEnlemComboBox")->setCurrentIndex(2);
    tikla(*d, "YontemTamamBtn");

    QCOMPARE(ayar.hesapYontemi, 8);
    QCOMPARE((QList<int>(std::begin(ayar.dakikalar), std::end(ayar.dakikalar))),
             (QList<int>{0, 0, 0, 0, 2, 30, -30}));
    QCOMPARE(ayar.yuksekEnlemKurali, 2);
    QCOMPARE(depo().value("DakikaImsak").toInt(), -30);
    QCOMPARE(depo().value("HesapYontemi").toInt(), 8);

    // Shown again as they are in force.
    ac(ayar);
    QVERIFY(bul<QRadioButton>(*d, "HesapDiyanetRadioButton")->isChecked());
    QCOMPARE(bul<QSpinBox>(*d, "DakikaYatsiSpinBox")->value(), 30);
    QCOMPARE(bul<QComboBox>(*d, "YuksekEnlemComboBox")->currentIndex(), 2);
    sayfa(*d, 3);
    bul<QSpinBox>(*d, "HicriDuzeltmeSpinBox")->setValue(-1);
    tikla(*d, "GenelAyarTamamBtn");
    QCOMPARE(ayar.hicriDuzeltme, -1);
    QCOMPARE(ayar.hesapYontemi, 8); // page 4 leaves the method alone
}

void TestSecenekler::genelAyarlar()
{
    AyarDegerleri a = onceki();
    a.saatDilimi = QStringLiteral("Europe/Istanbul");
    ac(a);
    sayfa(*d, 3);
    QComboBox *gun = bul<QComboBox>(*d, "GenelAyarBaslaGunCmb");
    QVERIFY(!gun->isEnabled());
    tikla(*d, "GenelAyarIsikRadioButton");
    QVERIFY(gun->isEnabled());
    gun->setCurrentIndex(gun->findText(QStringLiteral("31")));
    bul<QComboBox>(*d, "GenelAyarBaslaAyCmb")->setCurrentIndex(2); // Mart
    bul<QComboBox>(*d, "GenelAyarBaslaSeneCmb")->setCurrentText(QStringLiteral("2010"));
    bul<QComboBox>(*d, "GenelAyarBitisGunCmb")->setCurrentText(QStringLiteral("31"));
    bul<QComboBox>(*d, "GenelAyarBitisAyCmb")->setCurrentIndex(9); // Ekim
    bul<QComboBox>(*d, "GenelAyarBitisSeneCmb")->setCurrentText(QStringLiteral("2010"));
    QComboBox *gmt = bul<QComboBox>(*d, "GenelAyrCmb");
    gmt->setCurrentIndex(gmt->findText(QStringLiteral("-3:30")));
    tikla(*d, "GenelAyarTamamBtn");

    QCOMPARE((QList<int>{ayar.yazGunBasla, ayar.yazAyBasla, ayar.yazYilBasla, ayar.yazGunBitis,
                         ayar.yazAyBitis, ayar.yazYilBitis}),
             (QList<int>{31, 3, 2010, 31, 10, 2010}));
    QVERIFY(!ayar.yazSaatiOtomatik);
    QCOMPARE(ayar.gmt, -3.5);
    QVERIFY(ayar.saatDilimi.isEmpty());
    QCOMPARE(ayar.sehirAdi, QStringLiteral("İstanbul")); // the place stays
    QCOMPARE(depo().value("GMT").toDouble(), -3.5);
}

// Confirming a page to change one thing leaves the rest as it was in force.
void TestSecenekler::gecerliAyarlarGosterilir()
{
    AyarDegerleri a = onceki();
    a.gmt = 5.5;
    a.hesapYontemi = 6;
    a.hanefiMezhep = true;
    a.yazSaatiOtomatik = false;
    a.yazGunBasla = 29, a.yazAyBasla = 3, a.yazYilBasla = 2026;
    a.yazGunBitis = 25, a.yazAyBitis = 10, a.yazYilBitis = 2026;
    ac(a);
    QCOMPARE(bul<QComboBox>(*d, "GenelAyrCmb")->currentText(), QStringLiteral("+5:30"));
    QVERIFY(bul<QRadioButton>(*d, "HesapUmmulKuraRadioButton")->isChecked());
    QCOMPARE(bul<QLineEdit>(*d, "OzelEnlemlineEdit")->text(), QStringLiteral("41"));

    sayfa(*d, 3);
    tikla(*d, "GenelAyarTamamBtn");
    sayfa(*d, 2);
    d->show();
    d->AyarlariBagla(ayar);
    tikla(*d, "YontemTamamBtn");
    sayfa(*d, 1);
    d->show();
    d->AyarlariBagla(ayar);
    tikla(*d, "OzelSehirTamamBtn");

    QCOMPARE(ayar.gmt, 5.5);
    QCOMPARE(ayar.hesapYontemi, 6);
    QVERIFY(ayar.hanefiMezhep);
    QVERIFY(!ayar.yazSaatiOtomatik);
    QCOMPARE((QList<int>{ayar.yazGunBasla, ayar.yazAyBasla, ayar.yazYilBasla, ayar.yazGunBitis,
                         ayar.yazAyBitis, ayar.yazYilBitis}),
             (QList<int>{29, 3, 2026, 25, 10, 2026}));
    QCOMPARE(ayar.enlem, 41.0);
    QCOMPARE(ayar.sehirAdi, QStringLiteral("İstanbul"));
    QVERIFY(yakalananMesajlar().isEmpty());
}

void TestSecenekler::listeler()
{
    const QComboBox *yil = bul<QComboBox>(*d, "OzelBaslaSeneComboBox");
    QCOMPARE(yil->itemText(0), QStringLiteral("2004"));
    QCOMPARE(yil->itemText(yil->count() - 1), QStringLiteral("2036")); // ten years ahead

    const QComboBox *gmt = bul<QComboBox>(*d, "GenelAyrCmb");
    QCOMPARE(gmt->currentText(), QStringLiteral("0"));
    QStringList metinler;
    for (int i = 0; i < gmt->count(); ++i) {
        metinler << gmt->itemText(i);
        if (i > 0)
            QVERIFY(gmt->itemData(i).toDouble() > gmt->itemData(i - 1).toDouble());
    }
    for (const char *beklenen : {"-15", "-9:30", "-3:30", "-1", "+1", "+3:30", "+4:30", "+5:30",
                                 "+5:45", "+6:30", "+8:45", "+9:30", "+10:30", "+12:45", "+15"})
        QVERIFY2(metinler.contains(QLatin1String(beklenen)), beklenen);
    QCOMPARE(gmt->itemData(gmt->findText(QStringLiteral("+5:45"))).toDouble(), 5.75);
}

RAVLA_TEST_MAIN(TestSecenekler)
#include "tst_secenekler.moc"
