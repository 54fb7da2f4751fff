// The options dialog driven through its widgets over a city database the test writes, and the
// month window against ravla-vakit run as a program and its page as a PDF reader extracts it.
#include "aylikcizelge.h"
#include "ayliksayfa.h"
#include "bilgi.h"
#include "pdfokuyucu.h"
#include "programklasoru.h"
#include "saat.h"
#include "secenekler.h"
#include "testortami.h"
#include "vakitsecenekleri.h"

#include <QtWidgets>

class TestDiyaloglar : public QObject
{
    Q_OBJECT

    QTemporaryDir program;
    AyarDegerleri ayar;
    std::unique_ptr<secenekler> d;

    static QSettings depo() { return QSettings(kOrganizasyon, "Ravla Ayarlar"); }
    // Istanbul typed in, Muslim World League: what the user had before opening the dialog.
    static AyarDegerleri istanbul()
    {
        AyarDegerleri a;
        a.enlem = 41.0, a.boylam = 29.0, a.gmt = 3, a.ulkeAdi = "Türkiye", a.sehirAdi = "İstanbul";
        return a;
    }
    template <typename T = QAbstractButton> T *bul(const char *ad) { return d->findChild<T *>(ad); }
    // Opens the dialog as the main window does: shown, then bound to the settings.
    void ac(const AyarDegerleri &a, int sayfa)
    {
        d = std::make_unique<secenekler>();
        d->UlkeListesiniOku();
        ayar = a;
        d->show();
        d->AyarlariBagla(ayar);
        // The window's side: it takes what the dialog hands over.
        connect(d.get(), &secenekler::ayarlarKaydedildi, this,
                [this](const AyarDegerleri &yeni) { ayar = yeni; });
        bul<QTabWidget>("tabWidget")->setCurrentIndex(sayfa);
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    }
    void tikla(const char *ad) // a radio button on its circle: a wide one takes no click beyond
    {
        QAbstractButton *b = bul(ad);
        QTest::mouseClick(b, Qt::LeftButton, {},
                          qobject_cast<QRadioButton *>(b) ? QPoint(8, b->height() / 2)
                                                          : b->rect().center());
    }
    // Types as a user does; QTest::keyClicks knows only ASCII, and users type İ and ü.
    void yaz(const char *ad, const QString &metin)
    {
        QLineEdit *w = bul<QLineEdit>(ad);
        w->clear();
        for (const QChar c : metin)
            for (const auto olay : {QTest::Press, QTest::Release})
                QTest::sendKeyEvent(olay, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void satirTikla(const char *liste, const QString &metin)
    {
        QListWidget *l = bul<QListWidget>(liste);
        const QList<QListWidgetItem *> bulunan = l->findItems(metin, Qt::MatchExactly);
        QVERIFY2(bulunan.size() == 1, qPrintable(metin));
        l->scrollToItem(bulunan.first());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(bulunan.first()).center());
    }
    QStringList gorunenler(const char *liste)
    {
        QStringList s;
        for (const QListWidgetItem *i : bul<QListWidget>(liste)->findItems("*", Qt::MatchWildcard))
            if (!i->isHidden())
                s << i->text();
        return s;
    }
    void sonuc(const QString &mesaj) // the one message box the step showed; after one, nothing
    {                                // saved, nothing changed, the dialog stays
        QTRY_COMPARE(yakalananMesajlar(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
        yakalananMesajlar().clear();
        QVERIFY(mesaj.isEmpty() ||
                (depo().allKeys().isEmpty() && d->isVisible() && ayar == istanbul()));
    }

private slots:
    void initTestCase()
    {
        Saat::ayarla([] { return QDateTime(QDate(2026, 12, 6), QTime(10, 0)); });
        ProgramKlasoru::ayarla(program.path());
        QDir(program.path()).mkdir("koordinat");
        // clang-format off
        for (const auto &[ad, icerik] : QList<std::pair<QString, QByteArray>>{
                 {"liste.dat", "Almanya\nTürkiye\nBozuk\nAtlantis\n../Almanya\n"},
                 {"Almanya.txt", "Berlin,Berlin,52.5244,13.4105,1,Europe/Berlin\n"
                                 "Köln,Nordrhein-Westfalen,50.9333,6.95,1,Europe/Berlin\n"},
                 {"Türkiye.txt", "İstanbul,İstanbul,41.0138,28.9497,3,Europe/Istanbul\r\n"
                                 "İzmir,İzmir,38.4127,27.1384,3,Europe/Istanbul"},
                 {"Bozuk.txt", "Yukarı,Kutup,95,10,1\n"},
                 {"ulkeadlari.dat", "Almanya\tألمانيا\tDeutschland\tGermany\n"
                                    "Türkiye\tتركيا\tTürkei\tTürkiye|Turkey\n"}}) {
            // clang-format on
            QFile f(program.filePath("koordinat/" + ad));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(icerik) == icerik.size());
        }
    }
    void init()
    {
        depo().clear();
        yakalananMesajlar().clear();
    }

    // JAKIM's method in Malaysia: the information dialog and the month's heading name the
    // zone, the times come from its reference point; another method keeps the place's own.
    // (Which zone a typed-in place or Singapore takes is tst_vakit's, through the same lookup.)
    void jakimBolgesi_data()
    {
        QTest::addColumn<QString>("ulke");
        QTest::addColumn<QString>("sehir");
        QTest::addColumn<double>("enlem");
        QTest::addColumn<double>("boylam");
        QTest::addColumn<QString>("dilim"); // the IANA zone; empty: typed in
        QTest::addColumn<int>("yontem");
        QTest::addColumn<QString>("bolge"); // expected in the dialog; empty: no zone
        QTest::addColumn<bool>("enYakin");
        QTest::addColumn<double>("hesapEnlem");
        QTest::newRow("Kuching, JAKIM")
            << "Malezya"
            << "Kuching,Sarawak" << 1.55 << 110.3333 << "Asia/Kuching" << 14
            << "SWK08 — Kuching, Bau, Lundu, Sematan" << false << 1.833;
        QTest::newRow("Kuching, MWL")
            << "Malezya"
            << "Kuching,Sarawak" << 1.55 << 110.3333 << "Asia/Kuching" << 5 << "" << false << 1.55;
        QTest::newRow("Ampang: no zone names it")
            << "Malezya"
            << "Ampang,Kuala Lumpur" << 3.15 << 101.7667 << "Asia/Kuala_Lumpur" << 14
            << "WLY01 — Putrajaya, Kuala Lumpur" << true << 3.605;
    }
    void jakimBolgesi()
    {
        QFETCH(QString, ulke);
        QFETCH(QString, sehir);
        QFETCH(double, enlem);
        QFETCH(double, boylam);
        QFETCH(QString, dilim);
        QFETCH(int, yontem);
        QFETCH(QString, bolge);
        QFETCH(bool, enYakin);
        QFETCH(double, hesapEnlem);
        AyarDegerleri a;
        a.ulkeAdi = ulke, a.sehirAdi = sehir, a.enlem = enlem, a.boylam = boylam, a.gmt = 8;
        a.saatDilimi = dilim, a.hesapYontemi = yontem;
        bilgi b;
        b.BilgileriGoster(a, false);
        const QString metin = b.findChild<QLabel *>("SehirLabelBilgi")->text();
        const vakit::Run o = ayarlardanSecenekler(a);
        QCOMPARE(o.inputs.latitude, hesapEnlem);
        const QString baslik = AylikSayfa::veri(o, 2020, 6, sehir).yer;
        if (bolge.isEmpty()) {
            QCOMPARE(metin, sehir);
            QCOMPARE(baslik, sehir);
            return;
        }
        QVERIFY2(metin.startsWith(sehir + "\nJAKIM bölgesi: " + bolge), qPrintable(metin));
        QCOMPARE(metin.contains("en yakın anılan yer"), enYakin);
        QVERIFY2(baslik.startsWith(sehir + " (JAKIM " + bolge), qPrintable(baslik));
    }

    // Picking a place offers its country's own method on the method page and its own Hijri
    // calendar on the general page, each marked as such, and says so on the place page; what is
    // in force stays until the user confirms another.
    void ulkeninYontemi_data()
    {
        QTest::addColumn<int>("yontem");   // in force
        QTest::addColumn<int>("takvim");   // in force
        QTest::addColumn<QString>("ulke"); // picked
        QTest::addColumn<QString>("isaretli");
        QTest::addColumn<int>("isaretliTakvim");
        QTest::addColumn<QString>("ipucu");
        const QString yontemi = "Bu ülkenin kendi yöntemi var: Diyanet İşleri Başkanlığı. "
                                "Hesaplama Yöntemi sayfasında seçebilirsiniz.";
        const QString takvimi = "Bu ülkenin Hicri takvimi: Diyanet (Birleşik Hicri Takvim). Genel "
                                "sayfasında seçebilirsiniz.";
        QTest::newRow("Türkiye, MWL in force")
            << 5 << 0 << "Türkiye"
            << "HesapDiyanetRadioButton" << 1 << yontemi + " " + takvimi;
        QTest::newRow("Türkiye, Diyanet in force") << 8 << 1 << "Türkiye"
                                                   << "HesapDiyanetRadioButton" << 1 << "";
        QTest::newRow("Türkiye, Diyanet's method, tabular")
            << 8 << 0 << "Türkiye"
            << "HesapDiyanetRadioButton" << 1 << takvimi;
        QTest::newRow("Almanya: none of its own") << 5 << 1 << "Almanya"
                                                  << "" << -1 << "";
    }
    void ulkeninYontemi()
    {
        QFETCH(int, yontem);
        QFETCH(QString, ulke);
        QFETCH(QString, isaretli);
        QFETCH(int, takvim);
        QFETCH(int, isaretliTakvim);
        QFETCH(QString, ipucu);
        AyarDegerleri a = istanbul();
        a.hesapYontemi = yontem;
        a.hicriTakvim = takvim;
        a.ulkeAdi = "Almanya";
        ac(a, 0);
        const auto isaretliler = [this] {
            QStringList s;
            for (QRadioButton *r : bul<QGroupBox>("YontemGroupBox")->findChildren<QRadioButton *>())
                if (r->text().endsWith(" (bu ülkenin yöntemi)") && r->font().bold())
                    s << r->objectName();
            return s;
        };
        const auto isaretliTakvimi = [this] {
            QComboBox *kutu = bul<QComboBox>("HicriTakvimComboBox");
            for (int i = 0; i < kutu->count(); ++i)
                if (kutu->itemText(i).endsWith(" (bu ülkenin takvimi)"))
                    return i;
            return -1;
        };
        QCOMPARE(isaretliler(), QStringList());
        QCOMPARE(isaretliTakvimi(), -1);
        satirTikla("UlkelistWidget", ulke);
        QCOMPARE(isaretliler(), isaretli.isEmpty() ? QStringList() : QStringList{isaretli});
        QCOMPARE(isaretliTakvimi(), isaretliTakvim);
        QCOMPARE(bul<QComboBox>("HicriTakvimComboBox")->currentIndex(), takvim);
        QLabel *etiket = bul<QLabel>("UlkeYontemiLabel");
        QCOMPARE(etiket->isVisible(), !ipucu.isEmpty());
        if (!ipucu.isEmpty())
            QCOMPARE(etiket->text(), ipucu);
        satirTikla("SehirlistWidget",
                   ulke == "Türkiye" ? "İzmir,İzmir" : "Köln,Nordrhein-Westfalen");
        tikla("TamamButton");
        QCOMPARE(ayar.hesapYontemi, yontem);
        QCOMPARE(ayar.hicriTakvim, takvim);
        QCOMPARE(ayar.ulkeAdi, ulke);
        // Opened again, the method page marks the country of the place in force.
        ac(ayar, 2);
        QCOMPARE(isaretliler(), isaretli.isEmpty() ? QStringList() : QStringList{isaretli});
        QCOMPARE(bul<QRadioButton>("HesapDiyanetRadioButton")->isChecked(), yontem == 8);
    }

    // A country without a file (one named like a path is tst_ayarlar's), a place at latitude 95:
    // nothing to confirm, and a place chosen before in another country is not kept.
    void okunamayanUlkeler()
    {
        // clang-format off
        for (const auto &[ulke, sehir, mesaj] : QList<std::tuple<QString, QString, QString>>{
                 {"Atlantis", "", "Hata: Koordinat verileri bulunamadı"},
                 {"Bozuk", "Yukarı,Kutup", ""}}) {
            // clang-format on
            ac(istanbul(), 0);
            satirTikla("UlkelistWidget", "Türkiye");
            satirTikla("SehirlistWidget", "İzmir,İzmir");
            satirTikla("UlkelistWidget", ulke);
            if (!sehir.isEmpty())
                satirTikla("SehirlistWidget", sehir);
            sonuc(mesaj);
            QVERIFY(sehir.isEmpty() || bul<QLabel>("SehirHataLabel")->text().contains("95"));
            tikla("TamamButton");
            QVERIFY(depo().allKeys().isEmpty() && ayar == istanbul());
        }
    }

    // Page 2: a place typed in (a '.' becomes ','), with a half-hour zone and no zone rules; a
    // wrong value is named and nothing is saved.
    void elleSehir()
    {
        // clang-format off
        for (const auto &[girdi, mesaj] : QList<std::pair<QStringList, QString>>{
                 {{"Bursa", "40.18", "29.06"}, ""},
                 {{"", "40", "29"}, "Uyarı: Boş geçtiniz"},
                 {{"Bursa", "415", "29"}, "Uyarı: Enlem -90 ile 90 arasında olmalı: 415"},
                 {{"Bursa", "40", "-181"}, "Uyarı: Boylam -180 ile 180 arasında olmalı: -181"}}) {
            // clang-format on
            init();
            ac(istanbul(), 1);
            yaz("OzelSehirlineEdit", girdi[0]);
            yaz("OzelEnlemlineEdit", girdi[1]);
            yaz("OzelBoylamlineEdit", girdi[2]);
            QComboBox *gmt = bul<QComboBox>("OzelGmtComboBox");
            gmt->setCurrentIndex(gmt->findText("+5:30"));
            tikla("OzelSehirTamamBtn");
            sonuc(mesaj);
            QVERIFY(!mesaj.isEmpty() ||
                    (ayar.gmt == 5.5 && ayar.saatDilimi.isEmpty() && ayar.sehirAdi == "Bursa" &&
                     depo().value("Enlem").toDouble() == 40.18));
        }
    }

    // A page's Tamam confirms what was chosen on the other pages too; a refused page elsewhere
    // saves nothing and shows itself; reopened, the dialog shows what is stored.
    void sayfalarBirlikte()
    {
        // A place from the list, then Diyanet confirmed on page 3: both kept, and the automatic
        // daylight saving back on (the filters and the place's zone are the end-to-end test's).
        AyarDegerleri elle = istanbul();
        elle.yazSaatiOtomatik = false;
        ac(elle, 0);
        satirTikla("UlkelistWidget", "Almanya");
        satirTikla("SehirlistWidget", "Köln,Nordrhein-Westfalen");
        bul<QTabWidget>("tabWidget")->setCurrentIndex(2);
        tikla("HesapDiyanetRadioButton");
        tikla("YontemTamamBtn");
        QVERIFY(d->isHidden() && ayar.yazSaatiOtomatik);
        QCOMPARE(ayar.sehirAdi + " " + QString::number(ayar.hesapYontemi),
                 "Köln,Nordrhein-Westfalen 8");
        QCOMPARE(depo().value("SaatDilimi").toString(), "Europe/Berlin");
        // Reopened: no place of the lists stands as picked.
        d->show();
        d->AyarlariBagla(ayar);
        QVERIFY(bul<QListWidget>("UlkelistWidget")->selectedItems().isEmpty() &&
                bul<QListWidget>("SehirlistWidget")->count() == 0 &&
                !bul("TamamButton")->isEnabled());

        // A place typed on page 2, then the reminders confirmed on page 4.
        init();
        ac(istanbul(), 1);
        yaz("OzelSehirlineEdit", "Bursa");
        bul<QTabWidget>("tabWidget")->setCurrentIndex(3);
        bul<QSpinBox>("HatirlatOgleSpinBox")->setValue(15);
        tikla("GenelAyarTamamBtn");
        QCOMPARE(ayar.sehirAdi + " " + QString::number(ayar.hatirlat[2]), "Bursa 15");

        // An angle left wrong on page 3 stops page 1's Tamam: nothing saved, page 3 shown.
        init();
        ac(istanbul(), 2);
        tikla("HesapOzelYontemRadioButton");
        yaz("OzeFecirLineEdit", "91");
        yaz("OzeYatsiLineEdit", "17");
        bul<QTabWidget>("tabWidget")->setCurrentIndex(0);
        satirTikla("UlkelistWidget", "Türkiye");
        satirTikla("SehirlistWidget", "İzmir,İzmir");
        tikla("TamamButton");
        sonuc("Uyarı: Açı 0 ile 90 arasında olmalı: 91");
        QCOMPARE(bul<QTabWidget>("tabWidget")->currentIndex(), 2);
    }

    // Without dates of the user's own the date boxes offer this year's European ones.
    void yazSaatiTarihleri()
    {
        const auto kutular = [this] {
            QStringList s;
            for (const char *ad :
                 {"OzelBaslaGuncomboBox", "OzelBaslaAycomboBox", "OzelBaslaSeneComboBox",
                  "OzelBitisGuncomboBox", "OzelBitisAycomboBox", "OzelBitisSeneComboBox"})
                s << bul<QComboBox>(ad)->currentText();
            return s.join(' ');
        };
        ac(istanbul(), 1);
        QCOMPARE(kutular(), "29 Mart 2026 25 Ekim 2026");
    }

    // A typed-in place with "Otomotik" takes the zone of the nearest listed place that keeps
    // the chosen offset, and the page says which; else the European rule stays, and it says so.
    void elleSehirSaatDilimi_data()
    {
        QTest::addColumn<QString>("gmt"); // at Bursa
        QTest::addColumn<bool>("elle");
        QTest::addColumn<QString>("saatDilimi");
        QTest::addColumn<QString>("etiket"); // empty: hidden
        const QString yok =
            "Yakında bu saat dilimini kullanan bir yer yok: yaz saati Avrupa kuralıyla uygulanır.";
        QTest::newRow("+3") << "+3" << false << "Europe/Istanbul"
                            << "Europe/Istanbul: yaz saati yok";
        QTest::newRow("+2") << "+2" << false << "" << yok;
        QTest::newRow("dates by hand") << "+3" << true << ""
                                       << "";
    }
    void elleSehirSaatDilimi()
    {
        QFETCH(QString, gmt);
        QFETCH(bool, elle);
        QFETCH(QString, saatDilimi);
        QFETCH(QString, etiket);
        ac(istanbul(), 1);
        yaz("OzelSehirlineEdit", "Yer");
        yaz("OzelEnlemlineEdit", "40,18");
        yaz("OzelBoylamlineEdit", "29,06");
        QComboBox *kutu = bul<QComboBox>("OzelGmtComboBox");
        kutu->setCurrentIndex(kutu->findText(gmt));
        tikla(elle ? "OzelGunIsikRadioButton" : "OzelGunIsikOtoRadioButton");
        QLabel *l = bul<QLabel>("OzelSaatDilimiLabel");
        QCOMPARE(l->isVisible() ? l->text() : QString(), etiket);
        tikla("OzelSehirTamamBtn");
        QCOMPARE(ayar.saatDilimi, saatDilimi);
        QCOMPARE(ayar.yazSaatiOtomatik, !elle);
        QCOMPARE(depo().value("SaatDilimi").toString(), saatDilimi);
    }

    // Page 3: a method of the list with its Asr rule, or custom angles; a refused page changes
    // nothing, not even the method in force.
    void yontem()
    {
        // clang-format off
        for (const auto &[acilar, mesaj] : QList<std::pair<QStringList, QString>>{
                 {{}, ""}, // Karachi, and with it Hanafi Asr
                 {{"18.5", " 17 "}, ""},
                 {{"", "17"}, "Uyarı: Boş geçtiniz"},
                 {{"91", "17"}, "Uyarı: Açı 0 ile 90 arasında olmalı: 91"}}) {
            // clang-format on
            init();
            ac(istanbul(), 2);
            tikla(acilar.isEmpty() ? "HesapKaraciHanefiRadioButton" : "HesapOzelYontemRadioButton");
            if (!acilar.isEmpty()) {
                yaz("OzeFecirLineEdit", acilar[0]);
                yaz("OzeYatsiLineEdit", acilar[1]);
            }
            tikla("YontemTamamBtn");
            sonuc(mesaj);
            if (mesaj.isEmpty() && acilar.isEmpty())
                QVERIFY(ayar.hanefiMezhep && !ayar.ozelHesapYontem &&
                        depo().value("HesapYontemi").toInt() == 3);
            else if (mesaj.isEmpty())
                QVERIFY(ayar.sabahAci == 18.5 && ayar.yatsiAci == 17 &&
                        depo().value("OzelHesapYontem").toBool());
        }
    }

    // Page 4: the user's own summer dates (the years run to ten years ahead) and a fractional zone;
    // the zone rules go, the place stays.
    void genelAyarlar()
    {
        AyarDegerleri a = istanbul();
        a.saatDilimi = "Europe/Istanbul";
        ac(a, 3);
        QVERIFY(!bul<QComboBox>("GenelAyarBaslaGunCmb")->isEnabled()); // "Otomotik": no dates
        tikla("GenelAyarIsikRadioButton");
        QVERIFY(bul<QComboBox>("GenelAyarBitisSeneCmb")->isEnabled());
        // clang-format off
        for (const auto &[ad, metin] : QList<std::pair<const char *, QString>>{
                 {"GenelAyarBaslaGunCmb", "31"}, {"GenelAyarBaslaAyCmb", "Mart"},
                 {"GenelAyarBaslaSeneCmb", "2004"}, {"GenelAyarBitisGunCmb", "31"},
                 {"GenelAyarBitisAyCmb", "Ekim"}, {"GenelAyarBitisSeneCmb", "2036"},
                 {"GenelAyrCmb", "-3:30"}}) {
            // clang-format on
            QComboBox *kutu = bul<QComboBox>(ad);
            QVERIFY2(kutu->findText(metin) >= 0, ad);
            kutu->setCurrentIndex(kutu->findText(metin));
        }
        QCOMPARE(bul<QComboBox>("GenelAyarBitisSeneCmb")->count(), 33); // 2004 to 2036
        tikla("GenelAyarTamamBtn");
        QCOMPARE((QList<int>{ayar.yazGunBasla, ayar.yazAyBasla, ayar.yazYilBasla, ayar.yazGunBitis,
                             ayar.yazAyBitis, ayar.yazYilBitis}),
                 (QList<int>{31, 3, 2004, 31, 10, 2036}));
        QVERIFY(!ayar.yazSaatiOtomatik && ayar.saatDilimi.isEmpty() && ayar.sehirAdi == "İstanbul");
        QCOMPARE(depo().value("GMT").toDouble(), -3.5);
    }

    // A store the disk refuses (its folder's path is a file here, which holds for root too):
    // "Tamam" says so and why, the dialog stays for another try, and the window goes on with
    // what it had. Once the disk takes it, a click saves. Every page's Tamam saves through the
    // same step (sayfalarBirlikte), so two pages stand for all.
    void kaydedilemeyenDepo()
    {
        const QString klasor = QFileInfo(depo().fileName()).absolutePath();
        QVERIFY(QDir(klasor).removeRecursively() &&
                QDir().mkpath(QFileInfo(klasor).absolutePath()));
        QFile engel(klasor);
        QVERIFY(engel.open(QIODevice::WriteOnly) && engel.write("bir dosya") == 9);
        engel.close();
        const QString neden = "Hata: Ayarlar kaydedilemedi (" + depo().fileName() +
                              "): " + QDir::toNativeSeparators(klasor) + " bir klasör değil";
        ac(istanbul(), 0);
        satirTikla("UlkelistWidget", "Almanya");
        satirTikla("SehirlistWidget", "Berlin,Berlin");
        tikla("TamamButton");
        QTRY_COMPARE(yakalananMesajlar(), QStringList{neden});
        yakalananMesajlar().clear();
        QVERIFY(d->isVisible());
        QCOMPARE(ayar, istanbul());
        ac(istanbul(), 2);
        tikla("HesapDiyanetRadioButton");
        tikla("YontemTamamBtn");
        QTRY_COMPARE(yakalananMesajlar(), QStringList{neden});
        yakalananMesajlar().clear();
        QVERIFY(QFile::remove(klasor));
        tikla("YontemTamamBtn");
        QVERIFY(yakalananMesajlar().isEmpty() && d->isHidden() && ayar.hesapYontemi == 8);
        QFile kayit(depo().fileName());
        QVERIFY(kayit.open(QIODevice::ReadOnly) && kayit.readAll().contains("HesapYontemi=8"));
    }

    // Each page shows the settings in force, own summer dates too: confirming one to change one
    // thing keeps the rest.
    void gecerliAyarlarGosterilir()
    {
        const AyarDegerleri a{
            41, 29,   5.5, "Türkiye", "İstanbul", false, 3, 4, 2019, 30,
            11, 2030, 8,   0,         true,       false, 0, 0, "",   {0, 0, 0, 0, 0, 30},
            2};
        for (const auto &[sayfa, dugme] :
             {std::pair{3, "GenelAyarTamamBtn"}, {2, "YontemTamamBtn"}, {1, "OzelSehirTamamBtn"}}) {
            ac(a, sayfa);
            tikla(dugme);
            QCOMPARE(ayar, a);
        }
        QVERIFY(yakalananMesajlar().isEmpty());
    }

    // The printed month names its religious days: Diyanet's calendar for 2026 has Berat Kandili
    // on 2 February and Ramadan from 19 February.
    void aylikDiniGunler()
    {
        QVERIFY2(popplerKurulu(), "pdftotext is needed: install poppler-utils");
        Saat::ayarla([] { return QDateTime(QDate(2026, 2, 10), QTime(12, 0)); });
        AyarDegerleri a = istanbul();
        a.hesapYontemi = 8, a.hicriTakvim = 1;
        AylikCizelge w;
        w.goster(a);
        QTemporaryDir k;
        QVERIFY(w.pdfKaydet(k.filePath("ay.pdf")));
        const QString metin = pdfMetni(k.filePath("ay.pdf")).simplified();
        QVERIFY2(metin.contains(
                     "Dini günler ve geceler: 02.02. Berat Kandili; 19.02. Ramazan Başlangıcı"),
                 qPrintable(metin.right(400)));
        Saat::ayarla([] { return QDateTime(QDate(2026, 12, 6), QTime(10, 0)); });
    }

    // The month's CSV is ravla-vakit's byte for byte, and the saved page, as a PDF reader
    // extracts it, holds one line per day: weekday, date, Hijri date and the seven times.
    void aylikCizelge()
    {
        QVERIFY2(popplerKurulu(), "pdftotext is needed: install poppler-utils");
        // New York in November, when the clocks go back; a place typed in with all the options
        // besides: own summer dates ending within the month, own angles, Hanafi Asr, own minutes,
        // a seventh of the night, the Hijri date a day back. Beside each, ravla-vakit's arguments.
        // clang-format off
        for (auto [a, argumanlar, ay] : QList<std::tuple<AyarDegerleri, QStringList, QDate>>{
                 {{40.7128, -74.006, -5, "", "", true, 0, 0, 0, 0, 0, 0, 4, 0, false, false, 0, 0, "America/New_York"},
                  {"--lat", "40.7128", "--lon", "-74.006", "--zone", "America/New_York", "--method", "4"}, {2027, 11, 1}},
                 {{49.0, 8.4, 1, "", "Karlsruhe", false, 28, 3, 2027, 24, 10, 2027, 5, 0, true, true, 17.5, 16, "",
                   {1, 2, 3, 4, 5, 6, 7}, 2, -1},
                  {"--lat", "49", "--lon", "8.4", "--tz", "1", "--dst", "2027-03-28..2027-10-24", "--custom", "17.5,16",
                   "--hanafi", "--offsets", "7,1,2,3,4,5,6", "--high-lat", "seventh", "--hijri-offset", "-1"},
                  {2027, 10, 1}}}) {
            // clang-format on
            Saat::ayarla([ay] { return QDateTime(ay, QTime(12, 0)); });
            AylikCizelge w;
            w.goster(a);
            QProcess p;
            p.start(RAVLA_VAKIT, argumanlar << "--date" << ay.toString("yyyy-MM-01") << "--days"
                                            << QString::number(ay.daysInMonth()) << "--format"
                                            << "csv");
            QVERIFY(p.waitForFinished(60000));
            const QStringList cli =
                QString(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).mid(1);
            QCOMPARE(cli.size(), ay.daysInMonth());
            QTemporaryDir k;
            QVERIFY(w.csvKaydet(k.filePath("ay.csv")) && w.pdfKaydet(k.filePath("ay.pdf")));
            QFile csv(k.filePath("ay.csv"));
            QVERIFY(csv.open(QIODevice::ReadOnly));
            QCOMPARE(QString(csv.readAll()).split('\n', Qt::SkipEmptyParts).mid(1), cli);
            QCOMPARE(pdfSayfaSayisi(k.filePath("ay.pdf")), 1);

            // The calendar file is ravla-vakit's, the place named as the window names it; only
            // the moment of writing differs.
            QVERIFY(w.icsKaydet(k.filePath("ay.ics")));
            QStringList ad{a.sehirAdi, a.ulkeAdi};
            ad.removeAll(QString());
            argumanlar.replace(argumanlar.indexOf("csv"), "ics");
            if (!ad.isEmpty())
                argumanlar << "--place" << ad.join(" - ");
            p.start(RAVLA_VAKIT, argumanlar);
            QVERIFY(p.waitForFinished(60000));
            QFile ics(k.filePath("ay.ics"));
            QVERIFY(ics.open(QIODevice::ReadOnly));
            const auto damgasiz = [](const QByteArray &b) {
                QByteArrayList satirlar = b.split('\n');
                satirlar.removeIf([](const QByteArray &s) { return s.startsWith("DTSTAMP:"); });
                return satirlar;
            };
            const QByteArrayList dosya = damgasiz(ics.readAll());
            QCOMPARE(dosya, damgasiz(p.readAllStandardOutput()));
            QCOMPARE(dosya.count("BEGIN:VEVENT\r"), 5 * ay.daysInMonth());
            // A disk that takes nothing: the user is told which file and why.
            QString uyari;
            QTimer::singleShot(0, [&uyari] {
                if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    uyari = m->text();
                    m->close();
                }
            });
            QVERIFY(!w.icsKaydet("/dev/full"));
            QVERIFY2(uyari.startsWith("/dev/full yazılamadı: "), qPrintable(uyari));

            static const QRegularExpression gunSatiri(R"(^\s*\S+ \d\d\.\d\d\.\d{4}\s)");
            QStringList sayfa;
            for (const QString &s : pdfMetni(k.filePath("ay.pdf")).split('\n'))
                if (gunSatiri.match(s).hasMatch())
                    sayfa << s.simplified();
            QCOMPARE(sayfa.size(), ay.daysInMonth());
            const char *const gunler[] = {"Pzt", "Sal", "Çar", "Per", "Cum", "Cmt", "Paz"};
            for (int g = 0; g < ay.daysInMonth(); ++g) {
                const QStringList alan = cli[g].split(',');
                QStringList beklenen{gunler[ay.addDays(g).dayOfWeek() - 1],
                                     ay.addDays(g).toString("dd.MM.yyyy"), alan[8]};
                for (int s = 1; s <= 7; ++s) // "6:41:22" -> "06:41", "1:03:34*" -> "01:03*"
                    beklenen << (alan[s].startsWith("99")
                                     ? QStringLiteral("\u2014")
                                     : alan[s]
                                           .rightJustified(alan[s].endsWith('*') ? 9 : 8, '0')
                                           .remove(5, 3));
                QCOMPARE(sayfa[g], beklenen.join(' '));
            }
        }
    }
};

RAVLA_TEST_MAIN(TestDiyaloglar)
#include "tst_diyaloglar.moc"
