// The month window: its rows against ravla-vakit run as a program, its CSV byte for byte, its
// page as a PDF reader extracts it, printed on other papers, and read from the right.
#include "aylikcizelge.h"
#include "pdfokuyucu.h"
#include "qravla.h"
#include "saat.h"
#include "testortami.h"
#include "vakitkarsilastirma.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

namespace {

AyarDegerleri yer(const QString &sehir, const QString &ulke, double enlem, double boylam,
                  double gmt, const QString &bolge, int yontem)
{
    AyarDegerleri a;
    a.sehirAdi = sehir;
    a.ulkeAdi = ulke;
    a.enlem = enlem;
    a.boylam = boylam;
    a.gmt = gmt;
    a.saatDilimi = bolge;
    a.hesapYontemi = yontem;
    return a;
}

AyarDegerleri istanbul()
{
    return yer("İstanbul", "Türkiye", 41.01, 28.98, 3, "Europe/Istanbul", 8);
}

void saatiKur(const QDate &gun)
{
    Saat::ayarla([gun] { return QDateTime(gun, QTime(12, 0)); });
}

struct Calisma {
    int cikis = -1;
    QByteArray cikti;
    QByteArray hata;
};

Calisma vakitCalistir(const QStringList &argumanlar)
{
    QProcess p;
    p.start(QStringLiteral(RAVLA_VAKIT), argumanlar);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// The page's rows as pdftotext lays them out: a line that starts with a weekday and a date.
QStringList sayfaSatirlari(const QString &metin)
{
    static const QRegularExpression satir(QStringLiteral(R"(^\s*\S+ \d\d\.\d\d\.\d{4}\s)"));
    QStringList satirlar;
    for (const QString &s : metin.split(QLatin1Char('\n')))
        if (satir.match(s).hasMatch())
            satirlar << s.simplified();
    return satirlar;
}

// Where the words of a row stand, left to right.
QList<PdfKelime> satirKelimeleri(const QList<PdfKelime> &kelimeler, const QString &tarih)
{
    qreal y = -1;
    for (const PdfKelime &k : kelimeler)
        if (k.metin == tarih)
            y = k.kutu.center().y();
    QList<PdfKelime> satir;
    for (const PdfKelime &k : kelimeler)
        if (y >= 0 && qAbs(k.kutu.center().y() - y) < 2)
            satir << k;
    std::sort(satir.begin(), satir.end(),
              [](const PdfKelime &a, const PdfKelime &b) { return a.kutu.left() < b.kutu.left(); });
    return satir;
}

const QColor kBugunRengi(255, 226, 130);

} // namespace

Q_DECLARE_METATYPE(AyarDegerleri)

class TestAylikCizelge : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cliIleAyni_data();
    void cliIleAyni();
    void aylarArasi();
    void pdfSatirlari_data();
    void pdfSatirlari();
    void bugunSayfada();
    void yazdir_data();
    void yazdir();
    void sagdanSola_data();
    void sagdanSola();
    void kaydedilemez_data();
    void kaydedilemez();

private:
    QTemporaryDir klasor;
};

void TestAylikCizelge::init()
{
    QVERIFY2(popplerKurulu(), "pdftotext and pdfinfo are needed: install poppler-utils");
    yakalananMesajlar().clear();
}

