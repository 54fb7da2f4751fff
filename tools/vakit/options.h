#pragma once

#include "timetable.h"

#include <string>
#include <vector>

namespace vakit {

// The command line: the run of days, and where and how to write it.
struct Options : Run {
    std::string output; // a file instead of standard output; the page needs one
    std::string place;  // the page's heading; empty: the coordinates
    bool help = false;
};

// Fills `options` from the arguments (without the program name); `today` is the
// default first day. Returns an empty string on success, else one line naming the problem.
std::string parseArguments(const std::vector<std::string> &args, const ravla::CivilDate &today,
                           Options &options);

std::string usage();

} // namespace vakit
