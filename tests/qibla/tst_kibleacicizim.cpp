#include "ibreolcumu.h"
#include "kibleacicizim.h"
#include "testortami.h"

#include <climits>

namespace {

QImage ciz(QWidget &w, qreal oran = 1)
{
    QImage resim(w.size() * oran, QImage::Format_ARGB32_Premultiplied);
    resim.setDevicePixelRatio(oran);
    resim.fill(Qt::black);
    w.render(&resim);
    return resim;
}

// Measures the needle set to the given angle against one turned half a circle away.
IbreOlcumu olc(KibleAciCizim &w, int aci, QPointF merkez, qreal oran = 1)
{
    w.AciAyarla(aci % 360 + 180);
    const QImage baska = ciz(w, oran);
    w.AciAyarla(aci);
    return ibreyiOlc(ciz(w, oran), baska, merkez);
}

// The tip lies 70 dial units out, 59.5 logical pixels on a 170 pixel dial; the last pixel
// centre it still covers lies up to two pixels short of that.
bool ucuDogru(double uzaklik, qreal oran)
{
    return uzaklik >= 59.5 * oran - 2 && uzaklik < 59.5 * oran;
}

} // namespace

class TestKibleAciCizim : public QObject
{
    Q_OBJECT

private slots:
    void ibre_data();
    void ibre();
    void isaretler();
    void kareOlmayan();
    void yuksekCozunurluk_data();
    void yuksekCozunurluk();
};

void TestKibleAciCizim::ibre_data()
{
    QTest::addColumn<int>("aci");
    QTest::addColumn<int>("dakika");
    QTest::addColumn<int>("gosterilen"); // degrees clockwise from north, a multiple of 6

    QTest::newRow("127: south-east") << 127 << 21 << 126;
    QTest::newRow("5: straight up") << 5 << 0 << 0;
    QTest::newRow("180: straight down") << 180 << 30 << 180;
    QTest::newRow("359") << 359 << 59 << 354;
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("126: on a step") << 126 << 21 << 126;
    QTest::newRow("125: just below") << 125 << 20 << 120;
    QTest::newRow("90: east") << 90 << 15 << 90;
    QTest::newRow("270: west") << 270 << 45 << 270;
    // Never handed over by the dialog, but still drawn on the dial.
    QTest::newRow("360 is north") << 360 << 0 << 0;
    QTest::newRow("725 is 5") << 725 << 0 << 0;
    QTest::newRow("-6 is 354") << -6 << 59 << 354;
    QTest::newRow("-1 is 359") << -1 << 59 << 354;
    QTest::newRow("INT_MAX") << INT_MAX << 21 << 126; // 2147483647 = 5965232 * 360 + 127
    QTest::newRow("INT_MIN") << INT_MIN << 38 << 228; // -2147483648 = -5965233 * 360 + 232
}

void TestKibleAciCizim::ibre()
{
    QFETCH(int, aci);
    QFETCH(int, dakika);
    QFETCH(int, gosterilen);

    KibleAciCizim w;
    QCOMPARE(w.dakikasi(), 21); // 126 degrees until told otherwise
    w.resize(170, 170);
    w.AciAyarla(aci);
    QCOMPARE(w.dakikasi(), dakika);

    const IbreOlcumu o = olc(w, aci, QPointF(85, 85));
    QVERIFY(o.sariPiksel > 100);
    QVERIFY2(o.kenarPiksel > 40, qPrintable(QString::number(o.kenarPiksel))); // antialiased
    QVERIFY2(aciFarki(o.aci, gosterilen) < 1.5, qPrintable(QString::number(o.aci)));
    QVERIFY2(ucuDogru(o.uzaklik, 1), qPrintable(QString::number(o.uzaklik)));
}

void TestKibleAciCizim::isaretler()
{
    KibleAciCizim w;
    w.resize(170, 170);
    const QImage resim = ciz(w);
    const QPointF merkez(85, 85);
    for (int i = 0; i < 12; ++i) {
        // Each mark runs from 78 to 96 dial units: 66.3 to 81.6 pixels here.
        QVERIFY2(isaretVar(resim, merkez, i * 30, 67, 81), qPrintable(QString::number(i * 30)));
        QVERIFY(!isaretVar(resim, merkez, i * 30, 0, 64));
        QVERIFY(!isaretVar(resim, merkez, i * 30 + 15, 0, 84));
    }
    // The face fills the circle and nothing outside it.
    QVERIFY(!sariMi(resim.pixel(20, 85)) && qBlue(resim.pixel(20, 85)) >= 140);
    QCOMPARE(resim.pixel(1, 1), resim.pixel(168, 168));
    QVERIFY(qRed(resim.pixel(1, 1)) != 255);
}

void TestKibleAciCizim::kareOlmayan()
{
    // A wide widget: the face is an ellipse over the whole of it; marks and needle stay round,
    // sized by the height and centred.
    KibleAciCizim w;
    w.resize(300, 170);
    const QPointF merkez(150, 85);
    const IbreOlcumu o = olc(w, 90, merkez);
    QVERIFY2(aciFarki(o.aci, 90) < 1.5, qPrintable(QString::number(o.aci)));
    QVERIFY(ucuDogru(o.uzaklik, 1));
    const QImage resim = ciz(w);
    for (int aci : {0, 90, 180, 270}) {
        QVERIFY(isaretVar(resim, merkez, aci, 67, 81));
        QVERIFY(!isaretVar(resim, merkez, aci, 83, 160));
    }
    // The face reaches the left and right edges, the corners stay outside.
    const QRgb yuz = resim.pixel(5, 85);
    QVERIFY(qRed(yuz) == 255 && qBlue(yuz) < 230);
    QVERIFY(resim.pixel(2, 2) != yuz);
}

void TestKibleAciCizim::yuksekCozunurluk_data()
{
    QTest::addColumn<qreal>("oran");
    QTest::newRow("ordinary screen") << qreal(1);
    QTest::newRow("twice the density") << qreal(2);
    QTest::newRow("one and a half") << qreal(1.5);
}

void TestKibleAciCizim::yuksekCozunurluk()
{
    // The dial is drawn at the screen's own density, not scaled up from a picture of the
    // widget's logical size: the needle reaches as far in device pixels, and the east mark,
    // a line one device pixel wide on a pixel boundary, covers two rows at most. Scaled up it
    // would cover 2 x oran.
    QFETCH(qreal, oran);
    KibleAciCizim w;
    w.resize(170, 170);
    const QPointF merkez = QPointF(85, 85) * oran;
    const IbreOlcumu o = olc(w, 127, merkez, oran);
    QVERIFY2(aciFarki(o.aci, 126) < 1.5, qPrintable(QString::number(o.aci)));
    QVERIFY2(ucuDogru(o.uzaklik, oran), qPrintable(QString::number(o.uzaklik)));

    const QImage resim = ciz(w, oran);
    QCOMPARE(resim.size(), QSize(170, 170) * oran);

    const int x = int(merkez.x() + 74 * oran);
    int satir = 0;
    for (int y = int(merkez.y()) - 10; y <= int(merkez.y()) + 10; ++y)
        satir += maviMi(resim.pixel(x, y)) ? 1 : 0;
    QVERIFY2(satir >= 1 && satir <= 2, qPrintable(QString::number(satir)));
}

RAVLA_TEST_MAIN(TestKibleAciCizim)
#include "tst_kibleacicizim.moc"
