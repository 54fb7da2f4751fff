// ravla-vakit's arguments (NUL-separated in the input): either one line naming the problem, or
// options within their ranges that compute without a fault.
#include "options.h"
#include "timetable.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *veri, size_t boyut)
{
    std::vector<std::string> args(1);
    for (size_t i = 0; i < boyut && args.size() < 64; ++i) {
        if (veri[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(veri[i]);
    }
    vakit::Options o;
    const std::string hata = vakit::parseArguments(args, {5, 12, 2026}, o);
    if (!hata.empty()) {
        if (hata.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    if (o.help || !o.city.empty()) // a city's place comes from the database, not the arguments
        return 0;
    const ravla::ScheduleInputs &in = o.inputs;
    if (std::fabs(in.latitude) > 90 || std::fabs(in.longitude) > 180 ||
        std::fabs(in.timeZone) > 15 || o.days < 1 || o.days > 36600 ||
        !std::isfinite(in.fajrAngle) || !std::isfinite(in.ishaAngle))
        std::abort();
    o.days = std::min(o.days, 2); // the engine, not the length of the run, is what is fuzzed
    static std::FILE *hic = std::fopen("/dev/null", "w");
    vakit::writeTimetable(o, hic);
    return 0;
}
