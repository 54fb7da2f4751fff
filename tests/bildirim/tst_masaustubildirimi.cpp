// Which way an alert is told, what its notification says, and the notification's round trip
// over a real session bus of the test's own (dbus-daemon) to a service registered there.
#include "masaustubildirimi.h"
#include "metinler.h"
#include "programklasoru.h"
#include "qravla.h"
#include "saat.h"
#include "testortami.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>

// Stands in for the desktop's notification daemon: records every call.
class Hizmet : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QVariantList> cagrilar; // Notify's eight arguments; CloseNotification's one
    uint sonNo = 0;

public slots:
    uint Notify(const QString &uygulama, uint yerine, const QString &simge, const QString &baslik,
                const QString &metin, const QStringList &eylemler, const QVariantMap &ipuclari,
                int sure)
    {
        cagrilar << QVariantList{uygulama, yerine, simge, baslik, metin, eylemler, ipuclari, sure};
        return yerine ? yerine : ++sonNo;
    }
    void CloseNotification(uint no) { cagrilar << QVariantList{no}; }
};

class TestMasaustuBildirimi : public QObject
{
    Q_OBJECT

    QProcess bus;
    QString adres;

    void sinyal(const QString &ad, const QVariantList &argumanlar)
    {
        QDBusMessage m = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                    "org.freedesktop.Notifications", ad);
        m.setArguments(argumanlar);
        QVERIFY(QDBusConnection(QStringLiteral("hizmet")).send(m));
    }

