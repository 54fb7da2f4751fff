#include "saatdilimi.h"
#include "sehirveritabani.h"
#include "testortami.h"

#include <QDir>
#include <QTimeZone>

using namespace SehirVeritabani;

namespace {

// A koordinat folder of the test's own; each file holds exactly the bytes given.
struct Klasor {
    QTemporaryDir dir;
    QString yol() const { return dir.path() + QStringLiteral("/"); }
    void yaz(const QString &ad, const QByteArray &icerik) const
    {
        QFile f(dir.filePath(ad));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(icerik);
    }
};

QByteArray satirlar(int n, const char *onek)
{
    QByteArray b;
    for (int i = 1; i <= n; ++i)
        b += onek + QByteArray::number(i) + "\n";
    return b;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QStringList>)

class TestSehirVeritabani : public QObject
{
    Q_OBJECT

private slots:
    void ulkeListesi_data();
    void ulkeListesi();
    void sehirDosyasi_data();
    void sehirDosyasi();
    void satirAyikla_data();
    void satirAyikla();
    void arama_data();
    void arama();
    void sunulanVeritabani();
};

void TestSehirVeritabani::ulkeListesi_data()
{
    QTest::addColumn<QByteArray>("icerik"); // of liste.dat; "-" for no file at all
    QTest::addColumn<int>("adet");          // entries read, -1: cannot be opened
    QTest::addColumn<QString>("ilk");
    QTest::addColumn<QString>("son");

    QTest::newRow("ten lines") << satirlar(10, "U") << 10 << "U1"
                               << "U10";
    QTest::newRow("only the first 254") << satirlar(300, "U") << 254 << "U1"
                                        << "U254";
    QTest::newRow("no file") << QByteArray("-") << -1 << ""
                             << "";
    QTest::newRow("empty") << QByteArray() << 0 << ""
                           << "";
    QTest::newRow("last line without a break") << QByteArray("Almanya\nTürkiye") << 2 << "Almanya"
                                               << "Türkiye";
    QTest::newRow("CR LF, blanks, a BOM")
        << QByteArray("\xEF\xBB\xBF  Almanya \r\n\tMısır\r\n") << 2 << "Almanya"
        << "Mısır";
    QTest::newRow("empty line is an entry") << QByteArray("A\n\nB\n") << 3 << "A"
                                            << "B";
    // A long line stays one entry, its letters whole.
    QTest::newRow("a megabyte line") << QByteArray("Ş").repeated(500000) + "\nB\n"
                                     << 2 << QString(QStringLiteral("Ş")).repeated(500000) << "B";
    QTest::newRow("binary junk") << QByteArray::fromHex("00ff10fe0a80c0c1f5ff0d0a") << 2
                                 << QString::fromUtf8("\0\xFF\x10\xFE", 4).trimmed()
                                 << QString::fromUtf8("\x80\xC0\xC1\xF5\xFF");
}

void TestSehirVeritabani::ulkeListesi()
{
    QFETCH(QByteArray, icerik);
    QFETCH(int, adet);
    QFETCH(QString, ilk);
    QFETCH(QString, son);

    Klasor k;
    if (icerik != "-")
        k.yaz(QStringLiteral("liste.dat"), icerik);
    const std::optional<QStringList> okunan = ulkeler(k.yol());
    QCOMPARE(okunan ? int(okunan->size()) : -1, adet);
    if (adet > 0) {
        QCOMPARE(okunan->first(), ilk);
        QCOMPARE(okunan->last(), son);
    }
    QVERIFY(!ulkeler(k.yol() + QStringLiteral("yok/")));
}

void TestSehirVeritabani::sehirDosyasi_data()
{
    QTest::addColumn<QString>("ulke");
    QTest::addColumn<bool>("okunur");

    QTest::newRow("plain") << "Almanya" << true;
    QTest::newRow("Turkish letters") << "Türkiye" << true;
    QTest::newRow("missing") << "Atlantis" << false;
    QTest::newRow("a folder up") << "../Almanya" << false;
    QTest::newRow("a path") << "x/../Almanya" << false;
    QTest::newRow("a Windows path") << "x\\..\\Almanya" << false;
    QTest::newRow("dots inside") << "A..lmanya" << false;
}

void TestSehirVeritabani::sehirDosyasi()
{
    QFETCH(QString, ulke);
    QFETCH(bool, okunur);

    Klasor k;
    QVERIFY(QDir(k.dir.path()).mkdir(QStringLiteral("x")));
    k.yaz(QStringLiteral("Almanya.txt"), "Berlin,Berlin,52.5244,13.4105,1,Europe/Berlin\n");
    k.yaz(QStringLiteral("Türkiye.txt"), "İzmir,İzmir,38.4127,27.1384,3,Europe/Istanbul");
    k.yaz(QStringLiteral("A..lmanya.txt"), "Berlin,Berlin,52.5244,13.4105,1,Europe/Berlin\n");
    const std::optional<QStringList> okunan = sehirSatirlari(k.yol(), ulke);
    QCOMPARE(okunan.has_value(), okunur);
    if (okunur)
        QCOMPARE(okunan->size(), 1); // the last line without a break too
}

void TestSehirVeritabani::satirAyikla_data()
{
    QTest::addColumn<QString>("satir");
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QStringList>("metinler"); // the three labels, then the zone
    QTest::addColumn<QList<double>>("degerler");
    QTest::addColumn<bool>("secilir");

    QTest::newRow("five fields") << "A,B,37.00,35.32,2"
                                 << "A,B" << QStringList{"37.00", "35.32", "2", ""}
                                 << QList<double>{37, 35.32, 2} << true;
    QTest::newRow("signs, and the zone")
        << "A,B,41.5,-8.25,+1,Europe/Lisbon"
        << "A,B" << QStringList{"41.5", "-8.25", "+1", "Europe/Lisbon"}
        << QList<double>{41.5, -8.25, 1} << true;
    QTest::newRow("half-hour zone")
        << "New Delhi,Delhi,28.6358,77.2245,5.5,Asia/Kolkata"
        << "New Delhi,Delhi" << QStringList{"28.6358", "77.2245", "5.5", "Asia/Kolkata"}
        << QList<double>{28.6358, 77.2245, 5.5} << true;
    QTest::newRow("beyond the sixth field")
        << "A,B,1,2,3,Z/Y,extra"
        << "A,B" << QStringList{"1", "2", "3", "Z/Y"} << QList<double>{1, 2, 3} << true;
    // What gives no real place is listed but cannot be chosen.
    QTest::newRow("one comma") << "A,B"
                               << "A,B" << QStringList{"", "", "", ""} << QList<double>{0, 0, 0}
                               << false;
    QTest::newRow("no comma") << "Atlantis"
                              << "Atlantis" << QStringList{"", "", "", ""} << QList<double>{0, 0, 0}
                              << false;
    QTest::newRow("latitude 95") << "A,B,95,10,1"
                                 << "A,B" << QStringList{"95", "10", "1", ""}
                                 << QList<double>{0, 10, 1} << false;
    QTest::newRow("longitude beyond 180")
        << "A,B,10,-180.5,1"
        << "A,B" << QStringList{"10", "-180.5", "1", ""} << QList<double>{10, 0, 1} << false;
    QTest::newRow("words") << "A,B,kirk,otuz,iki"
                           << "A,B" << QStringList{"kirk", "otuz", "iki", ""}
                           << QList<double>{0, 0, 0} << false;
    QTest::newRow("zone not a number")
        << "A,B,10,10,nan"
        << "A,B" << QStringList{"10", "10", "nan", ""} << QList<double>{10, 10, 0} << false;
}

void TestSehirVeritabani::satirAyikla()
{
    QFETCH(QString, satir);
    QFETCH(QString, ad);
    QFETCH(QStringList, metinler);
    QFETCH(QList<double>, degerler);
    QFETCH(bool, secilir);

    QCOMPARE(sehirAdiniAyikla(satir), ad);
    const Koordinat k = koordinatlariAyikla(satir);
    QCOMPARE((QStringList{k.enlemMetni, k.boylamMetni, k.gmtMetni, k.saatDilimi}), metinler);
    QCOMPARE((QList<double>{k.enlem, k.boylam, k.gmt}), degerler);
    QCOMPARE(k.hata.isEmpty(), secilir);
}

void TestSehirVeritabani::arama_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("aranan");
    QTest::addColumn<bool>("bulunur");

