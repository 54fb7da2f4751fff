// The settings store and the city database, read from files the tests write, as a hand-edited
// file, another program or a damaged disk may leave them.
#include "ayarlar.h"
#include "depo.h"
#include "ilkcalisma.h"
#include "saatdilimi.h"
#include "sehirveritabani.h"
#include "testortami.h"

#include <QDir>
#include <QSettings>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace SehirVeritabani;

// Not through QSettings, which opens the file as it is made: a FIFO there would hang the test.
static QString depoDosyasi()
{
    return Depo::dosyasi(QStringLiteral("Ravla Ayarlar"));
}

static QByteArray dosyaOku(const QString &yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("okunamadı");
}

static void dosyaYaz(const QString &yol, const QByteArray &icerik)
{
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(icerik);
}

// The store as it reads, after writing it first unless null.
static AyarDegerleri oku(const char *satirlar = nullptr)
{
    if (satirlar)
        dosyaYaz(depoDosyasi(), "[General]\n" + QByteArray(satirlar) + "\n");
    return Ayarlar().Oku();
}

class TestAyarlar : public QObject
{
    Q_OBJECT

private slots:
    void bozukDegerler_data()
    {
        QTest::addColumn<bool>("varsayilan"); // reads as an empty store does, or is taken
        // clang-format off
        for (const char *s : {"Enlem=nan", "Enlem=1e400", "Enlem=-118.6", "Enlem=90.01", "Boylam=-1e300",
                 "Boylam=180.5", "GMT=15.5", "HesapYontemi=21", "HesapYontemi=-1", "SabahAci=91", "YatsiAci=-0.5",
                 "YazSaatiOtomotikHesap=hayir", "HanefiMezhep=evet", "DakikaSabah=31", "DakikaImsak=beş",
                 "YuksekEnlemKurali=4", "HicriDuzeltme=3", "HatirlatImsak=4", "HatirlatYatsi=61", "BildirimSekli=3", "HicriTakvim=3",
                 // 2^32 + n, which a 32-bit conversion wraps round to n
                 // (every digit count: fuzz_ayardonusumu)
                 "HesapYontemi=4294967304", "DakikaSabah=-4294967291", "HesapYontemi=18446744073709551624"})
            QTest::newRow(s) << true;
        for (const char *s : {"Enlem=-90", "Enlem=kirk bir" /* text: zero */, "Boylam=-180", "GMT=-15", "GMT=5.5",
                 "HesapYontemi=20", "SabahAci=90", "HanefiMezhep=1", "DakikaImsak=-30", "YuksekEnlemKurali=3",
                 "HicriDuzeltme=-2", "HatirlatYatsi=5", "HatirlatmaSesi=true", "BildirimSekli=2", "HicriTakvim=2"})
            QTest::newRow(s) << false;
        // clang-format on
    }

