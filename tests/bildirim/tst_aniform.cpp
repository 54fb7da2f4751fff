#include "aniform.h"
#include "testortami.h"

#include <QLabel>

class TestAniForm : public QObject
{
    Q_OBJECT

private slots:
    void mesaj_data();
    void mesaj();
};

void TestAniForm::mesaj_data()
{
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QString>("mesaj");

    QTest::newRow("Turkish") << "Bilgi"
                             << "Değişiklikler program yeniden başladığızı zaman etkin olacaktır!";
    QTest::newRow("Arabic") << "المعلومات"
                            << "! يجب عليك إعادة تشغيل البرنامج ليتم تنفيذ التعديلات التي طلبتها";
    QTest::newRow("markup stays text") << "<i>Bilgi</i>"
                                       << "a < b & <b>c</b>";
    QTest::newRow("empty") << ""
                           << "";
}

void TestAniForm::mesaj()
{
    QFETCH(QString, baslik);
    QFETCH(QString, mesaj);

    AniForm p;
    p.calismaAlaniKaynagiAyarla([] { return QRect(0, 0, 1280, 1024); });
    QLabel *baslikLabel = p.findChild<QLabel *>("lblTitle");
    QLabel *mesajLabel = p.findChild<QLabel *>("lblMesaj");
    QVERIFY(baslikLabel && mesajLabel);
    QVERIFY(baslikLabel->text().isEmpty());
    QVERIFY(mesajLabel->text().isEmpty());
    QCOMPARE(p.windowFlags() & (Qt::ToolTip | Qt::WindowStaysOnTopHint),
             Qt::ToolTip | Qt::WindowStaysOnTopHint);

    p.MesajGoster(baslik, mesaj);
    QVERIFY(p.isVisible());
    QCOMPARE(baslikLabel->text(), baslik);
    QCOMPARE(mesajLabel->text(), mesaj);
    QCOMPARE(baslikLabel->textFormat(), Qt::PlainText);
    QCOMPARE(mesajLabel->textFormat(), Qt::PlainText);

    // The notice is exactly its form's size and shows the information picture.
    QCOMPARE(p.size(), QSize(281, 86));
    const QLabel *resim = p.findChild<QLabel *>("imgVideoService");
    QVERIFY(!resim->pixmap().isNull());
}

RAVLA_TEST_MAIN(TestAniForm)
#include "tst_aniform.moc"