    QTest::newRow("lower case") << "İstanbul"
                                << "istanbul" << true;
    QTest::newRow("upper case, dotted") << "İstanbul"
                                        << "İSTANBUL" << true;
    QTest::newRow("as foreigners write it") << "İstanbul"
                                            << "Istanbul" << true;
    QTest::newRow("dotless i") << "Iğdır"
                               << "igdir" << true;
    QTest::newRow("umlaut") << "Köln"
                            << "koln" << true;
    QTest::newRow("part of the name") << "Mönchengladbach"
                                      << "glad" << true;
    QTest::newRow("sharp s") << "Gießen"
                             << "giessen" << true;
    QTest::newRow("another place") << "İzmir"
                                   << "istanbul" << false;
}

void TestSehirVeritabani::arama()
{
    QFETCH(QString, ad);
    QFETCH(QString, aranan);
    QFETCH(bool, bulunur);
    QCOMPARE(aramaAnahtari(ad).contains(aramaAnahtari(aranan)), bulunur);
}

// The database that ships: whole, well-formed, every zone known, a few places checked.
void TestSehirVeritabani::sunulanVeritabani()
{
    const QString klasor = QStringLiteral(RAVLA_KOORDINAT_KLASORU "/");
    const std::optional<QStringList> liste = ulkeler(klasor);
    QVERIFY(liste && liste->size() > 200 && liste->size() <= kEnCokUlke);
    qint64 boyut = 0;
    QHash<QString, QString> bulunan; // spot checks: name -> its line
    for (const QString &ulke : *liste) {
        const std::optional<QStringList> satirlar = sehirSatirlari(klasor, ulke);
        QVERIFY2(satirlar && !satirlar->isEmpty(), qPrintable(ulke));
        boyut += QFileInfo(klasor + ulke + ".txt").size();
        for (const QString &satir : *satirlar) {
            const Koordinat k = koordinatlariAyikla(satir);
            if (!k.hata.isEmpty() || satir.count(',') != 5 || !SaatDilimi::bilinir(k.saatDilimi))
                QFAIL(qPrintable(ulke + ": " + satir + " " + k.hata));
            const QString ad = ulke + "/" + satir.section(',', 0, 0);
            if (!bulunan.contains(ad))
                bulunan.insert(ad, satir);
        }
    }
    QVERIFY(boyut < 3 * 1024 * 1024);

    const QStringList beklenen{
        "Türkiye/İstanbul:3:Europe/Istanbul", "Hindistan/Delhi:5.5:Asia/Kolkata",
        "ABD/New York City:-5:America/New_York", "Avustralya/Adelaide:9.5:Australia/Adelaide",
        "Almanya/Köln:1:Europe/Berlin"};
    for (const QString &b : beklenen) {
        const QString satir = bulunan.value(b.section(':', 0, 0));
        QVERIFY2(!satir.isEmpty(), qPrintable(b));
        const Koordinat k = koordinatlariAyikla(satir);
        QCOMPARE(k.gmt, b.section(':', 1, 1).toDouble());
        QCOMPARE(k.saatDilimi, b.section(':', 2, 2));
        // The standard offset is the zone's own.
        QCOMPARE(SaatDilimi::standartOfset(k.saatDilimi, 2026).value_or(99), k.gmt);
    }
}

RAVLA_TEST_MAIN(TestSehirVeritabani)
#include "tst_sehirveritabani.moc"
