#include "diskkaydi.h"
#include "ezansec.h"
#include "programklasoru.h"
#include "sesarac.h"
#include "testortami.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace DiskSes;

namespace {

// Recordings told apart by their peaks; those that are played last long enough for a few
// checks in a row. The .ogg names hold WAV data: the format is read from the content.
struct Kayitli {
    const char *ad;
    int tepe;
    double saniye;
};
const Kayitli kKayitlar[] = {{"Abdullah.wav", 500, 0.1}, {"Aksa.ogg", 6000, 0.1},
                             {"bilal.wav", 600, 0.1},    {"Fecir.ogg", 6500, 0.1},
                             {"Mekke.ogg", 7000, 4},     {"ses1.wav", 1000, 4},
                             {"ses2.wav", 2000, 4},      {"ses3.wav", 3000, 4},
                             {"ses4.wav", 4000, 4},      {"ses5.wav", 5000, 4}};
// In the order the lists show them: by name, letter case aside.
const QStringList kSirali = {"Abdullah.wav", "Aksa.ogg", "bilal.wav", "Fecir.ogg", "Mekke.ogg",
                             "ses1.wav",     "ses2.wav", "ses3.wav",  "ses4.wav",  "ses5.wav"};
const QByteArray kVarsayilan = "Fecir.ogg\nAksa.ogg\nAksa.ogg\nAksa.ogg\nAksa.ogg\n";
const QByteArray kBesSes = "ses1.wav\nses2.wav\nses3.wav\nses4.wav\nses5.wav\n";

const char *const kKutular[5] = {"SabahComboBox", "OgleComboBox", "IkindiComboBox", "AksamComboBox",
                                 "YatsiComboBox"};
const char *const kDugmeler[5] = {"SabahOkuToolButton", "OgleOkuToolButton", "IkindiOkuToolButton",
                                  "AksamOkuToolButton", "YatsiOkuToolButton"};

bool seviyede(int olculen, int tepe, double yuzde)
{
    if (yuzde <= 0)
        return olculen == 0;
    return std::abs(olculen - tepe * yuzde / 100.0) <= tepe / 100.0 + 1;
}

QByteArray icerik(const QString &yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<okunamadi>");
}

bool yaz(const QString &yol, const QByteArray &veri)
{
    QFile f(yol);
    return f.open(QIODevice::WriteOnly) && f.write(veri) == veri.size();
}

QComboBox *kutu(const EzanSec &e, int vakit)
{
    return e.findChild<QComboBox *>(kKutular[vakit - 1]);
}

QToolButton *dugme(const EzanSec &e, int vakit)
{
    return e.findChild<QToolButton *>(kDugmeler[vakit - 1]);
}

QPushButton *basmaDugmesi(const EzanSec &e, const char *ad)
{
    return e.findChild<QPushButton *>(ad);
}

QStringList secimler(const EzanSec &e)
{
    QStringList s;
    for (int v = 1; v <= 5; ++v)
        s << kutu(e, v)->currentText();
    return s;
}

QStringList dosyalar(const EzanSec &e)
{
    QStringList s;
    for (int v = 1; v <= 5; ++v)
        s << e.ezanDosyasi(v);
    return s;
}

QStringList ogeler(const QComboBox *k)
{
    QStringList s;
    for (int i = 0; i < k->count(); ++i)
        s << k->itemText(i);
    return s;
}

bool simgesi(const QToolButton *d, const char *resim)
{
    const QSize boy(20, 18);
    return d->icon().pixmap(boy).toImage() ==
           QIcon(QString::fromLatin1(resim)).pixmap(boy).toImage();
}

// The message boxes eylem opens (the test harness answers them), as "title: text".
QStringList mesajlariYanitla(const std::function<void()> &eylem)
{
    yakalananMesajlar().clear();
    eylem();
    return yakalananMesajlar();
}

bool iyiBicimli(const QByteArray &dosya, const QStringList &satirlar)
{
    QByteArray beklenen;
    for (const QString &s : satirlar)
        beklenen += s.toUtf8() + '\n';
    return dosya == beklenen;
}

} // namespace

