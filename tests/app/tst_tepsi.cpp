// The tray life of the main window, the language switch, the feedback notice and the single
// running copy.
#include "dil.h"
#include "otomatikbaslat.h"
#include "programklasoru.h"
#include "qravla.h"
#include "saat.h"
#include "tekkopya.h"
#include "testortami.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>

namespace {

QDateTime simdi;

QSettings dilDeposu()
{
    return QSettings(QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama));
}

struct Menu {
    QAction *gizle, *goster, *aylik, *cikis;
};
Menu menu(const QRavla &w)
{
    const QList<QAction *> a = w.trayIkonu()->contextMenu()->actions();
    return {a.value(0), a.value(1), a.value(2), a.value(4)};
}

QString bildirimMetni(QRavla &w, const char *ad)
{
    return w.bildirim().findChild<QLabel *>(QLatin1String(ad))->text();
}

QImage resim(const QIcon &i)
{
    return i.pixmap(32, 32).toImage();
}

} // namespace

class TestTepsi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Saat::ayarla([] { return simdi; });
        ProgramKlasoru::ayarla(QStringLiteral(RAVLA_PROGRAM_KLASORU));
    }
    void init()
    {
        simdi = QDateTime(QDate(2026, 12, 5), QTime(10, 0));
        QRavla::tepsiVarMi = [] { return true; };
        dilDeposu().clear();
    }

    void acilistaGizlenir_data();
    void acilistaGizlenir();
    void tiklama();
    void kucultulmusGeriGelir();
    void kapatma_data();
    void kapatma();
    void cikis_data();
    void cikis();
    void animasyon();
    void dilSecimi_data();
    void dilSecimi();
    void gorusBildirimi_data();
    void gorusBildirimi();
    void tekKopya();
    void ipucu_data();
    void ipucu();
    void otomatikBaslat();
};

void TestTepsi::acilistaGizlenir_data()
{
    QTest::addColumn<bool>("tepsi");
    QTest::newRow("with a tray: into it") << true;
    QTest::newRow("without one: stays") << false;
}

void TestTepsi::acilistaGizlenir()
{
    QFETCH(bool, tepsi);
    QRavla::tepsiVarMi = [tepsi] { return tepsi; };
    dilDeposu().setValue("Dil No", "0");
    QRavla w;
    w.show();
    const Menu m = menu(w);
    QCOMPARE(m.gizle->text(), QStringLiteral("Gizle"));
    QCOMPARE(m.goster->text(), QStringLiteral("Göster"));
    QCOMPARE(m.cikis->text(), QStringLiteral("Çıkıs"));
    QCOMPARE(m.aylik->text(), QStringLiteral("Aylık Vakitler"));
    QVERIFY(m.gizle->isEnabled() && !m.goster->isEnabled() && m.cikis->isEnabled());

    QTest::qWait(1700);
    QCOMPARE(w.isHidden(), tepsi);
    QCOMPARE(m.goster->isEnabled(), tepsi);
    // Once only: shown again, it stays.
    w.TrayGoster();
    QTest::qWait(1700);
    QVERIFY(w.isVisible());
}

void TestTepsi::tiklama()
{
    QRavla w;
    w.show();
    const Menu m = menu(w);
    for (const auto neden :
         {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Context}) {
        w.slotTrayTiklandi(neden);
        QVERIFY(w.isVisible());
    }
    w.slotTrayTiklandi(QSystemTrayIcon::Trigger);
    QVERIFY(w.isHidden());
    QVERIFY(!m.gizle->isEnabled() && m.goster->isEnabled());
    w.slotTrayTiklandi(QSystemTrayIcon::DoubleClick);
    QVERIFY(w.isHidden());
    w.slotTrayTiklandi(QSystemTrayIcon::Trigger);
    QVERIFY(w.isVisible());
    QVERIFY(m.gizle->isEnabled() && !m.goster->isEnabled());
}