void TestAylikCizelge::cleanup()
{
    Saat::ayarla({});
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void TestAylikCizelge::cliIleAyni_data()
{
    QTest::addColumn<AyarDegerleri>("ayar");
    QTest::addColumn<QDate>("bugun");
    QTest::addColumn<QStringList>("argumanlar"); // the same settings, written by hand
    QTest::addColumn<QString>("tarih");          // a day whose cell says the case was met
    QTest::addColumn<int>("sutun");
    QTest::addColumn<QString>("hucre");

    // Istanbul keeps UTC+3 all year: the zone adds no summer hour (else Dhuhr 14:1x).
    QTest::newRow("Istanbul, its zone, July")
        << istanbul() << QDate(2027, 7, 15)
        << QStringList{"--lat", "41.01",  "--lon",           "28.98",    "--tz",
                       "3",     "--zone", "Europe/Istanbul", "--method", "8"}
        << "15.07.2027" << 5 << "13:15";
    // The clocks go back on 7 November.
    QTest::newRow("New York, its zone, November")
        << yer("New York", "ABD", 40.7128, -74.006, -5, "America/New_York", 4)
        << QDate(2027, 11, 20) << QStringList{"--lat",  "40.7128",          "--lon",    "-74.006",
                                              "--zone", "America/New_York", "--method", "4"}
        << "07.11.2027" << 5 << "11:39";
    QTest::newRow("Berlin, June, borrowed twilight")
        << yer("Berlin", "Almanya", 52.52, 13.405, 1, "Europe/Berlin", 5) << QDate(2027, 6, 1)
        << QStringList{"--lat", "52.52", "--lon", "13.405", "--tz", "1", "--zone", "Europe/Berlin"}
        << "21.06.2027" << 8 << "24:06*";

    // A place typed in with everything the options dialog offers besides: own summer dates
    // that end within the month, own angles, Hanafi Asr, own minutes, a seventh of the night,
    // the Hijri date a day back.
    AyarDegerleri elle = yer("Karlsruhe", "", 49.0, 8.4, 1, "", 5);
    elle.yazSaatiOtomatik = false;
    elle.yazGunBasla = 28, elle.yazAyBasla = 3, elle.yazYilBasla = 2027;
    elle.yazGunBitis = 24, elle.yazAyBitis = 10, elle.yazYilBitis = 2027;
    elle.ozelHesapYontem = true;
    elle.sabahAci = 17.5;
    elle.yatsiAci = 16;
    elle.hanefiMezhep = true;
    const int dakikalar[7] = {1, 2, 3, 4, 5, 6, 7}; // Fajr .. Isha, İmsak
    std::copy(std::begin(dakikalar), std::end(dakikalar), std::begin(elle.dakikalar));
    elle.yuksekEnlemKurali = 2;
    elle.hicriDuzeltme = -1;
    QTest::newRow("typed in, own dates, angles, minutes, rule, Hijri correction")
        << elle << QDate(2027, 10, 3)
        << QStringList{"--lat",
                       "49",
                       "--lon",
                       "8.4",
                       "--tz",
                       "1",
                       "--dst",
                       "2027-03-28..2027-10-24",
                       "--custom",
                       "17.5,16",
                       "--hanafi",
                       "--offsets",
                       "7,1,2,3,4,5,6",
                       "--high-lat",
                       "seventh",
                       "--hijri-offset",
                       "-1"}
        << "24.10.2027" << 1 << "23.5.1449";

    // A zone the system does not know leaves the built-in rule.
    AyarDegerleri bilinmez = yer("Olympus", "Mars", 41.01, 28.98, 2, "Mars/Olympus", 8);
    QTest::newRow("unknown zone: the built-in rule")
        << bilinmez << QDate(2027, 3, 10)
        << QStringList{"--lat", "41.01", "--lon", "28.98", "--tz", "2", "--method", "8"}
        << "28.03.2027" << 5 << "13:14";
}

// The window holds exactly ravla-vakit's rows, its CSV is ravla-vakit's bytes, and today's row
// stands out.
void TestAylikCizelge::cliIleAyni()
{
    QFETCH(AyarDegerleri, ayar);
    QFETCH(QDate, bugun);
    QFETCH(QStringList, argumanlar);
    QFETCH(QString, tarih);
    QFETCH(int, sutun);
    QFETCH(QString, hucre);

    saatiKur(bugun);
    AylikCizelge w;
    w.goster(ayar);
    QCOMPARE(w.yil(), bugun.year());
    QCOMPARE(w.ay(), bugun.month());
    QVERIFY(w.windowTitle().contains(w.veri().yontem));
    QVERIFY(w.windowTitle().contains(ayar.sehirAdi));

    const Calisma cli = vakitCalistir(
        argumanlar + QStringList{"--date", bugun.toString("yyyy-MM-01"), "--days",
                                 QString::number(bugun.daysInMonth()), "--format", "csv"});
    QCOMPARE(cli.cikis, 0);
    QStringList csv = QString::fromUtf8(cli.cikti).split('\n', Qt::SkipEmptyParts);
    csv.removeFirst();

    const QTableWidget *t = w.tablo();
    QCOMPARE(t->rowCount(), bugun.daysInMonth());
    QCOMPARE(csv.size(), t->rowCount());
    const QList<QStringList> kutuphane = cliAyi(ayar, bugun.year(), bugun.month());
    for (int r = 0; r < t->rowCount(); ++r) {
        const QStringList alan = csv[r].split(',');
        const QDate gun = QDate::fromString(alan[0], "yyyy-MM-dd");
        QVERIFY(t->item(r, 0)->text().endsWith(gun.toString(" dd.MM.yyyy")));
        QCOMPARE(t->item(r, 1)->text(), alan[8]);
        for (int s = 2; s < 9; ++s)
            QCOMPARE(t->item(r, s)->text(), sayfaVakti(alan[s - 1]));
        // The window's own days, to the second, as the helper for the main window reads them.
        QCOMPARE(csvVakitleri(w.veri().gunler[r].schedule.times), alan.mid(1, 7));
        QCOMPARE(kutuphane[r], alan);
    }
    // And the main window, day by day: the three hold the same times.
    QRavla ana;
    ana.ayarDegerleri() = ayar;
    for (const QString &satir : csv) {
        const QStringList alan = satir.split(',');
        saatiKur(QDate::fromString(alan[0], "yyyy-MM-dd"));
        ana.ZamanAkimi();
        ravla::PrayerTime v[7];
        for (int i = 0; i < 7; ++i)
            v[i] = ana.vakit(i);
        QCOMPARE(csvVakitleri(v), alan.mid(1, 7));
    }
    bool bulundu = false;
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, 0)->text().endsWith(tarih)) {
            QCOMPARE(t->item(r, sutun)->text(), hucre);
            bulundu = true;
        }
    QVERIFY(bulundu);

    QCOMPARE(w.bugunSatiri(), bugun.day() - 1);
    for (int r : {bugun.day() - 1, bugun.day() % bugun.daysInMonth()})
        QCOMPARE(t->item(r, 3)->background().color() == kBugunRengi, r == bugun.day() - 1);

    const QString yol = klasor.filePath("ay.csv");
    QVERIFY(w.csvKaydet(yol));
    QFile f(yol);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), cli.cikti);
}