class TestEzanSec : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ilkAcilis();
    void pencere();
    void ayarDosyasi_data();
    void ayarDosyasi();
    void bozukAyarDosyasi_data();
    void bozukAyarDosyasi();
    void buyukAyarDosyasi();
    void klasordekiTuhaflar();
    void kaydet();
    void kaydetBasarisiz_data();
    void kaydetBasarisiz();
    void iptal();
    void testDugmeleri();
    void ezanCal_data();
    void ezanCal();
    void kullaniciKlasoru_data();
    void kullaniciKlasoru();
    void cihazYok();

private:
    QString ezan(const QString &ad) const { return program + QStringLiteral("/ezan/") + ad; }
    QString ayarYolu() const { return program + QStringLiteral("/ayarlar.dat"); }

    std::unique_ptr<QTemporaryDir> gecici;
    QString program;
    std::unique_ptr<Kayit> kayit;
    QByteArray xdgVeri;
};

// Every case: a program folder of its own with its recordings, a fresh output file, an empty
// user data folder.
void TestEzanSec::init()
{
    gecici = std::make_unique<QTemporaryDir>();
    QVERIFY(gecici->isValid());
    program = gecici->filePath(QStringLiteral("ravla"));
    QVERIFY(QDir().mkpath(program + QStringLiteral("/ezan")));
    for (const Kayitli &k : kKayitlar)
        QVERIFY(wavYaz(ezan(QString::fromLatin1(k.ad)), k.tepe, k.saniye));
    ProgramKlasoru::ayarla(program);

    const QString cikti = gecici->filePath(QStringLiteral("cikti.raw"));
    kur(cikti);
    kayit = std::make_unique<Kayit>(cikti);

    if (xdgVeri.isEmpty())
        xdgVeri = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", xdgVeri);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

void TestEzanSec::cleanup()
{
    EzanKlasorleri::yazilabilirlikAyarla({});
    qputenv("XDG_DATA_HOME", xdgVeri);
}

void TestEzanSec::ilkAcilis()
{
    EzanSec e;
    QCOMPARE(icerik(ayarYolu()), kVarsayilan);
    for (int v = 1; v <= 5; ++v) {
        QCOMPARE(ogeler(kutu(e, v)), kSirali);
        QCOMPARE(kutu(e, v)->currentText(), kSirali.first());
    }
    // The lists show the first file; what plays is the default.
    QCOMPARE(dosyalar(e),
             QStringList({"Fecir.ogg", "Aksa.ogg", "Aksa.ogg", "Aksa.ogg", "Aksa.ogg"}));
    QVERIFY(!e.testCaliyorMu());
    QVERIFY(e.sesAraci() && e.sesAraci()->cihazVarMi());
    QVERIFY(!QFileInfo::exists(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

void TestEzanSec::pencere()
{
    QVERIFY(QDir(program + QStringLiteral("/ezan")).removeRecursively());
    EzanSec e;
    const Qt::WindowFlags bayraklar =
        Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;
    QCOMPARE(e.windowFlags() & bayraklar, bayraklar);
    QCOMPARE(e.size(), QSize(383, 212));
    QCOMPARE(e.minimumSize(), e.maximumSize());
    QCOMPARE(e.pos(), QPoint((1280 - 383) / 2, (1024 - 212) / 2));
    // No adhan folder: empty lists, and the dialog still opens.
    for (int v = 1; v <= 5; ++v)
        QCOMPARE(kutu(e, v)->count(), 0);
    e.show();
    QVERIFY(e.isVisible());
}

void TestEzanSec::ayarDosyasi_data()
{
    QTest::addColumn<QByteArray>("ayar");
    QTest::addColumn<QStringList>("adlar");    // what EzanCal plays; empty: the defaults
    QTest::addColumn<QStringList>("secimler"); // what the lists show

    const QStringList besSes = {"ses1.wav", "ses2.wav", "ses3.wav", "ses4.wav", "ses5.wav"};
    const QStringList ilkler(5, kSirali.first());
    QTest::newRow("five names") << kBesSes << besSes << besSes;
    QTest::newRow("CR LF") << QByteArray(kBesSes).replace("\n", "\r\n") << besSes << besSes;
    QTest::newRow("no line end after the last") << kBesSes.chopped(1) << besSes << besSes;
    QTest::newRow("six lines: the sixth is ignored") << kBesSes + "Mekke.ogg\n" << besSes << besSes;
    QTest::newRow("only six lines of a long file are read")
        << kBesSes + "Mekke.ogg\n" + QByteArray(10 << 20, 'x') << besSes << besSes;
    QTest::newRow("names in another letter case")
        << QByteArray("aksa.ogg\nFECIR.OGG\nses3.wav\nSES4.WAV\nMekke.OGG\n")
        << QStringList{"aksa.ogg", "FECIR.OGG", "ses3.wav", "SES4.WAV", "Mekke.OGG"}
        << QStringList{"", "", "ses3.wav", "", ""};
    QTest::newRow("a name no longer in the folder")
        << QByteArray("Silindi.ogg\nses2.wav\nses3.wav\nses4.wav\nses5.wav\n")
        << QStringList{"Silindi.ogg", "ses2.wav", "ses3.wav", "ses4.wav", "ses5.wav"}
        << QStringList{"", "ses2.wav", "ses3.wav", "ses4.wav", "ses5.wav"};
    QTest::newRow("empty lines") << QByteArray("\n\n\n\n\n") << QStringList(5, QString())
                                 << QStringList(5, QString());
    QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + kBesSes << besSes << besSes;
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : QString::fromLatin1(kBesSes))
        utf16 += QByteArray(reinterpret_cast<const char *>(&c), 2);
    QTest::newRow("UTF-16 with a byte-order mark") << utf16 << besSes << besSes;
    QTest::newRow("four lines: the defaults")
        << QByteArray("ses1.wav\nses2.wav\nses3.wav\nses4.wav\n") << QStringList() << ilkler;
    QTest::newRow("empty: the defaults") << QByteArray() << QStringList() << ilkler;
}

void TestEzanSec::ayarDosyasi()
{
    QFETCH(QByteArray, ayar);
    QFETCH(QStringList, adlar);
    QFETCH(QStringList, secimler);

    QVERIFY(yaz(ayarYolu(), ayar));
    EzanSec e;
    QCOMPARE(::secimler(e), secimler);
    if (adlar.isEmpty()) {
        QCOMPARE(icerik(ayarYolu()), kVarsayilan);
        QCOMPARE(dosyalar(e),
                 QStringList({"Fecir.ogg", "Aksa.ogg", "Aksa.ogg", "Aksa.ogg", "Aksa.ogg"}));
    } else {
        QCOMPARE(dosyalar(e), adlar);
        QCOMPARE(icerik(ayarYolu()), ayar); // reading writes nothing
    }
}

// Whatever the file holds: the dialog opens, nothing plays that cannot, and a save writes five
// well-formed lines.
void TestEzanSec::bozukAyarDosyasi_data()
{
    QTest::addColumn<QByteArray>("ayar");
    QTest::addColumn<bool>("varsayilan"); // read as too short, so the defaults were written

    QByteArray cop;
    quint32 x = 2463534242u;
    for (int i = 0; i < 4096; ++i) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        cop += char(x & 0xFF);
    }
    QByteArray utf16;
    for (const QChar c : QString::fromLatin1(kBesSes))
        utf16 += QByteArray(reinterpret_cast<const char *>(&c), 2);

    QTest::newRow("binary junk") << cop + "\n\n\n\n\n" << false;
    QTest::newRow("UTF-16 without a byte-order mark") << utf16 << false;
    QTest::newRow("paths out of the folder")
        << QByteArray("../ezan/ses1.wav\n/etc/passwd\n..\n..\\ses4.wav\nses5.wav/\n") << false;
    QTest::newRow("NUL in the names")
        << QByteArray("ses1.wav\0x\nses2.wav\0\nses3\0.wav\n\0\n\0ses5.wav\n", 43) << false;
    QTest::newRow("10 MB of one line") << QByteArray(10 << 20, 'x') << true;
    QTest::newRow("10 MB of one line, then names")
        << QByteArray(10 << 20, 'x') + "\n" + kBesSes << true;
}

void TestEzanSec::bozukAyarDosyasi()
{
    QFETCH(QByteArray, ayar);
    QFETCH(bool, varsayilan);

    QVERIFY(wavYaz(program + QStringLiteral("/ses1.wav"), 1000, 2)); // beside, not inside ezan/
    QVERIFY(yaz(ayarYolu(), ayar));
    EzanSec e;
    e.show();
    QVERIFY(e.isVisible());
    if (varsayilan) {
        QCOMPARE(icerik(ayarYolu()), kVarsayilan);
    } else {
        for (int v = 1; v <= 5; ++v)
            e.EzanCal(v, 100);
        QVERIFY(!e.sesAraci()->sesVarMi());
        QCOMPARE(kayit->sonrakiTepe(), 0);
    }
    kutu(e, 3)->setCurrentIndex(2);
    basmaDugmesi(e, "KaydetPushButton")->click();
    QVERIFY(!e.isVisible());
    QVERIFY(iyiBicimli(icerik(ayarYolu()), secimler(e)));
}

// A huge file is not read whole: a gigabyte of one line (sparse, so it costs no disk) is
// taken for as short as it is useful, in no time.
void TestEzanSec::buyukAyarDosyasi()
{
    QFile f(ayarYolu());
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(qint64(1) << 30));
    f.close();
    QElapsedTimer t;
    t.start();
    EzanSec e;
    QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(icerik(ayarYolu()), kVarsayilan);
}

// Directories, links, special and broken files in the adhan folder.
void TestEzanSec::klasordekiTuhaflar()
{
    QVERIFY(QDir(program + QStringLiteral("/ezan")).removeRecursively());
    QVERIFY(QDir().mkpath(ezan(QStringLiteral("Klasor.ogg"))));
    QVERIFY(wavYaz(ezan(QStringLiteral("ses1.wav")), 1000, 2));
    QVERIFY(QFile::link(ezan(QStringLiteral("ses1.wav")), ezan(QStringLiteral("Bag.ogg"))));
    QVERIFY(yaz(ezan(QStringLiteral("Bos.ogg")), QByteArray()));
    QVERIFY(yaz(ezan(QStringLiteral("Metin.ogg")), "bu bir ses değil\n"));
    QFile ogg(QStringLiteral(RAVLA_KAYNAK_EZAN "/Aksa.ogg"));
    QVERIFY(ogg.open(QIODevice::ReadOnly));
    QVERIFY(yaz(ezan(QStringLiteral("Kesik.ogg")), ogg.read(100)));
    QVERIFY(yaz(ezan(QStringLiteral("Kilitli.ogg")), "kilitli\n"));
    QVERIFY(QFile::setPermissions(ezan(QStringLiteral("Kilitli.ogg")), {}));
    QStringList beklenen = {"Bos.ogg", "Kesik.ogg", "Kilitli.ogg", "Metin.ogg", "ses1.wav"};
#ifdef Q_OS_UNIX
    QCOMPARE(mkfifo(QFile::encodeName(ezan(QStringLiteral("Boru.ogg"))).constData(), 0644), 0);
    // A name with a line break could never be saved in ayarlar.dat.
    QVERIFY(yaz(ezan(QStringLiteral("Satir\nKirik.ogg")), QByteArray()));
#endif

    EzanSec e;
    QCOMPARE(ogeler(kutu(e, 1)), beklenen);
    e.show();
    for (int i = 0; i < beklenen.size() - 1; ++i) { // all but ses1.wav: nothing can play
        kutu(e, 1)->setCurrentIndex(i);
        dugme(e, 1)->click();
        QVERIFY(e.testCaliyorMu());
        QVERIFY2(!e.sesAraci()->sesVarMi(), qPrintable(beklenen.at(i)));
        dugme(e, 1)->click();
        QVERIFY(!e.testCaliyorMu());
    }
    QCOMPARE(kayit->sonrakiTepe(), 0);
    basmaDugmesi(e, "KaydetPushButton")->click();
    QVERIFY(iyiBicimli(icerik(ayarYolu()), secimler(e)));
}

void TestEzanSec::kaydet()
{
    QVERIFY(yaz(ayarYolu(), kBesSes + "Mekke.ogg\n"));
#ifdef Q_OS_UNIX
    struct stat once;
    QCOMPARE(stat(QFile::encodeName(ayarYolu()).constData(), &once), 0);
#endif
    EzanSec e;
    e.show();
    kutu(e, 1)->setCurrentText(QStringLiteral("Mekke.ogg"));
    kutu(e, 2)->setCurrentIndex(-1); // no selection: an empty line, and silence
    basmaDugmesi(e, "KaydetPushButton")->click();

    QVERIFY(!e.isVisible());
    QCOMPARE(icerik(ayarYolu()), QByteArray("Mekke.ogg\n\nses3.wav\nses4.wav\nses5.wav\n"));
    QCOMPARE(dosyalar(e), QStringList({"Mekke.ogg", "", "ses3.wav", "ses4.wav", "ses5.wav"}));
    // Replaced whole, through a file written beside it, which is gone.
    QCOMPARE(QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"ayarlar.dat", "ezan"}));
