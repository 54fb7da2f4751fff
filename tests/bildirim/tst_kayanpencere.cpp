#include "aniform.h"
#include "ezanpopup.h"
#include "testortami.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Both popups run the same animation; the rows say which one and how long it stays.
std::unique_ptr<KayanPencere> yeni(const QString &tur)
{
    if (tur == QLatin1String("ezan"))
        return std::make_unique<EzanPopup>();
    return std::make_unique<AniForm>();
}

void goster(KayanPencere &p, const QString &mesaj)
{
    if (auto *e = qobject_cast<EzanPopup *>(&p))
        e->MesajGoster(mesaj);
    else
        qobject_cast<AniForm *>(&p)->MesajGoster(QStringLiteral("Bilgi"), mesaj);
}

QString mesaji(const KayanPencere &p)
{
    const char *ad = qobject_cast<const EzanPopup *>(&p) ? "MesajLabel" : "lblMesaj";
    return p.findChild<QLabel *>(ad)->text();
}

// Ticks until the phase changes; returns how many ticks that took (or -1 past the limit).
int fazBitene(KayanPencere &p, int sinir = 5000)
{
    const int faz = p.durumu();
    for (int i = 1; i <= sinir; ++i) {
        p.displayTimerOnTimer();
        if (p.durumu() != faz || !p.isVisible())
            return i;
    }
    return -1;
}

// Runs a real event loop until the condition holds or the deadline passes. QTest::qWait
// would sleep 10 ms between rounds and hold a 1 ms timer back to a tenth of its pace.
bool bekle(const std::function<bool()> &kosul, int sinirMs)
{
    QEventLoop dongu;
    QTimer yoklama;
    QObject::connect(&yoklama, &QTimer::timeout, &dongu, [&] {
        if (kosul())
            dongu.quit();
    });
    yoklama.start(2);
    QTimer::singleShot(sinirMs, &dongu, &QEventLoop::quit);
    if (!kosul())
        dongu.exec();
    return kosul();
}

} // namespace

class TestKayanPencere : public QObject
{
    Q_OBJECT

private slots:
    void kayma_data();
    void kayma();
    void varsayilanEkran();
    void alanDegisir();
    void ikinciMesaj_data();
    void ikinciMesaj();
    void kayarakKapat_data();
    void kayarakKapat();
    void gizliyken_data();
    void gizliyken();
    void ekranYok();
    void disaridanTasinir();
    void gercekZamanlayici();
};

void TestKayanPencere::kayma_data()
{
    QTest::addColumn<QString>("tur");
    QTest::addColumn<QRect>("alan");
    QTest::addColumn<int>("bekleme");

    const QRect tam(0, 0, 1280, 1024);
    const QRect altPanel(0, 0, 1280, 984);
    const QRect solPanel(48, 0, 1232, 1024);
    const QRect ustPanel(0, 30, 1280, 994);
    const QRect sagPanel(0, 0, 1216, 1024);
    const QRect ikinciEkran(1280, 100, 1920, 1040); // right of the first, lower down

    for (const char *tur : {"ezan", "ani"}) {
        const int bekleme = qstrcmp(tur, "ezan") == 0 ? 14000 : 9000;
        QTest::addRow("%s, whole screen", tur) << tur << tam << bekleme;
        QTest::addRow("%s, bottom panel", tur) << tur << altPanel << bekleme;
        QTest::addRow("%s, left panel", tur) << tur << solPanel << bekleme;
        QTest::addRow("%s, top panel", tur) << tur << ustPanel << bekleme;
        QTest::addRow("%s, right panel", tur) << tur << sagPanel << bekleme;
        QTest::addRow("%s, second screen", tur) << tur << ikinciEkran << bekleme;
    }
}

