// ravla-vakit: the prayer timetable of Ravla Namaz Vakti on the command line.

#include "ayliksayfa.h"
#include "options.h"
#include "takvimdosyasi.h"
#include "tamkayit.h"
#include "timetable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTranslator>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <ctime>

namespace {

ravla::CivilDate today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

QString executableFolder(const char *argv0)
{
#ifdef _WIN32
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        return QFileInfo(QString::fromWCharArray(path, int(n))).absolutePath();
#else
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (!self.isEmpty())
        return QFileInfo(self).absolutePath();
#endif
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

// The program's files beside the tool (a build folder), else beside the installed program:
// the folder, with its trailing slash, in which `file` is (or would be).
QString programFolder(const char *argv0, const QString &file)
{
    const QString bin = executableFolder(argv0) + QLatin1Char('/');
    if (QFileInfo::exists(bin + file))
        return bin;
    return QDir::cleanPath(bin + QStringLiteral("../" RAVLA_PROGRAM_DIR)) + QLatin1Char('/');
}

std::string databaseFolder(const char *argv0)
{
    return (programFolder(argv0, QStringLiteral("koordinat/liste.dat")) +
            QStringLiteral("koordinat/"))
        .toStdString();
}

// A script run by cron has no runtime folder; Qt's note about it is no failure of ours, and the
// tool's errors stay one line.
QtMessageHandler qtHandler = nullptr;

void quietRuntimeNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// The month page. Fonts need a QGuiApplication, and a script on a server has no display: the
// offscreen platform serves unless the caller chose another.
int writePage(const vakit::Options &options, char *program)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(quietRuntimeNote);
    int argc = 1; // Qt's own options are no business of this tool
    char *argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);

    // No row stands out: a board hangs for the whole month.
    const AylikVeri veri = AylikSayfa::veri(options, options.date.year, options.date.month,
                                            QString::fromStdString(options.place));
    const QString path = QString::fromStdString(options.output);
    QString error;
    if (!AylikSayfa::pdfYaz(path, veri, &error)) {
        std::fprintf(stderr, "ravla-vakit: cannot write %s: %s\n", options.output.c_str(),
                     error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// Whole or not at all: a full disk leaves the old file, not a cut one.
int writeOut(const vakit::Options &options, const QByteArray &bytes)
{
    if (options.output.empty()) {
        if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) !=
                std::size_t(bytes.size()) ||
            std::fflush(stdout) != 0) {
            std::perror("ravla-vakit: writing the timetable");
            return 1;
        }
        return 0;
    }
    QString writeError;
    if (!tamYaz(QString::fromLocal8Bit(options.output.c_str()), bytes, &writeError)) {
        std::fprintf(stderr, "ravla-vakit: cannot write %s: %s\n", options.output.c_str(),
                     writeError.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// The calendar, its words from the program's catalogue of --lang.
int writeCalendar(const vakit::Options &options, char *program)
{
    qtHandler = qInstallMessageHandler(quietRuntimeNote);
    int argc = 1;
    char *argv[] = {program, nullptr};
    QCoreApplication app(argc, argv);
    QTranslator catalogue;
    if (options.lang != "tr") {
        const std::string code = options.lang == "ar"   ? "ar_AR"
                                 : options.lang == "de" ? "de_DE"
                                                        : "en_EN";
        const QString file = QStringLiteral("Lugat_%1.qm").arg(QString::fromStdString(code));
        const QString path = programFolder(program, file) + file;
        if (!catalogue.load(path)) {
            std::fprintf(stderr, "ravla-vakit: --lang %s: cannot read the catalogue %s\n",
                         options.lang.c_str(), path.toLocal8Bit().constData());
            return 2;
        }
        QCoreApplication::installTranslator(&catalogue);
    }
    return writeOut(
        options, TakvimDosyasi::yaz(options, {options.icsAll, QString::fromStdString(options.place),
                                              QDateTime()}));
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    vakit::Options options;
    const std::string error = vakit::parseArguments(args, today(), options);
    if (!error.empty()) {
        std::fprintf(stderr, "ravla-vakit: %s\nTry 'ravla-vakit --help'.\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(vakit::usage().c_str(), stdout);
        return 0;
    }
    if (!options.city.empty()) {
        const vakit::CityResult found = vakit::resolveCity(options, databaseFolder(argv[0]));
        if (!found.error.empty()) {
            std::fprintf(stderr, "ravla-vakit: %s\n", found.error.c_str());
            for (const std::string &c : found.candidates)
                std::fprintf(stderr, "  %s\n", c.c_str());
            return 2;
        }
    }
    if (options.format == vakit::Format::Pdf)
        return writePage(options, argv[0]);
    if (options.format == vakit::Format::Ics)
        return writeCalendar(options, argv[0]);

    if (options.output.empty()) {
        vakit::writeTimetable(options, stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::perror("ravla-vakit: writing the timetable");
            return 1;
        }
        return 0;
    }
    return writeOut(options, QByteArray::fromStdString(vakit::timetableText(options)));
}