// The buttons walk the months across a year's end and stop where the calendar does; only the
// current month marks a day.
void TestAylikCizelge::aylarArasi()
{
    saatiKur(QDate(2026, 12, 31));
    AylikCizelge w;
    w.goster(istanbul());
    QCOMPARE(w.bugunSatiri(), 30);
    QPushButton *sonraki = w.findChild<QPushButton *>("SonrakiAyButton");
    QPushButton *onceki = w.findChild<QPushButton *>("OncekiAyButton");
    sonraki->click();
    QCOMPARE(QDate(w.yil(), w.ay(), 1), QDate(2027, 1, 1));
    QCOMPARE(w.tablo()->rowCount(), 31);
    QVERIFY(w.tablo()->item(0, 0)->text().endsWith("01.01.2027"));
    QCOMPARE(w.bugunSatiri(), -1);
    sonraki->click();
    QCOMPARE(w.tablo()->rowCount(), 28);
    onceki->click();
    onceki->click();
    onceki->click();
    QCOMPARE(QDate(w.yil(), w.ay(), 1), QDate(2026, 11, 1));
    QCOMPARE(w.tablo()->rowCount(), 30);
    QVERIFY(w.windowTitle().contains("İstanbul - Türkiye"));

    // The calendar's first whole month is the first there is.
    w.ayGoster(1582, 11);
    QVERIFY(!onceki->isEnabled());
    w.ayGoster(1582, 10);
    QCOMPARE(QDate(w.yil(), w.ay(), 1), QDate(1582, 11, 1));
    QCOMPARE(w.tablo()->rowCount(), 30);
    QVERIFY(sonraki->isEnabled());
}

void TestAylikCizelge::pdfSatirlari_data()
{
    QTest::addColumn<QDate>("ay");
    QTest::addColumn<QString>("baslik");
    QTest::newRow("February 2027: 28 days") << QDate(2027, 2, 1) << "Şubat 2027";
    QTest::newRow("April 2027: 30 days") << QDate(2027, 4, 1) << "Nisan 2027";
    QTest::newRow("January 2027: 31 days") << QDate(2027, 1, 1) << "Ocak 2027";
}