#ifdef Q_OS_UNIX
    struct stat sonra;
    QCOMPARE(stat(QFile::encodeName(ayarYolu()).constData(), &sonra), 0);
    QVERIFY(sonra.st_ino != once.st_ino);
#endif

    e.EzanCal(2, 100);
    QCOMPARE(kayit->sonrakiTepe(), 0);
    e.EzanCal(1, 100);
    QCOMPARE(kayit->sonrakiTepe(), 7000);

    EzanSec sonraki; // the next start reads what was saved
    QCOMPARE(dosyalar(sonraki), dosyalar(e));
}

void TestEzanSec::kaydetBasarisiz_data()
{
    QTest::addColumn<bool>("klasorAyar"); // ayarlar.dat is a directory; else the user's data
                                          // folder, where it must go, cannot be written

    QTest::newRow("the replacement cannot be put in place") << true;
    QTest::newRow("no file can be made") << false;
}

void TestEzanSec::kaydetBasarisiz()
{
    QFETCH(bool, klasorAyar);

    if (klasorAyar) {
        QVERIFY(QDir().mkpath(ayarYolu()));
    } else {
        EzanKlasorleri::yazilabilirlikAyarla([](const QString &) { return false; });
        qputenv("XDG_DATA_HOME", "/proc/ravla-yazilamaz");
    }
    EzanSec e;
    e.show();
    const QStringList once = dosyalar(e);
    kutu(e, 1)->setCurrentText(QStringLiteral("ses5.wav"));
    QCOMPARE(mesajlariYanitla([&e] { basmaDugmesi(e, "KaydetPushButton")->click(); }),
             QStringList{"baslik: hata"});
    QVERIFY(e.isVisible());
    QCOMPARE(dosyalar(e), once);
    QCOMPARE(QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             klasorAyar ? QStringList({"ayarlar.dat", "ezan"}) : QStringList({"ezan"}));
    QCOMPARE(QFileInfo(ayarYolu()).isDir(), klasorAyar);
}

