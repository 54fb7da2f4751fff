// The command-line timetable: its argument parser and its writer called directly, and the
// built program run once the way a user's script runs it.

#include "options.h"
#include "pdfokuyucu.h"
#include "timetable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

std::vector<std::string> strings(const QStringList &args)
{
    std::vector<std::string> v;
    for (const QString &a : args)
        v.push_back(a.toStdString());
    return v;
}

// What the program prints for these arguments: the timetable, or the parser's message with
// exit status 2. "Today" is 5 December 2026.
Run calistir(const QStringList &args)
{
    vakit::Options o;
    const std::string error = vakit::parseArguments(strings(args), {5, 12, 2026}, o);
    if (!error.empty())
        return {2, {}, QByteArray::fromStdString(error)};
    if (o.help)
        return {0, QByteArray::fromStdString(vakit::usage()), {}};
    std::FILE *f = std::tmpfile();
    vakit::writeTimetable(o, f);
    const long size = std::ftell(f);
    QByteArray out(size, '\0');
    std::rewind(f);
    const std::size_t got = std::fread(out.data(), 1, out.size(), f);
    std::fclose(f);
    out.truncate(static_cast<qsizetype>(got));
    return {0, out, {}};
}

const QStringList kIstanbul = {"--lat", "41.0", "--lon", "29.0", "--tz", "2"};
const QStringList kBerlin = {"--lat", "52.52", "--lon", "13.405", "--tz", "1"};
const QStringList kTromso = {"--lat", "70", "--lon", "25", "--tz", "1"}; // polar night in December

// The csv rows without the header; fails the test on anything but a clean run.
QStringList csvRows(const QStringList &args)
{
    const Run r = calistir(args + QStringList{"--format", "csv"});
    if (r.exitCode != 0 || !r.err.isEmpty())
        return {};
    QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
    if (lines.value(0) != "date,imsak,fajr,sunrise,dhuhr,asr,maghrib,isha,hijri,qibla")
        return {};
    lines.removeFirst();
    return lines;
}

// Seconds since midnight of a csv time, -1 for 99:99:00.
int seconds(const QString &field)
{
    const QStringList hms = QString(field).remove('*').split(':');
    if (hms.value(0) == "99")
        return -1;
    return hms.value(0).toInt() * 3600 + hms.value(1).toInt() * 60 + hms.value(2).toInt();
}

} // namespace

class TestVakit : public QObject
{
    Q_OBJECT

private slots:
    void csv_data();
    void csv();
    void daylightSaving_data();
    void daylightSaving();
    void zone_data();
    void zone();
    void ownMinutes_data();
    void ownMinutes();
    void highLatitude_data();
    void highLatitude();
    void hijriOffset_data();
    void hijriOffset();
    void run_data();
    void run();
    void json();
    void text_data();
    void text();
    void badInput_data();
    void badInput();
    void asAProgram();
    void pdfPage();
    void outputFile_data();
    void outputFile();
};

void TestVakit::csv_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("row");

    QTest::newRow("Istanbul, winter")
        << kIstanbul + QStringList{"--date", "2026-12-05", "--dst", "none"}
        << "2026-12-05,5:26:43,5:34:54,7:13:18,11:54:32,14:17:40,16:35:35,18:08:43,25.6.1448,151";
    QTest::newRow("Berlin, borrowed twilight")
        << kBerlin + QStringList{"--date", "2026-06-21", "--dst", "none"}
        << "2026-06-21,0:17:57*,0:27:57*,3:43:14,12:08:11,16:33:07,20:33:07,23:01:55*,6.1.1448,"
           "136";
    // A time zone cut to whole hours would move every time by the fraction.
    QTest::newRow("Kathmandu, UTC+5:45")
        << QStringList{"--lat", "27.7", "--lon", "85.32", "--tz", "5.75", "--date", "2026-03-01"}
        << "2026-03-01,5:04:03,5:10:50,6:28:33,12:16:03,15:34:58,18:03:55,19:16:44,13.9.1447,271";
    QTest::newRow("no Maghrib, no Isha after it, and no estimate either")
        << QStringList{"--lat",    "80", "--lon",  "29",         "--tz",  "1",
                       "--method", "6",  "--date", "2026-06-21", "--dst", "none"}
        << "2026-06-21,23:50:24*,0:00:24*,99:99:00,11:05:47,17:37:44,99:99:00,99:99:00,6.1.1448,"
           "168";
    QTest::newRow("polar night keeps 99:99:00 under daylight saving")
        << kTromso + QStringList{"--date", "2026-12-20", "--dst", "2026-12-01..2027-01-01"}
        << "2026-12-20,6:46:38,7:05:00,99:99:00,12:17:31,99:99:00,99:99:00,17:17:32,11.7.1448,161";
}

