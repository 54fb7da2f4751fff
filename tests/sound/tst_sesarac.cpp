#include "diskkaydi.h"
#include "ezanklasorleri.h"
#include "programklasoru.h"
#include "sesarac.h"
#include "sescihazi.h"
#include "testortami.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <SDL_mixer.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace DiskSes;

namespace {

constexpr int kYuksek = 8000; // the peak of Yuksek.wav
constexpr int kAlcak = 3000;  // and of Alcak.wav
// The placeholder recordings open with half a second of silence.
constexpr qint64 kOggSessizligi = 2 * kOrnekHizi;

// A sound of peak tepe played at yuzde percent. The mixer has 128 steps, so allow one percent;
// silence must be silence.
bool seviyede(int olculen, int tepe, double yuzde)
{
    if (yuzde <= 0)
        return olculen == 0;
    return std::abs(olculen - tepe * yuzde / 100.0) <= tepe / 100.0 + 1;
}

QByteArray yolu(const QString &yol)
{
    return QFile::encodeName(yol);
}

// SDL's audio threads of this process ("SDLAudioP2" and the like); -1 where that cannot be seen.
int sesIsParcaciklari()
{
#ifdef Q_OS_LINUX
    int n = 0;
    for (const QString &t : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs)) {
        QFile ad(QStringLiteral("/proc/self/task/%1/comm").arg(t));
        if (ad.open(QIODevice::ReadOnly) && ad.readAll().startsWith("SDLAudio"))
            ++n;
    }
    return n;
#else
    return -1;
#endif
}

// Runs the event loop until the output has closed: its audio thread gone where that can be
// seen, and its file no longer growing. The milliseconds that took, or -1 at the deadline.
qint64 kapanana(const Kayit &kayit, int enCokMs)
{
    QElapsedTimer t;
    t.start();
    qint64 son = -1;
    QElapsedTimer sabit;
    while (t.elapsed() < enCokMs) {
        const qint64 n = kayit.kareSayisi();
        if (n != son) {
            son = n;
            sabit.start();
        } else if (sesIsParcaciklari() <= 0 && sabit.elapsed() > 200) {
            return t.elapsed() - sabit.elapsed();
        }
        QTest::qWait(20);
    }
    return -1;
}

} // namespace

class TestSesArac : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { EzanKlasorleri::yazilabilirlikAyarla({}); }
    void cal_data();
    void cal();
    void duzey_data();
    void duzey();
    void ikinciCalIlkiniDurdurur();
    void dur();
    void calinamayanOncekiniDurdurur();
    void eskiTutamac();
    void kullaniciKlasoru_data();
    void kullaniciKlasoru();
    void cihazYok();
    void cozuculer();
    void bosCikisKapanir();
    void uzunSesKesilmez();

private:
    QString ezan(const QString &ad) const { return program + QStringLiteral("/ezan/") + ad; }

    QTemporaryDir gecici;
    QString program; // under a user name that is not Latin-1
    QString cikti;   // this test's output file
    int sayac = 0;
};

void TestSesArac::initTestCase()
{
    QVERIFY(gecici.isValid());
    program = gecici.filePath(QStringLiteral("Kullanıcı Şükrü/ravla"));
    QVERIFY(QDir().mkpath(program + QStringLiteral("/ezan/Klasor.ogg")));
    const QString aksa = QStringLiteral(RAVLA_KAYNAK_EZAN "/Aksa.ogg");
    QFile kaynak(aksa);
    QVERIFY(kaynak.open(QIODevice::ReadOnly));
    const QByteArray ogg = kaynak.readAll();

    QVERIFY(wavYaz(ezan(QStringLiteral("Yuksek.wav")), kYuksek));
    QVERIFY(wavYaz(ezan(QStringLiteral("Alcak.wav")), kAlcak));
    QVERIFY(wavYaz(ezan(QStringLiteral("أذان.wav")), kYuksek));
    QVERIFY(wavYaz(ezan(QStringLiteral("Kilitli.wav")), kYuksek));
    QVERIFY(wavYaz(program + QStringLiteral("/disari.wav"), kYuksek));
    QVERIFY(QFile::copy(aksa, ezan(QStringLiteral("Aksa.ogg"))));
    QVERIFY(QFile::copy(aksa, ezan(QStringLiteral("Öğle Ezanı.ogg"))));
    const auto yaz = [this](const char *ad, const QByteArray &veri) {
        QFile f(ezan(QString::fromUtf8(ad)));
        return f.open(QIODevice::WriteOnly) && f.write(veri) == veri.size();
    };
    QVERIFY(yaz("Yarim.ogg", ogg.left(ogg.size() / 2)));
    QVERIFY(yaz("Kesik.ogg", ogg.left(100)));
    QVERIFY(yaz("Bos.ogg", QByteArray()));
    QVERIFY(yaz("Metin.ogg", "bu bir ses değil\n"));
    QVERIFY(QFile::setPermissions(ezan(QStringLiteral("Kilitli.wav")), {}));
    QVERIFY(QFile::link(ezan(QStringLiteral("Olmayan.wav")), ezan(QStringLiteral("Kopuk.ogg"))));
#ifdef Q_OS_UNIX
    QCOMPARE(mkfifo(yolu(ezan(QStringLiteral("Boru.ogg"))).constData(), 0644), 0);
#endif
}