void TestKayanPencere::kayma()
{
    QFETCH(QString, tur);
    QFETCH(QRect, alan);
    QFETCH(int, bekleme);

    auto p = yeni(tur);
    p->calismaAlaniKaynagiAyarla([alan] { return alan; });
    QVERIFY(!p->zamanlayicisi()->isActive()); // nothing ticks before the first message
    goster(*p, QStringLiteral("Namaz Vakti"));
    QCOMPARE(mesaji(*p), QStringLiteral("Namaz Vakti"));

    const int w = p->frameGeometry().width();
    const int h = p->frameGeometry().height();
    const int disari = alan.right() + 1; // the first column beyond the work area
    const int varis = disari - w;        // the popup's right edge on the work area's
    const int y = alan.bottom() + 1 - h; // its bottom on the work area's

    QVERIFY(p->isVisible());
    QCOMPARE(p->pos(), QPoint(disari, y));
    QCOMPARE(p->durumu(), int(KayanPencere::Giriyor));
    QVERIFY(p->zamanlayicisi()->isActive());
    QCOMPARE(p->zamanlayicisi()->interval(), 1);

    // In: one pixel to the left per tick.
    for (int x = disari - 1; x >= varis; --x) {
        p->displayTimerOnTimer();
        if (p->pos() != QPoint(x, y))
            QFAIL(qPrintable(QStringLiteral("sliding in, expected x %1, got %2,%3")
                                 .arg(x)
                                 .arg(p->x())
                                 .arg(p->y())));
    }
    QCOMPARE(p->durumu(), int(KayanPencere::Giriyor));

    // The next tick finds it arrived, whole inside the work area, and starts the wait.
    p->displayTimerOnTimer();
    QCOMPARE(p->pos(), QPoint(varis, y));
    QVERIFY2(alan.contains(p->frameGeometry()), "the popup lies under a panel");
    QCOMPARE(p->frameGeometry().bottom(), alan.bottom());
    QCOMPARE(p->durumu(), int(KayanPencere::Bekliyor));
    QVERIFY(p->zamanlayicisi()->isActive());
    QCOMPARE(p->zamanlayicisi()->interval(), bekleme);

    // The wait is over: out again at one pixel per millisecond.
    p->displayTimerOnTimer();
    QCOMPARE(p->durumu(), int(KayanPencere::Cikiyor));
    QCOMPARE(p->zamanlayicisi()->interval(), 1);
    QCOMPARE(p->pos(), QPoint(varis, y));
    for (int x = varis + 1; x <= disari; ++x) {
        p->displayTimerOnTimer();
        if (p->pos() != QPoint(x, y) || !p->isVisible())
            QFAIL(qPrintable(QStringLiteral("sliding out, expected x %1, got %2,%3")
                                 .arg(x)
                                 .arg(p->x())
                                 .arg(p->y())));
    }

    // Off the work area: hidden, and the timer stops.
    p->displayTimerOnTimer();
    QVERIFY(!p->isVisible());
    QVERIFY(!p->zamanlayicisi()->isActive());
    QCOMPARE(p->durumu(), int(KayanPencere::Bos));
}

void TestKayanPencere::varsayilanEkran()
{
    // Without a source of its own the popup takes its screen's work area: the test desktop's
    // 1280 x 1024.
    AniForm p;
    p.MesajGoster(QStringLiteral("Bilgi"), QStringLiteral("Yeni dil"));
    QCOMPARE(p.size(), QSize(281, 86));
    const QSize d = p.frameGeometry().size(); // with the frame the test platform draws
    QCOMPARE(p.pos(), QPoint(1280, 1024 - d.height()));
    QCOMPARE(fazBitene(p), d.width() + 1);
    QCOMPARE(p.pos(), QPoint(1280 - d.width(), 1024 - d.height()));
}

void TestKayanPencere::alanDegisir()
{
    // A panel that appears on the right while the popup slides in moves its goal.
    QRect alan(0, 0, 1280, 1024);
    AniForm p;
    p.calismaAlaniKaynagiAyarla([&alan] { return alan; });
    p.MesajGoster(QString(), QString());
    const QSize d = p.frameGeometry().size();
    for (int i = 0; i < 100; ++i)
        p.displayTimerOnTimer();
    QCOMPARE(p.x(), 1180);
    alan.setWidth(1230);
    QCOMPARE(fazBitene(p), 1180 - (1230 - d.width()) + 1);
    // The height stays where it started.
    QCOMPARE(p.pos(), QPoint(1230 - d.width(), 1024 - d.height()));
}