void TestVakit::csv()
{
    QFETCH(QStringList, args);
    QFETCH(QString, row);
    QCOMPARE(csvRows(args), QStringList{row});
}

void TestVakit::daylightSaving_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("inForce");

    const QString a = "auto";
    QTest::newRow("auto, March change") << a << "2026-03-29" << true;
    QTest::newRow("auto, October change") << a << "2026-10-25" << false;
    const QString range = "2026-04-10..2026-04-20";
    QTest::newRow("range, day before") << range << "2026-04-09" << false;
    QTest::newRow("range, first day") << range << "2026-04-10" << true;
    QTest::newRow("range, end excluded") << range << "2026-04-20" << false;
}

void TestVakit::daylightSaving()
{
    QFETCH(QString, rule);
    QFETCH(QString, date);
    QFETCH(bool, inForce);

    for (const QStringList &place : {kIstanbul, kBerlin}) {
        const QStringList base = place + QStringList{"--date", date};
        const QStringList plain = csvRows(base + QStringList{"--dst", "none"}).value(0).split(',');
        const QStringList ruled = csvRows(base + QStringList{"--dst", rule}).value(0).split(',');
        QVERIFY(ruled.size() == 10 && plain.size() == 10);
        const int shift = inForce ? 3600 : 0;
        for (int i = 1; i <= 7; ++i) {
            QCOMPARE(ruled[i].endsWith('*'), plain[i].endsWith('*'));
            QCOMPARE(seconds(ruled[i]), seconds(plain[i]) + shift);
        }
        QCOMPARE(ruled.mid(8), plain.mid(8)); // Hijri date and Qibla do not move
    }
}

void TestVakit::zone_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("tz"); // the zone's standard offset
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("shift"); // seconds ahead of standard time

    QTest::newRow("Istanbul keeps its time") << "Europe/Istanbul"
                                             << "3"
                                             << "2026-07-01" << 0;
    QTest::newRow("New York before its change") << "America/New_York"
                                                << "-5"
                                                << "2026-03-07" << 0;
    QTest::newRow("New York after it") << "America/New_York"
                                       << "-5"
                                       << "2026-03-08" << 3600;
    QTest::newRow("Adelaide in its summer") << "Australia/Adelaide"
                                            << "9.5"
                                            << "2026-01-15" << 3600;
    QTest::newRow("Kathmandu") << "Asia/Kathmandu"
                               << "5.75"
                               << "2026-01-15" << 0;
}

void TestVakit::zone()
{
    QFETCH(QString, zone);
    QFETCH(QString, tz);
    QFETCH(QString, date);
    QFETCH(int, shift);

    const QStringList place{"--lat", "30", "--lon", "30", "--date", date};
    const QStringList plain =
        csvRows(place + QStringList{"--tz", tz, "--dst", "none"}).value(0).split(',');
    // --tz may be left out: the zone's standard offset stands in.
    const QStringList zoned = csvRows(place + QStringList{"--zone", zone}).value(0).split(',');
    QVERIFY(plain.size() == 10 && zoned.size() == 10);
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(seconds(zoned[i]), seconds(plain[i]) + shift);
    // Without the automatic rule the zone only gives the offset.
    const QStringList fixed =
        csvRows(place + QStringList{"--zone", zone, "--dst", "none"}).value(0).split(',');
    QCOMPARE(fixed, plain);
}

// Each of the seven minutes lands on its own column (İmsak first, as the columns run) and
// moves it by exactly that much, through midnight too.
void TestVakit::ownMinutes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("offsets");

    QTest::newRow("every column its own")
        << kIstanbul + QStringList{"--date", "2026-12-05"} << "1,-2,3,-4,5,-6,7";
    QTest::newRow("the edges") << kIstanbul + QStringList{"--date", "2026-12-05"}
                               << "-30,30,-30,30,-30,30,-30";
    QTest::newRow("on top of Diyanet's own")
        << kIstanbul + QStringList{"--date", "2026-02-19", "--method", "8"} << "0,0,-30,0,0,+30,0";
    // At UTC+7.7 Istanbul's Isha falls at 23:50; with --dst none no time reads 24:xx.
    QTest::newRow("Isha past midnight")
        << QStringList{"--lat", "41", "--lon", "29", "--tz", "7.7", "--dst", "none"}
        << "0,0,0,0,0,0,30";
}