void TestEzanSec::iptal()
{
    QVERIFY(yaz(ayarYolu(), kBesSes));
    EzanSec e;
    e.show();
    kutu(e, 1)->setCurrentText(QStringLiteral("Mekke.ogg"));
    dugme(e, 1)->click();
    QCOMPARE(kayit->sonrakiTepe(), 3500); // Mekke.ogg at 50 %
    basmaDugmesi(e, "IptalPushButton")->click();

    QVERIFY(!e.isVisible());
    QVERIFY(!e.testCaliyorMu());
    QCOMPARE(kayit->sonrakiTepe(), 0);
    QVERIFY(simgesi(dugme(e, 1), ":/iconlar/resim/cal.png"));
    QCOMPARE(icerik(ayarYolu()), kBesSes);
    QCOMPARE(e.ezanDosyasi(1), QStringLiteral("ses1.wav"));
    e.show(); // the changed choice is still on screen
    QCOMPARE(kutu(e, 1)->currentText(), QStringLiteral("Mekke.ogg"));
}

void TestEzanSec::testDugmeleri()
{
    QVERIFY(yaz(ayarYolu(), kBesSes));
    EzanSec e;
    e.show();
    for (int v = 1; v <= 5; ++v)
        QVERIFY(simgesi(dugme(e, v), ":/iconlar/resim/cal.png"));

    dugme(e, 1)->click();
    QVERIFY(e.testCaliyorMu());
    QVERIFY(simgesi(dugme(e, 1), ":/iconlar/resim/dur.png"));
    QCOMPARE(kayit->sonrakiTepe(), 500); // ses1.wav at 50 %

    dugme(e, 5)->click(); // while a test plays, any button only stops it
    QVERIFY(!e.testCaliyorMu());
    for (int v = 1; v <= 5; ++v)
        QVERIFY(simgesi(dugme(e, v), ":/iconlar/resim/cal.png"));
    QCOMPARE(kayit->sonrakiTepe(), 0);

    dugme(e, 5)->click();
    QCOMPARE(kayit->sonrakiTepe(), 2500);
    // Saving closes the dialog and leaves the test playing, its button showing stop.
    basmaDugmesi(e, "KaydetPushButton")->click();
    QVERIFY(!e.isVisible());
    QCOMPARE(kayit->sonrakiTepe(), 2500);
    e.show();
    QVERIFY(simgesi(dugme(e, 5), ":/iconlar/resim/dur.png"));
    dugme(e, 3)->click();
    QVERIFY(!e.testCaliyorMu());
    QCOMPARE(kayit->sonrakiTepe(), 0);
}