void TestSesArac::init()
{
    cikti = gecici.filePath(QStringLiteral("cikti%1.raw").arg(++sayac));
    kur(cikti);
    ProgramKlasoru::ayarla(program);
}

void TestSesArac::cal_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<bool>("calar");

    QTest::newRow("WAV") << "Yuksek.wav" << true;
    QTest::newRow("Ogg Vorbis") << "Aksa.ogg" << true;
    QTest::newRow("Turkish letters") << "Öğle Ezanı.ogg" << true;
    QTest::newRow("Arabic letters") << "أذان.wav" << true;
    QTest::newRow("Ogg cut in the middle: what is there plays") << "Yarim.ogg" << true;
    QTest::newRow("missing") << "Yok.ogg" << false;
    QTest::newRow("zero bytes") << "Bos.ogg" << false;
    QTest::newRow("text named .ogg") << "Metin.ogg" << false;
    QTest::newRow("Ogg cut inside its headers") << "Kesik.ogg" << false;
    QTest::newRow("directory") << "Klasor.ogg" << false;
    QTest::newRow("dangling symbolic link") << "Kopuk.ogg" << false;
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO: must not wait for a writer") << "Boru.ogg" << false;
#endif
    // Root reads it all the same, and then it plays.
    QTest::newRow("unreadable")
        << "Kilitli.wav" << QFile(ezan(QStringLiteral("Kilitli.wav"))).open(QIODevice::ReadOnly);
    QTest::newRow("a way out of the folder") << "../disari.wav" << false;
    QTest::newRow("absolute path") << program + QStringLiteral("/disari.wav") << false;
    QTest::newRow("backslash path") << "..\\disari.wav" << false;
    QTest::newRow("the folder above") << ".." << false;
    QTest::newRow("empty") << "" << false;
}

void TestSesArac::cal()
{
    QFETCH(QString, ad);
    QFETCH(bool, calar);

    SesArac ses;
    QVERIFY(ses.cihazVarMi());
    const Kayit kayit(cikti);
    ses.Cal(ad, 100);
    QCOMPARE(ses.sesVarMi(), calar);
    if (calar) {
        QVERIFY(kayit.ilkSesli(kayit.kareSayisi(), kOggSessizligi + kPencere) >= 0);
    } else {
        QVERIFY(kayit.bekle(kGecikme + kPencere));
        QCOMPARE(kayit.tepe(0, kayit.kareSayisi()), 0);
    }
}

void TestSesArac::duzey_data()
{
    QTest::addColumn<int>("ilk");
    QTest::addColumn<int>("sonra");

    QTest::newRow("silent start, then full") << 0 << 100;
    QTest::newRow("full, then silent") << 100 << 0;
    QTest::newRow("30, then full") << 30 << 100;
    QTest::newRow("half, then 30") << 50 << 30;
    QTest::newRow("1, then 99") << 1 << 99;
}

void TestSesArac::duzey()
{
    QFETCH(int, ilk);
    QFETCH(int, sonra);

    SesArac ses;
    const Kayit kayit(cikti);
    ses.Cal(QStringLiteral("Yuksek.wav"), ilk);
    QVERIFY(kayit.bekle(kayit.kareSayisi() + kGecikme + kPencere));
    const qint64 once = kayit.kareSayisi();
    ses.DuzeyAyarla(sonra);

    // From its very first sample: a sound started silent never sounds for a moment.
    const int ilkTepe = kayit.tepe(0, once);
    QVERIFY2(seviyede(ilkTepe, kYuksek, ilk), qPrintable(QString::number(ilkTepe)));
    const int sonraTepe = kayit.sonrakiTepe();
    QVERIFY2(seviyede(sonraTepe, kYuksek, sonra), qPrintable(QString::number(sonraTepe)));
}

