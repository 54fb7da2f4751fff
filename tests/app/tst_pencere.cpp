// The main window on a clock of the test's own, over real stores and the real sound library
// (SDL's disk driver, read back): times and countdown, alerts and reminders, the tray, the
// languages and their catalogues, the single running copy.
#include "depo.h"
#include "dil.h"
#include "diskkaydi.h"
#include "gunlukvakitler.h"
#include "otomatikbaslat.h"
#include "programklasoru.h"
#include "qravla.h"
#include "resimler.h"
#include "saat.h"
#include "secenekler.h"
#include "tekkopya.h"
#include "testortami.h"
#include "vakittakibi.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/mount.h>
#include <sys/stat.h>

namespace {

QDateTime simdi;
// The folder's recordings each sound at their own level, so the samples tell which one plays.
constexpr int kFecir = 8000, kAksa = 12000, kMekke = 16000, kHatirlatma = 6000;

} // namespace

class TestPencere : public QObject
{
    Q_OBJECT

    QTemporaryDir ses;
    int sesNo = 0;
    std::unique_ptr<DiskSes::Kayit> kayit;

    static void saatKur(QTime t, QDate gun = {2026, 12, 5}) { simdi = QDateTime(gun, t); }
    static QSettings dilDeposu() { return QSettings(kOrganizasyon, Dil::kUygulama); }
    static QString metin(const QWidget &w, const char *ad)
    {
        return w.findChild<QLabel *>(ad)->text();
    }
    static QTimer *animasyon(const QRavla &w) // the tray's blinking
    {
        return w.findChild<QTimer *>("animasyonZamanlayici");
    }
    static QAction *menu(QRavla &w, int i) // 0 hide, 1 show, 4 quit
    {
        return w.trayIkonu()->contextMenu()->actions().value(i);
    }
    template <typename T = QToolButton> static void tikla(const QWidget &w, const char *ad)
    {
        QTest::mouseClick(w.findChild<T *>(ad), Qt::LeftButton);
    }
    // Istanbul at UTC+2 without daylight saving: on 5 December 2026 Fajr 5:34, sunrise 7:13,
    // Dhuhr 11:54, Asr 14:17, Maghrib 16:35, Isha 18:08.
    static AyarDegerleri istanbul(double gmt = 2, int hatirlatOgle = 0)
    {
        AyarDegerleri a;
        a.enlem = 41, a.boylam = 29, a.gmt = gmt, a.yazSaatiOtomatik = false;
        a.ulkeAdi = "Turkey", a.sehirAdi = "Istanbul", a.hatirlat[2] = hatirlatOgle;
        return a;
    }
    static void kaydet(AyarDegerleri a, const QVariant &dilNo = "0")
    {
        Ayarlar s;
        s.Kaydet(a);
        dilDeposu().setValue("Dil No", dilNo);
    }
    // A window with an output file of its own: its sound device opens with the window.
    std::unique_ptr<QRavla> sesliPencere(QTime t)
    {
        saatKur(t);
        ProgramKlasoru::ayarla(ses.path());
        const QString dosya = ses.filePath(QStringLiteral("ses%1.raw").arg(++sesNo));
        DiskSes::kur(dosya);
        kayit = std::make_unique<DiskSes::Kayit>(dosya);
        return std::make_unique<QRavla>();
    }
    bool seviyede(int beklenen) // within SDL_mixer's 128 volume steps
    {
        return std::abs(kayit->sonrakiTepe() - beklenen) <= std::max(2, beklenen / 64);
    }

private slots:
    void initTestCase()
    {
        Saat::ayarla([] { return simdi; });
        QVERIFY(QDir(ses.path()).mkpath("ezan") && QDir(ses.path()).mkpath("sesler"));
        for (const auto &[ad, seviye] : {std::pair{"ezan/Fecir.ogg", kFecir},
                                         {"ezan/Aksa.ogg", kAksa},
                                         {"ezan/Mekke.ogg", kMekke},
                                         {"sesler/Hatirlatma.ogg", kHatirlatma}})
            QVERIFY(DiskSes::wavYaz(ses.filePath(ad), seviye));
    }
    void init()
    {
        ProgramKlasoru::ayarla(QStringLiteral(RAVLA_PROGRAM_KLASORU));
        QRavla::tepsiVarMi = [] { return true; };
        saatKur(QTime(10, 0));
        dilDeposu().clear();
        kaydet(istanbul());
    }

