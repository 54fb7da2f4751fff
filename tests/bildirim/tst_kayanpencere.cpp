#include "aniform.h"
#include "ezanpopup.h"
#include "testortami.h"

#include <QLabel>
#include <QTimer>

// Ticks through one slide, which must go a pixel a tick the given way and nowhere else, until
// the phase changes; returns the pixels it went, or -1 at a wrong step.
static int kaydir(KayanPencere &p, int yon)
{
    const int faz = p.durumu();
    const QPoint bas = p.pos();
    int i = 0;
    for (; i < 5000 && p.durumu() == faz && p.pos() == bas + QPoint(i * yon, 0); ++i)
        p.displayTimerOnTimer();
    return p.durumu() != faz ? i - 1 : -1;
}

class TestKayanPencere : public QObject
{
    Q_OBJECT

private slots:
    void kayma_data()
    {
        QTest::addColumn<bool>("ezan");
        QTest::newRow("adhan popup") << true;
        QTest::newRow("notice form") << false;
    }

    void kayma()
    {
        QFETCH(bool, ezan);
        const QRect alan(48, 30, 1182, 954); // a panel on each side
        EzanPopup e;
        AniForm a;
        KayanPencere *p = ezan ? static_cast<KayanPencere *>(&e) : &a;
        p->calismaAlaniKaynagiAyarla([alan] { return alan; });
        auto goster = [&] { ezan ? e.MesajGoster("Ezan") : a.MesajGoster("Bilgi", "Vakit"); };
        goster();
        const QSize boyut = p->frameGeometry().size();
        for (int kez = 1; kez <= 2; ++kez) {
            // From just beyond the right edge, in until it lies in the corner, then the dwell.
            QCOMPARE(p->pos(), QPoint(alan.right() + 1, alan.bottom() + 1 - boyut.height()));
            QCOMPARE(kaydir(*p, -1), boyut.width());
            QCOMPARE(p->frameGeometry().bottomRight(), alan.bottomRight());
            if (kez == 1) // a second message during the dwell starts it all anew
                goster();
        }
        p->displayTimerOnTimer(); // the dwell is over
        QCOMPARE(kaydir(*p, 1), boyut.width());
        QVERIFY(!p->isVisible());
    }

    // The line that the chosen recording could not be played comes while the popup is on
    // screen, sliding in or staying: the popup then shows it whole, its corner kept, and slides
    // on by its new size. The next message comes without it.
    void calinamadiSatiri_data()
    {
        QTest::addColumn<int>("adim"); // ticks of the slide in before the line comes; -1 at rest
        QTest::newRow("sliding in") << 40;
        QTest::newRow("staying") << -1;
    }

    void calinamadiSatiri()
    {
        QFETCH(int, adim);
        const QRect alan(48, 30, 1182, 954);
        EzanPopup e;
        e.calismaAlaniKaynagiAyarla([alan] { return alan; });
        e.MesajGoster("Ezan");
        const QLabel *satir = e.findChild<QLabel *>("CalinamadiLabel");
        QVERIFY(!satir->isVisible());
        const QSize once = e.frameGeometry().size();
        if (adim < 0)
            QCOMPARE(kaydir(e, -1), once.width());
        for (int i = 0; i < adim; ++i)
            e.displayTimerOnTimer();
        const int x = e.x();

        e.CalinamadiGoster();
        QVERIFY(satir->isVisible());
        QCOMPARE(satir->height(), satir->heightForWidth(satir->width())); // every line of it
        for (const QLabel *l : e.findChildren<QLabel *>())
            QCOMPARE_GE(l->height(), l->minimumSizeHint().height());
        QCOMPARE(e.x(), x);
        QCOMPARE(e.frameGeometry().bottom(), alan.bottom());
        if (adim >= 0)
            QCOMPARE(kaydir(e, -1), once.width() - adim);
        QCOMPARE(e.frameGeometry().bottomRight(), alan.bottomRight());

        e.MesajGoster("Ezan");
        QVERIFY(!satir->isVisible());
    }

    void kapat()
    {
        // In part way (its own timer taking it to rest is the end-to-end test's), "Dur" turns it
        // back at once, out past the right edge.
        EzanPopup p;
        p.calismaAlaniKaynagiAyarla([] { return QRect(0, 0, 1280, 1024); });
        p.MesajGoster(QStringLiteral("Ezan"));
        for (int i = 0; i < 60; ++i)
            p.displayTimerOnTimer();
        p.KayarakKapat();
        QCOMPARE(kaydir(p, 1), 60);

        // Out of sight it does nothing: no timer runs (neither the slide's nor a new one).
        p.KayarakKapat();
        QVERIFY(!p.zamanlayicisi()->isActive());

        // Hidden by someone else half way: the next tick stops the timer.
        p.MesajGoster(QStringLiteral("Ezan"));
        p.hide();
        p.displayTimerOnTimer();
        QVERIFY(!p.zamanlayicisi()->isActive());
    }

    void aksaklik()
    {
        // No work area at all (every monitor gone): nothing is shown.
        QRect alan;
        AniForm p;
        p.calismaAlaniKaynagiAyarla([&alan] { return alan; });
        p.MesajGoster(QString(), QString());
        QVERIFY(!p.isVisible());

        alan = QRect(0, 0, 1280, 1024);
        p.MesajGoster(QString(), QString());
        const QSize boyut = p.frameGeometry().size();
        alan.setWidth(1230); // a panel comes on the right mid-way: the goal moves with it
        QCOMPARE(kaydir(p, -1), boyut.width() + 50);
        p.displayTimerOnTimer();
        p.displayTimerOnTimer();
        p.move(5, 5); // a drag, or the window system late: the slide keeps its own track
        p.displayTimerOnTimer();
        QCOMPARE(p.pos(), QPoint(1232 - boyut.width(), 1024 - boyut.height()));
    }
};

RAVLA_TEST_MAIN(TestKayanPencere)
#include "tst_kayanpencere.moc"
