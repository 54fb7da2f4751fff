#include "kible.h"
#include "kibleacicizim.h"
#include "schedule.h"
#include "testortami.h"

#include <QLabel>
#include <QtMath>

static QImage ciz(QWidget &w, qreal oran)
{
    QImage resim(w.size() * oran, QImage::Format_ARGB32_Premultiplied);
    resim.setDevicePixelRatio(oran);
    resim.fill(Qt::black);
    w.render(&resim);
    return resim;
}

// Reads the needle off the drawn dial, by comparing it with the same dial whose needle points
// the other way: the pixels less blue here are this needle's. Their centre of mass lies on its
// line from the centre; the farthest is its tip. Returns how far the direction (clockwise from
// north) is off the expected one, in degrees, and the tip's distance in image pixels. Leaves
// the needle turned.
static QPointF ibreyiOlc(KibleAciCizim &w, qreal oran, int aci)
{
    const QImage ibreli = ciz(w, oran);
    w.AciAyarla(aci + 180);
    const QImage baska = ciz(w, oran);

    const QPointF merkez = QPointF(w.width(), w.height()) * oran / 2;
    QPointF toplam;
    double uc = 0;
    for (int y = 0; y < ibreli.height(); ++y)
        for (int x = 0; x < ibreli.width(); ++x)
            if (qBlue(ibreli.pixel(x, y)) < qBlue(baska.pixel(x, y)) - 16) {
                const QPointF fark = QPointF(x + 0.5, y + 0.5) - merkez;
                toplam += fark;
                uc = std::max(uc, std::hypot(fark.x(), fark.y()));
            }
    const double yon = qRadiansToDegrees(std::atan2(toplam.x(), -toplam.y()));
    return {std::abs(std::remainder(yon - aci, 360.0)), uc};
}

class TestKible : public QObject
{
    Q_OBJECT

private slots:
    void dereceler()
    {
        // The whole degrees the main window hands in, from the day's schedule: cut, not rounded
        // (179.9999999999996 on the Kaaba's meridian).
        const double yerler[][3] = {{49.08, 9.14, 127}, {40.0, 39.823333, 179}, {35.7, 51.4, 218}};
        for (const auto &yer : yerler) {
            ravla::ScheduleInputs girdi;
            girdi.latitude = yer[0], girdi.longitude = yer[1];
            QCOMPARE(ravla::ScheduleCalculator().compute(girdi).qiblaDegrees, int(yer[2]));
        }
    }

    void pencere_data()
    {
        QTest::addColumn<int>("aci");
        QTest::addColumn<int>("ibre");   // clock-like, in steps of 6 degrees
        QTest::addColumn<qreal>("oran"); // device pixels per logical one

        QTest::newRow("5") << 5 << 0 << 1.0;
        QTest::newRow("180") << 180 << 180 << 1.0;
        QTest::newRow("359") << 359 << 354 << 1.0;
        QTest::newRow("-1, never handed in but still on the dial") << -1 << 354 << 1.0;
        QTest::newRow("default place, twice the density") << 127 << 126 << 2.0;
    }

    void pencere()
    {
        QFETCH(int, aci);
        QFETCH(int, ibre);
        QFETCH(qreal, oran);

        const QString yer = QStringLiteral("<b>Heilbronn</b> - Almanya"); // shown as it is
        kible k;
        k.KibleGoster(aci, yer);
        QCOMPARE(k.findChild<QLabel *>("UlkeBilgiLabel")->textFormat(), Qt::PlainText);

        // The tip is 70 of the dial's 200 units out, 59.5 of its 170 pixels; the last pixel centre
        // it covers lies up to 2 short.
        const QPointF o = ibreyiOlc(*k.cizimi(), oran, ibre);
        QVERIFY2(o.x() < 1.5 && o.y() >= 59.5 * oran - 2 && o.y() < 59.5 * oran,
                 qPrintable(QStringLiteral("%1° off, tip at %2").arg(o.x()).arg(o.y())));

        // Drawn at the screen's own density, not scaled up: the east mark, one device pixel wide,
        // covers two rows at most where a scaled one would cover 2 x oran.
        const QImage r = ciz(*k.cizimi(), oran);
        int satir = 0;
        for (int y = r.height() / 2 - 10; y <= r.height() / 2 + 10; ++y)
            satir +=
                qBlue(r.pixel(r.width() * 0.935, y)) > qRed(r.pixel(r.width() * 0.935, y)) + 40;
        QVERIFY2(satir >= 1 && satir <= 2, qPrintable(QString::number(satir)));
    }
};

RAVLA_TEST_MAIN(TestKible)
#include "tst_kible.moc"