    // The countdown across a clock change runs in real time: at 01:59:30 CET on 29 March 2026 in
    // Berlin a Fajr at 04:48 CEST is 1 h 48 min 30 s away, not 2 h 48.
    void kalanSureSaatDegisimi()
    {
        // clang-format off
        for (const auto &[dilim, simdi, hedef, saat, dakika] :
             QList<std::tuple<QByteArray, QString, QString, int, int>>{
                 {"Europe/Berlin", "2026-03-29T01:59:30", "2026-03-29T04:48", 1, 49},
                 {"Europe/Berlin", "2026-03-28T23:00:00", "2026-03-29T04:48", 4, 49}, // after midnight
                 {"Europe/Berlin", "2026-10-25T01:59:30", "2026-10-25T05:55", 4, 56},
                 {"Europe/Berlin", "2026-06-01T12:00:00", "2026-06-01T13:05", 1, 6},  // no change
                 {"America/New_York", "2026-03-08T01:59:30", "2026-03-08T05:52", 2, 53},
                 {"America/New_York", "2026-11-01T00:59:30", "2026-11-01T05:40", 5, 41},
                 {"Asia/Riyadh", "2026-03-29T01:59:30", "2026-03-29T04:48", 2, 49}}) {
            // clang-format on
            const QTimeZone z(dilim);
            const QDateTime t = QDateTime::fromString(simdi, Qt::ISODate);
            const QDateTime h = QDateTime::fromString(hedef, Qt::ISODate);
            const QDateTime an(t.date(), t.time(), z);
            const VakitTakibi::KalanSure k = VakitTakibi::kalanSure(
                an.toMSecsSinceEpoch(), VakitTakibi::gercekAn(an, VakitTakibi::duvarSaatiMs(h)));
            QVERIFY2(k.saat == saat && k.dakika == dakika,
                     qPrintable(simdi + " " + QString::number(k.saat) + ":" +
                                QString::number(k.dakika)));
        }
    }

    void pencere()
    {
        QRavla w; // its times are the end-to-end test's, against ravla-vakit
        QCOMPARE(metin(w, "Tarihlabel"), QStringLiteral("Cumartesi, 05.12.2026"));
        QCOMPARE(metin(w, "Hicrilabel"), QStringLiteral("جمادى الثاني : 25.6.1448"));
        // The next days, and the user's Hijri correction across a month's end, at once.
        saatKur(QTime(0, 0), QDate(2026, 12, 8));
        AyarDegerleri a = istanbul();
        a.hicriDuzeltme = 2;
        w.ayarlariUygula(a);
        QCOMPARE(metin(w, "Tarihlabel"), QStringLiteral("Salı, 08.12.2026"));
        QCOMPARE(metin(w, "Hicrilabel"), QStringLiteral("رجب : 1.7.1448"));
        QCOMPARE(metin(w, "DiniGunlabel"), QStringLiteral("Bugün: Üç Ayların Başlangıcı"));
        // With Diyanet's calendar 8 December is 29 Cemaziyelahir, and no day is listed; 1 Receb
        // 1448 (10 December) is a Thursday, so Regaib's night follows the day.
        a.hicriDuzeltme = 0;
        a.hicriTakvim = 1;
        w.ayarlariUygula(a);
        QCOMPARE(metin(w, "Hicrilabel"), QStringLiteral("جمادى الثاني : 29.6.1448"));
        QCOMPARE(metin(w, "DiniGunlabel"), QString());
        saatKur(QTime(0, 0), QDate(2026, 12, 10));
        w.ayarlariUygula(a);
        QCOMPARE(metin(w, "DiniGunlabel"),
                 QStringLiteral("Bugün: Üç Ayların Başlangıcı · Bu gece: Regaib Kandili"));
        QCOMPARE(w.findChild<QLabel *>("Hicrilabel")->toolTip(),
                 QStringLiteral("Bugün: Üç Ayların Başlangıcı\nBu gece: Regaib Kandili"));
        QVERIFY2(w.trayIkonu()->toolTip().endsWith("\nBu gece: Regaib Kandili"),
                 qPrintable(w.trayIkonu()->toolTip()));
        a.hicriTakvim = 0;
        a.hicriDuzeltme = 2;
        // The Bilgi button opens the information dialog on the settings in force.
        a.gmt = 5.5, a.hesapYontemi = 1, a.saatDilimi = "Asia/Kolkata";
        w.ayarlariUygula(a);
        w.show();
        tikla(w, "BilgiToolButton");
        QStringList okunan;
        for (QWidget *p : QApplication::topLevelWidgets())
            if (qobject_cast<bilgi *>(p) && p->isVisible())
                okunan << metin(*p, "HesapMetotBilgiLbl") << metin(*p, "ZamanDilimBilgiLbl");
        QCOMPARE(okunan.join('|'), "Egyptian General Authority of Survey|UTC+5:30, Asia/Kolkata");
    }