void TestEzanSec::ezanCal_data()
{
    QTest::addColumn<int>("vakit");
    QTest::addColumn<int>("duzey");
    QTest::addColumn<int>("tepe"); // of the file that must play

    QTest::newRow("Fajr") << 1 << 100 << 1000;
    QTest::newRow("Dhuhr at 30") << 2 << 30 << 2000;
    QTest::newRow("Asr at 50") << 3 << 50 << 3000;
    QTest::newRow("Maghrib silent") << 4 << 0 << 4000;
    QTest::newRow("Isha") << 5 << 100 << 5000;
    QTest::newRow("0: the fallback") << 0 << 100 << 7000;
    QTest::newRow("6: the fallback") << 6 << 70 << 7000;
}

void TestEzanSec::ezanCal()
{
    QFETCH(int, vakit);
    QFETCH(int, duzey);
    QFETCH(int, tepe);

    QVERIFY(yaz(ayarYolu(), kBesSes));
    EzanSec e;
    e.EzanCal(vakit, duzey);
    const int olculen = kayit->sonrakiTepe();
    QVERIFY2(seviyede(olculen, tepe, duzey), qPrintable(QString::number(olculen)));
    e.EzanDur();
    QCOMPARE(kayit->sonrakiTepe(), 0);
}

// Where the program's folder cannot be written, the user's data folder holds ayarlar.dat and
// recordings of the user's own, offered beside the program's.
void TestEzanSec::kullaniciKlasoru_data()
{
    QTest::addColumn<QString>("nasil");

    QTest::newRow("a program folder that can be written") << "yazilabilir";
    QTest::newRow("one that the check calls read-only") << "salt-okunur";
    QTest::newRow("one that not even root can write (/proc)") << "proc";
}

