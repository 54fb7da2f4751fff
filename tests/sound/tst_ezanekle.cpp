// Taking recordings into the user's adhan folder: added from a file (checked by decoding it
// through SDL2_mixer), removed, and downloaded through ravla-indir from a server of the test's
// own on 127.0.0.1.

#include "diskkaydi.h"
#include "ezansec.h"
#include "programklasoru.h"
#include "testortami.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

QByteArray icerik(const QString &yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

bool yaz(const QString &yol, const QByteArray &veri)
{
    QFile f(yol);
    return f.open(QIODevice::WriteOnly) && f.write(veri) == veri.size();
}

// Everything in a folder, hidden files too, with its bytes' hash.
QStringList klasorDokumu(const QString &klasor)
{
    QStringList d;
    for (const QString &ad : QDir(klasor).entryList(QDir::Files | QDir::Hidden))
        d << ad + ' ' +
                 QCryptographicHash::hash(icerik(klasor + '/' + ad), QCryptographicHash::Sha1)
                     .toHex();
    return d;
}

QStringList liste(const QComboBox *k)
{
    QStringList l;
    for (int i = 0; i < k->count(); ++i)
        if (k->itemData(i).isNull() && !k->itemText(i).isEmpty())
            l << k->itemText(i);
    return l;
}

// A web server giving every request the same answer, or none at all (a null one).
class Sunucu : public QTcpServer
{
public:
    explicit Sunucu(const QByteArray &yanit)
    {
        connect(this, &QTcpServer::newConnection, this, [this, yanit] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [s, yanit] {
                    if (!s->canReadLine() || yanit.isNull())
                        return;
                    s->readAll();
                    s->write(yanit);
                    s->disconnectFromHost();
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
};

} // namespace

class TestEzanEkle : public QObject
{
    Q_OBJECT

    QTemporaryDir gecici;
    const QString program = gecici.filePath("ravla");
    const QString kaynak = gecici.filePath("kaynak");
    const QString kullanici =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/ezan";
    QByteArray uzunWav;

    void temizle(bool tekKlasor)
    {
        QDir(kullanici).removeRecursively();
        QVERIFY(QDir().mkpath(kullanici));
        ProgramKlasoru::ayarla(program);
        EzanKlasorleri::yazilabilirlikAyarla([tekKlasor](const QString &) { return tekKlasor; });
        yakalananMesajlar().clear();
        QFile::remove(program + "/ayarlar.dat");
        QFile::remove(kullanici + "/../ayarlar.dat");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(program + "/ezan") && QDir().mkpath(kaynak));
        for (const char *ad : {"Fecir.ogg", "Aksa.ogg", "Mekke.ogg"})
            QVERIFY(QFile::copy(QString(RAVLA_KAYNAK_EZAN "/") + ad, program + "/ezan/" + ad));
        QVERIFY(QFile::link(RAVLA_INDIR, program + "/ravla-indir"));
        QVERIFY(DiskSes::wavYaz(kaynak + "/uzun.wav", 3000, 12));
        uzunWav = icerik(kaynak + "/uzun.wav");
    }

    void init() { temizle(false); }

    // A file is taken only when it plays for 10 s or more, decodes and is under 50 MB; then it
    // is in every list at once, chosen for the prayer it was added from, and the first-run line
    // goes. A name already there is kept unless the user says to replace it (the test answers
    // every question with neither Yes nor No).
    void ekle_data()
    {
        QTest::addColumn<QString>("ad"); // Var.wav: the user has one of that name
        QTest::addColumn<QByteArray>("veri");
        QTest::addColumn<QString>("mesaj"); // empty: taken
        const auto row = [](const char *satir, const QString &ad, const QByteArray &veri,
                            const QString &neden = {}) {
            QTest::newRow(satir) << ad << veri
                                 << (neden.isEmpty() ? neden
                                                     : "Ezan eklenemedi: " + ad + ": " + neden);
        };
        QVERIFY(DiskSes::wavYaz(kaynak + "/kisa.wav", 3000, 9.9));
        row("WAV of 12 s", "Ezan 1.wav", uzunWav);
        row("Arabic name", "أذان الفجر.wav", uzunWav);
        row("Ogg Vorbis, another extension", "Gercek.oga", icerik(RAVLA_KAYNAK_EZAN "/Aksa.ogg"));
        row("not audio", "Bozuk.ogg", QByteArray("OggS, but not really\n").repeated(1000),
            "ses dosyası çözülemedi.");
        row("9.9 s", "Kisa.wav", icerik(kaynak + "/kisa.wav"),
            "kayıt çok kısa (10 saniye; en az 10 saniye).");
        row("50 MB", "Buyuk.wav", uzunWav + QByteArray((50 << 20) - uzunWav.size(), '\0'),
            "dosya çok büyük (50 MB; en çok 50 MB).");
        QTest::newRow("name already there")
            << "Var.wav" << uzunWav
            << "Ezan ekle: Ezan klasöründe Var.wav adlı bir kayıt zaten var. Yenisiyle "
               "değiştirilsin mi?";
    }

    void ekle()
    {
        QFETCH(QString, ad);
        QFETCH(QByteArray, veri);
        QFETCH(QString, mesaj);
        const QString dosya = kaynak + "/" + ad;
        const bool var = ad == "Var.wav";
        QVERIFY(yaz(dosya, veri) && (!var || yaz(kullanici + "/Var.wav", "the user's own\n")));
        const QStringList once = klasorDokumu(kullanici);

        EzanSec e;
        const auto *ilk = e.findChild<QLabel *>("IlkLabel");
        QCOMPARE(ilk->isHidden(), var); // Var.wav counts as real
        QCOMPARE(e.dosyaEkle(dosya, 2), mesaj.isEmpty());
        QCOMPARE(yakalananMesajlar(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
        const QStringList sonra = klasorDokumu(kullanici);
        const auto kutular = e.findChildren<QComboBox *>();
        if (!mesaj.isEmpty()) {
            QCOMPARE(sonra, once);
            QCOMPARE(liste(kutular.first()).contains(ad), var);
            QCOMPARE(e.findChild<QComboBox *>("OgleComboBox")->currentText(), "Aksa.ogg");
            return;
        }
        QCOMPARE(sonra.size(), once.size() + 1);
        QCOMPARE(icerik(kullanici + "/" + ad), icerik(dosya));
        for (const QComboBox *k : kutular)
            QVERIFY(liste(k).contains(ad));
        QCOMPARE(e.findChild<QComboBox *>("OgleComboBox")->currentText(), ad);
        QVERIFY(ilk->isHidden());
    }

    // Sil removes what the user added, with its attribution text, never a shipped placeholder;
    // where the user's copy hid the program's of the same name, the program's is offered again.
    void sil_data()
    {
        QTest::addColumn<bool>("tekKlasor"); // the program's folder is the user's too
        QTest::addColumn<QString>("ad");
        QTest::addColumn<bool>("silinir");
        QTest::addColumn<bool>("kalir"); // still offered afterwards
        QTest::newRow("added") << false << "Eklenen.wav" << true << false;
        QTest::newRow("added, one folder") << true << "Eklenen.wav" << true << false;
        QTest::newRow("shipped, one folder") << true << "Mekke.ogg" << false << true;
        QTest::newRow("the user's Aksa.ogg") << false << "Aksa.ogg" << true << true;
    }

    void sil()
    {
        QFETCH(bool, tekKlasor);
        QFETCH(QString, ad);
        QFETCH(bool, silinir);
        QFETCH(bool, kalir);
        temizle(tekKlasor);
        const QString klasor = tekKlasor || !silinir ? program + "/ezan" : kullanici;
        if (silinir) {
            QVERIFY(yaz(klasor + "/" + ad, uzunWav) && yaz(klasor + "/" + ad + ".txt", "CC0\n"));
            QVERIFY(yaz((tekKlasor ? program : kullanici + "/..") + "/ayarlar.dat",
                        (ad + "\n").toUtf8()));
        }
        const QStringList once = klasorDokumu(program + "/ezan");
        EzanSec e;
        auto *sabah = e.findChild<QComboBox *>("SabahComboBox");
        sabah->setCurrentText(ad);
        emit sabah->activated(sabah->currentIndex());
        QCOMPARE(e.findChild<QAbstractButton *>("SilPushButton")->isEnabled(), silinir);
        QCOMPARE(e.kaydiSil(ad), silinir);
        QCOMPARE(QFile::exists(klasor + "/" + ad), !silinir);
        QVERIFY(!QFile::exists(klasor + "/" + ad + ".txt") || !silinir);
        if (!tekKlasor || !silinir)
            QCOMPARE(klasorDokumu(program + "/ezan"), once);
        QCOMPARE(liste(sabah).contains(ad), kalir);
        if (silinir && !kalir) {
            // The saved choice stays, and plays what a missing recording gives way to.
            QCOMPARE(e.ezanDosyasi(1), ad);
            QCOMPARE(sabah->currentText(), "");
        }
    }

    // A download is saved only once whole and as listed: a wrong hash, a cut transfer, a server
    // that never answers, a redirect away from HTTPS each leave the folder as it was and say so.
    void indir_data()
    {
        QTest::addColumn<QByteArray>("yanit"); // the server's, to any request
        QTest::addColumn<QString>("neden");    // empty: saved
        const QByteArray bas = "HTTP/1.1 200 OK\r\nContent-Type: audio/ogg\r\nContent-Length: " +
                               QByteArray::number(uzunWav.size()) + "\r\nConnection: close\r\n\r\n";
        QByteArray yanlis = uzunWav;
        yanlis[yanlis.size() / 2] = char(yanlis[yanlis.size() / 2] ^ 1);
        const auto row = [](const char *satir, const QByteArray &yanit, const QString &neden) {
            QTest::newRow(satir) << yanit << neden;
        };
        row("good", bas + uzunWav, "");
        row("wrong hash", bas + yanlis, "dosyanın SHA-256 özeti listedekiyle uyuşmuyor");
        row("cut", bas + uzunWav.left(uzunWav.size() / 2),
            "indirme yarıda kesildi ya da boyutu listedekinden farklı");
        row("no answer", QByteArray(), "sunucu yanıt vermedi (zaman aşımı)");
        row("redirect to plain HTTP",
            "HTTP/1.1 302 Found\r\nLocation: http://example.invalid/iyi.ogg\r\n"
            "Content-Length: 0\r\nConnection: close\r\n\r\n",
            "güvenli olmayan (HTTPS olmayan) bir adrese yönlendirildi");
        row("not found", "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
            "sunucuya bağlanılamadı ya da sunucu dosyayı vermedi");
    }

    void indir()
    {
        QFETCH(QByteArray, yanit);
        QFETCH(QString, neden);
        Sunucu sunucu(yanit);
        QVERIFY(sunucu.listen(QHostAddress::LocalHost));
        qputenv("RAVLA_INDIR_TIMEOUT_MS", "1500");
        const EzanKaynagi k{
            .baslik = "Test adhan",
            .boyut = uzunWav.size(),
            .lisans = "CC0 1.0",
            .yazar = "Ravla",
            .sayfa = QUrl("https://commons.wikimedia.org/wiki/File:Test.ogg"),
            .adres = QUrl(QString("http://127.0.0.1:%1/ezan.ogg").arg(sunucu.serverPort())),
            .sha256 = QCryptographicHash::hash(uzunWav, QCryptographicHash::Sha256),
            .dosyaAdi = "İndirilen ezan.ogg"};
        const QStringList once = klasorDokumu(kullanici);

        EzanSec e;
        e.indir(k, 4);
        QVERIFY(e.indiriliyorMu());
        QTRY_VERIFY_WITH_TIMEOUT(!e.indiriliyorMu(), 20000);
        const QString hedef = kullanici + "/" + k.dosyaAdi;
        if (!neden.isEmpty()) {
            QCOMPARE(yakalananMesajlar(), QStringList{"İndirilemedi: İndirilen ezan.ogg: " + neden +
                                                      ". Hiçbir dosya kaydedilmedi."});
            QCOMPARE(klasorDokumu(kullanici), once);
            return;
        }
        QCOMPARE(yakalananMesajlar(), QStringList());
        QCOMPARE(icerik(hedef), uzunWav);
        QVERIFY(icerik(hedef + ".txt").contains("Licence: CC0 1.0\n"));
        QVERIFY(icerik(hedef + ".txt").contains("Source: https://commons.wikimedia.org/"));
        QCOMPARE(klasorDokumu(kullanici).size(), once.size() + 2);
        for (const QComboBox *c : e.findChildren<QComboBox *>())
            QCOMPARE(liste(c).count(k.dosyaAdi), 1); // the .txt is not offered
        QCOMPARE(e.findChild<QComboBox *>("AksamComboBox")->currentText(), k.dosyaAdi);
    }

    // The list that ships: every entry whole, on Wikimedia Commons over HTTPS.
    void kaynakListesi()
    {
        ProgramKlasoru::ayarla(RAVLA_KAYNAK_VERI);
        EzanSec e;
        const QList<EzanKaynagi> l = e.indirilebilenler();
        QCOMPARE(l.size(), 2);
        for (const EzanKaynagi &k : l) {
            QCOMPARE(k.adres.scheme(), "https");
            QCOMPARE(k.adres.host(), "upload.wikimedia.org");
            QVERIFY(k.adres.path().endsWith("/" + k.dosyaAdi));
            QCOMPARE(k.lisans, "CC0 1.0");
        }
    }
};

RAVLA_TEST_MAIN(TestEzanEkle)
#include "tst_ezanekle.moc"