void TestVakit::ownMinutes()
{
    QFETCH(QStringList, args);
    QFETCH(QString, offsets);

    const QStringList plain = csvRows(args).value(0).split(',');
    const QStringList moved = csvRows(args + QStringList{"--offsets", offsets}).value(0).split(',');
    QVERIFY(plain.size() == 10 && moved.size() == 10);
    const QStringList minutes = offsets.split(',');
    for (int i = 1; i <= 7; ++i) {
        const int want =
            ((seconds(plain[i]) + minutes[i - 1].toInt() * 60) % 86400 + 86400) % 86400;
        QCOMPARE(seconds(moved[i]) % 86400, want);
    }
    QCOMPARE(moved.mid(8), plain.mid(8));
}

// The rule reaches the timetable (its definition is checked in the engine's tests): Berlin in
// June has no true night for 18 deg, so each rule gives Fajr and Isha of its own, marked.
void TestVakit::highLatitude_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("footnote");

    QTest::newRow("nearest") << "nearest"
                             << "taken from the nearest day on which it does";
    QTest::newRow("middle") << "middle"
                            << "bounded by the middle of the night";
    QTest::newRow("seventh") << "seventh"
                             << "bounded by the one-seventh of the night";
    QTest::newRow("angle") << "angle"
                           << "bounded by the twilight angle (angle/60 of the night)";
}

void TestVakit::highLatitude()
{
    QFETCH(QString, rule);
    QFETCH(QString, footnote);

    const QStringList day = kBerlin + QStringList{"--date", "2026-06-21"};
    const QStringList nearest = csvRows(day).value(0).split(',');
    const QStringList ruled = csvRows(day + QStringList{"--high-lat", rule}).value(0).split(',');
    QVERIFY(ruled.size() == 10 && nearest.size() == 10);
    for (const int i : {2, 7}) { // Fajr, Isha
        QVERIFY(ruled[i].endsWith('*'));
        QCOMPARE(ruled[i] == nearest[i], rule == "nearest");
    }
    QCOMPARE(ruled.mid(3, 4), nearest.mid(3, 4)); // sunrise to Maghrib are the day's own
    const Run r = calistir(day + QStringList{"--high-lat", rule});
    QVERIFY2(r.out.contains(footnote.toUtf8()), r.out.constData());
}

void TestVakit::hijriOffset_data()
{
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("hijri"); // of 16 February 2026, 29 Shaban 1447 uncorrected

    QTest::newRow("none") << "0"
                          << "29.8.1447";
    QTest::newRow("a day on") << "1"
                              << "1.9.1447";
    QTest::newRow("two days back") << "-2"
                                   << "27.8.1447";
}

void TestVakit::hijriOffset()
{
    QFETCH(QString, offset);
    QFETCH(QString, hijri);

    const QStringList args =
        kIstanbul + QStringList{"--date",         "2026-02-16", "--method", "9",
                                "--hijri-offset", offset,       "--dst",    "none"};
    const QStringList row = csvRows(args).value(0).split(',');
    QCOMPARE(row.value(8), hijri);
    // Umm al-Qura's Ramadan Isha follows the corrected date.
    const int ishaAfterMaghrib = seconds(row.value(7)) - seconds(row.value(6));
    QCOMPARE(ishaAfterMaghrib, hijri.startsWith("1.9.") ? 7200 : 5400);
}

void TestVakit::run_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("days");
    QTest::addColumn<QStringList>("dates");

    QTest::newRow("new year") << "2026-12-30" << 4
                              << QStringList{"2026-12-30", "2026-12-31", "2027-01-01",
                                             "2027-01-02"};
    QTest::newRow("leap February")
        << "2028-02-28" << 3 << QStringList{"2028-02-28", "2028-02-29", "2028-03-01"};
    QTest::newRow("plain February") << "2027-02-28" << 2 << QStringList{"2027-02-28", "2027-03-01"};
}