    // The pictures stored decoded hold the PNGs' colours, and a pixmap shows them from where they
    // lie: the window's start decodes, converts and copies none. Other names load their PNG.
    void hazirResimler()
    {
        const auto argb = [](const QImage &i) {
            return i.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QStringList hamlar = QDir(":/ham").entryList();
        QVERIFY(!hamlar.isEmpty());
        for (const QString &dosya : hamlar) {
            const QString ad = QFileInfo(dosya).completeBaseName();
            const QImage resim = hazirResim(ad).toImage();
            QVERIFY2(argb(resim) == argb(QImage(":/iconlar/resim/" + ad + ".png")), qPrintable(ad));
            QCOMPARE(resim.constBits(), QResource(":/ham/" + dosya).data() + 16);
        }
        QCOMPARE(argb(hazirResim("kabe").toImage()), argb(QImage(":/iconlar/resim/kabe.png")));
        QVERIFY(hazirResim("yok").isNull());
    }

    // Each day's times move by the zone's offset that day, else by the built-in or the user's rule
    // (the zones' own dates are the engine's and tst_gunlukvakitler's; the autumn change and the
    // user's last day are the month window's in tst_diyaloglar, through the same options).
    void saatDilimleri()
    {
        // clang-format off
        for (const auto &[bolge, gmt, tarih, kayma] : QList<std::tuple<QString, double, QDate, int>>{
                 {"America/New_York", -5, {2026, 3, 8}, 60},
                 {"Australia/Sydney", 10, {2026, 1, 15}, 60}, // southern summer
                 {"", 1, {2026, 3, 28}, 0}, // a typed-in place: the built-in rule
                 {"-", 1, {2026, 10, 24}, 60}, // the user's dates, 29.3. to 25.10.2026
                 {"-", 1, {2026, 10, 25}, 0}}) {
            // clang-format on
            AyarDegerleri a = istanbul(gmt);
            GunlukVakitler standart, g;
            standart.ayarla(a);
            standart.tik(QDateTime(tarih, QTime(12, 0)));
            a.yazSaatiOtomatik = bolge != "-";
            a.saatDilimi = a.yazSaatiOtomatik ? bolge : QString();
            a.yazGunBasla = 29, a.yazAyBasla = 3, a.yazYilBasla = 2026;
            a.yazGunBitis = 25, a.yazAyBitis = 10, a.yazYilBitis = 2026;
            g.ayarla(a);
            g.tik(QDateTime(tarih, QTime(12, 0)));
            QVERIFY2(g.bugun().dstInForce == (kayma != 0), qPrintable(bolge));
            const auto dakika = [](const ravla::PrayerTime &v) { return v.hour * 60 + v.minute; };
            for (int i = 0; i < 7; ++i)
                QCOMPARE(dakika(g.bugun().times[i]) - dakika(standart.bugun().times[i]), kayma);
        }
    }

    // A hostile store's names are shown as text (its values out of range are tst_ayarlar's).
    void bozukDepo()
    {
        QSettings s{kOrganizasyon, "Ravla Ayarlar"};
        s.setValue("SehirAdi", "<img src='/dev/zero'>");
        s.sync();
        QRavla w;
        QCOMPARE(metin(w, "Sehirlabel"), QStringLiteral("<img src='/dev/zero'> - Turkey"));
        QCOMPARE(w.findChild<QLabel *>("Sehirlabel")->textFormat(), Qt::PlainText);
    }

    // The window's texts (their tables are the code's own; the times left are
    // tst_gunlukvakitler's): the countdown at the first and the last prayer, the tooltip in the
    // stored language; a language picked is stored with its number and announced in that
    // language, and the current item does nothing.
    void diller()
    {
        kaydet(istanbul(2, 15), "3");
        QCOMPARE(QRavla().trayIkonu()->toolTip(), "Dhuhr 11:54 — 1 h 55 min");
        kaydet(istanbul(2, 15));
        QRavla w;
        w.show();
        for (const auto &[saat, beklenen] :
             {std::pair{QTime(5, 0), "Sabah namazına 0 saat 35 dakika kaldı"},
              {QTime(18, 0), "Yatsı namazına 0 saat 9 dakika kaldı"}}) {
            saatKur(saat);
            w.ZamanAkimi();
            QCOMPARE(metin(w, "KalanZamanLabel"), QString(beklenen));
        }
        QComboBox *kutu = w.findChild<QComboBox *>("DilComboBox");
        kutu->setCurrentIndex(3);
        QCOMPARE(
            (QStringList{dilDeposu().value("Yerel Dil").toString(),
                         dilDeposu().value("Dil No").toString(), metin(w.bildirim(), "lblTitle")}),
            (QStringList{"en_EN", "3", "information"}));
        dilDeposu().clear();
        kutu->setCurrentIndex(3);
        QVERIFY(dilDeposu().allKeys().isEmpty());
        // A choice the store refuses says so, not that it takes effect after a restart.
        const QString dosya = dilDeposu().fileName();
        QFile::remove(dosya);
        QVERIFY(QDir().mkpath(dosya));
        const auto sil = qScopeGuard([&] { QDir(dosya).removeRecursively(); });
        yakalananMesajlar().clear();
        kutu->setCurrentIndex(2);
        QTRY_COMPARE(yakalananMesajlar().size(), 1);
        QCOMPARE(yakalananMesajlar().takeFirst(), "Hata: Ayarlar kaydedilemedi (" + dosya +
                                                      "): yerinde dosya değil, başka bir şey var");
    }

    // The reminder's tone, once, at the slider's 40 %, and its popup.
    void hatirlatma()
    {
        AyarDegerleri a = istanbul(2, 15);
        a.hatirlatmaSesi = true;
        kaydet(a);
        std::unique_ptr<QRavla> w = sesliPencere(QTime(11, 38, 59, 900));
        QSignalSpy hatirlatildi(w.get(), &QRavla::hatirlatmaGeldi);
        w->findChild<QSlider *>("SesSlider")->setValue(40);
        for (const int ms : {300, 1300}) {
            saatKur(QTime(11, 39, ms / 1000, ms % 1000));
            w->ZamanAkimi();
        }
        QVERIFY(hatirlatildi.size() == 1 && hatirlatildi[0][0] == 2);
        QVERIFY(seviyede(kHatirlatma * 40 / 100));
        QCOMPARE(metin(w->bildirim(), "lblMesaj"), "Öğle namazına 15 dakika kaldı");
    }

    // The adhan at Dhuhr's time, or through "Oku" the one of the time of day (the morning's
    // before the 07:13 sunrise, the noon one after, the fallback at 23:59), at the slider's 50 %,
    // with its popup (at the prayer's time the tray blinks too); "Dur" silences it. The popup
    // says, under its message, when Mekke.ogg stands in for a recording that could not be
    // played (which recordings fail is tst_ses').
    void ezan_data()
    {
        QTest::addColumn<QString>("ogle"); // Dhuhr's recording in ayarlar.dat
        QTest::addColumn<QTime>("oku");    // "Oku" clicked then; invalid: at Dhuhr's time
        QTest::addColumn<int>("seviye");
        QTest::addColumn<bool>("calinamadi");
        QTest::newRow("Dhuhr") << "Aksa.ogg" << QTime() << kAksa << false;
        QTest::newRow("Dhuhr, missing") << "Yok.ogg" << QTime() << kMekke << true;
        QTest::newRow("Oku before sunrise") << "Aksa.ogg" << QTime(3, 0) << kFecir << false;
        QTest::newRow("Oku after sunrise") << "Aksa.ogg" << QTime(7, 30) << kAksa << false;
        QTest::newRow("Oku at 23:59") << "Aksa.ogg" << QTime(23, 59, 30) << kMekke << false;
        QTest::newRow("Oku, missing") << "Yok.ogg" << QTime(12, 30) << kMekke << true;
    }
    void ezan()
    {
        QFETCH(QString, ogle);
        QFETCH(QTime, oku);
        QFETCH(int, seviye);
        QFETCH(bool, calinamadi);
        const QString ayar = ses.filePath("ayarlar.dat");
        const auto temizle = qScopeGuard([&] { QFile::remove(ayar); });
        QFile a(ayar);
        QVERIFY(a.open(QIODevice::WriteOnly) &&
                a.write("Fecir.ogg\n" + ogle.toUtf8() + "\nAksa.ogg\nAksa.ogg\nAksa.ogg\n") > 0);
        a.close();

        std::unique_ptr<QRavla> w = sesliPencere(oku.isValid() ? oku : QTime(11, 53, 59, 900));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->ZamanAkimi();
        if (oku.isValid()) {
            tikla(*w, "OkuToolButton");
        } else {
            saatKur(QTime(11, 54, 0, 400));
            w->ZamanAkimi();
        }
        QVERIFY(seviyede(seviye / 2));
        QVERIFY(w->ezanBildirimi().isVisible() && (oku.isValid() || animasyon(*w)->isActive()));
        QCOMPARE(metin(w->ezanBildirimi(), "MesajLabel"),
                 oku.isValid() ? "Ezan Okunuyor" : "Namaz Vakti");
        const QLabel *satir = w->ezanBildirimi().findChild<QLabel *>("CalinamadiLabel");
        QTRY_COMPARE(satir->isVisible(), calinamadi);
        tikla(*w, "OkumaToolButton");
        QCOMPARE(kayit->sonrakiTepe(), 0);
    }

    // The options, information, Qibla and month windows open centred over the main window as
    // its transient children (over the screen's centre while it is hidden), and Escape closes
    // each of them.
    void pencereler_data()
    {
        QTest::addColumn<QString>("dugme");
        QTest::addColumn<bool>("gizli"); // the main window in the tray
        for (const char *d :
             {"secenektoolButton", "BilgiToolButton", "KabeAciToolButton", "AylikToolButton"}) {
            QTest::addRow("%s", d) << d << false;
            QTest::addRow("%s, window hidden", d) << d << true;
        }
    }
    void pencereler()
    {
        QFETCH(QString, dugme);
        QFETCH(bool, gizli);
        QRavla w;
        w.move(40, 30);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint merkez =
            gizli ? w.screen()->availableGeometry().center() : w.frameGeometry().center();
        if (gizli)
            w.hide();
        const QWidgetList onceki = QApplication::topLevelWidgets();
        w.findChild<QAbstractButton *>(dugme)->click();
        QWidget *acilan = nullptr;
        for (QWidget *p : QApplication::topLevelWidgets())
            if (p->isVisible() && p != &w && !onceki.contains(p))
                acilan = p;
        if (!acilan) // made before: the one now visible besides the window
            for (QWidget *p : QApplication::topLevelWidgets())
                if (p->isVisible() && p != &w && p->parentWidget() == &w)
                    acilan = p;
        QVERIFY(acilan);
        QVERIFY(acilan->isWindow() && acilan->parentWidget() == &w);
        QVERIFY(QTest::qWaitForWindowExposed(acilan));
        const QPoint fark = acilan->frameGeometry().center() - merkez;
        QVERIFY2(fark.manhattanLength() <= 4,
                 qPrintable(QString("%1,%2").arg(fark.x()).arg(fark.y())));
        QTest::keyClick(acilan, Qt::Key_Escape);
        QTRY_VERIFY(!acilan->isVisible());
    }

    // Closing hides into the tray where there is one (hiding at start and a click on the icon are
    // the end-to-end test's), and quits without; a single click shows
    // and hides, other clicks do nothing; a minimised window comes back whole.
    void tepsi()
    {
        for (const bool tepsi : {true, false}) {
            QRavla::tepsiVarMi = [tepsi] { return tepsi; };
            QRavla w;
            w.show();
            QVERIFY(menu(w, 0)->isEnabled() && !menu(w, 1)->isEnabled() && menu(w, 4)->isEnabled());
            QTest::qWait(tepsi ? 0 : 1700); // without a tray it stays
            QVERIFY(w.isVisible());
            QCOMPARE(w.close(), !tepsi);
            QVERIFY(w.isHidden() && menu(w, 1)->isEnabled() == tepsi);
        }
        QRavla w;
        w.show();
        for (const auto neden :
             {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Context,
              QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick})
            w.slotTrayTiklandi(neden);
        QVERIFY(w.isHidden() && !menu(w, 0)->isEnabled() && menu(w, 1)->isEnabled());
        w.slotTrayTiklandi(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible() && menu(w, 0)->isEnabled() && !menu(w, 1)->isEnabled());
        w.showMinimized();
        menu(w, 0)->trigger();
        QVERIFY(w.isHidden());
        w.slotTrayTiklandi(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible() && !w.isMinimized());
    }

    // "Çıkıs" ends the program whatever is on screen: Qt's own quit gives up at the first window
    // that refuses to close (the main window, which hides into the tray; on X11 the tray icon).
    void cikis()
    {
        struct Inatci : QWidget {
            void closeEvent(QCloseEvent *e) override { e->ignore(); }
        };
        for (const QString acik : {"tepsi", "ezan", "secenekler", "inatci"}) {
            Inatci inatci;
            QRavla w;
            w.show();
            if (acik == "inatci")
                inatci.show();
            else if (acik == "ezan")
                w.ezanBildirimi().MesajGoster("Namaz Vakti");
            else if (acik == "secenekler")
                w.SeceneklerFormuGoster();
            else
                w.TrayGizle();
            QTimer::singleShot(0, menu(w, 4), &QAction::trigger);
            QTimer sinir; // a refused quit leaves the loop running: end it here, and fail
            sinir.callOnTimeout([] { QCoreApplication::exit(1); });
            sinir.start(3000);
            QVERIFY2(QCoreApplication::exec() == 0, qPrintable(acik));
        }
    }

    // The tray icon blinks for 171 ticks and ends on the normal picture, the mosque too; a prayer
    // during the blinking does not lengthen it.
    void animasyon()
    {
        QRavla w;
        const auto resim = [&] { return w.trayIkonu()->icon().pixmap(32, 32).toImage(); };
        const QImage normal = resim();
        animasyon(w)->start(700);
        QList<bool> kareler;
        for (int i = 0; i < 171; ++i) {
            if (i == 100)
                animasyon(w)->start(700);
            w.TrayAnimasyon();
            kareler << (resim() == normal);
        }
        QCOMPARE(kareler.mid(0, 4), (QList<bool>{true, false, true, false}));
        QVERIFY(!animasyon(w)->isActive() && kareler.last());
        QCOMPARE(w.findChild<QLabel *>("camilabel")->pixmap().toImage(),
                 QPixmap(":/iconlar/resim/cami.png").toImage());
    }

    // The feedback notice: at the 95th tick of a run on the 7th, once; not on the 8th.
    void gorusBildirimi()
    {
        // The 6th at 23:59 is the 7th by the 95th tick.
        for (const auto &[gun, saat, beklenen] : QList<std::tuple<int, QTime, QList<int>>>{
                 {7, QTime(10, 0), {95}}, {8, QTime(10, 0), {}}, {6, QTime(23, 59), {95}}}) {
            saatKur(saat, QDate(2026, 3, gun));
            QRavla w;
            QList<int> gosterildi;
            for (int tik = 1; tik <= 100; ++tik) {
                simdi = QDateTime(QDate(2026, 3, gun), saat).addSecs(tik);
                w.ZamanAkimi();
                if (w.bildirim().isVisible())
                    gosterildi << tik;
                w.bildirim().hide();
            }
            QCOMPARE(gosterildi, beklenen);
        }
    }

    // One running copy: a second start asks the first to show itself and ends. Whatever the
    // runtime folder holds, a start runs: the lock of a killed copy (a process that is gone,
    // its requests left, which are not read as new ones), an empty, garbage, unreadable or
    // foreign lock left behind is taken over; a folder in its place or a folder that takes
    // nothing moves the lock to the temporary folder, and the first copy still answers a
    // second start there. Where no folder takes a lock, the program runs unguarded. The disk
    // rows mount a small tmpfs, which needs root.
    void tekKopyaKilidi_data()
    {
        QTest::addColumn<bool>("korunur"); // a second start hands over to the first
        for (const char *durum : {"ölü kopyanın kilidi", "boş kilit", "bozuk kilit",
                                  "okunamaz kilit", "başka makinenin kilidi", "kilit yerine klasör",
                                  "istek dosyası yerine FIFO", "salt okunur klasör", "dolu klasör"})
            QTest::newRow(durum) << true;
        QTest::newRow("hiçbir klasör yazılamaz") << false;
    }
    void tekKopyaKilidi()
    {
        QFETCH(bool, korunur);
        const QByteArray durum = QTest::currentDataTag();
        QTemporaryDir kok;
        const QString calisma = kok.filePath("run"), gecici = kok.filePath("tmp");
        QVERIFY(QDir().mkpath(calisma) && QDir().mkpath(gecici));
        QFile::setPermissions(calisma, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray eskiCalisma = qgetenv("XDG_RUNTIME_DIR"), eskiGecici = qgetenv("TMPDIR");
        QList<QByteArray> baglanan;
        const auto geriAl = qScopeGuard([&] {
            for (const QByteArray &b : baglanan)
                ::umount2(b, MNT_DETACH);
            qputenv("XDG_RUNTIME_DIR", eskiCalisma);
            qputenv("TMPDIR", eskiGecici);
        });
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(calisma));
        qputenv("TMPDIR", QFile::encodeName(gecici));
        const auto bagla = [&](const QString &klasor, const char *secenek) {
            const QByteArray yer = QFile::encodeName(klasor);
            if (::mount("tmpfs", yer, "tmpfs", 0, "size=16k,nr_inodes=16,mode=0700") != 0)
                return false;
            baglanan << yer;
            return !*secenek ||
                   ::mount("tmpfs", yer, "tmpfs", MS_REMOUNT | MS_RDONLY, secenek) == 0;
        };

        const QString ad = "ravla-kilit";
        const QString kilit = calisma + "/" + ad + ".lock", istek = calisma + "/" + ad + ".goster";
        const auto yaz = [](const QString &yol, const QByteArray &icerik) {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(icerik) == icerik.size());
            f.close();
            // left there by a copy that died a while ago
            QVERIFY(f.open(QIODevice::ReadWrite) &&
                    f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
        };
        if (durum == "ölü kopyanın kilidi") {
            yaz(kilit, "999999\nravla\n" + QSysInfo::machineHostName().toUtf8() + "\n");
            yaz(istek, "goster\n");
        } else if (durum == "boş kilit") {
            yaz(kilit, "");
        } else if (durum == "bozuk kilit") {
            yaz(kilit, "\x01\xff kilit değil\n\n");
        } else if (durum == "okunamaz kilit") {
            yaz(kilit, "xyz");
            QVERIFY(QFile::setPermissions(kilit, {}));
        } else if (durum == "başka makinenin kilidi") {
            yaz(kilit, QByteArray::number(QCoreApplication::applicationPid()) +
                           "\nravla\nbaska-bir-makine\n");
        } else if (durum == "kilit yerine klasör") {
            QVERIFY(QDir().mkpath(kilit));
        } else if (durum == "istek dosyası yerine FIFO") {
            QCOMPARE(::mkfifo(QFile::encodeName(istek), 0600), 0);
        } else if (!bagla(calisma, durum == "dolu klasör" ? "" : "size=16k")) {
            QSKIP("no tmpfs can be mounted here (needs root)");
        }
        if (durum == "dolu klasör") {
            QFile dolgu(calisma + "/dolgu");
            QVERIFY(dolgu.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (dolgu.write(QByteArray(512, 'x')) == 512) {
            }
            for (int i = 0; QFile(calisma + "/i" + QString::number(i)).open(QIODevice::WriteOnly);)
                ++i; // no inode left either
        } else if (durum == "hiçbir klasör yazılamaz") {
            QVERIFY(bagla(gecici, "size=16k"));
        }

        QElapsedTimer sure;
        sure.start();
        TekKopya ilk(ad);
        QVERIFY(ilk.ilkKopya());
        QVERIFY2(sure.elapsed() < 1000, qPrintable(QString::number(sure.elapsed())));
        QSignalSpy goster(&ilk, &TekKopya::gosterIstendi);
        QTest::qWait(100);
        QCOMPARE(goster.size(), 0);
        TekKopya ikinci(ad);
        QCOMPARE(ikinci.ilkKopya(), !korunur);
        if (korunur)
            QTRY_COMPARE(goster.size(), 1);
    }

    // Start at login: the entry written where the desktop looks, valid, starting this program in
    // the tray; and gone again.
    void otomatikBaslat()
    {
        const QString yol = OtomatikBaslat::girisYolu();
        QVERIFY(yol.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/"));
        QVERIFY(!OtomatikBaslat::etkinMi() && OtomatikBaslat::ayarla(true) &&
                OtomatikBaslat::etkinMi());
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly) &&
                f.readAll().contains("\nExec=" + QCoreApplication::applicationFilePath().toUtf8() +
                                     " --tepsi\n"));
        QProcess p; // where desktop-file-validate is installed
        p.start("desktop-file-validate", {yol});
        QVERIFY(!p.waitForStarted() ||
                (p.waitForFinished() && p.exitCode() == 0 && !p.readAll().contains("error")));
        QVERIFY(OtomatikBaslat::ayarla(false) && !QFile::exists(yol) &&
                OtomatikBaslat::ayarla(false));
    }

    // The first run takes the system's language; later runs keep the stored one, unless its number
    // names no language. (A FIFO in the store's place is tst_ayarlar's fifoDepo, through the same
    // Depo::ac.)
    void dil()
    {
        // clang-format off
        for (const auto &[kayitli, sistem, kod, no] : QList<std::tuple<QVariant, QString, QString, int>>{
                 {{}, "en_GB", "en_EN", 3}, {{}, "fr_FR", "fr_FR", 0}, {"1", "de_DE", "ar_AR", 1},
                 {"iki", "de_DE", "ar_AR", 0}, {"4", "de_DE", "de_DE", 2},
                 {"4294967297", "de_DE", "de_DE", 2} /* 2^32 + 1, not Arabic */}) {
            // clang-format on
            QSettings s = dilDeposu();
            s.clear();
            if (kayitli.isValid()) {
                s.setValue("Yerel Dil", "ar_AR");
                s.setValue("Dil No", kayitli);
            }
            QCOMPARE(Dil::yerelDilKodu(s, sistem), kod);
            QCOMPARE(Dil::yerelDilKodu(s, "en_US"), kod);
            QCOMPARE(Dil::dilNo("en_US"), no);
        }
    }

    // Qt's own buttons speak the interface's language too, Turkish for the built-in texts.
    void qtMetinleri()
    {
        for (const auto &[kod, iptal] : {std::pair{"", "İptal"}, // the built-in Turkish
                                         {"de_DE", "Abbrechen"},
                                         {"ar_AR", "ألغِ"}}) {
            QTranslator qt;
            QVERIFY2(Dil::qtKatalogYukle(qt, kod), "Qt's translations are not installed "
                                                   "(qt6-translations-l10n)");
            QCoreApplication::installTranslator(&qt);
            QDialogButtonBox kutu(QDialogButtonBox::Cancel);
            QCOMPARE(kutu.button(QDialogButtonBox::Cancel)->text().remove('&'), QString(iptal));
            QCoreApplication::removeTranslator(&qt);
        }
    }

    // Every text lupdate finds in the sources and forms today has a finished translation in each
    // catalogue, and each loads (a start in Arabic, mirrored, is the end-to-end test's).
    void katalog()
    {
        QTemporaryDir gecici;
        for (const QString dil : {"ar_AR", "de_DE", "en_EN"}) {
            const QString ts = gecici.filePath(dil + ".ts");
            QVERIFY(
                QFile::copy(QStringLiteral(RAVLA_KAYNAK "/translations/Lugat_") + dil + ".ts", ts));
            QProcess p; // brings the copy up to date: what is new comes in unfinished
            p.setWorkingDirectory(QStringLiteral(RAVLA_KAYNAK));
            p.start(QStringLiteral(RAVLA_LUPDATE),
                    {"-silent", "-no-obsolete", "-locations", "none", "app", "settings", "sound",
                     "qibla", "bildirim", "core", "-ts", ts});
            QVERIFY(p.waitForFinished(120000) && p.exitCode() == 0);
            QFile f(ts);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray icerik = f.readAll();
            QVERIFY2(!icerik.contains("type=\"unfinished\"") && !icerik.contains("<translation></"),
                     qPrintable(dil));

            QTranslator cevirmen;
            QVERIFY(Dil::katalogYukle(cevirmen, dil));
            QCoreApplication::installTranslator(&cevirmen);
            QCOMPARE(Dil::arayuzDili(),
                     QStringList({"tr_TR", "ar_AR", "de_DE", "en_EN"}).indexOf(dil));
            // Every tab of the options dialog holds its whole title.
            secenekler s;
            s.show();
            QVERIFY(QTest::qWaitForWindowExposed(&s));
            QTabBar *sekmeler = s.findChild<QTabWidget *>("tabWidget")->tabBar();
            for (int i = 0; i < sekmeler->count(); ++i)
                QVERIFY2(sekmeler->tabRect(i).width() >=
                                 sekmeler->fontMetrics().horizontalAdvance(sekmeler->tabText(i)) +
                                     sekmeler->iconSize().width() &&
                             sekmeler->tabRect(i).right() < sekmeler->width(),
                         qPrintable(dil + ": " + sekmeler->tabText(i)));
        }
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }
};

RAVLA_TEST_MAIN(TestPencere)
#include "tst_pencere.moc"