void TestTepsi::kucultulmusGeriGelir()
{
    QRavla w;
    w.show();
    w.showMinimized();
    menu(w).gizle->trigger();
    QVERIFY(w.isHidden());
    w.slotTrayTiklandi(QSystemTrayIcon::Trigger);
    QVERIFY(w.isVisible());
    QVERIFY(!w.isMinimized());
}

void TestTepsi::kapatma_data()
{
    QTest::addColumn<bool>("tepsi");
    QTest::newRow("with a tray: hides, runs on") << true;
    QTest::newRow("without one: closes") << false;
}

void TestTepsi::kapatma()
{
    QFETCH(bool, tepsi);
    QRavla::tepsiVarMi = [tepsi] { return tepsi; };
    QRavla w;
    w.show();
    QCOMPARE(w.close(), !tepsi);
    QVERIFY(w.isHidden());
    QCOMPARE(menu(w).goster->isEnabled(), tepsi);
}

void TestTepsi::cikis_data()
{
    QTest::addColumn<QString>("acik");
    QTest::newRow("window shown") << "pencere";
    QTest::newRow("window in the tray") << "";
    QTest::newRow("adhan popup on screen") << "ezan";
    QTest::newRow("reminder popup on screen") << "bildirim";
    QTest::newRow("options dialog open") << "secenekler";
    QTest::newRow("a window that stays open") << "inatci";
}

