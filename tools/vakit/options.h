#pragma once

#include "timetable.h"

#include <string>
#include <vector>

namespace vakit {

// The command line: the run of days, and where and how to write it.
struct Options : Run {
    std::string output; // a file instead of standard output; the page needs one
    std::string place;  // the page's heading; empty: the coordinates
    // A place of the city database by name, in place of --lat, --lon and --tz.
    std::string city, country;
    std::string lang = "tr"; // the calendar's words: tr, ar, de or en
    bool icsAll = false;     // İmsak and sunrise in the calendar too
    std::string zoneCode;    // a JAKIM zone by its code (SWK08), in place of a place
    bool methodGiven = false, tzGiven = false, zoneGiven = false;
    bool help = false;
};

// Fills `options` from the arguments (without the program name); `today` is the
// default first day. Returns an empty string on success, else one line naming the problem.
std::string parseArguments(const std::vector<std::string> &args, const ravla::CivilDate &today,
                           Options &options);

std::string usage();

// Takes --city's place from the city database in `folder` (its koordinat/ folder): the
// coordinates, the zone and, unless --method or --custom was given, the country's own method.
// On failure `error` names the problem and `candidates` lists, one per entry, the arguments
// that pick each place a name could mean.
struct CityResult {
    std::string error;
    std::vector<std::string> candidates;
};
CityResult resolveCity(Options &options, const std::string &folder);

} // namespace vakit
