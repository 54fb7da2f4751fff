#pragma once

#include "options.h"

#include <cstdio>
#include <string>

namespace vakit {

ravla::CivilDate nextDay(const ravla::CivilDate &date);

// H:MM:SS as the engine's clock conversion gives it, so 99:99:00 and 24:05:00 pass through.
std::string clockText(const ravla::PrayerTime &time);

// Computes every day of the run and writes it in the chosen format.
void writeTimetable(const Options &options, std::FILE *out);

} // namespace vakit