void TestVakit::run()
{
    QFETCH(QString, first);
    QFETCH(int, days);
    QFETCH(QStringList, dates);

    const QStringList rows =
        csvRows(kBerlin + QStringList{"--date", first, "--days", QString::number(days)});
    QCOMPARE(rows.size(), dates.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].section(',', 0, 0), dates[i]);
        // A day inside a run must read exactly as the same day asked for alone.
        QCOMPARE(rows[i], csvRows(kBerlin + QStringList{"--date", dates[i]}).value(0));
    }
}

void TestVakit::json()
{
    const Run r = calistir(kBerlin + QStringList{"--date", "2026-06-21", "--days", "2", "--dst",
                                                 "none", "--format", "json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray days = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(days.size(), 2);

    const QJsonObject d = days[0].toObject();
    QCOMPARE(d["isha"], QJsonValue("23:01:55"));
    QCOMPARE(d["hijri"], QJsonValue("6.1.1448"));
    QCOMPARE(d["qibla"], QJsonValue(136));
    const QStringList flagged = {"imsak", "fajr", "isha"};
    const QStringList keys = {"imsak", "fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};
    for (const QString &key : keys) {
        QVERIFY2(d[key + "Extreme"].isBool(), qPrintable(key));
        QCOMPARE(d[key + "Extreme"].toBool(), flagged.contains(key));
    }
    QCOMPARE(days[1].toObject()["date"], QJsonValue("2026-06-22"));
}

void TestVakit::text_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("default method") << kIstanbul
                                    << QStringList{"latitude 41, longitude 29, time zone UTC+2",
                                                   "Method: Muslim World League\n",
                                                   "\nDate           Imsak       Fajr    Sunrise"};
    QTest::newRow("named method, Hanafi")
        << kIstanbul + QStringList{"--method", "1", "--hanafi", "--dst", "none"}
        << QStringList{"Egyptian General Authority of Survey, Hanafi Asr", "Daylight saving: none"};
    QTest::newRow("custom angles") << kIstanbul + QStringList{"--custom", "18.5,17", "--tz", "-3.5"}
                                   << QStringList{"Custom angles 18.5\u00b0/17\u00b0", "UTC-3.5"};
    QTest::newRow("flagged times, footnote") << kBerlin + QStringList{"--date", "2026-06-21"}
                                             << QStringList{"1:27:57*", "24:01:55*", "\n* "};
    QTest::newRow("own minutes, rule, Hijri")
        << kIstanbul + QStringList{"--offsets", "0,0,0,0,0,2,-1", "--high-lat",
                                   "seventh",   "--hijri-offset", "-1"}
        << QStringList{"Own minutes: Maghrib +2, Isha -1\n",
                       "High latitudes: one-seventh of the night\n",
                       "Hijri date moved by -1 day\n"};
    QTest::newRow("Diyanet") << kIstanbul + QStringList{"--method", "8"}
                             << QStringList{"Method: Diyanet İşleri Başkanlığı\n",
                                            "High latitudes: nearest day"};
    QTest::newRow("help") << QStringList{"--help"} << QStringList{"--dst FIRST..END",
                                                                  "--format json",
                                                                  "fajrExtreme",
                                                                  "20  Spiritual Administration",
                                                                  "--offsets I,F,S,D,A,M,N",
                                                                  "--high-lat RULE",
                                                                  "--hijri-offset N"};
}

void TestVakit::text()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);

    const Run r = calistir(args);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    const QString text = QString::fromUtf8(r.out);
    for (const QString &s : expected)
        QVERIFY2(text.contains(s), qPrintable(s + " missing in\n" + text));
}

