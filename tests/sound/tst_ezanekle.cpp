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

// A web server that answers each path its own way, as a real one may fail.
class Sunucu : public QTcpServer
{
public:
    QByteArray govde;

    Sunucu()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] { yanitla(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QString adres(const QString &yol) const
    {
        return QString("http://127.0.0.1:%1/%2").arg(serverPort()).arg(yol);
    }

private:
    void yanitla(QTcpSocket *s)
    {
        if (!s->canReadLine())
            return;
        const QByteArray yol = s->readLine().split(' ').value(1);
        s->readAll();
        const QByteArray bas = "HTTP/1.1 200 OK\r\nContent-Type: audio/ogg\r\nContent-Length: " +
                               QByteArray::number(govde.size()) + "\r\nConnection: close\r\n\r\n";
        if (yol == "/iyi.ogg") {
            s->write(bas + govde);
        } else if (yol == "/yanlis.ogg") {
            QByteArray b = govde;
            b[b.size() / 2] = char(b[b.size() / 2] ^ 1);
            s->write(bas + b);
        } else if (yol == "/kesik.ogg") {
            s->write(bas + govde.left(govde.size() / 2));
        } else if (yol == "/yonlendir.ogg") {
            s->write("HTTP/1.1 302 Found\r\nLocation: http://example.invalid/iyi.ogg\r\n"
                     "Content-Length: 0\r\nConnection: close\r\n\r\n");
        } else if (yol == "/sessiz.ogg") {
            return; // never answers
        } else {
            s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        }
        s->disconnectFromHost();
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
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("nasil");
        QTest::addColumn<QString>("mesaj"); // empty: taken

        QTest::newRow("WAV of 12 s") << "Ezan 1.wav"
                                     << "12 s"
                                     << "";
        QTest::newRow("Arabic name") << "أذان الفجر.wav"
                                     << "12 s"
                                     << "";
        QTest::newRow("Ogg Vorbis, another extension") << "Gercek.oga"
                                                       << "ogg"
                                                       << "";
        QTest::newRow("not audio") << "Bozuk.ogg"
                                   << "text"
                                   << "Ezan eklenemedi: Bozuk.ogg: ses dosyası çözülemedi.";
        QTest::newRow("5 s") << "Kisa.wav"
                             << "5 s"
                             << "Ezan eklenemedi: Kisa.wav: kayıt çok kısa (5 saniye; en az 10 "
                                "saniye).";
        QTest::newRow("9.9 s") << "Kisa.wav"
                               << "9.9 s"
                               << "Ezan eklenemedi: Kisa.wav: kayıt çok kısa (10 saniye; en az "
                                  "10 saniye).";
        QTest::newRow("50 MB") << "Buyuk.wav"
                               << "50 MB"
                               << "Ezan eklenemedi: Buyuk.wav: dosya çok büyük (50 MB; en çok "
                                  "50 MB).";
        QTest::newRow("name already there")
            << "Var.wav"
            << "there"
            << "Ezan ekle: Ezan klasöründe Var.wav adlı bir kayıt zaten var. Yenisiyle "
               "değiştirilsin mi?";
    }

    void ekle()
    {
        QFETCH(QString, ad);
        QFETCH(QString, nasil);
        QFETCH(QString, mesaj);
        const QString dosya = kaynak + "/" + ad;
        if (nasil == "12 s" || nasil == "there")
            QVERIFY(yaz(dosya, uzunWav));
        else if (nasil == "5 s" || nasil == "9.9 s")
            QVERIFY(DiskSes::wavYaz(dosya, 3000, nasil == "5 s" ? 5 : 9.9));
        else if (nasil == "ogg")
            QVERIFY(QFile::copy(RAVLA_KAYNAK_EZAN "/Aksa.ogg", dosya));
        else if (nasil == "text")
            QVERIFY(yaz(dosya, QByteArray("OggS, but not really\n").repeated(1000)));
        else if (nasil == "50 MB") {
            QFile f(dosya);
            QVERIFY(yaz(dosya, uzunWav) && f.resize(50 << 20));
        }
        if (nasil == "there")
            QVERIFY(yaz(kullanici + "/Var.wav", "the user's own\n"));
        const QStringList once = klasorDokumu(kullanici);

        EzanSec e;
        const auto *ilk = e.findChild<QLabel *>("IlkLabel");
        QCOMPARE(ilk->isHidden(), nasil == "there"); // Var.wav counts as real
        QCOMPARE(e.dosyaEkle(dosya, 2), mesaj.isEmpty());
        QCOMPARE(yakalananMesajlar(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
        const QStringList sonra = klasorDokumu(kullanici);
        const auto kutular = e.findChildren<QComboBox *>();
        if (!mesaj.isEmpty()) {
            QCOMPARE(sonra, once);
            QCOMPARE(liste(kutular.first()).contains(ad), nasil == "there");
            QCOMPARE(e.findChild<QComboBox *>("OgleComboBox")->currentText(), "Aksa.ogg");
            QCOMPARE(ilk->isHidden(), nasil == "there");
            return;
        }
        QCOMPARE(sonra.size(), once.size() + 1);
        QCOMPARE(icerik(kullanici + "/" + ad), icerik(dosya));
        for (const QComboBox *k : kutular)
            QVERIFY(liste(k).contains(ad));
        QCOMPARE(e.findChild<QComboBox *>("OgleComboBox")->currentText(), ad);
        QCOMPARE(e.findChild<QComboBox *>("SabahComboBox")->currentText(), "Fecir.ogg");
        QVERIFY(ilk->isHidden());
        QVERIFY(e.findChild<QAbstractButton *>("SilPushButton")->isEnabled());
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
        QTest::newRow("shipped") << false << "Aksa.ogg" << false << true;
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
        QTest::addColumn<QString>("yol");
        QTest::addColumn<QString>("neden"); // empty: saved
        QTest::newRow("good") << "iyi.ogg"
                              << "";
        QTest::newRow("wrong hash") << "yanlis.ogg"
                                    << "dosyanın SHA-256 özeti listedekiyle uyuşmuyor";
        QTest::newRow("cut") << "kesik.ogg"
                             << "indirme yarıda kesildi ya da boyutu listedekinden farklı";
        QTest::newRow("no answer") << "sessiz.ogg"
                                   << "sunucu yanıt vermedi (zaman aşımı)";
        QTest::newRow("redirect to plain HTTP")
            << "yonlendir.ogg"
            << "güvenli olmayan (HTTPS olmayan) bir adrese yönlendirildi";
        QTest::newRow("not found") << "yok.ogg"
                                   << "sunucuya bağlanılamadı ya da sunucu dosyayı vermedi";
    }

    void indir()
    {
        QFETCH(QString, yol);
        QFETCH(QString, neden);
        Sunucu sunucu;
        sunucu.govde = uzunWav;
        QVERIFY(sunucu.listen(QHostAddress::LocalHost));
        qputenv("RAVLA_INDIR_TIMEOUT_MS", "1500");
        EzanKaynagi k;
        k.baslik = "Test adhan";
        k.boyut = uzunWav.size();
        k.sha256 = QCryptographicHash::hash(uzunWav, QCryptographicHash::Sha256);
        k.lisans = "CC0 1.0";
        k.yazar = "Ravla";
        k.sayfa = QUrl("https://commons.wikimedia.org/wiki/File:Test.ogg");
        k.adres = QUrl(sunucu.adres(yol));
        k.dosyaAdi = "İndirilen ezan.ogg";
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
