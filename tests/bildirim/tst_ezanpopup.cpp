#include "ezanpopup.h"
#include "testortami.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The adhan as it is read, without the vowel marks, which the label may carry or not.
QString harekesiz(QString s)
{
    s.removeIf([](QChar c) {
        return (c.unicode() >= 0x064B && c.unicode() <= 0x065F) || c.unicode() == 0x0670;
    });
    return s.simplified();
}

} // namespace

class TestEzanPopup : public QObject
{
    Q_OBJECT

private slots:
    void ezanMetni_data();
    void ezanMetni();
    void paragraflar();
    void gorunum();
};

void TestEzanPopup::ezanMetni_data()
{
    QTest::addColumn<int>("paragraf");
    QTest::addColumn<QString>("cumle");
    QTest::addColumn<QString>("renk"); // empty: the label's own colour

    const QString tekbir = QStringLiteral("الله أكبر، الله أكبر");
    const QString sehadet = QStringLiteral("أشهد أن لا إله إلا الله");
    const QString risalet = QStringLiteral("أشهد أن محمدا رسول الله");
    const QString salat = QStringLiteral("حي على الصلاة");
    const QString felah = QStringLiteral("حي على الفلاح");
    QTest::newRow("1 takbir") << 0 << tekbir << "";
    QTest::newRow("2 takbir") << 1 << tekbir << "";
    QTest::newRow("3 shahada") << 2 << sehadet << "#0000ff";
    QTest::newRow("4 shahada") << 3 << sehadet << "#0000ff";
    QTest::newRow("5 the messenger") << 4 << risalet << "#00aa00";
    QTest::newRow("6 the messenger") << 5 << risalet << "#00aa00";
    QTest::newRow("7 to prayer") << 6 << salat << "#ff0000";
    QTest::newRow("8 to prayer") << 7 << salat << "#ff0000";
    QTest::newRow("9 to success") << 8 << felah << "#ffaa00";
    QTest::newRow("10 to success") << 9 << felah << "#ffaa00";
    QTest::newRow("11 takbir") << 10 << tekbir << "";
    QTest::newRow("12 tahlil") << 11 << QStringLiteral("لا إله إلا الله") << "#aa00ff";
}

void TestEzanPopup::ezanMetni()
{
    QFETCH(int, paragraf);
    QFETCH(QString, cumle);
    QFETCH(QString, renk);

    EzanPopup p;
    QLabel *label = p.findChild<QLabel *>("label");
    QVERIFY(label);
    QTextDocument belge;
    belge.setHtml(label->text());
    QCOMPARE(belge.blockCount(), 12);

    const QTextBlock blok = belge.findBlockByNumber(paragraf);
    QCOMPARE(harekesiz(blok.text()), cumle);

    // One run of text per paragraph, all in one colour and one font.
    int parca = 0;
    for (auto it = blok.begin(); !it.atEnd(); ++it, ++parca) {
        const QTextCharFormat f = it.fragment().charFormat();
        if (renk.isEmpty())
            QVERIFY2(!f.hasProperty(QTextFormat::ForegroundBrush),
                     qPrintable(f.foreground().color().name()));
        else
            QCOMPARE(f.foreground().color().name(), renk);
        QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
        QCOMPARE(f.fontPointSize(), 14.0);
    }
    QCOMPARE(parca, 1);
}

void TestEzanPopup::paragraflar()
{
    EzanPopup p;
    QTextDocument belge;
    belge.setHtml(p.findChild<QLabel *>("label")->text());

    // The first line right-aligned and tight, the others right-to-left with room between.
    const QTextBlockFormat ilk = belge.firstBlock().blockFormat();
    QVERIFY(ilk.alignment() & Qt::AlignRight);
    QCOMPARE(ilk.topMargin(), 0.0);
    QCOMPARE(ilk.bottomMargin(), 0.0);
    for (QTextBlock b = belge.firstBlock().next(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        QCOMPARE(f.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(f.topMargin(), 12.0);
        QCOMPARE(f.bottomMargin(), 12.0);
        QCOMPARE(f.leftMargin(), 0.0);
        QCOMPARE(f.rightMargin(), 0.0);
    }
}

void TestEzanPopup::gorunum()
{
    EzanPopup p;
    p.calismaAlaniKaynagiAyarla([] { return QRect(0, 0, 1280, 1024); });
    QCOMPARE(p.windowFlags() & (Qt::ToolTip | Qt::WindowStaysOnTopHint),
             Qt::ToolTip | Qt::WindowStaysOnTopHint);
    QVERIFY(!p.isVisible());
    QCOMPARE(p.findChild<QLabel *>("MesajLabel")->text(), QStringLiteral("TextLabel"));

    p.MesajGoster(QStringLiteral("<b>Namaz</b> Vakti"));
    QCOMPARE(p.findChild<QLabel *>("MesajLabel")->text(), QStringLiteral("<b>Namaz</b> Vakti"));
    QCOMPARE(p.findChild<QLabel *>("MesajLabel")->textFormat(), Qt::PlainText);

    // At least the size of its form, and the whole adhan fits: where the fonts on this system
    // are wider than the ones it was laid out for, the popup grows rather than cut lines off.
    QVERIFY(p.width() >= 179);
    QVERIFY(p.height() >= 438);
    const QLabel *label = p.findChild<QLabel *>("label");
    QVERIFY(label->width() >= label->sizeHint().width());
    QVERIFY(label->height() >= label->sizeHint().height());

    // On white, corners included.
    const QImage resim = p.grab().toImage();
    QCOMPARE(QColor(resim.pixel(2, 2)), QColor(Qt::white));
    QCOMPARE(QColor(resim.pixel(resim.width() - 3, resim.height() - 3)), QColor(Qt::white));
}

RAVLA_TEST_MAIN(TestEzanPopup)
#include "tst_ezanpopup.moc"