// The saved page, as a PDF reader extracts it: one page, and for each day of the month one
// line with its weekday, date, Hijri date and seven times, in the order of ravla-vakit's csv.
void TestAylikCizelge::pdfSatirlari()
{
    QFETCH(QDate, ay);
    QFETCH(QString, baslik);

    saatiKur(ay);
    AylikCizelge w;
    w.goster(istanbul());
    const QString yol = klasor.filePath("ay.pdf");
    QVERIFY(w.pdfKaydet(yol));
    QCOMPARE(pdfSayfaSayisi(yol), 1);

    const QString metin = pdfMetni(yol);
    for (const QString &s :
         {baslik, QStringLiteral("İstanbul - Türkiye"), QStringLiteral("Diyanet İşleri Başkanlığı"),
          QStringLiteral("Europe/Istanbul")})
        QVERIFY2(metin.contains(s), qPrintable(s));
    for (const QString &a : AylikSayfa::aciklamalar())
        QVERIFY2(metin.simplified().contains(a.simplified()), qPrintable(a));

    static const char *const gunler[] = {"Pzt", "Sal", "Çar", "Per", "Cum", "Cmt", "Paz"};
    const QList<QStringList> cli = cliAyi(istanbul(), ay.year(), ay.month());
    const QStringList satirlar = sayfaSatirlari(metin);
    QCOMPARE(satirlar.size(), ay.daysInMonth());
    QCOMPARE(cli.size(), ay.daysInMonth());
    for (int g = 0; g < ay.daysInMonth(); ++g) {
        const QDate gun = ay.addDays(g);
        QStringList beklenen{QString::fromUtf8(gunler[gun.dayOfWeek() - 1]),
                             gun.toString("dd.MM.yyyy"), cli[g][8]};
        for (int s = 1; s <= 7; ++s)
            beklenen << sayfaVakti(cli[g][s]);
        QCOMPARE(satirlar[g], beklenen.join(' '));
    }
}

// Today's row is shaded on the page itself: rendered by poppler, the band behind today's date
// has the highlight's colour and no other row's has.
void TestAylikCizelge::bugunSayfada()
{
    saatiKur(QDate(2027, 4, 17));
    AylikCizelge w;
    w.goster(istanbul());
    const QString yol = klasor.filePath("bugun.pdf");
    QVERIFY(w.pdfKaydet(yol));
    QProcess p;
    p.start("pdftoppm", {"-r", "72", "-png", "-singlefile", yol, klasor.filePath("bugun")});
    QVERIFY(p.waitForFinished(60000));
    const QImage resim(klasor.filePath("bugun.png"));
    QVERIFY(!resim.isNull());

    const QList<PdfKelime> kelimeler = pdfKelimeleri(yol);
    int boyali = 0;
    for (const PdfKelime &k : kelimeler) {
        if (!QRegularExpression("^\\d\\d\\.04\\.2027$").match(k.metin).hasMatch())
            continue;
        // Just after the date, between it and the Hijri column.
        const QColor renk = resim.pixelColor(int(k.kutu.right()) + 4, int(k.kutu.center().y()));
        const bool bugun = k.metin == "17.04.2027";
        QVERIFY2((qAbs(renk.red() - kBugunRengi.red()) < 8 &&
                  qAbs(renk.blue() - kBugunRengi.blue()) < 8) == bugun,
                 qPrintable(k.metin + " " + renk.name()));
        ++boyali;
    }
    QCOMPARE(boyali, 30);

    // Another month has no today.
    w.ayGoster(2027, 5);
    QVERIFY(w.pdfKaydet(yol));
    p.start("pdftoppm", {"-r", "72", "-png", "-singlefile", yol, klasor.filePath("bugun")});
    QVERIFY(p.waitForFinished(60000));
    QImage ikinci;
    QVERIFY(ikinci.load(klasor.filePath("bugun.png")));
    for (int y = 0; y < ikinci.height(); ++y)
        for (int x = 0; x < ikinci.width(); x += 3)
            QVERIFY(ikinci.pixelColor(x, y) != kBugunRengi);
}

void TestAylikCizelge::yazdir_data()
{
    QTest::addColumn<int>("kagit"); // QPageSize::PageSizeId
    QTest::addColumn<int>("yon");   // QPageLayout::Orientation
    QTest::newRow("A4 portrait") << int(QPageSize::A4) << int(QPageLayout::Portrait);
    QTest::newRow("Letter") << int(QPageSize::Letter) << int(QPageLayout::Portrait);
    QTest::newRow("A5 landscape: small and wide")
        << int(QPageSize::A5) << int(QPageLayout::Landscape);
}

