#include "dil.h"
#include "testortami.h"

#include <QSettings>

class TestDil : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void ilkCalisma_data();
    void ilkCalisma();
    void dilNo_data();
    void dilNo();

private:
    static QSettings *depo()
    {
        return new QSettings(QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama));
    }
};

void TestDil::init()
{
    std::unique_ptr<QSettings>(depo())->clear();
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

RAVLA_TEST_MAIN(TestDil)
#include "tst_dil.moc"