    // A value not finite, out of range or not understood reads as that key's default, exactly as
    // a missing key does, and reading writes nothing back.
    void bozukDegerler()
    {
        QFETCH(bool, varsayilan);
        const QByteArray satir = QTest::currentDataTag();
        const AyarDegerleri bos = oku("");
        QCOMPARE(oku(satir) == bos, varsayilan);
        QFile f(depoDosyasi());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), "[General]\n" + satir + "\n");
    }

    // What is saved reads back as it was; a store of the first version (eighteen keys, the time
    // zone whole) loads unchanged with the keys added since at their defaults.
    void kaydetVeOku()
    {
        // clang-format off
        AyarDegerleri d{21.4225, 39.8262, 5.5, "السعودية", "Mekke, Hicaz", false, 29, 3, 2026, 25, 10, 2026,
                        6, 4, true, true, 18.5, 17.0, "Asia/Riyadh", {-3, 0, 0, 0, 0, 0, 3}, 2, -1, {15, 0, 0, 0, 0, 60}, true, 1, 2};
        Ayarlar a;
        QFile::remove(depoDosyasi());
        QVERIFY(!Ayarlar::kayitVar()); // a first run until something is saved
        dosyaYaz(depoDosyasi(), "[General]\n");
        QVERIFY(!Ayarlar::kayitVar());
        QVERIFY(a.Kaydet(d) && a.hata().isEmpty());
        QVERIFY(Ayarlar::kayitVar());
        QCOMPARE(oku(), d);
        QCOMPARE(QSettings(kOrganizasyon, "Ravla Ayarlar").fileName(), depoDosyasi());
        d = {41.0082, 28.9784, 3, "Türkiye", "İstanbul", false, 29, 3, 2026, 25, 10, 2026, 7, 1, true, false,
             18.5, 17, "", {}, 0, 0, {}, false};
        QCOMPARE(oku("Enlem=41.0082\nBoylam=28.9784\nGMT=3\nUlkeAdi=Türkiye\nSehirAdi=\"İstanbul\"\n"
                     "YazSaatiOtomotikHesap=false\nYazGunBaslaTarih=29\nYazAyBaslaTarih=3\nYazYilBaslaTarih=2026\n"
                     "YazGunBitisTarih=25\nYazAyBitisTarih=10\nYazYilBitisTarih=2026\nHesapYontemi=7\n"
                     "ikindiYontemi=1\nHanefiMezhep=true\nOzelHesapYontem=false\nSabahAci=18.5\nYatsiAci=17"), d);
        // clang-format on
    }

    // A store the disk will not take: the save says so, and why, and the file on disk is the one
    // saved before. The permission rows need a user that permissions hold; the disk rows a
    // small filesystem mounted where the store goes.
    void kaydedilemeyenDepo_data()
    {
        QTest::addColumn<QString>("neden");
        QTest::newRow("dosya 444") << "yazma izni yok";
        QTest::newRow("klasör 555") << "yazma izni yok";
        QTest::newRow("klasör yerine dosya") << "bir klasör değil";
        QTest::newRow("FIFO") << "yerinde dosya değil";
        QTest::newRow("disk dolu") << "diskte yer kalmadı";
        QTest::newRow("disk salt okunur") << "disk salt okunur";
    }
    void kaydedilemeyenDepo()
    {
        QFETCH(QString, neden);
        const QByteArray durum = QTest::currentDataTag();
        const QString dosya = depoDosyasi();
        const QString klasor = QFileInfo(dosya).absolutePath();
        QDir(klasor).removeRecursively();
        QFile::remove(klasor);
        QVERIFY(QDir().mkpath(klasor));
        const bool disk = durum.startsWith("disk");
        if (durum.startsWith("dosya") || durum.startsWith("klasör 5")) {
            if (geteuid() == 0)
                QSKIP("root writes whatever the permissions say");
        }
        if (disk && ::mount("tmpfs", QFile::encodeName(klasor), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no tmpfs can be mounted here (needs root)");
        const auto ayir = qScopeGuard([&] {
            QFile(dosya).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            QFile(klasor).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            if (disk)
                ::umount2(QFile::encodeName(klasor), MNT_DETACH);
        });

        const QByteArray onceki = "[General]\nHesapYontemi=5\nEnlem=41\n";
        dosyaYaz(dosya, onceki);
        QString yol = dosya; // what must stay as it was
        if (durum == "dosya 444")
            QVERIFY(QFile(dosya).setPermissions(QFile::ReadOwner));
        else if (durum == "klasör 555")
            QVERIFY(QFile(klasor).setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        else if (durum == "klasör yerine dosya") {
            QVERIFY(QDir(klasor).removeRecursively());
            dosyaYaz(klasor, onceki);
            yol = klasor;
        } else if (durum == "FIFO") {
            QVERIFY(QFile::remove(dosya));
            QCOMPARE(::mkfifo(QFile::encodeName(dosya), 0600), 0);
        } else if (durum == "disk dolu") {
            QFile dolgu(klasor + "/dolgu");
            QVERIFY(dolgu.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (dolgu.write(QByteArray(512, 'x')) == 512) {
            }
        } else if (durum == "disk salt okunur") {
            QCOMPARE(::mount("tmpfs", QFile::encodeName(klasor), "tmpfs", MS_REMOUNT | MS_RDONLY,
                             nullptr),
                     0);
        }

        AyarDegerleri d;
        d.hesapYontemi = 8;
        Ayarlar a;
        QVERIFY(!a.Kaydet(d));
        QVERIFY2(a.hata().contains(neden) && a.hata().contains(QFileInfo(dosya).fileName()),
                 qPrintable(a.hata()));
        QFile(dosya).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (durum == "FIFO")
            QVERIFY(QFileInfo(dosya).exists() && !QFileInfo(dosya).isFile());
        else
            QCOMPARE(dosyaOku(yol), onceki);
    }

    // A FIFO in the store's place is no store: the values read as defaults at once, nothing is
    // written, and the program does not hang in open().
    void fifoDepo()
    {
        const QString dosya = depoDosyasi();
        QDir().mkpath(QFileInfo(dosya).absolutePath());
        QFile::remove(dosya);
        QCOMPARE(::mkfifo(QFile::encodeName(dosya), 0600), 0);
        const auto sil = qScopeGuard([&] { QFile::remove(dosya); });
        QCOMPARE(oku(), AyarDegerleri());
        QVERIFY(!QFileInfo(dosya).isFile());
        // The organisation's file, which QSettings reads beside it, the same.
        QVERIFY(QFile::remove(dosya));
        const QString kurum = QFileInfo(dosya).absolutePath() + ".conf";
        QCOMPARE(::mkfifo(QFile::encodeName(kurum), 0600), 0);
        const auto sil2 = qScopeGuard([&] { QFile::remove(kurum); });
        QCOMPARE(oku(), AyarDegerleri());
    }

    // liste.dat as it may be: the first 254 lines only, a last line without a break, CR LF, blanks,
    // a BOM, a line of a kilobyte with its letters whole; a longer line is left out, and a file
    // past 4 MB, like no file, is no list at all (binary junk: fuzz_ulkelistesi).
    void ulkeListesi()
    {
        // clang-format off
        for (const auto &[icerik, beklenen] : QList<std::pair<QByteArray, QStringList>>{
                 {QByteArray("U\n").repeated(300), {"254", "U", "U"}}, {"", {"0", "", ""}},
                 {"Almanya\n\nTürkiye", {"3", "Almanya", "Türkiye"}},
                 {"\xEF\xBB\xBF  Almanya \r\n\tMısır\r\n", {"2", "Almanya", "Mısır"}},
                 // a line of 1024 bytes is one, a longer one is no line of the database
                 {QByteArray("Ş").repeated(512) + "\nB", {"2", QString("Ş").repeated(512), "B"}},
                 {QByteArray("A").repeated(1025) + "\nB\n" + QByteArray("Ş").repeated(2000), {"1", "B", "B"}},
                 {QByteArray(4 * 1024 * 1024, '\n'), {"254", "", ""}}, {QByteArray(4 * 1024 * 1024 + 1, '\n'), {"1", "-", "-"} /* none */}}) {
            // clang-format on
            QTemporaryDir k;
            QVERIFY(!ulkeler(k.path() + "/"));
            dosyaYaz(k.filePath("liste.dat"), icerik);
            const QStringList o = ulkeler(k.path() + "/").value_or(QStringList{"-"});
            QCOMPARE(QStringList({QString::number(o.size()), o.value(0), o.value(o.size() - 1)}),
                     beklenen);
        }
    }

    // Something other than a regular file where a list goes (a FIFO, a device, a folder) is no
    // list: nothing blocks in open() or reads for ever.
    void dosyaOlmayanListeler()
    {
        QTemporaryDir k;
        QCOMPARE(::mkfifo(QFile::encodeName(k.filePath("liste.dat")), 0600), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(k.filePath("Almanya.txt")), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", k.filePath("Sıfır.txt")));
        QVERIFY(QDir(k.path()).mkdir("Klasör.txt"));
        QVERIFY(!ulkeler(k.path() + "/"));
        for (const char *ulke : {"Almanya", "Sıfır", "Klasör"})
            QVERIFY2(!sehirSatirlari(k.path() + "/", QString::fromUtf8(ulke)), ulke);
    }

    // A country name is a file name only when it is no path.
    void ulkeDosyasi()
    {
        QTemporaryDir d;
        QVERIFY(QDir(d.path()).mkdir("x"));
        for (const char *ad : {"Almanya", "x/../Almanya", "x\\..\\Almanya", "A..lmanya"})
            dosyaYaz(d.filePath(QString::fromUtf8(ad) + ".txt"), "Köln");
        for (const char *ad : {"x/../Almanya", "x\\..\\Almanya", "A..lmanya", "Atlantis"})
            QVERIFY2(!sehirSatirlari(d.path() + "/", QString::fromUtf8(ad)), ad);
        QCOMPARE(sehirSatirlari(d.path() + "/", "Almanya").value_or(QStringList()),
                 QStringList{"Köln"});
        // Four megabytes of line breaks are no four million places for the list.
        dosyaYaz(d.filePath("Boş.txt"), QByteArray(4 * 1024 * 1024, '\n'));
        QCOMPARE(sehirSatirlari(d.path() + "/", "Boş").value_or(QStringList()).size(), kEnCokSehir);
    }

    // The filter ignores case and accents, Turkish dotted and dotless i included.
    void arama()
    {
        // clang-format off
        for (const auto &[ad, aranan] : QList<std::pair<QString, QString>>{
                 {"İstanbul", "istanbul"}, {"İstanbul", "İSTANBUL"}, {"İstanbul", "Istanbul"},
                 {"Iğdır", "igdir"}, {"Gießen", "giessen"}})
            QVERIFY2(aramaAnahtari(ad).contains(aramaAnahtari(aranan)), qPrintable(aranan));
        // clang-format on
        QVERIFY(!aramaAnahtari("İzmir").contains(aramaAnahtari("istanbul")));
    }

    // A typed-in place's zone over the database that ships: the nearest place whose zone keeps
    // the offset typed, so that on a border the offset decides; nothing at sea or for an
    // offset that no zone around has.
    void enYakinSaatDilimi_data()
    {
        QTest::addColumn<double>("enlem");
        QTest::addColumn<double>("boylam");
        QTest::addColumn<double>("gmt");
        QTest::addColumn<QString>("saatDilimi");
        QTest::newRow("Bursa") << 40.18 << 29.06 << 3.0 << "Europe/Istanbul";
        QTest::newRow("Elvas at UTC+0, Badajoz across the border")
            << 38.88 << -7.16 << 0.0 << "Europe/Lisbon";
        QTest::newRow("Elvas at UTC+1") << 38.88 << -7.16 << 1.0 << "Europe/Madrid";
        QTest::newRow("Bursa at UTC+5") << 40.18 << 29.06 << 5.0 << "";
        QTest::newRow("the middle of the Atlantic") << 40.0 << -40.0 << -3.0 << "";
        QTest::newRow("Delhi at +5:30") << 28.61 << 77.21 << 5.5 << "Asia/Kolkata";
    }
    void enYakinSaatDilimi()
    {
        QFETCH(double, enlem);
        QFETCH(double, boylam);
        QFETCH(double, gmt);
        QFETCH(QString, saatDilimi);
        const auto d = SehirVeritabani::enYakinSaatDilimi(
            QStringLiteral(RAVLA_KOORDINAT_KLASORU "/"), enlem, boylam, gmt, 2026);
        QCOMPARE(d ? d->saatDilimi : QString(), saatDilimi);
        QVERIFY(!d || d->km <= 200);
    }

    // A first start takes the system zone's city and its country's method (İstanbul and
    // Diyanet: the end-to-end test's first run); a zone the database has no city for keeps the
    // built-in place, named after the town beside it.
    void ilkCalisma_data()
    {
        QTest::addColumn<QString>("sistem");
        QTest::addColumn<QString>("yer");
        QTest::addColumn<int>("yontem");
        QTest::addColumn<double>("gmt");
        QTest::addColumn<bool>("bulundu");
        QTest::newRow("Riyadh") << "Asia/Riyadh"
                                << "Riyadh - Suudi Arabistan" << 9 << 3.0 << true;
        QTest::newRow("New York") << "America/New_York"
                                  << "New York City - ABD" << 5 << -5.0 << true;
        QTest::newRow("Santiago, not Brazil's") << "America/Santiago"
                                                << "Santiago - Şili" << 5 << -4.0 << true;
        for (const char *dilim : {"UTC", "Etc/GMT-3", "Mars/Olympus_Mons" /* unknown */})
            QTest::newRow(dilim) << dilim << "Brackenheim - Almanya" << 5 << 1.0 << false;
    }
    void ilkCalisma()
    {
        QFETCH(QString, sistem);
        QFETCH(QString, yer);
        QFETCH(int, yontem);
        QFETCH(double, gmt);
        QFETCH(bool, bulundu);
        const IlkCalisma ilk =
            ilkCalismaAyarlari(QStringLiteral(RAVLA_KOORDINAT_KLASORU "/"), sistem, 2026);
        const AyarDegerleri &a = ilk.ayar;
        QCOMPARE(a.sehirAdi.section(',', 0, 0) + " - " + a.ulkeAdi, yer);
        QCOMPARE(a.hesapYontemi, yontem);
        QCOMPARE(a.gmt, gmt);
        QCOMPARE(ilk.saatDiliminden, bulundu);
        if (ilk.saatDiliminden) {
            QCOMPARE(a.saatDilimi, sistem);
        } else { // the built-in place itself, in that town's zone
            QCOMPARE(a.enlem, 49.08);
            QCOMPARE(a.boylam, 9.14);
            QCOMPARE(a.saatDilimi, QStringLiteral("Europe/Berlin"));
        }
    }

    // Countries are found by their names in the four languages, shown in the interface's, and
    // a listed place's line reads in one language; the Turkish name stays the key.
    void ulkeAdlari_data()
    {
        QTest::addColumn<QString>("aranan");
        QTest::addColumn<QStringList>("bulunan");
        QTest::newRow("German") << "Deutschland" << QStringList{"Almanya"};
        QTest::newRow("English") << "germany" << QStringList{"Almanya"};
        QTest::newRow("Arabic") << "السعودية" << QStringList{"Suudi Arabistan"};
        QTest::newRow("an English alias") << "USA" << QStringList{"ABD"};
        QTest::newRow("part of names")
            << "united" << QStringList{"ABD", "Birleşik Arap Emirlikleri", "Birleşik Krallık"};
        QTest::newRow("nothing") << "Atlantis" << QStringList{};
    }
    void ulkeAdlari()
    {
        QFETCH(QString, aranan);
        QFETCH(QStringList, bulunan);
        const QString klasor = QStringLiteral(RAVLA_KOORDINAT_KLASORU "/");
        QStringList sonuc = ulkeAra(klasor, aranan);
        for (const QString &b : bulunan) // "united" finds its minor islands too
            QVERIFY2(sonuc.contains(b), qPrintable(sonuc.join(", ")));
        if (bulunan.size() < 3)
            QCOMPARE(sonuc, bulunan);
    }
    void ulkeVeYerAdi()
    {
        const QString k = QStringLiteral(RAVLA_KOORDINAT_KLASORU "/");
        QCOMPARE(QStringList({ulkeAdi(k, "Almanya", 0), ulkeAdi(k, "Almanya", 1),
                              ulkeAdi(k, "Almanya", 2), ulkeAdi(k, "Almanya", 3)}),
                 QStringList({"Almanya", "ألمانيا", "Deutschland", "Germany"}));
        QCOMPARE(yerAdi(k, "Köln,North Rhine-Westphalia", "Almanya", 2), "Köln - Deutschland");
        // typed in by hand: as typed, the comma too
        QCOMPARE(yerAdi(k, "Mekke, Hicaz", "Hicaz Bölgesi", 3), "Mekke, Hicaz - Hicaz Bölgesi");
        QCOMPARE(ulkeAdi(k, "Hicaz Bölgesi", 3), "Hicaz Bölgesi");
    }

    // The database that ships: whole, well-formed, every zone known, every country with its four
    // names, a few places checked.
    void sunulanVeritabani()
    {
        const QString klasor = QStringLiteral(RAVLA_KOORDINAT_KLASORU "/");
        const std::optional<QStringList> liste = ulkeler(klasor);
        QVERIFY(liste && liste->size() > 200 && liste->size() <= kEnCokUlke);
        QStringList bulunan;
        for (const QString &ulke : *liste) {
            const std::optional<QStringList> satirlar = sehirSatirlari(klasor, ulke);
            QVERIFY2(satirlar && !satirlar->isEmpty(), qPrintable(ulke));
            for (const QStringList &a : SehirVeritabani::ulkeAdlari(klasor, ulke).adlar)
                QVERIFY2(!a.isEmpty(), qPrintable(ulke));
            for (const QString &satir : *satirlar) {
                const Koordinat k = koordinatlariAyikla(satir);
                if (!k.hata.isEmpty() || satir.count(',') != 5 ||
                    !SaatDilimi::bilinir(k.saatDilimi) ||
                    SaatDilimi::standartOfset(k.saatDilimi, 2026) != k.gmt)
                    QFAIL(qPrintable(ulke + ": " + satir + " " + k.hata));
                bulunan << ulke + "/" + satir.section(',', 0, 0) + ":" + QString::number(k.gmt) +
                               ":" + k.saatDilimi;
            }
        }
        for (const char *b :
             {"Türkiye/İstanbul:3:Europe/Istanbul", "Hindistan/Delhi:5.5:Asia/Kolkata",
              "ABD/New York City:-5:America/New_York",
              "Avustralya/Adelaide:9.5:Australia/Adelaide"})
            QVERIFY2(bulunan.contains(QString::fromUtf8(b)), b);
    }
};

RAVLA_TEST_MAIN(TestAyarlar)
#include "tst_ayarlar.moc"
