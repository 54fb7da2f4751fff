// The sound layer, SesArac and EzanSec against the real SDL2_mixer: SDL's disk driver writes
// what would reach the loudspeaker into a file each case reads back.

#include "diskkaydi.h"
#include "ezansec.h"
#include "programklasoru.h"
#include "sesarac.h"
#include "testortami.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

using namespace DiskSes;

namespace {

// Recordings told apart by their peaks, most in whole thousands. The .ogg names hold WAV data:
// the content decides.
const QMap<QString, int> kTepeler = {{"ses1.wav", 1000}, {"ses2.wav", 2000},  {"ses3.wav", 3000},
                                     {"ses4.wav", 4000}, {"ses5.wav", 5000},  {"Fecir.ogg", 6000},
                                     {"Aksa.ogg", 7000}, {"Mekke.ogg", 8000}, {"أذان.wav", 5500}};
// What every adhan list offers: the folder's files by name, letter case aside; no directory,
// link, FIFO, nor a name with a line break (it could not be saved).
const QStringList kListe = {"Aksa.ogg",  "Bos.ogg",        "Fecir.ogg", "Kesik.ogg", "Mekke.ogg",
                            "Metin.ogg", "ses1.wav",       "ses2.wav",  "ses3.wav",  "ses4.wav",
                            "ses5.wav",  "Öğle Ezanı.ogg", "أذان.wav"};
const QByteArray kBesSes = "ses1.wav\nses2.wav\nses3.wav\nses4.wav\nses5.wav\n";

// A peak of tepe played at yuzde percent. The mixer has 128 steps: one percent is allowed.
bool seviyede(int olculen, int tepe, int yuzde = 100)
{
    return olculen >= 0 &&
           std::abs(olculen - tepe * yuzde / 100.0) <= (yuzde ? tepe / 100.0 + 1 : 0);
}

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

// Runs the event loop until the output file stops growing, that is the output has closed:
// about the milliseconds that took (half a second late at most), or -1 past enCokMs.
qint64 kapanana(const Kayit &kayit, int enCokMs)
{
    QElapsedTimer t;
    qint64 son = -1;
    for (t.start(); son != kayit.kareSayisi() && t.elapsed() < enCokMs; QTest::qWait(500))
        son = kayit.kareSayisi();
    return t.elapsed() < enCokMs ? t.elapsed() - 500 : -1;
}

} // namespace

class TestSes : public QObject
{
    Q_OBJECT

    QString ezan(const QString &ad) const { return program + "/ezan/" + ad; }

