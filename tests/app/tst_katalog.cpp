// The Arabic, German and English catalogues: complete against the forms and the sources, and
// what the window shows when one is loaded.
#include "dil.h"
#include "programklasoru.h"
#include "qravla.h"
#include "testortami.h"

#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString kKaynak = QStringLiteral(RAVLA_KAYNAK);

struct Ceviri {
    QString metin;
    bool bitti = false;
};
using Katalog = QHash<QPair<QString, QString>, Ceviri>; // (context, source) -> translation

Katalog katalogOku(const QString &yol)
{
    Katalog k;
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return k;
    QXmlStreamReader x(&f);
    QString baglam, kaynak;
    while (x.readNextStartElement() || !x.atEnd()) {
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("name")) {
            baglam = x.readElementText();
        } else if (x.name() == QLatin1String("source")) {
            kaynak = x.readElementText();
        } else if (x.name() == QLatin1String("translation")) {
            const QString tur = x.attributes().value(QLatin1String("type")).toString();
            const QString metin = x.readElementText();
            k.insert({baglam, kaynak}, {metin, tur.isEmpty() && !metin.isEmpty()});
        } else if (x.name() != QLatin1String("TS") && x.name() != QLatin1String("context") &&
                   x.name() != QLatin1String("message")) {
            x.skipCurrentElement();
        }
    }
    return k;
}

// Every translatable text of a designer form, with its form class as the context.
QList<QPair<QString, QString>> formMetinleri(const QString &yol)
{
    QList<QPair<QString, QString>> metinler;
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return metinler;
    QXmlStreamReader x(&f);
    QString sinif;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("class") && sinif.isEmpty()) {
            sinif = x.readElementText();
        } else if (x.name() == QLatin1String("string") &&
                   x.attributes().value(QLatin1String("notr")) != QLatin1String("true")) {
            const QString metin = x.readElementText();
            if (!metin.isEmpty())
                metinler << qMakePair(sinif, metin);
        }
    }
    return metinler;
}

const QStringList kDiller{"ar_AR", "de_DE", "en_EN"};

} // namespace

class TestKatalog : public QObject
{
    Q_OBJECT

private slots:
    void tamVeBitmis_data();
    void tamVeBitmis();
    void kaynaklarlaAyni();
    void pencereCevrilir_data();
    void pencereCevrilir();
};

void TestKatalog::tamVeBitmis_data()
{
    QTest::addColumn<QString>("dil");
    for (const QString &d : kDiller)
        QTest::newRow(qPrintable(d)) << d;
}

// Each catalogue holds every text of every form, each with a finished translation.
void TestKatalog::tamVeBitmis()
{
    QFETCH(QString, dil);
    const Katalog k = katalogOku(kKaynak + "/translations/Lugat_" + dil + ".ts");
    QVERIFY(!k.isEmpty());
    for (auto i = k.cbegin(); i != k.cend(); ++i)
        QVERIFY2(i->bitti, qPrintable(i.key().first + ": " + i.key().second + " is unfinished"));
    QDirIterator formlar(kKaynak + "/forms", {"*.ui"});
    int sayi = 0;
    while (formlar.hasNext()) {
        for (const auto &m : formMetinleri(formlar.next())) {
            QVERIFY2(k.contains(m), qPrintable(dil + " lacks " + m.first + ": " + m.second));
            ++sayi;
        }
    }
    QVERIFY(sayi > 80);
    const QString yon = k.value({"QGuiApplication", "QT_LAYOUT_DIRECTION"}).metin;
    QCOMPARE(yon, dil == "ar_AR" ? QStringLiteral("RTL") : QStringLiteral("LTR"));
}

// The code's own texts too: what lupdate finds in the sources today is all in the catalogues.
void TestKatalog::kaynaklarlaAyni()
{
    QTemporaryDir gecici;
    const QString ts = gecici.filePath("guncel.ts");
    QProcess p;
    p.setWorkingDirectory(kKaynak);
    p.start(QStringLiteral(RAVLA_LUPDATE), {"-silent", "-no-obsolete", "-locations", "none", "app",
                                            "settings", "sound", "qibla", "forms", "-ts", ts});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    const Katalog guncel = katalogOku(ts);
    QVERIFY(!guncel.isEmpty());
    for (const QString &dil : kDiller) {
        const Katalog k = katalogOku(kKaynak + "/translations/Lugat_" + dil + ".ts");
        for (auto i = guncel.cbegin(); i != guncel.cend(); ++i)
            QVERIFY2(k.contains(i.key()),
                     qPrintable(dil + " lacks " + i.key().first + ": " + i.key().second));
    }
}

void TestKatalog::pencereCevrilir_data()
{
    QTest::addColumn<QString>("dil");
    QTest::addColumn<Qt::LayoutDirection>("yon");
    QTest::newRow("Arabic reads right to left") << "ar_AR" << Qt::RightToLeft;
    QTest::newRow("German") << "de_DE" << Qt::LeftToRight;
    QTest::newRow("English") << "en_EN" << Qt::LeftToRight;
}

// A start in each language shows the catalogue's words; Arabic turns the dialogs around but
// leaves the window's pictures where they are.
void TestKatalog::pencereCevrilir()
{
    QFETCH(QString, dil);
    QFETCH(Qt::LayoutDirection, yon);

    ProgramKlasoru::ayarla(QStringLiteral(RAVLA_PROGRAM_KLASORU));
    const Katalog k = katalogOku(kKaynak + "/translations/Lugat_" + dil + ".ts");
    QTranslator cevirmen;
    QVERIFY(Dil::katalogYukle(cevirmen, dil));
    QCoreApplication::installTranslator(&cevirmen);
    QCOMPARE(QGuiApplication::layoutDirection(), yon);
    {
        QRavla w;
        QCOMPARE(w.windowTitle(), k.value({"QRavla", "Ravla Namaz Vakti"}).metin);
        QCOMPARE(w.findChild<QGroupBox *>("VakitGroupBox")->title(),
                 k.value({"QRavlaClass", "Vakitler"}).metin);
        QCOMPARE(w.findChild<QLabel *>("camilabel")->geometry(), QRect(84, 24, 51, 48));
        QCOMPARE(w.layoutDirection(), yon);
    }
    QCoreApplication::removeTranslator(&cevirmen);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

RAVLA_TEST_MAIN(TestKatalog)
#include "tst_katalog.moc"