void TestVakit::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("problem");

    const QStringList lon = {"--lon", "29"};
    const QStringList tz = {"--tz", "2"};
    QTest::newRow("latitude with comma") << QStringList{"--lat", "41,5"} + lon + tz << "'41,5'";
    QTest::newRow("value forgotten") << QStringList{"--lat", "--lon", "29", "--tz", "2"} << "--lat";
    QTest::newRow("unknown option") << kIstanbul + QStringList{"--month", "3"} << "--month";
    QTest::newRow("method and custom")
        << kIstanbul + QStringList{"--custom", "18,17", "--method", "2"} << "--custom";
    QTest::newRow("method 21") << kIstanbul + QStringList{"--method", "21"} << "--method";
    QTest::newRow("six offsets") << kIstanbul + QStringList{"--offsets", "0,0,0,0,0,0"}
                                 << "--offsets needs seven";
    QTest::newRow("eight offsets")
        << kIstanbul + QStringList{"--offsets", "0,0,0,0,0,0,0,0"} << "--offsets needs seven";
    QTest::newRow("offset not whole")
        << kIstanbul + QStringList{"--offsets", "0,0,0,0,0,1.5,0"} << "--offsets needs seven";
    QTest::newRow("offset empty") << kIstanbul + QStringList{"--offsets", "0,,0,0,0,0,0"}
                                  << "--offsets needs seven";
    QTest::newRow("offset beyond 30") << kIstanbul + QStringList{"--offsets", "0,0,0,0,0,31,0"}
                                      << "Maghrib must be between -30 and 30, got 31";
    QTest::newRow("offset below -30") << kIstanbul + QStringList{"--offsets=-31,0,0,0,0,0,0"}
                                      << "Imsak must be between -30 and 30, got -31";
    QTest::newRow("unknown rule") << kIstanbul + QStringList{"--high-lat", "north"}
                                  << "--high-lat needs nearest, middle, seventh or angle";
    QTest::newRow("Hijri offset 3") << kIstanbul + QStringList{"--hijri-offset", "3"}
                                    << "--hijri-offset must be between -2 and 2, got 3";
    QTest::newRow("Hijri offset not whole") << kIstanbul + QStringList{"--hijri-offset", "1.0"}
                                            << "--hijri-offset needs a whole number";
    QTest::newRow("custom angle above 90")
        << kIstanbul + QStringList{"--custom", "18,91"} << "--custom";
    QTest::newRow("too many days") << kIstanbul + QStringList{"--days", "36601"} << "--days";
    QTest::newRow("30 February") << kIstanbul + QStringList{"--date", "2026-02-30"} << "2026-02-30";
    QTest::newRow("malformed date") << kIstanbul + QStringList{"--date", "05.12.2026"} << "--date";
    QTest::newRow("unknown dst") << kIstanbul + QStringList{"--dst", "summer"} << "--dst";
    QTest::newRow("dst range, backwards")
        << kIstanbul + QStringList{"--dst", "2026-10-25..2026-03-29"} << "--dst";
    // Found by fuzzing: an option holding line breaks made a message of several lines.
    QTest::newRow("line breaks in an option") << QStringList{"--\n\nlat", "41"} << "'--\\n\\nlat'";
    // Found by fuzzing: a POSIX rule passed for a zone gave a time zone of UTC-90.
    QTest::newRow("a POSIX rule is no zone") << QStringList{"--lat", "41", "--lon", "29", "--zone", "Euro90"}
                                             << "Euro90";
    QTest::newRow("unknown zone") << kIstanbul + QStringList{"--zone", "Mars/Olympus"}
                                  << "Mars/Olympus";
    QTest::newRow("no time zone at all") << QStringList{"--lat", "41", "--lon", "29"} << "--zone";
    QTest::newRow("before the calendar")
        << kIstanbul + QStringList{"--date", "1582-10-14"} << "--date";
    QTest::newRow("beyond four-digit years")
        << kIstanbul + QStringList{"--date", "10000-01-01"} << "--date";
    QTest::newRow("a run past 9999")
        << kIstanbul + QStringList{"--date", "9999-12-30", "--days", "3"} << "9999-12-31";
    QTest::newRow("pdf to standard output")
        << kIstanbul + QStringList{"--format", "pdf"} << "--format pdf needs --output FILE";
    QTest::newRow("pdf of a run of days")
        << kIstanbul + QStringList{"--format", "pdf", "--output", "a.pdf", "--days", "7"}
        << "--days cannot be used with --format pdf";
    QTest::newRow("pdf of a month the calendar begins in")
        << kIstanbul + QStringList{"--format", "pdf", "--output", "a.pdf", "--date", "1582-10-20"}
        << "the first whole month is November 1582";
    QTest::newRow("output without a name")
        << kIstanbul + QStringList{"--output="} << "--output needs a file name";
    QTest::newRow("unknown format") << kIstanbul + QStringList{"--format", "xml"}
                                    << "--format needs text, csv, json or pdf, got 'xml'";
}

void TestVakit::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, problem);

    const Run r = calistir(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(problem.toUtf8()) && !r.err.contains('\n'), r.err.constData());
}

