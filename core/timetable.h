#pragma once

#include "dinigunler.h"
#include "schedule.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vakit {

enum class Format { Text, Csv, Json, Pdf, Ics };

// A run of days as a timetable shows it: the engine's inputs (each day's date, and with
// automatic daylight saving the zone's own clock change, are set as the day is computed), the
// place's IANA zone, the first day and how many.
struct Run {
    ravla::ScheduleInputs inputs;
    std::string zone;
    ravla::CivilDate date; // first day of the run
    int days = 1;
    Format format = Format::Text;
    // With code 14 in Malaysia: the JAKIM zone whose point the inputs hold ("SWK08 — Kuching,
    // Bau, Lundu, Sematan"), and for a place no zone names, how its zone was chosen.
    std::string jakimZone, jakimNote;
};

// The method's name as the dialogs show it, without its trailing blanks.
std::string methodTitle(int code);

// A day as every timetable shows it: the command line's, the month window's and its page.
struct Day {
    ravla::CivilDate date;
    ravla::DaySchedule schedule;
    std::string hijri;                     // "day.month.year", the user's correction applied
    std::vector<ravla::DiniGun> religious; // the religious days and nights listed on it
};

ravla::CivilDate nextDay(const ravla::CivilDate &date);

// The engine's inputs for one day of the run. With automatic daylight saving and a
// zone, that zone's own clock change on the day applies. Whoever shows a day builds it here, so
// that the command line and the windows cannot disagree.
ravla::ScheduleInputs inputsFor(const Run &options, const ravla::CivilDate &date);

// The Hijri date of the day as the timetables write it.
std::string hijriText(const Run &options, const ravla::CivilDate &date);

// Computes the days of the run (options.date, options.days) one after the other.
void computeDays(const Run &options, const std::function<void(const Day &)> &each);

// The options narrowed to one month: from its first day, as many days as it has.
Run monthRun(const Run &options, int year, int month);

// Every day of the month, as ravla-vakit computes them.
std::vector<Day> monthDays(const Run &options, int year, int month);

// H:MM:SS as the engine's clock conversion gives it, so 99:99:00 and 24:05:00 pass through.
std::string clockText(const ravla::PrayerTime &time);

// Computes every day of the run and writes it in the chosen format (text, csv or json; a page
// and a calendar are written elsewhere, so pdf and ics write nothing here).
void writeTimetable(const Run &options, std::FILE *out);
// The same bytes, in memory.
std::string timetableText(const Run &options);

} // namespace vakit
