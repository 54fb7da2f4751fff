#include "aniform.h"
#include "ezanpopup.h"
#include "testortami.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <memory>

namespace {

// Ticks through one slide, which must go a pixel a tick the given way and nowhere else, until
// the phase changes; returns the pixels it went, or -1 at a wrong step.
int kaydir(KayanPencere &p, int yon)
{
    const int faz = p.durumu();
    const QPoint bas = p.pos();
    for (int i = 0; i < 5000; ++i) {
        if (p.pos() != bas + QPoint(i * yon, 0))
            return -1;
        p.displayTimerOnTimer();
        if (p.durumu() != faz)
            return i;
    }
    return -1;
}

} // namespace

class TestKayanPencere : public QObject
{
    Q_OBJECT

private slots:
    void kayma_data();
    void kayma();
    void kapat();
    void aksaklik();
    void ezanMetni();
};

void TestKayanPencere::kayma_data()
{
    QTest::addColumn<QString>("tur");
    QTest::addColumn<QRect>("alan");
    for (const char *tur : {"ezan", "ani"}) {
        QTest::addRow("%s, whole screen", tur) << tur << QRect(0, 0, 1280, 1024);
        QTest::addRow("%s, panels left and top", tur) << tur << QRect(48, 30, 1232, 994);
        QTest::addRow("%s, bottom panel", tur) << tur << QRect(0, 0, 1280, 984);
    }
}

void TestKayanPencere::kayma()
{
    QFETCH(QString, tur);
    QFETCH(QRect, alan);

    const bool ezan = tur == QLatin1String("ezan");
    auto p = ezan ? std::unique_ptr<KayanPencere>(new EzanPopup) : std::make_unique<AniForm>();
    p->calismaAlaniKaynagiAyarla([alan] { return alan; });
    const QString mesaj = QStringLiteral("<b>Namaz</b> Vakti");
    auto goster = [&] {
        ezan ? static_cast<EzanPopup &>(*p).MesajGoster(mesaj)
             : static_cast<AniForm &>(*p).MesajGoster(QStringLiteral("Bilgi"), mesaj);
    };
    goster();
    // What the user reads (title first): markup stays text.
    QStringList yazilar;
    for (const QLabel *l : p->findChildren<QLabel *>())
        if (l->textFormat() == Qt::PlainText)
            yazilar << l->text();
    QCOMPARE(yazilar.join(u'|'), ezan ? mesaj : "Bilgi|" + mesaj);

    const QSize boyut = p->frameGeometry().size();
    for (int kez = 1; kez <= 2; ++kez) {
        // From just beyond the right edge, in until it lies in the corner, then the dwell.
        QCOMPARE(p->pos(), QPoint(alan.right() + 1, alan.bottom() + 1 - boyut.height()));
        QCOMPARE(p->zamanlayicisi()->interval(), 1);
        QCOMPARE(kaydir(*p, -1), boyut.width());
        QCOMPARE(p->frameGeometry().bottomRight(), alan.bottomRight());
        QCOMPARE(p->zamanlayicisi()->interval(), ezan ? 14000 : 9000);
        if (kez == 1) // a second message during the dwell starts it all anew
            goster();
    }
    p->displayTimerOnTimer(); // the dwell is over
    QCOMPARE(kaydir(*p, 1), boyut.width());
    QVERIFY(!p->isVisible());
    QVERIFY(!p->zamanlayicisi()->isActive());
}

void TestKayanPencere::kapat()
{
    // Run by its own timer on its screen's work area (the test desktop's 1280 x 1024): in part
    // way. Not with QTest::qWait, whose 10 ms naps would hold the 1 ms timer back.
    EzanPopup p;
    p.MesajGoster(QStringLiteral("Ezan"));
    for (int i = 0; i < 5000 && p.x() > 1220; ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    // "Dur" while it slides in turns it back at once, out past the right edge.
    const int x = p.x();
    QVERIFY(x <= 1220);
    p.KayarakKapat();
    QCOMPARE(kaydir(p, 1), 1280 - x);
    QVERIFY(!p.zamanlayicisi()->isActive());

    // With nothing on screen it does nothing, and starts no timer.
    p.KayarakKapat();
    QVERIFY(!p.zamanlayicisi()->isActive());

    // Hidden by someone else half way: the next tick stops the timer.
    p.MesajGoster(QStringLiteral("Ezan"));
    p.hide();
    p.displayTimerOnTimer();
    QVERIFY(!p.zamanlayicisi()->isActive());
}

void TestKayanPencere::aksaklik()
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

void TestKayanPencere::ezanMetni()
{
    // The adhan's twelve paragraphs in the order it is called, each in its colour (black: none
    // set, the label's own). Compared without the vowel marks, which the text may carry or not.
    const QString cumleler[] = {"الله أكبر، الله أكبر",    "أشهد أن لا إله إلا الله",
                                "أشهد أن محمدا رسول الله", "حي على الصلاة",
                                "حي على الفلاح",           "لا إله إلا الله"};
    const QString renkler[] = {"#000000", "#0000ff", "#00aa00", "#ff0000", "#ffaa00", "#aa00ff"};
    const int sira[] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 0, 5};
    const QRegularExpression harekeler(QStringLiteral("[\u064B-\u065F\u0670]"));

    EzanPopup p;
    QTextDocument belge;
    belge.setHtml(p.findChild<QLabel *>("label")->text());
    QCOMPARE(belge.blockCount(), 12);
    for (int i = 0; i < 12; ++i) {
        const QTextBlock blok = belge.findBlockByNumber(i);
        QCOMPARE(blok.text().remove(harekeler).simplified(), cumleler[sira[i]]);
        QCOMPARE(blok.begin().fragment().charFormat().foreground().color().name(),
                 renkler[sira[i]]);
    }
}

RAVLA_TEST_MAIN(TestKayanPencere)
#include "tst_kayanpencere.moc"
