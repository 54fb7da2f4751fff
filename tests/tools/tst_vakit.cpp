// The command-line timetable: its argument parser and its writer called directly, and the built
// program run the way a user's script runs it.

#include "options.h"
#include "pdfokuyucu.h"
#include "timetable.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

// What the program writes for these arguments (separated by blanks), or "error: " and its
// message. "Today" is 5 December 2026.
static QString run(const QString &args)
{
    std::vector<std::string> v;
    for (const QString &a : args.split(' ', Qt::SkipEmptyParts))
        v.push_back(a.toStdString());
    vakit::Options o;
    const std::string error = vakit::parseArguments(v, {5, 12, 2026}, o);
    return QString::fromStdString(error.empty() ? vakit::timetableText(o) : "error: " + error);
}

class TestVakit : public QObject
{
    Q_OBJECT

private slots:
    // Fragments (separated by |) of what the program writes for the arguments, Istanbul's place
    // and time zone put first unless given: lines of the csv, the json or the text table, or a
    // message of one line naming the problem.
    void output_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("expected");
        const auto row = [](QString args, const char *expected) {
            if (!args.contains("--lon"))
                args.prepend("--lat 41 --lon 29 --tz 2 ");
            QTest::newRow(qPrintable(args)) << args << QString(expected);
        };
        // csv: İmsak first; "*" on a time estimated by the high-latitude rule, never on 99:99:00,
        // which daylight saving leaves alone; then the Hijri date and the Qibla. Umm al-Qura's
        // Ramadan Isha, two hours after Maghrib, follows the corrected Hijri date; a zone's own
        // clock change applies (New York's in March), its standard offset standing in for --tz;
        // Asr is standard without --hanafi, for method 3 too.
        row("--date 2026-12-05 --dst none --offsets 1,-2,3,-4,5,-30,+30 --format csv",
            ",5:27:43,5:32:54,7:16:18,11:50:32,14:22:40,16:05:35,18:38:43,");
        row("--lat 52.52 --lon 13.405 --tz 1 --date 2026-06-21 --method 20 --high-lat seventh "
            "--hanafi --format csv",
            ",3:31:45*,3:41:45*,4:43:14,13:08:11,18:48:10,21:33:07,22:34:36*,6.1.1448,136\n");
        row("--lat 27.7 --lon 85.32 --tz 5.75 --date 2026-02-16 --method 9 --hijri-offset 1 "
            "--format csv",
            ",5:13:43,5:20:31,6:40:27,12:18:44,15:31:33,17:56:22,19:56:22,1.9.1447,271\n");
        row("--lat 70 --lon 25 --tz 1 --date 2026-12-20 --dst 2026-12-01..2027-01-01 --format csv",
            ",6:46:38,7:05:00,99:99:00,12:17:31,99:99:00,99:99:00,17:17:32,11.7.1448,161\n");
        row("--lat 40.7 --lon -74 --zone America/New_York --date 2026-03-08 --method 3 "
            "--format csv",
            ",5:40:13,5:48:15,7:18:56,13:06:40,16:21:14,18:55:02,20:25:04,20.9.1447,58\n");
        // The tabular calendar (Diyanet's and Umm al-Qura's months: tst_hicritakvim).
        row("--date 2026-02-18 --hijri tabular --format csv", ",2.9.1447,");
        // Religious days: json names them, the text table gives each a footnote.
        row("--date 2026-03-19 --hijri diyanet --format json", "\"day\": \"Eve of Eid al-Fitr\"}");
        row("--date 2026-03-18 --hijri diyanet --format json", "\"qibla\": 151, \"day\": \"\"}");
        row("--date 2026-03-16 --days 2 --hijri diyanet",
            "  [1]\n2026-03-17|\n\n[1] 2026-03-16: Night of Power (Qadr) (the night after this "
            "day)\n");
        // The days of a run; the first and the last supported days.
        row("--date 2027-11-30 --days 93 --format csv",
            "\n2027-12-01,|\n2028-01-01,|\n2028-02-29,|\n2028-03-01,");
        row("--date 1582-10-15 --format csv", "\n1582-10-15,");
        row("--date 9999-12-30 --days 2 --format csv", "\n9999-12-31,");
        row("--lat 52.52 --lon 13.405 --tz 1 --date 2026-06-21 --days 2 --format json",
            "[\n  {\"date\": \"2026-06-21\", \"imsak\": \"1:17:57\", \"imsakExtreme\": true,|"
            "\"sunriseExtreme\": false,|\"qibla\": 136, \"day\": \"\"},\n  {\"date\": "
            "\"2026-06-22\"");
        // The text table's heading says what was asked for; footnotes explain "*" and 99:99:00.
        row("--custom 18.5,17 --hanafi --tz -3.5 --dst none --offsets 0,0,0,0,0,2,-1 "
            "--high-lat angle --hijri-offset -1",
            "UTC-3.5\nMethod: Custom angles 18.5°/17°, Hanafi Asr\nOwn minutes: Maghrib +2, "
            "Isha -1\nHigh latitudes: twilight angle|moved by -1 day\nDaylight saving: none\n");
        row("--lat 80 --lon 29 --tz 1 --method 6 --date 2026-06-21 --dst none",
            "  0:00:24*  99:99:00 |\n* estimated: |(Imsak: ten minutes before that Fajr).\n"
            "99:99:00: the time does not occur on that day.\n");
        row("--hijri ummalqura --hijri-offset 1", "Hijri calendar: Umm al-Qura\nHijri date moved");
        // Bad input.
        row("--hijri lunar", "error: --hijri: expected tabular, diyanet or ummalqura, got 'lunar'");
        row("--lat 41,5 --lon 29 --tz 2", "error: --lat needs a number, got '41,5'");
        row("--lat --lon 29 --tz 2", "error: --lat needs a value");
        row("--lat 41 --lon 29", "error: --tz is required (or --zone)");
        row("--\n\nlat 41 --lon 29 --tz 2", "error: unknown option '--\\n\\nlat'"); // from fuzzing
        row("--lat 41 --lon 29 --zone Euro90", "error: |Euro90"); // from fuzzing: no POSIX rules
        row("--method 21", "error: --method must be between 1 and 20, got 21");
        row("--offsets 0,0,0,0,0,0", "error: --offsets needs seven whole minutes as");
        row("--offsets=-31,0,0,0,0,0,0", "error: --offsets: Imsak must be between -30 and 30");
        row("--date 1582-10-14", "error: --date must be between 1582-10-15 and 9999-12-31");
        row("--date 9999-12-30 --days 3", "error: the run must end by 9999-12-31");
    }
    void output()
    {
        QFETCH(QString, args);
        QFETCH(QString, expected);
        const QString out = run(args);
        for (const QString &s : expected.split('|'))
            QVERIFY2(out.contains(s), qPrintable(out));
        QVERIFY(!out.startsWith("error: ") || !out.contains('\n'));
        QVERIFY(!args.endsWith("json") || QJsonDocument::fromJson(out.toUtf8()).isArray());
    }

    // --output writes every format whole or not at all: a full disk leaves the old timetable and
    // says why; a device is written as it stands and stays a device. Without a display (nor a Qt
    // platform chosen): the month's page is one.
    void outputFile_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("error");         // empty: written
        for (const char *format : {"csv", "pdf"}) { // text and json: the csv's writer
            const auto row = [format](const char *target, const char *error) {
                QTest::addRow("%s %s", format, target) << format << target << error;
            };
            row("new file", "");
            row("old file", "");
            row("full disk", "No space left on device");
            row("/dev/full", "No space left on device");
            row("no folder", "cannot write");
        }
    }
    void outputFile()
    {
        QFETCH(QString, format);
        QFETCH(QString, target);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QString path = dir.filePath("vakit." + format);
        const QByteArray old = "the timetable saved before\n";
        if (target == "full disk") {
            QVERIFY(QDir(dir.path()).mkdir("disk"));
            const QByteArray disk = QFile::encodeName(dir.filePath("disk"));
            if (::mount("tmpfs", disk, "tmpfs", 0, "size=64k") != 0)
                QSKIP("no tmpfs can be mounted here (needs root)");
            path = dir.filePath("disk/vakit." + format);
            QFile filler(dir.filePath("disk/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
            f.close();
            while (filler.write(QByteArray(512, 'x')) == 512) {
            }
        } else if (target == "old file") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        } else if (target == "/dev/full") {
            if (!QFileInfo::exists("/dev/full"))
                QSKIP("no /dev/full here");
            path = "/dev/full";
        } else if (target == "no folder") {
            path = dir.filePath("none/vakit." + format);
        }
        const auto unmount = qScopeGuard([&] {
            if (target == "full disk")
                ::umount2(QFile::encodeName(dir.filePath("disk")), MNT_DETACH);
        });

        QStringList args = {"--lat", "41",     "--lon",      "29",       "--tz",
                            "2",     "--date", "2026-12-01", "--format", format};
        if (format != "pdf") // the page is always the month
            args << "--days"
                 << "31";
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (auto name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
            env.remove(name);
        p.setProcessEnvironment(env);
        p.start(RAVLA_VAKIT, QStringList(args) << "--output" << path);
        QVERIFY(p.waitForFinished(60000));
        const QString stderrText = QString::fromLocal8Bit(p.readAllStandardError());
        if (error.isEmpty()) {
            QCOMPARE(stderrText + QString::number(p.exitCode()), QStringLiteral("0"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray written = f.readAll();
            if (format == "pdf") {
                QCOMPARE(pdfSayfaSayisi(path), 1);
            } else {
                p.start(RAVLA_VAKIT, args);
                QVERIFY(p.waitForFinished(60000));
                QCOMPARE(written, p.readAllStandardOutput());
            }
            return;
        }
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(stderrText.contains(error) && stderrText.count('\n') == 1, qPrintable(stderrText));
        if (target == "full disk") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), old);
            QCOMPARE(QDir(dir.filePath("disk")).entryList(QDir::Files | QDir::Hidden),
                     (QStringList{"filler", "vakit." + format}));
        } else if (target == "/dev/full") {
            QVERIFY(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile());
        } else {
            QVERIFY(!QFileInfo::exists(path));
        }
    }

    // --city over a database the test writes: the place, its zone and its country's method, or
    // the problem and the arguments that pick each candidate. Arguments separated by "|".
    void city_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("expected"); // lat lon zone tz method place, or the message
        QTest::addColumn<QStringList>("candidates");
        const auto row = [](const char *args, const char *expected, QStringList candidates = {}) {
            QTest::newRow(args) << QString(args) << QString(expected) << candidates;
        };
        row("--city|Berlin|--country|Almanya", "52.5244 13.4105 Europe/Berlin 1 5 Berlin, Almanya");
        row("--city|Berlin", "--city 'Berlin' could mean 2 places; pick one:",
            {"--city 'Berlin, State of Berlin' --country 'Almanya'",
             "--city 'Berlin, New Hampshire' --country 'ABD'"});
        row("--city|berlin,new hampshire", "44.4687 -71.1851 America/New_York -5 5 Berlin, ABD");
        // A country's own method, unless one is asked for; a zone or offset given stays.
        row("--city|ISTANBUL", "41.0138 28.9497 Europe/Istanbul 3 8 İstanbul, Türkiye");
        row("--city|istanbul|--method|3", "41.0138 28.9497 Europe/Istanbul 3 3 İstanbul, Türkiye");
        row("--city|istanbul|--tz|2|--place|Fatih", "41.0138 28.9497 Europe/Istanbul 2 8 Fatih");
        row("--city|Paris|--country|fra", "48.8566 2.3522 Europe/Paris 1 19 Paris, Fransa");
        // Part of a name, where it is the only one that holds it.
        row("--city|köp", "52.4425 13.5823 Europe/Berlin 1 5 Berlin Köpenick, Almanya");
        row("--city|Ber|--country|Almanya",
            "--city 'Ber' could mean 2 places in Almanya; pick one:",
            {"--city 'Berlin, State of Berlin' --country 'Almanya'",
             "--city 'Berlin Köpenick, State of Berlin' --country 'Almanya'"});
        row("--city|Atlantis", "--city: no place called 'Atlantis' in the city database");
        row("--city|Berlin|--country|Atlantis",
            "--country: no country called 'Atlantis' in the city database");
        row("--city|x|--country|a", "--country 'a' could mean 3 countries:",
            {"--country 'Almanya'", "--country 'ABD'", "--country 'Fransa'"});
        row("--city|Yukarı", "--city: the city database's line for 'Yukarı' is damaged: "
                             "Yukarı,Kutup,95,10,1");
        row("--city|a\nb", "--city: no place called 'a\\nb' in the city database");
        // Parsing alone.
        row("--country|Almanya", "--country needs --city");
        row("--city|Berlin|--lat|52", "--city cannot be used with --lat or --lon");
    }
    void city()
    {
        QFETCH(QString, args);
        QFETCH(QString, expected);
        QFETCH(QStringList, candidates);
        QTemporaryDir db;
        // clang-format off
        for (const auto &[name, text] : QList<std::pair<QString, QByteArray>>{
                 {"liste.dat", "Almanya\nTürkiye\nABD\nFransa\nBozuk\n"},
                 {"Almanya.txt", "Berlin,State of Berlin,52.5244,13.4105,1,Europe/Berlin\n"
                                 "Berlin Köpenick,State of Berlin,52.4425,13.5823,1,Europe/Berlin\n"},
                 {"Türkiye.txt", "İstanbul,İstanbul,41.0138,28.9497,3,Europe/Istanbul\n"},
                 {"ABD.txt", "Berlin,New Hampshire,44.4687,-71.1851,-5,America/New_York\n"},
                 {"Fransa.txt", "Paris,Île-de-France,48.8566,2.3522,1,Europe/Paris\n"},
                 {"Bozuk.txt", "Yukarı,Kutup,95,10,1\n"}}) {
            // clang-format on
            QFile f(db.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        }
        std::vector<std::string> v;
        for (const QString &a : args.split('|'))
            v.push_back(a.toStdString());
        vakit::Options o;
        std::string error = vakit::parseArguments(v, {5, 12, 2026}, o);
        vakit::CityResult r;
        if (error.empty())
            r = vakit::resolveCity(o, db.path().toStdString() + "/");
        if (error.empty() && r.error.empty()) {
            const QString got =
                QString::asprintf("%g %g %s %g %d ", o.inputs.latitude, o.inputs.longitude,
                                  o.zone.c_str(), o.inputs.timeZone, o.inputs.methodCode) +
                QString::fromStdString(o.place);
            QCOMPARE(got, expected);
            return;
        }
        QCOMPARE(QString::fromStdString(error.empty() ? r.error : error), expected);
        QStringList got;
        for (const std::string &c : r.candidates)
            got << QString::fromStdString(c);
        QCOMPARE(got, candidates);
    }

    // The program with its own database. JAKIM's method in Malaysia: a place of the database,
    // one typed in and a zone by its code each take the zone's reference point and name it
    // (its times there: tst_jakimzones); other methods and places elsewhere do not. Arguments
    // separated by "|"; the JAKIM line expected, "" for none, or the error.
    void asAProgram_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *args, int status, const char *expected) {
            QTest::newRow(args) << QString(args) << status << QString::fromUtf8(expected);
        };
        row("--city|Kuching|--country|Malezya", 0,
            "JAKIM zone: SWK08 — Kuching, Bau, Lundu, Sematan (at its reference point");
        row("--city|Ampang|--country|Malezya", 0,
            "the zone of Kuala Lumpur, the nearest place JAKIM names");
        row("--city|Permatang Kuching|--country|Malezya", 0, "JAKIM zone: PNG01 — Pulau Pinang");
        row("--city|Kuching|--country|Malezya|--method|3", 0, "");
        row("--city|Bandar Labuan|--country|Malezya", 0, "JAKIM zone: WLY02 — Labuan");
        row("--lat|1.6|--lon|110.3|--tz|8|--method|14", 0,
            "JAKIM zone: SWK08 — Kuching, Bau, Lundu, Sematan (at its reference point, 1 m up), "
            "the zone of Kuching, the nearest place JAKIM names, 7 km away");
        row("--lat|1.29|--lon|103.85|--zone|Asia/Singapore|--method|14", 0, "");
        row("--zone-code|kdh07", 0, "JAKIM zone: KDH07 — Gunung Jerai (at its reference point, ");
        row("--zone-code|SWK99", 2, "--zone-code: no JAKIM zone 'SWK99'; the zones are JHR01 ");
        row("--zone-code|SWK08|--lat|2", 2, "--zone-code cannot be used with --city, --lat or");
        // A name of two places lists both (the candidates over a database of its own: city()).
        row("--city|paris", 2,
            "could mean 2 places; pick one:\n  --city 'Paris, Texas' --country 'ABD'\n"
            "  --city 'Paris, Île-de-France' --country 'Fransa'\n");
    }
    void asAProgram()
    {
        QFETCH(QString, args);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QProcess p;
        p.start(RAVLA_VAKIT, args.split('|') + QStringList{"--date", "2020-06-01"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), status);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        if (status != 0) {
            // One line and the hint to --help, or the candidates and nothing after them.
            const int lines = expected.contains('\n') ? expected.count('\n') : 2;
            QVERIFY2(err.contains(expected) && err.count('\n') == lines, qPrintable(err));
            return;
        }
        QVERIFY2(expected.isEmpty() ? !out.contains("JAKIM zone") : out.contains(expected),
                 qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestVakit)
#include "tst_vakit.moc"