// Whatever paper the print dialog ends with, the month fits on one page.
void TestAylikCizelge::yazdir()
{
    QFETCH(int, kagit);
    QFETCH(int, yon);

    saatiKur(QDate(2027, 1, 10));
    AylikCizelge w;
    w.goster(istanbul());
    const QString yol = klasor.filePath("yazici.pdf");
    QPrinter yazici(QPrinter::HighResolution);
    yazici.setOutputFormat(QPrinter::PdfFormat);
    yazici.setOutputFileName(yol);
    yazici.setPageSize(QPageSize(QPageSize::PageSizeId(kagit)));
    yazici.setPageOrientation(QPageLayout::Orientation(yon));
    QVERIFY(w.yazdir(yazici));
    QCOMPARE(pdfSayfaSayisi(yol), 1);
    const QStringList satirlar = sayfaSatirlari(pdfMetni(yol));
    QCOMPARE(satirlar.size(), 31);
    QVERIFY(satirlar.last().startsWith("Paz 31.01.2027"));
}

void TestAylikCizelge::sagdanSola_data()
{
    QTest::addColumn<Qt::LayoutDirection>("yon");
    QTest::newRow("left to right") << Qt::LeftToRight;
    QTest::newRow("right to left, as in Arabic") << Qt::RightToLeft;
}

// Under a right-to-left language the date column stands on the right and the times run
// leftwards from it, on the page and in the window.
void TestAylikCizelge::sagdanSola()
{
    QFETCH(Qt::LayoutDirection, yon);

    QGuiApplication::setLayoutDirection(yon);
    saatiKur(QDate(2027, 2, 1));
    AylikCizelge w;
    w.goster(istanbul());
    const QString yol = klasor.filePath("yon.pdf");
    QVERIFY(w.pdfKaydet(yol));

    const QStringList hucreler = AylikSayfa::hucreler(w.veri().gunler.front());
    QList<PdfKelime> satir = satirKelimeleri(pdfKelimeleri(yol), "01.02.2027");
    const bool rtl = yon == Qt::RightToLeft;
    QStringList okunan; // the row's words as a reader in that direction meets them
    for (const PdfKelime &k : satir)
        okunan << k.metin;
    if (rtl)
        std::reverse(okunan.begin(), okunan.end());
    // The date cell first (its two words in their own script's order), then Hijri date and
    // times.
    QCOMPARE(okunan.size(), hucreler.size() + 1);
    QStringList tarih = okunan.mid(0, 2), beklenenTarih = hucreler[0].split(' ');
    tarih.sort();
    beklenenTarih.sort();
    QCOMPARE(tarih, beklenenTarih);
    QCOMPARE(okunan.mid(2), hucreler.mid(1));
    // The date column stands against the edge where lines begin, its text too: the table
    // spans the page between 12 mm margins (34 pt of 595).
    const qreal tarihSol = std::min(satir[rtl ? satir.size() - 2 : 0].kutu.left(),
                                    satir[rtl ? satir.size() - 1 : 1].kutu.left());
    const qreal tarihSag = std::max(satir[rtl ? satir.size() - 2 : 0].kutu.right(),
                                    satir[rtl ? satir.size() - 1 : 1].kutu.right());
    if (rtl)
        QVERIFY2(tarihSag > 595 - 34 - 12, qPrintable(QString::number(tarihSag)));
    else
        QVERIFY2(tarihSol < 34 + 12, qPrintable(QString::number(tarihSol)));

    const QTableWidget *t = w.tablo();
    QCOMPARE(t->visualItemRect(t->item(0, 0)).x() > t->visualItemRect(t->item(0, 8)).x(),
             yon == Qt::RightToLeft);
}

void TestAylikCizelge::kaydedilemez_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("PDF") << true;
    QTest::newRow("CSV") << false;
}

// A file that cannot be written: the user is told which and why.
void TestAylikCizelge::kaydedilemez()
{
    QFETCH(bool, pdf);

    saatiKur(QDate(2027, 1, 10));
    AylikCizelge w;
    w.goster(istanbul());
    QFile engel(klasor.filePath("dosya"));
    QVERIFY(engel.open(QIODevice::WriteOnly));
    engel.close();
    const QString yol = klasor.filePath("dosya/ay.") + (pdf ? "pdf" : "csv"); // below a file
    QVERIFY(!(pdf ? w.pdfKaydet(yol) : w.csvKaydet(yol)));
    QCOMPARE(yakalananMesajlar().size(), 1);
    QVERIFY2(yakalananMesajlar().first().startsWith("Kaydedilemedi: ") &&
                 yakalananMesajlar().first().contains(yol),
             qPrintable(yakalananMesajlar().first()));
    QVERIFY(!QFileInfo::exists(yol));
}

RAVLA_TEST_MAIN(TestAylikCizelge)
#include "tst_aylikcizelge.moc"