void TestEzanSec::kullaniciKlasoru()
{
    QFETCH(QString, nasil);

    const bool kullanici = nasil != QLatin1String("yazilabilir");
    if (nasil == QLatin1String("salt-okunur"))
        EzanKlasorleri::yazilabilirlikAyarla([](const QString &) { return false; });
    if (nasil == QLatin1String("proc"))
        ProgramKlasoru::ayarla(QStringLiteral("/proc"));
    const QString veri = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(QDir().mkpath(veri + QStringLiteral("/ezan")));
    QVERIFY(wavYaz(veri + QStringLiteral("/ezan/ses2.wav"), 2500, 4)); // the user's own take
    QVERIFY(wavYaz(veri + QStringLiteral("/ezan/Benim.wav"), 800, 0.1));

    QStringList beklenen;
    if (nasil != QLatin1String("proc"))
        beklenen = kSirali;
    if (kullanici)
        beklenen.insert(nasil == QLatin1String("proc") ? 0 : 2, QStringLiteral("Benim.wav"));
    if (nasil == QLatin1String("proc"))
        beklenen << QStringLiteral("ses2.wav");
    const QString ayar =
        (kullanici ? veri : ProgramKlasoru::yol()) + QStringLiteral("/ayarlar.dat");

    {
        EzanSec e;
        QCOMPARE(e.klasorleri().kullaniciKlasoru, kullanici);
        QCOMPARE(ogeler(kutu(e, 1)), beklenen);
        QCOMPARE(icerik(ayar), kVarsayilan);
        QCOMPARE(QFileInfo::exists(veri + QStringLiteral("/ayarlar.dat")), kullanici);

        kutu(e, 2)->setCurrentText(QStringLiteral("ses2.wav"));
        basmaDugmesi(e, "KaydetPushButton")->click();
        QStringList kayitli(5, beklenen.first()); // what the lists show is what is saved
        kayitli[1] = QStringLiteral("ses2.wav");
        QVERIFY(iyiBicimli(icerik(ayar), kayitli));
    }
    EzanSec e; // the choice outlives the program
    QCOMPARE(e.ezanDosyasi(2), QStringLiteral("ses2.wav"));
    e.EzanCal(2, 100);
    QCOMPARE(kayit->sonrakiTepe(), kullanici ? 2500 : 2000);
}

// No audio output: the dialog works as ever and nothing sounds.
void TestEzanSec::cihazYok()
{
    qputenv("SDL_AUDIODRIVER", "boyle-bir-surucu-yok");
    QVERIFY(yaz(ayarYolu(), kBesSes));
    EzanSec e;
    QVERIFY(!e.sesAraci()->cihazVarMi());
    e.show();
    e.EzanCal(1, 50);
    e.sesAraci()->DuzeyAyarla(100);
    dugme(e, 2)->click();
    QVERIFY(e.testCaliyorMu());
    dugme(e, 2)->click();
    QVERIFY(!e.testCaliyorMu());
    e.EzanDur();
    QVERIFY(!e.sesAraci()->sesVarMi());
    basmaDugmesi(e, "KaydetPushButton")->click();
    QVERIFY(!e.isVisible());
}

RAVLA_TEST_MAIN(TestEzanSec)
#include "tst_ezansec.moc"