// The tray menu's quit ends the program whatever is on screen. Qt's own quit asks every window
// to close and gives up at the first that refuses, the main window (which hides into the tray
// instead), leaving those after it open; one still open cancels the quit. On X11 the tray icon
// is such a window, so "Çıkıs" did nothing at all there.
void TestTepsi::cikis()
{
    struct Inatci : QWidget {
        void closeEvent(QCloseEvent *e) override { e->ignore(); }
    };
    QFETCH(QString, acik);
    Inatci inatci;
    if (acik == "inatci")
        inatci.show();
    QRavla w;
    if (!acik.isEmpty())
        w.show();
    if (acik == "ezan")
        w.ezanBildirimi().MesajGoster(QStringLiteral("Namaz Vakti"));
    else if (acik == "bildirim")
        w.bildirim().MesajGoster(QStringLiteral("Hatırlatma"), QStringLiteral("x"));
    else if (acik == "secenekler")
        w.SeceneklerFormuGoster();
    if (acik.isEmpty())
        w.TrayGizle();

    QTimer::singleShot(0, menu(w).cikis, &QAction::trigger);
    QTimer sinir; // a refused quit leaves the loop running: end it here, and fail
    sinir.setSingleShot(true);
    connect(&sinir, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    sinir.start(3000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

// The tray icon and the mosque blink for 171 ticks and end on the normal picture; a prayer
// during the blinking does not lengthen it.
void TestTepsi::animasyon()
{
    QRavla w;
    const QImage normal = resim(w.trayIkonu()->icon());
    QTimer *z = w.animasyonZamanlayicisi();
    z->start(700);
    QList<bool> kareler;
    for (int i = 0; i < 100; ++i) {
        w.TrayAnimasyon();
        kareler << (resim(w.trayIkonu()->icon()) == normal);
    }
    QCOMPARE(kareler.mid(0, 4), (QList<bool>{true, false, true, false}));
    z->start(700); // another prayer comes in
    for (int i = 100; i < 171; ++i)
        w.TrayAnimasyon();
    QVERIFY(!z->isActive());
    QCOMPARE(w.animasyonKaresi(), 0);
    QCOMPARE(resim(w.trayIkonu()->icon()), normal);
    QCOMPARE(w.findChild<QLabel *>("camilabel")->pixmap().toImage(),
             QPixmap(":/iconlar/resim/cami.png").toImage());
}

void TestTepsi::dilSecimi_data()
{
    QTest::addColumn<int>("secilen");
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QString>("mesaj");

    QTest::newRow("Turkish") << 0 << "tr_TR"
                             << "Bilgi"
                             << "Değişiklikler program yeniden başladığızı zaman etkin olacaktır!";
    QTest::newRow("Arabic") << 1 << "ar_AR"
                            << "المعلومات"
                            << "! يجب عليك إعادة تشغيل البرنامج ليتم تنفيذ التعديلات التي طلبتها";
    QTest::newRow("German") << 2 << "de_DE"
                            << "Information"
                            << "Änderung wird erst nach Neustart des Programms wirksam!";
    QTest::newRow("English") << 3 << "en_EN"
                             << "information"
                             << "Please restart Ravla for all the changes to take effect!";
}

void TestTepsi::dilSecimi()
{
    QFETCH(int, secilen);
    QFETCH(QString, kod);
    QFETCH(QString, baslik);
    QFETCH(QString, mesaj);

    dilDeposu().setValue("Dil No", secilen == 2 ? "3" : "2");
    QRavla w;
    QComboBox *kutu = w.findChild<QComboBox *>("DilComboBox");
    QVERIFY(kutu->isEnabled());
    kutu->setCurrentIndex(secilen);
    QCOMPARE(dilDeposu().value("Yerel Dil").toString(), kod);
    QCOMPARE(dilDeposu().value("Dil No").toString(), QString::number(secilen));
    QCOMPARE(bildirimMetni(w, "lblTitle"), baslik);
    QCOMPARE(bildirimMetni(w, "lblMesaj"), mesaj);
    QVERIFY(w.bildirim().isVisible());
    // The running interface stays as it started.
    QCOMPARE(menu(w).gizle->text(),
             secilen == 2 ? QStringLiteral("hide") : QStringLiteral("Ausblenden"));

    // Picking the current item again is no change.
    dilDeposu().clear();
    kutu->setCurrentIndex(secilen);
    QVERIFY(dilDeposu().allKeys().isEmpty());
}

void TestTepsi::gorusBildirimi_data()
{
    QTest::addColumn<QDateTime>("baslangic");
    QTest::addColumn<bool>("gosterilir");

    QTest::newRow("the 7th") << QDateTime(QDate(2026, 3, 7), QTime(10, 0)) << true;
    QTest::newRow("the 25th") << QDateTime(QDate(2026, 12, 25), QTime(10, 0)) << true;
    QTest::newRow("the 8th") << QDateTime(QDate(2026, 3, 8), QTime(10, 0)) << false;
    // The day is read at the 95th tick, after midnight.
    QTest::newRow("started on the 6th, the 7th by then")
        << QDateTime(QDate(2026, 3, 6), QTime(23, 59, 0)) << true;
}

void TestTepsi::gorusBildirimi()
{
    QFETCH(QDateTime, baslangic);
    QFETCH(bool, gosterilir);

    dilDeposu().setValue("Dil No", "2");
    simdi = baslangic;
    QRavla w;
    for (int tik = 1; tik <= 200; ++tik) {
        simdi = baslangic.addSecs(tik);
        w.ZamanAkimi();
        if (tik == 94)
            QVERIFY(!w.bildirim().isVisible());
        if (tik == 95) {
            QCOMPARE(w.bildirim().isVisible(), gosterilir);
            w.bildirim().hide();
        }
    }
    QVERIFY(!w.bildirim().isVisible()); // once per run
    if (gosterilir) {
        QCOMPARE(bildirimMetni(w, "lblTitle"), QStringLiteral("Wie hat Ihnen Ravla gefallen?"));
        // No address to write to: the message is the table's text alone.
        QCOMPARE(bildirimMetni(w, "lblMesaj"),
                 QStringLiteral("Schicken Sie Ihre Meinung an diese EMail Adresse"));
    }
}

void TestTepsi::tekKopya()
{
    const QString ad =
        QStringLiteral("ravla-test-") + QString::number(QCoreApplication::applicationPid());
    {
        TekKopya ilk(ad);
        QVERIFY(ilk.ilkKopya());
        QSignalSpy goster(&ilk, &TekKopya::gosterIstendi);
        TekKopya ikinci(ad);
        QVERIFY(!ikinci.ilkKopya());
        QTRY_COMPARE(goster.size(), 1);
    }
    // A first copy killed: its lock names a process that is gone, its requests remain.
    QString klasor = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (klasor.isEmpty())
        klasor = QDir::tempPath();
    QFile kilit(klasor + "/" + ad + ".lock");
    QVERIFY(kilit.open(QIODevice::WriteOnly));
    kilit.write("999999\nravla\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    kilit.close();
    QFile istek(klasor + "/" + ad + ".goster");
    QVERIFY(istek.open(QIODevice::WriteOnly));
    istek.write("goster\ngoster\n");
    istek.close();
    TekKopya yeni(ad);
    QVERIFY(yeni.ilkKopya());
    QSignalSpy goster(&yeni, &TekKopya::gosterIstendi);
    QTest::qWait(100);
    QCOMPARE(goster.size(), 0); // an old request is not a new one
    TekKopya ucuncu(ad);
    QVERIFY(!ucuncu.ilkKopya());
    QTRY_COMPARE(goster.size(), 1);
}

void TestTepsi::ipucu_data()
{
    QTest::addColumn<QString>("saat");
    QTest::addColumn<QVariant>("dilNo");
    QTest::addColumn<QString>("ipucu");

    // Istanbul at UTC+2 on 5 December 2026: Fajr 5:34, Dhuhr 11:54, Isha 18:08.
    QTest::newRow("morning") << "10:00:00" << QVariant("0") << "Öğle 11:54 — 1 saat 55 dakika";
    QTest::newRow("evening, towards tomorrow")
        << "20:00:00" << QVariant("0") << "Sabah 05:34 — 9 saat 35 dakika";
    QTest::newRow("English") << "11:00:30" << QVariant("3") << "Dhuhr 11:54 — 0 h 54 min";
    QTest::newRow("German") << "18:00:00" << QVariant("2") << "Ischa 18:08 — 0 Std. 9 Min.";
}

// The tray icon tells the next prayer, its time and the time left.
void TestTepsi::ipucu()
{
    QFETCH(QString, saat);
    QFETCH(QVariant, dilNo);
    QFETCH(QString, ipucu);

    AyarDegerleri a;
    a.enlem = 41.0, a.boylam = 29.0, a.gmt = 2, a.yazSaatiOtomatik = false;
    Ayarlar ayarlar;
    ayarlar.Bagla(a);
    ayarlar.Kaydet();
    dilDeposu().setValue("Dil No", dilNo);
    simdi = QDateTime(QDate(2026, 12, 5), QTime::fromString(saat, "hh:mm:ss"));
    QRavla w;
    QCOMPARE(w.trayIkonu()->toolTip(), ipucu);
    QSettings(QLatin1String(kOrganizasyon), QStringLiteral("Ravla Ayarlar")).clear();
}

// Start at login: the entry written where the desktop looks, valid, naming this program so
// that it starts in the tray; and gone again.
void TestTepsi::otomatikBaslat()
{
    const QString yol = OtomatikBaslat::girisYolu();
    QVERIFY(yol.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/"));
    QVERIFY(!OtomatikBaslat::etkinMi());
    QVERIFY(OtomatikBaslat::ayarla(true));
    QVERIFY(OtomatikBaslat::etkinMi());
    QFile f(yol);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString giris = QString::fromUtf8(f.readAll());
    QVERIFY(giris.contains("\nExec=" + QCoreApplication::applicationFilePath() + " --tepsi\n"));
    QVERIFY(giris.contains("\nName=Ravla Namaz Vakti\n"));
    const QString dogrulayici = QStandardPaths::findExecutable("desktop-file-validate");
    if (!dogrulayici.isEmpty()) {
        QProcess p;
        p.start(dogrulayici, {yol});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(!p.readAll().contains("error"), "desktop-file-validate found errors");
    }
    QVERIFY(OtomatikBaslat::ayarla(false));
    QVERIFY(!QFile::exists(yol));
    QVERIFY(OtomatikBaslat::ayarla(false)); // removing what is not there is fine
}

RAVLA_TEST_MAIN(TestTepsi)
#include "tst_tepsi.moc"
