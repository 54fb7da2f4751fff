#include "dil.h"
#include "programklasoru.h"
#include "qravla.h"
#include "testortami.h"

#include <QGroupBox>
#include <QSettings>
#include <QTranslator>

class TestDil : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void ilkCalisma_data();
    void ilkCalisma();
    void dilNo_data();
    void dilNo();
    void katalog_data();
    void katalog();

private:
    static QSettings *depo()
    {
        return new QSettings(QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama));
    }
};

void TestDil::init()
{
    std::unique_ptr<QSettings>(depo())->clear();
    ProgramKlasoru::ayarla(QString());
}

void TestDil::ilkCalisma_data()
{
    QTest::addColumn<QString>("sistem");
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QString>("no");

    QTest::newRow("Turkish") << "tr_TR"
                             << "tr_TR"
                             << "0";
    QTest::newRow("British English") << "en_GB"
                                     << "en_EN"
                                     << "3";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de_DE"
                                     << "2";
    QTest::newRow("Arabic") << "ar_SA"
                            << "ar_AR"
                            << "1";
    QTest::newRow("French runs the Turkish interface") << "fr_FR"
                                                       << "fr_FR"
                                                       << "0";
}

void TestDil::ilkCalisma()
{
    QFETCH(QString, sistem);
    QFETCH(QString, kod);
    QFETCH(QString, no);

    std::unique_ptr<QSettings> s(depo());
    QCOMPARE(Dil::yerelDilKodu(*s, sistem), kod);
    QCOMPARE(s->value("Yerel Dil").toString(), kod);
    QCOMPARE(s->value("Dil No").toString(), no);
    QCOMPARE(Dil::dilNo(sistem), no.toInt());

    // Later starts read the store back and write nothing, whatever the system says now.
    s->remove("Dil No");
    QCOMPARE(Dil::yerelDilKodu(*s, QStringLiteral("en_US")), kod);
    QVERIFY(!s->contains("Dil No"));
    QCOMPARE(Dil::dilNo(QStringLiteral("en_US")), 0);
}

void TestDil::dilNo_data()
{
    QTest::addColumn<QVariant>("kayitli");
    QTest::addColumn<int>("no");
    QTest::addColumn<QString>("kod"); // "Yerel Dil" after the next start, which saw "de_DE"
    QTest::newRow("Arabic") << QVariant("1") << 1 << "ar_AR";
    QTest::newRow("not a number: Turkish") << QVariant("iki") << 0 << "ar_AR";
    QTest::newRow("no language: the system's") << QVariant("254") << 2 << "de_DE";
    QTest::newRow("one past English: the system's") << QVariant("4") << 2 << "de_DE";
    QTest::newRow("negative: the system's") << QVariant("-1") << 2 << "de_DE";
}

void TestDil::dilNo()
{
    QFETCH(QVariant, kayitli);
    QFETCH(int, no);
    QFETCH(QString, kod);
    std::unique_ptr<QSettings> s(depo());
    s->setValue("Yerel Dil", "ar_AR");
    s->setValue("Dil No", kayitli);
    QCOMPARE(Dil::dilNo(QStringLiteral("de_DE")), no);
    QCOMPARE(Dil::yerelDilKodu(*s, QStringLiteral("de_DE")), kod);
    QCOMPARE(Dil::dilNo(QStringLiteral("de_DE")), no);
}

void TestDil::katalog_data()
{
    QTest::addColumn<QString>("sistem");
    QTest::addColumn<bool>("yuklendi");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QString>("vakitler");

    QTest::newRow("English catalogue beside the program") << "en_GB" << true << "Ravla Prayer Times"
                                                          << "Prayer times";
    QTest::newRow("no catalogue: built-in Turkish") << "fr_FR" << false << "Ravla Namaz Vakti"
                                                    << "Vakitler";
}

void TestDil::katalog()
{
    QFETCH(QString, sistem);
    QFETCH(bool, yuklendi);
    QFETCH(QString, baslik);
    QFETCH(QString, vakitler);

    ProgramKlasoru::ayarla(QStringLiteral(TEST_KATALOG_KLASORU));
    std::unique_ptr<QSettings> s(depo());
    QTranslator cevirmen;
    QCOMPARE(Dil::katalogYukle(cevirmen, Dil::yerelDilKodu(*s, sistem)), yuklendi);
    QCoreApplication::installTranslator(&cevirmen);

    QRavla pencere;
    QCOMPARE(pencere.windowTitle(), baslik);
    QCOMPARE(pencere.findChild<QGroupBox *>("VakitGroupBox")->title(), vakitler);
    QCoreApplication::removeTranslator(&cevirmen);
}

RAVLA_TEST_MAIN(TestDil)
#include "tst_dil.moc"
