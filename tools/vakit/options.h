#pragma once

#include "schedule.h"

#include <string>
#include <vector>

namespace vakit {

enum class Format { Text, Csv, Json, Pdf };

struct Options {
    double latitude = 0;
    double longitude = 0;
    double timeZone = 0;
    ravla::CivilDate date; // first day of the run
    int days = 1;
    int method = 5;
    bool custom = false;
    double fajrAngle = 0;
    double ishaAngle = 0;
    bool hanafi = false;
    // Minutes added to each time, in the engine's order (Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha,
    // İmsak); --offsets gives them starting with İmsak, as the timetable's columns run.
    int offsets[7] = {};
    ravla::HighLatitudeRule highLatitude = ravla::HighLatitudeRule::Nearest;
    int hijriOffset = 0; // days
    ravla::DstRule dst;  // Automatic unless told otherwise
    std::string zone;    // IANA name; with automatic daylight saving its own rules apply
    Format format = Format::Text;
    std::string output; // a file instead of standard output; the page needs one
    std::string place;  // the page's heading; empty: the coordinates
    bool help = false;
};

// Fills `options` from the arguments (without the program name); `today` is the
// default first day. Returns an empty string on success, else one line naming the problem.
std::string parseArguments(const std::vector<std::string> &args, const ravla::CivilDate &today,
                           Options &options);

std::string usage();

// The method's name as the dialogs show it, without its trailing blanks.
std::string methodTitle(int code);

} // namespace vakit