private slots:
    void initTestCase()
    {
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus.waitForStarted(5000))
            QSKIP("no dbus-daemon (package dbus)");
        QVERIFY(bus.waitForReadyRead(5000));
        adres = QString::fromUtf8(bus.readLine()).trimmed();
        QVERIFY(!adres.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", adres.toUtf8());
    }

    void cleanupTestCase()
    {
        bus.terminate();
        bus.waitForFinished(3000);
    }

    // Where the sliding window can be placed the choice decides (0 it, 1 the notification, 2
    // both, anything else it); where it cannot, the notification; without a service, the
    // window, wherever. K the window, B the notification, for the choices 0, 1, 2 and 7.
    void yol_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("ekranVar");
        QTest::addColumn<bool>("hizmetVar");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("xcb") << "xcb" << true << true << "K B KB K";
        QTest::newRow("windows") << "windows" << true << true << "K B KB K";
        QTest::newRow("wayland") << "wayland" << true << true << "B B B B";
        QTest::newRow("wayland-egl") << "wayland-egl" << true << true << "B B B B";
        QTest::newRow("ekransız") << "xcb" << false << true << "B B B B";
        QTest::newRow("xcb, hizmetsiz") << "xcb" << true << false << "K K K K";
        QTest::newRow("wayland, hizmetsiz") << "wayland" << true << false << "K K K K";
    }
    void yol()
    {
        QFETCH(QString, platform);
        QFETCH(bool, ekranVar);
        QFETCH(bool, hizmetVar);
        QFETCH(QString, beklenen);
        const bool yerlesir =
            Bildirim::kayanYerlesir(platform, ekranVar ? QRect(0, 0, 1280, 1000) : QRect());
        QStringList olan;
        for (const int sekil : {0, 1, 2, 7}) {
            const Bildirim::Yol y = Bildirim::yol(sekil, yerlesir, hizmetVar);
            olan << QString(y.kayan ? "K" : "") + (y.masaustu ? "B" : "");
        }
        QCOMPARE(olan.join(' '), beklenen);
    }

    // The title names the prayer and its time in the interface language; a reminder's text the
    // prayer and the minutes left.
    void metinler_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QString>("beklenen");
        const qint64 gun = QDate(2026, 6, 10).toJulianDay() * 86400000;
        const auto an = [gun](int s, int d) { return gun + (s * 60 + d) * 60000LL; };
        QTest::newRow("Sabah") << Metinler::vakitBildirimi(0, 1, an(3, 26)) << "Sabah 03:26";
        QTest::newRow("Yatsı 24:40") << Metinler::vakitBildirimi(0, 5, an(24, 40)) << "Yatsı 00:40";
        QTest::newRow("de") << Metinler::vakitBildirimi(2, 3, an(17, 8)) << "Asr 17:08";
        QTest::newRow("en") << Metinler::vakitBildirimi(3, 4, an(20, 43)) << "Maghrib 20:43";
        QTest::newRow("ar") << Metinler::vakitBildirimi(1, 5, an(22, 32)) << "العشاء 22:32";
        QTest::newRow("no prayer 6") << Metinler::vakitBildirimi(0, 6, an(1, 0)) << "";
        QTest::newRow("no language") << Metinler::vakitBildirimi(4, 2, an(1, 0)) << "";
        QTest::newRow("reminder") << Metinler::hatirlatma(3, 6, 30) << "30 minutes until Imsak";
    }
    void metinler()
    {
        QFETCH(QString, metin);
        QFETCH(QString, beklenen);
        QCOMPARE(metin, beklenen);
    }

    // The bus is joined at the first notification, not when the object is made.
    void hizmetle()
    {
        QDBusConnection h = QDBusConnection::connectToBus(adres, "hizmet");
        Hizmet hizmet;
        QVERIFY(h.registerObject("/org/freedesktop/Notifications", &hizmet,
                                 QDBusConnection::ExportAllSlots));
        QVERIFY(h.registerService("org.freedesktop.Notifications"));

        MasaustuBildirimi b(QImage(64, 64, QImage::Format_ARGB32));
        QVERIFY(!b.bagliMi());
        QSignalSpy durdur(&b, &MasaustuBildirimi::durdurIstendi);
        QSignalSpy sonuc(this, &TestMasaustuBildirimi::sonucGeldi);
        b.ezanGonder("Öğle 13:08", "Namaz Vakti", [this](bool ok) { emit sonucGeldi(ok); });
        // The recording failed before the service's number came back: the line still comes,
        // in place of the first notification.
        b.ezanaEkle("Seçilen ezan kaydı çalınamadı");
        QTRY_COMPARE(hizmet.cagrilar.size(), 2);
        QCOMPARE(sonuc.count(), 1);
        QCOMPARE(sonuc[0][0].toBool(), true);
        QVERIFY(b.bagliMi());
        QCOMPARE(hizmet.cagrilar[0][1].toUInt(), 0u);
        const QVariantList &ikinci = hizmet.cagrilar[1];
        QCOMPARE(ikinci[1].toUInt(), 1u);
        QCOMPARE(ikinci[4].toString(), "Namaz Vakti\nSeçilen ezan kaydı çalınamadı");

        // Only the stop action of this notification stops the adhan.
        sinyal("ActionInvoked", {2u, "ravla-durdur"});
        sinyal("ActionInvoked", {1u, "default"});
        sinyal("ActionInvoked", {1u, "ravla-durdur"});
        QTRY_COMPARE(durdur.count(), 1);
        QTest::qWait(50);
        QCOMPARE(durdur.count(), 1);

        // A reminder is a notification of its own, without the action.
        b.gonder("Hatırlatma", "Öğle namazına 15 dakika kaldı");
        QTRY_COMPARE(hizmet.cagrilar.size(), 3);
        QCOMPARE(hizmet.cagrilar[2][1].toUInt(), 0u);
        QVERIFY(hizmet.cagrilar[2][5].toStringList().isEmpty());

        // Stopped from the window: the adhan's notification goes; once closed, no stop action
        // of it counts.
        b.ezanKapat();
        QTRY_COMPARE(hizmet.cagrilar.size(), 4);
        QCOMPARE(hizmet.cagrilar[3], QVariantList{1u});
        sinyal("ActionInvoked", {1u, "ravla-durdur"});
        QTest::qWait(50);
        QCOMPARE(durdur.count(), 1);
        h.unregisterService("org.freedesktop.Notifications");
        QDBusConnection::disconnectFromBus("hizmet");
    }

    // The window at Dhuhr (Istanbul at UTC+2 on 5 December 2026: 11:54): the popup alone, both,
    // or, without the service, the popup in place of the notification (the notification alone
    // is the end-to-end test's, under Wayland; every choice is yol's). The notification's stop
    // action stops the adhan as the window's stop button does: its popup slides out.
    void pencere_data()
    {
        QTest::addColumn<int>("sekil");
        QTest::addColumn<bool>("hizmetVar");
        QTest::addColumn<bool>("bildirim");
        QTest::newRow("kayan") << 0 << true << false;
        QTest::newRow("ikisi") << 2 << true << true;
        QTest::newRow("bildirim, hizmetsiz") << 1 << false << false;
    }
    void pencere()
    {
        QFETCH(int, sekil);
        QFETCH(bool, hizmetVar);
        QFETCH(bool, bildirim);
        QDBusConnection h = QDBusConnection::connectToBus(adres, "hizmet");
        Hizmet hizmet;
        if (hizmetVar) {
            QVERIFY(h.registerObject("/org/freedesktop/Notifications", &hizmet,
                                     QDBusConnection::ExportAllSlots));
            QVERIFY(h.registerService("org.freedesktop.Notifications"));
        }
        const auto kapat = qScopeGuard([&h] {
            h.unregisterService("org.freedesktop.Notifications");
            h.unregisterObject("/org/freedesktop/Notifications");
            QDBusConnection::disconnectFromBus("hizmet");
        });
        AyarDegerleri a;
        a.enlem = 41, a.boylam = 29, a.gmt = 2, a.yazSaatiOtomatik = false;
        a.bildirimSekli = sekil;
        QVERIFY(Ayarlar().Kaydet(a));
        ProgramKlasoru::ayarla(QStringLiteral(RAVLA_PROGRAM_KLASORU));
        QDateTime simdi(QDate(2026, 12, 5), QTime(11, 53, 59, 900));
        Saat::ayarla([&simdi] { return simdi; });
        const auto saat = qScopeGuard([] { Saat::ayarla({}); });
        QRavla w;
        w.ZamanAkimi();
        simdi = simdi.addMSecs(500);
        w.ZamanAkimi();
        QTRY_VERIFY(w.ezanBildirimi().isVisible());
        QTRY_COMPARE(hizmet.cagrilar.size(), bildirim ? 1 : 0);
        if (!bildirim) {
            QTest::qWait(100);
            QCOMPARE(hizmet.cagrilar.size(), 0);
            return;
        }
        QCOMPARE(hizmet.cagrilar[0][3].toString(), "Öğle 11:54");
        QTRY_COMPARE(w.ezanBildirimi().durumu(), int(KayanPencere::Bekliyor));
        sinyal("ActionInvoked", {1u, "ravla-durdur"});
        QTRY_COMPARE(w.ezanBildirimi().durumu(), int(KayanPencere::Cikiyor));
        QTRY_COMPARE(hizmet.cagrilar.size(), 2); // and the notification is withdrawn
        QCOMPARE(hizmet.cagrilar[1], QVariantList{1u});
    }

signals:
    void sonucGeldi(bool alindi);
};

RAVLA_TEST_MAIN(TestMasaustuBildirimi)
#include "tst_masaustubildirimi.moc"
