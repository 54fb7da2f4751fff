#pragma once

#include "options.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vakit {

// A day as every timetable shows it: the command line's, the month window's and its page.
struct Day {
    ravla::CivilDate date;
    ravla::DaySchedule schedule;
    std::string hijri; // "day.month.year", the user's correction applied
};

ravla::CivilDate nextDay(const ravla::CivilDate &date);

// The engine's inputs for one day under these options. With automatic daylight saving and a
// zone, that zone's own clock change on the day applies. Whoever shows a day builds it here, so
// that the command line and the windows cannot disagree.
ravla::ScheduleInputs inputsFor(const Options &options, const ravla::CivilDate &date);

// The Hijri date of the day as the timetables write it.
std::string hijriText(const Options &options, const ravla::CivilDate &date);

// Computes the days of the run (options.date, options.days) one after the other.
void computeDays(const Options &options, const std::function<void(const Day &)> &each);

// The options narrowed to one month: from its first day, as many days as it has.
Options monthRun(const Options &options, int year, int month);

// Every day of the month, as ravla-vakit computes them.
std::vector<Day> monthDays(const Options &options, int year, int month);

// H:MM:SS as the engine's clock conversion gives it, so 99:99:00 and 24:05:00 pass through.
std::string clockText(const ravla::PrayerTime &time);

// Computes every day of the run and writes it in the chosen format (text, csv or json; a page
// is drawn elsewhere, so pdf writes nothing here).
void writeTimetable(const Options &options, std::FILE *out);
// The same bytes, in memory.
std::string timetableText(const Options &options);

} // namespace vakit
