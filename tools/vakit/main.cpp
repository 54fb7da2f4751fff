// ravla-vakit: the prayer timetable of Ravla Namaz Vakti on the command line.

#include "options.h"
#include "timetable.h"

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

    vakit::writeTimetable(options, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("ravla-vakit: writing the timetable");
        return 1;
    }
    return 0;
}
