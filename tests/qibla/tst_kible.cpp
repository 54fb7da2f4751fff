#include "astronomy.h"
#include "ibreolcumu.h"
#include "kible.h"
#include "kibleacicizim.h"
#include "testortami.h"

#include <QLabel>
#include <QPushButton>

namespace {

QString yazi(const kible &k, const char *ad)
{
    return k.findChild<QLabel *>(ad)->text();
}

QImage resmi(kible &k) // the dial's part of the rendered dialog
{
    QImage resim(k.size(), QImage::Format_ARGB32_Premultiplied);
    resim.fill(Qt::black);
    k.render(&resim);
    return resim.copy(k.cizimi()->geometry());
}

} // namespace

class TestKible : public QObject
{
    Q_OBJECT

private slots:
    void pencere();
    void yerler_data();
    void yerler();
    void tamam();
};

void TestKible::pencere()
{
    kible k;
    QVERIFY(!k.isVisible());
    QCOMPARE(k.windowTitle(), QStringLiteral("Kıble"));
    QCOMPARE(k.windowFlags() & (Qt::Tool | Qt::WindowStaysOnTopHint),
             Qt::Tool | Qt::WindowStaysOnTopHint);
    QCOMPARE(k.minimumSize(), QSize(456, 308));
    QCOMPARE(k.maximumSize(), QSize(456, 308));
    QCOMPARE(k.pos(), QPoint((1280 - 456) / 2, (1024 - 308) / 2));
    QCOMPARE(yazi(k, "AciBilgiLabel"), QStringLiteral("TextLabel"));
    QCOMPARE(yazi(k, "UlkeBilgiLabel"), QStringLiteral("TextLabel"));

    // The dial sits between "N" and "S".
    const QRect dial = k.cizimi()->geometry();
    QCOMPARE(dial, QRect(30, 40, 170, 170));
    QVERIFY(k.cizimi()->isVisibleTo(&k));
    QVERIFY(k.findChild<QLabel *>("label_2")->geometry().bottom() < dial.top());
    QVERIFY(k.findChild<QLabel *>("label_3")->geometry().top() > dial.bottom());
    QVERIFY(!k.findChild<QLabel *>("label")->pixmap().isNull()); // the Kaaba
}

void TestKible::yerler_data()
{
    QTest::addColumn<double>("enlem");
    QTest::addColumn<double>("boylam");
    QTest::addColumn<QString>("yer");
    QTest::addColumn<int>("aci");
    QTest::addColumn<int>("ibre");

    QTest::newRow("default place") << 49.08 << 9.14 << "Heilbronn - Almanya" << 127 << 126;
    // 179.9999999999996 degrees: truncated, not rounded.
    QTest::newRow("on the Kaaba's meridian") << 40.0 << 39.823333 << " - " << 179 << 174;
    QTest::newRow("Tehran") << 35.7 << 51.4 << "<b>Tahran</b> - İran" << 218 << 216;
}

void TestKible::yerler()
{
    QFETCH(double, enlem);
    QFETCH(double, boylam);
    QFETCH(QString, yer);
    QFETCH(int, aci);
    QFETCH(int, ibre);

    // The whole degrees as the main window keeps them from the engine.
    ravla::Location konum;
    konum.latitude = enlem;
    konum.longitude = boylam;
    const int derece = static_cast<int>(ravla::qiblaAngle(konum));
    QCOMPARE(derece, aci);

    kible k;
    k.KibleGoster(derece, yer);
    QVERIFY(!k.isVisible()); // filled, not shown
    QCOMPARE(yazi(k, "AciBilgiLabel"), QString::number(aci) + QStringLiteral("°"));
    QCOMPARE(yazi(k, "UlkeBilgiLabel"), yer);
    QCOMPARE(k.findChild<QLabel *>("UlkeBilgiLabel")->textFormat(), Qt::PlainText);

    // The dial as the dialog shows it, against the same dial turned half a circle.
    const QImage ibreli = resmi(k);
    k.cizimi()->AciAyarla(aci + 180);
    const QImage baska = resmi(k);
    const IbreOlcumu o = ibreyiOlc(ibreli, baska, QPointF(85, 85));
    QVERIFY2(aciFarki(o.aci, ibre) < 1.5, qPrintable(QString::number(o.aci)));

    // Filled again for another place, the dialog shows only the new one.
    k.KibleGoster(5, QStringLiteral("Mekke"));
    QCOMPARE(yazi(k, "AciBilgiLabel"), QStringLiteral("5°"));
    QCOMPARE(yazi(k, "UlkeBilgiLabel"), QStringLiteral("Mekke"));
}

void TestKible::tamam()
{
    kible k;
    k.KibleGoster(127, QStringLiteral("Heilbronn - Almanya"));
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QTest::mouseClick(k.findChild<QPushButton *>("TamamPushButton"), Qt::LeftButton);
    QVERIFY(!k.isVisible());

    // Shown again, it is the same dialog with what it held.
    k.show();
    QVERIFY(k.isVisible());
    QCOMPARE(yazi(k, "AciBilgiLabel"), QStringLiteral("127°"));
    k.TamamSlot();
    QVERIFY(!k.isVisible());
}

RAVLA_TEST_MAIN(TestKible)
#include "tst_kible.moc"
