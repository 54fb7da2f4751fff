#include "dil.h"
#include "programklasoru.h"
#include "qravla.h"
#include "testortami.h"

#include <QSettings>
#include <QTranslator>

class TestDil : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void ilkCalisma_data();
    void ilkCalisma();
    void kayitliDilDegismez_data();
    void kayitliDilDegismez();
    void dilNo_data();
    void dilNo();
    void katalog_data();
    void katalog();

private:
    static QSettings *depo()
    {
        return new QSettings(QLatin1String(Dil::kOrganizasyon), QLatin1String(Dil::kUygulama));
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
    QTest::newRow("German") << "de_DE"
                            << "de_DE"
                            << "2";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de_DE"
                                     << "2";
    QTest::newRow("Arabic") << "ar_SA"
                            << "ar_AR"
                            << "1";
    QTest::newRow("French runs the Turkish interface") << "fr_FR"
                                                       << "fr_FR"
                                                       << "0";
    QTest::newRow("C locale") << "C"
                              << "C"
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
    QCOMPARE(Dil::dilNo(), no.toInt());
}

void TestDil::kayitliDilDegismez_data()
{
    QTest::addColumn<QString>("kayitli");
    QTest::newRow("German without an index") << "de_DE";
    QTest::newRow("a foreign locale from the first run") << "fr_FR";
}

void TestDil::kayitliDilDegismez()
{
    QFETCH(QString, kayitli);
    std::unique_ptr<QSettings> s(depo());
    s->setValue("Yerel Dil", kayitli);

    QCOMPARE(Dil::yerelDilKodu(*s, QStringLiteral("en_US")), kayitli);
    QCOMPARE(s->value("Yerel Dil").toString(), kayitli);
    QVERIFY(!s->contains("Dil No"));
    QCOMPARE(Dil::dilNo(), 0);
}

void TestDil::dilNo_data()
{
    QTest::addColumn<QVariant>("kayitli");
    QTest::addColumn<int>("no");
    QTest::newRow("German") << QVariant("2") << 2;
    QTest::newRow("out of range is kept") << QVariant("7") << 7;
    QTest::newRow("not a number") << QVariant("iki") << 0;
    QTest::newRow("missing") << QVariant() << 0;
}

void TestDil::dilNo()
{
    QFETCH(QVariant, kayitli);
    QFETCH(int, no);
    std::unique_ptr<QSettings> s(depo());
    if (kayitli.isValid())
        s->setValue("Dil No", kayitli);
    s->sync();
    QCOMPARE(Dil::dilNo(), no);
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