void TestVakit::asAProgram()
{
    const QStringList args =
        kIstanbul + QStringList{"--date", "2026-12-05", "--dst", "none", "--format", "csv"};
    QProcess p;
    p.start(QStringLiteral(RAVLA_VAKIT), args);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(p.readAllStandardOutput(), calistir(args).out);

    p.start(QStringLiteral(RAVLA_VAKIT), {"--lat", "91", "--lon", "29", "--tz", "2"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardOutput().isEmpty());
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
             QStringLiteral("ravla-vakit: --lat must be between -90 and 90, got 91\n"
                            "Try 'ravla-vakit --help'.\n"));
}

namespace {

// As from cron on a server: no display, and no Qt platform chosen.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        env.remove(name);
    return env;
}

} // namespace

// The month page from a script: one A4 page, a line per day of the month of --date, each with
// the times of the csv for that day.
void TestVakit::pdfPage()
{
    QVERIFY2(popplerKurulu(), "pdftotext and pdfinfo are needed: install poppler-utils");
    QTemporaryDir dir;
    const QString path = dir.filePath("board.pdf");
    const QStringList place = {"--lat",  "41.01",           "--lon",    "28.98",
                               "--zone", "Europe/Istanbul", "--method", "8"};
    QProcess p;
    p.setProcessEnvironment(withoutDisplay());
    p.start(QStringLiteral(RAVLA_VAKIT),
            place + QStringList{"--date", "2027-02-14", "--format", "pdf", "--output", path,
                                "--place", "Ulu Camii, Bursa"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.readAllStandardError(), QByteArray());
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().isEmpty());
    QCOMPARE(pdfSayfaSayisi(path), 1);
    QVERIFY(popplerCiktisi("pdfinfo", {path}).contains(QRegularExpression("Page size:.*\\(A4\\)")));

    const QString text = pdfMetni(path);
    QVERIFY(text.contains("Ulu Camii, Bursa"));
    const QStringList rows = csvRows(place + QStringList{"--date", "2027-02-01", "--days", "28"});
    QCOMPARE(rows.size(), 28);
    for (const QString &row : rows) {
        const QStringList f = row.split(',');
        const QDate day = QDate::fromString(f[0], "yyyy-MM-dd");
        // "Pzt 01.02.2027 24.8.1448 06:41 ..." with the times cut to the minute.
        QString pattern = "\\n\\s*\\S+ " + QRegularExpression::escape(day.toString("dd.MM.yyyy")) +
                          "\\s+" + QRegularExpression::escape(f[8]);
        for (int i = 1; i <= 7; ++i)
            pattern += "\\s+" + f[i].left(f[i].lastIndexOf(':')).rightJustified(5, '0') +
                       (f[i].endsWith('*') ? "\\*" : "");
        QVERIFY2(text.contains(QRegularExpression(pattern + "\\s*\\n")), qPrintable(row));
    }
    QVERIFY(!text.contains("01.03.2027"));
}

void TestVakit::outputFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("platform");
    // Without a display, a platform that needs one: only the page may start Qt's Gui.
    QTest::newRow("csv needs no Gui") << "csv"
                                      << "xcb";
    QTest::newRow("text") << "text"
                          << "xcb";
    QTest::newRow("pdf") << "pdf"
                         << "";
}

// --output writes what standard output would get; a file that cannot be written is one line
// and status 1, and nothing is left behind.
void TestVakit::outputFile()
{
    QFETCH(QString, format);
    QFETCH(QString, platform);

    QTemporaryDir dir;
    const QStringList args =
        kIstanbul + QStringList{"--date", "2026-12-05", "--dst", "none", "--format", format};
    QProcessEnvironment env = withoutDisplay();
    if (!platform.isEmpty())
        env.insert("QT_QPA_PLATFORM", platform);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RAVLA_VAKIT), args + QStringList{"--output", dir.filePath("out")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().isEmpty());
    QFile out(dir.filePath("out"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    if (format != "pdf")
        QCOMPARE(out.readAll(), calistir(args).out);
    else
        QVERIFY(out.readAll().startsWith("%PDF-"));

    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString bad = dir.filePath("file/out");
    p.start(QStringLiteral(RAVLA_VAKIT), args + QStringList{"--output", bad});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    QVERIFY2(err.startsWith("ravla-vakit: cannot write " + bad + ": ") && err.count('\n') == 1,
             qPrintable(err));
    QVERIFY(!QFileInfo::exists(bad));
}

QTEST_GUILESS_MAIN(TestVakit)
#include "tst_vakit.moc"