void TestSesArac::ikinciCalIlkiniDurdurur()
{
    SesArac ses;
    const Kayit kayit(cikti);
    ses.Cal(QStringLiteral("Yuksek.wav"), 100);
    QCOMPARE(kayit.sonrakiTepe(), kYuksek);
    ses.Cal(QStringLiteral("Alcak.wav"), 100);
    QCOMPARE(kayit.sonrakiTepe(), kAlcak); // alone: not the first, nor both mixed
}

void TestSesArac::dur()
{
    SesArac ses;
    const Kayit kayit(cikti);
    ses.Dur(); // before anything played
    ses.DuzeyAyarla(100);
    ses.Cal(QStringLiteral("Yuksek.wav"), 100);
    QCOMPARE(kayit.sonrakiTepe(), kYuksek);

    ses.Dur();
    QCOMPARE(kayit.sonrakiTepe(), 0);
    ses.DuzeyAyarla(100); // the stopped sound stays stopped
    QCOMPARE(kayit.sonrakiTepe(), 0);
    ses.Dur();
}

void TestSesArac::calinamayanOncekiniDurdurur()
{
    SesArac ses;
    const Kayit kayit(cikti);
    ses.Cal(QStringLiteral("Yuksek.wav"), 100);
    QCOMPARE(kayit.sonrakiTepe(), kYuksek);
    ses.Cal(QStringLiteral("Yok.ogg"), 100);
    QVERIFY(!ses.sesVarMi());
    QCOMPARE(kayit.sonrakiTepe(), 0);
    ses.DuzeyAyarla(100);
    QCOMPARE(kayit.sonrakiTepe(), 0);
}

// The device layer itself: a handle belongs to one sound.
void TestSesArac::eskiTutamac()
{
    const std::unique_ptr<SesCihazi> cihaz = SesCihazi::olustur();
    QVERIFY(cihaz);
    const Kayit kayit(cikti);
    QVERIFY(!cihaz->cal(yolu(ezan(QStringLiteral("Yok.wav"))).constData()));
    QVERIFY(!cihaz->cal(""));

    const auto eski = cihaz->cal(yolu(ezan(QStringLiteral("Yuksek.wav"))).constData());
    QVERIFY(eski);
    QCOMPARE(kayit.sonrakiTepe(), kYuksek);
    const auto yeni = cihaz->cal(yolu(ezan(QStringLiteral("Alcak.wav"))).constData(), 0.3f);
    QVERIFY(yeni);
    eski->duzeyAyarla(1.0f);
    const int tepe = kayit.sonrakiTepe();
    QVERIFY2(seviyede(tepe, kAlcak, 30), qPrintable(QString::number(tepe)));

    // A file that cannot be played leaves the current sound alone.
    QVERIFY(!cihaz->cal(yolu(ezan(QStringLiteral("Metin.ogg"))).constData()));
    yeni->duzeyAyarla(1.0f);
    QCOMPARE(kayit.sonrakiTepe(), kAlcak);

    cihaz->hepsiniDurdur();
    const auto sessiz = cihaz->cal(yolu(ezan(QStringLiteral("Yuksek.wav"))).constData(), 0.0f);
    QVERIFY(sessiz);
    yeni->duzeyAyarla(1.0f);
    QCOMPARE(kayit.sonrakiTepe(), 0);
}

// Where the program's folder cannot be written, the user's ezan folder is searched first.
void TestSesArac::kullaniciKlasoru_data()
{
    QTest::addColumn<bool>("yazilabilir");
    QTest::addColumn<QString>("ad");
    QTest::addColumn<int>("tepe");

    QTest::newRow("installed: the user's file wins") << false << "Ortak.wav" << kAlcak;
    QTest::newRow("installed: the program's when the user has none")
        << false << "Yuksek.wav" << kYuksek;
    QTest::newRow("portable: the program's folder alone") << true << "Ortak.wav" << kYuksek;
    QTest::newRow("portable: the user's folder is not looked at") << true << "Benim.wav" << 0;
}