    QTemporaryDir gecici;
    const QString program = gecici.filePath("Kullanıcı Şükrü/ravla"); // a name not in Latin-1
    const QString kullanici = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QString cikti; // what the current case's output device writes
    Kayit kayit{QString()};
    int sayac = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(ezan("Klasor.ogg")) && QDir().mkpath(kullanici + "/ezan"));
        for (auto [ad, tepe] : kTepeler.asKeyValueRange())
            QVERIFY(wavYaz(ezan(ad), tepe, 4));
        // The user's own copy: offered, and played, where the program's folder cannot be written.
        QVERIFY(wavYaz(kullanici + "/ezan/Aksa.ogg", 9000, 4));
        const QByteArray ogg = icerik(RAVLA_KAYNAK_EZAN "/Aksa.ogg"); // real Vorbis
        QVERIFY(yaz(ezan("Öğle Ezanı.ogg"), ogg) && yaz(ezan("Satir\nKirik.ogg"), {}));
        QVERIFY(yaz(ezan("Kesik.ogg"), ogg.left(100)) && yaz(ezan("Bos.ogg"), {}));
        QVERIFY(yaz(ezan("Metin.ogg"), "no sound\n") &&
                QFile::link(ezan("ses1.wav"), ezan("Bag.ogg")));
        QCOMPARE(mkfifo(QFile::encodeName(ezan("Boru.ogg")).constData(), 0644), 0);
    }

    // Every case: its own output file, no ayarlar.dat anywhere.
    void init()
    {
        cikti = gecici.filePath(QString("cikti%1.raw").arg(++sayac));
        kur(cikti);
        kayit = Kayit(cikti);
        ProgramKlasoru::ayarla(program);
        EzanKlasorleri::yazilabilirlikAyarla({});
        QFile::remove(program + "/ayarlar.dat");
        QFile::remove(kullanici + "/ayarlar.dat");
    }

    // A sound started silent is silent from its first sample; its volume then changes at once.
    // Another SesArac's sound replaces it, and the first's volume control then reaches nothing.
    void duzey()
    {
        SesArac a, b;
        a.Cal("أذان.wav", 0);
        QVERIFY(kayit.bekle(kGecikme + kPencere));
        QCOMPARE(kayit.tepe(0, kayit.kareSayisi()), 0);
        a.DuzeyAyarla(100);
        QVERIFY(seviyede(kayit.sonrakiTepe(), 5500));
        b.Cal("ses3.wav", 30);
        a.DuzeyAyarla(100);
        QVERIFY(seviyede(kayit.sonrakiTepe(), 3000, 30));
    }

    // A whole recording followed by megabytes of junk, which libvorbisfile takes seconds to
    // minutes to open (that the call returns at once and the loop turns meanwhile is
    // tst_pencere's): wanted, it plays once open, the output kept open for it past the idle
    // limit. Replaced meanwhile, it is dropped and gives up, so that the output closes a few
    // seconds after the last sound; the recording asked for next plays at once.
    void yavasAcilis()
    {
        QTemporaryDir klasor;
        const auto yavas = [&klasor](int copMb) {
            const QString yol = klasor.filePath(QString("Yavas%1.ogg").arg(copMb));
            QFile f(yol);
            bool ok = f.open(QIODevice::WriteOnly) &&
                      f.write(icerik(RAVLA_KAYNAK_EZAN "/Aksa.ogg")) > 100000;
            for (int i = 0; ok && i < copMb; ++i)
                ok = f.write(QByteArray(1 << 20, '\0')) == 1 << 20;
            return ok ? yol : QString();
        };
        SesArac ses;
        ses.DosyaCal(yavas(40), 100);
        QVERIFY(!ses.sesVarMi());
        QTRY_VERIFY_WITH_TIMEOUT(ses.sesVarMi(), 90000);
        // Half a second of silence, then louder than any WAV here.
        const qint64 bas = kayit.kareSayisi() + kGecikme;
        QVERIFY(kayit.bekle(bas + 2 * kOrnekHizi));
        QCOMPARE_GT(kayit.tepe(bas, bas + 2 * kOrnekHizi), 10000);

        ses.Dur();
        ses.DosyaCal(yavas(200), 100);
        QTest::qWait(1000);
        QVERIFY(!ses.sesVarMi());
        QCOMPARE(kayit.sonrakiTepe(), 0);
        ses.Cal("ses2.wav", 100);
        QVERIFY(seviyede(kayit.sonrakiTepe(), 2000));
        QVERIFY(kapanana(kayit, 30000) >= 0);
        QVERIFY(ses.sesVarMi());
    }

    // A file opened while the event loop was busy elsewhere, its sound then stopped or its
    // device gone before the loop got to it, never sounds, and its caller is not told: that
    // one may be gone too. The output, kept open for it, closes afterwards.
    void gecKalanSonuc_data()
    {
        QTest::addColumn<bool>("cihazGitti");
        QTest::newRow("stopped") << false;
        QTest::newRow("device gone") << true;
    }

    void gecKalanSonuc()
    {
        QFETCH(bool, cihazGitti);
        bool soylendi = false;
        auto ses = std::make_unique<SesArac>();
        ses->SiraylaCal({ezan("ses1.wav")}, 100, [&soylendi](int) { soylendi = true; });
        QThread::msleep(300); // opened by now, its start waiting for the loop
        if (cihazGitti)
            ses.reset();
        else
            ses->Dur();
        QTest::qWait(300);
        QVERIFY(!soylendi);
        QVERIFY(!ses || !ses->sesVarMi());
        QCOMPARE(kayit.tepe(0, kayit.kareSayisi()), 0);
        if (cihazGitti)
            QVERIFY(kapanana(kayit, 3000) >= 0);
    }

    // ayarlar.dat as found, where the program's folder can be written or not; what each list
    // offers; what EzanCal plays for 0 (no prayer), Fajr .. Isha and 6, Mekke.ogg standing in for
    // what cannot be played. Building the dialog writes nothing, whatever it finds.
    void ayarlar_data()
    {
        QTest::addColumn<QString>("kurulum");
        QTest::addColumn<QByteArray>("veri"); // null: no file
        QTest::addColumn<QString>("tepeler"); // thousands, of what plays for 0 .. 6
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);

        QTest::newRow("first start") << "" << QByteArray() << "8677778";
        QTest::newRow("four lines") << "" << kBesSes.left(36) << "8123478";
        QTest::newRow("six lines, then 10 MB")
            << "" << kBesSes + "Mekke.ogg\n" + QByteArray(10 << 20, 'x') << "8123458";
        QTest::newRow("CR LF") << "" << kBesSes.chopped(1).replace("\n", "\r\n") << "8123458";
        QTest::newRow("UTF-16") << "" << QByteArray(utf16.encode(QString(kBesSes))) << "8123458";
        QTest::newRow("names in another letter case")
            << "" << QByteArray("aksa.ogg\nFECIR.OGG\nses3.wav\nSES4.WAV\nMekke.OGG\n")
            << "8883888";
        QTest::newRow("a name no longer in the folder")
            << "" << QByteArray("Silindi.ogg\n") + kBesSes.mid(9) << "8823458";
        QTest::newRow("paths: only files of the folder play")
            << "" << QByteArray("../ezan/ses1.wav\n./ses2.wav\n..\nses4.wav/\nses5.wav\n")
            << "8888858";
        // Empty, no sound, Ogg cut in its headers, a directory, a FIFO (not waited on): each
        // gives way to Mekke.ogg.
        QTest::newRow("nothing to play")
            << "" << QByteArray("Bos.ogg\nMetin.ogg\nKesik.ogg\nKlasor.ogg\nBoru.ogg\n")
            << "8888888";
        QTest::newRow("binary junk")
            << "" << QByteArray("\0\xff\xfe\x80\n", 5).repeated(999) << "8888888";
        QTest::newRow("/proc, that not even root writes") << "/proc" << QByteArray() << "0099990";
        QTest::newRow("no audio device") << "no device" << kBesSes << "0000000";
    }

    void ayarlar()
    {
        QFETCH(QString, kurulum);
        QFETCH(QByteArray, veri);
        QFETCH(QString, tepeler);
        if (kurulum == "no device")
            qputenv("SDL_AUDIODRIVER", "boyle-bir-surucu-yok");
        ProgramKlasoru::ayarla(kurulum == "/proc" ? kurulum : program);
        const QStringList liste = kurulum == "/proc" ? QStringList{"Aksa.ogg"} : kListe;
        const QString dosya = (kurulum == "/proc" ? kullanici : program) + "/ayarlar.dat";
        if (!veri.isNull())
            QVERIFY(yaz(dosya, veri));
        const auto klasor = [&dosya] {
            return QFileInfo(dosya).dir().entryList(QDir::AllEntries | QDir::Hidden);
        };
        const QStringList once = klasor();

        EzanSec e;
        QCOMPARE(icerik(dosya), veri.isNull() ? "<none>" : veri);
        QCOMPARE(klasor(), once);
        for (const QComboBox *k : e.findChildren<QComboBox *>())
            for (int i = 0; i <= liste.size(); ++i)
                QCOMPARE(k->itemText(i), liste.value(i));
        for (int vakit = 0; vakit <= 6; ++vakit) {
            e.EzanCal(vakit, 100);
            QVERIFY(seviyede(kayit.sonrakiTepe(), tepeler[vakit].digitValue() * 1000));
            QCOMPARE(e.sesAraci()->sesVarMi(), tepeler[vakit] != '0');
        }
    }

    // A prayer time is never silent while the volume is up: a chosen recording that cannot be
    // played gives way to the program's Mekke.ogg, and that to the reminder's tone; the caller
    // is told, once, that the chosen one failed. A good recording plays, and nobody is told.
    void yedek_data()
    {
        QTest::addColumn<QString>("secilen"); // how the chosen Secilen.ogg is
        QTest::addColumn<QString>("mekke");   // how the program's Mekke.ogg is
        QTest::addColumn<bool>("ton");        // whether the reminder's tone plays
        QTest::addColumn<int>("tepe");        // what sounds: 3000 it, 8000 Mekke, 4500 the tone
        const auto row = [](const QString &ad, const QString &secilen, const QString &mekke,
                            bool ton, int tepe) {
            QTest::newRow(qPrintable(ad)) << secilen << mekke << ton << tepe;
        };
        row("good", "good", "good", true, 3000);
        // Each kind of bad file giving way to Mekke.ogg is ayarlar's; here who is told.
        for (const char *b : {"missing", "cut"})
            row(b, b, "good", true, 8000);
        row("missing, Mekke.ogg not audio", "missing", "text", true, 4500);
        row("cut, Mekke.ogg missing", "cut", "missing", true, 4500);
        row("Mekke.ogg chosen, empty", "Mekke.ogg", "empty", true, 4500);
        row("empty, Mekke.ogg and the tone cut", "empty", "cut", false, 0);
    }

    void yedek()
    {
        QFETCH(QString, secilen);
        QFETCH(QString, mekke);
        QFETCH(bool, ton);
        QFETCH(int, tepe);
        QTemporaryDir yer;
        const QString ezanlar = yer.filePath("ezan");
        QVERIFY(QDir().mkpath(ezanlar) && QDir().mkpath(yer.filePath("sesler")));
        const QByteArray ogg = icerik(RAVLA_KAYNAK_EZAN "/Mekke.ogg");
        const auto koy = [&](const QString &yol, const QString &nasil, int seviye) {
            if (nasil == "good")
                return wavYaz(yol, seviye, 4);
            const QByteArray veri = nasil == "cut"    ? ogg.left(300)
                                    : nasil == "text" ? QByteArray("ezan\n")
                                                      : QByteArray();
            return nasil == "missing" || yaz(yol, veri);
        };
        const bool mekkeSecili = secilen == "Mekke.ogg";
        QVERIFY(koy(ezanlar + "/Secilen.ogg", mekkeSecili ? "missing" : secilen, 3000));
        QVERIFY(koy(ezanlar + "/Mekke.ogg", mekke, 8000));
        QVERIFY(koy(yer.filePath("sesler/Hatirlatma.ogg"), ton ? "good" : "cut", 4500));
        QVERIFY(yaz(yer.filePath("ayarlar.dat"), mekkeSecili ? "Mekke.ogg\n" : "Secilen.ogg\n"));
        ProgramKlasoru::ayarla(yer.path());

        EzanSec e;
        int soylenen = 0;
        e.EzanCal(1, 100, [&soylenen] { ++soylenen; });
        QVERIFY(seviyede(kayit.sonrakiTepe(), tepe));
        QCOMPARE(e.sesAraci()->sesVarMi(), tepe > 0);
        QTRY_COMPARE(soylenen, secilen == "good" ? 0 : 1);
        e.EzanDur();
        QTest::qWait(50);
        QCOMPARE(soylenen, secilen == "good" ? 0 : 1);
    }

    // Where no event loop runs (a thread with no application of its own), the files are opened
    // on the spot: the sound plays, and which one is known, as soon as the call returns.
    void donguYok()
    {
        int hemen = -2, tepe = -1;
        bool caliyor = false;
        std::thread([&] {
            SesArac ses;
            int calan = -2;
            ses.SiraylaCal({ezan("Metin.ogg"), ezan("Klasor.ogg"), ezan("ses4.wav")}, 100,
                           [&calan](int i) { calan = i; });
            hemen = calan;
            caliyor = ses.sesVarMi();
            tepe = kayit.sonrakiTepe();
        }).join();
        QCOMPARE(hemen, 2);
        QVERIFY(caliyor);
        QVERIFY(seviyede(tepe, 4000));
    }

    // A save replaces ayarlar.dat whole, the prayers the file missed with their defaults:
    // interrupted (a file size limit stands for a full disk) it leaves the old one. A test button
    // plays its list's choice, saved or not, at half volume; while one plays, any of them, or
    // Cancel, stops it.
    void dugmeler()
    {
        const QByteArray dortSatir = kBesSes.left(36);
        QVERIFY(yaz(program + "/ayarlar.dat", dortSatir));
        EzanSec e;
        const auto bas = [&e](const char *ad) { e.findChild<QAbstractButton *>(ad)->click(); };
        e.findChild<QComboBox *>("AksamComboBox")->setCurrentText("Mekke.ogg");
        // Before any sound: the disk driver could not write either.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit dar = {8, RLIM_INFINITY}, genis = {RLIM_INFINITY, RLIM_INFINITY};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &dar), 0);
        bas("KaydetPushButton");
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &genis), 0);
        // The write fails in the flush that QSaveFile::commit() makes, which Qt 6.4 does not
        // count as a failure: the cut file must not replace the old one.
        QCOMPARE(yakalananMesajlar(), QStringList{"Hata: Ezan seçimi kaydedilemedi."});
        QCOMPARE(icerik(program + "/ayarlar.dat"), dortSatir);

        bas("SabahOkuToolButton");
        QVERIFY(seviyede(kayit.sonrakiTepe(), 1000, 50));
        bas("YatsiOkuToolButton");
        QCOMPARE(kayit.sonrakiTepe(), 0);
        bas("AksamOkuToolButton");
        QVERIFY(seviyede(kayit.sonrakiTepe(), 8000, 50));
        bas("IptalPushButton");
        QCOMPARE(kayit.sonrakiTepe(), 0);
        bas("KaydetPushButton");
        QCOMPARE(icerik(program + "/ayarlar.dat"),
                 "ses1.wav\nses2.wav\nses3.wav\nMekke.ogg\nAksa.ogg\n");
        e.EzanCal(4, 100);
        QVERIFY(seviyede(kayit.sonrakiTepe(), 8000));
    }
};

RAVLA_TEST_MAIN(TestSes)
#include "tst_ses.moc"