void TestKayanPencere::ikinciMesaj_data()
{
    QTest::addColumn<QString>("tur");
    QTest::addColumn<int>("bekleme");
    QTest::newRow("adhan popup") << "ezan" << 14000;
    QTest::newRow("notice") << "ani" << 9000;
}

void TestKayanPencere::ikinciMesaj()
{
    QFETCH(QString, tur);
    QFETCH(int, bekleme);

    const QRect alan(0, 0, 1000, 700);
    auto p = yeni(tur);
    p->calismaAlaniKaynagiAyarla([alan] { return alan; });
    goster(*p, QStringLiteral("birinci"));
    const QPoint baslangic = p->pos();
    QCOMPARE(fazBitene(*p), p->frameGeometry().width() + 1);
    QCOMPARE(p->durumu(), int(KayanPencere::Bekliyor));

    // A second message during the wait: back beyond the edge, in again, a full wait anew.
    goster(*p, QStringLiteral("ikinci"));
    QCOMPARE(mesaji(*p), QStringLiteral("ikinci"));
    QCOMPARE(p->pos(), baslangic);
    QCOMPARE(p->durumu(), int(KayanPencere::Giriyor));
    QCOMPARE(p->zamanlayicisi()->interval(), 1);
    QCOMPARE(fazBitene(*p), p->frameGeometry().width() + 1);
    QCOMPARE(p->zamanlayicisi()->interval(), bekleme);

    // And one while it slides out.
    p->displayTimerOnTimer();
    for (int i = 0; i < 30; ++i)
        p->displayTimerOnTimer();
    goster(*p, QStringLiteral("üçüncü"));
    QCOMPARE(p->pos(), baslangic);
    QCOMPARE(fazBitene(*p), p->frameGeometry().width() + 1);
}

void TestKayanPencere::kayarakKapat_data()
{
    QTest::addColumn<int>("girisAdimi"); // ticks into the slide-in
    QTest::addColumn<bool>("beklerken"); // or arrived and waiting
    QTest::addColumn<int>("cikisAdimi"); // then ticks into the slide-out

    QTest::newRow("just shown") << 0 << false << 0;
    QTest::newRow("half way in") << 60 << false << 0;
    QTest::newRow("waiting") << 0 << true << 0;
    QTest::newRow("already sliding out") << 0 << true << 25;
}

void TestKayanPencere::kayarakKapat()
{
    QFETCH(int, girisAdimi);
    QFETCH(bool, beklerken);
    QFETCH(int, cikisAdimi);

    const QRect alan(100, 0, 1180, 1000);
    EzanPopup p;
    p.calismaAlaniKaynagiAyarla([alan] { return alan; });
    p.MesajGoster(QStringLiteral("Ezan Okunuyor"));
    const int y = p.y();
    for (int i = 0; i < girisAdimi; ++i)
        p.displayTimerOnTimer();
    if (beklerken)
        fazBitene(p);
    if (cikisAdimi > 0) {
        p.displayTimerOnTimer(); // the wait ends
        for (int i = 0; i < cikisAdimi; ++i)
            p.displayTimerOnTimer();
    }

    const int x0 = p.x();
    p.KayarakKapat();
    QVERIFY(p.isVisible());
    QCOMPARE(p.durumu(), int(KayanPencere::Cikiyor));
    QCOMPARE(p.zamanlayicisi()->interval(), 1);
    QVERIFY(p.zamanlayicisi()->isActive());

    // It turns back at once: every tick one pixel to the right, until it is off the area.
    for (int x = x0 + 1; x <= alan.right() + 1; ++x) {
        p.displayTimerOnTimer();
        QCOMPARE(p.pos(), QPoint(x, y));
    }
    p.displayTimerOnTimer();
    QVERIFY(!p.isVisible());
    QVERIFY(!p.zamanlayicisi()->isActive());
}

void TestKayanPencere::gizliyken_data()
{
    QTest::addColumn<bool>("birKezGosterildi");
    QTest::newRow("never shown") << false;
    QTest::newRow("after a whole run") << true;
}