void TestSesArac::kullaniciKlasoru()
{
    QFETCH(bool, yazilabilir);
    QFETCH(QString, ad);
    QFETCH(int, tepe);

    const QString kullanici =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/ezan");
    QVERIFY(QDir().mkpath(kullanici));
    QVERIFY(wavYaz(kullanici + QStringLiteral("/Ortak.wav"), kAlcak, 6));
    QVERIFY(wavYaz(kullanici + QStringLiteral("/Benim.wav"), kAlcak, 6));
    QVERIFY(wavYaz(ezan(QStringLiteral("Ortak.wav")), kYuksek, 6));
    EzanKlasorleri::yazilabilirlikAyarla([yazilabilir](const QString &) { return yazilabilir; });

    SesArac ses;
    const Kayit kayit(cikti);
    ses.Cal(ad, 100);
    QCOMPARE(kayit.sonrakiTepe(), tepe);
}

void TestSesArac::cihazYok()
{
    qputenv("SDL_AUDIODRIVER", "boyle-bir-surucu-yok");
    QVERIFY(!SesCihazi::olustur());
    SesArac ses;
    QVERIFY(!ses.cihazVarMi());
    ses.DuzeyAyarla(100);
    ses.Dur();
    ses.Cal(QStringLiteral("Yuksek.wav"), 100);
    QVERIFY(!ses.sesVarMi());
    ses.DuzeyAyarla(0);
    ses.Dur();
}

// The formats the recordings may come in, as the installed SDL2_mixer decodes them.
void TestSesArac::cozuculer()
{
    const std::unique_ptr<SesCihazi> cihaz = SesCihazi::olustur();
    QVERIFY(cihaz);
    for (const char *cozucu : {"OGG", "MP3", "FLAC", "WAVE"})
        QVERIFY2(Mix_HasMusicDecoder(cozucu), cozucu);
}

// Idle, the output closes a few seconds after its last sound and no audio thread is left
// waking; the next sound opens it again and starts within 100 ms.
void TestSesArac::bosCikisKapanir()
{
    QVERIFY(wavYaz(ezan(QStringLiteral("Kisa.wav")), kYuksek, 0.5));
    SesArac ses;
    const Kayit kayit(cikti);
    QElapsedTimer t;
    t.start();
    ses.Cal(QStringLiteral("Kisa.wav"), 100);
    QVERIFY(kayit.ilkSesli(0, kPencere) >= 0);
    const qint64 kapandi = kapanana(kayit, 10000);
    QVERIFY2(kapandi >= 0, "the output is still open 10 s after its sound");
    // Not at once: sounds in quick succession keep it.
    QVERIFY2(kapandi >= 1500, qPrintable(QString::number(kapandi)));
    QVERIFY(sesIsParcaciklari() <= 0);
    QCOMPARE(kayit.tepe(0, kayit.kareSayisi()), kYuksek);

    QFile::remove(cikti);
    t.restart();
    ses.Cal(QStringLiteral("Yuksek.wav"), 100);
    QVERIFY(ses.sesVarMi());
    QVERIFY(kayit.ilkSesli(0, kPencere) >= 0);
    qInfo("a sound on a closed output started after %lld ms", t.elapsed());
    QVERIFY2(t.elapsed() < 100, qPrintable(QString::number(t.elapsed())));
    QVERIFY(sesIsParcaciklari() != 0);

    // Stopped, it closes too.
    ses.Dur();
    QVERIFY(kapanana(kayit, 10000) >= 0);
    QVERIFY(sesIsParcaciklari() <= 0);
}

// A sound longer than the idle limit plays to its end: only silence closes the output. The
// driver keeps real time here, as a sound card does.
void TestSesArac::uzunSesKesilmez()
{
    constexpr double kSaniye = 4.5;
    QVERIFY(wavYaz(ezan(QStringLiteral("Uzun.wav")), kYuksek, kSaniye));
    kur(cikti, 23);
    SesArac ses;
    const Kayit kayit(cikti);
    ses.Cal(QStringLiteral("Uzun.wav"), 100);
    QVERIFY(kapanana(kayit, 15000) >= 0);
    const qint64 ilk = kayit.ilkSesli(0, kPencere);
    QVERIFY(ilk >= 0);
    const qint64 son = ilk + qint64(kSaniye * kOrnekHizi) - kPencere;
    QVERIFY2(kayit.kareSayisi() > son, "the output closed before the sound ended");
    QCOMPARE(kayit.tepe(son, son + kPencere), kYuksek);
}

RAVLA_TEST_MAIN(TestSesArac)
#include "tst_sesarac.moc"
