// ravla-vakit: the prayer timetable of Ravla Namaz Vakti on the command line.

#include "ayliksayfa.h"
#include "options.h"
#include "tamkayit.h"
#include "timetable.h"

#include <QGuiApplication>

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
    if (options.format == vakit::Format::Pdf)
        return writePage(options, argv[0]);

    if (options.output.empty()) {
        vakit::writeTimetable(options, stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::perror("ravla-vakit: writing the timetable");
            return 1;
        }
        return 0;
    }
    // Whole or not at all: a full disk leaves the old timetable, not a cut one.
    QString writeError;
    if (!tamYaz(QString::fromLocal8Bit(options.output.c_str()),
                QByteArray::fromStdString(vakit::timetableText(options)), &writeError)) {
        std::fprintf(stderr, "ravla-vakit: cannot write %s: %s\n", options.output.c_str(),
                     writeError.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