void TestKayanPencere::gizliyken()
{
    QFETCH(bool, birKezGosterildi);

    EzanPopup p;
    p.calismaAlaniKaynagiAyarla([] { return QRect(0, 0, 800, 600); });
    if (birKezGosterildi) {
        p.MesajGoster(QStringLiteral("x"));
        for (int faz = 0; faz < 3; ++faz)
            QVERIFY(fazBitene(p) > 0);
        QVERIFY(!p.isVisible());
    }
    const QPoint konum = p.pos();
    const int durum = p.durumu();

    // "Dur" with no popup on screen: nothing appears and nothing starts ticking.
    p.KayarakKapat();
    QVERIFY(!p.isVisible());
    QVERIFY(!p.zamanlayicisi()->isActive());
    QCOMPARE(p.durumu(), durum);
    p.displayTimerOnTimer();
    QVERIFY(!p.isVisible());
    QCOMPARE(p.pos(), konum);

    // Hidden from outside half way: the next tick stops the timer.
    p.MesajGoster(QStringLiteral("y"));
    p.displayTimerOnTimer();
    p.hide();
    p.displayTimerOnTimer();
    QVERIFY(!p.isVisible());
    QVERIFY(!p.zamanlayicisi()->isActive());
}

void TestKayanPencere::ekranYok()
{
    // No screen to slide onto (all monitors gone): the message is kept, nothing is shown.
    AniForm p;
    p.calismaAlaniKaynagiAyarla([] { return QRect(); });
    p.MesajGoster(QStringLiteral("Bilgi"), QStringLiteral("mesaj"));
    QVERIFY(!p.isVisible());
    QVERIFY(!p.zamanlayicisi()->isActive());
    QCOMPARE(mesaji(p), QStringLiteral("mesaj"));

    // A work area that vanishes mid-way: the last one known still holds.
    QRect alan(0, 0, 1280, 1024);
    p.calismaAlaniKaynagiAyarla([&alan] { return alan; });
    p.MesajGoster(QString(), QString());
    alan = QRect();
    const QSize d = p.frameGeometry().size();
    QCOMPARE(fazBitene(p), d.width() + 1);
    QCOMPARE(p.pos(), QPoint(1280 - d.width(), 1024 - d.height()));
}

void TestKayanPencere::disaridanTasinir()
{
    // Something else moves the popup half way out (a late report of the window system, a
    // drag): the slide goes on from where it was and ends on time.
    const QRect alan(0, 0, 1280, 1024);
    AniForm p;
    p.calismaAlaniKaynagiAyarla([alan] { return alan; });
    p.MesajGoster(QString(), QString());
    const QSize d = p.frameGeometry().size();
    fazBitene(p);
    p.displayTimerOnTimer(); // the wait is over
    for (int i = 0; i < 10; ++i)
        p.displayTimerOnTimer();
    p.move(5, 5);
    p.displayTimerOnTimer();
    QCOMPARE(p.pos(), QPoint(1280 - d.width() + 11, 1024 - d.height()));
    QCOMPARE(fazBitene(p), d.width() - 11 + 1);
    QVERIFY(!p.isVisible());
}

void TestKayanPencere::gercekZamanlayici()
{
    // On its own timer: in at about a pixel per millisecond, never faster; after "Dur" out
    // and hidden, and then no tick at all while nothing is on screen.
    EzanPopup p;
    p.calismaAlaniKaynagiAyarla([] { return QRect(0, 0, 1280, 1024); });
    QElapsedTimer sure;
    sure.start();
    p.MesajGoster(QStringLiteral("Namaz Vakti"));
    const int w = p.frameGeometry().width();
    QVERIFY(bekle([&p] { return p.durumu() == KayanPencere::Bekliyor; }, 3000));
    QVERIFY2(sure.elapsed() >= w - 5, qPrintable(QString::number(sure.elapsed())));
    QCOMPARE(p.x(), 1280 - w);
    QCOMPARE(p.zamanlayicisi()->remainingTime() > 13000, true);

    p.KayarakKapat();
    QVERIFY(bekle([&p] { return !p.isVisible(); }, 3000));
    QVERIFY(!p.zamanlayicisi()->isActive());

    QSignalSpy tikler(p.zamanlayicisi(), &QTimer::timeout);
    p.KayarakKapat();
    QTest::qWait(100);
    QCOMPARE(tikler.count(), 0);
}

RAVLA_TEST_MAIN(TestKayanPencere)
#include "tst_kayanpencere.moc"
